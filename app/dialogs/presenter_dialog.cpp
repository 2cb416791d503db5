#include "app/dialogs/presenter_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialogs/focus_guard.h"
#include "app/qt_text.h"

namespace zev {

CPresenterDialog::CPresenterDialog(CDialogPresenter& presenter, QWidget* parent)
    : QDialog(parent), m_presenter(presenter) {
  setWindowTitle(ToQt(presenter.Title()));
  setObjectName(presenter.DialogKind());
  m_pGuard = new CFocusGuard(this, [this] { return m_presenter.FocusField(); });
}

CPresenterDialog::~CPresenterDialog() = default;

void CPresenterDialog::accept() { Apply(OnOk()); }

void CPresenterDialog::reject() { Apply(OnCancel()); }

void CPresenterDialog::Apply(EDialogAction action) {
  switch (action) {
    case EDialogAction::CloseOk:
      QDialog::accept();
      break;
    case EDialogAction::CloseCancel:
      QDialog::reject();
      break;
    case EDialogAction::Stay:
      FocusPresenterField();
      break;
  }
}

void CPresenterDialog::FocusPresenterField() { m_pGuard->FocusNamed(m_presenter.FocusField()); }

void CPresenterDialog::GuardField(QWidget* field, std::function<bool()> check) {
  m_pGuard->Guard(field, std::move(check));
}

void CPresenterDialog::OnFieldFocus(QWidget* field, std::function<void()> entered) {
  m_pGuard->OnFocus(field, std::move(entered));
}

void CPresenterDialog::ExemptButtons(std::vector<QPushButton*> buttons) {
  for (QPushButton* b : buttons) m_pGuard->Exempt(b);
}

void CPresenterDialog::AddOkCancel(QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  m_pOk = new QPushButton(tr("OK"), this);
  m_pOk->setObjectName("ok");
  m_pOk->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("cancel");
  row->addWidget(m_pOk);
  row->addWidget(cancel);
  layout->addLayout(row);
  connect(m_pOk, &QPushButton::clicked, this, &CPresenterDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CPresenterDialog::reject);
  ExemptButtons({m_pOk, cancel});
}

void CPresenterDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_bFocusedOnce) {
    m_bFocusedOnce = true;
    FocusPresenterField();
  }
}

void AddEditButtons(QBoxLayout* layout, QPlainTextEdit* edit) {
  auto* row = new QHBoxLayout;
  struct SButton {
    const char* m_pszText;
    const char* m_pszName;
    void (QPlainTextEdit::*m_pAction)();
  };
  const SButton buttons[] = {{"&Copy", "copy", &QPlainTextEdit::copy},
                             {"&Paste", "paste", &QPlainTextEdit::paste},
                             {"Cu&t", "cut", &QPlainTextEdit::cut},
                             {"&Undo", "undo", &QPlainTextEdit::undo}};
  for (const SButton& b : buttons) {
    auto* button = new QPushButton(QObject::tr(b.m_pszText), edit->parentWidget());
    button->setObjectName(b.m_pszName);
    // The text keeps the focus and its selection.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, edit, b.m_pAction);
    row->addWidget(button);
  }
  row->addStretch();
  layout->addLayout(row);
}

QComboBox* NewPresetCombo(const std::vector<std::string>& presets, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // The typed text stays as typed; no completion from the presets.
  combo->setCompleter(nullptr);
  for (const std::string& p : presets) combo->addItem(ToQt(p));
  return combo;
}

}  // namespace zev
