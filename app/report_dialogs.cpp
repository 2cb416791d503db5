#include "app/report_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/model_dialogs.h"
#include "app/qt_text.h"

namespace zev {

namespace {

QHBoxLayout* Buttons(QDialog* dialog, const char* ok, const char* cancel, QPushButton** pOk,
                     QPushButton** pCancel) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  *pOk = new QPushButton(ok, dialog);
  (*pOk)->setDefault(true);
  *pCancel = new QPushButton(cancel, dialog);
  row->addWidget(*pOk);
  row->addWidget(*pCancel);
  return row;
}

}  // namespace

CReportTypeDialog::CReportTypeDialog(CReportTypePresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setObjectName("reportTypeDialog");
  setWindowTitle(ToQt(p.Title()));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < CReportTypePresenter::kChoices; ++i) {
    m_pChoice[i] = new QRadioButton(CReportTypePresenter::ChoiceLabel(i), this);
    m_pChoice[i]->setEnabled(CReportTypePresenter::ChoiceEnabled(i));
    group->addButton(m_pChoice[i], i);
    layout->addWidget(m_pChoice[i]);
    connect(m_pChoice[i], &QRadioButton::clicked, this, [this, i] { m_p.Choose(i); });
  }
  m_pChoice[p.Choice()]->setChecked(true);
  QPushButton* select = nullptr;
  QPushButton* cancel = nullptr;
  layout->addLayout(Buttons(this, CReportTypePresenter::kSelectLabel,
                            CReportTypePresenter::kCancelLabel, &select, &cancel));
  connect(select, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.Select(), nullptr); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.Cancel(), nullptr); });
}

CReportOptionsDialog::CReportOptionsDialog(CReportOptionsPresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setObjectName("reportOptionsDialog");
  setWindowTitle(ToQt(p.Title()));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  const char* contents[] = {CReportOptionsPresenter::kContentResults,
                            CReportOptionsPresenter::kContentHierarchy};
  for (int i = 0; i < 2; ++i) {
    m_pContent[i] = new QRadioButton(contents[i], this);
    group->addButton(m_pContent[i], i);
    layout->addWidget(m_pContent[i]);
    connect(m_pContent[i], &QRadioButton::clicked, this, [this, i] {
      m_p.ChooseContent(i);
      ShowItems();
    });
  }
  for (int i = 0; i < SReportOptions::kItems; ++i) {
    m_pItem[i] = new QCheckBox(ReportItemLabel(i), this);
    layout->addWidget(m_pItem[i]);
    connect(m_pItem[i], &QCheckBox::clicked, this, [this, i](bool b) {
      m_p.SetItem(i, b);
      ShowItems();
    });
  }
  QPushButton* start = nullptr;
  QPushButton* stop = nullptr;
  layout->addLayout(Buttons(this, CReportOptionsPresenter::kStartLabel,
                            CReportOptionsPresenter::kStopLabel, &start, &stop));
  connect(start, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.StartSaving(), nullptr); });
  connect(stop, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.StopSaving(), nullptr); });
  ShowItems();
}

void CReportOptionsDialog::ShowItems() {
  m_pContent[m_p.m_options.m_nContent == 1 ? 1 : 0]->setChecked(true);
  for (int i = 0; i < SReportOptions::kItems; ++i) {
    m_pItem[i]->setChecked(m_p.m_options.Item(i));
    m_pItem[i]->setEnabled(m_p.ItemsEnabled());
  }
}

void CReportOptionsDialog::reject() { ApplyDialogAction(*this, m_p.Close(), nullptr); }

CReadDataDialog::CReadDataDialog(CReadDataPresenter& p, QWidget* parent) : QDialog(parent), m_p(p) {
  setObjectName("readDataDialog");
  setWindowTitle(ToQt(p.Title()));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(CReadDataPresenter::kPrompt, this);
  prompt->setWordWrap(true);
  layout->addWidget(prompt);
  auto* row = new QHBoxLayout;
  m_pFileName = new QLineEdit(PathToQt(p.m_strFileName), this);
  m_pFileName->setObjectName("fileName");
  auto* browse = new QPushButton(CReadDataPresenter::kBrowseLabel, this);
  browse->setAutoDefault(false);
  row->addWidget(m_pFileName, 1);
  row->addWidget(browse);
  layout->addLayout(row);
  QPushButton* read = nullptr;
  QPushButton* cancel = nullptr;
  layout->addLayout(Buttons(this, CReadDataPresenter::kReadLabel, CReadDataPresenter::kCancelLabel,
                            &read, &cancel));
  connect(m_pFileName, &QLineEdit::textChanged, this,
          [this](const QString& t) { m_p.m_strFileName = PathFromQt(t); });
  connect(browse, &QPushButton::clicked, this, [this] {
    m_p.Browse();
    m_pFileName->setText(PathToQt(m_p.m_strFileName));
  });
  connect(read, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.Read(), nullptr); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { ApplyDialogAction(*this, m_p.Cancel(), nullptr); });
  resize(460, sizeHint().height());
}

}  // namespace zev
