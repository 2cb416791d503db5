#include "app/dialogs/grade_meaning_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CGradeMeaningDialog::CGradeMeaningDialog(CGradeMeaningPresenter& presenter, QWidget* parent)
    : CDialogView(presenter, parent), m_p(presenter) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BoldLabel(m_p.AttributeName(), this, "attributeName"));
  layout->addWidget(new QLabel(ToQt(CGradeMeaningPresenter::LeadText()), this));
  layout->addWidget(BoldLabel(m_p.GradeName(), this, "gradeName"));
  layout->addWidget(new QLabel(ToQt(CGradeMeaningPresenter::TrailText()), this));
  m_pDefinition = new QPlainTextEdit(this);
  m_pDefinition->setObjectName("definition");
  Bind(m_pDefinition, m_p.m_strDefinition);
  layout->addWidget(m_pDefinition);
  AddEditButtons(layout, m_pDefinition);
  AddOkCancel(layout);
  m_pDefinition->setFocus();
}

}  // namespace zev
