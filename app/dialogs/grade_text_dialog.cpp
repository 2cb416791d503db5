#include "app/dialogs/grade_text_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CGradeTextDialog::CGradeTextDialog(CGradeTextPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "gradeTextDialog"), m_p(p) {
  m_pGrades = new QListWidget(this);
  for (const CGradeTextPresenter::SGrade& g : p.GradeList()) m_pGrades->addItem(ToQt(g.m_strName));
  if (p.PickedGrade() >= 0 && p.PickedGrade() < m_pGrades->count()) {
    m_pGrades->setCurrentRow(p.PickedGrade());
  }
  m_pDefinition = new QPlainTextEdit(ToQt(p.PickedDefinition()), this);
  m_pDefinition->setReadOnly(true);
  m_pText = new QPlainTextEdit(this);
  m_pText->setObjectName("text");
  Bind(m_pText, p.m_strText);
  connect(m_pGrades, &QListWidget::currentRowChanged, this, [this](int row) {
    m_p.PickGrade(row);
    m_pDefinition->setPlainText(ToQt(m_p.PickedDefinition()));
  });
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel("Grades:", this));
  left->addWidget(m_pGrades);
  left->addWidget(new QLabel("Definition:", this));
  left->addWidget(m_pDefinition);
  auto* right = new QVBoxLayout;
  if (p.ShowsEvidence()) {
    auto* evidence = new QPlainTextEdit(ToQt(p.Evidence()), this);
    evidence->setReadOnly(true);
    right->addWidget(new QLabel("Evidence:", this));
    right->addWidget(evidence);
    right->addWidget(new QLabel("Comments:", this));
  } else {
    right->addWidget(new QLabel("Evidence:", this));
  }
  right->addWidget(m_pText);
  AddEditButtons(right, m_pText);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  AddOkCancel(layout);
  resize(560, 340);
}

}  // namespace zev
