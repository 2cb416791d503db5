#pragma once

#include <vector>

#include "app/dialogs/dialog_view.h"
#include "elicitation/data_entry_walk.h"

class QRadioButton;

namespace zev {

// "ZEV Dialog: Data Input Method": typing in, a text data file or another
// model file, "&Select" and "&Cancel".
class CDataInputMethodDialog : public CDialogView {
  Q_OBJECT

 public:
  CDataInputMethodDialog(CDataInputMethodPresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Method(int i) const { return m_methods[static_cast<size_t>(i)]; }

 protected:
  EDialogAction OnOk() override { return m_p.Select(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CDataInputMethodPresenter& m_p;
  std::vector<QRadioButton*> m_methods;
};

}  // namespace zev
