#include <gtest/gtest.h>

#include "analysis/reevaluation.h"
#include "analysis/weight_sensitivity_presenter.h"
#include "tests/analysis/analysis_model.h"

namespace zev {
namespace {

using P = CWeightSensitivityPresenter;

// The sibling weights of Q, V and U.
std::vector<double> Weights(const test::SAnalysisModel& m) {
  return {m.doc.Attribute(m.q).m_dWeight, m.doc.Attribute(m.v).m_dWeight,
          m.doc.Attribute(m.u).m_dWeight};
}

void SetWeights(test::SAnalysisModel& m, std::vector<double> w) {
  m.doc.Attribute(m.q).m_dWeight = w[0];
  m.doc.Attribute(m.v).m_dWeight = w[1];
  m.doc.Attribute(m.u).m_dWeight = w[2];
}

void ExpectWeights(const test::SAnalysisModel& m, std::vector<double> expected) {
  const std::vector<double> w = Weights(m);
  for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(w[i], expected[i], 1e-12) << i;
}

TEST(WeightSensitivity, OpensOnTheCurrentAttributeWithFiveAlternativesAndTheTop) {
  test::SAnalysisModel m(7);
  m.doc.SetCurrentAttribute(m.v);
  P p(m.doc);
  EXPECT_EQ(p.WeightAttribute(), m.v);
  EXPECT_EQ(m.Selections(), (std::vector<int>{1, 1, 1, 1, 1, 3, 3}));
  EXPECT_EQ(p.RankingAttributes(), std::vector<int>{0});
  // Siblings weighing 1 put the axis to 1.11 on the scale to 10.
  const ChartContent& left = p.LeftChart();
  EXPECT_EQ(left.m_strTitle, "Change Weights for Top Attribute");
  EXPECT_EQ(left.m_strXTitle, "Attribute");
  EXPECT_EQ(left.m_strPointLabels, (std::vector<std::string>{"Q", "V", "U"}));
  EXPECT_NEAR(left.m_range->m_dMax, 1.11, 1e-12);
  EXPECT_EQ(p.Axis().m_nScale, 1);
  const ChartContent& right = p.RightChart();
  EXPECT_EQ(right.m_strTitle, "Ranking on Top Attribute");
  EXPECT_EQ(right.m_strXTitle, "Alternative");
  EXPECT_EQ(right.m_strYTitle, "Average score");
  ASSERT_EQ(right.SeriesCount(), 1);
  EXPECT_EQ(right.PointCount(), 5);
  EXPECT_EQ(right.Value(0, 4), m.doc.Alternative(4).Record(0).m_dAvgUtility);
  // The list shows the current attribute's values and the rankings.
  EXPECT_EQ(p.Rows()[1].m_strAssessment, "20.0000");
  EXPECT_EQ(m.user.Count(), 0u);
}

TEST(WeightSensitivity, RankChangeGraphRunsElevenWeightsOfTheScale) {
  struct SCase {
    std::vector<double> m_weights;
    double m_dAxisMax;
    const char* m_pszLast;
    double m_dLine;
  };
  const SCase cases[] = {
      {{0.5, 0.98, 0.2}, 0.99, "1.00", 5},
      {{5, 1, 2}, 5.1, "10.00", 5},
      {{20, 30, 50}, 51.1, "100.00", 2},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(3);
    SetWeights(m, c.m_weights);
    m.doc.SetCurrentAttribute(m.q);
    P p(m.doc);
    EXPECT_NEAR(p.LeftChart().m_range->m_dMax, c.m_dAxisMax, 1e-12);
    p.ShowGraph(P::EGraph::RankChange);
    const ChartContent& chart = p.RightChart();
    EXPECT_EQ(chart.m_strTitle, "Average scores of alternatives on Top Attribute");
    EXPECT_EQ(chart.m_strXTitle, "Weight of Q");
    EXPECT_EQ(chart.m_strYTitle, "Average score");
    ASSERT_EQ(chart.PointCount(), 11);
    EXPECT_EQ(chart.m_strPointLabels[0], "0.00");
    EXPECT_EQ(chart.m_strPointLabels[10], c.m_pszLast);
    ASSERT_TRUE(chart.m_line);
    EXPECT_EQ(chart.m_line->m_strLabel, "Given weight");
    EXPECT_NEAR(chart.m_line->m_dPosition, c.m_dLine, 1e-12);
    // Q's weight and the results are put back.
    ExpectWeights(m, c.m_weights);
    const double utility = m.doc.Alternative(1).m_dUtility;
    ReevaluateKeepingMarks(m.doc);
    EXPECT_EQ(m.doc.Alternative(1).m_dUtility, utility);
    // At Q's weight 0 alternative 1 differs from alternative 2 only on Q.
    EXPECT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.m_series[1].m_strLegend, "Alternative 2");
    EXPECT_NE(chart.Value(1, 10), chart.Value(2, 10));
    EXPECT_FALSE(m.doc.IsModified());
  }
}

TEST(WeightSensitivity, DraggedWeightIsClampedByTheScale) {
  struct SCase {
    std::vector<double> m_start;
    int m_nBar;
    double m_dValue;
    double m_dStored;
  };
  const SCase cases[] = {
      {{0.2, 0.3, 0.5}, 1, 1.5, 1.0},   {{0.2, 0.3, 0.5}, 2, -1, 0.0},
      {{0.2, 0.3, 0.5}, 0, 0.45, 0.45}, {{2, 3, 5}, 2, 12, 10},
      {{2, 3, 5}, 2, 10 + 5e-9, 10},    {{20, 30, 50}, 0, 150, 100},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(3);
    SetWeights(m, c.m_start);
    m.doc.SetCurrentAttribute(m.q);
    P p(m.doc);
    p.DragWeight(c.m_nBar, c.m_dValue);
    EXPECT_EQ(Weights(m)[static_cast<size_t>(c.m_nBar)], c.m_dStored) << c.m_dValue;
    const int bars[] = {m.q, m.v, m.u};
    EXPECT_EQ(p.WeightAttribute(), bars[c.m_nBar]);
    EXPECT_TRUE(p.WeightsChanged());
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_EQ(p.LeftChart().Value(0, c.m_nBar), c.m_dStored);
  }
}

TEST(WeightSensitivity, WeightsChangedElsewhereAreDrawnAgain) {
  test::SAnalysisModel m(2);
  m.doc.SetCurrentAttribute(m.v);
  P p(m.doc);
  SetWeights(m, {5, 1, 1});
  p.FollowDocument({EDocChange::Attribute, m.v, -1});
  EXPECT_EQ(p.LeftChart().Value(0, 0), 5.0);
  EXPECT_NEAR(p.LeftChart().m_range->m_dMax, 5.1, 1e-12);
}

TEST(WeightSensitivity, DragInRankingModeKeepsTheWeightAttribute) {
  test::SAnalysisModel m(3);
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);
  p.SetTreeMode(P::ETreeMode::RankOn);
  p.DragWeight(2, 0.5);
  EXPECT_EQ(p.WeightAttribute(), m.q);
  EXPECT_EQ(m.doc.Attribute(m.u).m_dWeight, 0.5);
}

