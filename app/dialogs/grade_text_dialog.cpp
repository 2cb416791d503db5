#include "app/dialogs/grade_text_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CGradeTextDialog::CGradeTextDialog(CGradeTextPresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using EText = CGradeTextPresenter::EText;
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;

  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(tr("Grades:"), this));
  auto* grades = new QListWidget(this);
  grades->setObjectName("grades");
  for (const CGradeTextPresenter::SGrade& g : m_p.GradeList()) grades->addItem(ToQt(g.m_strName));
  grades->setCurrentRow(m_p.PickedGrade());
  left->addWidget(grades);
  left->addWidget(new QLabel(tr("Grade Definition:"), this));
  auto* definition = new QPlainTextEdit(ToQt(m_p.PickedDefinition()), this);
  definition->setObjectName("definition");
  definition->setReadOnly(true);
  left->addWidget(definition);
  columns->addLayout(left);

  auto* right = new QVBoxLayout;
  if (m_p.ShowsEvidence()) {
    right->addWidget(new QLabel(tr("Evidence:"), this));
    auto* evidence = new QPlainTextEdit(ToQt(m_p.Evidence()), this);
    evidence->setObjectName("shownEvidence");
    evidence->setReadOnly(true);
    right->addWidget(evidence);
  }
  right->addWidget(new QLabel(m_p.Which() == EText::Evidence ? tr("Evidence:") : tr("Comments:"),
                              this));
  m_pText = new QPlainTextEdit(ToQt(m_p.m_strText), this);
  m_pText->setObjectName("text");
  right->addWidget(m_pText);
  AddEditButtons(right, m_pText);
  columns->addLayout(right, 1);
  layout->addLayout(columns);
  AddOkCancel(layout);

  connect(grades, &QListWidget::currentRowChanged, this, [this, definition](int row) {
    m_p.PickGrade(row);
    definition->setPlainText(ToQt(m_p.PickedDefinition()));
  });
  m_pText->setFocus();
  resize(560, 320);
}

EDialogAction CGradeTextDialog::OnOk() {
  m_p.m_strText = FromQt(m_pText->toPlainText());
  return EDialogAction::CloseOk;
}

}  // namespace zev
