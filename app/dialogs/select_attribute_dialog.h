#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/data_entry_walk.h"

class QTreeWidget;

namespace zev {

// "ZEV Dialog: Select An Attribute": the hierarchy as a tree, the
// attribute to start from picked by a click; a double-click selects it.
class CSelectAttributeDialog : public CDialogView {
  Q_OBJECT

 public:
  CSelectAttributeDialog(CSelectAttributePresenter& presenter, QWidget* parent = nullptr);
  QTreeWidget* Tree() const { return m_pTree; }

 protected:
  EDialogAction OnOk() override { return m_p.Select(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CSelectAttributePresenter& m_p;
  QTreeWidget* m_pTree;
};

}  // namespace zev
