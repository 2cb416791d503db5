#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/scripted_prompter.h"

namespace zev::test {

// A user for the desktop dialogs: message boxes are read and answered from a
// queue, and every modal dialog is the real view over its presenter, shown
// without a modal loop and played by a script that drives it with keys and
// clicks. A script must close its dialog (OK or Cancel); nothing ever waits
// for a window. Installs itself as the process's prompter for its lifetime.
class CQtScriptedUser : public CScriptedPrompter {
 public:
  using ViewScript = std::function<void(QDialog& view)>;

  CQtScriptedUser();

  CQtScriptedUser& Answer(EAnswer answer) {
    QueueAnswer(answer);
    return *this;
  }
  // Plays the next modal dialog, which must be of this presenter kind.
  CQtScriptedUser& OnDialog(std::string kind, ViewScript script) {
    m_scripts.emplace_back(std::move(kind), std::move(script));
    return *this;
  }
  CQtScriptedUser& ChooseFile(std::string path) {
    QueueFile(std::move(path));
    return *this;
  }
  using CScriptedPrompter::ChooseFile;

  QStringList Texts() const;
  QString LastText() const;

  // What went wrong so far: unexpected dialogs and questions, dialogs a
  // script left open, and answers and scripts never used.
  QStringList Problems() const;

  bool RunModal(CDialogPresenter& presenter) override;

 protected:
  std::vector<std::string> UnusedScripts() const override { return KindsOf(m_scripts); }

 private:
  std::deque<std::pair<std::string, ViewScript>> m_scripts;
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
