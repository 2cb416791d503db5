#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/prompter.h"

namespace zev::test {

// The user of the tests. Installed as the process's prompter for its
// lifetime, it records every message, answers questions and file windows
// from queues, and plays every modal dialog with a script queued for the
// dialog's kind. Whatever it was not prepared for is a problem: by default
// it fails the running test at once, and whatever was queued but never
// used fails it at the end; a collecting user only lists them in Problems().
class CScriptedUser : public CPrompter {
 public:
  // Plays one dialog on its presenter; returns whether it was confirmed.
  using DialogScript = std::function<bool(CDialogPresenter&)>;
  enum class EProblems { FailTest, Collect };

  explicit CScriptedUser(EProblems problems = EProblems::FailTest);
  ~CScriptedUser() override;
  CScriptedUser(const CScriptedUser&) = delete;
  CScriptedUser& operator=(const CScriptedUser&) = delete;

  // The answer to the next Yes/No or Yes/No/Cancel question.
  CScriptedUser& Answer(EAnswer answer) {
    m_answers.push_back(answer);
    return *this;
  }
  // The path picked in the next file window ("" cancels it).
  CScriptedUser& ChooseFile(std::string path) {
    m_paths.push_back(std::move(path));
    return *this;
  }
  // The next dialog, which must be of this kind, is played by the script.
  CScriptedUser& OnDialog(std::string kind, DialogScript script) {
    m_scripts.emplace_back(std::move(kind), std::move(script));
    return *this;
  }
  template <typename P>
  CScriptedUser& OnDialog(std::function<bool(P&)> script) {
    return OnDialog(P::kKind, [script](CDialogPresenter& p) { return script(static_cast<P&>(p)); });
  }

  // Every message shown so far, in order, and their texts.
  const std::vector<SMessage>& Messages() const { return m_messages; }
  std::vector<std::string> Texts() const;
  // The text of the only message shown; fails the test otherwise.
  std::string OnlyText() const;
  const SMessage& Last() const;
  std::size_t Count() const { return m_messages.size(); }
  // The kinds of the dialogs run so far, in order.
  const std::vector<std::string>& Dialogs() const { return m_dialogs; }
  const std::vector<SFileChoice>& FileChoices() const { return m_fileChoices; }
  const std::vector<std::string>& OpenedFiles() const { return m_opened; }
  // Forgets the messages and dialogs seen so far.
  void Clear();
  // The problems so far, and what was queued but never used.
  std::vector<std::string> LeftOvers() const;

  EAnswer Show(const SMessage& message) override;
  bool RunModal(CDialogPresenter& presenter) override;
  // Like the platform's file window, a name typed without an extension gets
  // the default one.
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override { m_opened.push_back(path); }

 protected:
  // Notes something the script did not prepare for.
  void Problem(const std::string& what);

 private:
  EProblems m_problemMode;
  CPrompter* m_pPrevious;
  std::deque<EAnswer> m_answers;
  std::deque<std::string> m_paths;
  std::deque<std::pair<std::string, DialogScript>> m_scripts;
  std::vector<SMessage> m_messages;
  std::vector<std::string> m_dialogs;
  std::vector<SFileChoice> m_fileChoices;
  std::vector<std::string> m_opened;
  std::vector<std::string> m_problems;
};

}  // namespace zev::test
