#pragma once

#include <functional>
#include <string>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// "ZEV Dialog: Define An Attribute" on one attribute: name, description,
// type, range and unit, number of grades and the conversion basis.
class CDefineAttributePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "DefineAttribute";
  static constexpr const char* kFieldName = "name";
  static constexpr const char* kFieldBest = "best";
  static constexpr const char* kFieldWorst = "worst";
  static constexpr const char* kFieldGrades = "grades";

  explicit CDefineAttributePresenter(const CAttribute& attribute);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Define An Attribute"; }

  // The fields as the view shows them.
  std::string m_strName;
  std::string m_strDescription;
  std::string m_strBest;
  std::string m_strWorst;
  std::string m_strUnit;
  std::string m_strGrades;
  bool m_bQualitative = true;  // the type choice: Qualitative or Quantitative
  bool m_bUncertain = false;
  bool m_bAdvanced = false;
  bool m_bUtilityBasis = false;  // the basis choice: Utility or Rule

  // What the view shows and enables.
  bool GradeControlsVisible() const { return m_bQualitative; }
  bool QuantitativeControlsVisible() const { return !m_bQualitative; }
  bool UncertainVisible() const { return !m_bQualitative && m_nChildren == 0; }
  bool QuantitativeChoiceEnabled() const { return m_nChildren == 0; }
  bool AdvancedVisible() const { return m_nIndex != 0; }
  bool BasisVisible() const { return m_bAdvanced && AdvancedVisible(); }

  // User actions.
  void ChooseQualitative();
  void ChooseQuantitative();
  // The grade count is checked on every change of its text; false after a
  // message (the focus goes back to the count).
  bool GradesTextChanged(const std::string& text);
  void Describe();
  EDialogAction ClickRule();
  EDialogAction ClickUtility();
  // "Define Grades Now?" answered Yes or No.
  EDialogAction DefineGradesNow(bool bYes);
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // Writes a confirmed dialog into the attribute, with the consequences of
  // the changes (range and grade flags, equal-step utilities).
  void Store(CAttribute& attribute) const;

  bool DefineGradesRequested() const { return m_bDefineGradesNow; }
  bool OpenConversionRequested() const { return m_bOpenConversion; }

 private:
  bool CheckGrades(const std::string& text, bool bWhileTyping);
  // Picks the basis, asks the question and, on Yes, closes to follow up.
  EDialogAction ChooseBasis(bool bUtility, const char* question);

  int m_nIndex;
  int m_nFather;
  int m_nChildren;
  bool m_bDefineGradesNow = false;
  bool m_bOpenConversion = false;
};

// The grade count limit message.
std::string GradeLimitMessage();

// Runs the definition dialog on the document's current attribute; when the
// user asks to define the grades now, or changes the number of grades of a
// qualitative attribute, openGradeTable runs, and after "Define Grades Now?"
// the definition dialog opens again. Returns true when it was confirmed.
bool RunDefineAttributeDialog(CMADMDoc& doc, const std::function<void()>& openGradeTable);

}  // namespace zev
