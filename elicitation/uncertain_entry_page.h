#pragma once

#include <span>
#include <string>

#include "elicitation/assessment_dialog.h"
#include "elicitation/assessment_rules.h"
#include "elicitation/entry_field.h"

namespace zev {

// One page (up to 9 rows) of the uncertain entry of an alternative on a
// quantitative attribute: per row a possible value and its belief degree.
class CUncertainEntryPage : public CAssessmentDialog {
 public:
  static constexpr const char* kKind = "UncertainEntryPage";

  // `values` and `degrees` hold all m possible values and their degrees as
  // entered so far; the page shows those of page nPage.
  CUncertainEntryPage(const CAlternative& alternative, int nAttribute, std::string fatherName,
                      std::span<const double> values, std::span<const double> degrees, int nPage,
                      std::string comments, std::string evidence);

  const char* DialogKind() const override { return kKind; }
  // "ZEV Dialog: " and the father's name.
  std::string Title() const override { return "ZEV Dialog: " + FatherName(); }
  std::string HelpText() const override;

  // --- what the view shows ------------------------------------------------
  std::string BestText() const;
  std::string WorstText() const;
  std::string Unit() const { return Record().m_strUnit.Str(); }
  int ValueCount() const { return m_nValues; }
  int PageIndex() const { return m_nPage; }
  int PageCount() const { return EntryPageCount(m_nValues); }
  // The index of the possible value shown in row 0.
  int FirstValue() const { return EntryPageFirst(m_nPage); }
  // Rows 0 .. RowCount()-1 are shown; the others (up to 9) are hidden.
  int RowCount() const { return m_nRows; }
  bool IsRowShown(int nRow) const { return nRow >= 0 && nRow < m_nRows; }
  const std::string& ValueText(int nRow) const;
  const std::string& DegreeText(int nRow) const;
  static std::span<const char* const> DegreeChoices() { return DegreePresets(); }

  // Focus targets.
  static std::string ValueField(int nRow);
  static std::string DegreeField(int nRow);

  // --- what the user does ---------------------------------------------------
  // Typing in a field; refused (false) for a hidden row.
  bool SetValueText(int nRow, std::string text);
  bool SetDegreeText(int nRow, std::string text);
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // A row as accepted by OK.
  double AcceptedValue(int nRow) const { return m_dAcceptedValue[nRow]; }
  double AcceptedDegree(int nRow) const { return m_dAcceptedDegree[nRow]; }

 private:
  int m_nValues;
  int m_nPage;
  int m_nRows;
  CEntryField m_value[kEntryPageRows];
  CEntryField m_degree[kEntryPageRows];
  double m_dAcceptedValue[kEntryPageRows] = {};
  double m_dAcceptedDegree[kEntryPageRows] = {};
};

// Uncertain entry of the alternative on attribute nAttribute with its
// current number of possible values: the pages one after the other, the
// final total check (all pages again from the first while it fails), then
// the values, degrees, first value, comments and evidence are stored.
void RunUncertainEntry(CAlternative& alternative, int nAttribute, const std::string& fatherName);

}  // namespace zev
