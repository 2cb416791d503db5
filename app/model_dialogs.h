#pragma once

#include <QDialog>

#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/text_presenter.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zev {

// A label that shows a text of the model as it is (never as markup).
QLabel* PlainLabel(const QString& text, QWidget* parent);

// Closes a dialog the way a presenter's action says; after a refusal the
// focus goes to the widget of the presenter's focus field.
void ApplyDialogAction(QDialog& dialog, EDialogAction action, QWidget* focus);

// "ZEV Dialog: Define An Attribute".
class CDefineAttributeDialog : public QDialog {
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
  QPushButton* OkButton() const { return m_pOk; }

  // The presenter's state shown: visibility and enabled controls.
  void ShowState();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Take();
  void Act(EDialogAction action);
  QWidget* FocusWidget() const;

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
  QPushButton* m_pOk;
  QWidget* m_pQuantitativeBox;
  QWidget* m_pGradeBox;
  QWidget* m_pBasisBox;
  bool m_bLoading = false;
};

// "ZEV Dialog: Define An Alternative".
class CDefineAlternativeDialog : public QDialog {
  Q_OBJECT

 public:
  CDefineAlternativeDialog(CDefineAlternativePresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* NameField() const { return m_pName; }
  QPlainTextEdit* DescriptionField() const { return m_pDescription; }
  void accept() override;

 private:
  CDefineAlternativePresenter& m_p;
  QLineEdit* m_pName;
  QPlainTextEdit* m_pDescription;
};

// A window that edits one free text.
class CTextDialog : public QDialog {
  Q_OBJECT

 public:
  CTextDialog(CTextPresenter& presenter, QWidget* parent = nullptr);
  QPlainTextEdit* TextField() const { return m_pText; }
  void accept() override;

 private:
  CTextPresenter& m_p;
  QPlainTextEdit* m_pText;
};

}  // namespace zev
