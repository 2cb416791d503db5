#include "analysis/trade_off_presenter.h"

#include "analysis/sensitivity_charts.h"

namespace zev {

CTradeOffPresenter::CTradeOffPresenter(const CMADMDoc& doc) : m_doc(doc), m_nX(OpeningX()) {
  Redraw();
}

int CTradeOffPresenter::OpeningX() const {
  const int k = m_doc.CurrentAttribute();
  return k == 0 && m_doc.LastAttribute() > 0 ? 1 : k;
}

void CTradeOffPresenter::FollowDocument(const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection) return;
  m_nX = FollowAttribute(change, m_nX);
  m_nY = FollowAttribute(change, m_nY);
  if (m_nX < 0) m_nX = OpeningX();
  if (m_nY < 0) m_nY = 0;
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
