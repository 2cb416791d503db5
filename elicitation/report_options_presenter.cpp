#include "elicitation/report_options_presenter.h"

namespace zev {

void CReportOptionsPresenter::ChooseContent(int nContent) {
  m_options.m_nContent = nContent == 1 ? 1 : 0;
  if (m_options.m_nContent == 0) {
    m_options.SetItemDefaults();
  } else {
    m_options.ClearItems();
  }
}

void CReportOptionsPresenter::SetItem(int i, bool bChecked) {
  if (!ItemsEnabled() || i < 0 || i >= SReportOptions::kItems) return;
  m_options.Item(i) = bChecked;
}

EDialogAction CReportOptionsPresenter::StartSaving() {
  m_options.m_bAccepted = true;
  return EDialogAction::CloseOk;
}

EDialogAction CReportOptionsPresenter::StopSaving() {
  m_options.m_bAccepted = false;
  return EDialogAction::CloseCancel;
}

}  // namespace zev
