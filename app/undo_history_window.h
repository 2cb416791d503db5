#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QListWidget;

namespace zev {

// The steps of the model's undo history, oldest first, under a first row
// for the model before them. The row of the point the model is at is
// selected; the steps that can be redone are greyed. A click on a row
// takes the model to that point.
class CUndoHistoryWindow : public CToolWindow, private CUndoListener {
  Q_OBJECT

 public:
  CUndoHistoryWindow(CModelCommands& commands, QWidget* parent);
  ~CUndoHistoryWindow() override;

  QListWidget* List() const { return m_pList; }

 private:
  void OnHistoryChanged() override;
  void ShowSteps();
  void GoTo(int row);

  CModelCommands& m_commands;
  QListWidget* m_pList;
  bool m_bShowing = false;
};

}  // namespace zev
