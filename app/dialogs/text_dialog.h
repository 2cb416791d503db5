#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/text_presenter.h"

class QPlainTextEdit;

namespace zev {

// A free-text window (descriptions, comments, evidence) with the editing
// buttons.
class CTextDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CTextDialog(CTextPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  CTextPresenter& m_p;
  QPlainTextEdit* m_pText;
};

}  // namespace zev
