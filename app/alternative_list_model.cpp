#include "app/alternative_list_model.h"

#include "app/dialogs/icons.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CAlternativeListModel::CAlternativeListModel(CMADMDoc& doc, QObject* parent)
    : QAbstractListModel(parent), m_doc(doc), m_nRows(doc.AlternativeCount()) {
  m_doc.Subscribe(this);
}

CAlternativeListModel::~CAlternativeListModel() { m_doc.Unsubscribe(this); }

int CAlternativeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_nRows;
}

QVariant CAlternativeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_doc.AlternativeCount()) return {};
  const CAlternative& a = m_doc.Alternative(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQt(a.m_strName.View());
    case Qt::DecorationRole: {
      static const QIcon icon = AlternativeIcon();
      return icon;
    }
    case Qt::ToolTipRole:
      return ToQt(a.m_strDescription.View());
    default:
      return {};
  }
}

bool CAlternativeListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !m_rename) return false;
  return m_rename(index.row(), value.toString());
}

QVariant CAlternativeListModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
  if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole) {
    return QString("Alternative Name");
  }
  return {};
}

Qt::ItemFlags CAlternativeListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

void CAlternativeListModel::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  switch (change.m_kind) {
    case EDocChange::Selection:
    case EDocChange::Structure:
    case EDocChange::Attribute:
    case EDocChange::Assessment:
      return;
    default:
      break;
  }
  const int count = m_doc.AlternativeCount();
  if (count != m_nRows) {
    beginResetModel();
    m_nRows = count;
    endResetModel();
    return;
  }
  if (m_nRows == 0) return;
  if (change.m_kind == EDocChange::Alternatives && change.m_nAlternative >= 0 &&
      change.m_nAlternative < m_nRows) {
    QModelIndex i = index(change.m_nAlternative);
    emit dataChanged(i, i);
  } else {
    emit dataChanged(index(0), index(m_nRows - 1));
  }
}

}  // namespace zev
