#pragma once

#include <QTreeView>

#include "commands/model_commands.h"

class QMouseEvent;

namespace zev {

// What the attribute tree and the alternative list have in common: they
// follow the document's selection and forward the user's clicks to the
// model's commands. Moving the current item to follow the document must not
// come back as a click, hence m_bSyncing.
class CModelItemView : public QTreeView {
  Q_OBJECT

 public:
  CModelItemView(CModelCommands& commands, QWidget* parent);

  // A rebuilt list drops an open name editor; the focus stays in the view
  // rather than passing on to the next control.
  void reset() override;

 protected slots:
  // A name editor closed while a message box had the focus (a refused
  // name) leaves the focus to the view, not to whatever control is next.
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 protected:
  // Makes index current and visible without telling the document.
  void ShowQuietly(const QModelIndex& index);
  // A right-button press only marks the item under the pointer, quietly;
  // the command follows on release. True when the press was one.
  bool MarkOnRightPress(QMouseEvent* event);

  CModelCommands& m_commands;
  bool m_bSyncing = false;
};

// The look shared by the tree and the list: bold "Arial", and a selection
// that stays visible when the control is not focused.
void ApplyModelListStyle(QAbstractItemView* view);

}  // namespace zev
