#include "analysis/sensitivity_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace zev {
namespace {

TEST(WeightAxis, ThreeStepsFromTheLargestWeight) {
  struct SCase {
    double m_dLargest, m_dMax;
    int m_nScale;
  };
  const SCase cases[] = {
      {0.98, 0.99, 0}, {0.995, 1.105, 1},
      {1.0, 1.11, 1},  {5, 5.1, 1},
      {9.9, 10.0, 1},  {10, 11.1, 2},
      {50, 51.1, 2},   {0, 0.01, 0},
      {150, 151.1, 2}, {1.0 + 1e-9, 1.110000001, 1},
  };
  for (const SCase& c : cases) {
    const SWeightAxis axis = WeightAxisFor(c.m_dLargest);
    EXPECT_NEAR(axis.m_dMax, c.m_dMax, 1e-12) << c.m_dLargest;
    EXPECT_EQ(axis.m_nScale, c.m_nScale) << c.m_dLargest;
  }
}

TEST(ClampWithTolerance, BoundsInEitherOrderAndTheirNeighbourhood) {
  const double cases[][4] = {
      // value, lo, hi, result
      {0.5, 0, 1, 0.5},    {-0.1, 0, 1, 0},    {1.3, 0, 1, 1},
      {1 - 5e-9, 0, 1, 1}, {5e-9, 0, 1, 0},    {250, 500, 0, 250},
      {-3, 500, 0, 0},     {700, 500, 0, 500}, {1 - 2e-8, 0, 1, 1 - 2e-8},
  };
  for (const auto& c : cases) EXPECT_EQ(ClampWithTolerance(c[0], c[1], c[2]), c[3]) << c[0];
}

TEST(DragDegree, ExcessTakenEquallyFromTheOthersThenScaled) {
  struct SCase {
    std::vector<double> m_start;
    int m_nDragged;
    double m_dValue;
    std::vector<double> m_expected;
  };
  const SCase cases[] = {
      {{0.5, 0.3, 0.2}, 0, 0.7, {0.7, 0.2, 0.1}},
      {{0.5, 0.3, 0.2}, 0, 1.3, {1 / 1.05, 0.05 / 1.05, 0}},
      {{0.5, 0.3, 0.2}, 2, -0.4, {0.5, 0.3, 0}},
      {{0.5, 0.3, 0.2}, 1, 0.1, {0.5, 0.1, 0.2}},
      // A zero degree gives nothing.
      {{0.5, 0, 0.2}, 0, 0.9, {0.9, 0, 0.1}},
      {{0.4, 0.6}, 0, 1 - 5e-9, {1, 0}},
      {{1}, 0, 0.25, {0.25}},
  };
  for (const SCase& c : cases) {
    std::vector<double> degrees = c.m_start;
    DragDegree(degrees, c.m_nDragged, c.m_dValue);
    ASSERT_EQ(degrees.size(), c.m_expected.size());
    for (size_t j = 0; j < degrees.size(); ++j) {
      EXPECT_NEAR(degrees[j], c.m_expected[j], 1e-15) << c.m_dValue << " at " << j;
    }
  }
}

}  // namespace
}  // namespace zev
