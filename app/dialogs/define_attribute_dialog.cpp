#include "app/dialogs/define_attribute_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

QLineEdit* NewField(const std::string& text, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(ToQt(text), parent);
  edit->setObjectName(name);
  return edit;
}

}  // namespace

CDefineAttributeDialog::CDefineAttributeDialog(CDefineAttributePresenter& presenter,
                                               QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CDefineAttributePresenter;
  auto* layout = new QVBoxLayout(this);

  auto* nameRow = new QGridLayout;
  m_pName = new QPlainTextEdit(ToQt(m_p.m_strName), this);
  m_pName->setObjectName(P::kFieldName);
  m_pName->setTabChangesFocus(true);
  m_pName->installEventFilter(this);
  m_pName->setFixedHeight(m_pName->fontMetrics().lineSpacing() * 3 + 12);
  auto* nameLabel = new QLabel(tr("Attribute &Name:"), this);
  nameLabel->setBuddy(m_pName);
  auto* describe = new QPushButton(tr("&Describe"), this);
  describe->setObjectName("describe");
  describe->setAutoDefault(false);
  nameRow->addWidget(nameLabel, 0, 0, Qt::AlignTop);
  nameRow->addWidget(m_pName, 0, 1);
  nameRow->addWidget(describe, 0, 2, Qt::AlignTop);
  layout->addLayout(nameRow);

  auto* type = new QGroupBox(tr("Type"), this);
  auto* typeRow = new QHBoxLayout(type);
  m_pQuantitative = new QRadioButton(tr("Qua&ntitative"), type);
  m_pQuantitative->setObjectName("quantitative");
  m_pQualitative = new QRadioButton(tr("&Qualitative"), type);
  m_pQualitative->setObjectName("qualitative");
  m_pUncertain = new QCheckBox(tr("&Uncertain"), type);
  m_pUncertain->setObjectName("uncertain");
  typeRow->addWidget(m_pQuantitative);
  typeRow->addWidget(m_pQualitative);
  typeRow->addWidget(m_pUncertain);
  typeRow->addStretch();
  layout->addWidget(type);

  m_pRange = new QWidget(this);
  auto* range = new QGridLayout(m_pRange);
  range->setContentsMargins(0, 0, 0, 0);
  auto* best = NewField(m_p.m_strBest, P::kFieldBest, m_pRange);
  auto* worst = NewField(m_p.m_strWorst, P::kFieldWorst, m_pRange);
  auto* unit = NewField(m_p.m_strUnit, "unit", m_pRange);
  const std::pair<const char*, QLineEdit*> rangeFields[] = {
      {"&Best Value:", best}, {"&Worst Value:", worst}, {"Uni&t:", unit}};
  int column = 0;
  for (auto [text, field] : rangeFields) {
    auto* label = new QLabel(tr(text), m_pRange);
    label->setBuddy(field);
    range->addWidget(label, 0, column++);
    range->addWidget(field, 0, column++);
  }
  layout->addWidget(m_pRange);

  m_pGradeControls = new QWidget(this);
  auto* grades = new QHBoxLayout(m_pGradeControls);
  grades->setContentsMargins(0, 0, 0, 0);
  m_pGrades = NewField(m_p.m_strGrades, P::kFieldGrades, m_pGradeControls);
  m_pGrades->setMaximumWidth(60);
  auto* gradesLabel = new QLabel(tr("Number of &Grades:"), m_pGradeControls);
  gradesLabel->setBuddy(m_pGrades);
  auto* yes = new QPushButton(tr("&Yes"), m_pGradeControls);
  yes->setObjectName("defineGradesYes");
  yes->setAutoDefault(false);
  auto* no = new QPushButton(tr("N&o"), m_pGradeControls);
  no->setObjectName("defineGradesNo");
  no->setAutoDefault(false);
  grades->addWidget(gradesLabel);
  grades->addWidget(m_pGrades);
  grades->addSpacing(20);
  grades->addWidget(new QLabel(tr("Define Grades Now?"), m_pGradeControls));
  grades->addWidget(yes);
  grades->addWidget(no);
  grades->addStretch();
  layout->addWidget(m_pGradeControls);

  auto* advancedRow = new QHBoxLayout;
  m_pAdvanced = new QCheckBox(tr("&Advanced"), this);
  m_pAdvanced->setObjectName("advanced");
  m_pBasis = new QWidget(this);
  auto* basis = new QHBoxLayout(m_pBasis);
  basis->setContentsMargins(0, 0, 0, 0);
  m_pRule = new QRadioButton(tr("&Rule"), m_pBasis);
  m_pRule->setObjectName("rule");
  m_pUtility = new QRadioButton(tr("Ut&ility"), m_pBasis);
  m_pUtility->setObjectName("utility");
  basis->addWidget(m_pRule);
  basis->addWidget(m_pUtility);
  advancedRow->addWidget(m_pAdvanced);
  advancedRow->addWidget(m_pBasis);
  advancedRow->addStretch();
  layout->addLayout(advancedRow);

  AddOkCancel(layout);
  ExemptButtons({yes, no});

  connect(m_pName, &QPlainTextEdit::textChanged, this,
          [this] { m_p.m_strName = FromQt(m_pName->toPlainText()); });
  connect(describe, &QPushButton::clicked, this, [this] { m_p.Describe(); });
  connect(m_pQuantitative, &QRadioButton::clicked, this, [this] {
    m_p.ChooseQuantitative();
    Refresh();
  });
  connect(m_pQualitative, &QRadioButton::clicked, this, [this] {
    m_p.ChooseQualitative();
    Refresh();
  });
  connect(m_pUncertain, &QCheckBox::toggled, this, [this](bool b) { m_p.m_bUncertain = b; });
  connect(best, &QLineEdit::textEdited, this, [this](const QString& t) { m_p.m_strBest = FromQt(t); });
  connect(worst, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_p.m_strWorst = FromQt(t); });
  connect(unit, &QLineEdit::textEdited, this, [this](const QString& t) { m_p.m_strUnit = FromQt(t); });
  connect(m_pGrades, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!m_p.GradesTextChanged(FromQt(t))) FocusPresenterField();
  });
  connect(yes, &QPushButton::clicked, this, [this] { Apply(m_p.DefineGradesNow(true)); });
  connect(no, &QPushButton::clicked, this, [this] { Apply(m_p.DefineGradesNow(false)); });
  connect(m_pAdvanced, &QCheckBox::toggled, this, [this](bool b) {
    m_p.m_bAdvanced = b;
    Refresh();
  });
  connect(m_pRule, &QRadioButton::clicked, this, [this] {
    const EDialogAction action = m_p.ClickRule();
    Refresh();
    Apply(action);
  });
  connect(m_pUtility, &QRadioButton::clicked, this, [this] {
    const EDialogAction action = m_p.ClickUtility();
    Refresh();
    Apply(action);
  });

  m_pUncertain->setChecked(m_p.m_bUncertain);
  m_pAdvanced->setChecked(m_p.m_bAdvanced);
  Refresh();
  m_pName->setFocus();
}

void CDefineAttributeDialog::Refresh() {
  m_pQualitative->setChecked(m_p.m_bQualitative);
  m_pQuantitative->setChecked(!m_p.m_bQualitative);
  m_pQuantitative->setEnabled(m_p.QuantitativeChoiceEnabled());
  m_pUncertain->setVisible(m_p.UncertainVisible());
  m_pRange->setVisible(m_p.QuantitativeControlsVisible());
  m_pGradeControls->setVisible(m_p.GradeControlsVisible());
  m_pAdvanced->setVisible(m_p.AdvancedVisible());
  m_pBasis->setVisible(m_p.BasisVisible());
  m_pUtility->setChecked(m_p.m_bUtilityBasis);
  m_pRule->setChecked(!m_p.m_bUtilityBasis);
}

EDialogAction CDefineAttributeDialog::OnOk() { return m_p.Ok(); }

bool CDefineAttributeDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pName && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier) {
      accept();
      return true;
    }
  }
  return CPresenterDialog::eventFilter(watched, event);
}

}  // namespace zev
