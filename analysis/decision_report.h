#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/chart_content.h"
#include "model/madm_doc.h"

namespace zev {

// The decision report: what it holds and in which order, for the desktop
// to lay out as a PDF or an OpenDocument text. Texts are in code page 1252.
//
//   page 1  the model's name, the date, the hierarchy with kinds and weights
//   page 2  the ranking table with utility intervals and the ranking chart
//           (one per 20 alternatives)
//   then    one page per alternative in ranking order: its place and
//           interval, its distributed assessment at the top as a chart, and
//           what its summary report says: the indicative score, the
//           overall statement and the key areas to consider

enum class EReportBlock {
  Title,      // the report's title
  Subtitle,   // the line under it
  Heading,    // a section or an alternative
  Paragraph,  // running text
  Label,      // a short text in bold that introduces what follows
  Table,
  Chart,
  PageBreak,
};

struct SReportTable {
  std::vector<std::string> m_strHeader;
  std::vector<std::vector<std::string>> m_rows;
  // Per column: numbers, aligned to the right.
  std::vector<bool> m_bNumeric;
  // Per row: how many levels the first cell is indented.
  std::vector<int> m_nIndent;
};

struct SReportBlock {
  EReportBlock m_kind = EReportBlock::Paragraph;
  std::string m_strText;
  SReportTable m_table;
  ChartContent m_chart;
};

struct SDecisionReport {
  // The model's name (its top attribute's), for the file's title.
  std::string m_strName;
  std::vector<SReportBlock> m_blocks;

  int PageCount() const;
};

// Evaluates every alternative on every attribute and ranks them on the top
// attribute, as before the summary report (the current attribute kept),
// then builds the report. `date` is written under the title as given.
SDecisionReport BuildDecisionReport(CMADMDoc& doc, std::string_view date);

// The name a report file is proposed under: the model's name without the
// characters file names cannot hold.
std::string ReportFileName(const CMADMDoc& doc);

}  // namespace zev
