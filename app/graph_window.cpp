#include "app/graph_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CGraphWindow::CGraphWindow(SGraphWindow graph, QWidget* parent)
    : CToolWindow(parent, "graphWindow", ToQt(GraphWindowTitle(graph.m_nWindow))),
      m_nWindow(graph.m_nWindow) {
  m_pChart = new CChartWidget(this);
  m_pChart->setObjectName("chart");
  m_pChart->ShowChart(graph.m_chart);

  auto* buttons = new QHBoxLayout;
  AddButton(buttons, tr("&Help"), "help", [this] { ShowGraphHelp(m_nWindow); });
  buttons->addStretch(1);
  AddCloseButton(buttons)->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pChart, 1);
  layout->addLayout(buttons);
  resize(680, 460);
}

}  // namespace zev
