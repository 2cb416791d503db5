#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"
#include "elicitation/rename_grade_presenter.h"

class QLineEdit;
class QPushButton;

namespace zev {

// "Change the name of a grade in all attributes".
class CRenameGradeWindow : public CToolWindow {
  Q_OBJECT

 public:
  CRenameGradeWindow(CModelCommands& commands, QWidget* parent);

  QLineEdit* FromField() const { return m_pFrom; }
  QLineEdit* ToField() const { return m_pTo; }
  QPushButton* ChangeButton() const { return m_pChange; }
  void Change();

 private:
  CModelCommands& m_commands;
  CRenameGradePresenter m_presenter;
  QLineEdit* m_pFrom;
  QLineEdit* m_pTo;
  QPushButton* m_pChange;
};

}  // namespace zev
