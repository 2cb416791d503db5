#include "tests/dialogs/qt_scripted_user.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/dialog_views.h"
#include "app/qt_text.h"

namespace zev::test {

CQtScriptedUser::CQtScriptedUser() : m_pPrevious(SetPrompter(this)) {
  // The views the application registers, this library's among them.
  RegisterStandardDialogViews();
}

CQtScriptedUser::~CQtScriptedUser() { SetPrompter(m_pPrevious); }

CQtScriptedUser& CQtScriptedUser::Answer(EAnswer answer) {
  m_answers.push_back(answer);
  return *this;
}

CQtScriptedUser& CQtScriptedUser::OnDialog(std::string kind, ViewScript script) {
  m_scripts.emplace_back(std::move(kind), std::move(script));
  return *this;
}

CQtScriptedUser& CQtScriptedUser::ChooseFile(std::string path) {
  m_paths.push_back(std::move(path));
  return *this;
}

QStringList CQtScriptedUser::Texts() const {
  QStringList texts;
  for (const SMessage& m : m_messages) texts << ToQt(m.m_strText);
  return texts;
}

QString CQtScriptedUser::LastText() const {
  return m_messages.empty() ? QString() : ToQt(m_messages.back().m_strText);
}

void CQtScriptedUser::Clear() {
  m_messages.clear();
  m_dialogs.clear();
}

QStringList CQtScriptedUser::Problems() const {
  QStringList problems = m_problems;
  if (!m_answers.empty()) problems << QString("%1 answers never asked for").arg(m_answers.size());
  for (const auto& [kind, script] : m_scripts) {
    problems << QString("dialog %1 never shown").arg(QString::fromStdString(kind));
  }
  if (!m_paths.empty()) problems << "file choices never shown";
  return problems;
}

EAnswer CQtScriptedUser::Show(const SMessage& message) {
  m_messages.push_back(message);
  if (message.m_buttons == EButtons::Ok) return EAnswer::Ok;
  if (m_answers.empty()) {
    m_problems << "unanswered question: " + ToQt(message.m_strText);
    return DefaultAnswer(message);
  }
  EAnswer answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

bool CQtScriptedUser::RunModal(CDialogPresenter& presenter) {
  m_dialogs.push_back(presenter.DialogKind());
  if (m_scripts.empty()) {
    m_problems
        << QString("unexpected dialog %1: %2").arg(presenter.DialogKind(), ToQt(presenter.Title()));
    return false;
  }
  auto [kind, script] = std::move(m_scripts.front());
  m_scripts.pop_front();
  if (kind != presenter.DialogKind()) {
    m_problems << QString("expected dialog %1, got %2")
                      .arg(QString::fromStdString(kind), presenter.DialogKind());
    return false;
  }
  QWidget* parent = QApplication::activeWindow();
  std::unique_ptr<QDialog> view(CreateDialogView(presenter, parent));
  if (!view) {
    m_problems << QString("no view for dialog %1").arg(presenter.DialogKind());
    return false;
  }
  Activate(view.get());
  script(*view);
  if (view->isVisible()) {
    m_problems << QString("dialog %1 was left open").arg(presenter.DialogKind());
    view->done(QDialog::Rejected);
  }
  const bool bConfirmed = view->result() == QDialog::Accepted;
  view.reset();
  if (parent) Activate(parent);
  return bConfirmed;
}

bool CQtScriptedUser::ChooseFile(SFileChoice& choice) {
  if (m_paths.empty()) {
    m_problems << "unexpected file chooser: " + ToQt(choice.m_strTitle);
    return false;
  }
  choice.m_strPath = m_paths.front();
  m_paths.pop_front();
  return !choice.m_strPath.empty();
}

void Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QCoreApplication::processEvents();
}

QWidget* Focused() { return QApplication::focusWidget(); }

QString FocusedName() {
  QWidget* w = Focused();
  if (!w) return QString();
  // The line edit inside an editable drop-down list answers for the list.
  if (auto* combo = qobject_cast<QComboBox*>(w->parentWidget())) return combo->objectName();
  return w->objectName();
}

void Type(const QString& text) {
  for (QChar c : text) {
    QWidget* w = Focused();
    if (!w) return;
    // Characters beyond ASCII have no key of their own: they arrive as text.
    if (c.unicode() < 0x80) {
      QTest::keyClick(w, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (QWidget* w = Focused()) QTest::keyClick(w, key, modifiers);
}

namespace {

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return QChar();
}

}  // namespace

void Accelerator(char letter) {
  QWidget* w = Focused();
  if (!w) return;
  // A button's accelerator clicks it on a timer (the press is animated);
  // the same click is made here at once, on the one button that carries the
  // letter, so that no test has to wait.
  QAbstractButton* target = nullptr;
  for (QAbstractButton* b : w->window()->findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || !b->isEnabled() || Mnemonic(b->text()) != QChar(letter).toLower()) {
      continue;
    }
    if (target) {
      QTest::qFail(qPrintable(QString("accelerator %1 is ambiguous").arg(letter)), __FILE__,
                   __LINE__);
      return;
    }
    target = b;
  }
  if (target) {
    target->setFocus(Qt::ShortcutFocusReason);
    target->click();
    return;
  }
  QTest::keyClick(w, letter, Qt::AltModifier);
}

void Retype(const QString& text) {
  QWidget* w = Focused();
  if (!w) return;
  QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(w, Qt::Key_Delete);
  Type(text);
}

void Click(QWidget* window, const char* name) {
  QWidget* w = window->findChild<QWidget*>(name);
  // OK and Cancel of a standard button box carry no names of their own.
  if (!w && (qstrcmp(name, "ok") == 0 || qstrcmp(name, "cancel") == 0)) {
    for (auto* box : window->findChildren<QDialogButtonBox*>()) {
      w = box->button(qstrcmp(name, "ok") == 0 ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
      if (w) break;
    }
  }
  if (!w) {
    FailMissingChild(name);
    return;
  }
  // A check box or radio button takes a click on its indicator, which the
  // middle of a widget stretched by its layout may miss.
  if (auto* b = qobject_cast<QAbstractButton*>(w);
      b && b->isCheckable() && !qobject_cast<QPushButton*>(w)) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, w->height() / 2));
    return;
  }
  QTest::mouseClick(w, Qt::LeftButton);
}

void FailMissingChild(const QString& name) {
  QTest::qFail(qPrintable("no child named " + name), __FILE__, __LINE__);
}

}  // namespace zev::test
