#include "app/dialogs/value_utility_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"
#include "model/format.h"

namespace zev {

CValueUtilityDialog::CValueUtilityDialog(CValueUtilityPresenter& presenter, QWidget* parent)
    : CDialogView(presenter, parent), m_p(presenter) {
  using P = CValueUtilityPresenter;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BoldLabel(m_p.AttributeName(), this, "attributeName"));

  auto* info = new QGridLayout;
  const std::pair<const char*, std::string> shown[] = {
      {"Best Value:", m_p.BestText()}, {"Worst Value:", m_p.WorstText()}, {"Unit:", m_p.Unit()}};
  int column = 0;
  for (const auto& [label, text] : shown) {
    info->addWidget(new QLabel(tr(label), this), 0, column++);
    auto* value = new QLineEdit(ToQt(text), this);
    value->setReadOnly(true);
    value->setFocusPolicy(Qt::NoFocus);
    info->addWidget(value, 0, column++);
  }
  layout->addLayout(info);

  auto* numberRow = new QHBoxLayout;
  m_pNumber = new QComboBox(this);
  m_pNumber->setObjectName(P::kFieldNumber);
  for (int n : P::NumberChoices()) m_pNumber->addItem(QString::number(n), n);
  auto* numberLabel = new QLabel(tr("Utility &No"), this);
  numberLabel->setBuddy(m_pNumber);
  numberRow->addWidget(numberLabel);
  numberRow->addWidget(m_pNumber);
  numberRow->addStretch();
  layout->addLayout(numberRow);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Value"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Utility"), this), 0, 2);
  for (int row = 0; row < kRows; ++row) {
    m_pRowLabels[row] = new QLabel(QString::number(row + 1), this);
    m_pValues[row] = new QLineEdit(this);
    m_pValues[row]->setObjectName(QString::fromStdString(P::FieldName(P::kFieldValue, row)));
    m_pUtilities[row] = NewPresetCombo(ValueUtilityPresets(), this);
    m_pUtilities[row]->setObjectName(QString::fromStdString(P::FieldName(P::kFieldUtility, row)));
    grid->addWidget(m_pRowLabels[row], row + 1, 0);
    grid->addWidget(m_pValues[row], row + 1, 1);
    grid->addWidget(m_pUtilities[row], row + 1, 2);
    Bind(m_pValues[row], m_p.m_strValue[row]);
    Bind(m_pUtilities[row], m_p.m_strUtility[row]);
    GuardField(m_pUtilities[row], [this, row] { return m_p.UtilityFocusLost(row); });
  }
  layout->addLayout(grid);

  auto* commentsRow = new QHBoxLayout;
  AddButton(commentsRow, tr("&Comments"), "comments", [this] { m_p.Comments(); });
  commentsRow->addStretch();
  layout->addLayout(commentsRow);

  AddOkCancel(layout);

  LoadRows();
  connect(m_pNumber, &QComboBox::activated, this, [this](int index) {
    m_p.ChooseNumber(m_pNumber->itemData(index).toInt());
    LoadRows();
    FocusPresenterField();
  });
  m_pUtilities[0]->setFocus();
}

void CValueUtilityDialog::LoadRows() {
  Showing([this] {
    m_pNumber->setCurrentIndex(m_pNumber->findData(m_p.Number()));
    for (int row = 0; row < kRows; ++row) {
      const bool bShown = row < m_p.Number();
      m_pRowLabels[row]->setVisible(bShown);
      m_pValues[row]->setVisible(bShown);
      m_pUtilities[row]->setVisible(bShown);
      m_pValues[row]->setText(ToQt(m_p.m_strValue[row]));
      m_pUtilities[row]->setEditText(ToQt(m_p.m_strUtility[row]));
    }
  });
}

EDialogAction CValueUtilityDialog::OnOk() { return m_p.Ok(); }

}  // namespace zev
