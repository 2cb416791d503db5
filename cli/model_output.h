#pragma once

#include <string>
#include <vector>

#include "model/madm_doc.h"

namespace zev::cli {

// What zev-cli prints. Texts of the model are converted from code page 1252
// to UTF-8; numbers in JSON are printed so that they read back to the same
// double.

// `show --json`: {"attributes":[{"index","name","kind","father","weight",
// "grades":[{"name","utility"[,"value"]}...][,"best","worst","unit"]}...],
// "alternatives":[{"name","ranking","utility"}...]}, attributes in index
// order, alternatives in list order. "kind" is "qualitative",
// "quantitative" or "uncertain"; best, worst, unit and the grade values
// only for the two quantitative kinds.
std::string ShowJson(const CMADMDoc& doc);
// `show`: the hierarchy as a tree, then the alternatives.
std::string ShowText(const CMADMDoc& doc);

// `rank --json`, `assess --json`: {"alternatives":[{"name","ranking",
// "utility","attributes":[{"index","name","belief":[one per grade],
// "unassigned","min","max","avg","value"}...]}...]}. For a quantitative
// bottom attribute "belief" is its value (or possible values) spread over
// its grades as the aggregation spreads it; "unassigned" is one minus the
// degrees, taken as 0 at 1e-8 and below.
std::string ResultsJson(const CMADMDoc& doc);
// `rank`, `assess`: the alternatives by ranking on attribute `nAttribute`
// with their average utility, utility interval and a bar.
std::string RankingTable(const CMADMDoc& doc, int nAttribute);

// Rows of UTF-8 cells as a text table, the first row the header; each
// column as wide as its widest cell, two blanks apart, aligned to the right
// where `right` says so. One line per row.
std::string TextTable(const std::vector<std::vector<std::string>>& rows,
                      const std::vector<bool>& right);

}  // namespace zev::cli