TEST(WeightSensitivity, NormaliseDividesBySiblingSumAndSwitchingOffRestores) {
  struct SCase {
    std::vector<double> m_start, m_normalised;
  };
  const SCase cases[] = {
      {{20, 30, 50}, {20, 30, 50}},
      {{1, 1, 2}, {2.5, 2.5, 5}},
      {{0.2, 0.3, 0.1}, {1.0 / 3, 0.5, 1.0 / 6}},
      {{0, 0, 0}, {0, 0, 0}},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(3);
    SetWeights(m, c.m_start);
    m.doc.SetCurrentAttribute(m.q);
    P p(m.doc);
    p.SetNormalise(true);
    ExpectWeights(m, c.m_normalised);
    EXPECT_TRUE(p.WeightsChanged());
    p.SetNormalise(false);
    ExpectWeights(m, c.m_start);
  }
  // A drag under Normalise keeps the siblings summing to the scale's top.
  test::SAnalysisModel m(3);
  SetWeights(m, {1, 1, 2});
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);
  p.SetNormalise(true);
  p.DragWeight(2, 10);
  ExpectWeights(m, {10.0 / 6, 10.0 / 6, 40.0 / 6});
  p.SetNormalise(false);
  ExpectWeights(m, {4.0 / 6, 4.0 / 6, 16.0 / 6});
}

TEST(WeightSensitivity, GraphsRefuseWithoutMarks) {
  const std::string attribute = "one attribute has to be selected.";
  const std::string alternative = "one alternative has to be selected.";
  struct SCase {
    P::EGraph m_graph;
    bool m_bNoAttribute;
    const char* m_pszHeading;
  };
  const SCase cases[] = {
      {P::EGraph::Ranking, true, "To draw a ranking graph, at least\n"},
      {P::EGraph::Ranking, false, "To draw a ranking graph, at least\n"},
      {P::EGraph::RankChange, true, "To draw an average score graph, at least\n"},
      {P::EGraph::RankChange, false, "To draw an average score graph, at least\n"},
      {P::EGraph::Belief, true, "To draw a belief graph, at least\n"},
      {P::EGraph::Belief, false, "To draw a belief graph, at least\n"},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(2);
    m.doc.SetCurrentAttribute(m.q);
    P p(m.doc);
    p.SetTreeMode(P::ETreeMode::RankOn);
    if (c.m_bNoAttribute) {
      p.ClickAttribute(0);
    } else {
      for (int pos : {0, 1}) m.doc.Alternative(pos).m_nSelection = 3;
    }
    m.user.Clear();
    const ChartContent before = p.RightChart();
    p.ShowGraph(c.m_graph);
    EXPECT_EQ(m.user.Texts().back(), c.m_pszHeading + (c.m_bNoAttribute ? attribute : alternative));
    EXPECT_EQ(p.RightChart(), before);
  }
}

