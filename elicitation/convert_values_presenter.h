#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// One page of "ZEV Dialog: Convert Child Attribute's Values to Its Father's
// Grades": the child values associated with up to nine grades of the
// father. Each page is its own dialog.
class CConvertValuesPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ConvertValues";
  static constexpr int kPageRows = 9;

  // The focus target of row r's value.
  static std::string ValueField(int row);
  // The number of pages for a father with n grades.
  static int PageCount(int nFatherGrades);

  // values: the child values of all father grades.
  CConvertValuesPresenter(const CAttribute& child, const CAttribute& father, int nPage,
                          std::span<const double> values, std::string comments);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override {
    return "ZEV Dialog: Convert Child Attribute's Values to Its Father's Grades";
  }

  // What the view shows.
  const std::string& ChildName() const { return m_strChildName; }
  const std::string& ChildDescription() const { return m_strChildDescription; }
  const std::string& FatherName() const { return m_strFatherName; }
  const std::string& FatherDescription() const { return m_strFatherDescription; }
  const std::string& BestText() const { return m_strBest; }
  const std::string& WorstText() const { return m_strWorst; }
  int Page() const { return m_nPage; }
  int PageCount() const { return PageCount(m_nFatherGrades); }
  int FirstFatherGrade() const { return m_nPage * kPageRows; }
  int Rows() const { return m_nRows; }
  const std::string& FatherGradeName(int row) const {
    return m_fatherGradeNames[static_cast<size_t>(row)];
  }

  // The value texts as typed, and the comment text of the dialog.
  std::string m_strValue[kPageRows];
  std::string m_strComments;

  // A value field loses the focus while the page is in use: a value beyond
  // the range between best and worst is refused (false, the focus goes back).
  bool ValueFocusLost(int row);

  // Closing the page (OK, Cancel, the close box) moves every value beyond
  // the range to the bound it passed, silently.
  EDialogAction Ok();
  EDialogAction Cancel();
  void Close() { ClampAll(); }

  // The page's values after it closed.
  double Value(int row) const { return m_dValue[row]; }

 private:
  // Reads row r's text; false when it is not a number.
  bool Read(int row, double& d) const;
  void ClampAll();

  std::string m_strChildName;
  std::string m_strChildDescription;
  std::string m_strFatherName;
  std::string m_strFatherDescription;
  std::string m_strBest;
  std::string m_strWorst;
  std::vector<std::string> m_fatherGradeNames;
  double m_dLower;
  double m_dUpper;
  int m_nPage;
  int m_nFatherGrades;
  int m_nRows;
  double m_dShown[kPageRows] = {};
  std::string m_strShown[kPageRows];
  double m_dValue[kPageRows] = {};
};

// Modelling, Convert Values on the document's current attribute: the values
// associated with the father's grades, page by page; when the last page is
// confirmed they become the child's grade values, the comment text its
// comments, and the rules are propagated from it. Returns whether anything
// was stored.
bool RunConvertValuesEditor(CMADMDoc& doc);

}  // namespace zev
