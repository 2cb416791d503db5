#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "io/report_options.h"
#include "model/madm_doc.h"

namespace zev {

// The texts of the four reports, built from the model as it stands (the
// caller evaluates first). Lines end in "\n" here; ToCrLf turns them into
// the CR LF line ends of the files.

// The alternative report (content 0) or the hierarchy file (content 1).
std::string AlternativeReportText(const CMADMDoc& doc, const CAlternative& alternative,
                                  const SReportOptions& options);
// The attribute names, each indented by one tab per level.
std::string HierarchyReportText(const CMADMDoc& doc);
// Every alternative's results on one attribute.
std::string AttributeReportText(const CMADMDoc& doc, int nAttribute);
// The narrative summary of one alternative.
std::string SummaryReportText(const CMADMDoc& doc, const CAlternative& alternative);

// What the summary report says of an alternative at the top attribute: the
// indicative score with its band ("50%-74%", or "Unknown" without any
// belief), the overall statement (the definition of the grade its average
// utility reaches) and the key areas to consider (the definitions of low
// grades that hold belief, and the evidence and comments of weak bottom
// attributes), in the order the report writes them.
struct SSummaryKeyAreas {
  bool m_bKnown = false;
  int m_nScore = 0;
  std::string m_strBand;
  std::string m_strOverall;
  std::vector<std::string> m_strKeyAreas;
};
SSummaryKeyAreas SummaryKeyAreas(const CMADMDoc& doc, const CAlternative& alternative);

// The part of the alternative report that belongs to one attribute.
void WriteAttributeBlock(const SReportOptions& options, const CMADMDoc& doc,
                         const CAlternative& alternative, std::string& out, int nAttribute);
// The part of the summary report that belongs to one attribute.
void WriteSummarySection(const CMADMDoc& doc, const CAlternative& alternative, std::string& out,
                         int nAttribute);

// Every line feed written as carriage return and line feed, as a file
// written in text mode has them. A text that already holds CR LF keeps it.
std::string ToCrLf(std::string_view text);

}  // namespace zev
