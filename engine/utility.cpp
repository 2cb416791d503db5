#include "engine/utility.h"

#include <limits>

#include "engine/pairs.h"

namespace zev {

namespace {

// Whether the values rise or fall from one to the next by at least the
// tolerance, every step finite (and so every value, as an infinite value
// makes an infinite or undefined step). Then, with e the tolerance and
// rounded differences (which are monotone), the first pass gives the two
// ends of the scale and the second pass gives, for a rising scale, low = the
// last value with x - v > -e and high = the first with x - v < e; the first
// set is a prefix of the scale and the second a suffix, so both are counts.
// A falling scale is the mirror image. A single value is both.
EScaleOrder OrderOf(std::span<const double> values) {
  constexpr double e = kEqualTolerance;
  constexpr double kMax = std::numeric_limits<double>::max();
  const size_t count = values.size();
  // The smallest and the largest step, and whether any step is undefined.
  double minStep = kMax;
  double maxStep = -kMax;
  bool bUndefined = false;
  for (size_t i = 1; i < count; ++i) {
    const double step = values[i] - values[i - 1];
    bUndefined |= step != step;
    minStep = step < minStep ? step : minStep;
    maxStep = step > maxStep ? step : maxStep;
  }
  if (bUndefined) return EScaleOrder::General;
  if (minStep >= e && maxStep <= kMax) return EScaleOrder::Rising;
  if (maxStep <= -e && minStep >= -kMax) return EScaleOrder::Falling;
  return count == 1 ? EScaleOrder::Rising : EScaleOrder::General;
}

}  // namespace

SBracketStart BracketStart(std::span<const double> values) {
  constexpr double e = kEqualTolerance;
  const int count = static_cast<int>(values.size());
  if (count < 1) return {};
  const double first = values[0];
  const double last = values[static_cast<size_t>(count - 1)];
  const EScaleOrder order = OrderOf(values);
  // What the first pass gives on an ordered scale: its two ends.
  if (order == EScaleOrder::Rising) return {0, count - 1, first, last, order};
  if (order == EScaleOrder::Falling) return {count - 1, 0, last, first, order};
  SBracketStart s{0, count - 1, first, last, order};
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

SBracket PassBracket(const SBracketStart& start, std::span<const double> values, double x) {
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

namespace {

// ValueToUtility on n grades of the table g. Inlined: it runs for every
// value of every quantitative attribute in every evaluation, up to three
// times on one scale.
ZEV_ALWAYS_INLINE double UtilityOnScale(const SGradeTable& g, int n, const SBracketStart& start,
                                        double x) {
  const SBracket b =
      BracketFrom(start, std::span<const double>(g.m_dGradeValue, static_cast<size_t>(n)), x);
  const double uLow = g.m_dGradeUtility[b.m_nLow];
  if (b.m_nLow == b.m_nHigh) return uLow;
  const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
  // Two grades that share a value leave nothing to interpolate between.
  if (span == 0.0) return uLow;
  return uLow + (g.m_dGradeUtility[b.m_nHigh] - uLow) * (x - g.m_dGradeValue[b.m_nLow]) / span;
}

}  // namespace

double ValueToUtility(const CAttribute& attribute, const SBracketStart& start, double x) {
  return UtilityOnScale(attribute.Grades(), UsedCount(attribute.m_nGrades), start, x);
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
// The running extremes are kept as indices only.
void Extremes(const double* d, int n, int& nMax, int& nMin) {
  nMax = 0;
  nMin = 0;
  for (int i = 1; i < n; ++i) {
    if (d[i] - d[nMax] > kEqualTolerance) nMax = i;
    if (d[nMin] - d[i] > kEqualTolerance) nMin = i;
  }
}

double Unassigned(double sum) {
  const double rest = 1.0 - sum;
  return rest <= kEqualTolerance ? 0.0 : rest;
}

}  // namespace

SUtilityExtremes UtilityExtremes(const CAttribute& attribute) {
  SUtilityExtremes extremes;
  Extremes(attribute.Grades().m_dGradeUtility, UsedCount(attribute.m_nGrades), extremes.m_nBest,
           extremes.m_nWorst);
  return extremes;
}

void UtilityInterval(CAlternative& alternative, int nAttribute) {
  UtilityInterval(alternative, nAttribute, UtilityExtremes(alternative.m_assessments[nAttribute]));
}

void UtilityInterval(CAlternative& alternative, int nAttribute, const SUtilityExtremes& extremes) {
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
  const double dMax = expected + betaH * u[extremes.m_nBest];
  const double dMin = expected + betaH * u[extremes.m_nWorst];
  r.m_dMaxUtility = dMax;
  r.m_dMinUtility = dMin;
  r.m_dAvgUtility = (dMax + dMin) * 0.5;
  alternative.m_dUtility = r.m_dAvgUtility;
}

void ValueUtilityInterval(CAlternative& alternative, int nAttribute) {
  ValueUtilityInterval(alternative, nAttribute,
                       ValueScaleStart(alternative.m_assessments[nAttribute]));
}

void ValueUtilityInterval(CAlternative& alternative, int nAttribute, const SBracketStart& scale) {
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
  const SGradeTable& g = r.Grades();
  const int n = UsedCount(r.m_nGrades);
  if (high == low) {
    // A complete assessment: the three values are one.
    r.m_dMaxUtility = r.m_dMinUtility = r.m_dAvgUtility = UtilityOnScale(g, n, scale, average);
    return;
  }
  r.m_dMaxUtility = UtilityOnScale(g, n, scale, high);
  r.m_dMinUtility = UtilityOnScale(g, n, scale, low);
  // The utility of the average value, not the mean of the two utilities.
  r.m_dAvgUtility = UtilityOnScale(g, n, scale, average);
}

}  // namespace zev
