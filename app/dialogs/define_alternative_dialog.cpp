#include "app/dialogs/define_alternative_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zev {

CDefineAlternativeDialog::CDefineAlternativeDialog(CDefineAlternativePresenter& p, QWidget* parent)
    : CDialogView(p, parent, "defineAlternativeDialog"), m_p(p) {
  m_pName = new QLineEdit(this);
  m_pName->setObjectName(CDefineAlternativePresenter::kFieldName);
  m_pDescription = new QPlainTextEdit(this);
  m_pDescription->setObjectName("description");
  Bind(m_pName, p.m_strName);
  Bind(m_pDescription, p.m_strDescription);
  auto* form = new QFormLayout;
  form->addRow("Alternative &name:", m_pName);
  form->addRow("&Description:", m_pDescription);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddOkCancel(layout);
}

}  // namespace zev
