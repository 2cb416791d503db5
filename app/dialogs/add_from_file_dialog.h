#pragma once

#include "app/dialogs/file_name_dialog.h"
#include "elicitation/add_from_file_presenter.h"

namespace zev {

// The window of the three commands that add from another model file: the
// file's path, "&Browse" and "Add".
class CAddFromFileDialog : public CFileNameDialog {
  Q_OBJECT

 public:
  CAddFromFileDialog(CAddFromFilePresenter& presenter, QWidget* parent = nullptr);

 protected:
  EDialogAction OnOk() override { return m_p.Add(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CAddFromFilePresenter& m_p;
};

}  // namespace zev
