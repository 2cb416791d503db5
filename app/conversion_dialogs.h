#pragma once

#include <QDialog>

#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zev {

// One page of "ZEV Dialog: Convert Child Grades to Father Grades".
class CConvertGradesDialog : public QDialog {
  Q_OBJECT

 public:
  CConvertGradesDialog(CConvertGradesPresenter& presenter, QWidget* parent = nullptr);
  QComboBox* Degree(int row) const { return m_pDegree[row]; }
  QPushButton* OkButton() const { return m_pOk; }

 private:
  void Ok();

  CConvertGradesPresenter& m_p;
  QComboBox* m_pDegree[CConvertGradesPresenter::kPageRows];
  QPushButton* m_pOk;
  int m_nRow = 0;
};

// One page of "ZEV Dialog: Convert Child Attribute's Values to Its Father's
// Grades".
class CConvertValuesDialog : public QDialog {
  Q_OBJECT

 public:
  CConvertValuesDialog(CConvertValuesPresenter& presenter, QWidget* parent = nullptr);
  ~CConvertValuesDialog() override;
  QLineEdit* Value(int row) const { return m_pValue[row]; }
  QPlainTextEdit* Comments() const { return m_pComments; }
  QPushButton* OkButton() const { return m_pOk; }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnFocusChanged(QWidget* old, QWidget* now);
  void Take();
  void Finish(EDialogAction action);

  CConvertValuesPresenter& m_p;
  QLineEdit* m_pValue[CConvertValuesPresenter::kPageRows];
  QPlainTextEdit* m_pComments;
  QPushButton* m_pOk;
  QPushButton* m_pCancel;
  bool m_bChecking = false;
};

}  // namespace zev
