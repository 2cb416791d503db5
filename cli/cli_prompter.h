#pragma once

#include "model/prompter.h"

namespace zev::cli {

// The interaction port of the command-line tool: every message the desktop
// program would show goes to standard error with its exact text (converted
// from code page 1252 to UTF-8), and every question takes its default
// button, or Yes when asked to. Counts what it showed, so that a command
// can tell a refusal.
class CCliPrompter : public CStderrPrompter {
 public:
  EAnswer Show(const SMessage& message) override;
  int WarningCount() const { return m_nWarnings; }
  void SetAnswerYes(bool b) { m_bAnswerYes = b; }

 private:
  int m_nWarnings = 0;
  bool m_bAnswerYes = false;
};

}  // namespace zev::cli
