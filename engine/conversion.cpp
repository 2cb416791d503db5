#include "engine/conversion.h"

#include <algorithm>
#include <cstring>

#include "engine/utility.h"

namespace zev {

namespace {

// The father of k, when k is a non-top attribute with a father in use.
int FatherOf(const CMADMDoc& doc, int k) {
  if (k <= 0 || k > doc.LastAttribute()) return -1;
  const int f = doc.Attribute(k).m_nFather;
  return f >= 0 && f <= doc.LastAttribute() && f != k ? f : -1;
}

// The per-grade table is shared with the records of every alternative; it is
// written (and so unshared) only when a derivation really changes it.
bool SameNumbers(const double* a, const double* b, int n) {
  return std::memcmp(a, b, sizeof(double) * static_cast<size_t>(n)) == 0;
}

}  // namespace

void UtilitiesFromRules(CMADMDoc& doc, int k) {
  const int f = FatherOf(doc, k);
  if (f < 0) return;
  const CAttribute& father = doc.Attribute(f);
  CAttribute& a = doc.Attribute(k);
  const int n = UsedCount(a.m_nGrades);
  const int nFather = UsedCount(father.m_nGrades);
  const double* u = father.Grades().m_dGradeUtility;
  const SGradeTable& g = a.Grades();
  double utilities[kMaxGrades];
  for (int i = 0; i < n; ++i) {
    double sum = 0.0;
    for (int j = 0; j < nFather; ++j) sum += g.m_dConversion[i][j] * u[j];
    utilities[i] = sum;
  }
  if (!SameNumbers(utilities, g.m_dGradeUtility, n)) {
    std::copy(utilities, utilities + n, a.MutableGrades().m_dGradeUtility);
  }
}

void RulesFromUtilities(CMADMDoc& doc, int k) {
  const int f = FatherOf(doc, k);
  if (f < 0) return;
  const CAttribute& father = doc.Attribute(f);
  CAttribute& a = doc.Attribute(k);
  const int n = UsedCount(a.m_nGrades);
  const int nFather = UsedCount(father.m_nGrades);
  const double* u = father.Grades().m_dGradeUtility;
  const std::span<const double> fatherUtilities(u, static_cast<size_t>(nFather));
  const SGradeTable& g = a.Grades();
  double rows[kMaxGrades][kMaxGrades];
  bool bSame = true;
  for (int i = 0; i < n; ++i) {
    double* row = rows[i];
    for (int j = 0; j < nFather; ++j) row[j] = 0.0;
    const double own = g.m_dGradeUtility[i];
    const SBracket b = BracketValue(fatherUtilities, own);
    const double span = u[b.m_nHigh] - u[b.m_nLow];
    // Two father grades of one utility leave nothing to split between.
    if (b.m_nLow == b.m_nHigh || span == 0.0) {
      row[b.m_nLow] = 1.0;
    } else {
      const double r = (u[b.m_nHigh] - own) / span;
      row[b.m_nLow] = r;
      row[b.m_nHigh] = 1.0 - r;
    }
    bSame = bSame && SameNumbers(row, g.m_dConversion[i], nFather);
  }
  if (bSame) return;
  SGradeTable& target = a.MutableGrades();
  for (int i = 0; i < n; ++i) std::copy(rows[i], rows[i] + nFather, target.m_dConversion[i]);
}

void ApplyConversionRule(CMADMDoc& doc, int k) {
  if (doc.Attribute(k).m_nConversion == ByUtility)
    RulesFromUtilities(doc, k);
  else
    UtilitiesFromRules(doc, k);
}

void PropagateRules(CMADMDoc& doc, int k) {
  if (k < 0 || k > doc.LastAttribute()) return;
  for (int i = 0; i <= doc.LastAttribute(); ++i) doc.Attribute(i).m_nMark = 6;
  ApplyConversionRule(doc, k);
  PropagateRulesBelow(doc, k);
}

// Children of every attribute in ascending index order are derived before
// their own children, so every attribute is derived after its father's
// utilities are final. One pass over the table builds the child lists and
// each attribute is reached once, so links that form a loop cannot make
// the walk revisit anything.
void PropagateRulesBelow(CMADMDoc& doc, int k) {
  const int last = doc.LastAttribute();
  if (k < 0 || k > last) return;
  int firstChild[kAttributeSlots];
  int nextSibling[kAttributeSlots];
  bool reached[kAttributeSlots] = {};
  for (int i = 0; i <= last; ++i) firstChild[i] = -1;
  for (int i = last; i >= 0; --i) {
    const int f = doc.Attribute(i).m_nFather;
    if (f < 0 || f > last || f == i) continue;
    nextSibling[i] = firstChild[f];
    firstChild[f] = i;
  }
  int queue[kAttributeSlots];
  int head = 0;
  int tail = 0;
  queue[tail++] = k;
  reached[k] = true;
  while (head < tail) {
    const int a = queue[head++];
    doc.Attribute(a).m_nMark = 6;
    if (doc.Attribute(a).m_nChildren <= 0) continue;
    for (int c = firstChild[a]; c >= 0; c = nextSibling[c]) {
      if (reached[c]) continue;
      reached[c] = true;
      doc.Attribute(c).m_nMark = 5;
      ApplyConversionRule(doc, c);
      queue[tail++] = c;
    }
  }
}

void CEngineRuleDeriver::PropagateRules(CMADMDoc& doc, int nAttribute) {
  zev::PropagateRules(doc, nAttribute);
}

void AttachEngine(CMADMDoc& doc) {
  static CEngineRuleDeriver deriver;
  doc.SetRuleDeriver(&deriver);
}

}  // namespace zev
