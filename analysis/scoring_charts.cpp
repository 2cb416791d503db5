#include "analysis/scoring_charts.h"

namespace zev {

ChartContent WeightScoringChart(const CWeightScoringPresenter& p) {
  ChartContent chart;
  chart.SetTitle("Weights of the Sub-attributes of " + p.FatherName());
  chart.m_strXTitle = "Attribute";
  chart.m_strYTitle = "Weight";
  for (int i = 0; i < p.Count(); ++i) chart.m_strPointLabels.push_back(CutText(p.Name(i), 20));
  ChartContent::LabelValues(chart.AddSeries("Weight", p.Scores()), p.Scores());
  chart.m_range = SChartRange{0.0, p.ScaleMax()};
  chart.m_nColourPoint = p.Count() > 0 ? p.Selected() : kNoColourPoint;
  return chart;
}

ChartContent UtilityScoringChart(const CUtilityScoringPresenter& p) {
  ChartContent chart;
  chart.SetTitle("Utilities of the Grades of " + p.AttributeName());
  chart.m_kind = EChartKind::Curves;
  chart.m_strXTitle = "Grade";
  chart.m_strYTitle = "Utility";
  std::vector<double> utilities;
  for (int g = 0; g < p.Count(); ++g) {
    chart.m_strPointLabels.push_back(ChartLabel(p.GradeName(g)));
    utilities.push_back(p.Utility(g));
  }
  ChartContent::LabelValues(chart.AddSeries("Utility", utilities), utilities);
  chart.m_range = SChartRange{0.0, 1.0};
  chart.m_nColourPoint = p.Selected();
  return chart;
}

}  // namespace zev
