#include "app/analysis_list.h"

#include <QHeaderView>

namespace zev {

CAnalysisList::CAnalysisList(const QStringList& titles, const std::vector<int>& widths,
                             QWidget* parent)
    : QTreeWidget(parent) {
  setColumnCount(static_cast<int>(titles.size()));
  setHeaderLabels(titles);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  header()->setSectionsClickable(false);
  const int unit = fontMetrics().averageCharWidth();
  int total = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    setColumnWidth(static_cast<int>(i), widths[i] * unit);
    total += widths[i] * unit;
  }
  setMinimumWidth(total + 3 * unit);
}

void CAnalysisList::SetRows(const std::vector<QStringList>& rows) {
  const bool bSameCount = topLevelItemCount() == static_cast<int>(rows.size());
  if (!bSameCount) clear();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (bSameCount) {
      QTreeWidgetItem* item = topLevelItem(static_cast<int>(i));
      for (int c = 0; c < rows[i].size(); ++c) item->setText(c, rows[i][c]);
    } else {
      addTopLevelItem(new QTreeWidgetItem(rows[i]));
    }
  }
}

std::vector<int> CAnalysisList::Highlighted() const {
  std::vector<int> rows;
  for (int i = 0; i < topLevelItemCount(); ++i) {
    if (topLevelItem(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

void CAnalysisList::ShowRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return;
  // The user's own highlighting stays; an unhighlighted list highlights it.
  setCurrentItem(
      item, 0,
      Highlighted().empty() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
}

}  // namespace zev
