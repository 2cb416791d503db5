#pragma once

#include <QStringList>
#include <Qt>
#include <cstdint>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace zev {

// Item data: the row's position in the list it came from, and its attribute.
inline constexpr int kRowRole = Qt::UserRole;
inline constexpr int kAttributeRole = Qt::UserRole + 1;

// One attribute of the hierarchy in the order the hierarchy shows it, with
// its depth below the top and the cells it shows.
struct SAttributeTreeRow {
  int m_nAttribute = 0;
  int m_nLevel = 0;
  std::uint16_t m_nType = 0;
  bool m_bHasChildren = false;
  QStringList m_cells;
};

// Fills the tree with one item per row, each under the nearest earlier row
// one level up, with the picture of its kind; returns the items in row
// order.
std::vector<QTreeWidgetItem*> FillAttributeTree(QTreeWidget& tree,
                                                const std::vector<SAttributeTreeRow>& rows);

}  // namespace zev
