#pragma once

#include "analysis/group_assessment_presenter.h"
#include "app/dialogs/dialog_view.h"

class QLineEdit;

namespace zev {

// The small window that names a new group alternative.
class CGroupNameDialog : public CDialogView {
  Q_OBJECT

 public:
  CGroupNameDialog(CGroupNamePresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* NameField() const { return m_pName; }

 protected:
  EDialogAction OnOk() override { return EDialogAction::CloseOk; }

 private:
  QLineEdit* m_pName;
};

}  // namespace zev
