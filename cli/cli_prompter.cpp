#include "cli/cli_prompter.h"

#include <cstdio>

#include "model/text.h"

namespace zev::cli {

EAnswer CCliPrompter::Show(const SMessage& message) {
  if (message.m_icon == EIcon::Warning || message.m_icon == EIcon::Error) ++m_nWarnings;
  if (!message.m_strTitle.empty()) {
    const std::string title = Cp1252ToUtf8(message.m_strTitle) + ":\n";
    std::fwrite(title.data(), 1, title.size(), stderr);
  }
  const std::string text = Cp1252ToUtf8(message.m_strText);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  if (m_bAnswerYes && message.m_buttons != EButtons::Ok) return EAnswer::Yes;
  return DefaultAnswer(message);
}

}  // namespace zev::cli
