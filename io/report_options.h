#pragma once

#include <string>
#include <string_view>

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

}  // namespace zev
