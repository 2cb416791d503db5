#include "app/dialogs/qualitative_entry_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/assessment_buttons.h"
#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

std::vector<std::string> Choices(std::span<const char* const> presets) {
  return std::vector<std::string>(presets.begin(), presets.end());
}

QLabel* BoldLabel(const std::string& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

CQualitativeEntryDialog::CQualitativeEntryDialog(CQualitativeEntryPage& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CQualitativeEntryPage;
  auto* layout = new QVBoxLayout(this);
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(tr("Father Attribute:"), this), 0, 0);
  names->addWidget(BoldLabel(m_p.FatherName(), "fatherName", this), 0, 1);
  names->addWidget(new QLabel(tr("Attribute:"), this), 1, 0);
  names->addWidget(BoldLabel(m_p.AttributeName(), "attributeName", this), 1, 1);
  names->setColumnStretch(1, 1);
  layout->addLayout(names);
  if (m_p.PageCount() > 1) {
    auto* page = new QLabel(tr("Page %1 of %2").arg(m_p.PageIndex() + 1).arg(m_p.PageCount()), this);
    page->setObjectName("page");
    layout->addWidget(page);
  }

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Grade"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Belief Degree"), this), 0, 2);
  const std::vector<std::string> choices = Choices(P::DegreeChoices());
  for (int row = 0; row < m_p.RowCount(); ++row) {
    auto* name = new QLineEdit(ToQt(m_p.GradeName(row)), this);
    name->setObjectName(QString::fromStdString(P::NameField(row)));
    name->setReadOnly(true);
    auto* tick = new QCheckBox(this);
    tick->setObjectName(QString("tick%1").arg(row));
    auto* degree = NewPresetCombo(choices, this);
    degree->setObjectName(QString::fromStdString(P::DegreeField(row)));
    grid->addWidget(name, row + 1, 0);
    grid->addWidget(tick, row + 1, 1);
    grid->addWidget(degree, row + 1, 2);
    m_pNames[row] = name;
    m_pTicks[row] = tick;
    m_pDegrees[row] = degree;

    connect(tick, &QCheckBox::clicked, this, [this, row] {
      if (!m_p.ToggleTick(row)) FocusPresenterField();
      Load();
    });
    connect(degree, &QComboBox::editTextChanged, this, [this, row](const QString& t) {
      if (!m_bLoading) m_p.SetDegreeText(row, FromQt(t));
    });
    auto select = [this, row] {
      m_p.SelectGrade(row);
      m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
    };
    OnFieldFocus(name, select);
    OnFieldFocus(degree, select);
  }
  layout->addLayout(grid);

  layout->addWidget(new QLabel(tr("Grade Definition:"), this));
  m_pDefinition = new QPlainTextEdit(this);
  m_pDefinition->setObjectName("definition");
  m_pDefinition->setReadOnly(true);
  m_pDefinition->setFocusPolicy(Qt::NoFocus);
  m_pDefinition->setMaximumHeight(m_pDefinition->fontMetrics().lineSpacing() * 4 + 12);
  layout->addWidget(m_pDefinition);

  AddAssessmentButtons(this, layout, m_p, [this] { m_p.ProvideEvidence(); });
  AddOkCancel(layout);
  Load();
}

void CQualitativeEntryDialog::Load() {
  m_bLoading = true;
  for (int row = 0; row < m_p.RowCount(); ++row) {
    m_pTicks[row]->setChecked(m_p.IsTicked(row));
    m_pDegrees[row]->setEditText(ToQt(m_p.DegreeText(row)));
    m_pDegrees[row]->setEnabled(m_p.IsDegreeEnabled(row));
  }
  m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
  m_bLoading = false;
}

EDialogAction CQualitativeEntryDialog::OnOk() { return m_p.Ok(); }

}  // namespace zev
