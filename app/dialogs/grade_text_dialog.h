#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/grade_text_presenter.h"

class QListWidget;
class QPlainTextEdit;

namespace zev {

// The evidence or comments window beside the grades of a qualitative page.
class CGradeTextDialog : public CDialogView {
  Q_OBJECT

 public:
  CGradeTextDialog(CGradeTextPresenter& presenter, QWidget* parent = nullptr);
  QListWidget* Grades() const { return m_pGrades; }
  QPlainTextEdit* Text() const { return m_pText; }
  QPlainTextEdit* Definition() const { return m_pDefinition; }

 protected:
  EDialogAction OnOk() override { return EDialogAction::CloseOk; }

 private:
  CGradeTextPresenter& m_p;
  QListWidget* m_pGrades;
  QPlainTextEdit* m_pDefinition;
  QPlainTextEdit* m_pText;
};

}  // namespace zev
