#pragma once

#include <cstdint>
#include <span>

#include "engine/pairs.h"
#include "model/alternative.h"
#include "model/attribute.h"

namespace zev {

// Tolerance for equal utilities, values and degrees.
inline constexpr double kEqualTolerance = 1e-8;

// The two grade indices whose values bracket a value.
struct SBracket {
  int m_nLow = 0;
  int m_nHigh = 0;
};

// Over grade values in grade order (increasing, decreasing or unsorted):
// low is the grade whose value is the greatest not above x, high the grade
// whose value is the least not below x, both within 1e-8. A value that
// coincides with a grade value gives that grade twice; a value beyond the
// extreme grade values is clamped to the extreme grade.
SBracket BracketValue(std::span<const double> values, double x);

// BracketValue in its two passes. The first does not depend on the value,
// so the brackets of several values on one scale can share it.
//
// On a scale whose finite values rise (or fall) from grade to grade by at
// least the tolerance, as value scales normally do, both passes reduce to
// counting the values within the tolerance below and above x; BracketStart
// records such an order and BracketFrom then counts. Any other scale takes
// the two passes.
enum class EScaleOrder : std::uint8_t { General, Rising, Falling };
// No default member values, so that a table of them costs no clearing.
struct SBracketStart {
  int m_nLow;
  int m_nHigh;
  double m_dLowValue;
  double m_dHighValue;
  EScaleOrder m_order;
};
SBracketStart BracketStart(std::span<const double> values);
inline SBracket BracketFrom(const SBracketStart& start, std::span<const double> values, double x);
// The second pass as stated, whatever the order of the scale.
SBracket PassBracket(const SBracketStart& start, std::span<const double> values, double x);

// The utility of a value on the attribute's piecewise linear value scale
// (grade values to grade utilities).
double ValueToUtility(const CAttribute& attribute, double x);
double ValueToUtility(const CAlternative& alternative, int nAttribute, double x);
// The same with the first bracketing pass over the attribute's grade values
// done once (ValueScaleStart) for several values.
SBracketStart ValueScaleStart(const CAttribute& attribute);
double ValueToUtility(const CAttribute& attribute, const SBracketStart& scale, double x);

// The minimum, maximum and average utility of record k from its belief
// degrees on its grades: the unassigned degree goes to the best grade for
// the maximum and to the worst grade for the minimum. Writes the record's
// three utilities and the average into the alternative's m_dUtility.
void UtilityInterval(CAlternative& alternative, int nAttribute);
// The grades of the highest and the lowest utility (the first of equal ones)
// among an attribute's grades; they depend on its definition alone.
struct SUtilityExtremes {
  int m_nBest;
  int m_nWorst;
};
SUtilityExtremes UtilityExtremes(const CAttribute& attribute);
// UtilityInterval with the record's extremes known.
void UtilityInterval(CAlternative& alternative, int nAttribute, const SUtilityExtremes& extremes);

// The interval of a quantitative bottom attribute from its possible values:
// the three expected values are turned into utilities through the value
// scale. Writes the record's three utilities and the average expected value
// into the alternative's m_dUtility.
void ValueUtilityInterval(CAlternative& alternative, int nAttribute);
// The same on the record's value scale classified by ValueScaleStart.
void ValueUtilityInterval(CAlternative& alternative, int nAttribute, const SBracketStart& scale);

// The interval a bottom attribute gets from its own input.
inline void InputInterval(CAlternative& alternative, int nAttribute) {
  if (IsQuantitativeType(alternative.m_assessments[nAttribute].m_nType)) {
    ValueUtilityInterval(alternative, nAttribute);
  } else {
    UtilityInterval(alternative, nAttribute);
  }
}

// Grade counts and possible-value counts of a damaged model are kept inside
// the arrays.
inline int UsedCount(int n) { return n < 1 ? 1 : n > kMaxGrades ? kMaxGrades : n; }

// The bracket on an ordered scale of count >= 2 values, from two counts:
// notBelow, the values with x - v > -e, and below, the values with x - v at
// least e (or not comparable with x). Two values at a time; with an odd
// count the last pair ends at the last value and counts only its second
// lane. Inline, since it runs for every value and possible value of every
// quantitative attribute in every evaluation.
inline SBracket CountedBracket(EScaleOrder order, const double* v, int count, double x) {
  const SPair below = Both(-kEqualTolerance);
  const SPair above = Both(kEqualTolerance);
  const SPair xx = Both(x);
  SPairMask notBelowLanes = {};
  SPairMask belowLanes = {};
  int i = 0;
  for (; i + 1 < count; i += 2) {
    const SPair d = xx - LoadPair(v + i);
    notBelowLanes += d > below;
    belowLanes += ~(d < above);
  }
  if (i < count) {
    const SPairMask secondLane = {0, -1};
    const SPair d = xx - LoadPair(v + count - 2);
    notBelowLanes += (d > below) & secondLane;
    belowLanes += ~(d < above) & secondLane;
  }
  const int notBelow = CountSet(notBelowLanes);
  const int nBelow = CountSet(belowLanes);
  if (order == EScaleOrder::Rising) {
    return {notBelow > 0 ? notBelow - 1 : 0, nBelow < count ? nBelow : count - 1};
  }
  const int notAbove = count - nBelow;  // values with x - v < e
  return {notBelow > 0 ? count - notBelow : count - 1, notAbove > 0 ? notAbove - 1 : 0};
}

inline SBracket BracketFrom(const SBracketStart& start, std::span<const double> values, double x) {
  if (start.m_order == EScaleOrder::General) return PassBracket(start, values, x);
  const int count = static_cast<int>(values.size());
  if (count < 2) return {};
  return CountedBracket(start.m_order, values.data(), count, x);
}

}  // namespace zev
