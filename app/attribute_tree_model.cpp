#include "app/attribute_tree_model.h"

#include <QFont>

#include "app/dialogs/icons.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CAttributeTreeModel::CAttributeTreeModel(CMADMDoc& doc, QObject* parent)
    : QAbstractItemModel(parent), m_doc(doc) {
  Rebuild();
  m_doc.Subscribe(this);
}

CAttributeTreeModel::~CAttributeTreeModel() { m_doc.Unsubscribe(this); }

void CAttributeTreeModel::Rebuild() {
  const int n = m_doc.LastAttribute() + 1;
  m_children.assign(static_cast<size_t>(n), {});
  m_rows.assign(static_cast<size_t>(n), -1);
  std::vector<bool> reached(static_cast<size_t>(n), false);
  reached[0] = true;
  m_rows[0] = 0;
  // Breadth first from the top, so that links forming a loop show every
  // attribute at most once.
  std::vector<int> queue{0};
  for (size_t q = 0; q < queue.size(); ++q) {
    const int f = queue[q];
    std::vector<int> children;
    for (int i = 1; i < n; ++i) {
      if (!reached[static_cast<size_t>(i)] && m_doc.Attribute(i).m_nFather == f) {
        children.push_back(i);
      }
    }
    // Sibling order: from the child without a previous sibling along the
    // chain; children the chain does not reach follow in index order.
    std::vector<int> ordered;
    std::vector<bool> taken(static_cast<size_t>(n), false);
    auto isChild = [&](int i) {
      return i >= 1 && i < n && m_doc.Attribute(i).m_nFather == f &&
             !reached[static_cast<size_t>(i)];
    };
    for (int c : children) {
      if (isChild(m_doc.Attribute(c).m_nPrevSibling)) continue;
      for (int s = c; isChild(s) && !taken[static_cast<size_t>(s)];
           s = m_doc.Attribute(s).m_nNextSibling) {
        taken[static_cast<size_t>(s)] = true;
        ordered.push_back(s);
      }
    }
    for (int c : children) {
      if (!taken[static_cast<size_t>(c)]) ordered.push_back(c);
    }
    for (size_t r = 0; r < ordered.size(); ++r) {
      const int c = ordered[r];
      reached[static_cast<size_t>(c)] = true;
      m_rows[static_cast<size_t>(c)] = static_cast<int>(r);
      queue.push_back(c);
    }
    m_children[static_cast<size_t>(f)] = std::move(ordered);
  }
}

QModelIndex CAttributeTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row == 0 ? createIndex(0, 0, quintptr(0)) : QModelIndex();
  const auto f = static_cast<size_t>(parent.internalId());
  if (f >= m_children.size() || row >= static_cast<int>(m_children[f].size())) return {};
  return createIndex(row, 0, quintptr(m_children[f][static_cast<size_t>(row)]));
}

QModelIndex CAttributeTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  const int i = AttributeOf(child);
  if (i <= 0 || i >= static_cast<int>(m_rows.size())) return {};
  const int f = m_doc.Attribute(i).m_nFather;
  if (f < 0 || f >= static_cast<int>(m_rows.size())) return {};
  return createIndex(m_rows[static_cast<size_t>(f)], 0, quintptr(f));
}

int CAttributeTreeModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return m_children.empty() ? 0 : 1;
  if (parent.column() != 0) return 0;
  const auto f = static_cast<size_t>(parent.internalId());
  return f < m_children.size() ? static_cast<int>(m_children[f].size()) : 0;
}

int CAttributeTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CAttributeTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int i = AttributeOf(index);
  if (i < 0 || i > m_doc.LastAttribute()) return {};
  const CAttribute& a = m_doc.Attribute(i);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQt(a.m_strName.View());
    case Qt::DecorationRole:
      return AttributeIcon(a.m_nType, a.m_nChildren > 0);
    case Qt::ToolTipRole:
      return ToQt(a.m_strDescription.View());
    default:
      return {};
  }
}

bool CAttributeTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !m_rename) return false;
  return m_rename(AttributeOf(index), value.toString());
}

Qt::ItemFlags CAttributeTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QModelIndex CAttributeTreeModel::IndexOf(int nAttribute) const {
  if (nAttribute < 0 || nAttribute >= static_cast<int>(m_rows.size())) return {};
  const int row = m_rows[static_cast<size_t>(nAttribute)];
  if (row < 0) return {};
  return createIndex(row, 0, quintptr(nAttribute));
}

int CAttributeTreeModel::AttributeOf(const QModelIndex& index) {
  return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

void CAttributeTreeModel::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  switch (change.m_kind) {
    case EDocChange::Selection:
    case EDocChange::Alternatives:
    case EDocChange::Assessment:
    case EDocChange::Results:
      // Nothing the tree shows: it keeps its items and what is expanded.
      return;
    case EDocChange::Attribute:
      if (change.m_nAttribute >= 0 && change.m_nAttribute < static_cast<int>(m_rows.size())) {
        QModelIndex i = IndexOf(change.m_nAttribute);
        if (i.isValid()) emit dataChanged(i, i);
        return;
      }
      break;
    default:
      break;
  }
  beginResetModel();
  Rebuild();
  endResetModel();
}

}  // namespace zev
