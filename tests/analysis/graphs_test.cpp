#include "analysis/graphs.h"

#include <gtest/gtest.h>

#include "tests/analysis/chart_models.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using V = std::vector<double>;
using S = std::vector<std::string>;

void ExpectValues(const SChartSeries& series, const V& expected) {
  ASSERT_EQ(series.m_dValues.size(), expected.size()) << series.m_strLegend;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(series.m_dValues[i], expected[i], 1e-15) << series.m_strLegend << " point " << i;
  }
}

TEST(ChartTexts, LabelRuleTitleCutAndValueLabels) {
  const struct {
    std::string in, label;
  } labels[] = {{"", ""},
                {"Nineteen characters", "Nineteen characters"},
                {"Twenty characters!!!", "Twenty characters!!!..."},
                {"Exceptionally good values", "Exceptionally good v..."}};
  for (const auto& c : labels) EXPECT_EQ(ChartLabel(c.in), c.label) << c.in;

  ChartContent chart;
  chart.SetTitle(std::string(99, 'x') + "yz");
  EXPECT_EQ(chart.m_strTitle, std::string(99, 'x') + "y");

  const struct {
    double d;
    const char* text;
  } values[] = {
      {2.0 / 3.0, "0.6666666667"},   {0.5, "0.5"},    {1.0, "1"}, {123456.7890123, "123456.789"},
      {17.5 / 26.0, "0.6730769231"}, {1e-12, "1e-12"}};
  for (const auto& c : values) EXPECT_EQ(ValueLabel(c.d), c.text) << c.d;
}

TEST(ChartContent, SeriesAreFittedToThePoints) {
  ChartContent chart;
  chart.m_strPointLabels = {"a", "b", "c"};
  ExpectValues(chart.AddSeries("short", {1}), {1, 0, 0});
  ExpectValues(chart.AddSeries("long", {1, 2, 3, 4}), {1, 2, 3});
  EXPECT_EQ(chart.Value(1, 2), 3);
  EXPECT_EQ(chart.Value(2, 0), 0);
  EXPECT_EQ(chart.Value(0, 3), 0);
}

// Each graph of the three-level model, from an unevaluated model, with the
// numbers worked out by hand (see chart_models.h).
class GraphsOfTheWorkedModel : public ::testing::Test {
 protected:
  std::vector<SGraphWindow> Draw(EGraph graph, int nAttribute, int nPosition = 0) {
    m.doc.SetCurrentAttribute(nAttribute);
    m.doc.SetCurrentPosition(nPosition);
    return DrawGraph(m.doc, graph);
  }
  test::CScriptedUser user;
  test::SChartModel m;
};

TEST_F(GraphsOfTheWorkedModel, BeliefDegreesAtTheSelection) {
  auto windows = Draw(EGraph::BeliefAtSelection, m.a);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].m_nWindow, kBeliefGraphWindow);
  const ChartContent& c = windows[0].m_chart;
  EXPECT_EQ(c.m_strTitle, "Worked on A");
  EXPECT_EQ(c.m_kind, EChartKind::Bars);
  EXPECT_EQ(c.m_strPointLabels, (S{"Worst", "Poor", "Average", "Unknown"}));
  ASSERT_EQ(c.SeriesCount(), 1);
  EXPECT_EQ(c.m_series[0].m_strLegend, "Worked");
  ExpectValues(c.m_series[0], {0, 0.6, 0.2, 0.2});
  EXPECT_EQ(c.m_nColourPoint, 3);
  EXPECT_FALSE(c.m_range);

  const ChartContent top = Draw(EGraph::BeliefAtSelection, 0)[0].m_chart;
  ExpectValues(top.m_series[0], {0, 15.0 / 26, 9.0 / 26, 2.0 / 26});

  // The other alternative was not assessed.
  EXPECT_FALSE(m.doc.Alternative(1).Record(0).m_bAssessed);
}

TEST_F(GraphsOfTheWorkedModel, DistributionOfQuantitativeValues) {
  const ChartContent uncertain = Draw(EGraph::BeliefAtSelection, m.a2)[0].m_chart;
  EXPECT_EQ(uncertain.m_strTitle, "Worked on A2 (\xA3)");
  EXPECT_EQ(uncertain.m_strXTitle, "Possible values");
  EXPECT_EQ(uncertain.m_strYTitle, "Probability");
  EXPECT_EQ(uncertain.m_strPointLabels, (S{"100.0000"}));
  ExpectValues(uncertain.m_series[0], {0.5});
  EXPECT_EQ(uncertain.m_nColourPoint, kNoColourPoint);

  const ChartContent precise = Draw(EGraph::BeliefAtSelection, m.b, 1)[0].m_chart;
  EXPECT_EQ(precise.m_strTitle, std::string(test::kBestName) + " on B (\xA3)");
  EXPECT_EQ(precise.m_strPointLabels, (S{"100.0000"}));
  ExpectValues(precise.m_series[0], {1});
}

