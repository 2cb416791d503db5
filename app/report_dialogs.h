#pragma once

#include <QDialog>

#include "elicitation/read_data_presenter.h"
#include "io/report_commands.h"
#include "io/report_options.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zev {

// "ZEV Dialog: Output Text File Selection Window": which report to save.
class CReportTypeDialog : public QDialog {
  Q_OBJECT

 public:
  CReportTypeDialog(CReportTypePresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Choice(int i) const { return m_pChoice[i]; }

 private:
  CReportTypePresenter& m_p;
  QRadioButton* m_pChoice[CReportTypePresenter::kChoices];
};

// "ZEV Dialog: Save Assessment Results or Attribute Hierarchy".
class CReportOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  CReportOptionsDialog(CReportOptionsPresenter& presenter, QWidget* parent = nullptr);
  QRadioButton* Content(int i) const { return m_pContent[i]; }
  QCheckBox* Item(int i) const { return m_pItem[i]; }
  void reject() override;

 private:
  void ShowItems();

  CReportOptionsPresenter& m_p;
  QRadioButton* m_pContent[2];
  QCheckBox* m_pItem[SReportOptions::kItems];
};

// "ZEV Dialog: Read Data from Text File": the name of a text data file.
class CReadDataDialog : public QDialog {
  Q_OBJECT

 public:
  CReadDataDialog(CReadDataPresenter& presenter, QWidget* parent = nullptr);
  QLineEdit* FileName() const { return m_pFileName; }

 private:
  CReadDataPresenter& m_p;
  QLineEdit* m_pFileName;
};

}  // namespace zev
