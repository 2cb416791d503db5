#include "engine/ranking.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace zev {

namespace {

bool Beats(double score, double best) { return score - best >= kRankingTolerance; }

// Hands out rankings in selection order: ties chain to the one selected
// just before.
class CRankWriter {
 public:
  explicit CRankWriter(std::span<int> rankings) : m_rankings(rankings) {}
  void Select(std::span<const double> scores, size_t i) {
    ++m_nPosition;
    const double score = scores[i];
    if (m_nPosition > 1 && score - m_dPrevious >= -kRankingTolerance) {
      m_rankings[i] = m_nPreviousRanking;
    } else {
      m_rankings[i] = m_nPosition;
    }
    m_dPrevious = score;
    m_nPreviousRanking = m_rankings[i];
  }

 private:
  std::span<int> m_rankings;
  int m_nPosition = 0;
  double m_dPrevious = 0.0;
  int m_nPreviousRanking = 0;
};

// A maximum tree over the scores still to be selected, answering "the first
// remaining score from a list position on that beats a running best".
// Whether a score beats a best is monotone in the score (rounded
// subtraction is monotone), so a subtree can hold a beating score only if
// its maximum beats.
class CBestTree {
 public:
  explicit CBestTree(std::span<const double> scores) {
    m_nLeaves = 1;
    while (m_nLeaves < scores.size()) m_nLeaves *= 2;
    m_tree.assign(2 * m_nLeaves, kRemoved);
    for (size_t i = 0; i < scores.size(); ++i) {
      // A score that is not a number never beats anything.
      m_tree[m_nLeaves + i] = std::isnan(scores[i]) ? kRemoved : scores[i];
    }
    for (size_t k = m_nLeaves - 1; k >= 1; --k)
      m_tree[k] = std::max(m_tree[2 * k], m_tree[2 * k + 1]);
  }

  void Remove(size_t i) {
    size_t k = m_nLeaves + i;
    m_tree[k] = kRemoved;
    for (k /= 2; k >= 1; k /= 2) m_tree[k] = std::max(m_tree[2 * k], m_tree[2 * k + 1]);
  }

  // The first remaining position at or after `from` whose score beats
  // `best`, or -1.
  long FindFirst(size_t from, double best) const { return Find(1, 0, m_nLeaves, from, best); }

 private:
  static constexpr double kRemoved = -std::numeric_limits<double>::infinity();

  long Find(size_t k, size_t lo, size_t hi, size_t from, double best) const {
    if (hi <= from || !Beats(m_tree[k], best)) return -1;
    if (hi - lo == 1) return static_cast<long>(lo);
    const size_t mid = (lo + hi) / 2;
    long found = Find(2 * k, lo, mid, from, best);
    if (found >= 0) return found;
    return Find(2 * k + 1, mid, hi, from, best);
  }

  size_t m_nLeaves;
  std::vector<double> m_tree;
};

// The literal selection passes, O(n^2): calls select(i) for every index of
// `scores` in the order the passes select them.
template <typename FSelect>
void SelectByScan(std::span<const double> scores, FSelect&& select) {
  const size_t n = scores.size();
  std::vector<char> selected(n, 0);
  for (size_t position = 0; position < n; ++position) {
    double best = kRankingStart;
    long chosen = -1;
    for (size_t i = 0; i < n; ++i) {
      if (!selected[i] && Beats(scores[i], best)) {
        best = scores[i];
        chosen = static_cast<long>(i);
      }
    }
    if (chosen < 0) {
      for (size_t i = 0; i < n && chosen < 0; ++i) {
        if (!selected[i]) chosen = static_cast<long>(i);
      }
    }
    selected[static_cast<size_t>(chosen)] = 1;
    select(static_cast<size_t>(chosen));
  }
}

// The same order, O(n log n). A selection pass walks the chain of running
// bests: the first remaining score that beats the start, then the first
// after it that beats it, and so on; the last link is selected. Removing it
// leaves every earlier link of the chain in place (nothing before them
// changed), so the next pass only has to extend the chain from its new last
// link. Every link is pushed and popped once, and each extension step is
// one tree query.
template <typename FSelect>
void SelectByChain(std::span<const double> scores, FSelect&& select) {
  const size_t n = scores.size();
  CBestTree tree(scores);
  std::vector<size_t> chain;
  std::vector<char> selected(n, 0);
  size_t firstRemaining = 0;
  for (size_t position = 0; position < n; ++position) {
    for (;;) {
      const size_t from = chain.empty() ? 0 : chain.back() + 1;
      const double best = chain.empty() ? kRankingStart : scores[chain.back()];
      const long next = tree.FindFirst(from, best);
      if (next < 0) break;
      chain.push_back(static_cast<size_t>(next));
    }
    size_t chosen = 0;
    if (chain.empty()) {
      while (selected[firstRemaining]) ++firstRemaining;
      chosen = firstRemaining;
    } else {
      chosen = chain.back();
      chain.pop_back();
    }
    selected[chosen] = 1;
    tree.Remove(chosen);
    select(chosen);
  }
}

// Groups this small are selected by the literal passes.
constexpr size_t kSmallGroup = 8;

}  // namespace

