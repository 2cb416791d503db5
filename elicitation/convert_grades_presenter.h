#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// One page of "ZEV Dialog: Convert Child Grades to Father Grades": the
// degrees to which one grade of a qualitative child is equivalent to up to
// nine grades of its father. Each page is its own dialog.
class CConvertGradesPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ConvertGrades";
  static constexpr int kPageRows = 9;

  // The focus target of row r's degree.
  static std::string DegreeField(int row);
  // The choices of every degree's drop-down list, in their order.
  static const std::vector<std::string>& DegreeChoices();
  // The number of pages for a father with n grades.
  static int PageCount(int nFatherGrades);

  // rowDegrees: child grade nChildGrade's degrees on all father grades.
  CConvertGradesPresenter(const CAttribute& child, const CAttribute& father, int nChildGrade,
                          int nPage, std::span<const double> rowDegrees, std::string comment);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Convert Child Grades to Father Grades"; }

  // What the view shows.
  const std::string& ChildName() const { return m_strChildName; }
  const std::string& FatherName() const { return m_strFatherName; }
  const std::string& ChildGradeName() const { return m_strChildGradeName; }
  int ChildGrade() const { return m_nChildGrade; }
  int Page() const { return m_nPage; }
  int PageCount() const { return PageCount(m_nFatherGrades); }
  // The father grade of row 0, and the rows on this page.
  int FirstFatherGrade() const { return m_nPage * kPageRows; }
  int Rows() const { return m_nRows; }
  const std::string& FatherGradeName(int row) const {
    return m_fatherGradeNames[static_cast<size_t>(row)];
  }

  // The degree texts as typed or picked ("Is equivalent to").
  std::string m_strDegree[kPageRows];

  // The buttons.
  void ShowChildDescription() const;
  void ShowFatherDescription() const;
  void ShowChildGradeDefinition() const;
  void ShowFatherGradeDefinition(int row) const;
  // The conversion comment of the child grade, in its own text window.
  void EditComment();

  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // After a confirmed page: the degree of a row, and the comment.
  double Degree(int row) const { return m_dDegree[row]; }
  const std::string& Comment() const { return m_strComment; }

 private:
  std::string m_strChildName;
  std::string m_strFatherName;
  std::string m_strChildDescription;
  std::string m_strFatherDescription;
  std::string m_strChildGradeName;
  std::string m_strChildGradeDefinition;
  std::vector<std::string> m_fatherGradeNames;
  std::vector<std::string> m_fatherGradeDefinitions;
  std::string m_strComment;
  int m_nChildGrade;
  int m_nPage;
  int m_nFatherGrades;
  int m_nRows;
  // The degrees the page opened with, and their texts: an untouched text
  // keeps its exact degree.
  double m_dShown[kPageRows] = {};
  std::string m_strShown[kPageRows];
  double m_dDegree[kPageRows] = {};
};

// Modelling, Convert Grades on the document's current attribute: every
// child grade page by page, each row checked to total one, then the matrix
// and the comments are stored and the rules propagated from the attribute.
// Returns whether the conversion was stored.
bool RunConvertGradesEditor(CMADMDoc& doc);

}  // namespace zev
