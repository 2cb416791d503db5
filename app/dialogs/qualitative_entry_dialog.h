#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/qualitative_entry_presenter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace zev {

// One page of qualitative entry: per grade its name, a tick box and a
// belief-degree field, and the definition of the selected grade.
class CQualitativeEntryDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CQualitativeEntryDialog(CQualitativeEntryPage& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  // Shows the presenter's ticks, degrees and selected definition.
  void Load();

  static constexpr int kRows = kEntryPageRows;
  CQualitativeEntryPage& m_p;
  QLineEdit* m_pNames[kRows] = {};
  QCheckBox* m_pTicks[kRows] = {};
  QComboBox* m_pDegrees[kRows] = {};
  QPlainTextEdit* m_pDefinition;
  bool m_bLoading = false;
};

}  // namespace zev
