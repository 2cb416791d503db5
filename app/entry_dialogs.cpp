#include "app/entry_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/presenter_dialog.h"
#include "app/model_dialogs.h"
#include "app/qt_text.h"

namespace zev {

namespace {

QLabel* Bold(const std::string& text, QWidget* parent) {
  auto* label = PlainLabel(ToQt(text), parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QComboBox* DegreeBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const char* choice : CQualitativeEntryPage::DegreeChoices()) box->addItem(choice);
  return box;
}

void SetComboText(QComboBox* box, const std::string& text) {
  QString t = ToQt(text);
  if (box->currentText() != t) box->setEditText(t);
}

}  // namespace

// ---------------------------------------------------------------------------

CEntryDialog::CEntryDialog(CAssessmentDialog& presenter, QWidget* parent)
    : QDialog(parent), m_presenter(presenter) {
  setWindowTitle(ToQt(presenter.Title()));
  connect(qApp, &QApplication::focusChanged, this, &CEntryDialog::OnFocusChanged);
}

CEntryDialog::~CEntryDialog() { disconnect(qApp, nullptr, this, nullptr); }

void CEntryDialog::Assemble(QWidget* body, bool bEvidence) {
  auto* names = new QFormLayout;
  names->addRow("Alternative:", Bold(m_presenter.AlternativeName(), this));
  names->addRow("Father attribute:", Bold(m_presenter.FatherName(), this));
  names->addRow("Attribute:", Bold(m_presenter.AttributeName(), this));

  auto* side = new QHBoxLayout;
  auto button = [this, side](const char* text, const char* name, auto action) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    side->addWidget(b);
  };
  if (bEvidence) button("&Provide &Evidence", "evidence", [this] { ProvideEvidence(); });
  button("&Provide Comments", "comments", [this] { m_presenter.ProvideComments(); });
  button("Al&ternative Definition", "alternativeDefinition",
         [this] { m_presenter.AlternativeDefinition(); });
  button("&Attribute Definition", "attributeDefinition",
         [this] { m_presenter.AttributeDefinition(); });
  button("Ho&w to Assess", "howToAssess", [this] { m_presenter.HowToAssess(); });

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_pOk = box->button(QDialogButtonBox::Ok);
  m_pCancel = box->button(QDialogButtonBox::Cancel);
  connect(box, &QDialogButtonBox::accepted, this, [this] { Act(Confirm()); });
  connect(box, &QDialogButtonBox::rejected, this, &CEntryDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addWidget(body);
  layout->addLayout(side);
  layout->addWidget(box);
  FocusPresenterField();
}

void CEntryDialog::AddField(const std::string& name, QWidget* widget) {
  // The presenter's field names double as object names, for tests and tools.
  widget->setObjectName(QString::fromStdString(name));
  m_fields[name] = widget;
}

QWidget* CEntryDialog::FieldWidget(const std::string& field) const {
  auto it = m_fields.find(field);
  return it == m_fields.end() ? nullptr : it->second;
}

void CEntryDialog::FocusPresenterField() {
  if (QWidget* w = FieldWidget(m_presenter.FocusField())) w->setFocus(Qt::OtherFocusReason);
}

void CEntryDialog::Act(EDialogAction action) {
  m_bClosing = action != EDialogAction::Stay;
  m_bChecking = true;
  ApplyDialogAction(*this, action, FieldWidget(m_presenter.FocusField()));
  m_bChecking = false;
}

void CEntryDialog::reject() { Act(Abandon()); }

void CEntryDialog::OnFocusChanged(QWidget* old, QWidget* now) {
  if (m_bChecking || m_bClosing || !old || !now || !isAncestorOf(now)) return;
  if (now == m_pOk || now == m_pCancel) return;
  for (const auto& [name, field] : m_fields) {
    if (field != old && !field->isAncestorOf(old)) continue;
    if (field == now || field->isAncestorOf(now)) return;
    m_bChecking = true;
    if (!FieldLeft(field)) FocusPresenterField();
    m_bChecking = false;
    return;
  }
}

// ---------------------------------------------------------------------------

CQualitativeEntryDialog::CQualitativeEntryDialog(CQualitativeEntryPage& p, QWidget* parent)
    : CEntryDialog(p, parent), m_p(p) {
  setObjectName("qualitativeEntryDialog");
  auto* body = new QWidget(this);
  auto* grid = new QGridLayout(body);
  grid->addWidget(new QLabel("Grade", body), 0, 0);
  grid->addWidget(new QLabel("Belief degree", body), 0, 2);
  for (int r = 0; r < kEntryPageRows; ++r) {
    m_pName[r] = new QLineEdit(body);
    m_pName[r]->setReadOnly(true);
    m_pName[r]->installEventFilter(this);
    m_pTick[r] = new QCheckBox(body);
    m_pTick[r]->setObjectName(QString("tick%1").arg(r));
    m_pDegree[r] = DegreeBox(body);
    m_pDegree[r]->lineEdit()->installEventFilter(this);
    grid->addWidget(m_pName[r], r + 1, 0);
    grid->addWidget(m_pTick[r], r + 1, 1);
    grid->addWidget(m_pDegree[r], r + 1, 2);
    AddField(CQualitativeEntryPage::NameField(r), m_pName[r]);
    AddField(CQualitativeEntryPage::DegreeField(r), m_pDegree[r]);
    connect(m_pTick[r], &QCheckBox::clicked, this, [this, r] {
      m_p.ToggleTick(r);
      ShowRows();
    });
    connect(m_pDegree[r], &QComboBox::editTextChanged, this, [this, r](const QString& text) {
      if (!m_bShowing) m_p.SetDegreeText(r, FromQt(text));
    });
  }
  m_pDefinition = new QPlainTextEdit(body);
  m_pDefinition->setReadOnly(true);
  m_pDefinition->setMaximumHeight(80);
  grid->addWidget(new QLabel("Definition of the selected grade:", body), kEntryPageRows + 1, 0, 1,
                  3);
  grid->addWidget(m_pDefinition, kEntryPageRows + 2, 0, 1, 3);
  if (m_p.PageCount() > 1) {
    grid->addWidget(
        new QLabel(QString("Page %1 of %2").arg(m_p.PageIndex() + 1).arg(m_p.PageCount()), body),
        kEntryPageRows + 3, 0, 1, 3);
  }
  ShowRows();
  Assemble(body, true);
}

void CQualitativeEntryDialog::ShowRows() {
  m_bShowing = true;
  for (int r = 0; r < kEntryPageRows; ++r) {
    const bool bShown = m_p.IsRowShown(r);
    m_pName[r]->setVisible(bShown);
    m_pTick[r]->setVisible(bShown);
    m_pDegree[r]->setVisible(bShown);
    if (!bShown) continue;
    m_pName[r]->setText(ToQt(m_p.GradeName(r)));
    m_pTick[r]->setChecked(m_p.IsTicked(r));
    SetComboText(m_pDegree[r], m_p.DegreeText(r));
    m_pDegree[r]->setEnabled(m_p.IsDegreeEnabled(r));
  }
  m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
  m_bShowing = false;
}

bool CQualitativeEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (int r = 0; r < kEntryPageRows; ++r) {
      if (watched == m_pName[r] || watched == m_pDegree[r]->lineEdit()) {
        m_p.SelectGrade(r);
        m_pDefinition->setPlainText(ToQt(m_p.SelectedDefinition()));
      }
    }
  }
  return CEntryDialog::eventFilter(watched, event);
}

