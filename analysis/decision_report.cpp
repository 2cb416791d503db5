#include "analysis/decision_report.h"

#include <algorithm>
#include <numeric>

#include "analysis/graphs.h"
#include "engine/evaluate_commands.h"
#include "io/report_text.h"
#include "io/report_walk.h"
#include "model/format.h"

namespace zev {

namespace {

std::string Utility(double d) { return Format("%.4lf", d); }

std::string KindText(const CAttribute& a) {
  if (a.m_nType == Qualitative) return "qualitative, " + FormatInt(a.m_nGrades) + " grades";
  const std::string range = Format("%g", a.m_dWorst) + " (worst) to " + Format("%g", a.m_dBest) +
                            " (best) " + a.m_strUnit.Str();
  return (a.m_nType == Quantitative ? "quantitative, " : "uncertain, ") + range;
}

// Adds blocks to the report.
class CReportBuilder {
 public:
  explicit CReportBuilder(SDecisionReport& report) : m_report(report) {}

  void Add(EReportBlock kind, std::string text = {}) {
    SReportBlock& block = m_report.m_blocks.emplace_back();
    block.m_kind = kind;
    block.m_strText = std::move(text);
  }
  void Add(SReportTable table) {
    Add(EReportBlock::Table);
    m_report.m_blocks.back().m_table = std::move(table);
  }
  void Add(ChartContent chart) {
    Add(EReportBlock::Chart);
    m_report.m_blocks.back().m_chart = std::move(chart);
  }

