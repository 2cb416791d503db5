#include "app/dialogs/qualitative_entry_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CQualitativeEntryDialog::CQualitativeEntryDialog(CQualitativeEntryPage& p, QWidget* parent)
    : CEntryDialog(p, parent, "qualitativeEntryDialog"), m_p(p) {
  const auto choices = CQualitativeEntryPage::DegreeChoices();
  const std::vector<std::string> degrees(choices.begin(), choices.end());
  auto* body = new QWidget(this);
  auto* grid = new QGridLayout(body);
  grid->addWidget(new QLabel("Grade", body), 0, 0);
  grid->addWidget(new QLabel("Belief degree", body), 0, 2);
  for (int r = 0; r < kEntryPageRows; ++r) {
    m_pName[r] = new QLineEdit(body);
    m_pName[r]->setReadOnly(true);
    m_pName[r]->setObjectName(QString::fromStdString(CQualitativeEntryPage::NameField(r)));
    m_pTick[r] = new QCheckBox(body);
    m_pTick[r]->setObjectName(QString("tick%1").arg(r));
    m_pDegree[r] = NewChoiceCombo(degrees, body);
    m_pDegree[r]->setObjectName(QString::fromStdString(CQualitativeEntryPage::DegreeField(r)));
    grid->addWidget(m_pName[r], r + 1, 0);
    grid->addWidget(m_pTick[r], r + 1, 1);
    grid->addWidget(m_pDegree[r], r + 1, 2);
    connect(m_pTick[r], &QCheckBox::clicked, this, [this, r] {
      m_p.ToggleTick(r);
      ShowRows();
    });
    Bind(m_pDegree[r], QString(), [this, r](const QString& t) { m_p.SetDegreeText(r, FromQt(t)); });
    // Focus on a grade shows its definition.
    for (QWidget* field :
         {static_cast<QWidget*>(m_pName[r]), static_cast<QWidget*>(m_pDegree[r])}) {
      OnFieldFocus(field, [this, r] {
        m_p.SelectGrade(r);
        m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
      });
    }
  }
  m_pDefinition = new QPlainTextEdit(body);
  m_pDefinition->setReadOnly(true);
  m_pDefinition->setMaximumHeight(80);
  grid->addWidget(new QLabel("Definition of the selected grade:", body), kEntryPageRows + 1, 0, 1,
                  3);
  grid->addWidget(m_pDefinition, kEntryPageRows + 2, 0, 1, 3);
  if (m_p.PageCount() > 1) {
    grid->addWidget(PageLabel(m_p.PageIndex() + 1, m_p.PageCount(), body), kEntryPageRows + 3, 0, 1,
                    3);
  }
  ShowRows();
  Assemble(body, true);
}

void CQualitativeEntryDialog::ShowRows() {
  Showing([this] {
    for (int r = 0; r < kEntryPageRows; ++r) {
      const bool bShown = m_p.IsRowShown(r);
      m_pName[r]->setVisible(bShown);
      m_pTick[r]->setVisible(bShown);
      m_pDegree[r]->setVisible(bShown);
      if (!bShown) continue;
      m_pName[r]->setText(ToQt(m_p.GradeName(r)));
      m_pTick[r]->setChecked(m_p.IsTicked(r));
      const QString degree = ToQt(m_p.DegreeText(r));
      if (m_pDegree[r]->currentText() != degree) m_pDegree[r]->setEditText(degree);
      m_pDegree[r]->setEnabled(m_p.IsDegreeEnabled(r));
    }
    m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
  });
}

EDialogAction CQualitativeEntryDialog::OnOk() {
  EDialogAction action = m_p.Ok();
  if (action == EDialogAction::Stay) ShowRows();
  return action;
}

void CQualitativeEntryDialog::ProvideEvidence() { m_p.ProvideEvidence(); }

}  // namespace zev
