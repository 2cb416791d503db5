#include "app/visual_comparison_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/alternative_list_model.h"
#include "app/attribute_tree_model.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"
#include "app/model_item_view.h"

namespace zev {

namespace {

QVBoxLayout* Labelled(QWidget* parent, const char* label, QWidget* content) {
  auto* box = new QVBoxLayout;
  auto* title = new QLabel(ToQt(label), parent);
  title->setBuddy(content);
  box->addWidget(title);
  box->addWidget(content, 1);
  return box;
}

void ShowNames(QListWidget* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(ToQt(name));
}

}  // namespace

CVisualComparisonWindow::CVisualComparisonWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "visualComparisonWindow", ToQt(CVisualComparison::kTitle)),
      m_presenter(commands.Doc()) {
  CMADMDoc& doc = commands.Doc();
  using EList = CVisualComparison::EList;

  m_pTreeModel = new CAttributeTreeModel(doc, this);
  m_pListModel = new CAlternativeListModel(doc, this);
  m_pHierarchy = new QTreeView(this);
  m_pHierarchy->setObjectName("hierarchy");
  m_pHierarchy->setModel(m_pTreeModel);
  m_pHierarchy->header()->hide();
  m_pAlternatives = new QTreeView(this);
  m_pAlternatives->setObjectName("alternatives");
  m_pAlternatives->setModel(m_pListModel);
  m_pAlternatives->setRootIsDecorated(false);
  m_pAlternatives->setUniformRowHeights(true);
  for (QTreeView* view : {m_pHierarchy, m_pAlternatives}) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setExpandsOnDoubleClick(false);
    ApplyModelListStyle(view);
  }
  m_pHierarchy->expandAll();

  // A click highlights an entry for "Select One"; a double click selects it.
  auto highlightAttribute = [this](const QModelIndex& index) {
    if (!m_bSyncing && index.isValid())
      m_presenter.HighlightAttribute(CAttributeTreeModel::AttributeOf(index));
  };
  auto highlightAlternative = [this](const QModelIndex& index) {
    if (!m_bSyncing && index.isValid()) m_presenter.HighlightAlternative(index.row());
  };
  connect(m_pHierarchy->selectionModel(), &QItemSelectionModel::currentChanged, this,
          highlightAttribute);
  connect(m_pHierarchy, &QTreeView::clicked, this, highlightAttribute);
  connect(m_pAlternatives->selectionModel(), &QItemSelectionModel::currentChanged, this,
          highlightAlternative);
  connect(m_pAlternatives, &QTreeView::clicked, this, highlightAlternative);
  connect(m_pHierarchy, &QTreeView::doubleClicked, this, [this, highlightAttribute](auto index) {
    highlightAttribute(index);
    Act(&CVisualComparison::SelectOne);
  });
  connect(m_pAlternatives, &QTreeView::doubleClicked, this,
          [this, highlightAlternative](auto index) {
            highlightAlternative(index);
            Act(&CVisualComparison::SelectOne);
          });
  // After an edit of the hierarchy or the list the highlights show again.
  connect(m_pTreeModel, &QAbstractItemModel::modelReset, this, [this] {
    m_pHierarchy->expandAll();
    ShowHighlights();
  });
  connect(m_pListModel, &QAbstractItemModel::modelReset, this,
          &CVisualComparisonWindow::ShowHighlights);

  m_pSelectedAttributes = new QListWidget(this);
  m_pSelectedAttributes->setObjectName("selectedAttributes");
  m_pSelectedAlternatives = new QListWidget(this);
  m_pSelectedAlternatives->setObjectName("selectedAlternatives");
  for (auto [list, which] : {std::pair{m_pSelectedAttributes, EList::Attributes},
                             std::pair{m_pSelectedAlternatives, EList::Alternatives}}) {
    connect(list, &QListWidget::itemClicked, this, [this, list, which](QListWidgetItem* item) {
      m_presenter.ChooseEntry(which, list->row(item));
    });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list, which](QListWidgetItem* item) {
              m_presenter.ChooseEntry(which, list->row(item));
              Act(&CVisualComparison::Deselect);
            });
  }

  m_pChart = new CChartWidget(this);
  m_pChart->setObjectName("chart");
  m_pChart->setMinimumHeight(fontMetrics().height() * 18);

  auto* selection = new QVBoxLayout;
  selection->addStretch(1);
  const std::pair<const char*, void (CVisualComparison::*)()> selectButtons[] = {
      {"Select &One", &CVisualComparison::SelectOne},
      {"Select &Group", &CVisualComparison::SelectGroup},
      {"Select &All", &CVisualComparison::SelectAll},
      {"D&eselect", &CVisualComparison::Deselect},
      {"Clea&r", &CVisualComparison::Clear}};
  const char* selectNames[] = {"selectOne", "selectGroup", "selectAll", "deselect", "clear"};
  for (int i = 0; i < 5; ++i) {
    auto action = selectButtons[i].second;
    AddButton(selection, tr(selectButtons[i].first), selectNames[i],
              [this, action] { Act(action); });
  }
  selection->addStretch(1);

  // The hierarchy and the alternative list get room for their names; the
  // selection lists take what is left.
  const int chars = fontMetrics().averageCharWidth();
  m_pHierarchy->setMinimumWidth(chars * 30);
  m_pAlternatives->setMinimumWidth(chars * 22);
  auto* lists = new QHBoxLayout;
  lists->addLayout(Labelled(this, CVisualComparison::kHierarchyLabel, m_pHierarchy), 4);
  lists->addLayout(Labelled(this, CVisualComparison::kAlternativesLabel, m_pAlternatives), 3);
  lists->addLayout(selection);
  lists->addLayout(
      Labelled(this, CVisualComparison::kSelectedAttributesLabel, m_pSelectedAttributes), 3);
  lists->addLayout(
      Labelled(this, CVisualComparison::kSelectedAlternativesLabel, m_pSelectedAlternatives), 3);

  auto* buttons = new QHBoxLayout;
  AddButton(buttons, tr("&View What?"), "viewWhat", [this] { Act(&CVisualComparison::ViewWhat); });
  AddButton(buttons, tr("&Curve/Bar"), "curveBar",
            [this] { Act(&CVisualComparison::SwitchCurveBar); });
  AddButton(buttons, tr("&Draw"), "draw", [this] {
    if (m_presenter.Draw()) m_pChart->ShowChart(m_presenter.Chart());
    ShowLists();
  });
  AddButton(buttons, tr("&Tool Bar"), "toolBar", [this] { m_pChart->ToggleToolBar(); });
  AddButton(buttons, tr("&Help"), "help", [] { CVisualComparison::ShowHelp(); });
  buttons->addStretch(1);
  AddCloseButton(buttons)->setText(tr("Clo&se"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 2);
  layout->addWidget(m_pChart, 3);
  layout->addLayout(buttons);
  resize(chars * 160, fontMetrics().height() * 46);
  ShowHighlights();
  ShowLists();
  m_pChart->ShowChart(m_presenter.Chart());
}

