#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

namespace zev {

// "ZEV Dialog: The Assessment Results of An Alternative": a snapshot of one
// alternative's results on one attribute, modeless and not registered.
class CResultsWindow : public CToolWindow {
  Q_OBJECT

 public:
  CResultsWindow(SAssessmentResults results, QWidget* parent = nullptr);
  const SAssessmentResults& Results() const { return m_results; }

 private:
  SAssessmentResults m_results;
};

}  // namespace zev
