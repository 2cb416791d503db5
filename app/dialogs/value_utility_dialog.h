#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/value_utility_presenter.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zev {

// The value/utility table of a quantitative attribute.
class CValueUtilityDialog : public CDialogView {
  Q_OBJECT

 public:
  CValueUtilityDialog(CValueUtilityPresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;

 private:
  // Shows the presenter's rows; the rows beyond the number are hidden.
  void LoadRows();

  static constexpr int kRows = CValueUtilityPresenter::kMaxRows;
  CValueUtilityPresenter& m_p;
  QComboBox* m_pNumber;
  QLabel* m_pRowLabels[kRows] = {};
  QLineEdit* m_pValues[kRows] = {};
  QComboBox* m_pUtilities[kRows] = {};
};

}  // namespace zev
