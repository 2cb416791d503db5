#include "app/insertion_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CInsertionWindow::CInsertionWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "insertionWindow", kTitle), m_commands(commands) {
  m_pName = BoldLabel("", this, "attributeName");
  m_pChoices = new QButtonGroup(this);
  auto* box = new QGroupBox("Insert a new attribute", this);
  auto* grid = new QVBoxLayout(box);
  const char* labels[] = {"&Above the attribute", "On its &right (as its child)",
                          "&Below the attribute", "On its &left (as its father)"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(labels[i], box);
    m_pChoices->addButton(b, i);
    grid->addWidget(b);
  }
  m_pChoices->button(1)->setChecked(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* insert = new QPushButton("&Insert", this);
  insert->setDefault(true);
  connect(insert, &QPushButton::clicked, this, &CInsertionWindow::Insert);
  buttons->addWidget(insert);
  AddCloseButton(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Selected attribute:", this));
  layout->addWidget(m_pName);
  layout->addWidget(box);
  layout->addLayout(buttons);
  ShowCurrentAttribute();
}

void CInsertionWindow::OnDocumentChanged(CMADMDoc&, const SDocChange&) { ShowCurrentAttribute(); }

void CInsertionWindow::ShowCurrentAttribute() {
  const CMADMDoc& doc = m_commands.Doc();
  m_pName->setText(ToQt(doc.Attribute(doc.CurrentAttribute()).m_strName.View()));
}

void CInsertionWindow::SetChoice(int nChoice) {
  if (QAbstractButton* b = m_pChoices->button(nChoice)) b->setChecked(true);
}

int CInsertionWindow::Choice() const { return m_pChoices->checkedId(); }

void CInsertionWindow::Insert() {
  static const char* const kNames[] = {"Insert Attribute Above", "Insert Attribute Right",
                                       "Insert Attribute Below", "Insert Attribute Left"};
  const int choice = Choice();
  const char* name = choice >= 0 && choice < 4 ? kNames[choice] : "Insert Attribute";
  m_commands.RecordStep(name, [this, choice] { m_commands.Doc().InsertAttribute(choice); });
}

}  // namespace zev
