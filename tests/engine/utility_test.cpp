#include "engine/utility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace zev {
namespace {

SBracket Bracket(const std::vector<double>& values, double x) { return BracketValue(values, x); }

TEST(BracketValue, ValueBetweenGradesGivesTheNeighbours) {
  SBracket b = Bracket({10, 20, 30}, 15);
  EXPECT_EQ(b.m_nLow, 0);
  EXPECT_EQ(b.m_nHigh, 1);
  b = Bracket({10, 20, 30}, 29.999);
  EXPECT_EQ(b.m_nLow, 1);
  EXPECT_EQ(b.m_nHigh, 2);
}

TEST(BracketValue, CoincidingValueWithinToleranceGivesThatGradeTwice) {
  for (double x : {20.0, 20.0 + 0.5e-8, 20.0 - 0.5e-8}) {
    SBracket b = Bracket({10, 20, 30}, x);
    EXPECT_EQ(b.m_nLow, 1) << x;
    EXPECT_EQ(b.m_nHigh, 1) << x;
  }
  // Just beyond the tolerance the value is between two grades again.
  SBracket b = Bracket({10, 20, 30}, 20.0 + 2e-8);
  EXPECT_EQ(b.m_nLow, 1);
  EXPECT_EQ(b.m_nHigh, 2);
}

TEST(BracketValue, ValuesBeyondTheEndsAreClamped) {
  SBracket below = Bracket({10, 20, 30}, 5);
  EXPECT_EQ(below.m_nLow, 0);
  EXPECT_EQ(below.m_nHigh, 0);
  SBracket above = Bracket({10, 20, 30}, 40);
  EXPECT_EQ(above.m_nLow, 2);
  EXPECT_EQ(above.m_nHigh, 2);
}

TEST(BracketValue, DecreasingAndUnsortedScalesBehaveAlike) {
  SBracket b = Bracket({30, 20, 10}, 15);
  EXPECT_EQ(b.m_nLow, 2);   // value 10
  EXPECT_EQ(b.m_nHigh, 1);  // value 20
  b = Bracket({30, 20, 10}, 40);
  EXPECT_EQ(b.m_nLow, 0);
  EXPECT_EQ(b.m_nHigh, 0);
  b = Bracket({20, 40, 10, 30}, 25);
  EXPECT_EQ(b.m_nLow, 0);
  EXPECT_EQ(b.m_nHigh, 3);
  b = Bracket({20, 40, 10, 30}, 5);
  EXPECT_EQ(b.m_nLow, 2);
  EXPECT_EQ(b.m_nHigh, 2);
}

TEST(BracketValue, EqualValuesTakeTheLastIndex) {
  SBracket b = Bracket({0, 1, 1, 2}, 1);
  EXPECT_EQ(b.m_nLow, 2);
  EXPECT_EQ(b.m_nHigh, 2);
  b = Bracket({5, 5, 5}, 7);
  EXPECT_EQ(b.m_nLow, 2);
  EXPECT_EQ(b.m_nHigh, 2);
}

// The two passes exactly as the rule states them, for every kind of scale.
SBracket LiteralBracket(const std::vector<double>& values, double x) {
  const double e = 0.00000001;
  const int count = static_cast<int>(values.size());
  int low = 0;
  int high = count - 1;
  double lowValue = values[0];
  double highValue = values[static_cast<size_t>(count - 1)];
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

// Rising and falling scales are bracketed by counting; the counts must give
// what the passes give, also with steps at the tolerance, values at, just
// inside and just outside the tolerance of a grade value, values beyond the
// ends, infinite and undefined values, and scales that only nearly rise.
TEST(BracketValue, OrderedScalesGiveWhatThePassesGive) {
  std::mt19937_64 rng(17);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double e = 1e-8;
  int ordered = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 20);
    const double base = (unit(rng) - 0.5) * std::pow(10.0, static_cast<double>(rng() % 8) - 2);
    double step = std::pow(10.0, static_cast<double>(rng() % 12) - 9) * (0.5 + unit(rng));
    if (rng() % 4 == 0) step = rng() % 2 ? e : std::nextafter(e, 0.0);
    if (rng() % 2) step = -step;
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) v[static_cast<size_t>(i)] = base + step * i;
    switch (rng() % 8) {
      case 0:  // one step too small
        if (n > 1) v[static_cast<size_t>(n - 1)] = v[static_cast<size_t>(n - 2)] + step * 0.5e-8;
        break;
      case 1:  // a repeated value
        if (n > 2) v[1] = v[2];
        break;
      case 2:  // an end beyond every number
        v[rng() % 2 ? 0 : static_cast<size_t>(n - 1)] = step > 0 ? INFINITY : -INFINITY;
        break;
      case 3:
        v[rng() % static_cast<size_t>(n)] = NAN;
        break;
      default:
        break;
    }
    if (BracketStart(v).m_order != EScaleOrder::General) ++ordered;
    for (int probe = 0; probe < 8; ++probe) {
      const double at = v[rng() % static_cast<size_t>(n)];
      double x = at;
      switch (rng() % 7) {
        case 0:
          x = at + (rng() % 2 ? e : -e);
          break;
        case 1:
          x = std::nextafter(at + (rng() % 2 ? e : -e), rng() % 2 ? INFINITY : -INFINITY);
          break;
        case 2:
          x = at + (unit(rng) - 0.5) * 4 * e;
          break;
        case 3:
          x = v.front() + (v.back() - v.front()) * (unit(rng) * 3 - 1);
          break;
        case 4:
          x = rng() % 3 == 0 ? NAN : rng() % 2 ? INFINITY : -INFINITY;
          break;
        default:
          break;
      }
      const SBracket expected = LiteralBracket(v, x);
      const SBracket b = BracketValue(v, x);
      ASSERT_EQ(b.m_nLow, expected.m_nLow) << "trial " << trial << " x " << x;
      ASSERT_EQ(b.m_nHigh, expected.m_nHigh) << "trial " << trial << " x " << x;
    }
  }
  // A good share of the scales drawn are ordered, so the counting ran.
  EXPECT_GT(ordered, 5000);
}

