#pragma once

#include <QAbstractListModel>
#include <functional>

#include "model/madm_doc.h"

namespace zev {

// The alternatives in list order, one column "Alternative Name".
class CAlternativeListModel : public QAbstractListModel, public CDocObserver {
  Q_OBJECT

 public:
  // Renames the alternative at a position; false when the name is refused.
  using Renamer = std::function<bool(int nPosition, const QString& name)>;

  explicit CAlternativeListModel(CMADMDoc& doc, QObject* parent = nullptr);
  ~CAlternativeListModel() override;

  void SetRenamer(Renamer renamer) { m_rename = std::move(renamer); }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

 private:
  CMADMDoc& m_doc;
  Renamer m_rename;
  int m_nRows;
};

}  // namespace zev
