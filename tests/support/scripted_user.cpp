#include "tests/support/scripted_user.h"

#include <cstdio>

namespace zev::test {

CScriptedUser::CScriptedUser() : m_pPrevious(SetPrompter(this)) {}

CScriptedUser::~CScriptedUser() {
  SetPrompter(m_pPrevious);
  EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " queued answers were never asked for";
  EXPECT_TRUE(m_paths.empty()) << m_paths.size() << " queued file choices were never shown";
  EXPECT_TRUE(m_scripts.empty()) << m_scripts.size() << " dialog scripts were never run, first "
                                 << (m_scripts.empty() ? "" : m_scripts.front().first);
}

CScriptedUser& CScriptedUser::Answer(EAnswer answer) {
  m_answers.push_back(answer);
  return *this;
}

CScriptedUser& CScriptedUser::OnDialog(std::string kind, DialogScript script) {
  m_scripts.emplace_back(std::move(kind), std::move(script));
  return *this;
}

CScriptedUser& CScriptedUser::ChooseFile(std::string path) {
  m_paths.push_back(std::move(path));
  return *this;
}

bool CScriptedUser::ChooseFile(SFileChoice& choice) {
  m_fileChoices.push_back(choice);
  if (m_paths.empty()) {
    ADD_FAILURE() << "unexpected file chooser: " << choice.m_strTitle;
    return false;
  }
  std::string path = std::move(m_paths.front());
  m_paths.pop_front();
  if (path.empty()) return false;
  // Like the platform's file window: a name typed without an extension
  // gets the default one.
  std::string::size_type slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!choice.m_strDefaultExt.empty() && name.find('.') == std::string::npos) {
    path += "." + choice.m_strDefaultExt;
  }
  choice.m_strPath = path;
  return true;
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

void CScriptedUser::Clear() {
  m_messages.clear();
  m_dialogs.clear();
}

EAnswer CScriptedUser::Show(const SMessage& message) {
  m_messages.push_back(message);
  // Error boxes also go to standard error, where death tests can read them.
  if (message.m_icon == EIcon::Error) {
    std::fprintf(stderr, "%s\n", message.m_strText.c_str());
    std::fflush(stderr);
  }
  if (message.m_buttons == EButtons::Ok) return EAnswer::Ok;
  if (m_answers.empty()) {
    ADD_FAILURE() << "unanswered question: " << message.m_strText;
    return DefaultAnswer(message);
  }
  EAnswer answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

bool CScriptedUser::RunModal(CDialogPresenter& presenter) {
  m_dialogs.push_back(presenter.DialogKind());
  if (m_scripts.empty()) {
    ADD_FAILURE() << "unexpected dialog " << presenter.DialogKind() << ": " << presenter.Title();
    return false;
  }
  auto [kind, script] = std::move(m_scripts.front());
  m_scripts.pop_front();
  if (kind != presenter.DialogKind()) {
    ADD_FAILURE() << "expected dialog " << kind << ", got " << presenter.DialogKind();
    return false;
  }
  return script(presenter);
}

}  // namespace zev::test
