#include "engine/evidential_reasoning.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "engine/pairs.h"
#include "engine/utility.h"

namespace zev {

namespace {

// The sums of the combination are accumulated in extended precision and
// stored as doubles.
using CExtended = long double;

// Rows of per-grade numbers are worked on two grades at a time (pairs.h), so
// a row has room for every grade. With an odd number of grades the lane
// beyond the last one is computed along and never read: a row of masses
// holds a zero there, a row of transformed degrees the sum of an unused
// column. Rows are declared aligned to the size of a pair (kPairAlign), so
// that no pair of a row straddles two cache lines.
using SGradeRow = double[kMaxGrades];
constexpr size_t kPairAlign = sizeof(SPair);
static_assert(kMaxGrades % 2 == 0, "grades are taken in pairs");

// One child's masses in the father's grades.
struct SChildMasses {
  alignas(kPairAlign) SGradeRow m_mass;  // m(n, i) = w(i) * beta(n, i)
  double m_dTilde;                       // m~H(i): left unassigned by the child's assessment
  double m_dBar;                         // m-H(i): left unassigned by the child's weight
};

// Fills the child's masses from its n degrees beta and its normalised
// weight; returns the sum of the masses, which the conflict needs.
CExtended ChildMasses(const double* beta, int n, double w, SChildMasses& child) {
  int g = 0;
  for (; g + 1 < n; g += 2) StorePair(child.m_mass + g, Both(w) * LoadPair(beta + g));
  if (g < n) StorePair(child.m_mass + g, SPair{w * beta[g], 0.0});
  // Both sums in one pass, each in the order of the grades.
  CExtended degrees = 0.0;
  CExtended total = 0.0;
  ZEV_UNROLL(4)
  for (g = 0; g < n; ++g) {
    degrees += beta[g];
    total += child.m_mass[g];
  }
  child.m_dTilde = (1.0 - static_cast<double>(degrees)) * w;
  child.m_dBar = 1.0 - w;
  return total;
}

// The recursive combination, with the rows of transformed degrees supplied
// one at a time: rowOf(i) returns child i's row of N degrees. Each join
// waits for the one before it (the conflict needs the combined masses, the
// masses need K), so the rows are asked for one at a time: the next child is
// transformed while that chain is still in flight. A child's masses are used
// only while that child joins, so one row of storage serves them all.
template <typename FRow>
void Combine(std::span<double> weights, int n, FRow&& rowOf, double* beliefs, double& unassigned) {
  const int nChildren = static_cast<int>(weights.size());
  const int nPairs = PairCount(n);

  CExtended weightSum = 0.0;
  for (double w : weights) weightSum += w;
  double sum = static_cast<double>(weightSum);
  if (sum <= kCombinationFloor) sum = kCombinationFloor;
  for (double& w : weights) w /= sum;

  // The combined masses of the grades, m~H and m-H, start as the first
  // child's.
  SChildMasses combined;
  ChildMasses(rowOf(0), n, weights[0], combined);
  double* mass = combined.m_mass;
  double tilde = combined.m_dTilde;
  double bar = combined.m_dBar;
  SChildMasses child;
  for (int i = 1; i < nChildren; ++i) {
    const CExtended childTotal = ChildMasses(rowOf(i), n, weights[static_cast<size_t>(i)], child);
    const double* mi = child.m_mass;
    // Conflict: the sum over every pair of different grades (t, j) of
    // m(t) * m(j, i), formed as the sum over t of m(t) times the child's
    // mass on all other grades; two interleaved sums for a shorter chain.
    // Each starts from its first product rather than from zero plus it:
    // the two differ only in the sign of a zero sum, which 1 - C does not
    // see, and an addition less is a step less on the path from one join
    // to the next.
    CExtended even = mass[0] * (childTotal - mi[0]);
    CExtended odd = n > 1 ? mass[1] * (childTotal - mi[1]) : 0.0L;
    int g = 2;
    for (; g + 1 < n; g += 2) {
      even += mass[g] * (childTotal - mi[g]);
      odd += mass[g + 1] * (childTotal - mi[g + 1]);
    }
    if (g < n) even += mass[g] * (childTotal - mi[g]);
    double agreement = 1.0 - static_cast<double>(even + odd);
    if (agreement < kCombinationFloor) agreement = kCombinationFloor;
    const double k = 1.0 / agreement;
    const double tildeI = child.m_dTilde;
    const double barI = child.m_dBar;
    const double left = bar + tilde;
    // m(n) = K * [m(n) * (m(n,i) + m~H(i) + m-H(i)) + (m-H + m~H) * m(n,i)].
    for (int p = 0; p < nPairs; ++p) {
      const SPair m = LoadPair(mi + 2 * p);
      const SPair kept = LoadPair(mass + 2 * p) * (m + Both(tildeI) + Both(barI));
      StorePair(mass + 2 * p, Both(k) * (kept + Both(left) * m));
    }
    tilde = k * (tilde * (tildeI + barI) + bar * tildeI);
    bar = k * bar * barI;
  }

  double d = 1.0 - bar;
  if (d < kCombinationFloor) d = kCombinationFloor;
  int g = 0;
  for (; g + 1 < n; g += 2) StorePair(beliefs + g, LoadPair(mass + g) / Both(d));
  if (g < n) beliefs[g] = mass[g] / d;
  unassigned = tilde / d;
}

}  // namespace

void CombineEvidence(std::span<double> weights, std::span<const double> beliefs, int nGrades,
                     std::span<double> result) {
  const int nChildren = static_cast<int>(weights.size());
  const int n = nGrades;
  if (nChildren < 1 || n < 1 || n > kMaxGrades) return;
  if (beliefs.size() < static_cast<size_t>(nChildren) * static_cast<size_t>(n)) return;
  if (result.size() < static_cast<size_t>(n + 1)) return;
  alignas(kPairAlign) SGradeRow row;
  Combine(
      weights, n,
      [&](int i) -> const SGradeRow& {
        const double* from = beliefs.data() + static_cast<size_t>(i) * static_cast<size_t>(n);
        std::copy(from, from + n, row);
        return row;
      },
      result.data(), result[static_cast<size_t>(n)]);
}

namespace {

// Columns j .. j + 2 * nPairs - 1 of beta = d * M, in registers.
// kRows, when not 0, is n known in advance.
template <int nPairs, int kRows = 0>
void MultiplyColumns(const double* d, int nRows, const double (*matrix)[kMaxGrades], int j,
                     SGradeRow& beta) {
  const int n = kRows > 0 ? kRows : nRows;
  SPair sums[nPairs] = {};
  ZEV_UNROLL(4)
  for (int t = 0; t < n; ++t) {
    const SPair dt = Both(d[t]);
    for (int p = 0; p < nPairs; ++p) sums[p] += dt * LoadPair(matrix[t] + j + 2 * p);
  }
  for (int p = 0; p < nPairs; ++p) StorePair(beta + j + 2 * p, sums[p]);
}

// beta(j) = sum over t of d(t) * M(t, j), every sum taken in the order of t,
// for the first nCols columns, up to three pairs of columns at a time. An
// odd last column is paired with the unused column beside it (the matrix
// rows and beta are kMaxGrades wide), whose sum is not used. These sums of
// at most 20 products of degrees are kept in double: in extended precision
// they would add about a quarter to the time of an aggregation, for a
// difference in the last bit.
void MultiplyByMatrix(const double* d, int n, const double (*matrix)[kMaxGrades], int nCols,
                      SGradeRow& beta) {
  const int nPadded = 2 * PairCount(nCols);
  int j = 0;
  for (; nPadded - j >= 6; j += 6) MultiplyColumns<3>(d, n, matrix, j, beta);
  if (nPadded - j == 4) MultiplyColumns<2>(d, n, matrix, j, beta);
  if (nPadded - j == 2) MultiplyColumns<1>(d, n, matrix, j, beta);
}

// MultiplyByMatrix for a number of columns known in advance (kCols), and of
// rows when kRows is not 0: the same sums in the same order.
template <int kCols, int kRows>
void MultiplyFixed(const double* d, int nRows, const double (*matrix)[kMaxGrades],
                   SGradeRow& beta) {
  constexpr int kPadded = 2 * ((kCols + 1) / 2);
  auto groups = [&]<int... kGroup>(std::integer_sequence<int, kGroup...>) {
    (MultiplyColumns<std::min(3, (kPadded - 6 * kGroup) / 2), kRows>(d, nRows, matrix, 6 * kGroup,
                                                                     beta),
     ...);
  };
  groups(std::make_integer_sequence<int, (kPadded + 5) / 6>{});
}

// The grade distribution of a value on the child's value scale: all of p on
// the grade the value coincides with, or p split between the two grades that
// bracket it in proportion to the distance.
void SpreadValue(const SGradeTable& g, const SBracket& b, double x, double p, double* d) {
  const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
  if (b.m_nLow == b.m_nHigh || span == 0.0) {
    d[b.m_nLow] += p;
    return;
  }
  const double r = (g.m_dGradeValue[b.m_nHigh] - x) / span;
  d[b.m_nLow] += r * p;
  d[b.m_nHigh] += (1.0 - r) * p;
}

// A precise value: only the two bracketing grades carry it, so beta blends
// their two rows of the matrix.
void TransformValue(const CAssessment& child, const SBracketStart& scale, int nFather,
                    SGradeRow& beta) {
  const SGradeTable& g = child.Grades();
  const int n = UsedCount(child.m_nGrades);
  const double x = child.m_dValue;
  const SBracket b =
      BracketFrom(scale, std::span<const double>(g.m_dGradeValue, static_cast<size_t>(n)), x);
  const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
  if (b.m_nLow == b.m_nHigh || span == 0.0) {
    for (int j = 0; j < nFather; ++j) beta[j] = g.m_dConversion[b.m_nLow][j];
    return;
  }
  const double r = (g.m_dGradeValue[b.m_nHigh] - x) / span;
  const double* low = g.m_dConversion[b.m_nLow];
  const double* high = g.m_dConversion[b.m_nHigh];
  for (int j = 0; j < nFather; ++j) beta[j] = r * low[j] + (1.0 - r) * high[j];
}

// Possible values: each is spread over the grades, then the distribution is
// converted. kFather is nFather when known in advance, or 0.
template <int kFather>
void TransformPossibleValues(const CAssessment& child, const SBracketStart& scale, int nFather,
                             SGradeRow& beta) {
  const SGradeTable& g = child.Grades();
  const int n = UsedCount(child.m_nGrades);
  const std::span<const double> values(g.m_dGradeValue, static_cast<size_t>(n));
  alignas(kPairAlign) double spread[kMaxGrades];
  // Zeros in pairs of plain stores: a zeroing loop written as such becomes a
  // string instruction, which costs more to start than these few stores.
  for (int t = 0; t < n; t += 2) {
    spread[t] = 0.0;
    spread[t + 1] = 0.0;
  }
  const int count = UsedCount(child.m_nPossibleValues);
  for (int v = 0; v < count; ++v) {
    const double x = child.m_dPossibleValue[v];
    SpreadValue(g, BracketFrom(scale, values, x), x, child.m_dBelief[v], spread);
  }
  if constexpr (kFather > 0) {
    if (n == kFather) {
      MultiplyFixed<kFather, kFather>(spread, n, g.m_dConversion, beta);
    } else {
      MultiplyFixed<kFather, 0>(spread, n, g.m_dConversion, beta);
    }
  } else {
    MultiplyByMatrix(spread, n, g.m_dConversion, nFather, beta);
  }
}

// A quantitative child's row: its value scale comes classified (scale) or is
// classified here (nullptr).
template <int kFather>
void TransformValues(const CAssessment& child, const SBracketStart* scale, int nFather,
                     SGradeRow& beta) {
  const SBracketStart own = scale ? *scale : ValueScaleStart(child);
  if (child.m_nType == Quantitative) {
    TransformValue(child, own, nFather, beta);
  } else {
    TransformPossibleValues<kFather>(child, own, nFather, beta);
  }
}

// The row of a child's degrees in its father's nFather grades; kFather is
// nFather when known in advance, or 0.
template <int kFather = 0>
inline void Transform(const CAssessment& child, const SBracketStart* scale, int nFather,
                      SGradeRow& beta) {
  if (IsQuantitativeType(child.m_nType)) {
    TransformValues<kFather>(child, scale, nFather, beta);
    return;
  }
  const int n = UsedCount(child.m_nGrades);
  const double(*matrix)[kMaxGrades] = child.Grades().m_dConversion;
  if constexpr (kFather > 0) {
    // Most children are on as many grades as their father.
    if (n == kFather) {
      MultiplyFixed<kFather, kFather>(child.m_dBelief, n, matrix, beta);
    } else {
      MultiplyFixed<kFather, 0>(child.m_dBelief, n, matrix, beta);
    }
  } else {
    MultiplyByMatrix(child.m_dBelief, n, matrix, nFather, beta);
  }
}

}  // namespace

void TransformToFatherGrades(const CAssessment& child, int nFatherGrades, double* beta,
                             const SBracketStart* scale) {
  const int nFather = UsedCount(nFatherGrades);
  alignas(kPairAlign) SGradeRow row;
  Transform(child, scale, nFather, row);
  std::copy(row, row + nFather, beta);
}

namespace {

int LastOf(const CAlternative& alternative) {
  return std::clamp(alternative.m_nLastAttribute, 0, kAttributeSlots - 1);
}

// What one walk over the tree uses; m_scales is nullptr when the bottom
// attributes were not assessed first, m_extremes when no plan is known.
struct SWalk {
  const SChildLists* m_lists;
  const SValueScales* m_scales;
  const SUtilityExtremes* m_extremes;
};

// The lists of records (or definitions) 0..last.
template <typename TRecord>
void BuildChildLists(const TRecord* records, int last, SChildLists& lists) {
  lists.m_withChildren = 0;
  for (int i = last; i >= 0; --i) {
    const int f = records[i].m_nFather;
    lists.m_next[i] = -1;
    if (f < 0 || f > last || f == i) continue;
    lists.m_next[i] = lists.First(f);
    lists.m_first[f] = i;
    lists.m_withChildren |= std::uint64_t{1} << f;
  }
}

// Combines k's nChildren children into k's grades and stores k's beliefs
// and interval (with extremes[k] when given); rowOf(row, n) gives the
// row-th child's assessment in k's n grades. kGrades is the father's
// number of grades when it is one of the common counts, so that every
// per-grade loop of the combination has a fixed length, or 0 for any other
// count (nGrades).
template <int kGrades, typename FRow>
void CombineInto(CAlternative& alternative, int k, double* weights, int nChildren, int nGrades,
                 const SUtilityExtremes* extremes, FRow&& rowOf) {
  CAssessment& father = alternative.m_assessments[k];
  const int n = kGrades > 0 ? kGrades : nGrades;
  double unassigned = 0.0;
  Combine(
      std::span<double>(weights, static_cast<size_t>(nChildren)), n,
      [&](int row) -> const double* { return rowOf(row, n); }, father.m_dBelief, unassigned);
  if (extremes)
    UtilityInterval(alternative, k, extremes[k]);
  else
    UtilityInterval(alternative, k);
  father.m_bAssessed = true;
}

// combine(std::integral_constant<int, n>()) for the common grade counts,
// each then with loops of fixed length, combine(std::integral_constant<int,
// 0>()) for any other.
template <typename FCombine>
void OnGradeCount(int n, FCombine&& combine) {
  switch (n) {
    case 2:
      return combine(std::integral_constant<int, 2>());
    case 3:
      return combine(std::integral_constant<int, 3>());
    case 4:
      return combine(std::integral_constant<int, 4>());
    case 5:
      return combine(std::integral_constant<int, 5>());
    case 6:
      return combine(std::integral_constant<int, 6>());
    case 7:
      return combine(std::integral_constant<int, 7>());
    case 9:
      return combine(std::integral_constant<int, 9>());
    default:
      return combine(std::integral_constant<int, 0>());
  }
}

void Aggregate(CAlternative& alternative, int k, const int* children, int nChildren,
               const SValueScales* scales, const SUtilityExtremes* extremes) {
  const int n = UsedCount(alternative.m_assessments[k].m_nGrades);
  double weights[kAttributeSlots];
  for (int row = 0; row < nChildren; ++row)
    weights[row] = alternative.m_assessments[children[row]].m_dWeight;
  alignas(kPairAlign) SGradeRow beta;
  OnGradeCount(n, [&](auto grades) {
    constexpr int kGrades = decltype(grades)::value;
    CombineInto<kGrades>(alternative, k, weights, nChildren, n, extremes,
                         [&](int row, int nFather) -> const double* {
                           const int c = children[row];
                           Transform<kGrades>(alternative.m_assessments[c],
                                              scales ? scales->Of(c) : nullptr, nFather, beta);
                           return beta;
                         });
  });
}

// Gathers the list of k into an array and aggregates k when every child is
// assessed and their number is the one k records.
bool AggregateIfComplete(CAlternative& alternative, int k, const SWalk& walk) {
  const SChildLists& lists = *walk.m_lists;
  int children[kAttributeSlots];
  int count = 0;
  int assessed = 0;
  for (int c = lists.First(k); c >= 0; c = lists.m_next[c]) {
    children[count++] = c;
    assessed += alternative.m_assessments[c].m_bAssessed ? 1 : 0;
  }
  if (assessed != alternative.m_assessments[k].m_nChildren || assessed != count) return false;
  Aggregate(alternative, k, children, count, walk.m_scales, walk.m_extremes);
  return true;
}

// A post-order walk from k over the unassessed fathers below it. Every
// record is entered at most once, so a child count that never matches, or
// links that form a loop, end the walk with those fathers left pending.
void Walk(CAlternative& alternative, int k, const SWalk& walk) {
  const SChildLists& lists = *walk.m_lists;
  CAssessment* r = alternative.m_assessments;
  if (r[k].m_bAssessed || r[k].m_nChildren <= 0) return;
  // Records entered, one bit each.
  std::uint64_t entered = 0;
  int stack[kAttributeSlots];
  int cursor[kAttributeSlots];
  stack[0] = k;
  cursor[0] = lists.First(k);
  entered |= std::uint64_t{1} << k;
  r[k].m_nMark = kMarkPending;
  int depth = 1;
  while (depth > 0) {
    const int top = depth - 1;
    int c = cursor[top];
    while (c >= 0 && (r[c].m_bAssessed || r[c].m_nChildren <= 0 || (entered >> c & 1) != 0))
      c = lists.m_next[c];
    if (c >= 0) {
      cursor[top] = lists.m_next[c];
      entered |= std::uint64_t{1} << c;
      r[c].m_nMark = kMarkPending;
      stack[depth] = c;
      cursor[depth] = lists.First(c);
      ++depth;
      continue;
    }
    const int a = stack[top];
    --depth;
    if (AggregateIfComplete(alternative, a, walk)) r[a].m_nMark = kMarkSettled;
  }
}

// Step 1 of every evaluation: all marks settled, all results stale, every
// bottom attribute assessed from its own input. With a plan, its scales
// and extremes are used; without, the scales are classified into `scales`.
// Flags already as they end are not written again, so that records whose
// lines hold nothing new need not go back to memory.
void AssessBottomAttributes(CAlternative& alternative, int last, SValueScales& scales,
                            const SEvaluationPlan* plan) {
  // The records are read in order: ask for the next ones ahead, since an
  // alternative's records are rarely all in the cache, not even just after
  // preparing (what it asked for may still be on its way).
  constexpr int kAhead = 4;
  for (int i = 0; i <= last; ++i) {
    if (i + kAhead <= last) AskForRecord(alternative.m_assessments[i + kAhead]);
    CAssessment& r = alternative.m_assessments[i];
    if (r.m_nMark != kMarkSettled) r.m_nMark = kMarkSettled;
    const bool bBottom = r.m_nChildren <= 0;
    if (r.m_bAssessed != bBottom) r.m_bAssessed = bBottom;
    const bool bValues = bBottom && IsQuantitativeType(r.m_nType);
    if (!plan) scales.m_bKnown[i] = bValues;
    if (!bBottom) continue;
    if (bValues) {
      if (plan) {
        ValueUtilityInterval(alternative, i, plan->m_scales.m_scale[i]);
      } else {
        scales.m_scale[i] = ValueScaleStart(r);
        ValueUtilityInterval(alternative, i, scales.m_scale[i]);
      }
    } else if (plan) {
      UtilityInterval(alternative, i, plan->m_extremes[i]);
    } else {
      UtilityInterval(alternative, i);
    }
  }
}

void EvaluateWith(CAlternative& alternative, int k, const SEvaluationPlan* plan) {
  const int last = LastOf(alternative);
  if (k < 0 || k > last) return;
  SValueScales scales;
  AssessBottomAttributes(alternative, last, scales, plan);
  if (alternative.m_assessments[k].m_nChildren > 0) {
    SWalk walk;
    SChildLists lists;
    if (!plan) BuildChildLists(alternative.m_assessments, last, lists);
    walk.m_lists = plan ? &plan->m_lists : &lists;
    walk.m_scales = plan ? &plan->m_scales : &scales;
    walk.m_extremes = plan ? plan->m_extremes : nullptr;
    Walk(alternative, k, walk);
  } else {
    // Again, so that m_dUtility ends as k's.
    InputInterval(alternative, k);
  }
}

}  // namespace

void AggregateChildren(CAlternative& alternative, int k) {
  const int last = LastOf(alternative);
  if (k < 0 || k > last) return;
  int children[kAttributeSlots];
  int count = 0;
  for (int i = 0; i <= last; ++i) {
    if (i != k && alternative.m_assessments[i].m_nFather == k) children[count++] = i;
  }
  if (count == 0) return;
  Aggregate(alternative, k, children, count, nullptr, nullptr);
}

void AggregateRows(CAlternative& alternative, int k, const double* weights,
                   const double* const* rows, int nChildren) {
  const int n = UsedCount(alternative.m_assessments[k].m_nGrades);
  double normalised[kAttributeSlots];
  std::copy(weights, weights + nChildren, normalised);
  OnGradeCount(n, [&](auto grades) {
    CombineInto<decltype(grades)::value>(alternative, k, normalised, nChildren, n, nullptr,
                                         [&](int row, int) { return rows[row]; });
  });
}

void EvaluateAttribute(CAlternative& alternative, int k) {
  const int last = LastOf(alternative);
  if (k < 0 || k > last) return;
  SWalk walk;
  SChildLists lists;
  BuildChildLists(alternative.m_assessments, last, lists);
  walk.m_lists = &lists;
  walk.m_scales = nullptr;
  walk.m_extremes = nullptr;
  Walk(alternative, k, walk);
}

void EvaluateFrom(CAlternative& alternative, int k) { EvaluateWith(alternative, k, nullptr); }

void PlanEvaluation(const CAttribute* definitions, int last, SEvaluationPlan& plan) {
  plan.m_nLastAttribute = last;
  if (last < 0 || last >= kAttributeSlots) return;
  BuildChildLists(definitions, last, plan.m_lists);
  for (int i = 0; i <= last; ++i) {
    const CAttribute& a = definitions[i];
    plan.m_scales.m_bKnown[i] = IsQuantitativeType(a.m_nType);
    if (plan.m_scales.m_bKnown[i]) plan.m_scales.m_scale[i] = ValueScaleStart(a);
    plan.m_extremes[i] = UtilityExtremes(a);
  }
}

void EvaluateFrom(CAlternative& alternative, int k, const SEvaluationPlan& plan) {
  const int last = alternative.m_nLastAttribute;
  const bool bPlanned = last == plan.m_nLastAttribute && last >= 0 && last < kAttributeSlots;
  EvaluateWith(alternative, k, bPlanned ? &plan : nullptr);
}

void EvaluateAll(CAlternative& alternative) { EvaluateFrom(alternative, 0); }

}  // namespace zev
