#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/read_data_presenter.h"

class QLineEdit;

namespace zev {

// "ZEV Dialog: Read Data from Text File": the name of a text data file.
class CReadDataDialog : public CDialogView {
  Q_OBJECT

 public:
  CReadDataDialog(CReadDataPresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* FileName() const { return m_pFileName; }

 protected:
  EDialogAction OnOk() override { return m_p.Read(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CReadDataPresenter& m_p;
  QLineEdit* m_pFileName;
};

}  // namespace zev
