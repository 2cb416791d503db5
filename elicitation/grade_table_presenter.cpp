#include "elicitation/grade_table_presenter.h"

#include <algorithm>

#include "engine/conversion.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

namespace {

constexpr double kTolerance = 1e-8;

// A double as the platform writes it into a field: enough digits that
// reading it back gives the same number.
std::string FieldText(double d) { return Format("%.15g", d); }

const char* const kUtilityRefused =
    "A utility is a positive real\n"
    "number between zero and one.";

bool InRange(double d) { return d > -kTolerance && d < 1.0 + kTolerance; }

}  // namespace

const std::vector<std::string>& GradeUtilityPresets() {
  static const std::vector<std::string> presets = {
      "0",    "1",    "0.1",  "0.2",  "0.3",  "0.4",  "0.5",  "0.6",  "0.7",  "0.8", "0.9",
      "0.05", "0.15", "0.25", "0.35", "0.45", "0.55", "0.65", "0.75", "0.85", "0.95"};
  return presets;
}

CGradeTablePresenter::CGradeTablePresenter(const CAttribute& a, int nFirst, int nRows)
    : m_strAttributeName(a.m_strName.Str()),
      m_nFirst(nFirst),
      m_nRows(std::clamp(nRows, 0, kPageRows)),
      m_bUtilityEnabled(a.m_nConversion == ByUtility) {
  for (int row = 0; row < m_nRows; ++row) {
    const int k = m_nFirst + row;
    m_strName[row] = a.GradeName(k).Str();
    m_strUtility[row] = FieldText(a.GradeUtility(k));
    m_strDefinition[row] = a.GradeDefinition(k).Str();
    m_dUtility[row] = a.GradeUtility(k);
  }
}

std::string CGradeTablePresenter::GradeLabel(int row) const {
  return "Grade " + FormatInt(m_nFirst + row + 1);
}

std::string CGradeTablePresenter::FieldName(const char* prefix, int row) {
  return prefix + FormatInt(row);
}

void CGradeTablePresenter::Select(int row) {
  if (row >= 0 && row < m_nRows) m_nSelected = row;
}

bool CGradeTablePresenter::ReadUtility(int row, double& d) const {
  return ReadRealNumber(m_strUtility[row], d);
}

bool CGradeTablePresenter::UtilityFocusLost(int row) {
  if (!m_bUtilityEnabled || row < 0 || row >= m_nRows) return true;
  double d = 0.0;
  if (ReadUtility(row, d) && InRange(d)) return true;
  ThePrompter().Warning(kUtilityRefused);
  SetFocusField(FieldName(kFieldUtility, row));
  return false;
}

void CGradeTablePresenter::Define() {
  if (m_nRows == 0) return;
  CGradeMeaningPresenter meaning(m_strAttributeName, m_strName[m_nSelected],
                                 m_strDefinition[m_nSelected]);
  if (ThePrompter().RunModal(meaning)) m_strDefinition[m_nSelected] = meaning.m_strDefinition;
}

EDialogAction CGradeTablePresenter::Ok() {
  if (!m_bUtilityEnabled) return EDialogAction::CloseOk;
  double read[kPageRows] = {};
  for (int row = 0; row < m_nRows; ++row) {
    // A text that is no number at all cannot be clamped.
    if (!ReadUtility(row, read[row])) {
      ThePrompter().Warning(kUtilityRefused);
      SetFocusField(FieldName(kFieldUtility, row));
      return EDialogAction::Stay;
    }
  }
  for (int row = 0; row < m_nRows; ++row) {
    double d = read[row];
    if (!InRange(d)) d = d <= -kTolerance ? 0.0 : 1.0;
    m_dUtility[row] = d;
    m_strUtility[row] = FieldText(d);
  }
  return EDialogAction::CloseOk;
}

void CGradeTablePresenter::Store(CAttribute& a) const {
  SGradeTable& g = a.MutableGrades();
  for (int row = 0; row < m_nRows; ++row) {
    const int k = m_nFirst + row;
    g.m_strGradeName[k] = CText(m_strName[row]);
    g.m_strGradeDefinition[k] = CText(m_strDefinition[row]);
    if (m_bUtilityEnabled) g.m_dGradeUtility[k] = m_dUtility[row];
  }
}

bool RunGradeTable(CMADMDoc& doc, int k) {
  CAttribute& a = doc.Attribute(k);
  const int n = std::clamp(a.m_nGrades, 0, kMaxGrades);
  std::vector<CText> namesBefore(a.Grades().m_strGradeName, a.Grades().m_strGradeName + n);
  bool bConfirmed = false;
  for (int first = 0; first < n; first += CGradeTablePresenter::kPageRows) {
    CGradeTablePresenter page(a, first, std::min(CGradeTablePresenter::kPageRows, n - first));
    if (!ThePrompter().RunModal(page)) continue;
    page.Store(a);
    bConfirmed = true;
  }
  for (int i = 0; i < n; ++i) {
    if (a.GradeName(i) != namesBefore[static_cast<size_t>(i)]) a.m_bGradesChanged = true;
  }
  return bConfirmed;
}

CUtilityAssignment::CUtilityAssignment(CMADMDoc& doc, int k)
    : m_doc(doc),
      m_nAttribute(k),
      m_bGradesChangedBefore(doc.Attribute(k).m_bGradesChanged),
      m_bUtilitiesChangedBefore(doc.Attribute(k).m_bUtilitiesChanged) {}

void CUtilityAssignment::Finish() {
  PropagateRules(m_doc, m_nAttribute);
  CAttribute& a = m_doc.Attribute(m_nAttribute);
  a.m_bGradesChanged = m_bGradesChangedBefore;
  a.m_bUtilitiesChanged = m_bUtilitiesChangedBefore;
  m_doc.PublishChanges({EDocChange::Attribute, m_nAttribute, -1});
}

void DefineGradesFromDefinition(CMADMDoc& doc) { RunGradeTable(doc, doc.CurrentAttribute()); }

void DefineGradesCommand(CMADMDoc& doc) {
  const int k = doc.CurrentAttribute();
  CUtilityAssignment assignment(doc, k);
  if (RunGradeTable(doc, k)) assignment.Finish();
}

}  // namespace zev
