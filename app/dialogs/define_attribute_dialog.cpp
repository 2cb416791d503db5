#include "app/dialogs/define_attribute_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CDefineAttributeDialog::CDefineAttributeDialog(CDefineAttributePresenter& p, QWidget* parent)
    : CDialogView(p, parent, "defineAttributeDialog"), m_p(p) {
  using P = CDefineAttributePresenter;
  m_pName = new QPlainTextEdit(this);
  m_pName->setObjectName(P::kFieldName);
  m_pName->setTabChangesFocus(true);
  m_pName->installEventFilter(this);
  m_pName->setFixedHeight(m_pName->fontMetrics().lineSpacing() * 3 + 12);

  m_pQualitative = new QRadioButton("Qua&litative", this);
  m_pQualitative->setObjectName("qualitative");
  m_pQuantitative = new QRadioButton("Qua&ntitative", this);
  m_pQuantitative->setObjectName("quantitative");
  auto* types = new QButtonGroup(this);
  types->addButton(m_pQualitative);
  types->addButton(m_pQuantitative);
  m_pUncertain = new QCheckBox("&Uncertain", this);
  m_pUncertain->setObjectName("uncertain");

  m_pQuantitativeBox = new QWidget(this);
  m_pBest = new QLineEdit(m_pQuantitativeBox);
  m_pBest->setObjectName(P::kFieldBest);
  m_pWorst = new QLineEdit(m_pQuantitativeBox);
  m_pWorst->setObjectName(P::kFieldWorst);
  m_pUnit = new QLineEdit(m_pQuantitativeBox);
  m_pUnit->setObjectName("unit");
  auto* quantitative = new QFormLayout(m_pQuantitativeBox);
  quantitative->setContentsMargins(0, 0, 0, 0);
  quantitative->addRow("&Best value:", m_pBest);
  quantitative->addRow("&Worst value:", m_pWorst);
  quantitative->addRow("Un&it:", m_pUnit);
  quantitative->addRow(m_pUncertain);

  m_pGradeBox = new QWidget(this);
  m_pGrades = new QLineEdit(m_pGradeBox);
  m_pGrades->setObjectName(P::kFieldGrades);
  auto* gradesNow = new QHBoxLayout;
  gradesNow->addWidget(new QLabel("Define Grades Now?", m_pGradeBox));
  m_pGradesYes =
      AddButton(gradesNow, "&Yes", "defineGradesYes", [this] { Act(m_p.DefineGradesNow(true)); });
  m_pGradesNo =
      AddButton(gradesNow, "N&o", "defineGradesNo", [this] { Act(m_p.DefineGradesNow(false)); });
  auto* grades = new QFormLayout(m_pGradeBox);
  grades->setContentsMargins(0, 0, 0, 0);
  grades->addRow("Number of &grades:", m_pGrades);
  grades->addRow(gradesNow);

  m_pAdvanced = new QCheckBox("&Advanced", this);
  m_pAdvanced->setObjectName("advanced");
  m_pBasisBox = new QWidget(this);
  m_pRule = new QRadioButton("&Rule", m_pBasisBox);
  m_pRule->setObjectName("rule");
  m_pUtility = new QRadioButton("U&tility", m_pBasisBox);
  m_pUtility->setObjectName("utility");
  auto* bases = new QButtonGroup(this);
  bases->addButton(m_pRule);
  bases->addButton(m_pUtility);
  auto* basis = new QHBoxLayout(m_pBasisBox);
  basis->setContentsMargins(0, 0, 0, 0);
  basis->addWidget(new QLabel("Conversion basis:", m_pBasisBox));
  basis->addWidget(m_pRule);
  basis->addWidget(m_pUtility);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(m_pName, 1);
  QPushButton* describe = AddButton(nameRow, "&Describe", "describe", [this] { m_p.Describe(); });
  // The button keeps its place at the top of the row.
  nameRow->setAlignment(describe, Qt::AlignTop);
  describe->setAutoDefault(true);
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(new QLabel("Type:", this));
  typeRow->addWidget(m_pQualitative);
  typeRow->addWidget(m_pQuantitative);
  typeRow->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  // A label's accelerator needs its buddy (else the '&' shows as it is);
  // Alt+N belongs to Quantitative.
  auto* nameLabel = new QLabel("Attribute na&me:", this);
  nameLabel->setBuddy(m_pName);
  layout->addWidget(nameLabel);
  layout->addLayout(nameRow);
  layout->addLayout(typeRow);
  layout->addWidget(m_pGradeBox);
  layout->addWidget(m_pQuantitativeBox);
  layout->addWidget(m_pAdvanced);
  layout->addWidget(m_pBasisBox);
  // Enter confirms also after a button of the dialog (Describe) was used.
  AddOkCancel(layout);

  Bind(m_pName, p.m_strName);
  Bind(m_pBest, p.m_strBest);
  Bind(m_pWorst, p.m_strWorst);
  Bind(m_pUnit, p.m_strUnit);
  Bind(m_pGrades, p.m_strGrades);
  Showing([this] { m_pAdvanced->setChecked(m_p.m_bAdvanced); });
  ShowState();

  // The count is checked as it is typed.
  connect(m_pGrades, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!m_p.GradesTextChanged(FromQt(text))) m_pGrades->setFocus(Qt::OtherFocusReason);
  });
  connect(m_pQualitative, &QRadioButton::clicked, this, [this] {
    m_p.ChooseQualitative();
    ShowState();
  });
  connect(m_pQuantitative, &QRadioButton::clicked, this, [this] {
    m_p.ChooseQuantitative();
    ShowState();
  });
  connect(m_pUncertain, &QCheckBox::toggled, this, [this](bool b) {
    if (!IsShowing()) m_p.m_bUncertain = b;
  });
  connect(m_pAdvanced, &QCheckBox::toggled, this, [this](bool b) {
    if (IsShowing()) return;
    m_p.m_bAdvanced = b;
    ShowState();
  });
  connect(m_pRule, &QRadioButton::clicked, this, [this] { Act(m_p.ClickRule()); });
  connect(m_pUtility, &QRadioButton::clicked, this, [this] { Act(m_p.ClickUtility()); });
}

