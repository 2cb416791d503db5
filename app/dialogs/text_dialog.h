#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/text_presenter.h"

class QPlainTextEdit;

namespace zev {

// A window that edits one free text.
class CTextDialog : public CDialogView {
  Q_OBJECT

 public:
  CTextDialog(CTextPresenter& presenter, QWidget* parent = nullptr);
  QPlainTextEdit* TextField() const { return m_pText; }

 protected:
  EDialogAction OnOk() override { return EDialogAction::CloseOk; }

 private:
  QPlainTextEdit* m_pText;
};

}  // namespace zev
