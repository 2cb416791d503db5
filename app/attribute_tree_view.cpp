#include "app/attribute_tree_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "app/qt_text.h"

namespace zev {

void ApplyModelListStyle(QAbstractItemView* view) {
  QFont font("Arial");
  font.setBold(true);
  view->setFont(font);
  view->setIconSize(QSize(16, 16));
  QPalette palette = view->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  view->setPalette(palette);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

CAttributeTreeView::CAttributeTreeView(CModelCommands& commands, QWidget* parent)
    : QTreeView(parent), m_commands(commands) {
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
  m_bSyncing = true;
  QModelIndex index = m_pModel->IndexOf(m_commands.Doc().CurrentAttribute());
  if (index.isValid() && index != currentIndex()) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  }
  if (index.isValid()) scrollTo(index);
  m_bSyncing = false;
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
  QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::RightButton) {
    if (index.isValid()) {
      m_bSyncing = true;
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
      m_bSyncing = false;
    }
    return;
  }
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
