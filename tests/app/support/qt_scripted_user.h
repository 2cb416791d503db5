#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "tests/support/scripted_user.h"

namespace zev::test {

// The user of the desktop tests: the scripted user, with its texts as the
// user reads them (converted from code page 1252) and its problems
// collected for the test to check through Problems(). A modal dialog is
// played either on its presenter (as by the core tests) or on the real view
// over its presenter, shown without a modal loop and driven by a script
// with keys and clicks. A view script must close its dialog (OK or Cancel);
// nothing ever waits for a window.
class CQtScriptedUser : public CScriptedUser {
 public:
  using ViewScript = std::function<void(QDialog& view)>;

  CQtScriptedUser();

  using CScriptedUser::OnDialog;
  // Plays the next modal dialog, which must be of this presenter kind, on
  // its registered view.
  CQtScriptedUser& OnDialog(std::string kind, ViewScript script);

  QStringList Texts() const;
  QString LastText() const;
  // What went wrong so far: unexpected dialogs and questions, dialogs a
  // script left open, and answers and scripts never used.
  QStringList Problems() const;

 private:
  bool PlayView(CDialogPresenter& presenter, const ViewScript& script);
};

// Shows a window and makes it the active one, as a user's click would.
void Activate(QWidget* window);

// The widget with the focus now.
QWidget* Focused();
QString FocusedName();

// Keys typed at the widget that has the focus.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Alt and the accelerator letter of a label or button.
void Accelerator(char letter);
// Selects the whole text of the focused field and types over it.
void Retype(const QString& text);
// A mouse click on a child of the window, found by object name ("ok" and
// "cancel" also find the buttons of a standard button box).
void Click(QWidget* window, const char* name);

void FailMissingChild(const QString& name);

// A child found by object name; fails the running test when there is none.
template <typename W>
W* Child(QWidget* window, const QString& name) {
  W* w = window->findChild<W*>(name);
  if (!w) FailMissingChild(name);
  return w;
}

}  // namespace zev::test