 private:
  SDecisionReport& m_report;
};

void AddHierarchy(const CMADMDoc& doc, CReportBuilder& out) {
  out.Add(EReportBlock::Heading, "Attributes and weights");
  out.Add(EReportBlock::Paragraph,
          "The attributes from the top down; each weight is the attribute's weight among its "
          "siblings.");
  SReportTable table;
  table.m_strHeader = {"Attribute", "Kind", "Weight"};
  table.m_bNumeric = {false, false, true};
  for (const SWalkStep& step : HierarchyWalk(doc)) {
    const CAttribute& a = doc.Attribute(step.m_nAttribute);
    table.m_rows.push_back(
        {a.m_strName.Str(), KindText(a), step.m_nAttribute == 0 ? "" : FormatWeight(a.m_dWeight)});
    table.m_nIndent.push_back(step.m_nLevel);
  }
  out.Add(std::move(table));
}

// List positions in ranking order; ties keep their list order.
std::vector<int> RankingOrder(const CMADMDoc& doc) {
  std::vector<int> order(static_cast<std::size_t>(doc.AlternativeCount()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&doc](int a, int b) {
    return doc.Alternative(a).m_nRanking < doc.Alternative(b).m_nRanking;
  });
  return order;
}

void AddRanking(const CMADMDoc& doc, const std::vector<int>& order, CReportBuilder& out) {
  const CText& top = doc.Attribute(0).m_strName;
  out.Add(EReportBlock::Heading, "Ranking");
  out.Add(EReportBlock::Paragraph,
          "Every alternative assessed on every attribute and ranked on " + top.Str() +
              " by its average utility. Where an assessment leaves belief unassigned, the "
              "utility lies between the minimum and the maximum.");
  SReportTable table;
  table.m_strHeader = {"Rank", "Alternative", "Average utility", "Minimum", "Maximum"};
  table.m_bNumeric = {true, false, true, true, true};
  for (int pos : order) {
    const CAlternative& alternative = doc.Alternative(pos);
    const CAssessment& r = alternative.Record(0);
    table.m_rows.push_back({FormatInt(alternative.m_nRanking), alternative.m_strName.Str(),
                            Utility(r.m_dAvgUtility), Utility(r.m_dMinUtility),
                            Utility(r.m_dMaxUtility)});
    table.m_nIndent.push_back(0);
  }
  out.Add(std::move(table));
  const bool bIntervals = RankingShowsIntervals(doc, 0);
  for (int first = 0; first < doc.AlternativeCount(); first += kAlternativesPerGraph) {
    const int count = std::min(kAlternativesPerGraph, doc.AlternativeCount() - first);
    out.Add(RankingChart(doc, 0, first, count, bIntervals));
  }
}

void AddAlternative(const CMADMDoc& doc, int pos, CReportBuilder& out) {
  const CAlternative& alternative = doc.Alternative(pos);
  const CAssessment& r = alternative.Record(0);
  out.Add(EReportBlock::Heading,
          FormatInt(alternative.m_nRanking) + ". " + alternative.m_strName.Str());
  out.Add(EReportBlock::Paragraph,
          "Ranking " + FormatInt(alternative.m_nRanking) + " of " +
              FormatInt(doc.AlternativeCount()) + ". Average utility " + Utility(r.m_dAvgUtility) +
              ", between " + Utility(r.m_dMinUtility) + " and " + Utility(r.m_dMaxUtility) + ".");
  const CText& description = alternative.m_strDescription;
  if (!description.empty() && description.View().rfind("No description", 0) != 0) {
    out.Add(EReportBlock::Paragraph, description.Str());
  }
  out.Add(BeliefChart(doc, pos, 0));
  if (doc.Attribute(0).m_nChildren == 0) return;

  const SSummaryKeyAreas summary = SummaryKeyAreas(doc, alternative);
  std::string score = doc.Attribute(0).m_strName + ": " + summary.m_strBand;
  if (summary.m_bKnown) score += " (Indicative Score: " + FormatInt(summary.m_nScore) + "%)";
  out.Add(EReportBlock::Label, score);
  if (!summary.m_strOverall.empty() && summary.m_strOverall.rfind("No definition", 0) != 0) {
    out.Add(EReportBlock::Paragraph, summary.m_strOverall);
  }
  out.Add(EReportBlock::Label, "Key areas to consider");
  if (summary.m_strKeyAreas.empty()) {
    out.Add(EReportBlock::Paragraph,
            "None: no low grade of a bottom attribute holds belief, and no bottom attribute is "
            "weak.");
  }
  for (const std::string& text : summary.m_strKeyAreas) out.Add(EReportBlock::Paragraph, text);
}

}  // namespace

int SDecisionReport::PageCount() const {
  return 1 + static_cast<int>(std::count_if(m_blocks.begin(), m_blocks.end(), [](const auto& b) {
           return b.m_kind == EReportBlock::PageBreak;
         }));
}

SDecisionReport BuildDecisionReport(CMADMDoc& doc, std::string_view date) {
  EvaluateAndRank(doc);
  SDecisionReport report;
  report.m_strName = doc.Attribute(0).m_strName.Str();
  CReportBuilder out(report);
  out.Add(EReportBlock::Title, report.m_strName);
  out.Add(EReportBlock::Subtitle, "Decision report of " + std::string(date) + ": " +
                                      FormatInt(doc.AttributeCount()) + " attributes, " +
                                      FormatInt(doc.AlternativeCount()) + " alternatives");
  const CText& description = doc.Attribute(0).m_strDescription;
  if (!description.empty() && description.View().rfind("No description", 0) != 0) {
    out.Add(EReportBlock::Paragraph, description.Str());
  }
  AddHierarchy(doc, out);
  out.Add(EReportBlock::PageBreak);
  const std::vector<int> order = RankingOrder(doc);
  AddRanking(doc, order, out);
  for (int pos : order) {
    out.Add(EReportBlock::PageBreak);
    AddAlternative(doc, pos, out);
  }
  return report;
}

std::string ReportFileName(const CMADMDoc& doc) {
  std::string name;
  for (char c : doc.Attribute(0).m_strName.View()) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
      continue;
    }
    name += c;
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(name.begin());
  return name.empty() ? "Decision report" : name;
}

}  // namespace zev
