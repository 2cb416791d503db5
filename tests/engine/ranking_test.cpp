#include "engine/ranking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "tests/support/scripted_user.h"

namespace zev {
namespace {

std::vector<int> Rank(const std::vector<double>& scores) {
  std::vector<int> fast(scores.size(), 0);
  std::vector<int> literal(scores.size(), 0);
  RankScores(scores, fast);
  RankScoresByScan(scores, literal);
  EXPECT_EQ(fast, literal);
  return fast;
}

TEST(RankScores, NearlyEqualScoresKeepListOrderAndShareRanking) {
  // 0.700004 is not 1e-5 above 0.70, so 0.70 is taken first; both rank 1.
  EXPECT_EQ(Rank({0.70, 0.700004, 0.5}), (std::vector<int>{1, 1, 3}));
}

TEST(RankScores, DistinctScores) {
  EXPECT_EQ(Rank({0.2, 0.9, 0.5, 0.7}), (std::vector<int>{4, 1, 3, 2}));
}

TEST(RankScores, TieToleranceBoundary) {
  // A later score beats only when it is at least 1e-5 higher.
  EXPECT_EQ(Rank({0.5, 0.5 + 1.00001e-5}), (std::vector<int>{2, 1}));
  EXPECT_EQ(Rank({0.5, 0.5 + 0.99999e-5}), (std::vector<int>{1, 1}));
  // 0.50001 - 0.5 falls a hair short of 1e-5 in doubles: no replacement.
  EXPECT_EQ(Rank({0.5, 0.50001}), (std::vector<int>{1, 1}));
  // 0.500009 is within the tolerance: first in list order wins, a tie.
  EXPECT_EQ(Rank({0.5, 0.500009}), (std::vector<int>{1, 1}));
  // Below by 1e-5 exactly in the tie test counts as a tie (at least -1e-5).
  EXPECT_EQ(Rank({0.25, 0.25 - 0.0000099}), (std::vector<int>{1, 1}));
  EXPECT_EQ(Rank({0.25, 0.25 - 0.0000101}), (std::vector<int>{1, 2}));
}

TEST(RankScores, TiesChainToThePreviouslySelected) {
  // 0.700016 beats 0.70 (1.6e-5 higher) and is ranked first; 0.70 comes
  // next and is 1.6e-5 below it: ranking 2; 0.700008 is within 1e-5 of the
  // 0.70 selected just before it, so it shares ranking 2.
  EXPECT_EQ(Rank({0.70, 0.700008, 0.700016}), (std::vector<int>{2, 2, 1}));
  // A run of steps of 0.6e-5: each is within 1e-5 of the one before it.
  EXPECT_EQ(Rank({0.5, 0.500006, 0.500012, 0.500018}), (std::vector<int>{3, 3, 1, 1}));
}

TEST(RankScores, EqualScoresAllShareTheFirstRanking) {
  EXPECT_EQ(Rank({0.4, 0.4, 0.4, 0.1, 0.4}), (std::vector<int>{1, 1, 1, 5, 1}));
}

TEST(RankScores, ScoresBelowTheStartAndNotNumbersAreStillRanked) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<int> r = Rank({-2e10, 0.5, nan, -3e10, inf, -inf});
  // Everything gets a ranking from 1 to 6 and nothing is left at 0.
  for (int x : r) {
    EXPECT_GE(x, 1);
    EXPECT_LE(x, 6);
  }
  EXPECT_EQ(r[4], 1);  // infinity
  EXPECT_EQ(r[1], 2);  // 0.5
  std::vector<int> all = Rank({-2e10, -3e10});
  EXPECT_EQ(all, (std::vector<int>{1, 2}));
}

TEST(RankScores, EmptyAndSingle) {
  EXPECT_TRUE(Rank({}).empty());
  EXPECT_EQ(Rank({0.3}), (std::vector<int>{1}));
}

// The chain-of-running-bests selection against the literal passes, on
// scores packed on a grid finer than the tolerance so that most
// comparisons are near-ties, ties at exactly 1e-5 steps included.
TEST(RankScores, EqualsTheLiteralSelectionOnManyNearTies) {
  std::mt19937_64 rng(20240611);
  const double steps[] = {0.25e-5, 0.5e-5, 1e-5, 0.999e-5, 1.001e-5, 0.3e-5};
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 1 + static_cast<int>(rng() % (trial < 2500 ? 40 : 400));
    const double step = steps[rng() % 6];
    const int spread = 1 + static_cast<int>(rng() % 12);
    const double base = (rng() % 3 == 0) ? 0.5 : static_cast<double>(rng() % 1000) / 999.0;
    std::vector<double> scores(static_cast<size_t>(n));
    for (double& s : scores) {
      s = base + step * static_cast<double>(rng() % static_cast<unsigned>(spread));
      if (rng() % 50 == 0) s = std::nextafter(s, 2.0);
      if (rng() % 200 == 0) s = -2e10;
      if (rng() % 400 == 0) s = std::numeric_limits<double>::quiet_NaN();
      if (rng() % 400 == 0) s = std::numeric_limits<double>::infinity();
    }
    std::vector<int> fast(scores.size());
    std::vector<int> literal(scores.size());
    RankScores(scores, fast);
    RankScoresByScan(scores, literal);
    ASSERT_EQ(fast, literal) << "trial " << trial;
  }
}

