#include "app/dialogs/method_choice_dialog.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CMethodChoiceDialog::CMethodChoiceDialog(CMethodChoicePresenter& p, QWidget* parent)
    : CDialogView(p, parent), m_p(p) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  const std::vector<std::string>& choices = p.Choices();
  for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
    auto* choice = new QRadioButton(ToQt(choices[static_cast<size_t>(i)]), this);
    choice->setObjectName(QString("choice%1").arg(i));
    group->addButton(choice, i);
    layout->addWidget(choice);
    connect(choice, &QRadioButton::clicked, this, [this, i] { m_p.m_nChoice = i; });
    m_choices.push_back(choice);
  }
  if (p.m_nChoice >= 0 && p.m_nChoice < static_cast<int>(m_choices.size())) {
    m_choices[static_cast<size_t>(p.m_nChoice)]->setChecked(true);
  }
  AddOkCancel(layout, "&Select", "&Cancel");
}

}  // namespace zev
