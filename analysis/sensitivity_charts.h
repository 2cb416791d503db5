#pragma once

#include <span>
#include <string>

#include "analysis/chart_content.h"
#include "analysis/sensitivity_rules.h"
#include "model/madm_doc.h"

namespace zev {

// The charts of the sensitivity and trade-off windows, built from the
// document as it stands (the callers evaluate first where a chart needs it).

// One bar per sibling of attribute k (the children of its father in sibling
// order), as high as its weight in the document, on the weight axis.
ChartContent WeightGraph(const CMADMDoc& doc, int k, const SWeightAxis& axis);
// The siblings of k in sibling order, k's own group included.
std::vector<int> SiblingsOf(const CMADMDoc& doc, int k);

// One series per attribute, one point per alternative: the alternatives'
// average utilities. The title is the prefix and the attribute names.
ChartContent RankingGraph(const CMADMDoc& doc, std::span<const int> attributes,
                          std::span<const int> alternatives, const std::string& titlePrefix);

// The belief degrees of each alternative on qualitative attribute k.
ChartContent BeliefGraph(const CMADMDoc& doc, int k, std::span<const int> alternatives);

// The average utilities on attribute r while the weight of attribute w runs
// through 11 values of the scale, each after a re-evaluation with the marks
// kept; w's weight and the results are put back afterwards. The line "Given
// weight" marks w's weight.
ChartContent RankChangeGraph(CMADMDoc& doc, int w, int r, int nScale,
                             std::span<const int> alternatives);

// The input of one alternative on bottom attribute k: belief degrees on the
// grades or the possible values, or the precise value on an axis from the
// worst to the best value.
ChartContent InputGraph(const CMADMDoc& doc, int pos, int k);

// One point per alternative: the value of a precise attribute, else 100
// times the average utility.
ChartContent TradeOffGraph(const CMADMDoc& doc, int x, int y);

}  // namespace zev
