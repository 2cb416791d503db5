#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/prompter.h"

namespace zev::test {

// What every scripted user of the tests shares: installed as the process's
// prompter for its lifetime, it records every message, answers questions
// and file windows from queues, and notes whatever it was not prepared for
// as a problem. How modal dialogs are played is left to the kind of user.
class CScriptedPrompter : public CPrompter {
 public:
  CScriptedPrompter();
  ~CScriptedPrompter() override;
  CScriptedPrompter(const CScriptedPrompter&) = delete;
  CScriptedPrompter& operator=(const CScriptedPrompter&) = delete;

  // Queues the answer to the next Yes/No or Yes/No/Cancel question.
  void QueueAnswer(EAnswer answer) { m_answers.push_back(answer); }
  // Queues the path picked in the next file window ("" cancels it).
  void QueueFile(std::string path) { m_paths.push_back(std::move(path)); }

  // Every message shown so far, in order.
  const std::vector<SMessage>& Messages() const { return m_messages; }
  // The kinds of the dialogs run so far, in order.
  const std::vector<std::string>& Dialogs() const { return m_dialogs; }
  const std::vector<SFileChoice>& FileChoices() const { return m_fileChoices; }
  const std::vector<std::string>& OpenedFiles() const { return m_opened; }
  void Clear();

  // The problems so far and what was queued but never used.
  std::vector<std::string> LeftOvers() const;

  EAnswer Show(const SMessage& message) override;
  // Like the platform's file window, a name typed without an extension gets
  // the default one.
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override { m_opened.push_back(path); }

 protected:
  // Notes something the script did not prepare for.
  virtual void Problem(const std::string& what) { m_problems.push_back(what); }
  void RecordDialog(const char* kind) { m_dialogs.emplace_back(kind); }
  // Takes the next script from a queue of (kind, script) for a dialog about
  // to run, noting a problem when there is none or it is for another kind.
  template <typename S>
  bool TakeScript(std::deque<std::pair<std::string, S>>& queue, const CDialogPresenter& presenter,
                  S& script) {
    RecordDialog(presenter.DialogKind());
    if (queue.empty()) {
      Problem(std::string("unexpected dialog ") + presenter.DialogKind() + ": " +
              presenter.Title());
      return false;
    }
    auto [kind, next] = std::move(queue.front());
    queue.pop_front();
    if (kind != presenter.DialogKind()) {
      Problem("expected dialog " + kind + ", got " + presenter.DialogKind());
      return false;
    }
    script = std::move(next);
    return true;
  }
  template <typename S>
  static std::vector<std::string> KindsOf(const std::deque<std::pair<std::string, S>>& queue) {
    std::vector<std::string> kinds;
    for (const auto& entry : queue) kinds.push_back(entry.first);
    return kinds;
  }
  // Names the scripts still queued, for LeftOvers().
  virtual std::vector<std::string> UnusedScripts() const { return {}; }

 private:
  CPrompter* m_pPrevious;
  std::deque<EAnswer> m_answers;
  std::deque<std::string> m_paths;
  std::vector<SMessage> m_messages;
  std::vector<std::string> m_dialogs;
  std::vector<SFileChoice> m_fileChoices;
  std::vector<std::string> m_opened;
  std::vector<std::string> m_problems;
};

// A scripted user whose modal dialogs are played by scripts on their
// presenters, without any view.
class CPresenterScriptedPrompter : public CScriptedPrompter {
 public:
  using DialogScript = std::function<bool(CDialogPresenter&)>;

  // Lets the next dialog, which must be of this kind, be played by a
  // script that returns whether the dialog was confirmed.
  void QueueDialog(std::string kind, DialogScript script) {
    m_scripts.emplace_back(std::move(kind), std::move(script));
  }
  template <typename P>
  void QueueDialog(std::function<bool(P&)> script) {
    QueueDialog(P::kKind, [script](CDialogPresenter& p) { return script(static_cast<P&>(p)); });
  }

  bool RunModal(CDialogPresenter& presenter) override;

 protected:
  std::vector<std::string> UnusedScripts() const override { return KindsOf(m_scripts); }

 private:
  std::deque<std::pair<std::string, DialogScript>> m_scripts;
};

}  // namespace zev::test
