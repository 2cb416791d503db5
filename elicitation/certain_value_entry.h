#pragma once

#include <string>

#include "elicitation/assessment_dialog.h"
#include "elicitation/entry_field.h"

namespace zev {

// Certain-value entry: one value of a quantitative attribute for the
// alternative, between the attribute's best and worst values.
class CCertainValueEntry : public CAssessmentDialog {
 public:
  static constexpr const char* kKind = "CertainValueEntry";
  static constexpr const char* kFieldValue = "value";
  static constexpr const char* kValueLabel = "Assessment Value:";

  CCertainValueEntry(const CAlternative& alternative, int nAttribute, std::string fatherName,
                     std::string comments, std::string evidence);

  const char* DialogKind() const override { return kKind; }
  // "ZEV Dialog: " and the father's name.
  std::string Title() const override { return "ZEV Dialog: " + FatherName(); }
  std::string HelpText() const override;

  // --- what the view shows ------------------------------------------------
  std::string BestText() const;
  std::string WorstText() const;
  std::string Unit() const { return Record().m_strUnit.Str(); }
  const std::string& ValueText() const { return m_field.Text(); }

  // --- what the user does ---------------------------------------------------
  void SetValueText(std::string text) { m_field.SetText(std::move(text)); }
  // The value field lost the focus to another control of the dialog: the
  // value is taken and checked; false after a warning (the focus goes back).
  bool ValueFocusLost();
  // OK and Cancel check the value themselves and clamp it silently to the
  // bound it passes; the view does not report a focus loss for them.
  EDialogAction Ok();
  EDialogAction Cancel();

  // The value the dialog holds: at its end, the one to store.
  double Value() const { return m_dValue; }

 private:
  CEntryField m_field;
  double m_dValue;
};

// Certain-value entry of the alternative on attribute nAttribute, then the
// value (also as a one-point distribution), comments and evidence are stored.
void RunCertainValueEntry(CAlternative& alternative, int nAttribute, const std::string& fatherName);

}  // namespace zev
