#include "app/sensitivity_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/analysis_list.h"
#include "app/attribute_tree_model.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

CSensitivityWindow::CSensitivityWindow(CModelCommands& commands, QWidget* parent,
                                       const char* objectName, const char* title)
    : CToolWindow(parent, objectName, ToQt(title)), m_commands(commands) {}

QBoxLayout* CSensitivityWindow::Build(CSensitivityPresenter& p, const char* pickChoice) {
  m_pPresenter = &p;
  const int unit = fontMetrics().averageCharWidth();

  m_pList = new CAnalysisList({"Name", "Assessment", "Rank"}, {30, 13, 6}, this);
  m_pList->setObjectName("alternatives");
  connect(m_pList, &QTreeWidget::itemSelectionChanged, this,
          [this] { m_pPresenter->SetHighlighted(m_pList->Highlighted()); });
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(Caption("&Alternatives:", m_pList, this));
  listColumn->addWidget(m_pList, 1);

  auto* buttons = new QVBoxLayout;
  AddButton(buttons, "Select &One", "selectOne",
            [this] { Act([this] { m_pPresenter->SelectOne(); }); });
  AddButton(buttons, "Select &Group", "selectGroup",
            [this] { Act([this] { m_pPresenter->SelectGroup(); }); });
  AddButton(buttons, "&Deselect One", "deselectOne",
            [this] { Act([this] { m_pPresenter->DeselectOne(); }); });
  m_pShown = new QComboBox(this);
  m_pShown->setObjectName("shown");
  m_pShown->setMinimumContentsLength(16);
  connect(m_pShown, &QComboBox::activated, this, [this](int i) {
    const std::vector<int> shown = m_pPresenter->ShownAlternatives();
    if (i >= 0 && i < static_cast<int>(shown.size()))
      m_pPresenter->ChooseShown(shown[static_cast<size_t>(i)]);
  });
  buttons->addWidget(Caption("Alternatives &shown:", m_pShown, this));
  buttons->addWidget(m_pShown);
  buttons->addStretch(1);

  m_pTreeModel = new CAttributeTreeModel(m_commands.Doc(), this);
  m_pTree = new QTreeView(this);
  m_pTree->setObjectName("attributes");
  m_pTree->setModel(m_pTreeModel);
  m_pTree->header()->hide();
  // The whole hierarchy stays in sight, also after the model is rebuilt.
  m_pTree->expandAll();
  connect(m_pTreeModel, &QAbstractItemModel::modelReset, m_pTree, &QTreeView::expandAll);
  m_pTree->setMinimumWidth(34 * unit);
  connect(m_pTree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    const int k = CAttributeTreeModel::AttributeOf(index);
    Act([this, k] { ClickedAttribute(k); });
  });
  auto* treeColumn = new QVBoxLayout;
  treeColumn->addWidget(Caption("Attri&butes:", m_pTree, this));
  treeColumn->addWidget(m_pTree, 1);

  m_pRanking = new QComboBox(this);
  m_pRanking->setObjectName("rankingAttributes");
  m_pRanking->setMinimumContentsLength(16);
  connect(m_pRanking, &QComboBox::activated, this, [this](int i) {
    const std::vector<int> marked = m_pPresenter->RankingAttributes();
    if (i < 0 || i >= static_cast<int>(marked.size())) return;
    const int k = marked[static_cast<size_t>(i)];
    Act([this, k] {
      m_pPresenter->ChooseRankingAttribute(k);
      m_pPresenter->RedrawRight();
    });
  });
  auto* own = new QVBoxLayout;
  own->addWidget(Caption("Attributes &ranked on:", m_pRanking, this));
  own->addWidget(m_pRanking);

  auto* top = new QHBoxLayout;
  top->addLayout(listColumn, 3);
  top->addLayout(buttons);
  top->addLayout(treeColumn, 2);
  top->addLayout(own);

  m_pPick = new QRadioButton(ToQt(pickChoice), this);
  m_pPick->setObjectName("pickMode");
  m_pRankOn = new QRadioButton(ToQt(CSensitivityPresenter::kRankOnChoice), this);
  m_pRankOn->setObjectName("rankOnMode");
  auto* modes = new QButtonGroup(this);
  modes->addButton(m_pPick);
  modes->addButton(m_pRankOn);
  connect(m_pPick, &QRadioButton::toggled, this, [this](bool b) {
    m_pPresenter->SetTreeMode(b ? CSensitivityPresenter::ETreeMode::Pick
                                : CSensitivityPresenter::ETreeMode::RankOn);
  });

  m_pLeft = new CChartWidget(this);
  m_pLeft->setObjectName("leftChart");
  m_pLeft->SetDragEnabled(true);
  m_pRight = new CChartWidget(this);
  m_pRight->setObjectName("rightChart");
  const int line = fontMetrics().height();
  for (CChartWidget* chart : {m_pLeft, m_pRight}) chart->setMinimumSize(80 * unit, 20 * line);
  connect(m_pLeft, &CChartWidget::PointDragged, this,
          [this](int, int point, double dValue) { Act([=, this] { Dragged(point, dValue); }); });
  auto* charts = new QHBoxLayout;
  charts->addWidget(m_pLeft, 1);
  charts->addWidget(m_pRight, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  AddCloseButton(bottom);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_pPick);
  layout->addWidget(m_pRankOn);
  layout->addLayout(charts, 2);
  layout->addLayout(bottom);
  resize(sizeHint().expandedTo(QSize(150 * unit, 50 * line)));
  return own;
}

