#include "app/undo_history_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPalette>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CUndoHistoryWindow::CUndoHistoryWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "undoHistoryWindow", ToQt(CUndoHistory::kTitle)), m_commands(commands) {
  m_pList = new QListWidget(this);
  m_pList->setObjectName("steps");
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->setMinimumWidth(m_pList->fontMetrics().averageCharWidth() * 36);
  // Queued: going to a point fills the list anew, which the list must not
  // do inside its own signal.
  connect(m_pList, &QListWidget::currentRowChanged, this, &CUndoHistoryWindow::GoTo,
          Qt::QueuedConnection);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  AddCloseButton(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pList);
  layout->addLayout(buttons);
  m_commands.History().Subscribe(this);
  ShowSteps();
}

CUndoHistoryWindow::~CUndoHistoryWindow() { m_commands.History().Unsubscribe(this); }

void CUndoHistoryWindow::OnHistoryChanged() { ShowSteps(); }

void CUndoHistoryWindow::ShowSteps() {
  const CUndoHistory& history = m_commands.History();
  m_bShowing = true;
  m_pList->clear();
  m_pList->addItem(ToQt(CUndoHistory::kStartRow));
  const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
  for (size_t i = 0; i < history.StepCount(); ++i) {
    auto* item = new QListWidgetItem(ToQt(history.StepName(i)), m_pList);
    if (i >= history.Position()) item->setForeground(greyed);
  }
  m_pList->setCurrentRow(static_cast<int>(history.Position()));
  m_pList->scrollToItem(m_pList->currentItem());
  m_bShowing = false;
}

void CUndoHistoryWindow::GoTo(int row) {
  if (m_bShowing || row < 0) return;
  m_commands.History().GoTo(static_cast<size_t>(row));
}

}  // namespace zev
