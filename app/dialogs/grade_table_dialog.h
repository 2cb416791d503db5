#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/grade_table_presenter.h"

class QComboBox;
class QLineEdit;

namespace zev {

// One page of the grade table: per row "Grade n", the name and the utility.
class CGradeTableDialog : public CDialogView {
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

}  // namespace zev
