#include "app/dialogs/convert_values_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CConvertValuesDialog::CConvertValuesDialog(CConvertValuesPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "convertValuesDialog"), m_p(p) {
  auto* names = new QFormLayout;
  names->addRow("Child attribute:", BoldLabel(p.ChildName(), this));
  names->addRow("", PlainLabel(ToQt(p.ChildDescription()), this));
  names->addRow("Father attribute:", BoldLabel(p.FatherName(), this));
  names->addRow("", PlainLabel(ToQt(p.FatherDescription()), this));
  names->addRow("Best value:", PlainLabel(ToQt(p.BestText()), this));
  names->addRow("Worst value:", PlainLabel(ToQt(p.WorstText()), this));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Father grade", this), 0, 0);
  grid->addWidget(new QLabel("Child value", this), 0, 1);
  for (int r = 0; r < CConvertValuesPresenter::kPageRows; ++r) {
    m_pValue[r] = new QLineEdit(this);
    m_pValue[r]->setObjectName(QString::fromStdString(CConvertValuesPresenter::ValueField(r)));
    if (r >= p.Rows()) {
      m_pValue[r]->hide();
      continue;
    }
    Bind(m_pValue[r], p.m_strValue[r]);
    GuardField(m_pValue[r], [this, r] { return m_p.ValueFocusLost(r); });
    grid->addWidget(PlainLabel(ToQt(p.FatherGradeName(r)), this), r + 1, 0);
    grid->addWidget(m_pValue[r], r + 1, 1);
  }
  m_pComments = new QPlainTextEdit(this);
  m_pComments->setMaximumHeight(80);
  Bind(m_pComments, p.m_strComments);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(grid);
  if (p.PageCount() > 1) layout->addWidget(PageLabel(p.Page() + 1, p.PageCount(), this));
  layout->addWidget(new QLabel("Comments:", this));
  layout->addWidget(m_pComments);
  AddOkCancel(layout);
}

}  // namespace zev