void CSensitivityWindow::Act(const std::function<void()>& action) {
  const bool bWasActing = m_bActing;
  m_bActing = true;
  action();
  m_bActing = bWasActing;
  if (!m_bActing) ShowState();
}

void CSensitivityWindow::ShowState() {
  CSensitivityPresenter& p = *m_pPresenter;
  std::vector<QStringList> rows;
  for (const CSensitivityPresenter::SRow& row : p.Rows()) {
    rows.push_back({ToQt(row.m_strName), ToQt(row.m_strAssessment), ToQt(row.m_strRank)});
  }
  Showing([&] {
    m_pList->SetRows(rows);
    m_pList->ShowRow(m_commands.Doc().CurrentPosition());
    const CMADMDoc& doc = m_commands.Doc();
    m_pShown->clear();
    const std::vector<int> shown = p.ShownAlternatives();
    for (int pos : shown) m_pShown->addItem(ToQt(doc.Alternative(pos).m_strName.Str()));
    for (size_t i = 0; i < shown.size(); ++i) {
      if (shown[i] == p.CurrentShown()) m_pShown->setCurrentIndex(static_cast<int>(i));
    }
    m_pRanking->clear();
    const std::vector<int> marked = p.RankingAttributes();
    for (int k : marked) m_pRanking->addItem(ToQt(doc.Attribute(k).m_strName.Str()));
    for (size_t i = 0; i < marked.size(); ++i) {
      if (marked[i] == p.RankingAttribute()) m_pRanking->setCurrentIndex(static_cast<int>(i));
    }
    const bool bPick = p.TreeMode() == CSensitivityPresenter::ETreeMode::Pick;
    m_pPick->setChecked(bPick);
    m_pRankOn->setChecked(!bPick);
  });
  m_pLeft->ShowChart(p.LeftChart());
  m_pRight->ShowChart(p.RightChart());
}

void CSensitivityWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (m_bActing || m_bClosed || !m_pPresenter) return;
  Act([&] { FollowDocument(change); });
}

void CSensitivityWindow::done(int result) {
  if (!m_bClosed) {
    m_bClosed = true;
    m_bActing = true;
    Closing();
    m_bActing = false;
  }
  CToolWindow::done(result);
}

}  // namespace zev
