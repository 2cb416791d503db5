#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/convert_values_presenter.h"

class QLineEdit;
class QPlainTextEdit;

namespace zev {

// One page of "ZEV Dialog: Convert Child Attribute's Values to Its Father's
// Grades".
class CConvertValuesDialog : public CDialogView {
  Q_OBJECT

 public:
  CConvertValuesDialog(CConvertValuesPresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* Value(int row) const { return m_pValue[row]; }
  QPlainTextEdit* Comments() const { return m_pComments; }

 protected:
  EDialogAction OnOk() override { return m_p.Ok(); }
  // Cancel and the close box move values beyond the range to their bounds.
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CConvertValuesPresenter& m_p;
  QLineEdit* m_pValue[CConvertValuesPresenter::kPageRows];
  QPlainTextEdit* m_pComments;
};

}  // namespace zev
