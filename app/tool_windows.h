#pragma once

#include <QDialog>
#include <memory>

#include "commands/model_commands.h"
#include "elicitation/rename_grade_presenter.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;

namespace zev {

class CAlternativeListModel;
class CAttributeTreeModel;

// A modeless tool window of one model: it lives until closed by the user or
// until its model closes, and empties its registry slot when destroyed.
class CToolWindow : public QDialog, public CModelessWindow {
  Q_OBJECT

 public:
  CToolWindow(CModelCommands& commands, QWidget* parent);
  void BringToFront() override;
  void Destroy() override { delete this; }
  void done(int result) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

  CModelCommands& m_commands;
};

// The attribute insertion window: the current attribute's name and the four
// ways of inserting next to it (above, right, below, left).
class CInsertionWindow : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "ZEV Dialog: Insert Attributes";

  CInsertionWindow(CModelCommands& commands, QWidget* parent);
  void ShowCurrentAttribute() override;

  QLabel* AttributeLabel() const { return m_pName; }
  // 0 above, 1 right, 2 below, 3 left.
  void SetChoice(int nChoice);
  int Choice() const;
  void Insert();

 private:
  QLabel* m_pName;
  QButtonGroup* m_pChoices;
};

// "Change the name of a grade in all attributes".
class CRenameGradeWindow : public CToolWindow {
  Q_OBJECT

 public:
  CRenameGradeWindow(CModelCommands& commands, QWidget* parent);
  ~CRenameGradeWindow() override;

  QLineEdit* FromField() const { return m_pFrom; }
  QLineEdit* ToField() const { return m_pTo; }
  QPushButton* ChangeButton() const { return m_pChange; }
  void Change();

 private:
  void OnFocusChanged(QWidget* old, QWidget* now);

  CRenameGradePresenter m_presenter;
  QLineEdit* m_pFrom;
  QLineEdit* m_pTo;
  QPushButton* m_pChange;
  QPushButton* m_pClose;
  bool m_bChecking = false;
};

// "ZEV Dialog: Assistant Decision Model Builder": the attribute tree and the
// alternative list side by side, with buttons and a menu acting on the one
// the last action concerned.
class CModelBuilderWindow : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "ZEV Dialog: Assistant Decision Model Builder";

  CModelBuilderWindow(CModelCommands& commands, QWidget* parent);
  ~CModelBuilderWindow() override;
  void ShowSelection() override;

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
