#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/define_alternative_presenter.h"

class QLineEdit;
class QPlainTextEdit;

namespace zev {

// "ZEV Dialog: Define An Alternative": the name and the description.
class CDefineAlternativeDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CDefineAlternativeDialog(CDefineAlternativePresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  CDefineAlternativePresenter& m_p;
  QLineEdit* m_pName;
  QPlainTextEdit* m_pDescription;
};

}  // namespace zev
