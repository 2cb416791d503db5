#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QMenu;
class QPushButton;
class QTreeView;

namespace zev {

class CAlternativeListModel;
class CAttributeTreeModel;

// "ZEV Dialog: Assistant Decision Model Builder": the attribute tree and the
// alternative list side by side, with buttons and a menu acting on the one
// the last action concerned.
class CModelBuilderWindow : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "ZEV Dialog: Assistant Decision Model Builder";

  CModelBuilderWindow(CModelCommands& commands, QWidget* parent);
  ~CModelBuilderWindow() override;
  // A change of the selection is shown in the tree and the list.
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;
  void ShowSelection();

  QTreeView* Tree() const { return m_pTree; }
  QTreeView* List() const { return m_pList; }
  QMenu* Menu() const { return m_pMenu; }
  // Whether the last action concerned the attribute tree.
  bool AttributeFocus() const { return m_bAttributeFocus; }
  void SetAttributeFocus(bool b);

  // The buttons.
  void DefineButton();
  void DeleteButton();
  void InsertAddButton();
  void InputButton();
  void WeightButton();
  void UtilityButton();

 private:
  void BuildMenu();
  void UpdateButtons();

  CModelCommands& m_commands;
  CAttributeTreeModel* m_pTreeModel;
  CAlternativeListModel* m_pListModel;
  QTreeView* m_pTree;
  QTreeView* m_pList;
  QMenu* m_pMenu;
  QPushButton* m_pButtons[6] = {};
  bool m_bAttributeFocus = true;
  bool m_bSyncing = false;
};

}  // namespace zev
