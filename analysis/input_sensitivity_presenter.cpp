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
  m_left = InputGraph(m_doc, m_doc.CurrentPosition(), m_nAttribute);
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

void CInputSensitivityPresenter::FollowSelection() {
  const int k = m_doc.CurrentAttribute();
  if (k != m_nFollowed && m_doc.Attribute(k).m_nChildren <= 0) m_nAttribute = k;
  m_nFollowed = k;
  if (m_nAttribute > m_doc.LastAttribute()) m_nAttribute = k;
  DrawInput();
}

void CInputSensitivityPresenter::Drag(int point, double dValue) {
  const int pos = m_doc.CurrentPosition();
  const int k = m_nAttribute;
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
