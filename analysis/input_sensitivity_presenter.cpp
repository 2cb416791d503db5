#include "analysis/input_sensitivity_presenter.h"

#include "analysis/reevaluation.h"
#include "analysis/sensitivity_charts.h"
#include "analysis/sensitivity_rules.h"
#include "engine/utility.h"
#include "model/prompter.h"

namespace zev {

namespace {

const char* const kNotBottomWarning =
    "To draw a input data graph, at least\n"
    "one bottom-attribute has to be selected.";

}  // namespace

CInputSensitivityPresenter::CInputSensitivityPresenter(CMADMDoc& doc)
    : CSensitivityPresenter(doc),
      m_nAttribute(doc.CurrentAttribute()),
      m_nFollowed(doc.CurrentAttribute()) {
  ReevaluateKeepingMarks(m_doc);
  ResetMarks();
  DrawInput();
  RedrawRight();
}

std::string CInputSensitivityPresenter::OpeningRefusal(const CMADMDoc& doc) {
  return doc.Attribute(doc.CurrentAttribute()).m_nChildren > 0 ? kNotBottomWarning : "";
}

void CInputSensitivityPresenter::DrawInput() {
  const int pos = m_doc.CurrentPosition();
  const bool bShown = pos >= 0 && pos < m_doc.AlternativeCount() && IsBottom(m_nAttribute);
  m_left = bShown ? InputGraph(m_doc, pos, m_nAttribute) : ChartContent();
}

bool CInputSensitivityPresenter::IsBottom(int k) const {
  return k >= 0 && k <= m_doc.LastAttribute() && m_doc.Attribute(k).m_nChildren <= 0;
}

void CInputSensitivityPresenter::RedrawRight() { DrawRanking("Score on "); }

void CInputSensitivityPresenter::PickAttribute(int k) {
  if (m_doc.Attribute(k).m_nChildren > 0) {
    ThePrompter().Warning(kNotBottomWarning);
    return;
  }
  m_nAttribute = k;
  DrawInput();
}

void CInputSensitivityPresenter::FollowDocument(const SDocChange& change) {
  if (change.m_kind == EDocChange::Results) return;
  const int k = m_doc.CurrentAttribute();
  if (change.m_kind == EDocChange::Selection) {
    if (k != m_nFollowed && IsBottom(k)) m_nAttribute = k;
  } else {
    FollowMarks(change);
    m_nAttribute = FollowAttribute(change, m_nAttribute);
  }
  m_nFollowed = k;
  if (!IsBottom(m_nAttribute)) {
    m_nAttribute = k;
    for (int i = 0; !IsBottom(m_nAttribute) && i <= m_doc.LastAttribute(); ++i) m_nAttribute = i;
  }
  DrawInput();
  if (change.m_kind != EDocChange::Selection && HasMarks()) RedrawRight();
}

void CInputSensitivityPresenter::Drag(int point, double dValue) {
  const int pos = m_doc.CurrentPosition();
  const int k = m_nAttribute;
  if (pos < 0 || pos >= m_doc.AlternativeCount() || !IsBottom(k)) return;
  const CAttribute& a = m_doc.Attribute(k);
  CAssessment& r = m_doc.Alternative(pos).Record(k);
  // The only change this window makes to the model.
  if (a.m_nType == Quantitative) {
    if (point != 0) return;
    r.m_dValue = ClampWithTolerance(dValue, a.m_dWorst, a.m_dBest);
    r.m_nPossibleValues = 1;
    r.m_dPossibleValue[0] = r.m_dValue;
    r.m_dBelief[0] = 1.0;
  } else {
    const int n = UsedCount(a.m_nType == Qualitative ? a.m_nGrades : r.m_nPossibleValues);
    if (point < 0 || point >= n) return;
    DragDegree(std::span<double>(r.m_dBelief, static_cast<size_t>(n)), point, dValue);
  }
  m_doc.PublishChanges({EDocChange::Assessment, k, pos});
  ReevaluateKeepingMarks(m_doc);
  DrawInput();
  RedrawRight();
}

void CInputSensitivityPresenter::Close() const {
  ThePrompter().Information(
      "Input data changed in this window are recorded in memory.\n\n"
      "Save them in the current ZEV file if you want the changes.\n"
      "Otherwise, save them in another ZEV file or do not save.");
}

}  // namespace zev