TEST_F(GraphsOfTheWorkedModel, BeliefDegreesOfAllAlternatives) {
  auto windows = Draw(EGraph::Beliefs, m.a, 1);
  ASSERT_EQ(windows.size(), 1u);
  const ChartContent& c = windows[0].m_chart;
  EXPECT_EQ(c.m_strTitle, "Distributed Assessment on A");
  EXPECT_EQ(c.m_strPointLabels, (S{"Worst", "Poor", "Average", "Unknown"}));
  ASSERT_EQ(c.SeriesCount(), 2);
  EXPECT_EQ(c.m_series[0].m_strLegend, "Worked");
  EXPECT_EQ(c.m_series[1].m_strLegend, "The best of all poss...");
  ExpectValues(c.m_series[0], {0, 0.6, 0.2, 0.2});
  ExpectValues(c.m_series[1], {0, 0, 1, 0});
  EXPECT_EQ(c.m_nColourPoint, kNoColourPoint);
  // Everything was assessed, and ranked on the current attribute.
  EXPECT_TRUE(m.doc.Alternative(0).Record(0).m_bAssessed);
  EXPECT_EQ(m.doc.Alternative(1).m_nRanking, 1);
  EXPECT_EQ(m.doc.Alternative(0).m_nRanking, 2);
}

TEST_F(GraphsOfTheWorkedModel, UtilityIntervals) {
  auto one = Draw(EGraph::IntervalAtSelection, m.a);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].m_nWindow, kUtilityGraphWindow);
  const ChartContent& c = one[0].m_chart;
  EXPECT_EQ(c.m_strTitle, "Assessment of Worked on A");
  EXPECT_EQ(c.m_strPointLabels, (S{"Worst possible", "Average", "Best possible"}));
  EXPECT_EQ(c.m_strXTitle, "Utility interval");
  EXPECT_EQ(c.m_strYTitle, "Utility");
  ExpectValues(c.m_series[0], {0.5, 0.6, 0.7});

  auto all = Draw(EGraph::Intervals, 0);
  ASSERT_EQ(all.size(), 1u);
  const ChartContent& d = all[0].m_chart;
  EXPECT_EQ(d.m_strTitle, "Utility Intervals on Top Attribute");
  EXPECT_EQ(d.m_strXTitle, "Utility interval");
  ASSERT_EQ(d.SeriesCount(), 2);
  ExpectValues(d.m_series[0], {16.5 / 26, 17.5 / 26, 18.5 / 26});
  ExpectValues(d.m_series[1], {1, 1, 1});
}

TEST_F(GraphsOfTheWorkedModel, RankingWithAndWithoutIntervals) {
  // On the top one interval is wider than 1e-5: three stacked series.
  const ChartContent top = Draw(EGraph::Ranking, 0)[0].m_chart;
  EXPECT_EQ(top.m_strTitle, "Ranking of Alternatives on Top Attribute");
  EXPECT_EQ(top.m_strXTitle, "Alternative");
  EXPECT_EQ(top.m_strYTitle, "Score");
  EXPECT_EQ(top.m_kind, EChartKind::Stacked);
  EXPECT_EQ(top.m_strPointLabels, (S{"Worked", "The best of all poss..."}));
  ASSERT_EQ(top.SeriesCount(), 3);
  EXPECT_EQ(top.m_series[0].m_strLegend, "Minimum score");
  EXPECT_EQ(top.m_series[1].m_strLegend, "Average minus minimum");
  EXPECT_EQ(top.m_series[2].m_strLegend, "Maximum minus average");
  ExpectValues(top.m_series[0], {16.5 / 26, 1});
  ExpectValues(top.m_series[1], {1.0 / 26, 0});
  ExpectValues(top.m_series[2], {1.0 / 26, 0});
  EXPECT_EQ(top.m_series[1].m_strValueLabels, (S{"0.6730769231", "1"}));
  EXPECT_TRUE(top.m_series[0].m_strValueLabels.empty());

  // On B every interval is a point: one series of averages.
  const ChartContent b = Draw(EGraph::Ranking, m.b)[0].m_chart;
  EXPECT_EQ(b.m_kind, EChartKind::Bars);
  ASSERT_EQ(b.SeriesCount(), 1);
  EXPECT_EQ(b.m_series[0].m_strLegend, "Average score");
  ExpectValues(b.m_series[0], {0.75, 1});
  EXPECT_EQ(b.m_series[0].m_strValueLabels, (S{"0.75", "1"}));
}

TEST_F(GraphsOfTheWorkedModel, BeliefsOfAllAlternativesNeedAQualitativeAttribute) {
  m.doc.SetCurrentAttribute(m.b);
  EXPECT_FALSE(GraphIsEnabled(m.doc, EGraph::Beliefs));
  EXPECT_TRUE(DrawGraph(m.doc, EGraph::Beliefs).empty());
  EXPECT_TRUE(GraphIsEnabled(m.doc, EGraph::Ranking));
}

