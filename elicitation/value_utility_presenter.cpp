#include "elicitation/value_utility_presenter.h"

#include <algorithm>
#include <cmath>

#include "elicitation/grade_table_presenter.h"
#include "elicitation/text_presenter.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

namespace {

constexpr double kTolerance = 1e-8;

std::string FieldText(double d) { return Format("%.15g", d); }

// Numbers inside the monotonicity message.
std::string MessageNumber(double d) { return Format("%.10g", d); }

const char* const kUtilityRefused =
    "A utility value must be "
    "between zero and one.";

bool InRange(double d) { return d > -kTolerance && d < 1.0 + kTolerance; }

}  // namespace

const std::vector<std::string>& ValueUtilityPresets() {
  static const std::vector<std::string> presets = [] {
    std::vector<std::string> p;
    for (int i = 0; i <= 20; ++i) p.push_back(Format("%g", i * 0.05));
    return p;
  }();
  return presets;
}

const std::vector<int>& CValueUtilityPresenter::NumberChoices() {
  static const std::vector<int> choices = {3, 5, 9};
  return choices;
}

CValueUtilityPresenter::CValueUtilityPresenter(const CAttribute& a)
    : m_strComments(a.m_strComments.Str()),
      m_strAttributeName(a.m_strName.Str()),
      m_strBest(FieldText(a.m_dBest)),
      m_strWorst(FieldText(a.m_dWorst)),
      m_strUnit(a.m_strUnit.Str()),
      m_dBest(a.m_dBest),
      m_dWorst(a.m_dWorst),
      m_nNumber(a.m_nGrades == 3   ? 3
                : a.m_nGrades == 9 ? 9
                                   : 5) {
  // The rows show the first stored values and utilities, including those
  // beyond the grade count when the table shows more rows than grades.
  for (int row = 0; row < kMaxRows; ++row) {
    m_dValue[row] = a.GradeValue(row);
    m_dUtility[row] = a.GradeUtility(row);
    m_strValue[row] = FieldText(m_dValue[row]);
    m_strUtility[row] = FieldText(m_dUtility[row]);
  }
}

std::string CValueUtilityPresenter::FieldName(const char* prefix, int row) {
  return prefix + FormatInt(row);
}

void CValueUtilityPresenter::ChooseNumber(int n) {
  if (std::find(NumberChoices().begin(), NumberChoices().end(), n) == NumberChoices().end()) {
    return;
  }
  m_nNumber = n;
  for (int k = 0; k < n; ++k) {
    m_dValue[k] = m_dWorst + k * (m_dBest - m_dWorst) / (n - 1);
    m_dUtility[k] = static_cast<double>(k) / (n - 1);
    m_strValue[k] = FieldText(m_dValue[k]);
    m_strUtility[k] = FieldText(m_dUtility[k]);
  }
  SetFocusField(FieldName(kFieldUtility, 0));
}

bool CValueUtilityPresenter::Refuse(const char* message, const char* field, int row) {
  ThePrompter().Warning(message);
  SetFocusField(FieldName(field, row));
  return false;
}

bool CValueUtilityPresenter::UtilityFocusLost(int row) {
  if (row < 0 || row >= m_nNumber) return true;
  double d = 0.0;
  if (ReadRealNumber(m_strUtility[row], d) && InRange(d)) return true;
  return Refuse(kUtilityRefused, kFieldUtility, row);
}

void CValueUtilityPresenter::Comments() {
  m_strComments = CTextPresenter::Edit("ZEV Dialog: Comments on Utilities of " + m_strAttributeName,
                                       m_strAttributeName, m_strComments);
}

EDialogAction CValueUtilityPresenter::Ok() {
  double value[kMaxRows] = {};
  double utility[kMaxRows] = {};
  for (int row = 0; row < m_nNumber; ++row) {
    if (!ReadRealNumber(m_strValue[row], value[row])) {
      Refuse("Please enter a number.", kFieldValue, row);
      return EDialogAction::Stay;
    }
    // A text that is no number at all cannot be clamped.
    if (!ReadRealNumber(m_strUtility[row], utility[row])) {
      Refuse(kUtilityRefused, kFieldUtility, row);
      return EDialogAction::Stay;
    }
    if (!InRange(utility[row])) utility[row] = utility[row] <= -kTolerance ? 0.0 : 1.0;
  }
  for (int row = 0; row < m_nNumber; ++row) m_strUtility[row] = FieldText(utility[row]);

  const bool bLarger = m_dBest - m_dWorst >= kTolerance;
  const bool bSmaller = m_dWorst - m_dBest >= kTolerance;
  if (bLarger || bSmaller) {
    for (int j = 1; j < m_nNumber; ++j) {
      if (utility[j - 1] - utility[j] < kTolerance) continue;
      std::string text = "Irrational assignment! ";
      text += bLarger ? "Since the best value is larger than "
                      : "Since the best value is smaller than ";
      text += "the worst value, a large utility should be assigned ";
      text += bLarger ? "a larger value. However, the utility "
                      : "a smaller value. However, the utility ";
      text += MessageNumber(utility[j - 1]) + " is assigned to the value " +
              MessageNumber(value[j - 1]) + " and the utility " + MessageNumber(utility[j]) +
              " is assigned to the value " + MessageNumber(value[j]) + ". " +
              "Please re-assign the utilites.";
      Refuse(text.c_str(), kFieldUtility, j);
      return EDialogAction::Stay;
    }
  }
  std::copy(value, value + kMaxRows, m_dValue);
  std::copy(utility, utility + kMaxRows, m_dUtility);
  return EDialogAction::CloseOk;
}

void CValueUtilityPresenter::Store(CAttribute& a) const {
  bool bChanged = false;
  for (int k = 0; k < m_nNumber; ++k) {
    if (std::fabs(m_dUtility[k] - a.GradeUtility(k)) > kTolerance) bChanged = true;
  }
  SGradeTable& g = a.MutableGrades();
  for (int k = 0; k < m_nNumber; ++k) {
    g.m_dGradeValue[k] = m_dValue[k];
    g.m_dGradeUtility[k] = m_dUtility[k];
  }
  a.m_nGrades = m_nNumber;
  a.m_bUtilitiesChanged = bChanged;
  a.m_strComments = CText(m_strComments);
}

bool RunValueUtilityTable(CMADMDoc& doc, int k) {
  CAttribute& a = doc.Attribute(k);
  CValueUtilityPresenter presenter(a);
  if (!ThePrompter().RunModal(presenter)) return false;
  presenter.Store(a);
  return true;
}

void DirectAssignmentCommand(CMADMDoc& doc) {
  const int k = doc.CurrentAttribute();
  CUtilityAssignment assignment(doc, k);
  const bool bConfirmed = doc.Attribute(k).m_nType == Qualitative ? RunGradeTable(doc, k)
                                                                  : RunValueUtilityTable(doc, k);
  if (bConfirmed) assignment.Finish();
}

}  // namespace zev
