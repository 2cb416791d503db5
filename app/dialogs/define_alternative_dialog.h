#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/define_alternative_presenter.h"

class QLineEdit;
class QPlainTextEdit;

namespace zev {

// "ZEV Dialog: Define An Alternative".
class CDefineAlternativeDialog : public CDialogView {
  Q_OBJECT

 public:
  CDefineAlternativeDialog(CDefineAlternativePresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* NameField() const { return m_pName; }
  QPlainTextEdit* DescriptionField() const { return m_pDescription; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }

 private:
  CDefineAlternativePresenter& m_p;
  QLineEdit* m_pName;
  QPlainTextEdit* m_pDescription;
};

}  // namespace zev
