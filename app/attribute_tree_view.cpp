#include "app/attribute_tree_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "app/dialogs/qt_text.h"

namespace zev {

CAttributeTreeView::CAttributeTreeView(CModelCommands& commands, QWidget* parent)
    : CModelItemView(commands, parent) {
  setObjectName("attributeTree");
  m_pModel = new CAttributeTreeModel(commands.Doc(), this);
  m_pModel->SetRenamer(
      [this](int i, const QString& name) { return m_commands.RenameAttribute(i, FromQt(name)); });
  setModel(m_pModel);
  header()->hide();
  setRootIsDecorated(true);
  setItemsExpandable(true);
  setExpandsOnDoubleClick(false);
  setUniformRowHeights(true);
  ApplyModelListStyle(this);
  // A rebuilt tree opens fully; otherwise what the user folded stays folded.
  connect(m_pModel, &QAbstractItemModel::modelReset, this, [this] { expandAll(); });
  expandAll();
  commands.Doc().Subscribe(this);
  ShowCurrent();
}

CAttributeTreeView::~CAttributeTreeView() { m_commands.Doc().Unsubscribe(this); }

void CAttributeTreeView::ShowCurrent() {
  ShowQuietly(m_pModel->IndexOf(m_commands.Doc().CurrentAttribute()));
}

void CAttributeTreeView::OnDocumentChanged(CMADMDoc&, const SDocChange&) { ShowCurrent(); }

void CAttributeTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (m_bSyncing || !current.isValid()) return;
  const int i = CAttributeTreeModel::AttributeOf(current);
  if (i != m_commands.Doc().CurrentAttribute() || !m_commands.Doc().IsAttributeSelected()) {
    m_commands.ClickAttributeInTree(i);
  }
}

void CAttributeTreeView::mousePressEvent(QMouseEvent* event) {
  if (MarkOnRightPress(event)) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  QTreeView::mousePressEvent(event);
  // A click on the item that is already current still selects its box.
  if (index.isValid() && event->button() == Qt::LeftButton &&
      !m_commands.Doc().IsAttributeSelected()) {
    m_commands.ClickAttributeInTree(CAttributeTreeModel::AttributeOf(index));
  }
}

void CAttributeTreeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) m_commands.RightClickAttribute(CAttributeTreeModel::AttributeOf(index));
    return;
  }
  QTreeView::mouseReleaseEvent(event);
}

void CAttributeTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
  QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  const int i = CAttributeTreeModel::AttributeOf(index);
  if (event->button() == Qt::LeftButton) {
    m_commands.DoubleClickAttributeItem(i);
  } else if (event->button() == Qt::RightButton) {
    m_commands.ClickAttributeInTree(i);
    m_commands.Run(kIdGraphBeliefAttAtAlt);
  }
}

}  // namespace zev
