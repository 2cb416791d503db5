#include "app/dialogs/field_window.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialogs/focus_guard.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CFieldWindow::CFieldWindow(QWidget* parent, std::function<std::string()> focusField)
    : QDialog(parent), m_focusField(std::move(focusField)) {
  m_pGuard = new CFocusGuard(this, m_focusField);
}

CFieldWindow::~CFieldWindow() = default;

void CFieldWindow::Bind(QLineEdit* field, std::string& text) {
  Bind(field, ToQt(text), [&text](const QString& t) { text = FromQt(t); });
}

void CFieldWindow::Bind(QComboBox* field, std::string& text) {
  Bind(field, ToQt(text), [&text](const QString& t) { text = FromQt(t); });
}

void CFieldWindow::Bind(QPlainTextEdit* field, std::string& text) {
  Showing([&] { field->setPlainText(ToQt(text)); });
  connect(field, &QPlainTextEdit::textChanged, this, [this, field, &text] {
    if (!m_bShowing) text = FromQt(field->toPlainText());
  });
}

void CFieldWindow::Bind(QLineEdit* field, const QString& shown,
                        std::function<void(const QString&)> store) {
  Showing([&] { field->setText(shown); });
  connect(field, &QLineEdit::textChanged, this, [this, store = std::move(store)](const QString& t) {
    if (!m_bShowing) store(t);
  });
}

void CFieldWindow::Bind(QComboBox* field, const QString& shown,
                        std::function<void(const QString&)> store) {
  Showing([&] { field->setEditText(shown); });
  connect(field, &QComboBox::editTextChanged, this,
          [this, store = std::move(store)](const QString& t) {
            if (!m_bShowing) store(t);
          });
}

void CFieldWindow::Showing(const std::function<void()>& show) {
  const bool bShowing = m_bShowing;
  m_bShowing = true;
  show();
  m_bShowing = bShowing;
}

void CFieldWindow::GuardField(QWidget* field, std::function<bool()> check) {
  m_pGuard->Guard(field, std::move(check));
}

void CFieldWindow::OnFieldFocus(QWidget* field, std::function<void()> entered) {
  m_pGuard->OnFocus(field, std::move(entered));
}

void CFieldWindow::ExemptButtons(std::vector<QPushButton*> buttons) {
  for (QPushButton* b : buttons) m_pGuard->Exempt(b);
}

void CFieldWindow::FocusPresenterField() { m_pGuard->FocusNamed(m_focusField()); }

QPushButton* CFieldWindow::AddButton(QLayout* layout, const QString& text, const char* name,
                                     std::function<void()> action) {
  auto* button = new QPushButton(text, this);
  if (name) button->setObjectName(name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, std::move(action));
  layout->addWidget(button);
  return button;
}

}  // namespace zev
