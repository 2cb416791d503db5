#include "app/dialogs/focus_guard.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace zev {

CFocusGuard::CFocusGuard(QWidget* window, std::function<std::string()> focusFieldName)
    : QObject(window), m_pWindow(window), m_focusFieldName(std::move(focusFieldName)) {
  connect(qApp, &QApplication::focusChanged, this, &CFocusGuard::FocusChanged);
}

void CFocusGuard::Guard(QWidget* field, std::function<bool()> check) {
  m_guarded.push_back(field);
  m_checks.push_back(std::move(check));
}

void CFocusGuard::OnFocus(QWidget* field, std::function<void()> entered) {
  m_watched.push_back(field);
  m_entered.push_back(std::move(entered));
}

void CFocusGuard::Exempt(QPushButton* button) { m_exempt.push_back(button); }

bool CFocusGuard::FocusNamed(const std::string& name) {
  if (name.empty()) return false;
  QWidget* field = m_pWindow->findChild<QWidget*>(QString::fromStdString(name));
  if (!field) return false;
  const bool bMoving = m_bMoving;
  m_bMoving = true;
  field->setFocus(Qt::OtherFocusReason);
  m_bMoving = bMoving;
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
    combo->lineEdit()->selectAll();
  }
  return true;
}

int CFocusGuard::Owner(const std::vector<QWidget*>& fields, QWidget* w) {
  if (!w) return -1;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i] == w || fields[i]->isAncestorOf(w)) return static_cast<int>(i);
  }
  return -1;
}

void CFocusGuard::FocusChanged(QWidget* old, QWidget* now) {
  if (!m_pWindow->isVisible() || !now || now->window() != m_pWindow) return;
  if (int i = Owner(m_watched, now); i >= 0) m_entered[static_cast<size_t>(i)]();
  if (m_bMoving) return;
  const int i = Owner(m_guarded, old);
  if (i < 0) return;
  QWidget* field = m_guarded[static_cast<size_t>(i)];
  if (field == now || field->isAncestorOf(now)) return;
  for (QPushButton* b : m_exempt) {
    if (b == now) return;
  }
  if (m_checks[static_cast<size_t>(i)]()) return;
  if (FocusNamed(m_focusFieldName())) return;
  m_bMoving = true;
  field->setFocus(Qt::OtherFocusReason);
  m_bMoving = false;
}

}  // namespace zev
