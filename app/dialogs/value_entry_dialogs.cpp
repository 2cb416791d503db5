#include "app/dialogs/value_entry_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/assessment_buttons.h"
#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

QLabel* BoldLabel(const std::string& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(ToQt(text), parent);
  label->setObjectName(name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QLineEdit* ShownValue(const std::string& text, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(ToQt(text), parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

// Alternative and attribute names, then best and worst values and the unit.
void AddHeader(QWidget* dialog, QBoxLayout* layout, const CAssessmentDialog& p,
               const std::string& best, const std::string& worst, const std::string& unit) {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QObject::tr("Alternative:"), dialog), 0, 0);
  grid->addWidget(BoldLabel(p.AlternativeName(), "alternativeName", dialog), 0, 1, 1, 5);
  grid->addWidget(new QLabel(QObject::tr("Attribute:"), dialog), 1, 0);
  grid->addWidget(BoldLabel(p.AttributeName(), "attributeName", dialog), 1, 1, 1, 5);
  grid->addWidget(new QLabel(QObject::tr("Best Value:"), dialog), 2, 0);
  grid->addWidget(ShownValue(best, "best", dialog), 2, 1);
  grid->addWidget(new QLabel(QObject::tr("Worst Value:"), dialog), 2, 2);
  grid->addWidget(ShownValue(worst, "worst", dialog), 2, 3);
  grid->addWidget(new QLabel(QObject::tr("Unit:"), dialog), 2, 4);
  grid->addWidget(ShownValue(unit, "unit", dialog), 2, 5);
  layout->addLayout(grid);
}

std::vector<std::string> Choices(std::span<const char* const> presets) {
  return std::vector<std::string>(presets.begin(), presets.end());
}

}  // namespace

CCertainValueDialog::CCertainValueDialog(CCertainValueEntry& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CCertainValueEntry;
  auto* layout = new QVBoxLayout(this);
  AddHeader(this, layout, m_p, m_p.BestText(), m_p.WorstText(), m_p.Unit());
  auto* row = new QHBoxLayout;
  auto* value = new QLineEdit(ToQt(m_p.ValueText()), this);
  value->setObjectName(P::kFieldValue);
  auto* label = new QLabel(tr(P::kValueLabel), this);
  label->setBuddy(value);
  row->addWidget(label);
  row->addWidget(value);
  layout->addLayout(row);
  connect(value, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_p.SetValueText(FromQt(t)); });
  GuardField(value, [this] { return m_p.ValueFocusLost(); });
  AddAssessmentButtons(this, layout, m_p);
  AddOkCancel(layout);
}

CPossibleValueCountDialog::CPossibleValueCountDialog(CPossibleValueCount& presenter,
                                                     QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CPossibleValueCount;
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Alternative:"), this), 0, 0);
  grid->addWidget(BoldLabel(m_p.AlternativeName(), "alternativeName", this), 0, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Attribute:"), this), 1, 0);
  grid->addWidget(BoldLabel(m_p.AttributeName(), "attributeName", this), 1, 1, 1, 3);
  auto* number = NewPresetCombo(P::NumberChoices(), this);
  number->setObjectName(P::kFieldNumber);
  number->setEditText(ToQt(m_p.NumberText()));
  auto* label = new QLabel(tr("&Number of Possible Values:"), this);
  label->setBuddy(number);
  grid->addWidget(label, 2, 0);
  grid->addWidget(number, 2, 1);
  grid->addWidget(new QLabel(tr("Minimum:"), this), 3, 0);
  grid->addWidget(ShownValue(P::MinimumText(), "minimum", this), 3, 1);
  grid->addWidget(new QLabel(tr("Maximum:"), this), 3, 2);
  grid->addWidget(ShownValue(P::MaximumText(), "maximum", this), 3, 3);
  layout->addLayout(grid);
  connect(number, &QComboBox::editTextChanged, this,
          [this](const QString& t) { m_p.SetNumberText(FromQt(t)); });
  GuardField(number, [this] { return m_p.NumberFocusLost(); });
  AddAssessmentButtons(this, layout, m_p);
  AddOkCancel(layout);
}

CUncertainEntryDialog::CUncertainEntryDialog(CUncertainEntryPage& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CUncertainEntryPage;
  auto* layout = new QVBoxLayout(this);
  AddHeader(this, layout, m_p, m_p.BestText(), m_p.WorstText(), m_p.Unit());
  if (m_p.PageCount() > 1) {
    auto* page = new QLabel(tr("Page %1 of %2").arg(m_p.PageIndex() + 1).arg(m_p.PageCount()), this);
    page->setObjectName("page");
    layout->addWidget(page);
  }
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Possible Value"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Belief Degree"), this), 0, 2);
  const std::vector<std::string> choices = Choices(P::DegreeChoices());
  for (int row = 0; row < m_p.RowCount(); ++row) {
    auto* value = new QLineEdit(ToQt(m_p.ValueText(row)), this);
    value->setObjectName(QString::fromStdString(P::ValueField(row)));
    auto* degree = NewPresetCombo(choices, this);
    degree->setObjectName(QString::fromStdString(P::DegreeField(row)));
    degree->setEditText(ToQt(m_p.DegreeText(row)));
    grid->addWidget(new QLabel(QString::number(m_p.FirstValue() + row + 1), this), row + 1, 0);
    grid->addWidget(value, row + 1, 1);
    grid->addWidget(degree, row + 1, 2);
    connect(value, &QLineEdit::textEdited, this,
            [this, row](const QString& t) { m_p.SetValueText(row, FromQt(t)); });
    connect(degree, &QComboBox::editTextChanged, this,
            [this, row](const QString& t) { m_p.SetDegreeText(row, FromQt(t)); });
  }
  layout->addLayout(grid);
  AddAssessmentButtons(this, layout, m_p);
  AddOkCancel(layout);
}

}  // namespace zev
