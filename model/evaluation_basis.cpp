#include "model/evaluation_basis.h"

#include <algorithm>
#include <cstring>

#include "model/madm_doc.h"

namespace zev {

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The numbers and links preparing copies, but the weight and the mark (an
// evaluation overwrites every mark it was given).
bool SameScalars(const CAttribute& a, const CAttribute& b) {
  return a.m_nFather == b.m_nFather && a.m_nPrevSibling == b.m_nPrevSibling &&
         a.m_nNextSibling == b.m_nNextSibling && a.m_nChildren == b.m_nChildren &&
         a.m_nType == b.m_nType && SameBits(a.m_dBest, b.m_dBest) &&
         SameBits(a.m_dWorst, b.m_dWorst) && a.m_nGrades == b.m_nGrades;
}

}  // namespace

bool SharesDefinition(const CAttribute& record, const CAttribute& a) {
  return record.m_strName.SameStorage(a.m_strName) &&
         record.m_strDescription.SameStorage(a.m_strDescription) &&
         record.m_strUnit.SameStorage(a.m_strUnit) &&
         record.m_strComments.SameStorage(a.m_strComments) && record.SharesGradesWith(a);
}

void CEvaluationBasis::Forget() {
  m_bKnown = false;
  m_changed.clear();
  m_pDerived.reset();
}

void CEvaluationBasis::NoteAlternative(CAlternative* alternative) {
  if (!m_bKnown) return;
  if (std::find(m_changed.begin(), m_changed.end(), alternative) != m_changed.end()) return;
  if (m_changed.size() >= kMaxChanged) {
    Forget();
    return;
  }
  m_changed.push_back(alternative);
}

void CEvaluationBasis::NoteRemoved(const CAlternative* alternative) {
  m_changed.erase(std::remove(m_changed.begin(), m_changed.end(), alternative), m_changed.end());
}

void CEvaluationBasis::Record(CMADMDoc& doc) {
  m_nLastAttribute = doc.LastAttribute();
  m_nCurrentAttribute = doc.CurrentAttribute();
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    const CAttribute& a = doc.Attribute(i);
    CAttribute& kept = m_definitions[i];
    kept.m_nFather = a.m_nFather;
    kept.m_nPrevSibling = a.m_nPrevSibling;
    kept.m_nNextSibling = a.m_nNextSibling;
    kept.m_nChildren = a.m_nChildren;
    kept.m_nType = a.m_nType;
    kept.m_dBest = a.m_dBest;
    kept.m_dWorst = a.m_dWorst;
    kept.m_nGrades = a.m_nGrades;
    kept.m_strName = a.m_strName;
    kept.m_strDescription = a.m_strDescription;
    kept.m_strUnit = a.m_strUnit;
    kept.m_strComments = a.m_strComments;
    kept.ShareGrades(a);
    // A weight that does not read back makes every preparation warn; such
    // a model is always evaluated in full.
    if (!doc.PreparedWeight(i, m_dWeight[i])) {
      Forget();
      return;
    }
  }
  m_bKnown = true;
  m_changed.clear();
}

CEvaluationBasis::SChanges CEvaluationBasis::Compare(CMADMDoc& doc) const {
  SChanges changes;
  if (!m_bKnown || doc.LastAttribute() != m_nLastAttribute ||
      doc.CurrentAttribute() != m_nCurrentAttribute) {
    return changes;
  }
  for (int i = 0; i <= m_nLastAttribute; ++i) {
    const CAttribute& a = doc.Attribute(i);
    const CAttribute& kept = m_definitions[i];
    if (!SameScalars(a, kept) || !SharesDefinition(kept, a)) return changes;
    double weight = 0.0;
    if (!doc.PreparedWeight(i, weight)) return changes;
    if (!SameBits(weight, m_dWeight[i])) changes.m_weights |= std::uint64_t{1} << i;
  }
  changes.m_bOther = false;
  return changes;
}

std::uint64_t CEvaluationBasis::NewSharedParts(const CMADMDoc& doc) const {
  const int last = doc.LastAttribute();
  if (!m_bKnown || last != m_nLastAttribute) return AttributesUpTo(last);
  std::uint64_t parts = 0;
  for (int i = 0; i <= last; ++i) {
    if (!SharesDefinition(m_definitions[i], doc.Attribute(i))) parts |= std::uint64_t{1} << i;
  }
  return parts;
}

}  // namespace zev