EDialogAction CQualitativeEntryDialog::Confirm() {
  EDialogAction action = m_p.Ok();
  if (action == EDialogAction::Stay) ShowRows();
  return action;
}

void CQualitativeEntryDialog::ProvideEvidence() { m_p.ProvideEvidence(); }

// ---------------------------------------------------------------------------

CCertainValueDialog::CCertainValueDialog(CCertainValueEntry& p, QWidget* parent)
    : CEntryDialog(p, parent), m_p(p) {
  setObjectName("certainValueDialog");
  auto* body = new QWidget(this);
  auto* form = new QFormLayout(body);
  form->addRow("Best value:", PlainLabel(ToQt(p.BestText()), body));
  form->addRow("Worst value:", PlainLabel(ToQt(p.WorstText()), body));
  form->addRow("Unit:", PlainLabel(ToQt(p.Unit()), body));
  m_pValue = new QLineEdit(ToQt(p.ValueText()), body);
  m_pValue->setObjectName("value");
  form->addRow(CCertainValueEntry::kValueLabel, m_pValue);
  AddField(CCertainValueEntry::kFieldValue, m_pValue);
  connect(m_pValue, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_p.SetValueText(FromQt(t)); });
  Assemble(body, false);
}

bool CCertainValueDialog::FieldLeft(QWidget*) { return m_p.ValueFocusLost(); }
EDialogAction CCertainValueDialog::Confirm() { return m_p.Ok(); }
EDialogAction CCertainValueDialog::Abandon() { return m_p.Cancel(); }

// ---------------------------------------------------------------------------

