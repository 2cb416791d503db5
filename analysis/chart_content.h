#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

// What a window hands to the chart widget for one chart. Every chart of the
// program is one of these, built in this layer from the document after the
// evaluation the chart needs; the widget draws any of them, and zev-cli
// prints them. Texts are the shown texts in code page 1252 (titles already
// cut, names already shortened by ChartLabel).
//
// The data are a grid: every series has one value per point. Points are the
// categories along the x axis (grades, alternatives, attributes), labelled
// below the axis; series are drawn side by side, stacked or as curves, each
// with its legend.

enum class EChartKind {
  Bars,     // the series' bars side by side over every point
  Stacked,  // the series' bars stacked, the first at the bottom
  Curves,   // one line per series through its points
  Points,   // a scatter: one marker per point and series, at x = m_dPointX
};

// A closed interval of an axis.
struct SChartRange {
  double m_dMin = 0.0;
  double m_dMax = 1.0;
  friend bool operator==(const SChartRange&, const SChartRange&) = default;
};

// A constant line drawn across the chart at a category position (0 = the
// first point, fractions in between), with its label.
struct SChartLine {
  double m_dPosition = 0.0;
  std::string m_strLabel;
  friend bool operator==(const SChartLine&, const SChartLine&) = default;
};

struct SChartSeries {
  std::string m_strLegend;
  // One value per point.
  std::vector<double> m_dValues;
  // The text written on each point's bar, one per point; empty when the
  // series writes none.
  std::vector<std::string> m_strValueLabels;
  friend bool operator==(const SChartSeries&, const SChartSeries&) = default;
};

// Titles are cut to this many characters.
inline constexpr std::size_t kMaxChartTitle = 100;
// No point colours itself.
inline constexpr int kNoColourPoint = -1;

struct ChartContent {
  std::string m_strTitle;
  EChartKind m_kind = EChartKind::Bars;
  std::string m_strXTitle;
  std::string m_strYTitle;
  std::vector<std::string> m_strPointLabels;
  std::vector<SChartSeries> m_series;
  // The value axis runs over this range when set, else it fits the values.
  std::optional<SChartRange> m_range;
  // Points kind only: the x of every point (the point's index when empty),
  // and the x axis range when set.
  std::vector<double> m_dPointX;
  std::optional<SChartRange> m_xRange;
  // The point drawn in a colour of its own in every series (the "Unknown"
  // bar of a belief graph), or kNoColourPoint.
  int m_nColourPoint = kNoColourPoint;
  std::optional<SChartLine> m_line;

  int PointCount() const { return static_cast<int>(m_strPointLabels.size()); }
  int SeriesCount() const { return static_cast<int>(m_series.size()); }

  // Sets the title, cut to its first kMaxChartTitle characters.
  void SetTitle(std::string_view title);
  // Appends a series; its values are fitted to the points (missing ones are
  // 0, extra ones dropped) so that the grid stays whole.
  SChartSeries& AddSeries(std::string legend, std::vector<double> values);
  // Writes the value labels of a series: each value with 10 significant digits.
  static void LabelValues(SChartSeries& series, const std::vector<double>& values);

  // The value at (series, point); 0 outside the grid.
  double Value(int nSeries, int nPoint) const;

  friend bool operator==(const ChartContent&, const ChartContent&) = default;
};

// The label rule of every chart: a grade or alternative name longer than 19
// characters is shown as its first 20 characters followed by "...".
std::string ChartLabel(std::string_view name);

// A text cut to its first n characters.
std::string CutText(std::string_view text, std::size_t n);

// A value as a value label: 10 significant digits.
std::string ValueLabel(double d);

}  // namespace zev
