#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "engine/evidential_reasoning.h"

namespace zev {
namespace {

struct SCombined {
  std::vector<double> m_beliefs;
  double m_dUnassigned = 0.0;
  std::vector<double> m_weights;
};

SCombined Combine(std::vector<double> weights, const std::vector<std::vector<double>>& rows) {
  const int n = static_cast<int>(rows.front().size());
  std::vector<double> table;
  for (const auto& row : rows) table.insert(table.end(), row.begin(), row.end());
  std::vector<double> result(static_cast<size_t>(n + 1), -1.0);
  CombineEvidence(weights, table, n, result);
  SCombined c;
  c.m_beliefs.assign(result.begin(), result.begin() + n);
  c.m_dUnassigned = result[static_cast<size_t>(n)];
  c.m_weights = weights;
  return c;
}

TEST(CombineEvidence, OneChildKeepsItsAssessmentWhateverItsWeight) {
  SCombined c = Combine({0.5}, {{0.2, 0.8}});
  EXPECT_EQ(c.m_weights[0], 1.0);
  EXPECT_NEAR(c.m_beliefs[0], 0.2, 1e-15);
  EXPECT_NEAR(c.m_beliefs[1], 0.8, 1e-15);
  EXPECT_NEAR(c.m_dUnassigned, 0.0, 1e-15);

  SCombined incomplete = Combine({3.0}, {{0.1, 0.2, 0.3}});
  EXPECT_NEAR(incomplete.m_beliefs[0], 0.1, 1e-15);
  EXPECT_NEAR(incomplete.m_beliefs[1], 0.2, 1e-15);
  EXPECT_NEAR(incomplete.m_beliefs[2], 0.3, 1e-15);
  EXPECT_NEAR(incomplete.m_dUnassigned, 0.4, 1e-15);
}

TEST(CombineEvidence, TwoConflictingChildrenSplitEvenly) {
  // C = 0.25, K = 1/0.75, m(1) = m(2) = K * 0.25, m-H = 1/3, D = 2/3.
  SCombined c = Combine({1, 1}, {{1, 0}, {0, 1}});
  EXPECT_NEAR(c.m_beliefs[0], 0.5, 1e-15);
  EXPECT_NEAR(c.m_beliefs[1], 0.5, 1e-15);
  EXPECT_NEAR(c.m_dUnassigned, 0.0, 1e-15);
  EXPECT_EQ(c.m_weights, (std::vector<double>{0.5, 0.5}));
}

TEST(CombineEvidence, IgnorantChildLeavesAThirdUnassigned) {
  // C = 0, K = 1, m(1) = 0.5, m~H = 0.25, m-H = 0.25, D = 0.75.
  SCombined c = Combine({1, 1}, {{1, 0}, {0, 0}});
  EXPECT_NEAR(c.m_beliefs[0], 2.0 / 3.0, 1e-15);
  EXPECT_NEAR(c.m_beliefs[1], 0.0, 1e-15);
  EXPECT_NEAR(c.m_dUnassigned, 1.0 / 3.0, 1e-15);
}

TEST(CombineEvidence, ThreeChildrenWorkedByHand) {
  // After two children: m = (1/4, 1/4), m~H = 0, m-H = 1/2. The third
  // (0.5 on grade 1): C = 1/24, K = 24/23, m = (8/23, 5/23), m~H = 2/23,
  // m-H = 8/23, D = 15/23.
  SCombined c = Combine({1, 1, 1}, {{1, 0}, {0, 1}, {0.5, 0}});
  EXPECT_NEAR(c.m_beliefs[0], 8.0 / 15.0, 1e-15);
  EXPECT_NEAR(c.m_beliefs[1], 1.0 / 3.0, 1e-15);
  EXPECT_NEAR(c.m_dUnassigned, 2.0 / 15.0, 1e-15);
}

TEST(CombineEvidence, AllZeroWeightsGiveCompleteIgnorance) {
  SCombined c = Combine({0, 0, 0}, {{1, 0}, {0, 1}, {0.5, 0.5}});
  EXPECT_EQ(c.m_weights, (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(c.m_beliefs, (std::vector<double>{0, 0}));
  EXPECT_EQ(c.m_dUnassigned, 0.0);
}

TEST(CombineEvidence, TinyWeightSumIsRaisedToTheFloor) {
  // Weights summing to 1e-7 are divided by 1e-6, not by their sum: the
  // single child counts with weight 0.1 and its assessment is scaled back
  // up by D = 0.1.
  SCombined c = Combine({1e-7}, {{0.4, 0.6}});
  EXPECT_NEAR(c.m_weights[0], 0.1, 1e-15);
  EXPECT_NEAR(c.m_beliefs[0], 0.4, 1e-12);
  EXPECT_NEAR(c.m_beliefs[1], 0.6, 1e-12);
}

TEST(CombineEvidence, ZeroWeightChildDoesNotCount) {
  SCombined with = Combine({1, 0, 2}, {{0.2, 0.5, 0.1}, {1, 0, 0}, {0, 0.3, 0.6}});
  SCombined without = Combine({1, 2}, {{0.2, 0.5, 0.1}, {0, 0.3, 0.6}});
  for (int g = 0; g < 3; ++g) EXPECT_NEAR(with.m_beliefs[g], without.m_beliefs[g], 1e-15);
  EXPECT_NEAR(with.m_dUnassigned, without.m_dUnassigned, 1e-15);
}

TEST(CombineEvidence, CompleteConflictCapsTheNormalisation) {
  // Valid degrees keep 1 - C at 0.75 or more; degrees above one (a damaged
  // matrix) drive C to 1, where K stays at 1/1e-6 and D at 1e-6. With
  // degree 2 on different grades: C = 1, m = (0, 0), m~H = -0.25 K,
  // m-H = 0.25 K, and D is floored.
  SCombined c = Combine({1, 1}, {{2, 0}, {0, 2}});
  EXPECT_EQ(c.m_beliefs[0], 0.0);
  EXPECT_EQ(c.m_beliefs[1], 0.0);
  EXPECT_NEAR(c.m_dUnassigned, -0.25e6 / 1e-6, 1e-3);
  for (double d : c.m_beliefs) EXPECT_TRUE(std::isfinite(d));
}

std::vector<std::vector<double>> RandomRows(std::mt19937_64& rng, int l, int n) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<std::vector<double>> rows(static_cast<size_t>(l),
                                        std::vector<double>(static_cast<size_t>(n)));
  for (auto& row : rows) {
    double total = 0.0;
    for (double& d : row) {
      d = unit(rng) < 0.3 ? 0.0 : unit(rng);
      total += d;
    }
    // Complete or incomplete, never above one.
    const double scale = (unit(rng) < 0.5 ? 1.0 : unit(rng)) / (total > 0 ? total : 1.0);
    for (double& d : row) d *= scale;
  }
  return rows;
}

TEST(CombineEvidence, DegreesAndUnassignedSumToOne) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 2000; ++trial) {
    const int l = 1 + static_cast<int>(rng() % 12);
    const int n = 1 + static_cast<int>(rng() % 20);
    std::vector<double> weights(static_cast<size_t>(l));
    for (double& w : weights) w = unit(rng) < 0.1 ? 0.0 : unit(rng) * 3;
    if (std::accumulate(weights.begin(), weights.end(), 0.0) <= 1e-6) weights[0] = 1.0;
    SCombined c = Combine(weights, RandomRows(rng, l, n));
    double total = c.m_dUnassigned;
    for (double d : c.m_beliefs) {
      EXPECT_GE(d, -1e-15);
      total += d;
    }
    ASSERT_NEAR(total, 1.0, 1e-12) << "trial " << trial;
    EXPECT_GE(c.m_dUnassigned, -1e-15);
  }
}

TEST(CombineEvidence, ResultDoesNotDependOnTheOrderOfTheChildren) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 500; ++trial) {
    const int l = 2 + static_cast<int>(rng() % 10);
    const int n = 1 + static_cast<int>(rng() % 8);
    std::vector<double> weights(static_cast<size_t>(l));
    for (double& w : weights) w = unit(rng) < 0.1 ? 0.0 : unit(rng);
    weights[0] += 0.1;
    auto rows = RandomRows(rng, l, n);
    SCombined first = Combine(weights, rows);
    std::vector<size_t> order(static_cast<size_t>(l));
    std::iota(order.begin(), order.end(), 0);
    for (int shuffle = 0; shuffle < 4; ++shuffle) {
      std::shuffle(order.begin(), order.end(), rng);
      std::vector<double> w2;
      std::vector<std::vector<double>> r2;
      for (size_t i : order) {
        w2.push_back(weights[i]);
        r2.push_back(rows[i]);
      }
      SCombined other = Combine(w2, r2);
      for (int g = 0; g < n; ++g) ASSERT_NEAR(first.m_beliefs[g], other.m_beliefs[g], 1e-12);
      ASSERT_NEAR(first.m_dUnassigned, other.m_dUnassigned, 1e-12);
    }
  }
}

TEST(CombineEvidence, AgreeingChildrenStayOnTheirGrade) {
  SCombined c = Combine({1, 2, 3, 4}, {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}});
  EXPECT_NEAR(c.m_beliefs[1], 1.0, 1e-15);
  EXPECT_NEAR(c.m_beliefs[0], 0.0, 1e-15);
  EXPECT_NEAR(c.m_dUnassigned, 0.0, 1e-15);
}

}  // namespace
}  // namespace zev
