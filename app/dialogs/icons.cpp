#include "app/dialogs/icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <initializer_list>

#include "commands/command_ids.h"
#include "model/limits.h"

namespace zev {

namespace {

const QColor kCyan(50, 250, 250);
const QColor kYellow(250, 250, 50);
const QColor kInk(32, 48, 74);

// An icon drawn on a 16 x 16 grid, at 16 and 32 pixels.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 3, r.top());
  path.lineTo(r.right(), r.top() + 3);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPath(path);
}

// Bars standing on the baseline y = 14.5, from x on, each w wide.
void Bars(QPainter& p, double x, double w, std::initializer_list<double> heights,
          const QColor& colour) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(colour);
  for (double h : heights) {
    p.drawRect(QRectF(x, 14.5 - h, w, h));
    x += w;
  }
}

// A utility interval: a bar from low to high with its average marked.
void Interval(QPainter& p, double x, double low, double average, double high) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kCyan);
  p.drawRect(QRectF(x - 1.5, high, 3, low - high));
  p.setPen(QPen(kInk, 1.6));
  p.drawLine(QPointF(x - 2.5, average), QPointF(x + 2.5, average));
}

}  // namespace

QIcon AppIcon() {
  QIcon icon(":/icons/zev.svg");
  if (!icon.availableSizes().isEmpty() || !icon.pixmap(32).isNull()) return icon;
  return Drawn([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    p.setBrush(kCyan);
    p.drawRect(QRectF(2, 6.5, 4.5, 3));
    for (double y : {2.5, 6.5, 10.5}) p.drawRect(QRectF(9, y, 5, 3));
  });
}

QIcon AttributeIcon(std::uint16_t nType, bool bHasChildren) {
  return Drawn([nType, bHasChildren](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    if (bHasChildren) {
      // A father: a box with two children.
      p.setBrush(kCyan);
      p.drawRect(QRectF(1.5, 5.5, 6, 5));
      p.drawLine(QPointF(7.5, 8), QPointF(10, 8));
      p.drawLine(QPointF(10, 3.5), QPointF(10, 12.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(10.5, 1.5, 4, 4));
      p.drawRect(QRectF(10.5, 10.5, 4, 4));
      return;
    }
    p.setBrush(kCyan);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setPen(QPen(kInk, 1.2));
    if (nType == Quantitative) {
      // A scale with one mark.
      p.drawLine(QPointF(3.5, 10), QPointF(12.5, 10));
      p.drawLine(QPointF(8, 5.5), QPointF(8, 10));
    } else if (nType == QuantitativeUncertain) {
      // A scale with a spread of marks.
      p.drawLine(QPointF(3.5, 10), QPointF(12.5, 10));
      for (double x : {5.0, 8.0, 11.0}) p.drawLine(QPointF(x, 7.5), QPointF(x, 10));
    } else {
      // Grades: rising bars.
      p.setBrush(kInk);
      p.setPen(Qt::NoPen);
      for (int k = 0; k < 4; ++k)
        p.drawRect(QRectF(3.5 + 2.5 * k, 10.5 - 1.5 * k, 1.6, 1 + 1.5 * k));
    }
  });
}

QIcon AlternativeIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kYellow);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(6, 8), QPointF(6, 12.5));
  });
}

