#include "app/model_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_views.h"
#include "app/dialogs/presenter_dialog.h"
#include "app/qt_text.h"

namespace zev {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

void ApplyDialogAction(QDialog& dialog, EDialogAction action, QWidget* focus) {
  switch (action) {
    case EDialogAction::CloseOk:
      dialog.done(QDialog::Accepted);
      break;
    case EDialogAction::CloseCancel:
      dialog.done(QDialog::Rejected);
      break;
    case EDialogAction::Stay:
      if (focus) focus->setFocus(Qt::OtherFocusReason);
      break;
  }
}

// ---------------------------------------------------------------------------

CDefineAttributeDialog::CDefineAttributeDialog(CDefineAttributePresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setWindowTitle(ToQt(p.Title()));
  setObjectName("defineAttributeDialog");

  m_pName = new QPlainTextEdit(this);
  m_pName->setObjectName("name");
  m_pName->setTabChangesFocus(true);
  m_pName->installEventFilter(this);
  m_pName->setFixedHeight(m_pName->fontMetrics().lineSpacing() * 3 + 12);
  auto* describe = new QPushButton("&Describe", this);

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
  m_pBest->setObjectName("best");
  m_pWorst = new QLineEdit(m_pQuantitativeBox);
  m_pWorst->setObjectName("worst");
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
  m_pGrades->setObjectName("grades");
  m_pGradesYes = new QPushButton("&Yes", m_pGradeBox);
  m_pGradesYes->setObjectName("defineGradesYes");
  m_pGradesYes->setAutoDefault(false);
  m_pGradesNo = new QPushButton("N&o", m_pGradeBox);
  m_pGradesNo->setObjectName("defineGradesNo");
  m_pGradesNo->setAutoDefault(false);
  auto* gradesNow = new QHBoxLayout;
  gradesNow->addWidget(new QLabel("Define Grades Now?", m_pGradeBox));
  gradesNow->addWidget(m_pGradesYes);
  gradesNow->addWidget(m_pGradesNo);
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

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_pOk = buttons->button(QDialogButtonBox::Ok);
  // Enter confirms also after a button of the dialog (Describe) was used.
  m_pOk->setDefault(true);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(m_pName, 1);
  nameRow->addWidget(describe, 0, Qt::AlignTop);
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
  layout->addWidget(buttons);

  // Load the presenter's fields.
  m_bLoading = true;
  m_pName->setPlainText(ToQt(p.m_strName));
  m_pBest->setText(ToQt(p.m_strBest));
  m_pWorst->setText(ToQt(p.m_strWorst));
  m_pUnit->setText(ToQt(p.m_strUnit));
  m_pGrades->setText(ToQt(p.m_strGrades));
  m_pAdvanced->setChecked(p.m_bAdvanced);
  m_bLoading = false;
  ShowState();

  connect(m_pGrades, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!m_p.GradesTextChanged(FromQt(text))) m_pGrades->setFocus(Qt::OtherFocusReason);
  });
  connect(describe, &QPushButton::clicked, this, [this] {
    Take();
    m_p.Describe();
  });
  connect(m_pQualitative, &QRadioButton::clicked, this, [this] {
    Take();
    m_p.ChooseQualitative();
    ShowState();
  });
  connect(m_pQuantitative, &QRadioButton::clicked, this, [this] {
    Take();
    m_p.ChooseQuantitative();
    ShowState();
  });
  connect(m_pUncertain, &QCheckBox::toggled, this, [this](bool b) {
    if (!m_bLoading) m_p.m_bUncertain = b;
  });
  connect(m_pAdvanced, &QCheckBox::toggled, this, [this](bool b) {
    if (m_bLoading) return;
    m_p.m_bAdvanced = b;
    ShowState();
  });
  connect(m_pRule, &QRadioButton::clicked, this, [this] {
    Take();
    Act(m_p.ClickRule());
  });
  connect(m_pUtility, &QRadioButton::clicked, this, [this] {
    Take();
    Act(m_p.ClickUtility());
  });
  connect(m_pGradesYes, &QPushButton::clicked, this, [this] {
    Take();
    Act(m_p.DefineGradesNow(true));
  });
  connect(m_pGradesNo, &QPushButton::clicked, this, [this] {
    Take();
    Act(m_p.DefineGradesNow(false));
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Take();
    Act(m_p.Ok());
  });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { Act(m_p.Cancel()); });
}

void CDefineAttributeDialog::Take() {
  m_p.m_strName = FromQt(m_pName->toPlainText());
  m_p.m_strBest = FromQt(m_pBest->text());
  m_p.m_strWorst = FromQt(m_pWorst->text());
  m_p.m_strUnit = FromQt(m_pUnit->text());
  m_p.m_strGrades = FromQt(m_pGrades->text());
  m_p.m_bUncertain = m_pUncertain->isChecked();
}

void CDefineAttributeDialog::ShowState() {
  m_bLoading = true;
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
  m_bLoading = false;
}

QWidget* CDefineAttributeDialog::FocusWidget() const {
  const std::string& f = m_p.FocusField();
  if (f == CDefineAttributePresenter::kFieldName) return m_pName;
  if (f == CDefineAttributePresenter::kFieldBest) return m_pBest;
  if (f == CDefineAttributePresenter::kFieldWorst) return m_pWorst;
  if (f == CDefineAttributePresenter::kFieldGrades) return m_pGrades;
  return nullptr;
}

void CDefineAttributeDialog::Act(EDialogAction action) {
  ShowState();
  ApplyDialogAction(*this, action, FocusWidget());
}

// ---------------------------------------------------------------------------

CDefineAlternativeDialog::CDefineAlternativeDialog(CDefineAlternativePresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setWindowTitle(ToQt(p.Title()));
  setObjectName("defineAlternativeDialog");
  m_pName = new QLineEdit(ToQt(p.m_strName), this);
  m_pName->setObjectName("name");
  m_pDescription = new QPlainTextEdit(ToQt(p.m_strDescription), this);
  m_pDescription->setObjectName("description");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDefineAlternativeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow("Alternative &name:", m_pName);
  layout->addRow("&Description:", m_pDescription);
  layout->addRow(buttons);
}

void CDefineAlternativeDialog::accept() {
  m_p.m_strName = FromQt(m_pName->text());
  m_p.m_strDescription = FromQt(m_pDescription->toPlainText());
  ApplyDialogAction(*this, m_p.Ok(), m_pName);
}

// ---------------------------------------------------------------------------

CTextDialog::CTextDialog(CTextPresenter& p, QWidget* parent) : QDialog(parent), m_p(p) {
  setWindowTitle(ToQt(p.Title()));
  setObjectName("textDialog");
  m_pText = new QPlainTextEdit(ToQt(p.m_strText), this);
  m_pText->setObjectName("text");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CTextDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  if (!p.Prompt().empty()) {
    auto* prompt = new QLabel(ToQt(p.Prompt()), this);
    prompt->setObjectName("prompt");
    layout->addWidget(prompt);
  }
  layout->addWidget(m_pText);
  AddEditButtons(layout, m_pText);
  layout->addWidget(buttons);
  resize(420, 260);
}

void CTextDialog::accept() {
  m_p.m_strText = FromQt(m_pText->toPlainText());
  QDialog::accept();
}

bool CDefineAttributeDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the name confirms the dialog, as in a one-line field; the name
  // still wraps over several lines.
  if (watched == m_pName && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier) {
      m_pOk->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zev
