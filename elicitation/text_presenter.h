#pragma once

#include <string>

#include "model/prompter.h"

namespace zev {

// A window that edits one free text (descriptions, comments, evidence).
// Confirming keeps the edited text; cancelling keeps the former one.
class CTextPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "Text";

  CTextPresenter(std::string title, std::string prompt, std::string text)
      : m_strText(std::move(text)), m_strTitle(std::move(title)), m_strPrompt(std::move(prompt)) {}

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return m_strTitle; }
  const std::string& Prompt() const { return m_strPrompt; }

  // The text being edited.
  std::string m_strText;

  // Runs the window; returns the text to keep (the edited one when confirmed).
  static std::string Edit(std::string title, std::string prompt, const std::string& text);

 private:
  std::string m_strTitle;
  std::string m_strPrompt;
};

}  // namespace zev
