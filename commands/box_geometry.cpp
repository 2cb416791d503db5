#include "commands/box_geometry.h"

namespace zev {

namespace {

bool InUse(const CMADMDoc& doc, int k) { return k >= 0 && k <= doc.LastAttribute(); }

}  // namespace

SBoxHit HitTest(const CMADMDoc& doc, int x, int y) {
  // Attributes are drawn first and alternatives over them, so the
  // alternatives win where boxes overlap.
  for (int pos = doc.AlternativeCount() - 1; pos >= 0; --pos) {
    const CAlternative& a = doc.Alternative(pos);
    if (box::Box(a.m_nX, a.m_nY).Contains(x, y)) return {SBoxHit::Alternative, pos};
  }
  for (int i = doc.LastAttribute(); i >= 0; --i) {
    const CAttribute& a = doc.Attribute(i);
    if (box::Box(a.m_nX, a.m_nY).Contains(x, y)) return {SBoxHit::Attribute, i};
  }
  return {};
}

int FirstChild(const CMADMDoc& doc, int k) {
  if (!InUse(doc, k) || doc.Attribute(k).m_nChildren <= 0) return -1;
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (i != k && a.m_nFather == k && a.m_nPrevSibling < 0) return i;
  }
  return -1;
}

int NextInReadingOrder(const CMADMDoc& doc, int k) {
  if (!InUse(doc, k)) return -1;
  const CAttribute& a = doc.Attribute(k);
  if (InUse(doc, a.m_nNextSibling)) return a.m_nNextSibling;
  if (InUse(doc, a.m_nFather)) {
    int uncle = doc.Attribute(a.m_nFather).m_nNextSibling;
    if (InUse(doc, uncle)) return uncle;
  }
  return FirstChild(doc, k);
}

int EarlierBox(const CMADMDoc& doc, int k) {
  if (!InUse(doc, k)) return -1;
  const CAttribute& a = doc.Attribute(k);
  if (InUse(doc, a.m_nPrevSibling)) return a.m_nPrevSibling;
  if (InUse(doc, a.m_nFather)) return a.m_nFather;
  return -1;
}

}  // namespace zev
