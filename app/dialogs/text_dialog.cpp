#include "app/dialogs/text_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CTextDialog::CTextDialog(CTextPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "textDialog") {
  m_pText = new QPlainTextEdit(this);
  m_pText->setObjectName("text");
  Bind(m_pText, p.m_strText);
  auto* layout = new QVBoxLayout(this);
  if (!p.Prompt().empty()) {
    auto* prompt = new QLabel(ToQt(p.Prompt()), this);
    prompt->setObjectName("prompt");
    layout->addWidget(prompt);
  }
  layout->addWidget(m_pText);
  AddEditButtons(layout, m_pText);
  AddOkCancel(layout);
  resize(420, 260);
}

}  // namespace zev
