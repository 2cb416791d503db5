#pragma once

#include <string>

#include "io/report_options.h"
#include "model/prompter.h"

namespace zev {

// The window "ZEV Dialog: Save Assessment Results or Attribute Hierarchy".
// It opens with every option at its default.
class CReportOptionsPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ReportOptions";
  static constexpr const char* kContentResults =
      "Save attribute names and chosen assessment results";
  static constexpr const char* kContentHierarchy =
      "Save attribute hierarchy (attribute names only)";
  static constexpr const char* kStartLabel = "Start Saving";
  static constexpr const char* kStopLabel = "Stop Saving";

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override {
    return "ZEV Dialog: Save Assessment Results or Attribute Hierarchy";
  }

  // Content 0 enables the check boxes with their defaults; content 1
  // clears and disables them.
  void ChooseContent(int nContent);
  bool ItemsEnabled() const { return m_options.m_nContent == 0; }
  // A click on a check box; ignored while the boxes are disabled.
  void SetItem(int i, bool bChecked);

  EDialogAction StartSaving();
  EDialogAction StopSaving();
  // Closing the window counts as "Stop Saving".
  EDialogAction Close() { return StopSaving(); }

  SReportOptions m_options;
};

}  // namespace zev
