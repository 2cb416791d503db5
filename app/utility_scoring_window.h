#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"
#include "elicitation/utility_scoring_presenter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zev {

class CChartWidget;

// The visual scoring of the grade utilities of the attribute that was
// current when the window opened: a point per grade, dragged to its
// utility or typed under "Edit Utility", kept in the grades' order of
// preference; "&Update" writes the utilities to the attribute.
class CUtilityScoringWindow : public CToolWindow {
  Q_OBJECT

 public:
  CUtilityScoringWindow(CModelCommands& commands, QWidget* parent);

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  CUtilityScoringPresenter& Presenter() { return m_presenter; }
  CChartWidget* Chart() const { return m_pChart; }

 protected:
  // Enter in "Edit Utility" or "Edit Order" confirms that field.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs a presenter action and shows the state it left; after a refusal
  // the focus goes back to the field the presenter names.
  void Act(const std::function<bool()>& action);
  // The same for an action that may write into the model: what it writes
  // is one undo step named `step`.
  void Write(const char* step, const std::function<bool()>& action);
  void ShowState();

  CModelCommands& m_commands;
  CUtilityScoringPresenter m_presenter;
  QLabel* m_pAttribute;
  CChartWidget* m_pChart;
  QTreeWidget* m_pList;
  QLineEdit* m_pUtility;
  QLineEdit* m_pOrder;
  QComboBox* m_pNumber;
  QPushButton* m_pEditGrade;
  // While the presenter writes to the model, its own notifications are no
  // reason to load the attribute again.
  bool m_bWriting = false;
};

}  // namespace zev
