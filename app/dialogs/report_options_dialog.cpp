#include "app/dialogs/report_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zev {

CReportOptionsDialog::CReportOptionsDialog(CReportOptionsPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "reportOptionsDialog"), m_p(p) {
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
  AddOkCancel(layout, CReportOptionsPresenter::kStartLabel, CReportOptionsPresenter::kStopLabel);
  ShowItems();
}

void CReportOptionsDialog::ShowItems() {
  m_pContent[m_p.m_options.m_nContent == 1 ? 1 : 0]->setChecked(true);
  for (int i = 0; i < SReportOptions::kItems; ++i) {
    m_pItem[i]->setChecked(m_p.m_options.Item(i));
    m_pItem[i]->setEnabled(m_p.ItemsEnabled());
  }
}

}  // namespace zev
