#pragma once

#include <string>

#include "model/prompter.h"

namespace zev {

// The window "ZEV Dialog: Output Text File Selection Window".
class CReportTypePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ReportType";
  static constexpr int kChoices = 3;
  static const char* ChoiceLabel(int i);
  static constexpr const char* kSelectLabel = "&Select";
  static constexpr const char* kCancelLabel = "&Cancel";

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Output Text File Selection Window"; }

  // The third choice (all alternatives each on all attributes) is never
  // enabled.
  static bool ChoiceEnabled(int i) { return i == 0 || i == 1; }
  // A click on a choice; a disabled one is ignored.
  void Choose(int i) {
    if (ChoiceEnabled(i)) m_nChoice = i;
  }
  int Choice() const { return m_nChoice; }

  EDialogAction Select() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

 private:
  int m_nChoice = 0;
};

}  // namespace zev
