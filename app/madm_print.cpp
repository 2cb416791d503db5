#include "app/madm_print.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "app/box_painter.h"

namespace zev {

int PrintDiagram(QPrinter& printer, const CMADMDoc& doc) {
  return PrintDiagram(static_cast<QPagedPaintDevice&>(printer), doc);
}

int PrintDiagram(QPagedPaintDevice& device, const CMADMDoc& doc) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const double scale = device.logicalDpiY() / 96.0;
  // The printable area in view units.
  const int pageW = std::max(1, static_cast<int>(device.width() / scale));
  const int pageH = std::max(1, static_cast<int>(device.height() / scale));
  const SExtent extent = ScrollExtent(doc);
  const int cols = std::max(1, (extent.cx + pageW - 1) / pageW);
  const int rows = std::max(1, (extent.cy + pageH - 1) / pageH);
  int pages = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const QRect clip(c * pageW, r * pageH, pageW, pageH);
      // Pages that would come out blank are left out.
      bool bAny = false;
      for (int i = 0; i <= doc.LastAttribute() && !bAny; ++i) {
        const CAttribute& a = doc.Attribute(i);
        SRect f = box::Footprint(a.m_nX, a.m_nY);
        bAny = QRect(QPoint(f.left, f.top), QPoint(f.right, f.bottom)).intersects(clip);
      }
      for (int pos = 0; pos < doc.AlternativeCount() && !bAny; ++pos) {
        const CAlternative& a = doc.Alternative(pos);
        SRect f = box::Footprint(a.m_nX, a.m_nY);
        bAny = QRect(QPoint(f.left, f.top), QPoint(f.right, f.bottom)).intersects(clip);
      }
      if (!bAny && !(r == 0 && c == 0)) continue;
      if (pages > 0) device.newPage();
      painter.save();
      painter.scale(scale, scale);
      painter.translate(-clip.left(), -clip.top());
      painter.setClipRect(clip);
      PaintDiagram(painter, doc, clip);
      painter.restore();
      ++pages;
    }
  }
  painter.end();
  return pages;
}

}  // namespace zev
