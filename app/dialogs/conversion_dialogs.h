#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"

class QPlainTextEdit;

namespace zev {

// One page of "Convert &Grades": the degrees to which one child grade is
// equivalent to up to nine father grades.
class CConvertGradesDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CConvertGradesDialog(CConvertGradesPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CConvertGradesPresenter& m_p;
  // The father grade whose degree last had the focus.
  int m_nRow = 0;
};

// One page of "Convert &Values": the child values associated with up to
// nine father grades, and the comment on the conversion.
class CConvertValuesDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CConvertValuesDialog(CConvertValuesPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;
  EDialogAction OnCancel() override;

 private:
  CConvertValuesPresenter& m_p;
  QPlainTextEdit* m_pComments;
};

}  // namespace zev
