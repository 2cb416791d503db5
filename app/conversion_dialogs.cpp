#include "app/conversion_dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QPushButton* Button(const char* text, QWidget* parent, QLayout* layout) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  layout->addWidget(b);
  return b;
}

}  // namespace

CConvertGradesDialog::CConvertGradesDialog(CConvertGradesPresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setObjectName("convertGradesDialog");
  setWindowTitle(ToQt(p.Title()));
  auto* names = new QFormLayout;
  names->addRow("Child attribute:", Bold(p.ChildName(), this));
  names->addRow("Father attribute:", Bold(p.FatherName(), this));
  names->addRow("Child grade:", Bold(p.ChildGradeName(), this));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Father grade", this), 0, 0);
  grid->addWidget(new QLabel("Is equivalent to", this), 0, 1);
  for (int r = 0; r < CConvertGradesPresenter::kPageRows; ++r) {
    m_pDegree[r] = new QComboBox(this);
    m_pDegree[r]->setObjectName(QString::fromStdString(CConvertGradesPresenter::DegreeField(r)));
    m_pDegree[r]->setEditable(true);
    m_pDegree[r]->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& c : CConvertGradesPresenter::DegreeChoices()) {
      m_pDegree[r]->addItem(ToQt(c));
    }
    if (r >= p.Rows()) {
      m_pDegree[r]->hide();
      continue;
    }
    m_pDegree[r]->setEditText(ToQt(p.m_strDegree[r]));
    grid->addWidget(PlainLabel(ToQt(p.FatherGradeName(r)), this), r + 1, 0);
    grid->addWidget(m_pDegree[r], r + 1, 1);
    auto* definition = new QPushButton("?", this);
    definition->setAutoDefault(false);
    definition->setToolTip("The definition of this father grade");
    connect(definition, &QPushButton::clicked, this,
            [this, r] { m_p.ShowFatherGradeDefinition(r); });
    grid->addWidget(definition, r + 1, 2);
    connect(m_pDegree[r], &QComboBox::editTextChanged, this,
            [this, r](const QString& t) { m_p.m_strDegree[r] = FromQt(t); });
  }

  auto* side = new QHBoxLayout;
  connect(Button("Child &Description", this, side), &QPushButton::clicked, this,
          [this] { m_p.ShowChildDescription(); });
  connect(Button("&Father Description", this, side), &QPushButton::clicked, this,
          [this] { m_p.ShowFatherDescription(); });
  connect(Button("Child &Grade Definition", this, side), &QPushButton::clicked, this,
          [this] { m_p.ShowChildGradeDefinition(); });
  connect(Button("&Comments", this, side), &QPushButton::clicked, this,
          [this] { m_p.EditComment(); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_pOk = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &CConvertGradesDialog::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(grid);
  if (p.PageCount() > 1) {
    layout->addWidget(
        new QLabel(QString("Page %1 of %2").arg(p.Page() + 1).arg(p.PageCount()), this));
  }
  layout->addLayout(side);
  layout->addWidget(buttons);
}

void CConvertGradesDialog::Ok() {
  QWidget* focus = nullptr;
  EDialogAction action = m_p.Ok();
  for (int r = 0; r < m_p.Rows(); ++r) {
    if (m_p.FocusField() == CConvertGradesPresenter::DegreeField(r)) focus = m_pDegree[r];
  }
  ApplyDialogAction(*this, action, focus);
}

// ---------------------------------------------------------------------------

CConvertValuesDialog::CConvertValuesDialog(CConvertValuesPresenter& p, QWidget* parent)
    : QDialog(parent), m_p(p) {
  setObjectName("convertValuesDialog");
  setWindowTitle(ToQt(p.Title()));
  auto* names = new QFormLayout;
  names->addRow("Child attribute:", Bold(p.ChildName(), this));
  names->addRow("", PlainLabel(ToQt(p.ChildDescription()), this));
  names->addRow("Father attribute:", Bold(p.FatherName(), this));
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
    m_pValue[r]->setText(ToQt(p.m_strValue[r]));
    grid->addWidget(PlainLabel(ToQt(p.FatherGradeName(r)), this), r + 1, 0);
    grid->addWidget(m_pValue[r], r + 1, 1);
  }
  m_pComments = new QPlainTextEdit(ToQt(p.m_strComments), this);
  m_pComments->setMaximumHeight(80);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_pOk = buttons->button(QDialogButtonBox::Ok);
  m_pCancel = buttons->button(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    Take();
    Finish(m_p.Ok());
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &CConvertValuesDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(grid);
  if (p.PageCount() > 1) {
    layout->addWidget(
        new QLabel(QString("Page %1 of %2").arg(p.Page() + 1).arg(p.PageCount()), this));
  }
  layout->addWidget(new QLabel("Comments:", this));
  layout->addWidget(m_pComments);
  layout->addWidget(buttons);
  connect(qApp, &QApplication::focusChanged, this, &CConvertValuesDialog::OnFocusChanged);
}

CConvertValuesDialog::~CConvertValuesDialog() { disconnect(qApp, nullptr, this, nullptr); }

void CConvertValuesDialog::Take() {
  for (int r = 0; r < m_p.Rows(); ++r) m_p.m_strValue[r] = FromQt(m_pValue[r]->text());
  m_p.m_strComments = FromQt(m_pComments->toPlainText());
}

void CConvertValuesDialog::Finish(EDialogAction action) {
  m_bChecking = true;
  ApplyDialogAction(*this, action, nullptr);
  m_bChecking = false;
}

void CConvertValuesDialog::reject() {
  Take();
  Finish(m_p.Cancel());
}

void CConvertValuesDialog::closeEvent(QCloseEvent* event) {
  // The close box moves values beyond the range to their bounds, as Cancel does.
  Take();
  m_p.Close();
  QDialog::closeEvent(event);
}

void CConvertValuesDialog::OnFocusChanged(QWidget* old, QWidget* now) {
  if (m_bChecking || !old || !now || !isAncestorOf(now) || now == m_pOk || now == m_pCancel) return;
  for (int r = 0; r < m_p.Rows(); ++r) {
    if (old != m_pValue[r] || now == m_pValue[r]) continue;
    m_bChecking = true;
    m_p.m_strValue[r] = FromQt(m_pValue[r]->text());
    if (!m_p.ValueFocusLost(r)) m_pValue[r]->setFocus(Qt::OtherFocusReason);
    m_bChecking = false;
    return;
  }
}

}  // namespace zev
