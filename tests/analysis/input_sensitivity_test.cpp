#include <gtest/gtest.h>

#include "analysis/input_sensitivity_presenter.h"
#include "tests/analysis/analysis_model.h"

namespace zev {
namespace {

using P = CInputSensitivityPresenter;

TEST(InputSensitivity, InputChartOfEachKind) {
  struct SCase {
    const char* m_pszAttribute;
    const char* m_pszSeries;
    const char* m_pszAxis;
    std::vector<std::string> m_points;
    std::vector<double> m_values;
    SChartRange m_range;
  };
  const SCase cases[] = {
      {"Q",
       "Belief",
       "Belief Degree",
       {"Worst", "Poor", "Average", "Good", "Best"},
       {0, 1, 0, 0, 0},
       {0, 1}},
      {"V", "Score", "Score", {"20.0000"}, {20}, {0, 100}},
      {"U", "Belief", "Belief Degree", {"30.0000", "123456789012345680.0"}, {0.25, 0.5}, {0, 1}},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(2);
    CAssessment& u = m.doc.Alternative(1).Record(m.u);
    u.m_nPossibleValues = 2;
    u.m_dPossibleValue[0] = 30;
    u.m_dPossibleValue[1] = 123456789012345678.0;
    u.m_dBelief[0] = 0.25;
    u.m_dBelief[1] = 0.5;
    m.doc.SelectAlternative(1);
    m.doc.SetCurrentAttribute(test::FindAttribute(m.doc, c.m_pszAttribute));
    P p(m.doc);
    const ChartContent& chart = p.LeftChart();
    EXPECT_EQ(chart.m_strTitle, std::string("Alternative 2 on ") + c.m_pszAttribute);
    ASSERT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(chart.m_series[0].m_strLegend, c.m_pszSeries);
    EXPECT_EQ(chart.m_strYTitle, c.m_pszAxis);
    EXPECT_EQ(chart.m_strPointLabels, c.m_points);
    EXPECT_EQ(chart.m_series[0].m_dValues, c.m_values);
    EXPECT_EQ(chart.m_range, c.m_range);
    EXPECT_EQ(p.RightChart().m_strTitle, "Score on Top Attribute");
  }
}

TEST(InputSensitivity, DragChangesTheCurrentAlternativesInput) {
  struct SCase {
    const char* m_pszAttribute;
    int m_nPoint;
    double m_dValue;
    std::vector<double> m_degrees;  // or the value, for V
  };
  const SCase cases[] = {
      {"Q", 0, 0.7, {0.7, 0.2, 0.1, 0, 0}},
      {"Q", 1, 1.3, {0.15 / 1.15, 1 / 1.15, 0, 0, 0}},
      {"Q", 4, 0.1, {0.5 - 0.1 / 3, 0.3 - 0.1 / 3, 0.2 - 0.1 / 3, 0, 0.1}},
      {"V", 0, 55, {55}},
      {"V", 0, 130, {100}},
      {"V", 0, -4, {0}},
      {"U", 0, 0.4, {0.4}},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(2);
    const int k = test::FindAttribute(m.doc, c.m_pszAttribute);
    CAssessment& q = m.doc.Alternative(0).Record(m.q);
    const double start[5] = {0.5, 0.3, 0.2, 0, 0};
    std::copy(start, start + 5, q.m_dBelief);
    m.doc.SetCurrentAttribute(k);
    P p(m.doc);
    const double before = m.doc.Alternative(0).m_dUtility;
    p.Drag(c.m_nPoint, c.m_dValue);
    const CAssessment& r = m.doc.Alternative(0).Record(k);
    for (size_t j = 0; j < c.m_degrees.size(); ++j) {
      const double got = k == m.v ? r.m_dValue : r.m_dBelief[j];
      EXPECT_NEAR(got, c.m_degrees[j], 1e-15) << c.m_pszAttribute << " " << c.m_dValue;
    }
    if (k == m.v) {
      EXPECT_EQ(r.m_nPossibleValues, 1);
      EXPECT_EQ(r.m_dPossibleValue[0], r.m_dValue);
      EXPECT_EQ(r.m_dBelief[0], 1.0);
    }
    // Stored, re-evaluated and both charts redrawn.
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_NE(m.doc.Alternative(0).m_dUtility, before);
    EXPECT_EQ(p.LeftChart().Value(0, c.m_nPoint), k == m.v ? r.m_dValue : r.m_dBelief[c.m_nPoint]);
    EXPECT_EQ(p.RightChart().Value(0, 0), m.doc.Alternative(0).Record(0).m_dAvgUtility);
    EXPECT_EQ(m.Selections(), (std::vector<int>{1, 1}));
  }
}

TEST(InputSensitivity, PicksBottomAttributesFollowsTheSelectionAndWarnsOnClosing) {
  test::SAnalysisModel m(2);
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);
  p.ClickAttribute(0);
  EXPECT_EQ(m.user.OnlyText(),
            "To draw a input data graph, at least\none bottom-attribute has to be selected.");
  p.ClickAttribute(m.v);
  EXPECT_EQ(p.Attribute(), m.v);
  m.doc.SetCurrentAttribute(m.u);
  m.doc.SetCurrentPosition(1);
  p.FollowDocument({EDocChange::Selection, -1, -1});
  EXPECT_EQ(p.Attribute(), m.u);
  EXPECT_EQ(p.LeftChart().m_strTitle, "Alternative 2 on U");
  m.doc.SetCurrentAttribute(0);
  p.FollowDocument({EDocChange::Selection, -1, -1});
  EXPECT_EQ(p.Attribute(), m.u);
  // Another current alternative keeps the attribute picked in the window.
  p.ClickAttribute(m.v);
  m.doc.SetCurrentPosition(0);
  p.FollowDocument({EDocChange::Selection, -1, -1});
  EXPECT_EQ(p.Attribute(), m.v);

  m.user.Clear();
  p.Close();
  EXPECT_EQ(m.user.OnlyText(),
            "Input data changed in this window are recorded in memory.\n\n"
            "Save them in the current ZEV file if you want the changes.\n"
            "Otherwise, save them in another ZEV file or do not save.");
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Information);
}

}  // namespace
}  // namespace zev
