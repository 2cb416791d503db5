#pragma once

#include <string>
#include <string_view>

#include "model/prompter.h"

namespace zev {

// What an alternative report holds, chosen before it is written.
struct SReportOptions {
  // The window was closed with "Start Saving".
  bool m_bAccepted = true;
  // 0: attribute names and the chosen results; 1: the hierarchy (names only).
  int m_nContent = 0;
  bool m_bAttributeTypes = false;
  bool m_bAttributeDescriptions = false;
  bool m_bGradeNames = false;
  bool m_bGradeDescriptions = false;
  bool m_bDistributedAssessments = true;
  bool m_bMaxMinUtilities = false;
  bool m_bAverageUtilities = true;
  bool m_bEvidence = false;
  bool m_bComments = false;

  // The nine items in the order of the window's check boxes.
  static constexpr int kItems = 9;
  bool& Item(int i);
  bool Item(int i) const { return const_cast<SReportOptions*>(this)->Item(i); }
  // Every item set as by default, or cleared.
  void SetItemDefaults();
  void ClearItems();
};

// The check boxes' labels, and the short names by which zev-cli sets them.
const char* ReportItemLabel(int i);
const char* ReportItemKey(int i);
// The item with this short name, or -1.
int FindReportItem(std::string_view key);

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
