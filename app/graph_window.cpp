#include "app/graph_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

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
  // Tall enough for a legend of 20 alternatives down the side.
  const int legendHeight = (fontMetrics().height() + 6) * graph.m_chart.SeriesCount() + 160;
  resize(fontMetrics().averageCharWidth() * 114,
         std::max(fontMetrics().height() * 34, legendHeight));
}

}  // namespace zev
