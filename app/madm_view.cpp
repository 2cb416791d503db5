#include "app/madm_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/box_painter.h"
#include "app/dialogs/qt_text.h"
#include "engine/evaluate_commands.h"

namespace zev {

namespace {

QLineEdit* MakeField(QWidget* parent, const QColor& background) {
  auto* field = new QLineEdit(parent);
  field->setFrame(false);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Text, diagram::kNameText);
  field->setPalette(palette);
  return field;
}

bool IsKeypadDigit(const QKeyEvent* e, int key) {
  return e->key() == key && (e->modifiers() & Qt::KeypadModifier);
}

}  // namespace

CMADMView::CMADMView(CModelCommands& commands, QWidget* parent)
    : QAbstractScrollArea(parent), m_commands(commands), m_doc(commands.Doc()) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  m_dScale = std::max(0.5, logicalDpiY() / 96.0);
  horizontalScrollBar()->setSingleStep(static_cast<int>(20 * m_dScale));
  verticalScrollBar()->setSingleStep(static_cast<int>(20 * m_dScale));

  m_pAttributeField = MakeField(viewport(), diagram::kAttributeName);
  m_pAttributeField->setObjectName("attributeField");
  m_pAlternativeField = MakeField(viewport(), diagram::kAlternativeName);
  m_pAlternativeField->setObjectName("alternativeField");
  QFont font = diagram::Font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * m_dScale))));
  m_pAttributeField->setFont(font);
  m_pAlternativeField->setFont(font);
  for (QLineEdit* field : {m_pAttributeField, m_pAlternativeField}) field->installEventFilter(this);
  connect(m_pAttributeField, &QLineEdit::editingFinished, this, &CMADMView::CommitAttributeField);
  connect(m_pAlternativeField, &QLineEdit::editingFinished, this,
          &CMADMView::CommitAlternativeField);

  // The initial update.
  m_doc.SetFocusRow(kNameRow);
  m_doc.Subscribe(this);
  m_nShownAlternative = ShownValuesAlternative(m_doc);
  UpdateExtent();
  LoadFields(true);
}

CMADMView::~CMADMView() { m_doc.Unsubscribe(this); }

void CMADMView::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (change.m_kind != EDocChange::Selection) m_nShownAlternative = ShownValuesAlternative(m_doc);
  UpdateExtent();
  LoadFields(change.m_kind == EDocChange::Loaded);
  viewport()->update();
}

QPoint CMADMView::ToViewport(int x, int y) const {
  return QPoint(static_cast<int>(std::lround(x * m_dScale)) - horizontalScrollBar()->value(),
                static_cast<int>(std::lround(y * m_dScale)) - verticalScrollBar()->value());
}

QPoint CMADMView::ToUnits(const QPoint& p) const {
  return QPoint(static_cast<int>(std::floor((p.x() + horizontalScrollBar()->value()) / m_dScale)),
                static_cast<int>(std::floor((p.y() + verticalScrollBar()->value()) / m_dScale)));
}

void CMADMView::UpdateExtent() {
  SExtent e = ScrollExtent(m_doc);
  const QSize page = viewport()->size();
  const int cx = static_cast<int>(std::lround(e.cx * m_dScale));
  const int cy = static_cast<int>(std::lround(e.cy * m_dScale));
  horizontalScrollBar()->setRange(0, std::max(0, cx - page.width()));
  horizontalScrollBar()->setPageStep(std::max(1, page.width()));
  verticalScrollBar()->setRange(0, std::max(0, cy - page.height()));
  verticalScrollBar()->setPageStep(std::max(1, page.height()));
}

void CMADMView::PlaceFields() {
  auto place = [this](QLineEdit* field, const SRect& r) {
    QPoint tl = ToViewport(r.left, r.top);
    QPoint br = ToViewport(r.right, r.bottom);
    field->setGeometry(QRect(tl + QPoint(1, 1), br - QPoint(1, 1)));
  };
  const CAttribute& a = m_doc.Attribute(m_doc.CurrentAttribute());
  place(m_pAttributeField, m_doc.FocusRow() == kWeightRow ? box::LeftCell(a.m_nX, a.m_nY)
                                                          : box::NameCell(a.m_nX, a.m_nY));
  if (m_doc.AlternativeCount() > 0) {
    const CAlternative& alt = m_doc.Alternative(m_doc.CurrentPosition());
    place(m_pAlternativeField, box::NameCell(alt.m_nX, alt.m_nY));
    m_pAlternativeField->show();
  } else {
    m_pAlternativeField->hide();
  }
}

