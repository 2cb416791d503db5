#pragma once

#include <string>
#include <vector>

#include "analysis/graphs.h"

namespace zev::cli {

// `chart --json`, `compare --json`: {"charts": [{"window", "title", "kind",
// "x_title", "y_title", "range", "points", "series": [{"legend", "values",
// "labels"}], "colour_point"}]}, one object per window in window order.
// "kind" is "bars", "stacked", "curves" or "points"; "range" is null or
// [min, max]; "labels" is empty for a series without value labels;
// "colour_point" is null or the point's index. A chart that sets them also
// gets "x_values", "x_range" ([min, max]) and "line" ({"label", "at"}, "at" its category position).
// Texts in UTF-8; numbers read back to the same double.
std::string ChartsJson(const std::vector<SGraphWindow>& charts);

// The same content as readable text tables: per chart its title and axes,
// then one row per point and one column per series.
std::string ChartsText(const std::vector<SGraphWindow>& charts);

// Writes a text to standard output at once.
void PrintOut(const std::string& text);
// The charts on standard output, as JSON or as text tables.
void PrintCharts(const std::vector<SGraphWindow>& charts, bool bJson);

}  // namespace zev::cli
