#include "app/overview_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/dialogs/attribute_tree_items.h"
#include "app/dialogs/icons.h"
#include "app/dialogs/qt_text.h"
#include "commands/command_ids.h"

namespace zev {

namespace {

// Horizontal dialog units, a quarter of the font's average character.
int DialogUnits(const QWidget& w, int n) { return n * w.fontMetrics().averageCharWidth() / 4; }

QLabel* ListLabel(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QStringList AttributeCells(const COverview::SAttributeRow& row) {
  return {ToQt(row.m_strName),   ToQt(row.m_strIndex),  ToQt(row.m_strType),
          ToQt(row.m_strFather), ToQt(row.m_strWeight), ToQt(row.m_strAssessment),
          ToQt(row.m_strUnit)};
}

// Puts the cells into the list's rows, reusing the rows it has when their
// number is right, so that a list is never rebuilt under its own signal.
void ShowCells(QTreeWidget& list, const std::vector<QStringList>& rows,
               const std::function<QIcon(std::size_t)>& icon) {
  if (list.topLevelItemCount() != static_cast<int>(rows.size())) {
    list.clear();
    for (std::size_t r = 0; r < rows.size(); ++r) {
      auto* item = new QTreeWidgetItem(&list, rows[r]);
      item->setData(0, kRowRole, static_cast<int>(r));
    }
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    QTreeWidgetItem* item = list.topLevelItem(static_cast<int>(r));
    for (int c = 0; c < rows[r].size(); ++c) item->setText(c, rows[r][c]);
    item->setIcon(0, icon(r));
  }
}

void FitNameColumn(QTreeWidget& list, int nWidth) {
  list.resizeColumnToContents(0);
  list.setColumnWidth(0, std::clamp(list.columnWidth(0) + 16, DialogUnits(list, 80),
                                    std::max(DialogUnits(list, 80), DialogUnits(list, nWidth))));
}

void MarkRow(QTreeWidget& list, QTreeWidgetItem* item) {
  if (!item) return;
  list.setCurrentItem(item);
  list.scrollToItem(item);
}

}  // namespace

COverviewWindow::COverviewWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "overviewWindow", ToQt(COverview::kTitle)),
      m_commands(commands),
      m_presenter(commands.Doc()) {
  m_pAlternativeName = new QLineEdit(this);
  m_pAlternativeName->setObjectName("alternativeName");
  m_pAttributeName = new QLineEdit(this);
  m_pAttributeName->setObjectName("attributeName");
  for (QLineEdit* name : {m_pAlternativeName, m_pAttributeName}) {
    name->setReadOnly(true);
    name->setFocusPolicy(Qt::ClickFocus);
  }
  m_pAlternatives = NewList("alternatives", COverview::AlternativeColumns());
  m_pAttributes = NewList("attributes", COverview::AttributeColumns());
  m_pHierarchy = new QTreeWidget(this);
  m_pHierarchy->setObjectName("hierarchy");
  m_pHierarchy->setHeaderHidden(true);

  auto* names = new QGridLayout;
  names->addWidget(new QLabel(COverview::kAlternativeNameLabel, this), 0, 0);
  names->addWidget(m_pAlternativeName, 0, 1);
  names->addWidget(new QLabel(COverview::kAttributeNameLabel, this), 1, 0);
  names->addWidget(m_pAttributeName, 1, 1);

  auto* alternatives = new QVBoxLayout;
  alternatives->addWidget(ListLabel(COverview::kAlternativesLabel, m_pAlternatives, this));
  alternatives->addWidget(m_pAlternatives, 1);
  auto* hierarchy = new QVBoxLayout;
  hierarchy->addWidget(ListLabel(COverview::kHierarchyLabel, m_pHierarchy, this));
  hierarchy->addWidget(m_pHierarchy, 1);
  auto* upper = new QHBoxLayout;
  upper->addLayout(alternatives, 3);
  upper->addLayout(hierarchy, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* select = AddButton(buttons, COverview::kSelectLabel, "select", [this] { Select(); });
  m_pGraph = AddButton(buttons, COverview::kGraphLabel, "graph", [this] { Graph(); });
  AddButton(buttons, COverview::kHelpLabel, "help", [] { COverview::ShowHelp(); });
  AddCloseButton(buttons);
  ExemptButtons({select, m_pGraph});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(upper, 1);
  layout->addWidget(ListLabel(COverview::kAttributesLabel, m_pAttributes, this));
  layout->addWidget(m_pAttributes, 1);
  layout->addLayout(buttons);

  // A click chooses its row even when the row is marked already (the views
  // may have moved the model's selection since); a press that moved the
  // mark has chosen it already.
  for (QTreeWidget* list : {m_pAlternatives, m_pAttributes, m_pHierarchy}) {
    const auto choose = [this, list](QTreeWidgetItem* item) {
      if (list == m_pAlternatives)
        ChooseAlternativeItem(item);
      else
        ChooseAttributeItem(item);
    };
    connect(list, &QTreeWidget::currentItemChanged, this, [this, choose](QTreeWidgetItem* item) {
      m_bMovedByPress = QApplication::mouseButtons() != Qt::NoButton;
      choose(item);
    });
    connect(list, &QTreeWidget::itemClicked, this, [this, choose](QTreeWidgetItem* item) {
      if (!std::exchange(m_bMovedByPress, false)) choose(item);
    });
    connect(list, &QTreeWidget::itemActivated, this, choose);
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == m_pAlternatives || now == m_pAttributes || now == m_pHierarchy) m_pLastList = now;
  });

