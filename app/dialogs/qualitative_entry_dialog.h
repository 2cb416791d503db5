#pragma once

#include "app/dialogs/entry_dialog.h"
#include "elicitation/qualitative_entry_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace zev {

// One page of qualitative entry: grades, ticks and degrees.
class CQualitativeEntryDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CQualitativeEntryDialog(CQualitativeEntryPage& presenter, QWidget* parent = nullptr);
  QCheckBox* Tick(int nRow) const { return m_pTick[nRow]; }
  QComboBox* Degree(int nRow) const { return m_pDegree[nRow]; }
  QLineEdit* GradeName(int nRow) const { return m_pName[nRow]; }
  QPlainTextEdit* Definition() const { return m_pDefinition; }
  // Shows the presenter's rows again.
  void ShowRows();

 protected:
  EDialogAction OnOk() override;
  void ProvideEvidence() override;

 private:
  CQualitativeEntryPage& m_p;
  QLineEdit* m_pName[kEntryPageRows];
  QCheckBox* m_pTick[kEntryPageRows];
  QComboBox* m_pDegree[kEntryPageRows];
  QPlainTextEdit* m_pDefinition;
};

}  // namespace zev
