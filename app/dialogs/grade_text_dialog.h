#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/grade_text_presenter.h"

class QListWidget;
class QPlainTextEdit;

namespace zev {

// The evidence and comments windows of qualitative entry: the text beside
// the page's grades, whose definitions show when picked; the comments
// window also shows the evidence, read only.
class CGradeTextDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CGradeTextDialog(CGradeTextPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  CGradeTextPresenter& m_p;
  QPlainTextEdit* m_pText;
};

}  // namespace zev
