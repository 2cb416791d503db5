#include "app/dialogs/weight_scoring_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/scoring_charts.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CWeightScoringDialog::CWeightScoringDialog(CWeightScoringPresenter& p, QWidget* parent)
    : CDialogView(p, parent), m_p(p) {
  using P = CWeightScoringPresenter;
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;

  m_pChart = NewDragChart(this);
  connect(m_pChart, &CChartWidget::PointDragged, this, [this](int series, int point, double v) {
    m_p.Drag(series, point, v);
    ShowState();
  });
  body->addWidget(m_pChart, 1);

  auto* side = new QVBoxLayout;
  m_pList = NewColumnList({tr("Attribute name"), tr("Weight")}, "weights", this);
  connect(m_pList, &QTreeWidget::currentItemChanged, this, [this] {
    if (IsShowing()) return;
    m_p.Select(m_pList->indexOfTopLevelItem(m_pList->currentItem()));
    ShowState();
  });
  side->addWidget(m_pList, 1);

  auto* weightRow = new QHBoxLayout;
  m_pWeight = new QLineEdit(this);
  m_pWeight->setObjectName(P::kFieldWeight);
  Bind(m_pWeight, m_p.m_weight);
  auto* weightLabel = new QLabel(tr("W&eight:"), this);
  weightLabel->setBuddy(m_pWeight);
  weightRow->addWidget(weightLabel);
  weightRow->addWidget(m_pWeight, 1);
  AddButton(weightRow, tr("&Confirm Weight"), "confirmWeight", [this] { ConfirmWeight(); });
  side->addLayout(weightRow);

  auto* choices = new QHBoxLayout;
  auto* scales = new QGroupBox(tr("Scale"), this);
  auto* scaleLayout = new QVBoxLayout(scales);
  for (int scale = 0; scale < P::kScales; ++scale) {
    auto* choice = new QRadioButton(QString::fromLatin1(P::ScaleText(scale)), scales);
    choice->setObjectName(QString("scale%1").arg(scale));
    connect(choice, &QRadioButton::toggled, this, [this, scale](bool bOn) {
      if (!bOn || IsShowing()) return;
      m_p.SetScale(scale);
      ShowState();
    });
    scaleLayout->addWidget(choice);
    m_scales.push_back(choice);
  }
  choices->addWidget(scales);
  auto* styles = new QGroupBox(tr("Style"), this);
  auto* styleLayout = new QVBoxLayout(styles);
  m_pNormalised = new QRadioButton(tr("&Normalised"), styles);
  m_pNormalised->setObjectName("normalised");
  m_pNotNormalised = new QRadioButton(tr("Not Normalise&d"), styles);
  m_pNotNormalised->setObjectName("notNormalised");
  for (QRadioButton* style : {m_pNormalised, m_pNotNormalised}) {
    styleLayout->addWidget(style);
    connect(style, &QRadioButton::toggled, this, [this, style](bool bOn) {
      if (!bOn || IsShowing()) return;
      m_p.SetNormalised(style == m_pNormalised);
      ShowState();
    });
  }
  styleLayout->addStretch();
  choices->addWidget(styles);
  side->addLayout(choices);

  auto* tools = new QHBoxLayout;
  AddButton(tools, tr("&Restart"), "restart", [this] {
    m_p.Restart();
    ShowState();
  });
  AddButton(tools, tr("&Tool Bar"), "toolBar", [this] { m_pChart->ToggleToolBar(); });
  AddButton(tools, tr("Co&mments"), "comments", [this] { m_p.Comments(); });
  side->addLayout(tools);
  body->addLayout(side);
  layout->addLayout(body, 1);
  AddOkCancel(layout);

  ShowState();
  FitListToColumns(m_pList);
}

void CWeightScoringDialog::ShowState() {
  Showing([this] {
    m_pChart->ShowChart(WeightScoringChart(m_p));
    if (m_pList->topLevelItemCount() != m_p.Count()) {
      m_pList->clear();
      for (int i = 0; i < m_p.Count(); ++i) new QTreeWidgetItem(m_pList, {ToQt(m_p.Name(i)), {}});
    }
    for (int i = 0; i < m_p.Count(); ++i)
      m_pList->topLevelItem(i)->setText(1, ToQt(m_p.ScoreText(i)));
    m_pList->setCurrentItem(m_pList->topLevelItem(m_p.Selected()));
    m_pWeight->setText(ToQt(m_p.m_weight.Text()));
    m_scales[static_cast<size_t>(m_p.Scale())]->setChecked(true);
    (m_p.Normalised() ? m_pNormalised : m_pNotNormalised)->setChecked(true);
  });
}

void CWeightScoringDialog::ConfirmWeight() {
  const bool bStored = m_p.ConfirmWeight();
  ShowState();
  if (!bStored) FocusPresenterField();
}

void CWeightScoringDialog::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      focusWidget() == m_pWeight) {
    ConfirmWeight();
    return;
  }
  CDialogView::keyPressEvent(event);
}

}  // namespace zev
