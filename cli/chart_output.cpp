#include "cli/chart_output.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "model/format.h"
#include "model/text.h"

namespace zev::cli {

namespace {

using json = nlohmann::ordered_json;

std::string Utf8(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

struct SKindNames {
  const char* m_pszKey;
  const char* m_pszText;
};

// By EChartKind: the JSON key and the words of the text table.
const SKindNames kKinds[] = {{"bars", "bars side by side"},
                             {"stacked", "stacked bars"},
                             {"curves", "curves"},
                             {"points", "points"}};

const SKindNames& KindNames(EChartKind kind) { return kKinds[static_cast<int>(kind)]; }

json Texts(const std::vector<std::string>& texts) {
  json out = json::array();
  for (const std::string& text : texts) out.push_back(Utf8(text));
  return out;
}

json Range(const std::optional<SChartRange>& range) {
  return range ? json::array({range->m_dMin, range->m_dMax}) : json(nullptr);
}

json ChartJson(const SGraphWindow& shown) {
  const ChartContent& c = shown.m_chart;
  json series = json::array();
  for (const SChartSeries& s : c.m_series) {
    series.push_back({{"legend", Utf8(s.m_strLegend)},
                      {"values", s.m_dValues},
                      {"labels", Texts(s.m_strValueLabels)}});
  }
  json out = {{"window", shown.m_nWindow},
              {"title", Utf8(c.m_strTitle)},
              {"kind", KindNames(c.m_kind).m_pszKey},
              {"x_title", Utf8(c.m_strXTitle)},
              {"y_title", Utf8(c.m_strYTitle)},
              {"range", Range(c.m_range)},
              {"points", Texts(c.m_strPointLabels)},
              {"series", std::move(series)},
              {"colour_point", c.m_nColourPoint >= 0 ? json(c.m_nColourPoint) : json(nullptr)}};
  if (!c.m_dPointX.empty()) out["x_values"] = c.m_dPointX;
  if (c.m_xRange) out["x_range"] = Range(c.m_xRange);
  if (c.m_line) {
    out["line"] = {{"label", Utf8(c.m_line->m_strLabel)}, {"at", c.m_line->m_dPosition}};
  }
  return out;
}

// Characters on the terminal of a UTF-8 text (one per code point).
std::size_t Width(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Pad(const std::string& s, std::size_t width, bool bLeft) {
  const std::string fill(width - std::min(width, Width(s)), ' ');
  return bLeft ? fill + s : s + fill;
}

// Rows of cells, the first row the header; the first column left-aligned,
// the others right-aligned.
std::string Table(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t j = 0; j < row.size(); ++j) widths[j] = std::max(widths[j], Width(row[j]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t j = 0; j < row.size(); ++j) {
      line += (j ? "  " : "") + Pad(row[j], widths[j], j > 0);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

std::string ChartText(const SGraphWindow& shown) {
  const ChartContent& c = shown.m_chart;
  std::string out = Utf8(c.m_strTitle) + "\n";
  out += "window " + FormatInt(shown.m_nWindow) + ", " + KindNames(c.m_kind).m_pszText +
         "; x: " + Utf8(c.m_strXTitle) + "; y: " + Utf8(c.m_strYTitle);
  if (c.m_range) out += Format("; y from %.10g to %.10g", c.m_range->m_dMin, c.m_range->m_dMax);
  if (c.m_xRange) {
    out += Format("; x from %.10g to %.10g", c.m_xRange->m_dMin, c.m_xRange->m_dMax);
  }
  out += "\n";
  if (c.m_line) {
    out += Format("line at %.10g: ", c.m_line->m_dPosition) + Utf8(c.m_line->m_strLabel) + "\n";
  }
  out += "\n";

  const bool bX = !c.m_dPointX.empty();
  std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(c.PointCount()) + 1);
  rows[0].push_back(Utf8(c.m_strXTitle));
  if (bX) rows[0].push_back("x");
  for (const SChartSeries& s : c.m_series) rows[0].push_back(Utf8(s.m_strLegend));
  for (const SChartSeries& s : c.m_series) {
    if (!s.m_strValueLabels.empty()) rows[0].push_back("Label (" + Utf8(s.m_strLegend) + ")");
  }
  for (int p = 0; p < c.PointCount(); ++p) {
    std::vector<std::string>& row = rows[static_cast<std::size_t>(p) + 1];
    const auto i = static_cast<std::size_t>(p);
    row.push_back(Utf8(c.m_strPointLabels[i]) + (p == c.m_nColourPoint ? " *" : ""));
    if (bX) row.push_back(i < c.m_dPointX.size() ? ValueLabel(c.m_dPointX[i]) : "");
    for (int s = 0; s < c.SeriesCount(); ++s) row.push_back(ValueLabel(c.Value(s, p)));
    for (const SChartSeries& s : c.m_series) {
      if (s.m_strValueLabels.empty()) continue;
      row.push_back(i < s.m_strValueLabels.size() ? Utf8(s.m_strValueLabels[i]) : "");
    }
  }
  out += Table(rows);
  if (c.m_nColourPoint >= 0) out += "* drawn in a colour of its own\n";
  return out;
}

}  // namespace

std::string ChartsJson(const std::vector<SGraphWindow>& charts) {
  json list = json::array();
  for (const SGraphWindow& chart : charts) list.push_back(ChartJson(chart));
  json out = {{"charts", std::move(list)}};
  return out.dump(2) + "\n";
}

void PrintOut(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void PrintCharts(const std::vector<SGraphWindow>& charts, bool bJson) {
  PrintOut(bJson ? ChartsJson(charts) : ChartsText(charts));
}

std::string ChartsText(const std::vector<SGraphWindow>& charts) {
  std::string out;
  for (std::size_t i = 0; i < charts.size(); ++i) out += (i ? "\n" : "") + ChartText(charts[i]);
  return out;
}

}  // namespace zev::cli
