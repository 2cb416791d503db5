#include "app/dialogs/text_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CTextDialog::CTextDialog(CTextPresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(ToQt(m_p.Prompt()), this);
  prompt->setObjectName("prompt");
  prompt->setWordWrap(true);
  prompt->setVisible(!m_p.Prompt().empty());
  layout->addWidget(prompt);
  m_pText = new QPlainTextEdit(ToQt(m_p.m_strText), this);
  m_pText->setObjectName("text");
  layout->addWidget(m_pText);
  AddEditButtons(layout, m_pText);
  AddOkCancel(layout);
  m_pText->setFocus();
  resize(420, 300);
}

EDialogAction CTextDialog::OnOk() {
  m_p.m_strText = FromQt(m_pText->toPlainText());
  return EDialogAction::CloseOk;
}

}  // namespace zev
