#include "analysis/trade_off_presenter.h"

#include "analysis/sensitivity_charts.h"

namespace zev {

CTradeOffPresenter::CTradeOffPresenter(const CMADMDoc& doc)
    : m_doc(doc), m_nX(doc.CurrentAttribute()) {
  if (m_nX == 0 && doc.LastAttribute() > 0) m_nX = 1;
  Redraw();
}

void CTradeOffPresenter::SetX(int k) {
  m_nX = k;
  Redraw();
}

void CTradeOffPresenter::SetY(int k) {
  m_nY = k;
  Redraw();
}

void CTradeOffPresenter::Redraw() {
  m_nX = Valid(m_nX);
  m_nY = Valid(m_nY);
  m_chart = TradeOffGraph(m_doc, m_nX, m_nY);
}

}  // namespace zev