TEST(WeightSensitivity, BeliefGraphOfTheRankingAttribute) {
  test::SAnalysisModel m(2);
  m.doc.SetCurrentAttribute(m.v);
  P p(m.doc);
  p.SetTreeMode(P::ETreeMode::RankOn);
  p.ClickAttribute(m.v);
  p.ChooseRankingAttribute(m.v);
  p.ShowGraph(P::EGraph::Belief);
  EXPECT_EQ(m.user.OnlyText(),
            "To draw a belief graph, the selected\nattribute must be a qualitative attribute.");
  p.ChooseRankingAttribute(m.q);
  p.ClickAttribute(m.q);
  p.ShowGraph(P::EGraph::Belief);
  const ChartContent& chart = p.RightChart();
  EXPECT_EQ(chart.m_strTitle, "Belief degrees on Q");
  EXPECT_EQ(chart.m_strXTitle, "Evaluation grades of Q");
  EXPECT_EQ(chart.m_strYTitle, "Belief degree");
  EXPECT_EQ(chart.m_strPointLabels,
            (std::vector<std::string>{"Worst", "Poor", "Average", "Good", "Best"}));
  EXPECT_EQ(chart.m_series[1].m_dValues, (std::vector<double>{0, 1, 0, 0, 0}));
}

TEST(WeightSensitivity, RestartPutsBackTheOpeningState) {
  test::SAnalysisModel m(7);
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);
  p.SetNormalise(true);
  p.DragWeight(1, 7);
  p.SetTreeMode(P::ETreeMode::RankOn);
  p.ClickAttribute(m.u);
  p.SetHighlighted({6});
  p.SelectOne();
  p.Restart();
  ExpectWeights(m, {1, 1, 1});
  EXPECT_FALSE(p.Normalise());
  EXPECT_FALSE(p.WeightsChanged());
  EXPECT_EQ(p.RankingAttributes(), std::vector<int>{0});
  EXPECT_EQ(m.Selections(), (std::vector<int>{1, 1, 1, 1, 1, 3, 3}));
  EXPECT_EQ(p.LeftChart().Value(0, 1), 1.0);
}

TEST(WeightSensitivity, ClosingAsksToKeepChangedWeights) {
  struct SCase {
    std::vector<double> m_start;
    EAnswer m_answer;  // Cancel: no question expected
    std::vector<double> m_end;
  };
  const SCase cases[] = {
      {{0.2, 0.3, 0.5}, EAnswer::No, {0.2, 0.3, 0.5}},
      {{0.2, 0.3, 0.5}, EAnswer::Yes, {2.0 / 7, 3.0 / 7, 2.0 / 7}},
      {{0.2, 0.3, 0.5}, EAnswer::Cancel, {0.2, 0.3, 0.5}},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(3);
    SetWeights(m, c.m_start);
    m.doc.SetCurrentAttribute(m.q);
    P p(m.doc);
    if (c.m_answer != EAnswer::Cancel) {
      p.SetNormalise(true);
      p.DragWeight(2, 0.2);
      m.user.Answer(c.m_answer);
    }
    p.Close();
    ExpectWeights(m, c.m_end);
    if (c.m_answer != EAnswer::Cancel) {
      EXPECT_EQ(m.user.OnlyText(), "Do you want to save the changed weights?");
      EXPECT_EQ(m.user.Last().m_buttons, EButtons::YesNo);
      EXPECT_EQ(m.user.Last().m_nDefaultButton, 1);
    } else {
      EXPECT_EQ(m.user.Count(), 0u);
    }
  }
  test::SAnalysisModel m(2);
  for (int k = 0; k <= m.doc.LastAttribute(); ++k) m.doc.Attribute(k).m_dWeight = 0;
  m.doc.SetCurrentAttribute(m.q);
  P(m.doc).Close();
  EXPECT_EQ(m.user.OnlyText(), "Zero weights are wrongly assigned to all the attributes\n");
}

TEST(WeightSensitivity, TreeClicksPickTheWeightAttributeOrToggleRankingMarks) {
  test::SAnalysisModel m(2);
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);
  p.ClickAttribute(m.u);
  EXPECT_EQ(p.WeightAttribute(), m.u);
  p.ClickAttribute(0);
  EXPECT_EQ(m.user.OnlyText(),
            "To draw a weight graph, at least\none sub-attribute has to be selected.");
  EXPECT_EQ(p.WeightAttribute(), m.u);

  p.SetTreeMode(P::ETreeMode::RankOn);
  p.ClickAttribute(m.v);
  p.ClickAttribute(m.q);
  EXPECT_EQ(p.RankingAttributes(), (std::vector<int>{0, m.q, m.v}));
  EXPECT_EQ(p.RankingAttribute(), 0);
  EXPECT_EQ(p.RightChart().m_strTitle, "Ranking on Top Attribute, Q, V");
  EXPECT_EQ(p.RightChart().SeriesCount(), 3);
  p.ClickAttribute(0);
  EXPECT_EQ(p.RankingAttribute(), m.q);
  EXPECT_EQ(p.WeightAttribute(), m.u);
}

}  // namespace
}  // namespace zev
