#include "model/attribute.h"

#include <algorithm>

#include "model/format.h"
#include "model/number.h"
#include "model/prompter.h"

namespace zev {

const SDefaultTexts& DefaultTexts() {
  static const SDefaultTexts texts;
  return texts;
}

namespace {

SGradeTable MakeDefaultGradeTable() {
  const SDefaultTexts& t = DefaultTexts();
  SGradeTable g;
  for (int k = 0; k < kMaxGrades; ++k) {
    g.m_dGradeValue[k] = k < 5 ? k * 0.25 : 0.0;
    g.m_dGradeUtility[k] = k < 5 ? k * 0.25 : 0.0;
    g.m_strGradeName[k] = k < 5 ? t.m_gradeNames[k] : t.m_newGradeName;
    g.m_strGradeDefinition[k] = t.m_gradeDefinition;
    g.m_strConversionComment[k] = t.m_conversionComment;
    for (int j = 0; j < kMaxGrades; ++j) g.m_dConversion[k][j] = k == j ? 1.0 : 0.0;
  }
  return g;
}

const CShared<SGradeTable>& DefaultGradeTable() {
  static const CShared<SGradeTable> table(MakeDefaultGradeTable());
  return table;
}

}  // namespace

CAttribute::CAttribute() : m_grades(DefaultGradeTable()) { ResetToDefaults(); }

CAttribute& CAttribute::operator=(const CAttribute& other) {
  if (this == &other) return *this;
  m_strName = other.m_strName;
  m_nMark = other.m_nMark;
  m_nType = other.m_nType;
  m_strDescription = other.m_strDescription;
  m_strUnit = other.m_strUnit;
  m_dBest = other.m_dBest;
  m_dWorst = other.m_dWorst;
  m_dWeight = other.m_dWeight;
  m_dShownValue = other.m_dShownValue;
  m_nGrades = other.m_nGrades;
  m_strComments = other.m_strComments;
  m_grades = other.m_grades;
  m_nConversion = other.m_nConversion;
  if (!m_bKeepLinks) {
    m_nX = other.m_nX;
    m_nY = other.m_nY;
    m_nIndex = other.m_nIndex;
    m_nFather = other.m_nFather;
    m_nPrevSibling = other.m_nPrevSibling;
    m_nNextSibling = other.m_nNextSibling;
    m_nChildren = other.m_nChildren;
  }
  return *this;
}

void CAttribute::ResetToDefaults() {
  const SDefaultTexts& t = DefaultTexts();
  m_strName = t.m_attributeName;
  m_nMark = 0;
  m_nType = Qualitative;
  m_strDescription = t.m_attributeDescription;
  m_strUnit = t.m_unit;
  m_dBest = 1.0;
  m_dWorst = 0.0;
  m_dWeight = 1.0;
  m_dShownValue = 1.0;
  m_nGrades = 5;
  m_strComments = t.m_comments;
  m_grades = DefaultGradeTable();
  m_nConversion = ByRule;
  m_nX = 0;
  m_nY = 0;
  m_nIndex = 0;
  m_nFather = -1;
  m_nPrevSibling = -1;
  m_nNextSibling = -1;
  m_nChildren = 0;
  m_bOpenConversion = false;
}

bool CAttribute::SetName(std::string_view name) {
  if (name.empty()) return false;
  m_strName = CText(name);
  return true;
}

std::string CAttribute::WeightText() const { return Format("%1.4lf", m_dWeight); }

bool CAttribute::SetWeightText(std::string_view text) {
  double d = 0.0;
  if (!ReadNonNegativeNumber(text, d)) {
    ThePrompter().Warning("Weight must be a non-negative real number.");
    return false;
  }
  m_dWeight = d;
  return true;
}

std::string CAttribute::ShownValueText() const { return Format("%1.4lf", m_dShownValue); }

bool CAttribute::SetShownValueText(std::string_view text) {
  double d = 0.0;
  if (!ReadNonNegativeNumber(text, d)) {
    ThePrompter().Warning("Utility must be a non-negative real number.");
    return false;
  }
  m_dShownValue = d;
  return true;
}

namespace {

int Used(int nGrades) { return std::clamp(nGrades, 0, kMaxGrades); }

template <typename T, typename Out>
void CopyOut(const T* from, Out out, int n) {
  n = std::min<int>(n, static_cast<int>(out.size()));
  std::copy(from, from + n, out.begin());
}

template <typename T, typename In>
void CopyIn(T* to, In in, int n) {
  n = std::min<int>(n, static_cast<int>(in.size()));
  std::copy(in.begin(), in.begin() + n, to);
}

}  // namespace

void CAttribute::GetGradeNames(std::span<CText> out) const {
  CopyOut(m_grades->m_strGradeName, out, Used(m_nGrades));
}
void CAttribute::SetGradeNames(std::span<const CText> in) {
  CopyIn(MutableGrades().m_strGradeName, in, Used(m_nGrades));
}
void CAttribute::GetGradeDefinitions(std::span<CText> out) const {
  CopyOut(m_grades->m_strGradeDefinition, out, Used(m_nGrades));
}
void CAttribute::SetGradeDefinitions(std::span<const CText> in) {
  CopyIn(MutableGrades().m_strGradeDefinition, in, Used(m_nGrades));
}
void CAttribute::GetConversionComments(std::span<CText> out) const {
  CopyOut(m_grades->m_strConversionComment, out, Used(m_nGrades));
}
void CAttribute::SetConversionComments(std::span<const CText> in) {
  CopyIn(MutableGrades().m_strConversionComment, in, Used(m_nGrades));
}
void CAttribute::GetGradeUtilities(std::span<double> out) const {
  CopyOut(m_grades->m_dGradeUtility, out, Used(m_nGrades));
}
void CAttribute::SetGradeUtilities(std::span<const double> in) {
  CopyIn(MutableGrades().m_dGradeUtility, in, Used(m_nGrades));
}
void CAttribute::GetGradeValues(std::span<double> out, int nCount) const {
  CopyOut(m_grades->m_dGradeValue, out, Used(nCount));
}
void CAttribute::SetGradeValues(std::span<const double> in, int nCount) {
  CopyIn(MutableGrades().m_dGradeValue, in, Used(nCount));
}

void CAttribute::GetConversionMatrix(std::span<double> out, int nCols) const {
  int rows = Used(m_nGrades);
  nCols = Used(nCols);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < nCols; ++c) {
      std::size_t at = static_cast<std::size_t>(r * nCols + c);
      if (at < out.size()) out[at] = m_grades->m_dConversion[r][c];
    }
  }
}

void CAttribute::SetConversionMatrix(std::span<const double> in, int nCols) {
  int rows = Used(m_nGrades);
  nCols = Used(nCols);
  SGradeTable& g = MutableGrades();
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < nCols; ++c) {
      std::size_t at = static_cast<std::size_t>(r * nCols + c);
      if (at < in.size()) g.m_dConversion[r][c] = in[at];
    }
  }
}

}  // namespace zev
