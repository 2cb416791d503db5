#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/prompter.h"

namespace zev::test {

// A user who reads every message, answers from a queue and plays modal
// dialogs from scripts. Installs itself as the process's prompter for its
// lifetime and fails the test if a question arrives unanswered or a queued
// answer or dialog script is left over.
class CScriptedUser : public CPrompter {
 public:
  using DialogScript = std::function<bool(CDialogPresenter&)>;

  CScriptedUser();
  ~CScriptedUser() override;
  CScriptedUser(const CScriptedUser&) = delete;
  CScriptedUser& operator=(const CScriptedUser&) = delete;

  // Queues the answer to the next Yes/No or Yes/No/Cancel question.
  CScriptedUser& Answer(EAnswer answer);
  // Lets the next dialog of the given kind be played by a script, which
  // returns whether the dialog was confirmed.
  CScriptedUser& OnDialog(std::string kind, DialogScript script);
  // The same with the presenter's own type (which names its kind in kKind).
  template <typename P>
  CScriptedUser& OnDialog(std::function<bool(P&)> script) {
    return OnDialog(P::kKind, [script](CDialogPresenter& p) {
      return script(static_cast<P&>(p));
    });
  }

  // Queues the path the user picks in the next file chooser ("" cancels it).
  CScriptedUser& ChooseFile(std::string path);
  // The file choosers shown so far and the files opened for the user.
  const std::vector<SFileChoice>& FileChoices() const { return m_fileChoices; }
  const std::vector<std::string>& OpenedFiles() const { return m_opened; }

  // Every message shown so far, in order.
  const std::vector<SMessage>& Messages() const { return m_messages; }
  std::vector<std::string> Texts() const;
  // The text of the only message shown; fails the test otherwise.
  std::string OnlyText() const;
  const SMessage& Last() const;
  std::size_t Count() const { return m_messages.size(); }
  // The kinds of the dialogs run so far, in order.
  const std::vector<std::string>& Dialogs() const { return m_dialogs; }
  void Clear();

  EAnswer Show(const SMessage& message) override;
  bool RunModal(CDialogPresenter& presenter) override;
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override { m_opened.push_back(path); }

 private:
  std::deque<std::string> m_paths;
  std::vector<SFileChoice> m_fileChoices;
  std::vector<std::string> m_opened;
  CPrompter* m_pPrevious;
  std::deque<EAnswer> m_answers;
  std::deque<std::pair<std::string, DialogScript>> m_scripts;
  std::vector<SMessage> m_messages;
  std::vector<std::string> m_dialogs;
};

}  // namespace zev::test
