#include "app/model_item_view.h"

#include <QApplication>
#include <QMouseEvent>

namespace zev {

CModelItemView::CModelItemView(CModelCommands& commands, QWidget* parent)
    : QTreeView(parent), m_commands(commands) {}

void CModelItemView::reset() {
  QWidget* focus = QApplication::focusWidget();
  const bool bHadFocus = focus && (focus == this || isAncestorOf(focus));
  QTreeView::reset();
  if (bHadFocus && !hasFocus()) {
    // Taking the focus makes the first row current; the document's own
    // selection follows with the notification.
    m_bSyncing = true;
    setFocus(Qt::OtherFocusReason);
    m_bSyncing = false;
  }
}

void CModelItemView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const bool bEditorHadFocus = editor && window()->focusWidget() == editor;
  QTreeView::closeEditor(editor, hint);
  if (bEditorHadFocus && window()->focusWidget() != this) {
    m_bSyncing = true;
    setFocus(Qt::OtherFocusReason);
    m_bSyncing = false;
  }
}

void CModelItemView::ShowQuietly(const QModelIndex& index) {
  if (!index.isValid()) return;
  m_bSyncing = true;
  if (index != currentIndex()) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  }
  scrollTo(index);
  m_bSyncing = false;
}

bool CModelItemView::MarkOnRightPress(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return false;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    m_bSyncing = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_bSyncing = false;
  }
  return true;
}

void ApplyModelListStyle(QAbstractItemView* view) {
  QFont font("Arial");
  font.setBold(true);
  view->setFont(font);
  view->setIconSize(QSize(16, 16));
  QPalette palette = view->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  view->setPalette(palette);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

}  // namespace zev
