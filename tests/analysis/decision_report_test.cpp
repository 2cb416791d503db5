#include "analysis/decision_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "io/model_file.h"
#include "io/report_text.h"
#include "tests/support/model_builders.h"

namespace zev {
namespace {

std::vector<const SReportBlock*> OfKind(const SDecisionReport& report, EReportBlock kind) {
  std::vector<const SReportBlock*> blocks;
  for (const SReportBlock& b : report.m_blocks) {
    if (b.m_kind == kind) blocks.push_back(&b);
  }
  return blocks;
}

class DecisionReport : public ::testing::Test {
 protected:
  void SetUp() override {
    SFileError error;
    ASSERT_TRUE(LoadModelFile(std::string(ZEV_EXAMPLES) + "/laptop.zev", m_doc, error));
    m_doc.SetCurrentAttribute(3);
    m_report = BuildDecisionReport(m_doc, "9 December 2024");
  }
  CMADMDoc m_doc;
  SDecisionReport m_report;
};

TEST_F(DecisionReport, PagesOfTheExampleInOrder) {
  EXPECT_EQ(m_doc.CurrentAttribute(), 3);
  EXPECT_EQ(m_report.m_strName, "Laptop for a student");
  EXPECT_EQ(m_report.PageCount(), 9);  // hierarchy, ranking, seven alternatives
  const auto& b = m_report.m_blocks;
  ASSERT_GE(b.size(), 4u);
  EXPECT_EQ(b[0].m_kind, EReportBlock::Title);
  EXPECT_EQ(b[0].m_strText, "Laptop for a student");
  EXPECT_EQ(b[1].m_strText, "Decision report of 9 December 2024: 11 attributes, 7 alternatives");

  const auto headings = OfKind(m_report, EReportBlock::Heading);
  std::vector<std::string> texts;
  for (const SReportBlock* h : headings) texts.push_back(h->m_strText);
  EXPECT_EQ(texts, (std::vector<std::string>{"Attributes and weights", "Ranking", "1. Orchard Pro",
                                             "2. Atelier X", "3. Kestrel 14", "4. Nomad 13",
                                             "5. Basalt 16", "6. Wisp Air", "7. Thrift Book"}));

  const auto tables = OfKind(m_report, EReportBlock::Table);
  ASSERT_EQ(tables.size(), 2u);
  const SReportTable& hierarchy = tables[0]->m_table;
  ASSERT_EQ(hierarchy.m_rows.size(), 11u);
  EXPECT_EQ(hierarchy.m_rows[0],
            (std::vector<std::string>{"Laptop for a student", "qualitative, 5 grades", ""}));
  EXPECT_EQ(hierarchy.m_rows[1][2], "0.3500");
  EXPECT_EQ(hierarchy.m_rows[2][1], "quantitative, 4000 (worst) to 12000 (best) points");
  EXPECT_EQ(hierarchy.m_nIndent[2], 2);
  const SReportTable& ranking = tables[1]->m_table;
  ASSERT_EQ(ranking.m_rows.size(), 7u);
  EXPECT_EQ(ranking.m_rows[0],
            (std::vector<std::string>{"1", "Orchard Pro", "0.7343", "0.7343", "0.7343"}));
  EXPECT_EQ(ranking.m_rows[3],
            (std::vector<std::string>{"4", "Nomad 13", "0.6550", "0.6114", "0.6987"}));

  // The ranking chart with its intervals, then one distributed assessment
  // per alternative.
  const auto charts = OfKind(m_report, EReportBlock::Chart);
  ASSERT_EQ(charts.size(), 8u);
  EXPECT_EQ(charts[0]->m_chart.m_kind, EChartKind::Stacked);
  EXPECT_EQ(charts[0]->m_chart.SeriesCount(), 3);
  EXPECT_EQ(charts[1]->m_chart.m_strTitle, "Orchard Pro on Laptop for a student");
}

TEST_F(DecisionReport, KeyAreasAreThoseOfTheSummaryReport) {
  std::size_t total = 0;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    const CAlternative& alternative = m_doc.Alternative(pos);
    const SSummaryKeyAreas areas = SummaryKeyAreas(m_doc, alternative);
    total += areas.m_strKeyAreas.size();
    // In the summary report's text, in the same order.
    const std::string summary = SummaryReportText(m_doc, alternative);
    std::size_t at = summary.find("Key areas to consider:");
    ASSERT_NE(at, std::string::npos);
    for (const std::string& text : areas.m_strKeyAreas) {
      at = summary.find(text + "\n\n", at);
      ASSERT_NE(at, std::string::npos) << text;
    }
    EXPECT_NE(summary.find(areas.m_strBand), std::string::npos);

    // On the alternative's page, after its label.
    const std::string heading =
        std::to_string(alternative.m_nRanking) + ". " + alternative.m_strName.Str();
    auto block = std::find_if(m_report.m_blocks.begin(), m_report.m_blocks.end(),
                              [&](const SReportBlock& b) { return b.m_strText == heading; });
    block = std::find_if(block, m_report.m_blocks.end(), [](const SReportBlock& b) {
      return b.m_strText == "Key areas to consider";
    });
    ASSERT_NE(block, m_report.m_blocks.end()) << heading;
    std::vector<std::string> shown;
    for (++block; block != m_report.m_blocks.end() && block->m_kind == EReportBlock::Paragraph;
         ++block) {
      shown.push_back(block->m_strText);
    }
    if (areas.m_strKeyAreas.empty()) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].rfind("None:", 0), 0u);
    } else {
      EXPECT_EQ(shown, areas.m_strKeyAreas);
    }
  }
  EXPECT_GT(total, 0u);
}

TEST(DecisionReportModels, ATopAloneHasNoSummaryAndFileNamesLoseForbiddenCharacters) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.Attribute(0).SetName(" Cars: \"best\" <2024>/Q1? ");
  const SDecisionReport report = BuildDecisionReport(doc, "today");
  EXPECT_EQ(report.PageCount(), 3);
  EXPECT_TRUE(OfKind(report, EReportBlock::Label).empty());
  EXPECT_EQ(ReportFileName(doc), "Cars best 2024Q1");
  doc.Attribute(0).SetName("?*");
  EXPECT_EQ(ReportFileName(doc), "Decision report");
}

TEST(DecisionReportModels, MoreThanTwentyAlternativesGiveARankingChartPerTwenty) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Price"});
  for (int i = 0; i < 40; ++i) doc.AddAlternativeCommand();
  const SDecisionReport report = BuildDecisionReport(doc, "today");
  // Two ranking charts, then one belief chart per alternative.
  const auto charts = OfKind(report, EReportBlock::Chart);
  ASSERT_EQ(charts.size(), 3u + 41u);
  EXPECT_EQ(charts[2]->m_chart.PointCount(), 1);
  EXPECT_EQ(report.PageCount(), 2 + 41);
}

}  // namespace
}  // namespace zev
