#include "model/prompter.h"

#include <cstdio>
#include <cstdlib>

namespace zev {

namespace {

CPrompter*& Installed() {
  static CPrompter* p = nullptr;
  return p;
}

}  // namespace

void CPrompter::Warning(std::string_view text) {
  Show({std::string(text), EIcon::Warning, EButtons::Ok, 0});
}

void CPrompter::Warning(std::string_view text, std::string_view title) {
  Show({std::string(text), EIcon::Warning, EButtons::Ok, 0, std::string(title)});
}

void CPrompter::Information(std::string_view text) {
  Show({std::string(text), EIcon::Information, EButtons::Ok, 0});
}

void CPrompter::Error(std::string_view text) {
  Show({std::string(text), EIcon::Error, EButtons::Ok, 0});
}

void CPrompter::Plain(std::string_view text) {
  Show({std::string(text), EIcon::None, EButtons::Ok, 0});
}

EAnswer CPrompter::AskYesNo(std::string_view text, EIcon icon, int nDefaultButton) {
  return Show({std::string(text), icon, EButtons::YesNo, nDefaultButton});
}

EAnswer CPrompter::AskYesNoCancel(std::string_view text, EIcon icon, int nDefaultButton) {
  return Show({std::string(text), icon, EButtons::YesNoCancel, nDefaultButton});
}

EAnswer DefaultAnswer(const SMessage& message) {
  switch (message.m_buttons) {
    case EButtons::Ok:
      return EAnswer::Ok;
    case EButtons::YesNo:
      return message.m_nDefaultButton == 1 ? EAnswer::No : EAnswer::Yes;
    case EButtons::YesNoCancel:
      if (message.m_nDefaultButton == 1) return EAnswer::No;
      if (message.m_nDefaultButton == 2) return EAnswer::Cancel;
      return EAnswer::Yes;
  }
  return EAnswer::Ok;
}

EAnswer CStderrPrompter::Show(const SMessage& message) {
  if (!message.m_strTitle.empty()) {
    std::fwrite(message.m_strTitle.data(), 1, message.m_strTitle.size(), stderr);
    std::fputs(":\n", stderr);
  }
  std::fwrite(message.m_strText.data(), 1, message.m_strText.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  return DefaultAnswer(message);
}

bool CStderrPrompter::RunModal(CDialogPresenter&) { return false; }

bool CStderrPrompter::ChooseFile(SFileChoice&) { return false; }

void CStderrPrompter::OpenWithDesktop(const std::string&) {}

CPrompter& ThePrompter() {
  static CStderrPrompter fallback;
  CPrompter* p = Installed();
  return p ? *p : fallback;
}

CPrompter* SetPrompter(CPrompter* prompter) {
  CPrompter* previous = Installed();
  Installed() = prompter;
  return previous;
}

void InternalError(std::string_view text) {
  ThePrompter().Error(text);
  std::exit(-1);
}

}  // namespace zev
