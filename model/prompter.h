#pragma once

#include <string>
#include <string_view>

namespace zev {

// The user-interaction port. The core never shows anything itself: every
// message, question and modal dialog goes through the prompter installed for
// the process (the desktop's message boxes and dialogs, the command-line
// tool's standard error, or a scripted user in tests).

enum class EIcon { None, Information, Warning, Error, Question };
enum class EButtons { Ok, YesNo, YesNoCancel };
enum class EAnswer { Ok, Yes, No, Cancel };

struct SMessage {
  std::string m_strText;
  EIcon m_icon = EIcon::None;
  EButtons m_buttons = EButtons::Ok;
  int m_nDefaultButton = 0;  // 0 = first button, 1 = second, 2 = third
  // The caption of the box; empty for the application's own name.
  std::string m_strTitle = {};
};

// What a dialog does after a user action.
enum class EDialogAction { Stay, CloseOk, CloseCancel };

// The logic of one modal dialog: its fields, its validation and what it
// writes back. A view shows it and forwards the user's actions; the prompter
// runs it. A presenter never shows a widget; its messages go through the
// prompter, and after a refusal FocusField() names the field that gets the
// focus back.
class CDialogPresenter {
 public:
  virtual ~CDialogPresenter() = default;
  // Names the kind of dialog, so that a prompter can pick the view for it.
  virtual const char* DialogKind() const = 0;
  virtual std::string Title() const = 0;

  const std::string& FocusField() const { return m_strFocusField; }
  void SetFocusField(std::string field) { m_strFocusField = std::move(field); }

 private:
  std::string m_strFocusField;
};

// A file chooser: the platform's Open or Save As window.
struct SFileChoice {
  bool m_bSave = false;
  std::string m_strTitle;
  // Filter in the form "ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||".
  std::string m_strFilter;
  // Appended (with its point) to a chosen name that has no extension.
  std::string m_strDefaultExt;
  // The proposed name on the way in, the chosen path on the way out.
  std::string m_strPath;
  bool m_bOverwritePrompt = true;
};

class CPrompter {
 public:
  virtual ~CPrompter() = default;

  // Shows a message box and returns the button chosen.
  virtual EAnswer Show(const SMessage& message) = 0;
  // Runs the presenter as a modal dialog; true when it was confirmed.
  virtual bool RunModal(CDialogPresenter& presenter) = 0;
  // Lets the user choose a file; false when cancelled.
  virtual bool ChooseFile(SFileChoice& choice) = 0;
  // Opens a file with the desktop's default application for it.
  virtual void OpenWithDesktop(const std::string& path) = 0;

  void Warning(std::string_view text);
  // A warning under its own caption (the heading that names the error).
  void Warning(std::string_view text, std::string_view title);
  void Information(std::string_view text);
  void Error(std::string_view text);
  // A message box without an icon.
  void Plain(std::string_view text);
  EAnswer AskYesNo(std::string_view text, EIcon icon = EIcon::Question, int nDefaultButton = 0);
  EAnswer AskYesNoCancel(std::string_view text, EIcon icon = EIcon::Question,
                         int nDefaultButton = 0);
};

// The prompter of the process. Until one is installed, messages go to
// standard error and every question takes its default button.
CPrompter& ThePrompter();
// Installs a prompter (nullptr restores the default) and returns the previous one.
CPrompter* SetPrompter(CPrompter* prompter);

// Installs a prompter for the lifetime of the scope.
class CPrompterScope {
 public:
  explicit CPrompterScope(CPrompter& prompter) : m_pPrevious(SetPrompter(&prompter)) {}
  ~CPrompterScope() { SetPrompter(m_pPrevious); }
  CPrompterScope(const CPrompterScope&) = delete;
  CPrompterScope& operator=(const CPrompterScope&) = delete;

 private:
  CPrompter* m_pPrevious;
};

// A prompter that writes every message to standard error and answers with
// the default button; modal dialogs are cancelled.
class CStderrPrompter : public CPrompter {
 public:
  EAnswer Show(const SMessage& message) override;
  bool RunModal(CDialogPresenter& presenter) override;
  // Nothing can be chosen without a user: cancelled.
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override;
};

// The answer a message box gives when its default button is taken.
EAnswer DefaultAnswer(const SMessage& message);

// Shown when a command runs out of memory: the command ends, the program
// and every open model stay.
inline constexpr const char* kOutOfMemoryMessage =
    "There is not enough memory to finish this command.\n"
    "Save your models, close what you do not need, and try again.";

// An internal error that a consistent model never reaches: an error box,
// then the program ends with exit code -1.
[[noreturn]] void InternalError(std::string_view text);

}  // namespace zev
