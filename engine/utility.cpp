#include "engine/utility.h"

namespace zev {

SBracket BracketValue(std::span<const double> values, double x) {
  constexpr double e = kEqualTolerance;
  const int count = static_cast<int>(values.size());
  if (count < 1) return {};
  int low = 0;
  int high = count - 1;
  double lowValue = values[0];
  double highValue = values[static_cast<size_t>(count - 1)];
  // The smallest and the largest value (among equal values the last index).
  for (int i = 0; i < count; ++i) {
    const double v = values[static_cast<size_t>(i)];
    if (v - lowValue < e) {
      low = i;
      lowValue = v;
    }
    if (v - highValue > -e) {
      high = i;
      highValue = v;
    }
  }
  // The nearest values at or below and at or above x.
  for (int i = 0; i < count; ++i) {
    const double v = values[static_cast<size_t>(i)];
    if (x - v > -e && v - lowValue > -e) {
      low = i;
      lowValue = v;
    }
    if (x - v < e && v - highValue < e) {
      high = i;
      highValue = v;
    }
  }
  return {low, high};
}

double ValueToUtility(const CAttribute& attribute, double x) {
  const SGradeTable& g = attribute.Grades();
  const int n = UsedCount(attribute.m_nGrades);
  const SBracket b = BracketValue(std::span<const double>(g.m_dGradeValue, static_cast<size_t>(n)), x);
  const double uLow = g.m_dGradeUtility[b.m_nLow];
  if (b.m_nLow == b.m_nHigh) return uLow;
  const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
  // Two grades that share a value leave nothing to interpolate between.
  if (span == 0.0) return uLow;
  return uLow + (g.m_dGradeUtility[b.m_nHigh] - uLow) * (x - g.m_dGradeValue[b.m_nLow]) / span;
}

double ValueToUtility(const CAlternative& alternative, int nAttribute, double x) {
  return ValueToUtility(alternative.m_assessments[nAttribute], x);
}

namespace {

// The indices of the largest and the smallest of n numbers; a later number
// wins only when it is more than 1e-8 beyond, so the lowest index wins ties.
void Extremes(const double* d, int n, int& nMax, int& nMin) {
  nMax = 0;
  nMin = 0;
  double dMax = d[0];
  double dMin = d[0];
  for (int i = 1; i < n; ++i) {
    if (d[i] - dMax > kEqualTolerance) {
      nMax = i;
      dMax = d[i];
    }
    if (dMin - d[i] > kEqualTolerance) {
      nMin = i;
      dMin = d[i];
    }
  }
}

double Unassigned(long double sum) {
  const double rest = static_cast<double>(1.0L - sum);
  return rest <= kEqualTolerance ? 0.0 : rest;
}

}  // namespace

void UtilityInterval(CAlternative& alternative, int nAttribute) {
  CAssessment& r = alternative.m_assessments[nAttribute];
  const double* u = r.Grades().m_dGradeUtility;
  const double* b = r.m_dBelief;
  const int n = UsedCount(r.m_nGrades);
  long double sumBelief = 0.0L;
  long double expected = 0.0L;
  for (int i = 0; i < n; ++i) {
    sumBelief += b[i];
    expected += static_cast<long double>(b[i]) * u[i];
  }
  const double betaH = Unassigned(sumBelief);
  int best = 0;
  int worst = 0;
  Extremes(u, n, best, worst);
  const double dMax = static_cast<double>(expected + static_cast<long double>(betaH) * u[best]);
  const double dMin = static_cast<double>(expected + static_cast<long double>(betaH) * u[worst]);
  r.m_dMaxUtility = dMax;
  r.m_dMinUtility = dMin;
  r.m_dAvgUtility = (dMax + dMin) * 0.5;
  alternative.m_dUtility = r.m_dAvgUtility;
}

void ValueUtilityInterval(CAlternative& alternative, int nAttribute) {
  CAssessment& r = alternative.m_assessments[nAttribute];
  const double* x = r.m_dPossibleValue;
  const double* p = r.m_dBelief;
  const int count = UsedCount(r.m_nPossibleValues);
  long double sumBelief = 0.0L;
  long double expected = 0.0L;
  for (int i = 0; i < count; ++i) {
    sumBelief += p[i];
    expected += static_cast<long double>(p[i]) * x[i];
  }
  const double betaH = Unassigned(sumBelief);
  double high = 0.0;
  double low = 0.0;
  if (r.m_nType == QuantitativeUncertain) {
    // The unassigned part could be any value of the range.
    high = static_cast<double>(expected + static_cast<long double>(betaH) * r.m_dBest);
    low = static_cast<double>(expected + static_cast<long double>(betaH) * r.m_dWorst);
  } else {
    int largest = 0;
    int smallest = 0;
    Extremes(x, count, largest, smallest);
    high = static_cast<double>(expected + static_cast<long double>(betaH) * x[largest]);
    low = static_cast<double>(expected + static_cast<long double>(betaH) * x[smallest]);
  }
  const double average = (high + low) * 0.5;
  alternative.m_dUtility = average;
  r.m_dMaxUtility = ValueToUtility(r, high);
  r.m_dMinUtility = ValueToUtility(r, low);
  // The utility of the average value, not the mean of the two utilities.
  r.m_dAvgUtility = ValueToUtility(r, average);
}

}  // namespace zev
