#include "app/dialogs/report_type_dialog.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zev {

CReportTypeDialog::CReportTypeDialog(CReportTypePresenter& p, QWidget* parent)
    : CDialogView(p, parent, "reportTypeDialog"), m_p(p) {
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
  AddOkCancel(layout, CReportTypePresenter::kSelectLabel, CReportTypePresenter::kCancelLabel);
}

}  // namespace zev
