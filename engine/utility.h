#pragma once

#include <span>

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
struct SBracketStart {
  int m_nLow = 0;
  int m_nHigh = 0;
  double m_dLowValue = 0.0;
  double m_dHighValue = 0.0;
};
SBracketStart BracketStart(std::span<const double> values);
SBracket BracketFrom(const SBracketStart& start, std::span<const double> values, double x);

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

// The interval of a quantitative bottom attribute from its possible values:
// the three expected values are turned into utilities through the value
// scale. Writes the record's three utilities and the average expected value
// into the alternative's m_dUtility.
void ValueUtilityInterval(CAlternative& alternative, int nAttribute);

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

}  // namespace zev
