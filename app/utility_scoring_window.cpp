#include "app/utility_scoring_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/scoring_charts.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CUtilityScoringWindow::CUtilityScoringWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "utilityScoringWindow", ToQt(CUtilityScoringPresenter::Title()),
                  [this] { return m_presenter.FocusField(); }),
      m_commands(commands),
      m_presenter(commands.Doc(), commands.Doc().CurrentAttribute()) {
  using P = CUtilityScoringPresenter;
  auto* layout = new QVBoxLayout(this);
  m_pAttribute = BoldLabel(m_presenter.AttributeName(), this, "attributeName");
  layout->addWidget(m_pAttribute);
  auto* body = new QHBoxLayout;

  m_pChart = NewDragChart(this);
  connect(m_pChart, &CChartWidget::PointDragged, this, [this](int series, int point, double v) {
    // A refused value leaves the point where it was.
    Act([&] { return m_presenter.Drag(series, point, v); });
  });
  body->addWidget(m_pChart, 1);

  auto* side = new QVBoxLayout;
  m_pList =
      NewColumnList({tr("Grade Name"), tr("Grade Order"), tr("Grade Utility")}, "grades", this);
  connect(m_pList, &QTreeWidget::currentItemChanged, this, [this] {
    if (IsShowing()) return;
    m_presenter.Select(m_pList->indexOfTopLevelItem(m_pList->currentItem()));
    ShowState();
  });
  side->addWidget(m_pList, 1);

  auto* form = new QFormLayout;
  m_pUtility = new QLineEdit(this);
  m_pUtility->setObjectName(P::kFieldUtility);
  Bind(m_pUtility, m_presenter.m_utility);
  GuardField(m_pUtility, [this] {
    const bool bSet = m_presenter.ConfirmUtility();
    ShowState();
    return bSet;
  });
  form->addRow(tr("Edit Uti&lity"), m_pUtility);
  m_pOrder = new QLineEdit(this);
  m_pOrder->setObjectName(P::kFieldOrder);
  Bind(m_pOrder, m_presenter.m_strOrder);
  GuardField(m_pOrder, [this] {
    const bool bSet = m_presenter.ConfirmOrder();
    ShowState();
    return bSet;
  });
  form->addRow(tr("Edit &Order"), m_pOrder);
  m_pNumber = new QComboBox(this);
  m_pNumber->setObjectName("number");
  for (int n : P::NumberChoices()) m_pNumber->addItem(QString::number(n), n);
  connect(m_pNumber, &QComboBox::activated, this, [this](int index) {
    Write("Change Utility Number", [&] {
      m_presenter.ChooseNumber(m_pNumber->itemData(index).toInt());
      return true;
    });
  });
  form->addRow(tr("&Number:"), m_pNumber);
  side->addLayout(form);

  auto* tools = new QGridLayout;
  auto* row0 = new QHBoxLayout;
  m_pEditGrade = AddButton(row0, tr("&Edit Grade"), "editGrade", [this] {
    m_presenter.EditGrade();
    ShowState();
    (m_presenter.OrderEditing() ? static_cast<QWidget*>(m_pOrder) : m_pNumber)->setFocus();
  });
  QPushButton* update = AddButton(row0, tr("&Update"), "update", [this] {
    Write("Update Utilities", [&] { return m_presenter.Update(); });
  });
  AddButton(row0, tr("&Restart"), "restart", [this] {
    Act([&] {
      m_presenter.Restart();
      return true;
    });
  });
  auto* row1 = new QHBoxLayout;
  AddButton(row1, tr("&Comments"), "comments", [this] {
    Write("Change Attribute Description", [&] {
      m_presenter.Comments();
      return true;
    });
  });
  AddButton(row1, tr("&Tool Bar"), "toolBar", [this] { m_pChart->ToggleToolBar(); });
  tools->addLayout(row0, 0, 0);
  tools->addLayout(row1, 1, 0);
  side->addLayout(tools);
  // "&Update" checks the utility being typed itself.
  ExemptButtons({update});
  body->addLayout(side);
  layout->addLayout(body, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  AddCloseButton(buttons)->setText(tr("Clo&se"));
  layout->addLayout(buttons);
  ShowState();
  FitListToColumns(m_pList);
}

void CUtilityScoringWindow::Act(const std::function<bool()>& action) {
  m_bWriting = true;
  const bool bDone = action();
  m_bWriting = false;
  ShowState();
  if (!bDone) FocusPresenterField();
}

void CUtilityScoringWindow::Write(const char* step, const std::function<bool()>& action) {
  Act([&] {
    bool bDone = true;
    m_commands.RecordStep(step, [&] { bDone = action(); });
    return bDone;
  });
}

void CUtilityScoringWindow::ShowState() {
  Showing([this] {
    const CUtilityScoringPresenter& p = m_presenter;
    m_pAttribute->setText(ToQt(p.AttributeName()));
    m_pChart->ShowChart(UtilityScoringChart(p));
    if (m_pList->topLevelItemCount() != p.Count()) {
      m_pList->clear();
      for (int g = 0; g < p.Count(); ++g) new QTreeWidgetItem(m_pList);
    }
    for (int g = 0; g < p.Count(); ++g) {
      QTreeWidgetItem* item = m_pList->topLevelItem(g);
      item->setText(0, ToQt(p.GradeName(g)));
      item->setText(1, ToQt(p.OrderText(g)));
      item->setText(2, ToQt(p.UtilityText(g)));
    }
    m_pList->setCurrentItem(m_pList->topLevelItem(p.Selected()));
    m_pUtility->setText(ToQt(p.m_utility.Text()));
    m_pOrder->setText(ToQt(p.m_strOrder));
    m_pNumber->setCurrentIndex(m_pNumber->findData(p.Number()));
    m_pUtility->setEnabled(p.UtilityEnabled());
    m_pOrder->setEnabled(p.OrderEditing());
    m_pNumber->setEnabled(p.NumberEditing());
    m_pEditGrade->setEnabled(p.UtilityEnabled());
  });
}

void CUtilityScoringWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (m_bWriting) return;
  switch (change.m_kind) {
    case EDocChange::Attribute:
      if (change.m_nAttribute != m_presenter.Attribute()) return;
      break;
    // An undo or a redo may have changed anything.
    case EDocChange::Model:
    case EDocChange::Structure:
    case EDocChange::Loaded:
      break;
    default:
      return;
  }
  // The attribute was changed elsewhere: the window starts again from it,
  // or closes when the attribute is gone.
  if (!m_presenter.StillValid()) {
    close();
    return;
  }
  m_presenter.Reload();
  ShowState();
}

void CUtilityScoringWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (focusWidget() == m_pUtility) {
      Act([this] { return m_presenter.ConfirmUtility(); });
      return;
    }
    if (focusWidget() == m_pOrder) {
      Act([this] { return m_presenter.ConfirmOrder(); });
      return;
    }
  }
  CToolWindow::keyPressEvent(event);
}

}  // namespace zev
