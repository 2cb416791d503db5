#pragma once

#include <QWidget>

#include "commands/command_table.h"
#include "commands/model_document.h"

class QSplitter;

namespace zev {

class CAlternativeListView;
class CAttributeTreeView;
class CMADMView;

// One window on a model: a splitter with the alternative list on the left
// and, on the right, the attribute tree (the list-tree view mode, the start)
// or the box diagram of the dialog-box view.
class CChildFrame : public QWidget {
  Q_OBJECT

 public:
  explicit CChildFrame(CModelDocument& document, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CModelDocument& Document() { return m_document; }
  CModelCommands& Commands() { return m_document.Commands(); }
  EViewMode ViewMode() const { return m_viewMode; }
  // Replaces the right-hand view; the model and its selection stay.
  void SetViewMode(EViewMode mode);
  void SwitchViews();
  // The view that receives the commands.
  EViewKind ActiveView() const { return m_activeView; }
  void SetActiveView(EViewKind view);

  CAlternativeListView* ListView() const { return m_pList; }
  CAttributeTreeView* TreeView() const { return m_pTree; }
  CMADMView* DialogBoxView() const { return m_pBox; }
  QSplitter* Splitter() const { return m_pSplitter; }
  QWidget* ActiveViewWidget() const;

 signals:
  void ActiveViewChanged();

 private:
  void OnFocusChanged(QWidget* old, QWidget* now);

  CModelDocument& m_document;
  QSplitter* m_pSplitter;
  CAlternativeListView* m_pList;
  CAttributeTreeView* m_pTree = nullptr;
  CMADMView* m_pBox = nullptr;
  EViewMode m_viewMode = EViewMode::ListTree;
  EViewKind m_activeView = EViewKind::Tree;
};

}  // namespace zev
