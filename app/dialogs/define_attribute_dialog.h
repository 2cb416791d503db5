#pragma once

#include "app/dialogs/presenter_dialog.h"
#include "elicitation/define_attribute_presenter.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace zev {

// "ZEV Dialog: Define An Attribute": name and description, type, range and
// unit or number of grades, and the conversion basis behind "Advanced".
class CDefineAttributeDialog : public CPresenterDialog {
  Q_OBJECT

 public:
  CDefineAttributeDialog(CDefineAttributePresenter& presenter, QWidget* parent);

 protected:
  EDialogAction OnOk() override;
  // Enter in the name confirms the dialog, as in a one-line field; the name
  // still wraps over several lines.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows and enables the controls of the chosen type and basis.
  void Refresh();

  CDefineAttributePresenter& m_p;
  QPlainTextEdit* m_pName;
  QRadioButton* m_pQuantitative;
  QRadioButton* m_pQualitative;
  QCheckBox* m_pUncertain;
  QWidget* m_pRange;
  QWidget* m_pGradeControls;
  QLineEdit* m_pGrades;
  QCheckBox* m_pAdvanced;
  QWidget* m_pBasis;
  QRadioButton* m_pRule;
  QRadioButton* m_pUtility;
};

}  // namespace zev
