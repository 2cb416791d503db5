#include "app/dialogs/attribute_tree_items.h"

#include <QTreeWidget>
#include <algorithm>

#include "app/dialogs/icons.h"

namespace zev {

std::vector<QTreeWidgetItem*> FillAttributeTree(QTreeWidget& tree,
                                                const std::vector<SAttributeTreeRow>& rows) {
  tree.clear();
  std::vector<QTreeWidgetItem*> items;
  items.reserve(rows.size());
  // The last item of each level on the way down to the row being placed.
  std::vector<QTreeWidgetItem*> path;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const SAttributeTreeRow& row = rows[r];
    const std::size_t level = static_cast<std::size_t>(std::max(row.m_nLevel, 0));
    if (path.size() > level) path.resize(level);
    QTreeWidgetItem* item = path.empty() ? new QTreeWidgetItem(&tree, row.m_cells)
                                         : new QTreeWidgetItem(path.back(), row.m_cells);
    item->setIcon(0, AttributeIcon(row.m_nType, row.m_bHasChildren));
    item->setData(0, kRowRole, static_cast<int>(r));
    item->setData(0, kAttributeRole, row.m_nAttribute);
    path.push_back(item);
    items.push_back(item);
  }
  return items;
}

}  // namespace zev