CVisualComparisonWindow::~CVisualComparisonWindow() = default;

void CVisualComparisonWindow::Act(void (CVisualComparison::*action)()) {
  (m_presenter.*action)();
  ShowLists();
  m_pChart->ShowChart(m_presenter.Chart());
}

void CVisualComparisonWindow::ShowLists() {
  ShowNames(m_pSelectedAttributes, m_presenter.SelectedAttributeNames());
  ShowNames(m_pSelectedAlternatives, m_presenter.SelectedAlternativeNames());
  using EList = CVisualComparison::EList;
  m_pSelectedAttributes->setCurrentRow(m_presenter.ChosenEntry(EList::Attributes));
  m_pSelectedAlternatives->setCurrentRow(m_presenter.ChosenEntry(EList::Alternatives));
}

void CVisualComparisonWindow::ShowHighlights() {
  m_bSyncing = true;
  m_pHierarchy->setCurrentIndex(m_pTreeModel->IndexOf(m_presenter.HighlightedAttribute()));
  m_pAlternatives->setCurrentIndex(m_pListModel->index(m_presenter.HighlightedAlternative(), 0));
  m_bSyncing = false;
}

void CVisualComparisonWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection) {
    m_presenter.ShowSelection();
    ShowHighlights();
    return;
  }
  m_presenter.OnDocumentChanged(change);
  ShowLists();
  ShowHighlights();
}

}  // namespace zev
