#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/report_options_presenter.h"

class QCheckBox;
class QRadioButton;

namespace zev {

// "ZEV Dialog: Save Assessment Results or Attribute Hierarchy".
class CReportOptionsDialog : public CDialogView {
  Q_OBJECT

 public:
  CReportOptionsDialog(CReportOptionsPresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Content(int i) const { return m_pContent[i]; }
  QCheckBox* Item(int i) const { return m_pItem[i]; }

 protected:
  EDialogAction OnOk() override { return m_p.StartSaving(); }
  // "Stop Saving", Escape and the close box.
  EDialogAction OnCancel() override { return m_p.Close(); }

 private:
  void ShowItems();

  CReportOptionsPresenter& m_p;
  QRadioButton* m_pContent[2];
  QCheckBox* m_pItem[SReportOptions::kItems];
};

}  // namespace zev