void CMADMView::LoadFields(bool bForce) {
  const int k = m_doc.CurrentAttribute();
  const int row = m_doc.FocusRow() == kWeightRow ? kWeightRow : kNameRow;
  const CAttribute& a = m_doc.Attribute(k);
  QString stored =
      row == kWeightRow ? QString::fromStdString(a.WeightText()) : ToQt(a.m_strName.View());
  if (bForce || k != m_nFieldAttribute || row != m_nFieldRow || stored != m_strAttributeLoaded) {
    m_nFieldAttribute = k;
    m_nFieldRow = row;
    m_strAttributeLoaded = stored;
    m_pAttributeField->setText(stored);
    m_pAttributeField->setCursorPosition(0);
  }
  m_pAttributeField->setAlignment(row == kWeightRow ? Qt::AlignHCenter : Qt::AlignLeft);

  if (m_doc.AlternativeCount() > 0) {
    const int pos = m_doc.CurrentPosition();
    QString name = ToQt(m_doc.Alternative(pos).m_strName.View());
    if (bForce || pos != m_nFieldAlternative || name != m_strAlternativeLoaded) {
      m_nFieldAlternative = pos;
      m_strAlternativeLoaded = name;
      m_pAlternativeField->setText(name);
      m_pAlternativeField->setCursorPosition(0);
    }
  }
  PlaceFields();
}

void CMADMView::DiscardPending() {
  if (m_pAttributeField->text() != m_strAttributeLoaded) {
    m_pAttributeField->setText(m_strAttributeLoaded);
    m_pAttributeField->setCursorPosition(0);
  }
  if (m_pAlternativeField->text() != m_strAlternativeLoaded) {
    m_pAlternativeField->setText(m_strAlternativeLoaded);
    m_pAlternativeField->setCursorPosition(0);
  }
}

void CMADMView::CommitAttributeField() {
  if (m_bCommitting) return;
  QString text = m_pAttributeField->text();
  if (text == m_strAttributeLoaded) return;
  m_bCommitting = true;
  const int k = m_nFieldAttribute;
  bool bStored = m_nFieldRow == kWeightRow ? m_commands.SetWeightText(k, FromQt(text))
                                           : m_commands.RenameAttribute(k, FromQt(text));
  m_bCommitting = false;
  if (!bStored) DiscardPending();
}

void CMADMView::CommitAlternativeField() {
  if (m_bCommitting) return;
  QString text = m_pAlternativeField->text();
  if (text == m_strAlternativeLoaded) return;
  m_bCommitting = true;
  bool bStored = m_commands.RenameAlternative(m_nFieldAlternative, FromQt(text));
  m_bCommitting = false;
  if (!bStored) DiscardPending();
}

void CMADMView::EnsureBoxVisible(int x, int y) {
  const SRect r = box::Box(x, y);
  const int left = static_cast<int>(r.left * m_dScale);
  const int right = static_cast<int>(r.right * m_dScale);
  const int top = static_cast<int>(r.top * m_dScale);
  const int bottom = static_cast<int>(r.bottom * m_dScale);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const QSize page = viewport()->size();
  if (left < h->value())
    h->setValue(left);
  else if (right > h->value() + page.width())
    h->setValue(right - page.width());
  if (top < v->value())
    v->setValue(top);
  else if (bottom > v->value() + page.height())
    v->setValue(bottom - page.height());
}

void CMADMView::FocusAttributeField() {
  const CAttribute& a = m_doc.Attribute(m_doc.CurrentAttribute());
  EnsureBoxVisible(a.m_nX, a.m_nY);
  FocusField(m_pAttributeField, Qt::OtherFocusReason);
}

void CMADMView::FocusField(QLineEdit* field, Qt::FocusReason reason) {
  field->setFocus(reason);
  field->selectAll();
}

void CMADMView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  painter.scale(m_dScale, m_dScale);
  QPoint tl = ToUnits(QPoint(0, 0));
  QPoint br = ToUnits(QPoint(viewport()->width(), viewport()->height()));
  m_nPaintedAlternatives = PaintDiagram(painter, m_doc, QRect(tl, br));
  PaintSelectionAndCaption(painter, m_doc, m_nShownAlternative);
}

void CMADMView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateExtent();
  PlaceFields();
}

