#pragma once

#include "app/attribute_tree_model.h"
#include "app/model_item_view.h"
#include "commands/model_commands.h"

namespace zev {

// The attribute tree of the list-tree view. Clicks and label edits go to the
// model's commands; the current item follows the current attribute.
class CAttributeTreeView : public CModelItemView, public CDocObserver {
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

  CAttributeTreeModel* m_pModel;
};

}  // namespace zev
