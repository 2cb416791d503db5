#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/grade_table_presenter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zev {

// One page of the grade table: per row "Grade n", the name and the utility.
class CGradeTableDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CGradeTableDialog(CGradeTablePresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  CGradeTablePresenter& m_p;
  QLineEdit* m_pNames[CGradeTablePresenter::kPageRows] = {};
  QComboBox* m_pUtilities[CGradeTablePresenter::kPageRows] = {};
};

// The meaning of a grade: its definition in a sentence that names it.
class CGradeMeaningDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CGradeMeaningDialog(CGradeMeaningPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  CGradeMeaningPresenter& m_p;
  QPlainTextEdit* m_pDefinition;
};

}  // namespace zev
