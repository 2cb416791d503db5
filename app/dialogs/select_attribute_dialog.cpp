#include "app/dialogs/select_attribute_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "app/dialogs/attribute_tree_items.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CSelectAttributeDialog::CSelectAttributeDialog(CSelectAttributePresenter& p, QWidget* parent)
    : CDialogView(p, parent, "selectAttributeDialog"), m_p(p) {
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(ToQt(p.Prompt()), this);
  layout->addWidget(prompt);
  m_pTree = new QTreeWidget(this);
  m_pTree->setObjectName("attributes");
  m_pTree->setHeaderHidden(true);
  m_pTree->setRootIsDecorated(true);
  prompt->setBuddy(m_pTree);
  std::vector<SAttributeTreeRow> rows;
  for (const CSelectAttributePresenter::SRow& row : p.Rows()) {
    rows.push_back(
        {row.m_nAttribute, row.m_nLevel, row.m_nType, row.m_bHasChildren, {ToQt(row.m_strName)}});
  }
  const std::vector<QTreeWidgetItem*> items = FillAttributeTree(*m_pTree, rows);
  m_pTree->expandAll();
  const int selected = p.SelectedRow();
  if (selected >= 0) m_pTree->setCurrentItem(items[static_cast<size_t>(selected)]);
  connect(m_pTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) m_p.SelectRow(item->data(0, kRowRole).toInt());
  });
  connect(m_pTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    m_p.SelectRow(item->data(0, kRowRole).toInt());
    accept();
  });
  layout->addWidget(m_pTree, 1);
  AddOkCancel(layout, CSelectAttributePresenter::kSelectLabel,
              CSelectAttributePresenter::kCancelLabel);
  m_pTree->setFocus();
  resize(360, 420);
}

}  // namespace zev