TEST(BracketValue, OrderOfTheScale) {
  EXPECT_EQ(BracketStart(std::vector<double>{0, 25, 50}).m_order, EScaleOrder::Rising);
  EXPECT_EQ(BracketStart(std::vector<double>{50, 40, 10}).m_order, EScaleOrder::Falling);
  EXPECT_EQ(BracketStart(std::vector<double>{7}).m_order, EScaleOrder::Rising);
  // Steps of less than the tolerance, equal values, a turn, infinities.
  EXPECT_EQ(BracketStart(std::vector<double>{0, 0.5e-8, 1}).m_order, EScaleOrder::General);
  EXPECT_EQ(BracketStart(std::vector<double>{0, 1, 1}).m_order, EScaleOrder::General);
  EXPECT_EQ(BracketStart(std::vector<double>{0, 2, 1}).m_order, EScaleOrder::General);
  EXPECT_EQ(BracketStart(std::vector<double>{0, 1, INFINITY}).m_order, EScaleOrder::General);
  EXPECT_EQ(BracketStart(std::vector<double>{NAN, 1, 2}).m_order, EScaleOrder::General);
}

CAttribute Scale(std::vector<double> values, std::vector<double> utilities) {
  CAttribute a;
  a.m_nGrades = static_cast<int>(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    a.SetGradeValue(static_cast<int>(i), values[i]);
    a.SetGradeUtility(static_cast<int>(i), utilities[i]);
  }
  return a;
}

TEST(ValueToUtility, InterpolatesBetweenGradesAndClampsBeyondThem) {
  CAttribute a = Scale({10, 20, 30}, {0, 0.6, 1});
  EXPECT_NEAR(ValueToUtility(a, 15), 0.3, 1e-15);
  EXPECT_NEAR(ValueToUtility(a, 25), 0.8, 1e-15);
  EXPECT_EQ(ValueToUtility(a, 5), 0.0);
  EXPECT_EQ(ValueToUtility(a, 40), 1.0);
  EXPECT_EQ(ValueToUtility(a, 20), 0.6);
}