  ShowState();
  m_pHierarchy->expandAll();
  // A name column is as wide as its longest name, up to its full width, so
  // that the results beside it show.
  FitNameColumn(*m_pAlternatives, COverview::AlternativeColumns()[0].m_nWidth);
  FitNameColumn(*m_pAttributes, COverview::AttributeColumns()[0].m_nWidth);
  resize(std::max(sizeHint().width(), DialogUnits(*this, 560)), DialogUnits(*this, 400));
}

COverviewWindow::~COverviewWindow() = default;

QTreeWidget* COverviewWindow::NewList(const char* name,
                                      std::span<const COverview::SColumn> columns) {
  auto* list = new QTreeWidget(this);
  list->setObjectName(name);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setColumnCount(static_cast<int>(columns.size()));
  QStringList titles;
  for (const COverview::SColumn& column : columns) titles << column.m_szTitle;
  list->setHeaderLabels(titles);
  list->header()->setSectionsClickable(false);
  list->header()->setStretchLastSection(false);
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    const COverview::SColumn& column = columns[static_cast<std::size_t>(c)];
    list->setColumnWidth(c, DialogUnits(*this, column.m_nWidth));
    const Qt::Alignment align =
        (column.m_bRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    list->headerItem()->setTextAlignment(c, align);
  }
  return list;
}

void COverviewWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (m_bBusy) return;
  m_bBusy = true;
  if (change.m_kind == EDocChange::Selection)
    m_presenter.ShowSelection();
  else
    m_presenter.Refresh();
  m_bBusy = false;
  ShowState();
}

void COverviewWindow::Act(const std::function<void()>& action) {
  if (m_bBusy) return;
  m_bBusy = true;
  action();
  m_bBusy = false;
  ShowState();
}

void COverviewWindow::ChooseAlternativeItem(QTreeWidgetItem* item) {
  if (!item) return;
  const int row = item->data(0, kRowRole).toInt();
  Act([this, row] { m_presenter.ChooseAlternativeRow(row); });
}

void COverviewWindow::ChooseAttributeItem(QTreeWidgetItem* item) {
  if (!item) return;
  const int attribute = item->data(0, kAttributeRole).toInt();
  Act([this, attribute] { m_presenter.ChooseAttribute(attribute); });
}

void COverviewWindow::Select() {
  if (m_pLastList == m_pAlternatives && m_pAlternatives->currentItem()) {
    ChooseAlternativeItem(m_pAlternatives->currentItem());
  } else if (auto* list = qobject_cast<QTreeWidget*>(m_pLastList); list && list->currentItem()) {
    ChooseAttributeItem(list->currentItem());
  } else {
    Act([this] { m_presenter.Select(); });
  }
}

