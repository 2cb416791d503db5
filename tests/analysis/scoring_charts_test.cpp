#include "analysis/scoring_charts.h"

#include <gtest/gtest.h>

#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

TEST(ScoringCharts, TheWeightBarsFollowTheScoresOnTheirScale) {
  test::CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A remarkably long attribute name:", "Short:"});
  doc.Attribute(test::FindAttribute(doc, "Short")).m_dWeight = 4;
  CWeightScoringPresenter p(SWeightGroup::Of(doc, 0));
  p.Drag(0, 1, 7.5);
  const ChartContent chart = WeightScoringChart(p);
  EXPECT_EQ(chart.m_strTitle, "Weights of the Sub-attributes of Top Attribute");
  EXPECT_EQ(chart.m_kind, EChartKind::Bars);
  EXPECT_EQ(chart.m_strPointLabels, (std::vector<std::string>{"A remarkably long at", "Short"}));
  ASSERT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(chart.m_series[0].m_dValues, (std::vector<double>{1, 7.5}));
  EXPECT_EQ(chart.m_series[0].m_strValueLabels, (std::vector<std::string>{"1", "7.5"}));
  EXPECT_EQ(chart.m_range, (SChartRange{0, 10}));
  EXPECT_EQ(chart.m_nColourPoint, 1) << "the selected bar";
}

TEST(ScoringCharts, TheUtilityCurveRunsOverTheGrades) {
  test::CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.Attribute(0).SetGradeName(4, "Exceptionally good values");
  for (int g = 0; g < 5; ++g) doc.Attribute(0).SetGradeUtility(g, g / 4.0);
  CUtilityScoringPresenter p(doc, 0);
  p.Select(3);
  const ChartContent chart = UtilityScoringChart(p);
  EXPECT_EQ(chart.m_strTitle, "Utilities of the Grades of Top Attribute");
  EXPECT_EQ(chart.m_kind, EChartKind::Curves);
  EXPECT_EQ(chart.m_strPointLabels.back(), "Exceptionally good v...");
  EXPECT_EQ(chart.m_series[0].m_dValues, (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
  EXPECT_EQ(chart.m_range, (SChartRange{0, 1}));
  EXPECT_EQ(chart.m_nColourPoint, 3);
}

}  // namespace
}  // namespace zev
