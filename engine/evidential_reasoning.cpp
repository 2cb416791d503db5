#include "engine/evidential_reasoning.h"

#include <algorithm>

#include "engine/matrix.h"
#include "engine/utility.h"

namespace zev {

namespace {

// The sums of the combination are accumulated in extended precision and
// stored as doubles.
using CExtended = long double;

// The recursive combination, with the rows of transformed degrees supplied
// one at a time: rowOf(i) returns child i's N degrees. A row is needed only
// when its child joins the combination, so an aggregation can transform the
// next child while the combination of the previous one is still in flight;
// the arithmetic is the same as with the whole table given up front.
template <typename FRow>
void Combine(std::span<double> weights, int n, FRow&& rowOf, std::span<double> result) {
  const int nChildren = static_cast<int>(weights.size());

  CExtended weightSum = 0.0;
  for (double w : weights) weightSum += w;
  double sum = static_cast<double>(weightSum);
  if (sum <= kCombinationFloor) sum = kCombinationFloor;
  for (double& w : weights) w /= sum;

  // Row i: the weighted masses of the grades, then the mass left unassigned
  // by the child's own incompleteness (m~H), then the mass left by its
  // weight (m-H).
  const int cTilde = n;
  const int cBar = n + 1;
  CMatrix m(nChildren, n + 2);
  double mass[kMaxGrades];
  double tilde = 0.0;
  double bar = 0.0;
  for (int i = 0; i < nChildren; ++i) {
    const double* beta = rowOf(i);
    const double w = weights[static_cast<size_t>(i)];
    double* row = m.Row(i);
    CExtended total = 0.0;
    CExtended childMass = 0.0;
    for (int g = 0; g < n; ++g) {
      total += beta[g];
      row[g] = w * beta[g];
      childMass += row[g];
    }
    row[cTilde] = (1.0 - static_cast<double>(total)) * w;
    row[cBar] = 1.0 - w;

    if (i == 0) {
      for (int g = 0; g < n; ++g) mass[g] = row[g];
      tilde = row[cTilde];
      bar = row[cBar];
      continue;
    }
    // Conflict: the sum over every pair of different grades (t, j) of
    // m(t) * m(j, i), formed as the sum over t of m(t) times the child's
    // mass on all other grades; two interleaved sums for a shorter chain.
    CExtended even = 0.0;
    CExtended odd = 0.0;
    int g = 0;
    for (; g + 1 < n; g += 2) {
      even += mass[g] * (childMass - row[g]);
      odd += mass[g + 1] * (childMass - row[g + 1]);
    }
    if (g < n) even += mass[g] * (childMass - row[g]);
    double agreement = 1.0 - static_cast<double>(even + odd);
    if (agreement < kCombinationFloor) agreement = kCombinationFloor;
    const double k = 1.0 / agreement;
    const double tildeI = row[cTilde];
    const double barI = row[cBar];
    const double unassigned = bar + tilde;
    for (g = 0; g < n; ++g) {
      const double mi = row[g];
      mass[g] = k * (mass[g] * (mi + tildeI + barI) + unassigned * mi);
    }
    tilde = k * (tilde * (tildeI + barI) + bar * tildeI);
    bar = k * bar * barI;
  }

  double d = 1.0 - bar;
  if (d < kCombinationFloor) d = kCombinationFloor;
  for (int g = 0; g < n; ++g) result[static_cast<size_t>(g)] = mass[g] / d;
  result[static_cast<size_t>(n)] = tilde / d;
}

}  // namespace

void CombineEvidence(std::span<double> weights, std::span<const double> beliefs, int nGrades,
                     std::span<double> result) {
  const int nChildren = static_cast<int>(weights.size());
  const int n = nGrades;
  if (nChildren < 1 || n < 1 || n > kMaxGrades) return;
  if (beliefs.size() < static_cast<size_t>(nChildren) * static_cast<size_t>(n)) return;
  if (result.size() < static_cast<size_t>(n + 1)) return;
  const double* table = beliefs.data();
  Combine(
      weights, n,
      [table, n](int i) { return table + static_cast<size_t>(i) * static_cast<size_t>(n); },
      result);
}

namespace {

// beta(j) = sum over t of d(t) * M(t, j). Four columns at a time, so that
// the four sums stay in registers. These sums of at most 20 products of
// degrees are kept in double: in extended precision they would add about a
// quarter to the time of an aggregation, for a difference in the last bit.
void MultiplyByMatrix(const double* d, int n, const double (*matrix)[kMaxGrades], int nCols,
                      double* beta) {
  int j = 0;
  for (; j + 4 <= nCols; j += 4) {
    double a0 = 0.0;
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
    for (int t = 0; t < n; ++t) {
      const double dt = d[t];
      const double* row = matrix[t] + j;
      a0 += dt * row[0];
      a1 += dt * row[1];
      a2 += dt * row[2];
      a3 += dt * row[3];
    }
    beta[j] = a0;
    beta[j + 1] = a1;
    beta[j + 2] = a2;
    beta[j + 3] = a3;
  }
  for (; j < nCols; ++j) {
    double a = 0.0;
    for (int t = 0; t < n; ++t) a += d[t] * matrix[t][j];
    beta[j] = a;
  }
}

}  // namespace

void TransformToFatherGrades(const CAssessment& child, int nFatherGrades, double* beta) {
  const SGradeTable& g = child.Grades();
  const int n = UsedCount(child.m_nGrades);
  const int nFather = UsedCount(nFatherGrades);
  const std::span<const double> values(g.m_dGradeValue, static_cast<size_t>(n));

  if (child.m_nType == Quantitative) {
    // Only the two bracketing grades carry the value.
    const double x = child.m_dValue;
    const SBracket b = BracketValue(values, x);
    const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
    if (b.m_nLow == b.m_nHigh || span == 0.0) {
      for (int j = 0; j < nFather; ++j) beta[j] = g.m_dConversion[b.m_nLow][j];
      return;
    }
    const double r = (g.m_dGradeValue[b.m_nHigh] - x) / span;
    const double* low = g.m_dConversion[b.m_nLow];
    const double* high = g.m_dConversion[b.m_nHigh];
    for (int j = 0; j < nFather; ++j) beta[j] = r * low[j] + (1.0 - r) * high[j];
    return;
  }

  if (child.m_nType != QuantitativeUncertain) {
    MultiplyByMatrix(child.m_dBelief, n, g.m_dConversion, nFather, beta);
    return;
  }
  double spread[kMaxGrades] = {};
  {
    const int count = UsedCount(child.m_nPossibleValues);
    const SBracketStart start = BracketStart(values);
    for (int v = 0; v < count; ++v) {
      const double x = child.m_dPossibleValue[v];
      const double p = child.m_dBelief[v];
      const SBracket b = BracketFrom(start, values, x);
      const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
      if (b.m_nLow == b.m_nHigh || span == 0.0) {
        spread[b.m_nLow] += p;
      } else {
        const double r = (g.m_dGradeValue[b.m_nHigh] - x) / span;
        spread[b.m_nLow] += r * p;
        spread[b.m_nHigh] += (1.0 - r) * p;
      }
    }
  }
  MultiplyByMatrix(spread, n, g.m_dConversion, nFather, beta);
}

namespace {

int LastOf(const CAlternative& alternative) {
  return std::clamp(alternative.m_nLastAttribute, 0, kAttributeSlots - 1);
}

// The children of every record, each list in ascending index order, built
// in one pass over the records.
struct SChildLists {
  int m_first[kAttributeSlots];
  int m_next[kAttributeSlots];
};

void BuildChildLists(const CAlternative& alternative, int last, SChildLists& lists) {
  for (int i = 0; i <= last; ++i) lists.m_first[i] = -1;
  for (int i = last; i >= 0; --i) {
    const int f = alternative.m_assessments[i].m_nFather;
    lists.m_next[i] = -1;
    if (f < 0 || f > last || f == i) continue;
    lists.m_next[i] = lists.m_first[f];
    lists.m_first[f] = i;
  }
}

void Aggregate(CAlternative& alternative, int k, const int* children, int nChildren) {
  CAssessment& father = alternative.m_assessments[k];
  const int n = UsedCount(father.m_nGrades);
  double weights[kAttributeSlots];
  for (int row = 0; row < nChildren; ++row)
    weights[row] = alternative.m_assessments[children[row]].m_dWeight;
  double beta[kMaxGrades];
  double result[kMaxGrades + 1];
  Combine(
      std::span<double>(weights, static_cast<size_t>(nChildren)), n,
      [&](int row) {
        TransformToFatherGrades(alternative.m_assessments[children[row]], n, beta);
        return static_cast<const double*>(beta);
      },
      std::span<double>(result, static_cast<size_t>(n + 1)));
  std::copy(result, result + n, father.m_dBelief);
  UtilityInterval(alternative, k);
  father.m_bAssessed = true;
}

// Gathers the list of k into an array and aggregates k when every child is
// assessed and their number is the one k records.
bool AggregateIfComplete(CAlternative& alternative, int k, const SChildLists& lists) {
  int children[kAttributeSlots];
  int count = 0;
  int assessed = 0;
  for (int c = lists.m_first[k]; c >= 0; c = lists.m_next[c]) {
    children[count++] = c;
    assessed += alternative.m_assessments[c].m_bAssessed ? 1 : 0;
  }
  if (assessed != alternative.m_assessments[k].m_nChildren || assessed != count) return false;
  Aggregate(alternative, k, children, count);
  return true;
}

// A post-order walk from k over the unassessed fathers below it. Every
// record is entered at most once, so a child count that never matches, or
// links that form a loop, end the walk with those fathers left pending.
void Walk(CAlternative& alternative, int k, const SChildLists& lists) {
  CAssessment* r = alternative.m_assessments;
  if (r[k].m_bAssessed || r[k].m_nChildren <= 0) return;
  bool entered[kAttributeSlots] = {};
  int stack[kAttributeSlots];
  int cursor[kAttributeSlots];
  stack[0] = k;
  cursor[0] = lists.m_first[k];
  entered[k] = true;
  r[k].m_nMark = kMarkPending;
  int depth = 1;
  while (depth > 0) {
    const int top = depth - 1;
    int c = cursor[top];
    while (c >= 0 && (r[c].m_bAssessed || r[c].m_nChildren <= 0 || entered[c])) c = lists.m_next[c];
    if (c >= 0) {
      cursor[top] = lists.m_next[c];
      entered[c] = true;
      r[c].m_nMark = kMarkPending;
      stack[depth] = c;
      cursor[depth] = lists.m_first[c];
      ++depth;
      continue;
    }
    const int a = stack[top];
    --depth;
    if (AggregateIfComplete(alternative, a, lists)) r[a].m_nMark = kMarkSettled;
  }
}

// Step 1 of every evaluation: all marks settled, all results stale, every
// bottom attribute assessed from its own input.
void AssessBottomAttributes(CAlternative& alternative, int last) {
  // The records are read in order, each in full: ask for the next ones
  // ahead, since an alternative's records are rarely still in the cache.
  constexpr int kAhead = 4;
  for (int i = 0; i <= last; ++i) {
    if (i + kAhead <= last) {
      const char* ahead = reinterpret_cast<const char*>(&alternative.m_assessments[i + kAhead]);
      for (size_t line = 0; line < sizeof(CAssessment); line += 64)
        __builtin_prefetch(ahead + line);
    }
    CAssessment& r = alternative.m_assessments[i];
    r.m_nMark = kMarkSettled;
    r.m_bAssessed = false;
    if (r.m_nChildren <= 0) {
      r.m_bAssessed = true;
      InputInterval(alternative, i);
    }
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
  Aggregate(alternative, k, children, count);
}

void EvaluateAttribute(CAlternative& alternative, int k) {
  const int last = LastOf(alternative);
  if (k < 0 || k > last) return;
  SChildLists lists;
  BuildChildLists(alternative, last, lists);
  Walk(alternative, k, lists);
}

void EvaluateAll(CAlternative& alternative) {
  const int last = LastOf(alternative);
  AssessBottomAttributes(alternative, last);
  if (alternative.m_assessments[0].m_nChildren > 0) {
    SChildLists lists;
    BuildChildLists(alternative, last, lists);
    Walk(alternative, 0, lists);
  } else {
    InputInterval(alternative, 0);
  }
}

void EvaluateFrom(CAlternative& alternative, int k) {
  const int last = LastOf(alternative);
  if (k < 0 || k > last) return;
  AssessBottomAttributes(alternative, last);
  if (alternative.m_assessments[k].m_nChildren > 0) {
    SChildLists lists;
    BuildChildLists(alternative, last, lists);
    Walk(alternative, k, lists);
  } else {
    InputInterval(alternative, k);
  }
}

}  // namespace zev
