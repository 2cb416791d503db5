#pragma once

#include <span>

#include "model/madm_doc.h"

namespace zev {

// Scores within this distance count as equal in a ranking.
inline constexpr double kRankingTolerance = 0.00001;
// The running best of a selection pass starts here.
inline constexpr double kRankingStart = -10000000000.0;

// Ranks scores given in list order. Repeatedly selects, among the scores
// not selected yet, the highest in list order, where a later score replaces
// the running best (starting at -1e10) only when it is at least 1e-5 higher,
// so among scores within 1e-5 the first in list order is taken first. The
// first selected gets ranking 1; each later one shares the ranking of the
// one selected just before it when it is at most 1e-5 below it, and gets its
// position otherwise. When no remaining score rises above the start value
// (scores below -1e10, or not numbers) the first remaining one in list
// order is selected. O(n log n).
void RankScores(std::span<const double> scores, std::span<int> rankings);

// The same ranking by the literal selection passes, O(n^2); the reference
// that RankScores is proven against.
void RankScoresByScan(std::span<const double> scores, std::span<int> rankings);

// The score of an alternative on attribute d: the value of a precise
// quantitative record, the average utility otherwise.
double RankingScore(const CAlternative& alternative, int nAttribute);

// Ranks every alternative of the document on its current attribute
// (m_nRanking; every m_nSelection ends at 1) and refreshes the views.
void RankOnAttribute(CMADMDoc& doc);

// After a ranking on a quantitative attribute whose best value is the
// smaller one, every ranking r becomes N - r + 1. Returns whether it did.
bool ReverseRankingIfNeeded(CMADMDoc& doc);

}  // namespace zev