TEST(ValueToUtility, DecreasingScale) {
  CAttribute a = Scale({50, 30, 10}, {0, 0.5, 1});
  EXPECT_NEAR(ValueToUtility(a, 40), 0.25, 1e-15);
  EXPECT_NEAR(ValueToUtility(a, 20), 0.75, 1e-15);
  EXPECT_EQ(ValueToUtility(a, 0), 1.0);
  EXPECT_EQ(ValueToUtility(a, 60), 0.0);
}

CAlternative WithBeliefs(std::vector<double> utilities, std::vector<double> beliefs) {
  CAlternative alt;
  CAssessment& r = alt.Record(1);
  r.m_nGrades = static_cast<int>(utilities.size());
  for (size_t i = 0; i < utilities.size(); ++i) {
    r.SetGradeUtility(static_cast<int>(i), utilities[i]);
    r.m_dBelief[i] = beliefs[i];
  }
  return alt;
}

TEST(UtilityInterval, UnassignedDegreeGoesToBestAndWorstGrade) {
  CAlternative alt = WithBeliefs({0, 1}, {0.5, 0.3});
  UtilityInterval(alt, 1);
  const CAssessment& r = alt.Record(1);
  EXPECT_NEAR(r.m_dMaxUtility, 0.5, 1e-15);
  EXPECT_NEAR(r.m_dMinUtility, 0.3, 1e-15);
  EXPECT_NEAR(r.m_dAvgUtility, 0.4, 1e-15);
  EXPECT_EQ(alt.m_dUtility, r.m_dAvgUtility);
}

TEST(UtilityInterval, RemainderBelowToleranceIsIgnored) {
  CAlternative alt = WithBeliefs({0, 0.5, 1}, {0.2, 0.3, 0.499999995});
  UtilityInterval(alt, 1);
  const CAssessment& r = alt.Record(1);
  EXPECT_EQ(r.m_dMaxUtility, r.m_dMinUtility);
  EXPECT_EQ(r.m_dAvgUtility, r.m_dMaxUtility);
  EXPECT_NEAR(r.m_dAvgUtility, 0.15 + 0.499999995, 1e-15);
}

TEST(UtilityInterval, FirstOfEqualExtremesIsTheBestGrade) {
  // Best grade 1 (first of the two maxima), worst grade 0 (before grade 4).
  CAlternative alt = WithBeliefs({0, 1, 1, 0.5, 0}, {0, 0, 0, 0.2, 0});
  UtilityInterval(alt, 1);
  const CAssessment& r = alt.Record(1);
  EXPECT_NEAR(r.m_dMaxUtility, 0.1 + 0.8, 1e-15);
  EXPECT_NEAR(r.m_dMinUtility, 0.1, 1e-15);
}

TEST(UtilityExtremes, FirstGradeOfHighestAndOfLowestUtility) {
  struct SCase {
    std::vector<double> utilities;
    int best;
    int worst;
  };
  const SCase cases[] = {
      {{0, 1, 1, 0.5, 0}, 1, 0},
      {{0.2, 0.4, 0.9}, 2, 0},
      {{1, 0.5, 0}, 0, 2},
      {{0.5, 0.5 + 5e-9, 0.5 - 5e-9}, 0, 0},  // within the tolerance: ties
      {{0.3}, 0, 0},
  };
  for (const SCase& c : cases) {
    const CAlternative alt = WithBeliefs(c.utilities, std::vector<double>(c.utilities.size()));
    const SUtilityExtremes extremes = UtilityExtremes(alt.Record(1));
    EXPECT_EQ(extremes.m_nBest, c.best) << c.utilities.size();
    EXPECT_EQ(extremes.m_nWorst, c.worst) << c.utilities.size();
  }
}

TEST(UtilityInterval, CompleteIgnoranceSpansTheWholeScale) {
  CAlternative alt = WithBeliefs({0.2, 0.4, 0.9}, {0, 0, 0});
  UtilityInterval(alt, 1);
  const CAssessment& r = alt.Record(1);
  EXPECT_EQ(r.m_dMinUtility, 0.2);
  EXPECT_EQ(r.m_dMaxUtility, 0.9);
  EXPECT_NEAR(r.m_dAvgUtility, 0.55, 1e-15);
}