void RankScoresByScan(std::span<const double> scores, std::span<int> rankings) {
  CRankWriter writer(rankings);
  SelectByScan(scores, [&](size_t i) { writer.Select(scores, i); });
}

// The scores that beat the start split, highest first, into groups whose
// neighbours do not beat each other (in the order of the scores, each next
// one less than 1e-5 below). Every score of a group beats every score of
// the groups below it (subtraction rounds monotonically), and none of those
// beats it: so a pass whose remaining scores include a group's takes the
// first of them in list order into its chain and never leaves the group,
// which is therefore selected in full, by the passes restricted to it,
// before any lower group. Most groups hold one score, and the selection is
// a sort. The scores that do not beat the start (below -1e10, or not a
// number) come last, in list order.
void RankScores(std::span<const double> scores, std::span<int> rankings) {
  const size_t n = scores.size();
  CRankWriter writer(rankings);
  std::vector<std::pair<double, std::uint32_t>> order;
  std::vector<std::uint32_t> rest;
  order.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    if (Beats(scores[i], kRankingStart))
      order.emplace_back(scores[i], static_cast<std::uint32_t>(i));
    else
      rest.push_back(static_cast<std::uint32_t>(i));
  }
  std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  });
  std::vector<std::uint32_t> positions;
  std::vector<double> group;
  for (size_t k = 0; k < order.size();) {
    size_t end = k + 1;
    while (end < order.size() && !Beats(order[end - 1].first, order[end].first)) ++end;
    if (end - k == 1) {
      writer.Select(scores, order[k].second);
      k = end;
      continue;
    }
    positions.clear();
    for (size_t j = k; j < end; ++j) positions.push_back(order[j].second);
    std::sort(positions.begin(), positions.end());
    group.clear();
    for (std::uint32_t i : positions) group.push_back(scores[i]);
    auto select = [&](size_t j) { writer.Select(scores, positions[j]); };
    if (group.size() <= kSmallGroup)
      SelectByScan(group, select);
    else
      SelectByChain(group, select);
    k = end;
  }
  for (std::uint32_t i : rest) writer.Select(scores, i);
}

double RankingScore(const CAlternative& alternative, int nAttribute) {
  const CAssessment& r = alternative.m_assessments[nAttribute];
  return r.m_nType == Quantitative ? r.m_dValue : r.m_dAvgUtility;
}

void RankOnAttribute(CMADMDoc& doc) {
  const int d = doc.CurrentAttribute();
  const int n = doc.AlternativeCount();
  // Each score is read once into contiguous storage before selecting.
  std::vector<double> scores(static_cast<size_t>(n));
  std::vector<int> rankings(static_cast<size_t>(n), 0);
  for (int pos = 0; pos < n; ++pos) {
    scores[static_cast<size_t>(pos)] = RankingScore(doc.Alternative(pos), d);
  }
  RankScores(scores, rankings);
  for (int pos = 0; pos < n; ++pos) {
    CAlternative& alternative = doc.Alternative(pos);
    alternative.m_nRanking = rankings[static_cast<size_t>(pos)];
    alternative.m_nSelection = 1;
  }
  doc.Notify({EDocChange::Results, d, -1});
}

bool ReverseRankingIfNeeded(CMADMDoc& doc) {
  const CAttribute& a = doc.CurrentAttributeRef();
  if (!IsQuantitativeType(a.m_nType) || !(a.m_dBest - a.m_dWorst < kRankingTolerance)) return false;
  const int n = doc.AlternativeCount();
  for (int pos = 0; pos < n; ++pos) {
    CAlternative& alternative = doc.Alternative(pos);
    alternative.m_nRanking = n - alternative.m_nRanking + 1;
  }
  return true;
}

}  // namespace zev
