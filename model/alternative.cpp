#include "model/alternative.h"

#include <algorithm>
#include <cmath>

#include "model/format.h"

namespace zev {

CAssessment::CAssessment() { ResetAssessment(); }

CAssessment& CAssessment::operator=(const CAssessment& other) {
  if (this == &other) return *this;
  m_dAvgUtility = other.m_dAvgUtility;
  m_dMaxUtility = other.m_dMaxUtility;
  m_dMinUtility = other.m_dMinUtility;
  m_dValue = other.m_dValue;
  std::copy(std::begin(other.m_dBelief), std::end(other.m_dBelief), m_dBelief);
  std::copy(std::begin(other.m_dPossibleValue), std::end(other.m_dPossibleValue), m_dPossibleValue);
  m_nPossibleValues = other.m_nPossibleValues;
  m_strEvidence = other.m_strEvidence;
  m_strAssessComment = other.m_strAssessComment;
  return *this;
}

void CAssessment::ResetAssessment() {
  const SDefaultTexts& t = DefaultTexts();
  m_dAvgUtility = 0.5;
  m_dMaxUtility = 1.0;
  m_dMinUtility = 0.0;
  m_dValue = std::fabs(m_dBest - m_dWorst) * 0.5;
  m_bAssessed = false;
  m_nPossibleValues = 3;
  std::fill(std::begin(m_dBelief), std::end(m_dBelief), 0.0);
  std::fill(std::begin(m_dPossibleValue), std::end(m_dPossibleValue), 0.0);
  m_dPossibleValue[0] = m_dValue;
  if (m_nType == Quantitative || m_nType == QuantitativeUncertain) m_dBelief[0] = 1.0;
  m_strEvidence = t.m_evidence;
  m_strAssessComment = t.m_comments;
}

namespace {
int Clamp20(int n) { return std::clamp(n, 0, kMaxGrades); }
}  // namespace

void CAssessment::GetBeliefs(std::span<double> out, int n) const {
  n = std::min<int>(Clamp20(n), static_cast<int>(out.size()));
  std::copy(m_dBelief, m_dBelief + n, out.begin());
}

void CAssessment::SetBeliefs(std::span<const double> in, int n) {
  n = std::min<int>(Clamp20(n), static_cast<int>(in.size()));
  std::copy(in.begin(), in.begin() + n, m_dBelief);
}

void CAssessment::GetPossibleValueList(std::span<double> out) const {
  int n = std::min<int>(Clamp20(m_nPossibleValues), static_cast<int>(out.size()));
  std::copy(m_dPossibleValue, m_dPossibleValue + n, out.begin());
}

void CAssessment::SetPossibleValueList(std::span<const double> in) {
  int n = std::min<int>(Clamp20(m_nPossibleValues), static_cast<int>(in.size()));
  std::copy(in.begin(), in.begin() + n, m_dPossibleValue);
}

int CAssessment::BeliefCount() const { return Clamp20(std::max(m_nGrades, m_nPossibleValues)); }

double CAssessment::UnassignedBelief(int n) const {
  n = Clamp20(n);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) sum += m_dBelief[i];
  double rest = 1.0 - sum;
  return rest <= 1e-8 ? 0.0 : rest;
}

CAlternative::CAlternative() { ResetToDefaults(); }

CAlternative& CAlternative::operator=(const CAlternative& other) {
  if (this == &other) return *this;
  m_strName = other.m_strName;
  m_strDescription = other.m_strDescription;
  m_nRanking = other.m_nRanking;
  m_dUtility = other.m_dUtility;
  m_nSelection = other.m_nSelection;
  m_nLastAttribute = other.m_nLastAttribute;
  m_nCurrentAttribute = other.m_nCurrentAttribute;
  for (int i = 0; i < kAttributeSlots; ++i) m_assessments[i] = other.m_assessments[i];
  if (!m_bKeepPosition) {
    m_nX = other.m_nX;
    m_nY = other.m_nY;
    m_nShowFlag = other.m_nShowFlag;
  }
  return *this;
}

void CAlternative::ResetToDefaults() {
  const SDefaultTexts& t = DefaultTexts();
  m_strName = t.m_alternativeName;
  m_strDescription = t.m_alternativeDescription;
  m_nRanking = 1;
  m_dUtility = 0.5;
  m_nX = 60;
  m_nY = 60;
  m_nShowFlag = 1;
  m_nSelection = 0;
  // Record 50 is reset as well, so that every record is defined.
  for (CAssessment& record : m_assessments) record.ResetAssessment();
}

bool CAlternative::SetName(std::string_view name) {
  if (name.empty()) return false;
  m_strName = CText(name);
  return true;
}

std::string CAlternative::RankingText() const { return Format("%d", m_nRanking); }

std::string CAlternative::UtilityText() const { return Format("%1.6lf", m_dUtility); }

}  // namespace zev
