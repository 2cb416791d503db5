#include "analysis/chart_content.h"

#include "model/format.h"

namespace zev {

void ChartContent::SetTitle(std::string_view title) { m_strTitle = CutText(title, kMaxChartTitle); }

SChartSeries& ChartContent::AddSeries(std::string legend, std::vector<double> values) {
  values.resize(m_strPointLabels.size(), 0.0);
  m_series.push_back({std::move(legend), std::move(values), {}});
  return m_series.back();
}

void ChartContent::LabelValues(SChartSeries& series, const std::vector<double>& values) {
  series.m_strValueLabels.clear();
  series.m_strValueLabels.reserve(values.size());
  for (double d : values) series.m_strValueLabels.push_back(ValueLabel(d));
}

double ChartContent::Value(int nSeries, int nPoint) const {
  if (nSeries < 0 || nSeries >= SeriesCount() || nPoint < 0) return 0.0;
  const std::vector<double>& values = m_series[static_cast<std::size_t>(nSeries)].m_dValues;
  return static_cast<std::size_t>(nPoint) < values.size() ? values[static_cast<std::size_t>(nPoint)]
                                                          : 0.0;
}

std::string ChartLabel(std::string_view name) {
  if (name.size() <= 19) return std::string(name);
  return std::string(name.substr(0, 20)) + "...";
}

std::string CutText(std::string_view text, std::size_t n) { return std::string(text.substr(0, n)); }

std::string ValueLabel(double d) { return Format("%.10g", d); }

}  // namespace zev
