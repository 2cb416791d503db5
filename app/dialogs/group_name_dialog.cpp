#include "app/dialogs/group_name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CGroupNameDialog::CGroupNameDialog(CGroupNamePresenter& p, QWidget* parent)
    : CDialogView(p, parent, "groupNameDialog") {
  m_pName = new QLineEdit(this);
  m_pName->setObjectName("name");
  Bind(m_pName, p.m_strName);
  auto* prompt = new QLabel(ToQt(CGroupNamePresenter::kPrompt), this);
  prompt->setBuddy(m_pName);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(m_pName);
  AddOkCancel(layout);
  setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

}  // namespace zev