CPossibleValueCountDialog::CPossibleValueCountDialog(CPossibleValueCount& p, QWidget* parent)
    : CEntryDialog(p, parent), m_p(p) {
  setObjectName("possibleValueCountDialog");
  auto* body = new QWidget(this);
  auto* form = new QFormLayout(body);
  m_pNumber = new QComboBox(body);
  m_pNumber->setEditable(true);
  m_pNumber->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& choice : CPossibleValueCount::NumberChoices()) {
    m_pNumber->addItem(ToQt(choice));
  }
  m_pNumber->setEditText(ToQt(p.NumberText()));
  form->addRow("Number of possible values:", m_pNumber);
  form->addRow("Minimum:", PlainLabel(ToQt(CPossibleValueCount::MinimumText()), body));
  form->addRow("Maximum:", PlainLabel(ToQt(CPossibleValueCount::MaximumText()), body));
  AddField(CPossibleValueCount::kFieldNumber, m_pNumber);
  connect(m_pNumber, &QComboBox::editTextChanged, this,
          [this](const QString& t) { m_p.SetNumberText(FromQt(t)); });
  Assemble(body, false);
}

bool CPossibleValueCountDialog::FieldLeft(QWidget*) { return m_p.NumberFocusLost(); }
EDialogAction CPossibleValueCountDialog::Confirm() { return m_p.Ok(); }
EDialogAction CPossibleValueCountDialog::Abandon() { return m_p.Cancel(); }

// ---------------------------------------------------------------------------

CUncertainEntryDialog::CUncertainEntryDialog(CUncertainEntryPage& p, QWidget* parent)
    : CEntryDialog(p, parent), m_p(p) {
  setObjectName("uncertainEntryDialog");
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
    m_pValue[r] = new QLineEdit(body);
    m_pDegree[r] = DegreeBox(body);
    grid->addWidget(m_pValue[r], r + 1, 0);
    grid->addWidget(m_pDegree[r], r + 1, 1);
    AddField(CUncertainEntryPage::ValueField(r), m_pValue[r]);
    AddField(CUncertainEntryPage::DegreeField(r), m_pDegree[r]);
    const bool bShown = p.IsRowShown(r);
    m_pValue[r]->setVisible(bShown);
    m_pDegree[r]->setVisible(bShown);
    if (bShown) {
      m_pValue[r]->setText(ToQt(p.ValueText(r)));
      m_pDegree[r]->setEditText(ToQt(p.DegreeText(r)));
    }
    connect(m_pValue[r], &QLineEdit::textEdited, this,
            [this, r](const QString& t) { m_p.SetValueText(r, FromQt(t)); });
    connect(m_pDegree[r], &QComboBox::editTextChanged, this,
            [this, r](const QString& t) { m_p.SetDegreeText(r, FromQt(t)); });
  }
  layout->addLayout(grid);
  if (p.PageCount() > 1) {
    layout->addWidget(
        new QLabel(QString("Page %1 of %2").arg(p.PageIndex() + 1).arg(p.PageCount()), body));
  }
  Assemble(body, false);
}

EDialogAction CUncertainEntryDialog::Confirm() { return m_p.Ok(); }

// ---------------------------------------------------------------------------

CGradeTextDialog::CGradeTextDialog(CGradeTextPresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setObjectName("gradeTextDialog");
  setWindowTitle(ToQt(p.Title()));
  m_pGrades = new QListWidget(this);
  for (const CGradeTextPresenter::SGrade& g : p.GradeList()) m_pGrades->addItem(ToQt(g.m_strName));
  if (p.PickedGrade() >= 0 && p.PickedGrade() < m_pGrades->count()) {
    m_pGrades->setCurrentRow(p.PickedGrade());
  }
  m_pDefinition = new QPlainTextEdit(ToQt(p.PickedDefinition()), this);
  m_pDefinition->setReadOnly(true);
  m_pText = new QPlainTextEdit(ToQt(p.m_strText), this);
  m_pText->setObjectName("text");
  connect(m_pGrades, &QListWidget::currentRowChanged, this, [this](int row) {
    m_p.PickGrade(row);
    m_pDefinition->setPlainText(ToQt(m_p.PickedDefinition()));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CGradeTextDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel("Grades:", this));
  left->addWidget(m_pGrades);
  left->addWidget(new QLabel("Definition:", this));
  left->addWidget(m_pDefinition);
  auto* right = new QVBoxLayout;
  if (p.ShowsEvidence()) {
    auto* evidence = new QPlainTextEdit(ToQt(p.Evidence()), this);
    evidence->setReadOnly(true);
    right->addWidget(new QLabel("Evidence:", this));
    right->addWidget(evidence);
    right->addWidget(new QLabel("Comments:", this));
  } else {
    right->addWidget(new QLabel("Evidence:", this));
  }
  right->addWidget(m_pText);
  AddEditButtons(right, m_pText);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  resize(560, 340);
}

void CGradeTextDialog::accept() {
  m_p.m_strText = FromQt(m_pText->toPlainText());
  QDialog::accept();
}

}  // namespace zev