// Record 1 uncertain on 0 .. 100, with utility 0.8 at 50.
CAlternative UncertainOnKinkedScale() {
  CAlternative alt;
  CAssessment& r = alt.Record(1);
  r.m_nType = QuantitativeUncertain;
  r.m_dBest = 100;
  r.m_dWorst = 0;
  r.m_nGrades = 3;
  r.SetGradeValue(0, 0);
  r.SetGradeValue(1, 50);
  r.SetGradeValue(2, 100);
  r.SetGradeUtility(0, 0);
  r.SetGradeUtility(1, 0.8);
  r.SetGradeUtility(2, 1);
  return alt;
}

TEST(ValueUtilityInterval, UncertainRemainderSpansBestToWorst) {
  CAlternative alt = UncertainOnKinkedScale();
  CAssessment& r = alt.Record(1);
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[0] = 20;
  r.m_dBelief[0] = 0.5;
  r.m_dPossibleValue[1] = 30;
  r.m_dBelief[1] = 0.3;
  ValueUtilityInterval(alt, 1);
  // T = 19, high value 39, low value 19, average value 29.
  EXPECT_NEAR(alt.m_dUtility, 29, 1e-12);
  EXPECT_NEAR(r.m_dMaxUtility, ValueToUtility(r, 39), 1e-15);
  EXPECT_NEAR(r.m_dMinUtility, ValueToUtility(r, 19), 1e-15);
  EXPECT_NEAR(r.m_dAvgUtility, ValueToUtility(r, 29), 1e-15);
  EXPECT_NEAR(r.m_dMaxUtility, 0.8 * 39 / 50, 1e-12);
  EXPECT_NEAR(r.m_dMinUtility, 0.8 * 19 / 50, 1e-12);
  // The utility of the average value, not the mean of the two utilities.
  EXPECT_NEAR(r.m_dAvgUtility, 0.8 * 29 / 50, 1e-12);
}

TEST(ValueUtilityInterval, AverageIsTheUtilityOfTheAverageValue) {
  CAlternative alt = UncertainOnKinkedScale();
  CAssessment& r = alt.Record(1);
  r.m_nPossibleValues = 1;
  r.m_dPossibleValue[0] = 50;
  r.m_dBelief[0] = 0.5;
  ValueUtilityInterval(alt, 1);
  // Values 25 .. 75 around 50: utilities 0.4 and 0.9, but 0.8 at 50.
  EXPECT_NEAR(r.m_dMinUtility, 0.4, 1e-12);
  EXPECT_NEAR(r.m_dMaxUtility, 0.9, 1e-12);
  EXPECT_NEAR(r.m_dAvgUtility, 0.8, 1e-12);
}

TEST(ValueUtilityInterval, PreciseRemainderGoesToLargestAndSmallestPossibleValue) {
  CAlternative alt;
  CAssessment& r = alt.Record(1);
  r.m_nType = Quantitative;
  r.m_dBest = 100;
  r.m_dWorst = 0;
  r.m_nGrades = 2;
  r.SetGradeValue(0, 0);
  r.SetGradeValue(1, 100);
  r.SetGradeUtility(0, 0);
  r.SetGradeUtility(1, 1);
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[0] = 40;
  r.m_dBelief[0] = 0.5;
  r.m_dPossibleValue[1] = 60;
  r.m_dBelief[1] = 0.25;
  ValueUtilityInterval(alt, 1);
  // Sum 35; high 35 + 0.25 * 60 = 50, low 35 + 0.25 * 40 = 45.
  EXPECT_NEAR(r.m_dMaxUtility, 0.50, 1e-12);
  EXPECT_NEAR(r.m_dMinUtility, 0.45, 1e-12);
  EXPECT_NEAR(alt.m_dUtility, 47.5, 1e-12);

  // A confirmed precise value: one possible value with degree 1.
  r.m_nPossibleValues = 1;
  r.m_dPossibleValue[0] = 70;
  r.m_dBelief[0] = 1;
  ValueUtilityInterval(alt, 1);
  EXPECT_NEAR(r.m_dMinUtility, 0.7, 1e-15);
  EXPECT_EQ(r.m_dMinUtility, r.m_dMaxUtility);
  EXPECT_EQ(alt.m_dUtility, 70);
}

}  // namespace
}  // namespace zev
