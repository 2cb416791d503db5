#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/convert_grades_presenter.h"

class QComboBox;

namespace zev {

// One page of "ZEV Dialog: Convert Child Grades to Father Grades".
class CConvertGradesDialog : public CDialogView {
  Q_OBJECT

 public:
  CConvertGradesDialog(CConvertGradesPresenter& presenter, QWidget* parent = nullptr);
  QComboBox* Degree(int row) const { return m_pDegree[row]; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CConvertGradesPresenter& m_p;
  QComboBox* m_pDegree[CConvertGradesPresenter::kPageRows];
};

}  // namespace zev
