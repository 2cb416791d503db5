#include "tests/support/scripted_user.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zev::test {

CScriptedUser::CScriptedUser(EProblems problems)
    : m_problemMode(problems), m_pPrevious(SetPrompter(this)) {}

CScriptedUser::~CScriptedUser() {
  SetPrompter(m_pPrevious);
  if (m_problemMode != EProblems::FailTest) return;
  // The problems themselves failed the test when they happened.
  std::vector<std::string> left = LeftOvers();
  for (size_t i = m_problems.size(); i < left.size(); ++i) ADD_FAILURE() << left[i];
}

void CScriptedUser::Problem(const std::string& what) {
  m_problems.push_back(what);
  if (m_problemMode == EProblems::FailTest) ADD_FAILURE() << what;
}

void CScriptedUser::Clear() {
  m_messages.clear();
  m_dialogs.clear();
}

std::vector<std::string> CScriptedUser::LeftOvers() const {
  std::vector<std::string> all = m_problems;
  if (!m_answers.empty())
    all.push_back(std::to_string(m_answers.size()) + " answers never asked for");
  if (!m_paths.empty()) all.push_back(std::to_string(m_paths.size()) + " file choices never shown");
  for (const auto& [kind, script] : m_scripts) all.push_back("dialog never shown: " + kind);
  return all;
}

std::vector<std::string> CScriptedUser::Texts() const {
  std::vector<std::string> texts;
  for (const SMessage& m : m_messages) texts.push_back(m.m_strText);
  return texts;
}

std::string CScriptedUser::OnlyText() const {
  EXPECT_EQ(m_messages.size(), 1u);
  return m_messages.empty() ? std::string() : m_messages.back().m_strText;
}

const SMessage& CScriptedUser::Last() const {
  static const SMessage none;
  EXPECT_FALSE(m_messages.empty()) << "no message was shown";
  return m_messages.empty() ? none : m_messages.back();
}

EAnswer CScriptedUser::Show(const SMessage& message) {
  // Error boxes also go to standard error, where death tests can read them.
  if (message.m_icon == EIcon::Error) {
    std::fprintf(stderr, "%s\n", message.m_strText.c_str());
    std::fflush(stderr);
  }
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

bool CScriptedUser::RunModal(CDialogPresenter& presenter) {
  m_dialogs.emplace_back(presenter.DialogKind());
  if (m_scripts.empty()) {
    Problem(std::string("unexpected dialog ") + presenter.DialogKind() + ": " + presenter.Title());
    return false;
  }
  auto [kind, script] = std::move(m_scripts.front());
  m_scripts.pop_front();
  if (kind != presenter.DialogKind()) {
    Problem("expected dialog " + kind + ", got " + presenter.DialogKind());
    return false;
  }
  return script(presenter);
}

bool CScriptedUser::ChooseFile(SFileChoice& choice) {
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

}  // namespace zev::test
