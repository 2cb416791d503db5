#include "tests/support/scripted_prompter.h"

namespace zev::test {

CScriptedPrompter::CScriptedPrompter() : m_pPrevious(SetPrompter(this)) {}

CScriptedPrompter::~CScriptedPrompter() { SetPrompter(m_pPrevious); }

void CScriptedPrompter::Clear() {
  m_messages.clear();
  m_dialogs.clear();
}

std::vector<std::string> CScriptedPrompter::LeftOvers() const {
  std::vector<std::string> all = m_problems;
  if (!m_answers.empty())
    all.push_back(std::to_string(m_answers.size()) + " answers never asked for");
  if (!m_paths.empty()) all.push_back(std::to_string(m_paths.size()) + " file choices never shown");
  for (const std::string& kind : UnusedScripts()) all.push_back("dialog never shown: " + kind);
  return all;
}

EAnswer CScriptedPrompter::Show(const SMessage& message) {
  m_messages.push_back(message);
  if (message.m_buttons == EButtons::Ok) return EAnswer::Ok;
  if (m_answers.empty()) {
    Problem("unanswered question: " + message.m_strText);
    return DefaultAnswer(message);
  }
  EAnswer answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

bool CScriptedPrompter::ChooseFile(SFileChoice& choice) {
  m_fileChoices.push_back(choice);
  if (m_paths.empty()) {
    Problem("unexpected file window: " + choice.m_strTitle);
    return false;
  }
  std::string path = std::move(m_paths.front());
  m_paths.pop_front();
  if (path.empty()) return false;
  std::string::size_type slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!choice.m_strDefaultExt.empty() && name.find('.') == std::string::npos) {
    path += "." + choice.m_strDefaultExt;
  }
  choice.m_strPath = path;
  return true;
}

bool CPresenterScriptedPrompter::RunModal(CDialogPresenter& presenter) {
  DialogScript script;
  return TakeScript(m_scripts, presenter, script) && script(presenter);
}

}  // namespace zev::test
