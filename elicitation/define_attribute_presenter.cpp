#include "elicitation/define_attribute_presenter.h"

#include <cmath>

#include "elicitation/text_presenter.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

std::string GradeLimitMessage() {
  return std::string("The maximum number of evaluation grades\n") +
         "that this product can copy with is " + FormatInt(kMaxGrades) + ".\n" +
         "To handle more grades, please contact:\n\n" + kContactLines;
}

namespace {

// Real numbers in the dialog's fields are shown the way the platform writes
// a double by default.
std::string RealText(double d) { return Format("%g", d); }

}  // namespace

CDefineAttributePresenter::CDefineAttributePresenter(const CAttribute& a)
    : m_strName(a.m_strName.Str()),
      m_strDescription(a.m_strDescription.Str()),
      m_strBest(RealText(a.m_dBest)),
      m_strWorst(RealText(a.m_dWorst)),
      m_strUnit(a.m_strUnit.Str()),
      m_strGrades(FormatInt(a.m_nGrades)),
      m_nIndex(a.m_nIndex),
      m_nFather(a.m_nFather),
      m_nChildren(a.m_nChildren) {
  std::uint16_t type = a.m_nType;
  if (m_nChildren > 0) type = Qualitative;
  m_bQualitative = type != Quantitative && type != QuantitativeUncertain;
  m_bUncertain = type == QuantitativeUncertain;
  m_bUtilityBasis = a.m_nConversion == ByUtility;
}

void CDefineAttributePresenter::ChooseQualitative() { m_bQualitative = true; }

void CDefineAttributePresenter::ChooseQuantitative() {
  if (QuantitativeChoiceEnabled()) m_bQualitative = false;
}

bool CDefineAttributePresenter::CheckGrades(const std::string& text, bool bWhileTyping) {
  int n = 0;
  bool bNumber = ReadInteger(text, n);
  // An emptied field is still being typed into.
  if (!bNumber && bWhileTyping && text.find_first_not_of(" \t") == std::string::npos) return true;
  if (!bNumber || n < 1) {
    ThePrompter().Warning("Number of grades must be a positive integer.");
    SetFocusField(kFieldGrades);
    return false;
  }
  if (n > kMaxGrades) {
    ThePrompter().Warning(GradeLimitMessage());
    SetFocusField(kFieldGrades);
    return false;
  }
  return true;
}

bool CDefineAttributePresenter::GradesTextChanged(const std::string& text) {
  m_strGrades = text;
  return CheckGrades(text, true);
}

void CDefineAttributePresenter::Describe() {
  m_strDescription = CTextPresenter::Edit("ZEV Dialog: Attribute Description",
                                          "Describe the following Attribute", m_strDescription);
}

EDialogAction CDefineAttributePresenter::ChooseBasis(bool bUtility, const char* question) {
  m_bUtilityBasis = bUtility;
  if (ThePrompter().AskYesNo(question, EIcon::Question) != EAnswer::Yes) return EDialogAction::Stay;
  if (Ok() != EDialogAction::CloseOk) return EDialogAction::Stay;
  m_bOpenConversion = true;
  return EDialogAction::CloseOk;
}

EDialogAction CDefineAttributePresenter::ClickRule() {
  return ChooseBasis(false, "Do you want to change grade convertion rules?");
}

EDialogAction CDefineAttributePresenter::ClickUtility() {
  return ChooseBasis(true, "Do you want to estimate attribute utilities?");
}

EDialogAction CDefineAttributePresenter::DefineGradesNow(bool bYes) {
  if (bYes) {
    if (Ok() != EDialogAction::CloseOk) return EDialogAction::Stay;
    m_bDefineGradesNow = true;
    return EDialogAction::CloseOk;
  }
  if (ThePrompter().AskYesNo("Do you want to continue the dialog?", EIcon::Question) ==
      EAnswer::Yes) {
    return EDialogAction::Stay;
  }
  return Ok();
}

EDialogAction CDefineAttributePresenter::Ok() {
  double d = 0.0;
  if (!m_bQualitative) {
    if (!ReadRealNumber(m_strBest, d)) {
      ThePrompter().Warning("Please enter a number.");
      SetFocusField(kFieldBest);
      return EDialogAction::Stay;
    }
    if (!ReadRealNumber(m_strWorst, d)) {
      ThePrompter().Warning("Please enter a number.");
      SetFocusField(kFieldWorst);
      return EDialogAction::Stay;
    }
  }
  if (!CheckGrades(m_strGrades, false)) return EDialogAction::Stay;
  return EDialogAction::CloseOk;
}

void CDefineAttributePresenter::Store(CAttribute& a) const {
  // An untouched field keeps its exact value: the text shows it rounded, and
  // reading the rounding back would count as a change of range.
  double best = a.m_dBest;
  double worst = a.m_dWorst;
  if (m_strBest != RealText(a.m_dBest)) ReadRealNumber(m_strBest, best);
  if (m_strWorst != RealText(a.m_dWorst)) ReadRealNumber(m_strWorst, worst);
  int grades = a.m_nGrades;
  ReadInteger(m_strGrades, grades);

  a.m_bRangeChanged = std::fabs(best - a.m_dBest) > 1e-8 || std::fabs(worst - a.m_dWorst) > 1e-8;
  const bool bGradesChanged = grades != a.m_nGrades;

  a.m_strName = CText(m_strName);
  a.m_strDescription = CText(m_strDescription);
  a.m_strUnit = CText(m_strUnit);
  a.m_nType = m_bQualitative ? Qualitative : m_bUncertain ? QuantitativeUncertain : Quantitative;
  a.m_dBest = best;
  a.m_dWorst = worst;
  a.m_nGrades = grades;
  a.m_nConversion = m_bUtilityBasis ? ByUtility : ByRule;
  a.m_bOpenConversion = m_bOpenConversion;

  if (bGradesChanged && a.m_nType == Qualitative) {
    if (grades > 1) {
      SGradeTable& g = a.MutableGrades();
      for (int k = 0; k < grades; ++k) g.m_dGradeUtility[k] = static_cast<double>(k) / (grades - 1);
    }
    a.m_bGradesChanged = true;
  }
}

bool RunDefineAttributeDialog(CMADMDoc& doc, const std::function<void()>& openGradeTable) {
  const int k = doc.CurrentAttribute();
  bool bConfirmed = false;
  bool bGradeTableShown = false;
  for (;;) {
    CAttribute& a = doc.Attribute(k);
    CDefineAttributePresenter presenter(a);
    if (!ThePrompter().RunModal(presenter)) break;
    const int gradesBefore = a.m_nGrades;
    // The flags of an earlier round of the same definition must survive.
    const bool bRangeBefore = a.m_bRangeChanged;
    presenter.Store(a);
    a.m_bRangeChanged = a.m_bRangeChanged || (bConfirmed && bRangeBefore);
    bConfirmed = true;
    doc.PublishChanges({EDocChange::Attribute, k, -1});
    if (presenter.DefineGradesRequested()) {
      if (openGradeTable) openGradeTable();
      bGradeTableShown = true;
      continue;
    }
    if (a.m_nGrades != gradesBefore && a.m_nType == Qualitative && !bGradeTableShown) {
      if (openGradeTable) openGradeTable();
    }
    break;
  }
  return bConfirmed;
}

}  // namespace zev
