#include "app/dialogs/rename_grade_window.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/focus_guard.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CRenameGradeWindow::CRenameGradeWindow(CMADMDoc& doc, QWidget* parent)
    : QDialog(parent), m_p(doc) {
  using P = CRenameGradePresenter;
  setObjectName("RenameGrade");
  setWindowTitle(ToQt(P::Title()));
  setModal(false);
  m_pGuard = new CFocusGuard(this, [this] { return m_p.FocusField(); });
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_pFrom = new QLineEdit(this);
  m_pFrom->setObjectName(P::kFieldFrom);
  m_pTo = new QLineEdit(this);
  m_pTo->setObjectName(P::kFieldTo);
  form->addRow(tr("&From:"), m_pFrom);
  form->addRow(tr("&To:"), m_pTo);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* change = new QPushButton(tr("C&hange"), this);
  change->setObjectName("change");
  change->setDefault(true);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("close");
  buttons->addWidget(change);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(m_pFrom, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_p.m_strFrom = FromQt(t); });
  connect(m_pTo, &QLineEdit::textEdited, this, [this](const QString& t) { m_p.m_strTo = FromQt(t); });
  m_pGuard->Guard(m_pFrom, [this] { return m_p.FromFocusLost(); });
  m_pGuard->Guard(m_pTo, [this] { return m_p.ToFocusLost(); });
  // Changing checks both texts itself; closing needs no text at all.
  m_pGuard->Exempt(change);
  m_pGuard->Exempt(close);
  connect(change, &QPushButton::clicked, this, [this] {
    if (!m_p.Change()) m_pGuard->FocusNamed(m_p.FocusField());
  });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  m_pFrom->setFocus();
}

}  // namespace zev
