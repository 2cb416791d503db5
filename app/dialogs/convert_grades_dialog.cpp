#include "app/dialogs/convert_grades_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CConvertGradesDialog::CConvertGradesDialog(CConvertGradesPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "convertGradesDialog"), m_p(p) {
  auto* names = new QFormLayout;
  names->addRow("Child attribute:", BoldLabel(p.ChildName(), this));
  names->addRow("Father attribute:", BoldLabel(p.FatherName(), this));
  names->addRow("Child grade:", BoldLabel(p.ChildGradeName(), this));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Father grade", this), 0, 0);
  grid->addWidget(new QLabel("Is equivalent to", this), 0, 1);
  for (int r = 0; r < CConvertGradesPresenter::kPageRows; ++r) {
    m_pDegree[r] = NewChoiceCombo(CConvertGradesPresenter::DegreeChoices(), this);
    m_pDegree[r]->setObjectName(QString::fromStdString(CConvertGradesPresenter::DegreeField(r)));
    if (r >= p.Rows()) {
      m_pDegree[r]->hide();
      continue;
    }
    Bind(m_pDegree[r], p.m_strDegree[r]);
    grid->addWidget(PlainLabel(ToQt(p.FatherGradeName(r)), this), r + 1, 0);
    grid->addWidget(m_pDegree[r], r + 1, 1);
    auto* definition = new QPushButton("?", this);
    definition->setAutoDefault(false);
    definition->setToolTip("The definition of this father grade");
    connect(definition, &QPushButton::clicked, this,
            [this, r] { m_p.ShowFatherGradeDefinition(r); });
    grid->addWidget(definition, r + 1, 2);
  }

  auto* side = new QHBoxLayout;
  AddButton(side, "Child &Description", nullptr, [this] { m_p.ShowChildDescription(); });
  AddButton(side, "&Father Description", nullptr, [this] { m_p.ShowFatherDescription(); });
  AddButton(side, "Child &Grade Definition", nullptr, [this] { m_p.ShowChildGradeDefinition(); });
  AddButton(side, "&Comments", nullptr, [this] { m_p.EditComment(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(grid);
  if (p.PageCount() > 1) layout->addWidget(PageLabel(p.Page() + 1, p.PageCount(), this));
  layout->addLayout(side);
  AddOkCancel(layout);
}

}  // namespace zev
