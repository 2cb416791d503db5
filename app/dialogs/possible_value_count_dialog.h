#pragma once

#include "app/dialogs/entry_dialog.h"
#include "elicitation/possible_value_count.h"

class QComboBox;

namespace zev {

// The number of possible values.
class CPossibleValueCountDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CPossibleValueCountDialog(CPossibleValueCount& presenter, QWidget* parent = nullptr);
  QComboBox* NumberField() const { return m_pNumber; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CPossibleValueCount& m_p;
  QComboBox* m_pNumber;
};

}  // namespace zev
