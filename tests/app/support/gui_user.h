#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/prompter.h"

namespace zev::test {

// The user of the desktop tests: installed as the prompter for its
// lifetime, it records every message, answers questions from a queue, plays
// modal dialogs from scripts and picks files from a queue, so that no test
// ever waits on a window. Whatever it was not prepared for is noted in
// Unexpected(), which every test checks at its end.
class CGuiUser : public CPrompter {
 public:
  using DialogScript = std::function<bool(CDialogPresenter&)>;

  CGuiUser();
  ~CGuiUser() override;
  CGuiUser(const CGuiUser&) = delete;
  CGuiUser& operator=(const CGuiUser&) = delete;

  CGuiUser& Answer(EAnswer answer);
  CGuiUser& OnDialog(std::string kind, DialogScript script);
  template <typename P>
  CGuiUser& OnDialog(std::function<bool(P&)> script) {
    return OnDialog(P::kKind, [script](CDialogPresenter& p) { return script(static_cast<P&>(p)); });
  }
  // "" cancels the file window.
  CGuiUser& ChooseFile(std::string path);

  const std::vector<SMessage>& Messages() const { return m_messages; }
  // The texts as the user reads them (converted from code page 1252).
  QStringList Texts() const;
  QString LastText() const;
  const std::vector<std::string>& Dialogs() const { return m_dialogs; }
  const std::vector<SFileChoice>& FileChoices() const { return m_fileChoices; }
  // Everything asked for that was not scripted, and scripts never used.
  QStringList Unexpected() const;
  void Clear();

  EAnswer Show(const SMessage& message) override;
  bool RunModal(CDialogPresenter& presenter) override;
  bool ChooseFile(SFileChoice& choice) override;
  void OpenWithDesktop(const std::string& path) override { m_opened.push_back(path); }

 private:
  CPrompter* m_pPrevious;
  std::deque<EAnswer> m_answers;
  std::deque<std::pair<std::string, DialogScript>> m_scripts;
  std::deque<std::string> m_paths;
  std::vector<SMessage> m_messages;
  std::vector<std::string> m_dialogs;
  std::vector<SFileChoice> m_fileChoices;
  std::vector<std::string> m_opened;
  QStringList m_unexpected;
};

}  // namespace zev::test
