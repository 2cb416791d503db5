#include <gtest/gtest.h>

#include "analysis/reevaluation.h"
#include "analysis/trade_off_presenter.h"
#include "tests/analysis/analysis_model.h"

namespace zev {
namespace {

TEST(TradeOff, QualitativeAgainstPreciseAxes) {
  test::SAnalysisModel m(3);
  CAttribute& v = m.doc.Attribute(m.v);
  v.m_dBest = 0;
  v.m_dWorst = 500;
  v.SetUnit("kg");
  ReevaluateKeepingMarks(m.doc);
  m.doc.SetCurrentAttribute(0);
  CTradeOffPresenter p(m.doc);
  EXPECT_EQ(p.X(), 1);
  p.SetX(m.q);
  p.SetY(m.v);
  const ChartContent& chart = p.Chart();
  EXPECT_EQ(chart.m_strTitle, "Trade-Off Analysis");
  EXPECT_EQ(chart.m_kind, EChartKind::Points);
  EXPECT_EQ(chart.m_strXTitle, "Q (%)");
  EXPECT_EQ(chart.m_strYTitle, "V (kg)");
  EXPECT_EQ(chart.m_xRange, (SChartRange{0, 100}));
  EXPECT_EQ(chart.m_range, (SChartRange{0, 500}));
  EXPECT_EQ(chart.m_strPointLabels,
            (std::vector<std::string>{"First alternative", "Alternative 2", "Alternative 3"}));
  ASSERT_EQ(chart.m_dPointX.size(), 3u);
  EXPECT_EQ(chart.m_dPointX[1], m.doc.Alternative(1).Record(m.q).m_dAvgUtility * 100);
  EXPECT_EQ(chart.m_series[0].m_dValues, (std::vector<double>{10, 20, 30}));
  // An uncertain attribute is a utility in percent too.
  p.SetY(m.u);
  EXPECT_EQ(p.Chart().m_strYTitle, "U (%)");
  EXPECT_EQ(p.Chart().Value(0, 2), m.doc.Alternative(2).Record(m.u).m_dAvgUtility * 100);
}

}  // namespace
}  // namespace zev
