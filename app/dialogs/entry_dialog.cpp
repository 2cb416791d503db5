#include "app/dialogs/entry_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"

namespace zev {

CEntryDialog::CEntryDialog(CAssessmentDialog& presenter, QWidget* parent, const char* objectName)
    : CDialogView(presenter, parent, objectName), m_presenter(presenter) {}

void CEntryDialog::Assemble(QWidget* body, bool bEvidence) {
  auto* names = new QFormLayout;
  names->addRow("Alternative:", BoldLabel(m_presenter.AlternativeName(), this));
  names->addRow("Father attribute:", BoldLabel(m_presenter.FatherName(), this));
  names->addRow("Attribute:", BoldLabel(m_presenter.AttributeName(), this));

  auto* side = new QHBoxLayout;
  if (bEvidence) AddButton(side, "&Provide &Evidence", "evidence", [this] { ProvideEvidence(); });
  AddButton(side, "&Provide Comments", "comments", [this] { m_presenter.ProvideComments(); });
  AddButton(side, "Al&ternative Definition", "alternativeDefinition",
            [this] { m_presenter.AlternativeDefinition(); });
  AddButton(side, "&Attribute Definition", "attributeDefinition",
            [this] { m_presenter.AttributeDefinition(); });
  AddButton(side, "Ho&w to Assess", "howToAssess", [this] { m_presenter.HowToAssess(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addWidget(body);
  layout->addLayout(side);
  AddOkCancel(layout);
}

}  // namespace zev
