#pragma once

#include "analysis/chart_content.h"
#include "model/madm_doc.h"

namespace zev {

// The trade-off window: every alternative as a point over two attributes,
// from the results as they stand (nothing is re-evaluated).
class CTradeOffPresenter {
 public:
  static constexpr int kWindow = 221;
  static constexpr const char* kTitle = "ZEV Dialog: Trade-Off Analysis";
  static constexpr const char* kXLabel = "X Axis Attribute:";
  static constexpr const char* kYLabel = "Y Axis Attribute:";

  // X starts on the document's current attribute (attribute 1 when that is
  // the top), Y on the top attribute.
  explicit CTradeOffPresenter(const CMADMDoc& doc);

  int X() const { return m_nX; }
  int Y() const { return m_nY; }
  void SetX(int k);
  void SetY(int k);
  // Draws again from the document.
  void Redraw();
  // After a change made elsewhere: each axis keeps its attribute where it
  // moved; an axis whose attribute was deleted starts over as on opening.
  void FollowDocument(const SDocChange& change);
  const ChartContent& Chart() const { return m_chart; }

 private:
  int Valid(int k) const { return k >= 0 && k <= m_doc.LastAttribute() ? k : 0; }
  int OpeningX() const;

  const CMADMDoc& m_doc;
  int m_nX = 0;
  int m_nY = 0;
  ChartContent m_chart;
};

}  // namespace zev
