#include "app/dialogs/uncertain_entry_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CUncertainEntryDialog::CUncertainEntryDialog(CUncertainEntryPage& p, QWidget* parent)
    : CEntryDialog(p, parent, "uncertainEntryDialog"), m_p(p) {
  const auto choices = CUncertainEntryPage::DegreeChoices();
  const std::vector<std::string> degrees(choices.begin(), choices.end());
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  auto* range = new QFormLayout;
  range->addRow("Best value:", PlainLabel(ToQt(p.BestText()), body));
  range->addRow("Worst value:", PlainLabel(ToQt(p.WorstText()), body));
  range->addRow("Unit:", PlainLabel(ToQt(p.Unit()), body));
  layout->addLayout(range);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Possible value", body), 0, 0);
  grid->addWidget(new QLabel("Belief degree", body), 0, 1);
  for (int r = 0; r < kEntryPageRows; ++r) {
    const bool bShown = p.IsRowShown(r);
    m_pValue[r] = new QLineEdit(body);
    m_pValue[r]->setObjectName(QString::fromStdString(CUncertainEntryPage::ValueField(r)));
    m_pDegree[r] = NewChoiceCombo(degrees, body);
    m_pDegree[r]->setObjectName(QString::fromStdString(CUncertainEntryPage::DegreeField(r)));
    grid->addWidget(m_pValue[r], r + 1, 0);
    grid->addWidget(m_pDegree[r], r + 1, 1);
    m_pValue[r]->setVisible(bShown);
    m_pDegree[r]->setVisible(bShown);
    Bind(m_pValue[r], bShown ? ToQt(p.ValueText(r)) : QString(),
         [this, r](const QString& t) { m_p.SetValueText(r, FromQt(t)); });
    Bind(m_pDegree[r], bShown ? ToQt(p.DegreeText(r)) : QString(),
         [this, r](const QString& t) { m_p.SetDegreeText(r, FromQt(t)); });
  }
  layout->addLayout(grid);
  if (p.PageCount() > 1) layout->addWidget(PageLabel(p.PageIndex() + 1, p.PageCount(), body));
  Assemble(body, false);
}

}  // namespace zev
