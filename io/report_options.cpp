#include "io/report_options.h"

namespace zev {

namespace {

struct SItem {
  const char* m_pszLabel;
  const char* m_pszKey;
};

constexpr SItem kItemTable[SReportOptions::kItems] = {
    {"Attribute types", "types"},
    {"Attribute descriptions", "descriptions"},
    {"Evaluation grade names", "grades"},
    {"Grade descriptions", "grade-descriptions"},
    {"Distributed assessments", "distributed"},
    {"Maximum and minimum utilities", "maxmin"},
    {"Average utilities", "average"},
    {"Evidence collected", "evidence"},
    {"Comments provided", "comments"},
};

}  // namespace

bool& SReportOptions::Item(int i) {
  switch (i) {
    case 0:
      return m_bAttributeTypes;
    case 1:
      return m_bAttributeDescriptions;
    case 2:
      return m_bGradeNames;
    case 3:
      return m_bGradeDescriptions;
    case 4:
      return m_bDistributedAssessments;
    case 5:
      return m_bMaxMinUtilities;
    case 6:
      return m_bAverageUtilities;
    case 7:
      return m_bEvidence;
    default:
      return m_bComments;
  }
}

void SReportOptions::SetItemDefaults() {
  SReportOptions defaults;
  for (int i = 0; i < kItems; ++i) Item(i) = defaults.Item(i);
}

void SReportOptions::ClearItems() {
  for (int i = 0; i < kItems; ++i) Item(i) = false;
}

const char* ReportItemLabel(int i) { return kItemTable[i].m_pszLabel; }

const char* ReportItemKey(int i) { return kItemTable[i].m_pszKey; }

int FindReportItem(std::string_view key) {
  for (int i = 0; i < SReportOptions::kItems; ++i) {
    if (key == kItemTable[i].m_pszKey) return i;
  }
  return -1;
}

}  // namespace zev
