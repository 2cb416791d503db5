#pragma once

#include <functional>

#include "analysis/sensitivity_presenter.h"
#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QBoxLayout;
class QComboBox;
class QRadioButton;
class QTreeView;

namespace zev {

class CAnalysisList;
class CAttributeTreeModel;
class CChartWidget;

// What the two sensitivity windows share: the alternative list with the
// buttons that choose the alternatives shown, the attribute tree with its
// two modes, the ranking list, and the two charts, the left one dragged.
// Everything is shown from the presenter after each action.
class CSensitivityWindow : public CToolWindow {
  Q_OBJECT

 public:
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;
  void done(int result) override;

  CAnalysisList* List() const { return m_pList; }
  QTreeView* Tree() const { return m_pTree; }
  QComboBox* ShownList() const { return m_pShown; }
  QComboBox* RankingList() const { return m_pRanking; }
  QRadioButton* PickButton() const { return m_pPick; }
  QRadioButton* RankOnButton() const { return m_pRankOn; }
  CChartWidget* LeftChart() const { return m_pLeft; }
  CChartWidget* RightChart() const { return m_pRight; }

 protected:
  CSensitivityWindow(CModelCommands& commands, QWidget* parent, const char* objectName,
                     const char* title);

  // Builds the controls over the presenter, once it exists; the window's
  // own controls go into the returned column.
  QBoxLayout* Build(CSensitivityPresenter& presenter, const char* pickChoice);
  // Runs an action of the user on the presenter, then shows its state. The
  // document's notifications of the window's own changes are not followed
  // while it runs.
  void Act(const std::function<void()>& action);
  virtual void ShowState();
  // An attribute of the tree clicked.
  virtual void ClickedAttribute(int k) { m_pPresenter->ClickAttribute(k); }
  // A bar of the left chart dragged to a value.
  virtual void Dragged(int point, double dValue) = 0;
  // A change made elsewhere.
  virtual void FollowDocument(const SDocChange& change) = 0;
  // Closing: the presenter's last word.
  virtual void Closing() = 0;

  CModelCommands& m_commands;

 private:
  CSensitivityPresenter* m_pPresenter = nullptr;
  CAnalysisList* m_pList = nullptr;
  CAttributeTreeModel* m_pTreeModel = nullptr;
  QTreeView* m_pTree = nullptr;
  QComboBox* m_pShown = nullptr;
  QComboBox* m_pRanking = nullptr;
  QRadioButton* m_pPick = nullptr;
  QRadioButton* m_pRankOn = nullptr;
  CChartWidget* m_pLeft = nullptr;
  CChartWidget* m_pRight = nullptr;
  bool m_bActing = false;
  bool m_bClosed = false;
};

}  // namespace zev