void CDefineAttributeDialog::ShowState() {
  Showing([this] {
    m_pQualitative->setChecked(m_p.m_bQualitative);
    m_pQuantitative->setChecked(!m_p.m_bQualitative);
    m_pQuantitative->setEnabled(m_p.QuantitativeChoiceEnabled());
    m_pUncertain->setChecked(m_p.m_bUncertain);
    m_pUncertain->setVisible(m_p.UncertainVisible());
    m_pGradeBox->setVisible(m_p.GradeControlsVisible());
    m_pQuantitativeBox->setVisible(m_p.QuantitativeControlsVisible());
    m_pAdvanced->setVisible(m_p.AdvancedVisible());
    m_pBasisBox->setVisible(m_p.BasisVisible());
    m_pRule->setChecked(!m_p.m_bUtilityBasis);
    m_pUtility->setChecked(m_p.m_bUtilityBasis);
  });
}

void CDefineAttributeDialog::Act(EDialogAction action) {
  ShowState();
  Apply(action);
}

EDialogAction CDefineAttributeDialog::OnOk() {
  const EDialogAction action = m_p.Ok();
  ShowState();
  return action;
}

EDialogAction CDefineAttributeDialog::OnCancel() {
  const EDialogAction action = m_p.Cancel();
  ShowState();
  return action;
}

bool CDefineAttributeDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the name confirms the dialog, as in a one-line field; the name
  // still wraps over several lines.
  if (watched == m_pName && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier) {
      OkButton()->click();
      return true;
    }
  }
  return CDialogView::eventFilter(watched, event);
}

}  // namespace zev