CMADMDoc& DocWithScores(CMADMDoc& doc, const std::vector<double>& values, std::uint16_t type,
                        double best, double worst) {
  doc.OnNewDocument();
  doc.SetCurrentAttribute(0);
  doc.InsertAttributeRight();
  const int k = doc.CurrentAttribute();
  CAttribute& a = doc.Attribute(k);
  a.m_nType = type;
  a.m_dBest = best;
  a.m_dWorst = worst;
  while (doc.AlternativeCount() < static_cast<int>(values.size())) doc.AddAlternativeCommand();
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    CAlternative& alt = doc.Alternative(pos);
    doc.PrepareAlternative(alt);
    CAssessment& r = alt.Record(k);
    r.m_dValue = values[static_cast<size_t>(pos)];
    // The average utility runs against the value, so the test can tell
    // which of the two the ranking used.
    r.m_dAvgUtility = 1.0 - values[static_cast<size_t>(pos)] / 100.0;
    alt.m_nSelection = 3;
  }
  doc.SetCurrentAttribute(k);
  return doc;
}

std::vector<int> Rankings(const CMADMDoc& doc) {
  std::vector<int> r;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos)
    r.push_back(doc.Alternative(pos).m_nRanking);
  return r;
}

TEST(RankOnAttribute, PreciseQuantitativeRanksByValueAndReversesWhenBestIsSmaller) {
  test::CScriptedUser user;
  CMADMDoc doc;
  DocWithScores(doc, {10, 50, 90}, Quantitative, 0, 100);
  RankOnAttribute(doc);
  EXPECT_EQ(Rankings(doc), (std::vector<int>{3, 2, 1}));
  for (int pos = 0; pos < 3; ++pos) EXPECT_EQ(doc.Alternative(pos).m_nSelection, 1);
  EXPECT_TRUE(ReverseRankingIfNeeded(doc));
  EXPECT_EQ(Rankings(doc), (std::vector<int>{1, 2, 3}));
}

TEST(RankOnAttribute, UncertainQuantitativeRanksByUtilityAndAlsoReverses) {
  test::CScriptedUser user;
  CMADMDoc doc;
  DocWithScores(doc, {10, 50, 90}, QuantitativeUncertain, 0, 100);
  RankOnAttribute(doc);
  // By average utility 0.9, 0.5, 0.1.
  EXPECT_EQ(Rankings(doc), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(ReverseRankingIfNeeded(doc));
  EXPECT_EQ(Rankings(doc), (std::vector<int>{3, 2, 1}));
}

TEST(RankOnAttribute, NoReversalWhenBestIsLargerOrAttributeQualitative) {
  test::CScriptedUser user;
  CMADMDoc doc;
  DocWithScores(doc, {10, 50, 90}, Quantitative, 100, 0);
  RankOnAttribute(doc);
  EXPECT_FALSE(ReverseRankingIfNeeded(doc));
  EXPECT_EQ(Rankings(doc), (std::vector<int>{3, 2, 1}));

  CMADMDoc qualitative;
  DocWithScores(qualitative, {10, 50, 90}, Qualitative, 0, 100);
  RankOnAttribute(qualitative);
  EXPECT_FALSE(ReverseRankingIfNeeded(qualitative));
  EXPECT_EQ(Rankings(qualitative), (std::vector<int>{1, 2, 3}));
}

TEST(RankOnAttribute, BestAndWorstWithinToleranceCountAsBestSmaller) {
  test::CScriptedUser user;
  CMADMDoc doc;
  DocWithScores(doc, {10, 50}, Quantitative, 1.000005, 1.0);
  RankOnAttribute(doc);
  EXPECT_EQ(Rankings(doc), (std::vector<int>{2, 1}));
  EXPECT_TRUE(ReverseRankingIfNeeded(doc));
  EXPECT_EQ(Rankings(doc), (std::vector<int>{1, 2}));
}

TEST(RankOnAttribute, ReversalOfTiesKeepsThemTogether) {
  test::CScriptedUser user;
  CMADMDoc doc;
  DocWithScores(doc, {20, 20, 10}, Quantitative, 0, 100);
  RankOnAttribute(doc);
  EXPECT_EQ(Rankings(doc), (std::vector<int>{1, 1, 3}));
  ReverseRankingIfNeeded(doc);
  // N - r + 1.
  EXPECT_EQ(Rankings(doc), (std::vector<int>{3, 3, 1}));
}

}  // namespace
}  // namespace zev
