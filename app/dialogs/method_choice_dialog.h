#pragma once

#include <vector>

#include "app/dialogs/dialog_view.h"
#include "elicitation/method_choice_presenter.h"

class QRadioButton;

namespace zev {

// The choice of a method (for assigning weights, for estimating utilities):
// one button per method, "&Select" and "&Cancel".
class CMethodChoiceDialog : public CDialogView {
  Q_OBJECT

 public:
  CMethodChoiceDialog(CMethodChoicePresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Choice(int i) const { return m_choices[static_cast<size_t>(i)]; }

 protected:
  EDialogAction OnOk() override { return m_p.Select(); }
  EDialogAction OnCancel() override { return m_p.Cancel(); }

 private:
  CMethodChoicePresenter& m_p;
  std::vector<QRadioButton*> m_choices;
};

}  // namespace zev
