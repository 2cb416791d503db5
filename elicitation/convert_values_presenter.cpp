#include "elicitation/convert_values_presenter.h"

#include <algorithm>
#include <cmath>

#include "engine/conversion.h"
#include "engine/utility.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

namespace {

std::string ValueText(double d) { return Format("%g", d); }

}  // namespace

std::string CConvertValuesPresenter::ValueField(int row) { return "value" + FormatInt(row); }

CConvertValuesPresenter::CConvertValuesPresenter(const CAttribute& child, const CAttribute& father,
                                                 int nPage, std::span<const double> values,
                                                 std::string comments)
    : m_strComments(std::move(comments)),
      m_strChildName(child.m_strName.Str()),
      m_strChildDescription(child.m_strDescription.Str()),
      m_strFatherName(father.m_strName.Str()),
      m_strFatherDescription(father.m_strDescription.Str()),
      m_strBest(ValueText(child.m_dBest)),
      m_strWorst(ValueText(child.m_dWorst)),
      m_dLower(std::min(child.m_dBest, child.m_dWorst)),
      m_dUpper(std::max(child.m_dBest, child.m_dWorst)),
      m_nPage(nPage),
      m_nFatherGrades(static_cast<int>(values.size())) {
  m_nRows = std::clamp(m_nFatherGrades - FirstFatherGrade(), 0, kPageRows);
  for (int row = 0; row < m_nRows; ++row) {
    const int j = FirstFatherGrade() + row;
    m_fatherGradeNames.push_back(father.GradeName(j).Str());
    m_dShown[row] = values[static_cast<size_t>(j)];
    m_strShown[row] = ValueText(m_dShown[row]);
    m_strValue[row] = m_strShown[row];
    m_dValue[row] = m_dShown[row];
  }
}

int CConvertValuesPresenter::PageCount(int nFatherGrades) {
  return nFatherGrades / kPageRows + (nFatherGrades % kPageRows != 0 ? 1 : 0);
}

bool CConvertValuesPresenter::Read(int row, double& d) const {
  // An untouched text keeps its exact value.
  if (m_strValue[row] == m_strShown[row]) {
    d = m_dShown[row];
    return true;
  }
  return ReadRealNumber(m_strValue[row], d);
}

bool CConvertValuesPresenter::ValueFocusLost(int row) {
  if (row < 0 || row >= m_nRows) return true;
  double d = 0.0;
  if (!Read(row, d)) {
    ThePrompter().Warning("Please enter a number.");
    SetFocusField(ValueField(row));
    return false;
  }
  // A range narrower than the tolerance restricts nothing.
  if (m_dUpper - m_dLower < 1e-8) return true;
  if (m_dLower - d >= 1e-8 || d - m_dUpper >= 1e-8) {
    ThePrompter().Warning(
        "A feasible child attribute value must\n"
        "be between its best and worst values.");
    SetFocusField(ValueField(row));
    return false;
  }
  return true;
}

void CConvertValuesPresenter::ClampAll() {
  const bool bRange = m_dUpper - m_dLower >= 1e-8;
  for (int row = 0; row < m_nRows; ++row) {
    double d = 0.0;
    // Text that is no number leaves the value the page opened with.
    if (!Read(row, d)) d = m_dShown[row];
    if (bRange && m_dLower - d >= 1e-8) d = m_dLower;
    if (bRange && d - m_dUpper >= 1e-8) d = m_dUpper;
    m_dValue[row] = d;
    if (d != m_dShown[row]) m_strValue[row] = ValueText(d);
  }
}

EDialogAction CConvertValuesPresenter::Ok() {
  ClampAll();
  return EDialogAction::CloseOk;
}

EDialogAction CConvertValuesPresenter::Cancel() {
  ClampAll();
  return EDialogAction::CloseCancel;
}

bool RunConvertValuesEditor(CMADMDoc& doc) {
  const int k = doc.CurrentAttribute();
  if (k == 0) return false;
  CAttribute& child = doc.Attribute(k);
  const int f = child.m_nFather;
  if (f < 0 || f > doc.LastAttribute()) return false;
  const CAttribute& father = doc.Attribute(f);
  const int nFather = UsedCount(father.m_nGrades);

  double values[kMaxGrades];
  for (int j = 0; j < nFather; ++j) values[j] = child.GradeValue(j);
  std::string comments = child.m_strComments.Str();
  const std::span<const double> all(values, static_cast<size_t>(nFather));

  const int pages = CConvertValuesPresenter::PageCount(nFather);
  bool bLastConfirmed = false;
  for (int p = 0; p < pages; ++p) {
    CConvertValuesPresenter page(child, father, p, all, comments);
    bLastConfirmed = ThePrompter().RunModal(page);
    // However the page closed, its values went through the closing check.
    page.Close();
    for (int row = 0; row < page.Rows(); ++row)
      values[page.FirstFatherGrade() + row] = page.Value(row);
    comments = page.m_strComments;
  }
  if (!bLastConfirmed) return false;

  SGradeTable& g = child.MutableGrades();
  std::copy(values, values + nFather, g.m_dGradeValue);
  child.m_strComments = CText(comments);
  PropagateRules(doc, k);
  doc.PublishChanges({EDocChange::Attribute, k, -1});
  return true;
}

}  // namespace zev
