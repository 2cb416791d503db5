#include "app/alternative_list_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "app/attribute_tree_view.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CAlternativeListView::CAlternativeListView(CModelCommands& commands, QWidget* parent)
    : CModelItemView(commands, parent) {
  setObjectName("alternativeList");
  m_pModel = new CAlternativeListModel(commands.Doc(), this);
  m_pModel->SetRenamer([this](int pos, const QString& name) {
    return m_commands.RenameAlternative(pos, FromQt(name));
  });
  setModel(m_pModel);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  ApplyModelListStyle(this);
  header()->setStretchLastSection(false);
  header()->resizeSection(0, static_cast<int>(184 * logicalDpiY() / 96.0));
  commands.Doc().Subscribe(this);
  ShowCurrent();
}

CAlternativeListView::~CAlternativeListView() { m_commands.Doc().Unsubscribe(this); }

void CAlternativeListView::Refill() {
  m_pModel->OnDocumentChanged(m_commands.Doc(), {EDocChange::Model, -1, -1});
  ShowCurrent();
}

void CAlternativeListView::ShowCurrent() {
  const CMADMDoc& doc = m_commands.Doc();
  if (doc.AlternativeCount() == 0) return;
  ShowQuietly(m_pModel->index(doc.CurrentPosition()));
}

void CAlternativeListView::OnDocumentChanged(CMADMDoc&, const SDocChange&) { ShowCurrent(); }

void CAlternativeListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (m_bSyncing || !current.isValid()) return;
  if (current.row() != m_commands.Doc().CurrentPosition() ||
      !m_commands.Doc().IsAlternativeSelected()) {
    m_commands.SelectAlternative(current.row());
  }
}

void CAlternativeListView::mousePressEvent(QMouseEvent* event) {
  if (MarkOnRightPress(event)) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  QTreeView::mousePressEvent(event);
  if (index.isValid() && event->button() == Qt::LeftButton &&
      !m_commands.Doc().IsAlternativeSelected()) {
    m_commands.SelectAlternative(index.row());
  }
}

void CAlternativeListView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) m_commands.RightClickAlternative(index.row());
    return;
  }
  QTreeView::mouseReleaseEvent(event);
}

void CAlternativeListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid() || event->button() != Qt::LeftButton) return;
  m_commands.DoubleClickAlternativeItem(index.row());
}

}  // namespace zev
