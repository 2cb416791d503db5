#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <vector>

namespace zev {

// The alternative list of an analysis window: one row per alternative in
// list order, several rows highlighted at once. Refilling it keeps the
// highlighted rows while the number of rows stays the same.
class CAnalysisList : public QTreeWidget {
  Q_OBJECT

 public:
  // Columns: their titles and widths in average characters.
  CAnalysisList(const QStringList& titles, const std::vector<int>& widths, QWidget* parent);

  void SetRows(const std::vector<QStringList>& rows);
  std::vector<int> Highlighted() const;
  // Makes a row the current one, highlighted when no row is.
  void ShowRow(int row);
};

}  // namespace zev
