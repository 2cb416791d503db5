#include "elicitation/convert_grades_presenter.h"

#include <algorithm>

#include "elicitation/text_presenter.h"
#include "engine/conversion.h"
#include "engine/utility.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

namespace {

std::string DegreeText(double d) { return Format("%g", d); }

bool TotalIsOne(double total) { return total > 0.99999 && total < 1.00001; }

}  // namespace

std::string CConvertGradesPresenter::DegreeField(int row) { return "degree" + FormatInt(row); }

const std::vector<std::string>& CConvertGradesPresenter::DegreeChoices() {
  static const std::vector<std::string> choices = {
      "0",    "1",    "0.1",  "0.2",  "0.3",  "0.4",  "0.5",  "0.6",  "0.7",  "0.8", "0.9",
      "0.05", "0.15", "0.25", "0.35", "0.45", "0.55", "0.65", "0.75", "0.85", "0.95"};
  return choices;
}

int CConvertGradesPresenter::PageCount(int nFatherGrades) {
  return nFatherGrades / kPageRows + (nFatherGrades % kPageRows != 0 ? 1 : 0);
}

CConvertGradesPresenter::CConvertGradesPresenter(const CAttribute& child, const CAttribute& father,
                                                 int nChildGrade, int nPage,
                                                 std::span<const double> rowDegrees,
                                                 std::string comment)
    : m_strChildName(child.m_strName.Str()),
      m_strFatherName(father.m_strName.Str()),
      m_strChildDescription(child.m_strDescription.Str()),
      m_strFatherDescription(father.m_strDescription.Str()),
      m_strChildGradeName(child.GradeName(nChildGrade).Str()),
      m_strChildGradeDefinition(child.GradeDefinition(nChildGrade).Str()),
      m_strComment(std::move(comment)),
      m_nChildGrade(nChildGrade),
      m_nPage(nPage),
      m_nFatherGrades(static_cast<int>(rowDegrees.size())) {
  m_nRows = std::clamp(m_nFatherGrades - FirstFatherGrade(), 0, kPageRows);
  for (int row = 0; row < m_nRows; ++row) {
    const int j = FirstFatherGrade() + row;
    m_fatherGradeNames.push_back(father.GradeName(j).Str());
    m_fatherGradeDefinitions.push_back(father.GradeDefinition(j).Str());
    m_dShown[row] = rowDegrees[static_cast<size_t>(j)];
    m_strShown[row] = DegreeText(m_dShown[row]);
    m_strDegree[row] = m_strShown[row];
    m_dDegree[row] = m_dShown[row];
  }
}

void CConvertGradesPresenter::ShowChildDescription() const {
  ThePrompter().Information(m_strChildDescription);
}

void CConvertGradesPresenter::ShowFatherDescription() const {
  ThePrompter().Information(m_strFatherDescription);
}

void CConvertGradesPresenter::ShowChildGradeDefinition() const {
  ThePrompter().Information(m_strChildGradeDefinition);
}

void CConvertGradesPresenter::ShowFatherGradeDefinition(int row) const {
  if (row < 0 || row >= m_nRows) return;
  ThePrompter().Information(m_fatherGradeDefinitions[static_cast<size_t>(row)]);
}

void CConvertGradesPresenter::EditComment() {
  m_strComment = CTextPresenter::Edit(
      "ZEV Dialog: Comments on Converting " + m_strChildName + " to " + m_strFatherName,
      m_strChildGradeName, m_strComment);
}

EDialogAction CConvertGradesPresenter::Ok() {
  double degrees[kPageRows] = {};
  for (int row = 0; row < m_nRows; ++row) {
    double d = m_dShown[row];
    bool bValid = true;
    if (m_strDegree[row] != m_strShown[row]) bValid = ReadNonNegativeNumber(m_strDegree[row], d);
    if (!bValid || !(d > -1e-8 && d < 1.00000001)) {
      ThePrompter().Warning(
          "A degree is a positive real number\n"
          "between zero and one.");
      SetFocusField(DegreeField(row));
      return EDialogAction::Stay;
    }
    degrees[row] = d;
  }
  // With one page the whole row is in view, so its total is checked here.
  if (PageCount() == 1) {
    double total = 0.0;
    for (int row = 0; row < m_nRows; ++row) total += degrees[row];
    if (!TotalIsOne(total)) {
      ThePrompter().Warning("The total degree must be one.");
      SetFocusField(DegreeField(0));
      return EDialogAction::Stay;
    }
  }
  std::copy(degrees, degrees + m_nRows, m_dDegree);
  return EDialogAction::CloseOk;
}

bool RunConvertGradesEditor(CMADMDoc& doc) {
  const int k = doc.CurrentAttribute();
  CAttribute& child = doc.Attribute(k);
  if (k == 0) {
    ThePrompter().Warning(child.m_strName + " is the top attribute.\n" +
                          "No grade conversion is needed.");
    return false;
  }
  const int f = child.m_nFather;
  if (f < 0 || f > doc.LastAttribute()) return false;
  const CAttribute& father = doc.Attribute(f);
  const int n = UsedCount(child.m_nGrades);
  const int nFather = UsedCount(father.m_nGrades);
  const int pages = CConvertGradesPresenter::PageCount(nFather);

  double matrix[kMaxGrades][kMaxGrades];
  std::vector<std::string> comments;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < nFather; ++j) matrix[i][j] = child.ConversionEntry(i, j);
    comments.push_back(child.ConversionComment(i).Str());
  }

  for (int i = 0; i < n; ++i) {
    for (;;) {
      bool bAnyConfirmed = false;
      for (int p = 0; p < pages; ++p) {
        CConvertGradesPresenter page(
            child, father, i, p, std::span<const double>(matrix[i], static_cast<size_t>(nFather)),
            comments[static_cast<size_t>(i)]);
        const bool bConfirmed = ThePrompter().RunModal(page);
        // The comment was confirmed in its own window.
        comments[static_cast<size_t>(i)] = page.Comment();
        // A cancelled page keeps the degrees it opened with.
        if (!bConfirmed) continue;
        bAnyConfirmed = true;
        for (int row = 0; row < page.Rows(); ++row) {
          matrix[i][page.FirstFatherGrade() + row] = page.Degree(row);
        }
      }
      double total = 0.0;
      for (int j = 0; j < nFather; ++j) total += matrix[i][j];
      if (TotalIsOne(total)) break;
      ThePrompter().Warning(std::string("The total degree must be one. Please check.\n") +
                            "Remember that this attribute as named below\n\n" + father.m_strName +
                            "\n\n" + "has " + FormatInt(nFather) + " evaluation grades in total.");
      // A user who cancels every page of an invalid row would be asked
      // again without end; the editor closes instead and stores nothing.
      if (!bAnyConfirmed) return false;
    }
  }

  SGradeTable& g = child.MutableGrades();
  for (int i = 0; i < n; ++i) {
    std::copy(matrix[i], matrix[i] + nFather, g.m_dConversion[i]);
    g.m_strConversionComment[i] = CText(comments[static_cast<size_t>(i)]);
  }
  PropagateRules(doc, k);
  doc.PublishChanges({EDocChange::Attribute, k, -1});
  return true;
}

}  // namespace zev
