#include "app/dialogs/field_window.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "app/dialogs/focus_guard.h"
#include "app/dialogs/qt_text.h"
#include "elicitation/entry_field.h"

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

void CFieldWindow::Bind(QLineEdit* field, CEntryField& entry) {
  Bind(field, ToQt(entry.Text()), [&entry](const QString& t) { entry.SetText(FromQt(t)); });
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

namespace {

// The longest number the fields show ("%1.6lf" of a utility, with a sign).
constexpr const char* kWidestNumber = "-0.000000";
// Texts longer than this many characters may scroll in their field.
constexpr int kLongestUncut = 40;
// Room beside the text of a field: its frame, margins and a caret.
constexpr int kFieldMargin = 16;
// Room in a title bar beside the title: the icon and three buttons.
constexpr int kTitleBarButtons = 140;

}  // namespace

void FitField(QWidget* field) {
  QLineEdit* edit = qobject_cast<QLineEdit*>(field);
  int extra = kFieldMargin;
  if (auto* combo = qobject_cast<QComboBox*>(field)) {
    if (!combo->isEditable()) return;
    edit = combo->lineEdit();
    // The arrow button beside the text.
    extra += combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
  }
  if (!edit) return;
  const QFontMetrics metrics(edit->font());
  // A long name may scroll; a number never does.
  const int text = std::max(
      std::min(metrics.horizontalAdvance(edit->text()), kLongestUncut * metrics.averageCharWidth()),
      metrics.horizontalAdvance(QString(kWidestNumber)));
  field->setMinimumWidth(std::max(field->minimumWidth(), text + extra));
}

int TitleWidth(const QWidget* window) {
  QFont font = window->font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarButtons;
}

void CFieldWindow::showEvent(QShowEvent* event) {
  if (!m_bFitted) {
    m_bFitted = true;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
      // The text part of an editable list is fitted with its list.
      if (!qobject_cast<QComboBox*>(edit->parentWidget())) FitField(edit);
    }
    for (QComboBox* combo : findChildren<QComboBox*>()) FitField(combo);
    setMinimumWidth(std::max(minimumWidth(), TitleWidth(this)));
    if (width() < minimumWidth()) resize(minimumWidth(), height());
  }
  QDialog::showEvent(event);
}

}  // namespace zev
