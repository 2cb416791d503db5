#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "elicitation/assessment_dialog.h"
#include "elicitation/certain_value_presenter.h"
#include "elicitation/grade_text_presenter.h"
#include "elicitation/possible_value_count_presenter.h"
#include "elicitation/qualitative_entry_presenter.h"
#include "elicitation/uncertain_entry_presenter.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace zev {

// What the assessment entry dialogs share: the names at the top, the buttons
// for comments, descriptions and help, OK and Cancel, and the focus that a
// refusal sends back to a field.
class CEntryDialog : public QDialog {
  Q_OBJECT

 public:
  CEntryDialog(CAssessmentDialog& presenter, QWidget* parent);
  ~CEntryDialog() override;
  QPushButton* OkButton() const { return m_pOk; }
  // The widget the presenter names as its focus field (nullptr if none).
  QWidget* FieldWidget(const std::string& field) const;
  void reject() override;

 protected:
  // Builds the layout around the dialog's own part.
  void Assemble(QWidget* body, bool bEvidence);
  void AddField(const std::string& name, QWidget* widget);
  void Act(EDialogAction action);
  // A field left for another control of the dialog (not OK, not Cancel);
  // false when the presenter refused it.
  virtual bool FieldLeft(QWidget*) { return true; }
  virtual void ProvideEvidence() {}
  virtual EDialogAction Confirm() = 0;
  virtual EDialogAction Abandon() { return EDialogAction::CloseCancel; }
  void FocusPresenterField();

 private:
  void OnFocusChanged(QWidget* old, QWidget* now);

  CAssessmentDialog& m_presenter;
  std::map<std::string, QWidget*> m_fields;
  QPushButton* m_pOk = nullptr;
  QPushButton* m_pCancel = nullptr;
  bool m_bChecking = false;
  bool m_bClosing = false;
};

// One page of qualitative entry: grades, ticks and degrees.
class CQualitativeEntryDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CQualitativeEntryDialog(CQualitativeEntryPage& presenter, QWidget* parent = nullptr);
  QCheckBox* Tick(int nRow) const { return m_pTick[nRow]; }
  QComboBox* Degree(int nRow) const { return m_pDegree[nRow]; }
  QLineEdit* GradeName(int nRow) const { return m_pName[nRow]; }
  QPlainTextEdit* Definition() const { return m_pDefinition; }
  // Shows the presenter's rows again.
  void ShowRows();

 protected:
  EDialogAction Confirm() override;
  void ProvideEvidence() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CQualitativeEntryPage& m_p;
  QLineEdit* m_pName[kEntryPageRows];
  QCheckBox* m_pTick[kEntryPageRows];
  QComboBox* m_pDegree[kEntryPageRows];
  QPlainTextEdit* m_pDefinition;
  bool m_bShowing = false;
};

// Certain-value entry: one value between best and worst.
class CCertainValueDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CCertainValueDialog(CCertainValueEntry& presenter, QWidget* parent = nullptr);
  QLineEdit* ValueField() const { return m_pValue; }

 protected:
  EDialogAction Confirm() override;
  EDialogAction Abandon() override;
  bool FieldLeft(QWidget* field) override;

 private:
  CCertainValueEntry& m_p;
  QLineEdit* m_pValue;
};

// The number of possible values.
class CPossibleValueCountDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CPossibleValueCountDialog(CPossibleValueCount& presenter, QWidget* parent = nullptr);
  QComboBox* NumberField() const { return m_pNumber; }

 protected:
  EDialogAction Confirm() override;
  EDialogAction Abandon() override;
  bool FieldLeft(QWidget* field) override;

 private:
  CPossibleValueCount& m_p;
  QComboBox* m_pNumber;
};

// One page of uncertain entry: possible values and their degrees.
class CUncertainEntryDialog : public CEntryDialog {
  Q_OBJECT

 public:
  CUncertainEntryDialog(CUncertainEntryPage& presenter, QWidget* parent = nullptr);
  QLineEdit* Value(int nRow) const { return m_pValue[nRow]; }
  QComboBox* Degree(int nRow) const { return m_pDegree[nRow]; }

 protected:
  EDialogAction Confirm() override;

 private:
  CUncertainEntryPage& m_p;
  QLineEdit* m_pValue[kEntryPageRows];
  QComboBox* m_pDegree[kEntryPageRows];
};

// The evidence or comments window beside the grades of a qualitative page.
class CGradeTextDialog : public QDialog {
  Q_OBJECT

 public:
  CGradeTextDialog(CGradeTextPresenter& presenter, QWidget* parent = nullptr);
  QListWidget* Grades() const { return m_pGrades; }
  QPlainTextEdit* Text() const { return m_pText; }
  QPlainTextEdit* Definition() const { return m_pDefinition; }
  void accept() override;

 private:
  CGradeTextPresenter& m_p;
  QListWidget* m_pGrades;
  QPlainTextEdit* m_pDefinition;
  QPlainTextEdit* m_pText;
};

}  // namespace zev
