#include "app/box_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/dialogs/qt_text.h"
#include "model/format.h"

namespace zev {

QFont diagram::Font() {
  // 14 units is the height of the character cell, leading included, so the
  // font's own size is somewhat less.
  static const QFont font = [] {
    QFont f("Times");
    f.setBold(true);
    for (int px = 14; px > 6; --px) {
      f.setPixelSize(px);
      if (QFontMetrics(f).height() <= 14) break;
    }
    return f;
  }();
  return font;
}

namespace {

// A cell: filled, outlined, its text inside.
void Cell(QPainter& p, const SRect& r, const QColor& fill, const QColor& textColour,
          const QString& text, Qt::Alignment align) {
  QRect rect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
  p.setPen(Qt::black);
  p.setBrush(fill);
  p.drawRect(rect);
  p.setPen(textColour);
  const QRect inner = rect.adjusted(2, 0, -1, 0);
  if (align & Qt::AlignHCenter) {
    // Numbers are shown whole: one too wide for its cell starts at the
    // cell's left and runs on to the right.
    Qt::Alignment a = align;
    if (p.fontMetrics().horizontalAdvance(text) > inner.width()) a = Qt::AlignLeft;
    p.drawText(inner, static_cast<int>(a | Qt::AlignVCenter | Qt::TextDontClip), text);
  } else {
    p.drawText(inner, static_cast<int>(align | Qt::AlignVCenter),
               p.fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
  }
}

void Shadow(QPainter& p, int x, int y) {
  SRect s = box::Shadow(x, y);
  p.setPen(Qt::NoPen);
  p.setBrush(diagram::kShadow);
  p.drawRect(QRect(QPoint(s.left, s.top), QPoint(s.right, s.bottom)));
}

SRect ToSRect(const QRect& r) { return {r.left(), r.top(), r.right(), r.bottom()}; }

}  // namespace

int PaintDiagram(QPainter& p, const CMADMDoc& doc, const QRect& clip) {
  const SRect visible = ToSRect(clip);
  p.save();
  p.setFont(diagram::Font());

  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    const int x = a.m_nX;
    const int y = a.m_nY;
    const bool bHasLine = i > 0 && a.m_nFather >= 0 && a.m_nFather <= doc.LastAttribute();
    if (box::Footprint(x, y).Intersects(visible)) {
      Shadow(p, x, y);
      Cell(p, box::NameCell(x, y), diagram::kAttributeName, diagram::kNameText,
           ToQt(a.m_strName.View()), Qt::AlignLeft);
      Cell(p, box::LeftCell(x, y), Qt::white, Qt::black, QString::fromStdString(a.WeightText()),
           Qt::AlignHCenter);
      Cell(p, box::ValueCell(x, y), Qt::white, diagram::kValueText,
           QString::fromStdString(a.ShownValueText()), Qt::AlignHCenter);
    }
    if (bHasLine) {
      const CAttribute& f = doc.Attribute(a.m_nFather);
      p.setPen(Qt::black);
      p.drawLine(x - 56, y, f.m_nX + 54, f.m_nY);
    }
  }

  int nPainted = 0;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& a = doc.Alternative(pos);
    const int x = a.m_nX;
    const int y = a.m_nY;
    if (!box::Footprint(x, y).Intersects(visible)) continue;
    ++nPainted;
    Shadow(p, x, y);
    Cell(p, box::NameCell(x, y), diagram::kAlternativeName, diagram::kNameText,
         ToQt(a.m_strName.View()), Qt::AlignLeft);
    Cell(p, box::LeftCell(x, y), Qt::white, Qt::black, QString::fromStdString(a.RankingText()),
         Qt::AlignHCenter);
    Cell(p, box::UtilityCell(x, y), Qt::white, Qt::black, QString::fromStdString(a.UtilityText()),
         Qt::AlignHCenter);
  }
  p.restore();
  return nPainted;
}

QString ValuesCaption(const CMADMDoc& doc, int shownAlternative) {
  if (shownAlternative < 0 || shownAlternative >= doc.AlternativeCount()) return {};
  return QString("Attribute values of: ") +
         ToQt(doc.Alternative(shownAlternative).m_strName.View());
}

void PaintSelectionAndCaption(QPainter& p, const CMADMDoc& doc, int shownAlternative) {
  p.save();
  // A frame just outside the selected box.
  int x = 0;
  int y = 0;
  bool bSelected = false;
  if (doc.IsAlternativeSelected() && doc.AlternativeCount() > 0) {
    const CAlternative& a = doc.Alternative(doc.CurrentPosition());
    x = a.m_nX;
    y = a.m_nY;
    bSelected = true;
  } else if (doc.IsAttributeSelected()) {
    const CAttribute& a = doc.Attribute(doc.CurrentAttribute());
    x = a.m_nX;
    y = a.m_nY;
    bSelected = true;
  }
  if (bSelected) {
    QPen pen(diagram::kSelection, 3);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const SRect r = box::Box(x, y);
    p.drawRect(QRect(QPoint(r.left - 3, r.top - 3), QPoint(r.right + 2, r.bottom + 2)));
  }
  const QString caption = ValuesCaption(doc, shownAlternative);
  if (!caption.isEmpty()) {
    p.setFont(diagram::Font());
    p.setPen(diagram::kValueText);
    p.drawText(QRect(10, 6, 1000, 24), Qt::AlignLeft | Qt::AlignVCenter, caption);
  }
  p.restore();
}

}  // namespace zev
