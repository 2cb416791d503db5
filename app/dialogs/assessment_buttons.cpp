#include "app/dialogs/assessment_buttons.h"

#include <QBoxLayout>
#include <QPushButton>

#include "elicitation/assessment_dialog.h"

namespace zev {

namespace {

QPushButton* AddButton(QWidget* dialog, QBoxLayout* row, const char* text, const char* name,
                       std::function<void()> action) {
  auto* button = new QPushButton(QObject::tr(text), dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, dialog, std::move(action));
  row->addWidget(button);
  return button;
}

}  // namespace

void AddAssessmentButtons(QWidget* dialog, QBoxLayout* layout, CAssessmentDialog& p,
                          std::function<void()> provideEvidence) {
  auto* row = new QHBoxLayout;
  AddButton(dialog, row, "&Provide Comments", "comments", [&p] { p.ProvideComments(); });
  if (provideEvidence) {
    AddButton(dialog, row, "&Provide &Evidence", "evidence", std::move(provideEvidence));
  }
  AddButton(dialog, row, "Al&ternative Definition", "alternativeDefinition",
            [&p] { p.AlternativeDefinition(); });
  AddButton(dialog, row, "&Attribute Definition", "attributeDefinition",
            [&p] { p.AttributeDefinition(); });
  AddButton(dialog, row, "Ho&w to Assess", "howToAssess", [&p] { p.HowToAssess(); });
  row->addStretch();
  layout->addLayout(row);
}

}  // namespace zev
