#include "app/dialogs/insert_attributes_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CInsertAttributesWindow::CInsertAttributesWindow(CMADMDoc& doc, QWidget* parent)
    : QDialog(parent), m_p(doc) {
  setObjectName("InsertAttributes");
  setWindowTitle(ToQt(CInsertAttributesPresenter::Title()));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* currentRow = new QHBoxLayout;
  currentRow->addWidget(new QLabel(tr("Current Attribute:"), this));
  m_pCurrent = new QLabel(this);
  m_pCurrent->setObjectName("currentAttribute");
  QFont bold = m_pCurrent->font();
  bold.setBold(true);
  m_pCurrent->setFont(bold);
  currentRow->addWidget(m_pCurrent);
  currentRow->addStretch();
  layout->addLayout(currentRow);

  auto* choices = new QGroupBox(tr("Insert a new attribute"), this);
  auto* choiceLayout = new QVBoxLayout(choices);
  // In the order of the document's insertion choices 0 to 3.
  const char* const texts[] = {"Insert &Above", "Insert &Right", "Insert &Below", "Insert &Left"};
  const char* const names[] = {"above", "right", "below", "left"};
  for (int i = 0; i < 4; ++i) {
    m_pChoices[i] = new QRadioButton(tr(texts[i]), choices);
    m_pChoices[i]->setObjectName(names[i]);
    choiceLayout->addWidget(m_pChoices[i]);
    connect(m_pChoices[i], &QRadioButton::toggled, this, [this, i](bool b) {
      if (b) m_p.m_nChoice = i;
    });
  }
  m_pChoices[m_p.m_nChoice]->setChecked(true);
  layout->addWidget(choices);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* insert = new QPushButton(tr("&Insert"), this);
  insert->setObjectName("insert");
  insert->setDefault(true);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("close");
  buttons->addWidget(insert);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(insert, &QPushButton::clicked, this, [this] {
    m_p.Insert();
    ShowCurrentAttribute();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  ShowCurrentAttribute();
}

void CInsertAttributesWindow::ShowCurrentAttribute() {
  m_pCurrent->setText(ToQt(m_p.CurrentAttributeName()));
}

}  // namespace zev