QIcon CommandIcon(int id) {
  switch (id) {
    case kIdFileNew:
      return Drawn([](QPainter& p) { Page(p, QRectF(3.5, 1.5, 9, 13)); });
    case kIdFileOpen:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kYellow.darker(110));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.setBrush(kYellow);
        QPolygonF lid({QPointF(3.5, 7.5), QPointF(15, 7.5), QPointF(13, 13.5), QPointF(1.5, 13.5)});
        p.drawPolygon(lid);
      });
    case kIdFileSave:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kInk);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(kCyan);
        p.drawRect(QRectF(4, 9, 8, 5.5));
      });
    case kIdEditCut:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(4, 1.5), QPointF(10.5, 11));
        p.drawLine(QPointF(12, 1.5), QPointF(5.5, 11));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
        p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
      });
    case kIdEditCopy:
      return Drawn([](QPainter& p) {
        Page(p, QRectF(1.5, 1.5, 8, 10));
        Page(p, QRectF(6.5, 4.5, 8, 10));
      });
    case kIdEditPaste:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kYellow.darker(130));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        p.setBrush(kInk);
        p.drawRect(QRectF(4, 1, 5, 3));
        Page(p, QRectF(6.5, 6.5, 8, 8.5));
      });
    case kIdFilePrint:
      return Drawn([](QPainter& p) {
        Page(p, QRectF(4.5, 1.5, 7, 6));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        Page(p, QRectF(4.5, 10.5, 7, 4));
      });
    case kIdViewSwitch:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kYellow);
        p.drawRect(QRectF(1.5, 2.5, 5, 11));
        p.setBrush(kCyan);
        p.drawRect(QRectF(6.5, 2.5, 8, 11));
        p.drawLine(QPointF(8.5, 6), QPointF(12.5, 6));
        p.drawLine(QPointF(8.5, 10), QPointF(12.5, 10));
      });
    case kIdRank:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kCyan);
        p.drawRect(QRectF(1.5, 6.5, 4, 8));
        p.setBrush(kYellow);
        p.drawRect(QRectF(5.5, 2.5, 5, 12));
        p.setBrush(kCyan.darker(120));
        p.drawRect(QRectF(10.5, 9.5, 4, 5));
      });
    case kIdGraphBeliefAttAtAlt:
      return Drawn([](QPainter& p) {
        Bars(p, 1.5, 3.2, {4, 11, 7}, kCyan);
        Bars(p, 11.1, 3.2, {3}, kYellow);  // the unassigned belief
      });
    case kIdGraphBeliefAlternatives:
      return Drawn([](QPainter& p) {
        Bars(p, 1.5, 2.2, {5, 9}, kCyan);
        Bars(p, 8.5, 2.2, {11, 4}, kYellow);
      });
    case kIdGraphUtilityAttAtAlt:
      return Drawn([](QPainter& p) { Interval(p, 8, 13.5, 8, 3); });
    case kIdGraphUtilityAlternatives:
      return Drawn([](QPainter& p) {
        Interval(p, 3, 13.5, 10, 6);
        Interval(p, 8, 11, 6, 2);
        Interval(p, 13, 14, 12, 8);
      });
    case kIdGraphRanking:
      return Drawn([](QPainter& p) {
        Bars(p, 1.5, 4.3, {12, 8, 4}, kCyan);
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
      });
    case kIdVisualComparison:
      return Drawn([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 1.4));
        p.drawPolyline(
            QPolygonF({QPointF(1.5, 12), QPointF(6, 5), QPointF(10, 9), QPointF(14.5, 3)}));
        p.setPen(QPen(QColor(0, 150, 160), 1.4));
        p.drawPolyline(
            QPolygonF({QPointF(1.5, 6), QPointF(6, 11), QPointF(10, 4), QPointF(14.5, 10)}));
      });
    case kIdAppAbout:
      return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kCyan);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont font("Times");
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, "?");
      });
    default:
      return {};
  }
}

QPixmap SplashPixmap() {
  const int w = 420;
  const int h = 260;
  QPixmap pixmap(w, h);
  pixmap.fill(kInk);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A small hierarchy: the top box, three children, one grandchild.
  auto boxAt = [&p](QPointF c, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 130, 130));
    p.drawRect(QRectF(c.x() - 25, c.y() - 8, 55, 21));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawRect(QRectF(c.x() - 28, c.y() - 11, 55, 21));
  };
  p.setPen(QPen(QColor(230, 230, 230), 2));
  const QPointF top(60, 150);
  const QPointF kids[] = {{150, 110}, {150, 150}, {150, 190}};
  for (QPointF k : kids) p.drawLine(top + QPointF(27, 0), k - QPointF(28, 0));
  p.drawLine(kids[0] + QPointF(27, 0), QPointF(212, 110));
  boxAt(top, kCyan);
  for (QPointF k : kids) boxAt(k, kCyan);
  boxAt(QPointF(240, 110), kCyan);
  for (int i = 0; i < 5; ++i) boxAt(QPointF(60 + 62 * i, 60), kYellow);

  QFont title("Times");
  title.setBold(true);
  title.setPixelSize(44);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(200, 140, 210, 56), Qt::AlignRight | Qt::AlignVCenter, "ZEV");
  QFont line("Times");
  line.setPixelSize(14);
  p.setFont(line);
  p.drawText(QRectF(20, 205, 390, 22), Qt::AlignRight | Qt::AlignVCenter,
             "Tarsel for Multiple Criteria Assessment");
  p.drawText(QRectF(20, 227, 390, 20), Qt::AlignRight | Qt::AlignVCenter,
             "evidential reasoning on a hierarchy of attributes");
  p.end();
  return pixmap;
}

}  // namespace zev
