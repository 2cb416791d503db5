#pragma once

#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The preset choices of a utility field of the grade table, in the order
// they are offered (any other text may be typed).
const std::vector<std::string>& GradeUtilityPresets();

// The meaning of one grade: its definition, edited in a sentence that names
// the grade.
class CGradeMeaningPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "GradeMeaning";

  CGradeMeaningPresenter(std::string attributeName, std::string gradeName, std::string definition)
      : m_strDefinition(std::move(definition)),
        m_strAttributeName(std::move(attributeName)),
        m_strGradeName(std::move(gradeName)) {}

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Meaning of a Grade"; }
  const std::string& AttributeName() const { return m_strAttributeName; }
  const std::string& GradeName() const { return m_strGradeName; }
  static const char* LeadText() { return "The above attribute will be assessed to the grade"; }
  static const char* TrailText() { return "if the following evidence can be collected"; }

  // The definition being edited.
  std::string m_strDefinition;

 private:
  std::string m_strAttributeName;
  std::string m_strGradeName;
};

// One page of the grade table: at most nine grades of one attribute with
// their names, utilities and definitions. The utilities can be edited only
// when the attribute's conversion basis is ByUtility.
class CGradeTablePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "GradeTable";
  static constexpr int kPageRows = 9;
  // Field names are these prefixes followed by the row on the page (0..8).
  static constexpr const char* kFieldName = "name";
  static constexpr const char* kFieldUtility = "utility";

  // The page of grades nFirst .. nFirst + nRows - 1 of the attribute.
  CGradeTablePresenter(const CAttribute& attribute, int nFirst, int nRows);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Define Evaluation Grades"; }
  static const char* Heading() {
    return "Define Evaluation Grades and Assign Utilities If Necessary for";
  }
  const std::string& AttributeName() const { return m_strAttributeName; }
  int Rows() const { return m_nRows; }
  int FirstGrade() const { return m_nFirst; }
  // "Grade " and the grade's number from 1.
  std::string GradeLabel(int row) const;
  bool UtilityEnabled() const { return m_bUtilityEnabled; }
  static std::string FieldName(const char* prefix, int row);

  // The fields as the view shows them.
  std::string m_strName[kPageRows];
  std::string m_strUtility[kPageRows];

  // The grade whose name or utility field last had the focus.
  int SelectedRow() const { return m_nSelected; }
  void Select(int row);

  // A utility field lost the focus while the page is in use: false after the
  // warning (the focus goes back to the field).
  bool UtilityFocusLost(int row);
  // "&Define": the meaning of the selected grade.
  void Define();
  // Confirming clamps every utility into [0, 1] silently.
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // Writes the confirmed page (names, utilities, definitions) into the attribute.
  void Store(CAttribute& attribute) const;

  const std::string& Definition(int row) const { return m_strDefinition[row]; }

 private:
  bool ReadUtility(int row, double& d) const;

  std::string m_strAttributeName;
  int m_nFirst;
  int m_nRows;
  bool m_bUtilityEnabled;
  int m_nSelected = 0;
  std::string m_strDefinition[kPageRows];
  double m_dUtility[kPageRows] = {};
};

// Shows the grade table of attribute k in pages of nine, each its own
// dialog; every confirmed page is taken over at once. Sets m_bGradesChanged
// when any grade name changed. True when any page was confirmed.
bool RunGradeTable(CMADMDoc& doc, int k);

// A direct assignment on attribute k from a menu command: the flags it sets
// are consumed by the rule propagation that follows it, while flags that
// were already set (by a definition whose follow-up is still to come) stay
// for that follow-up.
class CUtilityAssignment {
 public:
  CUtilityAssignment(CMADMDoc& doc, int k);
  // Re-derives the rules from k down and refreshes the views.
  void Finish();

 private:
  CMADMDoc& m_doc;
  int m_nAttribute;
  bool m_bGradesChangedBefore;
  bool m_bUtilitiesChangedBefore;
};

// "Define &Grades\tCtrl+G" on the current attribute: the grade table, then
// refresh and rule propagation.
void DefineGradesCommand(CMADMDoc& doc);

// The grade table of the current attribute opened from its definition
// dialog ("Define Grades Now?", or a changed number of grades): the
// definition's follow-up converts, propagates and refreshes afterwards, and
// consumes m_bGradesChanged.
void DefineGradesFromDefinition(CMADMDoc& doc);

}  // namespace zev
