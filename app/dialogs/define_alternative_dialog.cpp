#include "app/dialogs/define_alternative_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CDefineAlternativeDialog::CDefineAlternativeDialog(CDefineAlternativePresenter& presenter,
                                                   QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_pName = new QLineEdit(ToQt(m_p.m_strName), this);
  m_pName->setObjectName(CDefineAlternativePresenter::kFieldName);
  form->addRow(tr("Alternative &Name:"), m_pName);
  m_pDescription = new QPlainTextEdit(ToQt(m_p.m_strDescription), this);
  m_pDescription->setObjectName("description");
  m_pDescription->setTabChangesFocus(true);
  form->addRow(tr("&Description:"), m_pDescription);
  layout->addLayout(form);
  AddOkCancel(layout);
  m_pName->setFocus();
  m_pName->selectAll();
}

EDialogAction CDefineAlternativeDialog::OnOk() {
  m_p.m_strName = FromQt(m_pName->text());
  m_p.m_strDescription = FromQt(m_pDescription->toPlainText());
  return m_p.Ok();
}

}  // namespace zev
