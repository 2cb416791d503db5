#pragma once

#include <QTreeView>

#include "app/attribute_tree_model.h"
#include "app/commands/model_commands.h"

namespace zev {

// The attribute tree of the list-tree view. Clicks and label edits go to the
// model's commands; the current item follows the current attribute.
class CAttributeTreeView : public QTreeView, public CDocObserver {
  Q_OBJECT

 public:
  CAttributeTreeView(CModelCommands& commands, QWidget* parent = nullptr);
  ~CAttributeTreeView() override;

  CAttributeTreeModel* TreeModel() const { return m_pModel; }
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void ShowCurrent();

  CModelCommands& m_commands;
  CAttributeTreeModel* m_pModel;
  bool m_bSyncing = false;
};

// The look shared by the tree and the list: bold "Arial", and a selection
// that stays visible when the control is not focused.
void ApplyModelListStyle(QAbstractItemView* view);

}  // namespace zev
