#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/report_type_presenter.h"

class QRadioButton;

namespace zev {

// "ZEV Dialog: Output Text File Selection Window": which report to save.
class CReportTypeDialog : public CDialogView {
  Q_OBJECT

 public:
  CReportTypeDialog(CReportTypePresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Choice(int i) const { return m_pChoice[i]; }

 protected:
  EDialogAction OnOk() override { return m_p.Select(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CReportTypePresenter& m_p;
  QRadioButton* m_pChoice[CReportTypePresenter::kChoices];
};

}  // namespace zev
