#pragma once

#include "app/dialogs/file_name_dialog.h"
#include "elicitation/read_data_presenter.h"

namespace zev {

// "ZEV Dialog: Read Data from Text File": the name of a text data file.
class CReadDataDialog : public CFileNameDialog {
  Q_OBJECT

 public:
  CReadDataDialog(CReadDataPresenter& presenter, QWidget* parent = nullptr);

 protected:
  EDialogAction OnOk() override { return m_p.Read(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CReadDataPresenter& m_p;
};

}  // namespace zev
