#include "engine/evidential_reasoning.h"

#include <algorithm>

#include "engine/matrix.h"
#include "engine/utility.h"

namespace zev {

void CombineEvidence(std::span<double> weights, std::span<const double> beliefs, int nGrades,
                     std::span<double> result) {
  const int nChildren = static_cast<int>(weights.size());
  const int n = nGrades;
  if (nChildren < 1 || n < 1) return;

  long double weightSum = 0.0L;
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
  for (int i = 0; i < nChildren; ++i) {
    const double* beta = beliefs.data() + static_cast<size_t>(i) * static_cast<size_t>(n);
    const double w = weights[static_cast<size_t>(i)];
    long double total = 0.0L;
    for (int g = 0; g < n; ++g) {
      total += beta[g];
      m(i, g) = w * beta[g];
    }
    m(i, cTilde) = (1.0 - static_cast<double>(total)) * w;
    m(i, cBar) = 1.0 - w;
  }

  double mass[kMaxGrades];
  for (int g = 0; g < n; ++g) mass[g] = m(0, g);
  double tilde = m(0, cTilde);
  double bar = m(0, cBar);
  for (int i = 1; i < nChildren; ++i) {
    // Conflict: the combined mass of every grade against the child's mass
    // of every other grade.
    long double childTotal = 0.0L;
    for (int g = 0; g < n; ++g) childTotal += m(i, g);
    long double conflict = 0.0L;
    for (int g = 0; g < n; ++g) conflict += mass[g] * (childTotal - m(i, g));
    double agreement = 1.0 - static_cast<double>(conflict);
    if (agreement < kCombinationFloor) agreement = kCombinationFloor;
    const double k = 1.0 / agreement;
    const double tildeI = m(i, cTilde);
    const double barI = m(i, cBar);
    for (int g = 0; g < n; ++g) {
      const double mi = m(i, g);
      mass[g] = k * (mass[g] * (mi + tildeI + barI) + (bar + tilde) * mi);
    }
    tilde = k * (tilde * (tildeI + barI) + bar * tildeI);
    bar = k * bar * barI;
  }

  double d = 1.0 - bar;
  if (d < kCombinationFloor) d = kCombinationFloor;
  for (int g = 0; g < n; ++g) result[static_cast<size_t>(g)] = mass[g] / d;
  result[static_cast<size_t>(n)] = tilde / d;
}

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
    const long double dLow = r;
    const long double dHigh = 1.0 - r;
    const double* low = g.m_dConversion[b.m_nLow];
    const double* high = g.m_dConversion[b.m_nHigh];
    for (int j = 0; j < nFather; ++j) {
      beta[j] = static_cast<double>(dLow * low[j] + dHigh * high[j]);
    }
    return;
  }

  double spread[kMaxGrades];
  const double* d = child.m_dBelief;
  if (child.m_nType == QuantitativeUncertain) {
    long double acc[kMaxGrades] = {};
    const int count = UsedCount(child.m_nPossibleValues);
    for (int v = 0; v < count; ++v) {
      const double x = child.m_dPossibleValue[v];
      const long double p = child.m_dBelief[v];
      const SBracket b = BracketValue(values, x);
      const double span = g.m_dGradeValue[b.m_nHigh] - g.m_dGradeValue[b.m_nLow];
      if (b.m_nLow == b.m_nHigh || span == 0.0) {
        acc[b.m_nLow] += p;
      } else {
        const double r = (g.m_dGradeValue[b.m_nHigh] - x) / span;
        acc[b.m_nLow] += static_cast<long double>(r) * p;
        acc[b.m_nHigh] += static_cast<long double>(1.0 - r) * p;
      }
    }
    for (int t = 0; t < n; ++t) spread[t] = static_cast<double>(acc[t]);
    d = spread;
  }

  long double acc[kMaxGrades] = {};
  for (int t = 0; t < n; ++t) {
    const long double dt = d[t];
    const double* row = g.m_dConversion[t];
    for (int j = 0; j < nFather; ++j) acc[j] += dt * row[j];
  }
  for (int j = 0; j < nFather; ++j) beta[j] = static_cast<double>(acc[j]);
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
  double beliefs[kAttributeSlots * kMaxGrades];
  for (int row = 0; row < nChildren; ++row) {
    const CAssessment& child = alternative.m_assessments[children[row]];
    weights[row] = child.m_dWeight;
    TransformToFatherGrades(child, n, beliefs + row * n);
  }
  double result[kMaxGrades + 1];
  CombineEvidence(std::span<double>(weights, static_cast<size_t>(nChildren)),
                  std::span<const double>(beliefs, static_cast<size_t>(nChildren * n)), n,
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
  int depth = 0;
  stack[0] = k;
  cursor[0] = lists.m_first[k];
  entered[k] = true;
  r[k].m_nMark = kMarkPending;
  depth = 1;
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
  for (int i = 0; i <= last; ++i) {
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
