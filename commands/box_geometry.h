#pragma once

#include "model/madm_doc.h"

namespace zev {

// The geometry of the box diagram, in view units (1/96 inch). An attribute
// or alternative box is centred on its stored position (x, y).
struct SRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool Intersects(const SRect& o) const {
    return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
  }
};

namespace box {

inline SRect Box(int x, int y) { return {x - 55, y - 21, x + 55, y + 21}; }
inline SRect Shadow(int x, int y) { return {x - 50, y - 16, x + 60, y + 26}; }
inline SRect NameCell(int x, int y) { return {x - 55, y - 21, x + 55, y}; }
// The weight cell of an attribute and the ranking cell of an alternative.
inline SRect LeftCell(int x, int y) { return {x - 55, y, x, y + 21}; }
inline SRect ValueCell(int x, int y) { return {x, y, x + 55, y + 21}; }
inline SRect UtilityCell(int x, int y) { return {x - 5, y, x + 55, y + 21}; }
// Everything an attribute or alternative draws, shadow included.
inline SRect Footprint(int x, int y) { return {x - 55, y - 21, x + 60, y + 26}; }

}  // namespace box

// What a click at a point of the diagram hits.
struct SBoxHit {
  enum EKind { None, Attribute, Alternative } m_kind = None;
  int m_nIndex = -1;  // attribute index or alternative position
};
SBoxHit HitTest(const CMADMDoc& doc, int x, int y);

// Moves through the hierarchy the way the keys of the attribute field do;
// each returns the attribute to go to, or -1 when there is none.
int FirstChild(const CMADMDoc& doc, int k);
// The next sibling, or else the father's next sibling, or else the first child.
int NextInReadingOrder(const CMADMDoc& doc, int k);
// The previous sibling, or else the father.
int EarlierBox(const CMADMDoc& doc, int k);

}  // namespace zev