void COverviewWindow::Graph() { m_commands.Run(kIdGraphBeliefAttAtAlt); }

void COverviewWindow::ShowState() {
  const QSignalBlocker blockAlternatives(m_pAlternatives);
  const QSignalBlocker blockAttributes(m_pAttributes);
  const QSignalBlocker blockHierarchy(m_pHierarchy);
  m_pAlternativeName->setText(ToQt(m_presenter.AlternativeName()));
  m_pAttributeName->setText(ToQt(m_presenter.AttributeName()));
  ShowAlternatives();
  ShowAttributes();
  m_pGraph->setEnabled(m_commands.IsAvailable(kIdGraphBeliefAttAtAlt));
}

void COverviewWindow::ShowAlternatives() {
  std::vector<QStringList> rows;
  for (const COverview::SAlternativeRow& row : m_presenter.AlternativeRows()) {
    rows.push_back({ToQt(row.m_strName), ToQt(row.m_strAssessment), ToQt(row.m_strRank)});
  }
  const QIcon icon = AlternativeIcon();
  ShowCells(*m_pAlternatives, rows, [&icon](std::size_t) { return icon; });
  for (int r = 0; r < m_pAlternatives->topLevelItemCount(); ++r) {
    for (int c : {1, 2}) m_pAlternatives->topLevelItem(r)->setTextAlignment(c, Qt::AlignRight);
  }
  MarkRow(*m_pAlternatives, m_pAlternatives->topLevelItem(m_presenter.SelectedAlternativeRow()));
}

void COverviewWindow::ShowAttributes() {
  const std::vector<COverview::SAttributeRow>& rows = m_presenter.AttributeRows();
  std::vector<std::pair<int, int>> shape;
  std::vector<QStringList> cells;
  for (const COverview::SAttributeRow& row : rows) {
    shape.emplace_back(row.m_nAttribute, row.m_nLevel);
    cells.push_back(AttributeCells(row));
  }
  ShowCells(*m_pAttributes, cells, [&rows](std::size_t r) {
    return AttributeIcon(rows[r].m_nType, rows[r].m_bHasChildren);
  });
  const auto& columns = COverview::AttributeColumns();
  for (int r = 0; r < m_pAttributes->topLevelItemCount(); ++r) {
    QTreeWidgetItem* item = m_pAttributes->topLevelItem(r);
    item->setData(0, kAttributeRole, rows[static_cast<std::size_t>(r)].m_nAttribute);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      if (columns[static_cast<std::size_t>(c)].m_bRight) item->setTextAlignment(c, Qt::AlignRight);
    }
  }
  // The tree is rebuilt only when the hierarchy changed, so that it keeps
  // what the user opened and closed.
  std::vector<QTreeWidgetItem*> nodes;
  if (shape != m_shownAttributes) {
    std::vector<SAttributeTreeRow> tree;
    for (const COverview::SAttributeRow& row : rows) {
      tree.push_back(
          {row.m_nAttribute, row.m_nLevel, row.m_nType, row.m_bHasChildren, {ToQt(row.m_strName)}});
    }
    nodes = FillAttributeTree(*m_pHierarchy, tree);
    m_pHierarchy->expandAll();
    m_shownAttributes = std::move(shape);
  } else {
    for (QTreeWidgetItemIterator it(m_pHierarchy); *it; ++it) {
      QTreeWidgetItem* node = *it;
      const auto r = static_cast<std::size_t>(node->data(0, kRowRole).toInt());
      node->setText(0, ToQt(rows[r].m_strName));
      node->setIcon(0, AttributeIcon(rows[r].m_nType, rows[r].m_bHasChildren));
      nodes.push_back(node);
    }
  }
  const int selected = m_presenter.SelectedAttributeRow();
  MarkRow(*m_pAttributes, m_pAttributes->topLevelItem(selected));
  for (QTreeWidgetItem* node : nodes) {
    if (node->data(0, kRowRole).toInt() == selected) MarkRow(*m_pHierarchy, node);
  }
}

}  // namespace zev
