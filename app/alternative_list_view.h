#pragma once

#include "app/alternative_list_model.h"
#include "app/model_item_view.h"
#include "commands/model_commands.h"

namespace zev {

// The list of alternatives beside the tree (a report list with one column).
class CAlternativeListView : public CModelItemView, public CDocObserver {
  Q_OBJECT

 public:
  CAlternativeListView(CModelCommands& commands, QWidget* parent = nullptr);
  ~CAlternativeListView() override;

  CAlternativeListModel* ListModel() const { return m_pModel; }
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;
  // Fills the list again from the model (after a view change).
  void Refill();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void ShowCurrent();

  CAlternativeListModel* m_pModel;
};

}  // namespace zev
