#pragma once

#include "analysis/trade_off_presenter.h"
#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QComboBox;

namespace zev {

class CChartWidget;

// "Trade-Off Analysis": every alternative as a point over two attributes.
class CTradeOffWindow : public CToolWindow {
  Q_OBJECT

 public:
  CTradeOffWindow(CModelCommands& commands, QWidget* parent);

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  CTradeOffPresenter& Presenter() { return m_presenter; }
  QComboBox* XList() const { return m_pX; }
  QComboBox* YList() const { return m_pY; }
  CChartWidget* Chart() const { return m_pChart; }

 private:
  void ShowState();

  CModelCommands& m_commands;
  CTradeOffPresenter m_presenter;
  QComboBox* m_pX;
  QComboBox* m_pY;
  CChartWidget* m_pChart;
};

}  // namespace zev
