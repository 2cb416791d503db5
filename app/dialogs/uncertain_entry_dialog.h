#pragma once

#include "app/dialogs/entry_dialog.h"
#include "elicitation/uncertain_entry_page.h"

class QComboBox;
class QLineEdit;

namespace zev {

// One page of uncertain entry: possible values and their degrees.
class CUncertainEntryDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CUncertainEntryDialog(CUncertainEntryPage& presenter, QWidget* parent = nullptr);
  QLineEdit* Value(int nRow) const { return m_pValue[nRow]; }
  QComboBox* Degree(int nRow) const { return m_pDegree[nRow]; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }

 private:
  CUncertainEntryPage& m_p;
  QLineEdit* m_pValue[kEntryPageRows];
  QComboBox* m_pDegree[kEntryPageRows];
};

}  // namespace zev
