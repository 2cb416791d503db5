#pragma once

#include "analysis/visual_comparison.h"
#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QListWidget;
class QTreeView;

namespace zev {

class CAlternativeListModel;
class CAttributeTreeModel;
class CChartWidget;

// The visual comparison of selected alternatives on selected attributes:
// the hierarchy and the alternative list to pick from, the two selection
// lists, and the chart. Single per model; its highlights follow the views'
// selection, and its lists and curve type last while it is open.
class CVisualComparisonWindow : public CToolWindow {
  Q_OBJECT

 public:
  CVisualComparisonWindow(CModelCommands& commands, QWidget* parent);
  ~CVisualComparisonWindow() override;
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  CVisualComparison& Presenter() { return m_presenter; }
  QTreeView* Hierarchy() const { return m_pHierarchy; }
  QTreeView* Alternatives() const { return m_pAlternatives; }
  QListWidget* SelectedAttributes() const { return m_pSelectedAttributes; }
  QListWidget* SelectedAlternatives() const { return m_pSelectedAlternatives; }
  CChartWidget* Chart() const { return m_pChart; }

 private:
  // Runs a presenter action, then shows the lists and the chart again.
  void Act(void (CVisualComparison::*action)());
  void ShowLists();
  void ShowHighlights();

  CVisualComparison m_presenter;
  CAttributeTreeModel* m_pTreeModel;
  CAlternativeListModel* m_pListModel;
  QTreeView* m_pHierarchy;
  QTreeView* m_pAlternatives;
  QListWidget* m_pSelectedAttributes;
  QListWidget* m_pSelectedAlternatives;
  CChartWidget* m_pChart;
  bool m_bSyncing = false;
};

}  // namespace zev
