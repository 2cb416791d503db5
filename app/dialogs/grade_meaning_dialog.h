#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/grade_table_presenter.h"

class QPlainTextEdit;

namespace zev {

// The meaning of a grade: its definition in a sentence that names it.
class CGradeMeaningDialog : public CDialogView {
  Q_OBJECT

 public:
  CGradeMeaningDialog(CGradeMeaningPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override { return EDialogAction::CloseOk; }

 private:
  CGradeMeaningPresenter& m_p;
  QPlainTextEdit* m_pDefinition;
};

}  // namespace zev
