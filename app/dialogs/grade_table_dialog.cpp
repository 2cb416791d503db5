#include "app/dialogs/grade_table_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CGradeTableDialog::CGradeTableDialog(CGradeTablePresenter& presenter, QWidget* parent)
    : CDialogView(presenter, parent), m_p(presenter) {
  using P = CGradeTablePresenter;
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(ToQt(P::Heading()), this);
  layout->addWidget(heading);
  layout->addWidget(BoldLabel(m_p.AttributeName(), this, "attributeName"));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Grade Name"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Utility"), this), 0, 2);
  for (int row = 0; row < m_p.Rows(); ++row) {
    auto* label = new QLabel(ToQt(m_p.GradeLabel(row)), this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(P::FieldName(P::kFieldName, row)));
    auto* utility = NewPresetCombo(GradeUtilityPresets(), this);
    utility->setObjectName(QString::fromStdString(P::FieldName(P::kFieldUtility, row)));
    utility->setEnabled(m_p.UtilityEnabled());
    grid->addWidget(label, row + 1, 0);
    grid->addWidget(edit, row + 1, 1);
    grid->addWidget(utility, row + 1, 2);
    m_pNames[row] = edit;
    m_pUtilities[row] = utility;

    Bind(edit, m_p.m_strName[row]);
    Bind(utility, m_p.m_strUtility[row]);
    OnFieldFocus(edit, [this, row] { m_p.Select(row); });
    OnFieldFocus(utility, [this, row] { m_p.Select(row); });
    GuardField(utility, [this, row] { return m_p.UtilityFocusLost(row); });
  }
  layout->addLayout(grid);

  auto* defineRow = new QHBoxLayout;
  QPushButton* define = AddButton(defineRow, tr("&Define"), "define", [this] { m_p.Define(); });
  defineRow->addStretch();
  layout->addLayout(defineRow);
  // Pressing "&Define" is no loss of focus for the grade being defined.
  ExemptButtons({define});

  AddOkCancel(layout);
  if (m_p.Rows() > 0) m_pNames[0]->setFocus();
}

EDialogAction CGradeTableDialog::OnOk() { return m_p.Ok(); }

}  // namespace zev
