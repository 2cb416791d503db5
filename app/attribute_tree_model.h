#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <vector>

#include "model/madm_doc.h"

namespace zev {

// The attribute hierarchy as a Qt item model: the top attribute is the one
// root item, and the children of every item follow their sibling chain. The
// internal id of an index is the attribute's slot index.
class CAttributeTreeModel : public QAbstractItemModel, public CDocObserver {
  Q_OBJECT

 public:
  // Renames the attribute; false when the name is refused.
  using Renamer = std::function<bool(int nAttribute, const QString& name)>;

  explicit CAttributeTreeModel(CMADMDoc& doc, QObject* parent = nullptr);
  ~CAttributeTreeModel() override;

  void SetRenamer(Renamer renamer) { m_rename = std::move(renamer); }

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  QModelIndex IndexOf(int nAttribute) const;
  static int AttributeOf(const QModelIndex& index);

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

 private:
  void Rebuild();

  CMADMDoc& m_doc;
  Renamer m_rename;
  // Per attribute: its children in sibling order, and its row under its father.
  std::vector<std::vector<int>> m_children;
  std::vector<int> m_rows;
};

}  // namespace zev
