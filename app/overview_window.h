#pragma once

#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "analysis/overview.h"
#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zev {

// "ZEV Dialog: Overview of the Decision Model and the Main Results": every
// alternative's result on one attribute, every attribute's result at one
// alternative and the hierarchy, each a place to pick the selection the
// rest of the program works on.
class COverviewWindow : public CToolWindow {
  Q_OBJECT

 public:
  COverviewWindow(CModelCommands& commands, QWidget* parent);
  ~COverviewWindow() override;

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  const COverview& Presenter() const { return m_presenter; }
  QTreeWidget* Alternatives() const { return m_pAlternatives; }
  QTreeWidget* Attributes() const { return m_pAttributes; }
  QTreeWidget* Hierarchy() const { return m_pHierarchy; }
  QLineEdit* AlternativeName() const { return m_pAlternativeName; }
  QLineEdit* AttributeName() const { return m_pAttributeName; }
  QPushButton* GraphButton() const { return m_pGraph; }

  // "&Select": takes the selection from the list or tree used last.
  void Select();
  // "&Graph": the belief degrees at the selection.
  void Graph();

 private:
  QTreeWidget* NewList(const char* name, std::span<const COverview::SColumn> columns);
  void ShowState();
  void ShowAlternatives();
  void ShowAttributes();
  // Runs a choice of the user and shows what it changed.
  void Act(const std::function<void()>& action);
  void ChooseAlternativeItem(QTreeWidgetItem* item);
  void ChooseAttributeItem(QTreeWidgetItem* item);

  CModelCommands& m_commands;
  COverview m_presenter;
  QLineEdit* m_pAlternativeName;
  QLineEdit* m_pAttributeName;
  QTreeWidget* m_pAlternatives;
  QTreeWidget* m_pHierarchy;
  QTreeWidget* m_pAttributes;
  QPushButton* m_pGraph;
  // The list or tree the user worked in last; "&Select" takes its selection.
  QWidget* m_pLastList = nullptr;
  // The attributes as last shown, to tell a changed hierarchy from changed cells.
  std::vector<std::pair<int, int>> m_shownAttributes;
  // Set while the window's own work (evaluating for its lists, handing over
  // its selection) tells the document's listeners.
  bool m_bBusy = false;
  bool m_bMovedByPress = false;
};

}  // namespace zev
