#pragma once

#include "app/dialogs/entry_dialog.h"
#include "elicitation/certain_value_entry.h"

class QLineEdit;

namespace zev {

// Certain-value entry: one value between best and worst.
class CCertainValueDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CCertainValueDialog(CCertainValueEntry& presenter, QWidget* parent = nullptr);
  QLineEdit* ValueField() const { return m_pValue; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CCertainValueEntry& m_p;
  QLineEdit* m_pValue;
};

}  // namespace zev
