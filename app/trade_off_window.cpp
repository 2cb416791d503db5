#include "app/trade_off_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CTradeOffWindow::CTradeOffWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "tradeOffWindow", ToQt(CTradeOffPresenter::kTitle)),
      m_commands(commands),
      m_presenter(commands.Doc()) {
  const int unit = fontMetrics().averageCharWidth();
  m_pX = new QComboBox(this);
  m_pX->setObjectName("xAttribute");
  m_pY = new QComboBox(this);
  m_pY->setObjectName("yAttribute");
  for (QComboBox* list : {m_pX, m_pY}) list->setMinimumContentsLength(24);
  // The list rows are the attribute indices.
  connect(m_pX, &QComboBox::activated, this, [this](int k) {
    m_presenter.SetX(k);
    ShowState();
  });
  connect(m_pY, &QComboBox::activated, this, [this](int k) {
    m_presenter.SetY(k);
    ShowState();
  });
  auto* form = new QFormLayout;
  form->addRow(ToQt(CTradeOffPresenter::kXLabel), m_pX);
  form->addRow(ToQt(CTradeOffPresenter::kYLabel), m_pY);

  m_pChart = new CChartWidget(this);
  m_pChart->setObjectName("chart");
  m_pChart->setMinimumSize(70 * unit, 24 * fontMetrics().height());

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  AddCloseButton(bottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_pChart, 1);
  layout->addLayout(bottom);
  ShowState();
}

void CTradeOffWindow::ShowState() {
  const CMADMDoc& doc = m_commands.Doc();
  for (QComboBox* list : {m_pX, m_pY}) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (int k = 0; k <= doc.LastAttribute(); ++k) {
      list->addItem(ToQt(doc.Attribute(k).m_strName.Str()));
    }
  }
  m_pX->setCurrentIndex(m_presenter.X());
  m_pY->setCurrentIndex(m_presenter.Y());
  m_pChart->ShowChart(m_presenter.Chart());
}

void CTradeOffWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  m_presenter.FollowDocument(change);
  ShowState();
}

}  // namespace zev
