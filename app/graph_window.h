#pragma once

#include "analysis/graphs.h"
#include "app/dialogs/tool_window.h"

namespace zev {

class CChartWidget;

// A graph window (belief degrees or utilities): one chart filling the
// window, "&Help" and "&Close". It is a snapshot of the results when the
// command drew it; any number may be open, and no registry holds them.
class CGraphWindow : public CToolWindow {
  Q_OBJECT

 public:
  CGraphWindow(SGraphWindow graph, QWidget* parent = nullptr);

  int WindowNumber() const { return m_nWindow; }
  CChartWidget* Chart() const { return m_pChart; }

 private:
  int m_nWindow;
  CChartWidget* m_pChart;
};

}  // namespace zev