void CMADMView::scrollContentsBy(int, int) {
  PlaceFields();
  viewport()->update();
}

void CMADMView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  // A name typed but not yet confirmed is kept before another box is chosen.
  CommitAttributeField();
  CommitAlternativeField();
  QPoint p = ToUnits(event->position().toPoint());
  SBoxHit hit = HitTest(m_doc, p.x(), p.y());
  if (hit.m_kind == SBoxHit::Attribute) {
    m_commands.SelectAttribute(hit.m_nIndex);
    FocusField(m_pAttributeField, Qt::OtherFocusReason);
  } else if (hit.m_kind == SBoxHit::Alternative) {
    m_commands.SelectAlternative(hit.m_nIndex);
    FocusField(m_pAlternativeField, Qt::OtherFocusReason);
  }
}

void CMADMView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QPoint p = ToUnits(event->position().toPoint());
  SBoxHit hit = HitTest(m_doc, p.x(), p.y());
  if (hit.m_kind == SBoxHit::Attribute)
    m_commands.DoubleClickAttributeBox(hit.m_nIndex);
  else if (hit.m_kind == SBoxHit::Alternative)
    m_commands.DoubleClickAlternativeBox(hit.m_nIndex);
}

bool CMADMView::ScrollKey(QKeyEvent* e, bool bKeypadDigits) {
  QScrollBar* v = verticalScrollBar();
  auto is = [&](Qt::Key key, Qt::Key digit) {
    return e->key() == key || (bKeypadDigits && IsKeypadDigit(e, digit));
  };
  if (is(Qt::Key_PageUp, Qt::Key_9))
    v->triggerAction(QAbstractSlider::SliderPageStepSub);
  else if (is(Qt::Key_PageDown, Qt::Key_3))
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
  else if (is(Qt::Key_Home, Qt::Key_7))
    v->triggerAction(QAbstractSlider::SliderToMinimum);
  else if (is(Qt::Key_End, Qt::Key_1))
    v->triggerAction(QAbstractSlider::SliderToMaximum);
  else
    return false;
  return true;
}

void CMADMView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
      FocusAttributeField();
      return;
    default:
      break;
  }
  if (!ScrollKey(event, true)) QAbstractScrollArea::keyPressEvent(event);
}

bool CMADMView::event(QEvent* event) {
  // Tab belongs to the view, not to the focus chain.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

bool CMADMView::eventFilter(QObject* watched, QEvent* event) {
  const bool bAttributeField = watched == m_pAttributeField;
  if (!bAttributeField && watched != m_pAlternativeField) {
    return QAbstractScrollArea::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (bAttributeField) {
        switch (key->key()) {
          case Qt::Key_Tab:
            DiscardPending();
            m_commands.TabKey();
            FocusAttributeField();
            return true;
          case Qt::Key_Backtab:
            DiscardPending();
            m_commands.BackTabKey();
            FocusAttributeField();
            return true;
          case Qt::Key_Down:
            DiscardPending();
            m_commands.DownKey();
            FocusAttributeField();
            return true;
          case Qt::Key_Up:
            DiscardPending();
            m_commands.UpKey();
            FocusAttributeField();
            return true;
          default:
            break;
        }
      }
      // Home and End move the caret; only the page keys scroll.
      if (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) {
        DiscardPending();
        ScrollKey(key, false);
        return true;
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      // A click in a field is a click in its box.
      if (bAttributeField && !m_doc.IsAttributeSelected()) {
        m_commands.SelectAttribute(m_doc.CurrentAttribute());
      } else if (!bAttributeField && !m_doc.IsAlternativeSelected()) {
        m_commands.SelectAlternative(m_doc.CurrentPosition());
      }
      // The first click into a field selects its text, so that typing
      // replaces it; later clicks place the caret.
      if (m_pClickedInto == watched) {
        m_pClickedInto = nullptr;
        static_cast<QLineEdit*>(watched)->selectAll();
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      // The click that brings the focus arrives after it.
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
        m_pClickedInto = static_cast<QLineEdit*>(watched);
      break;
    case QEvent::FocusOut:
      m_pClickedInto = nullptr;
      break;
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      if (bAttributeField)
        m_commands.DoubleClickAttributeBox(m_doc.CurrentAttribute());
      else
        m_commands.DoubleClickAlternativeBox(m_doc.CurrentPosition());
      return true;
    }
    default:
      break;
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace zev
