#include "engine/utility.h"

namespace zev {

SBracketStart BracketStart(std::span<const double> values) {
  constexpr double e = kEqualTolerance;
  const int count = static_cast<int>(values.size());
  if (count < 1) return {};
  SBracketStart s{0, count - 1, values[0], values[static_cast<size_t>(count - 1)]};
  // The smallest and the largest value (among equal values the last index).
  // Selections rather than branches: the comparisons follow the data.
  for (int i = 0; i < count; ++i) {
    const double v = values[static_cast<size_t>(i)];
    const bool bLow = v - s.m_dLowValue < e;
    s.m_nLow = bLow ? i : s.m_nLow;
    s.m_dLowValue = bLow ? v : s.m_dLowValue;
    const bool bHigh = v - s.m_dHighValue > -e;
    s.m_nHigh = bHigh ? i : s.m_nHigh;
    s.m_dHighValue = bHigh ? v : s.m_dHighValue;
  }
  return s;
}

SBracket BracketFrom(const SBracketStart& start, std::span<const double> values, double x) {
  constexpr double e = kEqualTolerance;
  const int count = static_cast<int>(values.size());
  int low = start.m_nLow;
  int high = start.m_nHigh;
  double lowValue = start.m_dLowValue;
  double highValue = start.m_dHighValue;
  // The nearest values at or below and at or above x.
  for (int i = 0; i < count; ++i) {
    const double v = values[static_cast<size_t>(i)];
    const bool bLow = (x - v > -e) & (v - lowValue > -e);
    low = bLow ? i : low;
    lowValue = bLow ? v : lowValue;
    const bool bHigh = (x - v < e) & (v - highValue < e);
    high = bHigh ? i : high;
    highValue = bHigh ? v : highValue;
  }
  return {low, high};
}

SBracket BracketValue(std::span<const double> values, double x) {
  if (values.empty()) return {};
  return BracketFrom(BracketStart(values), values, x);
}

double ValueToUtility(const CAttribute& attribute, const SBracketStart& start, double x) {
  const SGradeTable& g = attribute.Grades();
  const int n = UsedCount(attribute.m_nGrades);
  const SBracket b =
      BracketFrom(start, std::span<const double>(g.m_dGradeValue, static_cast<size_t>(n)), x);
  const double uLow = g.m_dGradeUtility[b.m_nLow];
  if (b.m_nLow == b.m_nHigh) return uLow;
  const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
  // Two grades that share a value leave nothing to interpolate between.
  if (span == 0.0) return uLow;
  return uLow + (g.m_dGradeUtility[b.m_nHigh] - uLow) * (x - g.m_dGradeValue[b.m_nLow]) / span;
}

SBracketStart ValueScaleStart(const CAttribute& attribute) {
  const int n = UsedCount(attribute.m_nGrades);
  return BracketStart(
      std::span<const double>(attribute.Grades().m_dGradeValue, static_cast<size_t>(n)));
}

double ValueToUtility(const CAttribute& attribute, double x) {
  return ValueToUtility(attribute, ValueScaleStart(attribute), x);
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

double Unassigned(double sum) {
  const double rest = 1.0 - sum;
  return rest <= kEqualTolerance ? 0.0 : rest;
}

}  // namespace

void UtilityInterval(CAlternative& alternative, int nAttribute) {
  CAssessment& r = alternative.m_assessments[nAttribute];
  const double* u = r.Grades().m_dGradeUtility;
  const double* b = r.m_dBelief;
  const int n = UsedCount(r.m_nGrades);
  double sumBelief = 0.0;
  double expected = 0.0;
  for (int i = 0; i < n; ++i) {
    sumBelief += b[i];
    expected += b[i] * u[i];
  }
  const double betaH = Unassigned(sumBelief);
  int best = 0;
  int worst = 0;
  Extremes(u, n, best, worst);
  const double dMax = expected + betaH * u[best];
  const double dMin = expected + betaH * u[worst];
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
  double sumBelief = 0.0;
  double expected = 0.0;
  for (int i = 0; i < count; ++i) {
    sumBelief += p[i];
    expected += p[i] * x[i];
  }
  const double betaH = Unassigned(sumBelief);
  double high = 0.0;
  double low = 0.0;
  if (r.m_nType == QuantitativeUncertain) {
    // The unassigned part could be any value of the range.
    high = expected + betaH * r.m_dBest;
    low = expected + betaH * r.m_dWorst;
  } else {
    int largest = 0;
    int smallest = 0;
    Extremes(x, count, largest, smallest);
    high = expected + betaH * x[largest];
    low = expected + betaH * x[smallest];
  }
  const double average = (high + low) * 0.5;
  alternative.m_dUtility = average;
  const SBracketStart scale = ValueScaleStart(r);
  if (high == low) {
    // A complete assessment: the three values are one.
    r.m_dMaxUtility = r.m_dMinUtility = r.m_dAvgUtility = ValueToUtility(r, scale, average);
    return;
  }
  r.m_dMaxUtility = ValueToUtility(r, scale, high);
  r.m_dMinUtility = ValueToUtility(r, scale, low);
  // The utility of the average value, not the mean of the two utilities.
  r.m_dAvgUtility = ValueToUtility(r, scale, average);
}

}  // namespace zev
