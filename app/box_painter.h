#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "commands/box_geometry.h"
#include "model/madm_doc.h"

class QPainter;

namespace zev {

// Draws the box diagram of a model, for the dialog-box view and for the
// printer. The painter works in view units (1/96 inch); only what meets
// `clip` (in view units) is drawn. Returns the number of alternative boxes
// drawn.
int PaintDiagram(QPainter& painter, const CMADMDoc& doc, const QRect& clip);

// What only the screen shows over the diagram: a frame around the selected
// box, and above the boxes the name of the alternative whose values the
// attribute boxes show (none when shownAlternative is -1).
void PaintSelectionAndCaption(QPainter& painter, const CMADMDoc& doc, int shownAlternative);
// The caption naming the alternative whose values the attribute boxes show.
QString ValuesCaption(const CMADMDoc& doc, int shownAlternative);

// The diagram's colours and font.
namespace diagram {
inline const QColor kShadow{130, 130, 130};
inline const QColor kAttributeName{50, 250, 250};
inline const QColor kAlternativeName{250, 250, 50};
inline const QColor kNameText{50, 20, 10};
inline const QColor kValueText{100, 100, 100};
inline const QColor kSelection{0, 90, 200};
// "Times", bold, 14 units high.
QFont Font();
}  // namespace diagram

inline QRect ToQRect(const SRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

}  // namespace zev
