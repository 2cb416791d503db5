#pragma once

#include "app/dialogs/dialog_view.h"
#include "elicitation/define_attribute_presenter.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zev {

// "ZEV Dialog: Define An Attribute".
class CDefineAttributeDialog : public CDialogView {
  Q_OBJECT

 public:
  CDefineAttributeDialog(CDefineAttributePresenter& presenter, QWidget* parent = nullptr);

  QPlainTextEdit* NameField() const { return m_pName; }
  QRadioButton* QualitativeChoice() const { return m_pQualitative; }
  QRadioButton* QuantitativeChoice() const { return m_pQuantitative; }
  QCheckBox* UncertainBox() const { return m_pUncertain; }
  QLineEdit* BestField() const { return m_pBest; }
  QLineEdit* WorstField() const { return m_pWorst; }
  QLineEdit* UnitField() const { return m_pUnit; }
  QLineEdit* GradesField() const { return m_pGrades; }
  QCheckBox* AdvancedBox() const { return m_pAdvanced; }
  QRadioButton* RuleChoice() const { return m_pRule; }
  QRadioButton* UtilityChoice() const { return m_pUtility; }
  QPushButton* GradesNowYes() const { return m_pGradesYes; }
  QPushButton* GradesNowNo() const { return m_pGradesNo; }

  // The presenter's state shown: visibility and enabled controls.
  void ShowState();

 protected:
  EDialogAction OnOk() override;
  EDialogAction OnCancel() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the state the presenter's answer left, then carries it out.
  void Act(EDialogAction action);

  CDefineAttributePresenter& m_p;
  QPlainTextEdit* m_pName;
  QRadioButton* m_pQualitative;
  QRadioButton* m_pQuantitative;
  QCheckBox* m_pUncertain;
  QLineEdit* m_pBest;
  QLineEdit* m_pWorst;
  QLineEdit* m_pUnit;
  QLineEdit* m_pGrades;
  QCheckBox* m_pAdvanced;
  QRadioButton* m_pRule;
  QRadioButton* m_pUtility;
  QPushButton* m_pGradesYes;
  QPushButton* m_pGradesNo;
  QWidget* m_pQuantitativeBox;
  QWidget* m_pGradeBox;
  QWidget* m_pBasisBox;
};

}  // namespace zev
