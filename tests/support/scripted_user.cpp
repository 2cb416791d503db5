#include "tests/support/scripted_user.h"

#include <cstdio>

namespace zev::test {

CScriptedUser::~CScriptedUser() {
  for (const std::string& left : LeftOvers()) ADD_FAILURE() << left;
}

void CScriptedUser::Problem(const std::string& what) { ADD_FAILURE() << what; }

std::vector<std::string> CScriptedUser::Texts() const {
  std::vector<std::string> texts;
  for (const SMessage& m : Messages()) texts.push_back(m.m_strText);
  return texts;
}

std::string CScriptedUser::OnlyText() const {
  EXPECT_EQ(Messages().size(), 1u);
  return Messages().empty() ? std::string() : Messages().back().m_strText;
}

const SMessage& CScriptedUser::Last() const {
  static const SMessage none;
  EXPECT_FALSE(Messages().empty()) << "no message was shown";
  return Messages().empty() ? none : Messages().back();
}

EAnswer CScriptedUser::Show(const SMessage& message) {
  // Error boxes also go to standard error, where death tests can read them.
  if (message.m_icon == EIcon::Error) {
    std::fprintf(stderr, "%s\n", message.m_strText.c_str());
    std::fflush(stderr);
  }
  return CScriptedPrompter::Show(message);
}

}  // namespace zev::test
