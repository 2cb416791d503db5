#include "app/dialogs/conversion_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QPushButton* AddButton(QWidget* dialog, QBoxLayout* row, const char* text, const char* name) {
  auto* button = new QPushButton(QObject::tr(text), dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

QLabel* PageLabel(int nPage, int nPages, QWidget* parent) {
  auto* page = new QLabel(QObject::tr("Father grades, page %1 of %2").arg(nPage + 1).arg(nPages),
                          parent);
  page->setObjectName("page");
  return page;
}

}  // namespace

CConvertGradesDialog::CConvertGradesDialog(CConvertGradesPresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CConvertGradesPresenter;
  auto* layout = new QVBoxLayout(this);
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(tr("Child Attribute:"), this), 0, 0);
  names->addWidget(BoldLabel(m_p.ChildName(), "childName", this), 0, 1);
  names->addWidget(new QLabel(tr("Father Attribute:"), this), 1, 0);
  names->addWidget(BoldLabel(m_p.FatherName(), "fatherName", this), 1, 1);
  names->addWidget(new QLabel(tr("Child Grade:"), this), 2, 0);
  names->addWidget(BoldLabel(m_p.ChildGradeName(), "childGrade", this), 2, 1);
  names->setColumnStretch(1, 1);
  layout->addLayout(names);
  if (m_p.PageCount() > 1) layout->addWidget(PageLabel(m_p.Page(), m_p.PageCount(), this));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Father Grade"), this), 0, 0);
  for (int row = 0; row < m_p.Rows(); ++row) {
    auto* name = new QLabel(ToQt(m_p.FatherGradeName(row)), this);
    name->setObjectName(QString("fatherGrade%1").arg(row));
    auto* degree = NewPresetCombo(P::DegreeChoices(), this);
    degree->setObjectName(QString::fromStdString(P::DegreeField(row)));
    degree->setEditText(ToQt(m_p.m_strDegree[row]));
    grid->addWidget(name, row + 1, 0);
    grid->addWidget(new QLabel(tr("Is equivalent to"), this), row + 1, 1);
    grid->addWidget(degree, row + 1, 2);
    connect(degree, &QComboBox::editTextChanged, this,
            [this, row](const QString& t) { m_p.m_strDegree[row] = FromQt(t); });
    OnFieldFocus(degree, [this, row] { m_nRow = row; });
  }
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  connect(AddButton(this, buttons, "C&hild Attribute", "childDescription"), &QPushButton::clicked,
          this, [this] { m_p.ShowChildDescription(); });
  connect(AddButton(this, buttons, "&Father Attribute", "fatherDescription"), &QPushButton::clicked,
          this, [this] { m_p.ShowFatherDescription(); });
  connect(AddButton(this, buttons, "Child &Grade", "childGradeDefinition"), &QPushButton::clicked,
          this, [this] { m_p.ShowChildGradeDefinition(); });
  connect(AddButton(this, buttons, "Father G&rade", "fatherGradeDefinition"),
          &QPushButton::clicked, this, [this] { m_p.ShowFatherGradeDefinition(m_nRow); });
  connect(AddButton(this, buttons, "&Comment", "comment"), &QPushButton::clicked, this,
          [this] { m_p.EditComment(); });
  buttons->addStretch();
  layout->addLayout(buttons);
  AddOkCancel(layout);
  if (m_p.Rows() > 0) findChild<QWidget*>(QString::fromStdString(P::DegreeField(0)))->setFocus();
}

CConvertValuesDialog::CConvertValuesDialog(CConvertValuesPresenter& presenter, QWidget* parent)
    : CPresenterDialog(presenter, parent), m_p(presenter) {
  using P = CConvertValuesPresenter;
  auto* layout = new QVBoxLayout(this);
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(tr("Child Attribute:"), this), 0, 0);
  names->addWidget(BoldLabel(m_p.ChildName(), "childName", this), 0, 1, 1, 3);
  auto* childDescription = new QLabel(ToQt(m_p.ChildDescription()), this);
  childDescription->setObjectName("childDescription");
  childDescription->setWordWrap(true);
  names->addWidget(childDescription, 1, 1, 1, 3);
  names->addWidget(new QLabel(tr("Father Attribute:"), this), 2, 0);
  names->addWidget(BoldLabel(m_p.FatherName(), "fatherName", this), 2, 1, 1, 3);
  auto* fatherDescription = new QLabel(ToQt(m_p.FatherDescription()), this);
  fatherDescription->setObjectName("fatherDescription");
  fatherDescription->setWordWrap(true);
  names->addWidget(fatherDescription, 3, 1, 1, 3);
  names->addWidget(new QLabel(tr("Best Value:"), this), 4, 0);
  names->addWidget(BoldLabel(m_p.BestText(), "best", this), 4, 1);
  names->addWidget(new QLabel(tr("Worst Value:"), this), 4, 2);
  names->addWidget(BoldLabel(m_p.WorstText(), "worst", this), 4, 3);
  layout->addLayout(names);
  if (m_p.PageCount() > 1) layout->addWidget(PageLabel(m_p.Page(), m_p.PageCount(), this));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Father Grade"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Child Value"), this), 0, 1);
  for (int row = 0; row < m_p.Rows(); ++row) {
    auto* value = new QLineEdit(ToQt(m_p.m_strValue[row]), this);
    value->setObjectName(QString::fromStdString(P::ValueField(row)));
    grid->addWidget(new QLabel(ToQt(m_p.FatherGradeName(row)), this), row + 1, 0);
    grid->addWidget(value, row + 1, 1);
    connect(value, &QLineEdit::textEdited, this,
            [this, row](const QString& t) { m_p.m_strValue[row] = FromQt(t); });
    GuardField(value, [this, row] { return m_p.ValueFocusLost(row); });
  }
  layout->addLayout(grid);

  auto* commentsLabel = new QLabel(tr("Co&mments:"), this);
  m_pComments = new QPlainTextEdit(ToQt(m_p.m_strComments), this);
  m_pComments->setObjectName("comments");
  m_pComments->setTabChangesFocus(true);
  m_pComments->setMaximumHeight(m_pComments->fontMetrics().lineSpacing() * 4 + 12);
  commentsLabel->setBuddy(m_pComments);
  layout->addWidget(commentsLabel);
  layout->addWidget(m_pComments);
  AddEditButtons(layout, m_pComments);
  AddOkCancel(layout);
  if (m_p.Rows() > 0) findChild<QWidget*>(QString::fromStdString(P::ValueField(0)))->setFocus();
}

EDialogAction CConvertValuesDialog::OnOk() {
  m_p.m_strComments = FromQt(m_pComments->toPlainText());
  return m_p.Ok();
}

EDialogAction CConvertValuesDialog::OnCancel() {
  m_p.m_strComments = FromQt(m_pComments->toPlainText());
  return m_p.Cancel();
}

}  // namespace zev
