#pragma once

#include <span>
#include <string>
#include <vector>

#include "elicitation/assessment_dialog.h"
#include "elicitation/assessment_rules.h"
#include "elicitation/entry_field.h"
#include "elicitation/grade_text_presenter.h"

namespace zev {

// One page (up to 9 grades) of the qualitative entry of an alternative on an
// attribute: per grade its name, a tick box and a belief-degree field, and
// the definition of the selected grade.
class CQualitativeEntryPage : public CAssessmentDialog {
 public:
  static constexpr const char* kKind = "QualitativeEntryPage";

  // `degrees` holds all the attribute's degrees as entered so far, one per
  // grade; the page shows those of page nPage.
  CQualitativeEntryPage(const CAlternative& alternative, int nAttribute, std::string fatherName,
                        std::span<const double> degrees, int nPage, std::string comments,
                        std::string evidence);

  const char* DialogKind() const override { return kKind; }
  // "ZEV Dialog: " and the alternative's name.
  std::string Title() const override;
  std::string HelpText() const override;

  // --- what the view shows ------------------------------------------------
  int GradeCount() const { return m_nGrades; }
  int PageIndex() const { return m_nPage; }
  int PageCount() const { return EntryPageCount(m_nGrades); }
  // The attribute's grade index shown in row 0.
  int FirstGrade() const { return EntryPageFirst(m_nPage); }
  // Rows 0 .. RowCount()-1 are shown; the others (up to 9) are hidden.
  int RowCount() const { return m_nRows; }
  bool IsRowShown(int nRow) const { return nRow >= 0 && nRow < m_nRows; }
  std::string GradeName(int nRow) const;
  bool IsTicked(int nRow) const { return IsRowShown(nRow) && m_bTicked[nRow]; }
  // The degree field of an unticked grade is disabled.
  bool IsDegreeEnabled(int nRow) const { return IsTicked(nRow); }
  const std::string& DegreeText(int nRow) const;
  // The selected grade (a row of the page) and its definition.
  int SelectedRow() const { return m_nSelected; }
  std::string SelectedDefinition() const;
  static std::span<const char* const> DegreeChoices() { return DegreePresets(); }

  // Focus targets.
  static std::string DegreeField(int nRow);
  static std::string NameField(int nRow);

  // --- what the user does ---------------------------------------------------
  // Typing in a degree field; refused (false) for a hidden or disabled row.
  bool SetDegreeText(int nRow, std::string text);
  // The focus went to the grade's name or degree field.
  void SelectGrade(int nRow);
  // Ticks or unticks a grade and distributes the degrees by the answer
  // selection rule. False, with a warning, when a ticked degree is not a
  // number; the tick then stays as it was.
  bool ToggleTick(int nRow);
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }
  // "&Provide &Evidence" and "&Provide Comments": windows beside the grades.
  void ProvideEvidence();
  void ProvideComments() override;

  // The degree of a row as accepted by OK.
  double AcceptedDegree(int nRow) const { return m_dAccepted[nRow]; }

 private:
  std::vector<CGradeTextPresenter::SGrade> PageGrades() const;
  std::string SideWindowTitle() const;

  int m_nGrades;
  int m_nPage;
  int m_nRows;
  bool m_bTicked[kEntryPageRows] = {};
  CEntryField m_degree[kEntryPageRows];
  double m_dAccepted[kEntryPageRows] = {};
  int m_nSelected = 0;
};

// Qualitative entry of the alternative on attribute nAttribute: the pages one
// after the other, the final total check (all pages again from the first
// while it fails), then the degrees, comments and evidence are stored.
void RunQualitativeEntry(CAlternative& alternative, int nAttribute, const std::string& fatherName);

}  // namespace zev
