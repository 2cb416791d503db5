#include "tests/app/support/qt_scripted_user.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/dialog_view.h"
#include "app/dialogs/qt_text.h"

namespace zev::test {

CQtScriptedUser::CQtScriptedUser() : CScriptedUser(EProblems::Collect) {
  // The views the application registers, once: a test may replace some.
  static const bool bRegistered = [] {
    RegisterStandardDialogViews();
    return true;
  }();
  (void)bRegistered;
}

CQtScriptedUser& CQtScriptedUser::OnDialog(std::string kind, ViewScript script) {
  CScriptedUser::OnDialog(std::move(kind), [this, script = std::move(script)](CDialogPresenter& p) {
    return PlayView(p, script);
  });
  return *this;
}

QStringList CQtScriptedUser::Texts() const {
  QStringList texts;
  for (const SMessage& m : Messages()) texts << ToQt(m.m_strText);
  return texts;
}

QString CQtScriptedUser::LastText() const {
  return Messages().empty() ? QString() : ToQt(Messages().back().m_strText);
}

QStringList CQtScriptedUser::Problems() const {
  QStringList problems;
  for (const std::string& left : LeftOvers()) problems << ToQt(left);
  return problems;
}

bool CQtScriptedUser::PlayView(CDialogPresenter& presenter, const ViewScript& script) {
  QWidget* parent = QApplication::activeWindow();
  std::unique_ptr<QDialog> view(CreateDialogView(presenter, parent));
  if (!view) {
    Problem(std::string("no view for dialog ") + presenter.DialogKind());
    return false;
  }
  Activate(view.get());
  script(*view);
  if (view->isVisible()) {
    Problem(std::string("dialog ") + presenter.DialogKind() + " was left open");
    view->done(QDialog::Rejected);
  }
  const bool bConfirmed = view->result() == QDialog::Accepted;
  view.reset();
  if (parent) Activate(parent);
  return bConfirmed;
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
