#pragma once

#include <functional>

#include "analysis/group_assessment_presenter.h"
#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zev {

class CAnalysisList;

// "Create A Group Assessment Alternative": the members chosen in the
// alternative list, a weight for each, and the new alternative made of
// their weighted average.
class CGroupAssessmentWindow : public CToolWindow {
  Q_OBJECT

 public:
  CGroupAssessmentWindow(CModelCommands& commands, QWidget* parent);

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  CGroupAssessmentPresenter& Presenter() { return m_presenter; }
  CAnalysisList* List() const { return m_pList; }
  QComboBox* MemberList() const { return m_pMembers; }
  QLineEdit* WeightField() const { return m_pWeight; }

 protected:
  // Enter acts by where the focus is.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Act(const std::function<void()>& action);
  void ShowState();

  CModelCommands& m_commands;
  CGroupAssessmentPresenter m_presenter;
  CAnalysisList* m_pList;
  QComboBox* m_pMembers;
  QLineEdit* m_pWeight;
  bool m_bActing = false;
};

}  // namespace zev