// One interval a hair wider than 1e-5 switches the whole chart to three
// series; a hair narrower does not.
TEST(RankingGraph, IntervalToleranceAcrossAllAlternatives) {
  for (const auto& [width, stacked] : {std::pair{1.1e-5, true}, std::pair{0.9e-5, false}}) {
    test::CScriptedUser user;
    CMADMDoc doc;
    doc.OnNewDocument();
    for (int k = 0; k < 5; ++k) doc.Attribute(0).SetGradeUtility(k, 0.25 * k);
    for (int i = 0; i < 24; ++i) doc.AddAlternativeCommand();
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
      CAssessment& r = doc.Alternative(pos).Record(0);
      std::fill(r.m_dBelief, r.m_dBelief + kMaxGrades, 0.0);
      // The unassigned rest is the width of the interval.
      r.m_dBelief[2] = pos == 24 ? 1.0 - width : 1.0;
    }
    auto windows = DrawGraph(doc, EGraph::Ranking);
    ASSERT_EQ(windows.size(), 2u);
    for (const SGraphWindow& w : windows) {
      EXPECT_EQ(w.m_chart.SeriesCount(), stacked ? 3 : 1) << width;
      EXPECT_EQ(w.m_chart.m_kind, stacked ? EChartKind::Stacked : EChartKind::Bars) << width;
    }
  }
}

// Graphs of all alternatives: (n - 1) / 20 + 1 windows, the last with the rest.
TEST(GraphWindows, TwentyAlternativesPerWindow) {
  const struct {
    int n;
    std::vector<int> points;
  } cases[] = {{1, {1}}, {20, {20}}, {21, {20, 1}}, {41, {20, 20, 1}}};
  for (const auto& c : cases) {
    test::CScriptedUser user;
    CMADMDoc doc;
    doc.OnNewDocument();
    for (int i = 1; i < c.n; ++i) doc.AddAlternativeCommand();
    for (EGraph graph : {EGraph::Ranking, EGraph::Beliefs, EGraph::Intervals}) {
      auto windows = DrawGraph(doc, graph);
      ASSERT_EQ(windows.size(), c.points.size()) << c.n;
      for (std::size_t w = 0; w < windows.size(); ++w) {
        const ChartContent& chart = windows[w].m_chart;
        const int shown = graph == EGraph::Ranking ? chart.PointCount() : chart.SeriesCount();
        EXPECT_EQ(shown, c.points[w]) << c.n << " window " << w;
      }
      // The windows follow the list order.
      const ChartContent& last = windows.back().m_chart;
      EXPECT_EQ(last.m_strTitle, windows.front().m_chart.m_strTitle);
    }
  }
}

// "Unknown" carries one minus the sum of the degrees when that exceeds 1e-8
// in magnitude, in a colour of its own.
TEST(BeliefGraph, UnknownPoint) {
  const struct {
    V beliefs;
    bool unknown;
    double value;
  } cases[] = {{{0.5, 0.4}, true, 0.1},         {{0.5, 0.5}, false, 0},
               {{0.5, 0.5 + 5e-9}, false, 0},   {{0.5, 0.5 - 5e-9}, false, 0},
               {{0.5, 0.5 - 2e-8}, true, 2e-8}, {{0.6, 0.6}, true, -0.2}};
  for (const auto& c : cases) {
    test::CScriptedUser user;
    CMADMDoc doc;
    doc.OnNewDocument();
    doc.Attribute(0).SetGradeName(0, "Exceptionally good values");
    CAlternative& alt = doc.Alternative(0);
    doc.PrepareAlternative(alt);
    std::fill(alt.Record(0).m_dBelief, alt.Record(0).m_dBelief + kMaxGrades, 0.0);
    for (std::size_t k = 0; k < c.beliefs.size(); ++k) alt.Record(0).m_dBelief[k] = c.beliefs[k];
    const ChartContent chart = DrawGraph(doc, EGraph::BeliefAtSelection)[0].m_chart;
    EXPECT_EQ(chart.m_strPointLabels[0], "Exceptionally good v...");
    ASSERT_EQ(chart.PointCount(), c.unknown ? 6 : 5) << c.beliefs[1];
    EXPECT_EQ(chart.m_nColourPoint, c.unknown ? 5 : kNoColourPoint);
    if (c.unknown) {
      EXPECT_EQ(chart.m_strPointLabels[5], "Unknown");
      EXPECT_NEAR(chart.Value(0, 5), c.value, 1e-15);
    }
    const ChartContent all = DrawGraph(doc, EGraph::Beliefs)[0].m_chart;
    EXPECT_EQ(all.PointCount(), c.unknown ? 6 : 5) << c.beliefs[1];
  }
}

}  // namespace
}  // namespace zev
