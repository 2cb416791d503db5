#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/certain_value_presenter.h"
#include "elicitation/possible_value_count_presenter.h"
#include "elicitation/uncertain_entry_presenter.h"

class QComboBox;
class QLineEdit;

namespace zev {

// The entry dialogs of quantitative attributes: one certain value, the
// number of possible values, and pages of possible values with degrees.

class CCertainValueDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CCertainValueDialog(CCertainValueEntry& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CCertainValueEntry& m_p;
};

class CPossibleValueCountDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CPossibleValueCountDialog(CPossibleValueCount& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CPossibleValueCount& m_p;
};

class CUncertainEntryDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CUncertainEntryDialog(CUncertainEntryPage& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CUncertainEntryPage& m_p;
};

}  // namespace zev
