#pragma once

#include <string>
#include <vector>

#include "elicitation/assessment_dialog.h"

namespace zev {

// The number of possible values of an uncertain assessment, asked before
// the values themselves are entered.
class CPossibleValueCount : public CAssessmentDialog {
 public:
  static constexpr const char* kKind = "PossibleValueCount";
  static constexpr const char* kFieldNumber = "number";

  CPossibleValueCount(const CAlternative& alternative, int nAttribute, std::string fatherName,
                      std::string comments, std::string evidence);

  const char* DialogKind() const override { return kKind; }
  // "ZEV Dialog: " and the father's name.
  std::string Title() const override { return "ZEV Dialog: " + FatherName(); }
  std::string HelpText() const override;

  // --- what the view shows ------------------------------------------------
  // The editable list: its text, and its choices "1" to "20".
  const std::string& NumberText() const { return m_strNumber; }
  static std::vector<std::string> NumberChoices();
  static int Minimum();
  static int Maximum();
  static std::string MinimumText();
  static std::string MaximumText();

  // --- what the user does ---------------------------------------------------
  void SetNumberText(std::string text) { m_strNumber = std::move(text); }
  // The field lost the focus to another control: false after a warning
  // (the focus goes back).
  bool NumberFocusLost();
  // OK clamps the number silently to the nearer bound.
  EDialogAction Ok();
  // Cancel or closing restores the number held when the dialog opened.
  EDialogAction Cancel();

  // The number the dialog holds: at its end, the one to store.
  int Number() const { return m_nNumber; }

 private:
  // The text read as a real number and truncated; false when not a number.
  bool ReadNumber(double& d) const;

  std::string m_strNumber;
  int m_nOpening;
  int m_nNumber;
};

// Asks the number of possible values of the alternative on attribute
// nAttribute and stores it; values added by a larger number start at the
// attribute's worst value.
void RunPossibleValueCount(CAlternative& alternative, int nAttribute,
                           const std::string& fatherName);

}  // namespace zev
