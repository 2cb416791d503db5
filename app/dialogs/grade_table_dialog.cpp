#include "app/dialogs/grade_table_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace zev {

CGradeTableDialog::CGradeTableDialog(CGradeTablePresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CGradeTablePresenter;
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(ToQt(P::Heading()), this);
  layout->addWidget(heading);
  auto* name = new QLabel(ToQt(m_p.AttributeName()), this);
  name->setObjectName("attributeName");
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  layout->addWidget(name);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Grade Name"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Utility"), this), 0, 2);
  for (int row = 0; row < m_p.Rows(); ++row) {
    auto* label = new QLabel(ToQt(m_p.GradeLabel(row)), this);
    auto* edit = new QLineEdit(ToQt(m_p.m_strName[row]), this);
    edit->setObjectName(QString::fromStdString(P::FieldName(P::kFieldName, row)));
    auto* utility = NewPresetCombo(GradeUtilityPresets(), this);
    utility->setObjectName(QString::fromStdString(P::FieldName(P::kFieldUtility, row)));
    utility->setEditText(ToQt(m_p.m_strUtility[row]));
    utility->setEnabled(m_p.UtilityEnabled());
    grid->addWidget(label, row + 1, 0);
    grid->addWidget(edit, row + 1, 1);
    grid->addWidget(utility, row + 1, 2);
    m_pNames[row] = edit;
    m_pUtilities[row] = utility;

    connect(edit, &QLineEdit::textEdited, this,
            [this, row](const QString& t) { m_p.m_strName[row] = FromQt(t); });
    connect(utility, &QComboBox::editTextChanged, this,
            [this, row](const QString& t) { m_p.m_strUtility[row] = FromQt(t); });
    OnFieldFocus(edit, [this, row] { m_p.Select(row); });
    OnFieldFocus(utility, [this, row] { m_p.Select(row); });
    GuardField(utility, [this, row] { return m_p.UtilityFocusLost(row); });
  }
  layout->addLayout(grid);

  auto* define = new QPushButton(tr("&Define"), this);
  define->setObjectName("define");
  define->setAutoDefault(false);
  auto* defineRow = new QHBoxLayout;
  defineRow->addWidget(define);
  defineRow->addStretch();
  layout->addLayout(defineRow);
  connect(define, &QPushButton::clicked, this, [this] { m_p.Define(); });
  // Pressing "&Define" is no loss of focus for the grade being defined.
  ExemptButtons({define});

  AddOkCancel(layout);
  if (m_p.Rows() > 0) m_pNames[0]->setFocus();
}

EDialogAction CGradeTableDialog::OnOk() { return m_p.Ok(); }

CGradeMeaningDialog::CGradeMeaningDialog(CGradeMeaningPresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  auto* layout = new QVBoxLayout(this);
  QLabel* labels[] = {new QLabel(ToQt(m_p.AttributeName()), this),
                      new QLabel(ToQt(CGradeMeaningPresenter::LeadText()), this),
                      new QLabel(ToQt(m_p.GradeName()), this),
                      new QLabel(ToQt(CGradeMeaningPresenter::TrailText()), this)};
  labels[0]->setObjectName("attributeName");
  labels[2]->setObjectName("gradeName");
  QFont bold = labels[0]->font();
  bold.setBold(true);
  labels[0]->setFont(bold);
  labels[2]->setFont(bold);
  for (QLabel* label : labels) layout->addWidget(label);
  m_pDefinition = new QPlainTextEdit(ToQt(m_p.m_strDefinition), this);
  m_pDefinition->setObjectName("definition");
  layout->addWidget(m_pDefinition);
  AddEditButtons(layout, m_pDefinition);
  AddOkCancel(layout);
  m_pDefinition->setFocus();
}

EDialogAction CGradeMeaningDialog::OnOk() {
  m_p.m_strDefinition = FromQt(m_pDefinition->toPlainText());
  return EDialogAction::CloseOk;
}

}  // namespace zev
