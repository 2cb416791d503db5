#include "io/report_text.h"

#include <gtest/gtest.h>

#include "io/report_walk.h"
#include "tests/io/report_models.h"

namespace zev {
namespace {

class ReportTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildCarModel(m_doc);
    test::SetCarResults(m_doc);
  }
  CMADMDoc m_doc;
};

TEST_F(ReportTextTest, AlternativeReportWithDefaultItems) {
  SReportOptions options;
  EXPECT_EQ(ToCrLf(AlternativeReportText(m_doc, m_doc.Alternative(0), options)),
            test::ReadTestData("reports/car_a_alternative_default.txt"));
}

TEST_F(ReportTextTest, AlternativeReportWithEveryItem) {
  SReportOptions options;
  for (int i = 0; i < SReportOptions::kItems; ++i) options.Item(i) = true;
  EXPECT_EQ(ToCrLf(AlternativeReportText(m_doc, m_doc.Alternative(0), options)),
            test::ReadTestData("reports/car_a_alternative_all.txt"));
}

TEST_F(ReportTextTest, HierarchyFileHoldsOnlyIndentedNames) {
  SReportOptions options;
  options.m_nContent = 1;
  EXPECT_EQ(ToCrLf(AlternativeReportText(m_doc, m_doc.Alternative(0), options)),
            test::ReadTestData("reports/hierarchy.txt"));
}

TEST_F(ReportTextTest, AttributeReportsOfEachKind) {
  EXPECT_EQ(ToCrLf(AttributeReportText(m_doc, 5)),
            test::ReadTestData("reports/safety_attribute.txt"));
  EXPECT_EQ(ToCrLf(AttributeReportText(m_doc, 2)),
            test::ReadTestData("reports/fuel_use_attribute.txt"));
  EXPECT_EQ(ToCrLf(AttributeReportText(m_doc, 1)),
            test::ReadTestData("reports/price_attribute.txt"));
}

TEST_F(ReportTextTest, SummaryReports) {
  EXPECT_EQ(ToCrLf(SummaryReportText(m_doc, m_doc.Alternative(0))),
            test::ReadTestData("reports/car_a_summary.doc"));
  EXPECT_EQ(ToCrLf(SummaryReportText(m_doc, m_doc.Alternative(1))),
            test::ReadTestData("reports/car_b_summary.doc"));
}

TEST_F(ReportTextTest, UncertainWithOnlyMaximumAndMinimumShowsTheTwoExpectedValues) {
  SReportOptions options;
  options.m_bDistributedAssessments = false;
  options.m_bAverageUtilities = false;
  options.m_bMaxMinUtilities = true;
  std::string out;
  WriteAttributeBlock(options, m_doc, m_doc.Alternative(0), out, 2);
  EXPECT_EQ(out,
            " Attribute Name: Fuel use\n"
            "Maximum Expected Value: 0.6000 l/100km\n"
            "Minimum Expected Value: 0.5000 l/100km\n" +
                std::string(64, '_') + "\n\n");
}

TEST_F(ReportTextTest, SummaryOfABottomAttribute) {
  CAssessment& comfort = m_doc.Alternative(0).Record(4);
  // Two equal largest beliefs: the earlier grade is the leading one.
  for (double& b : comfort.m_dBelief) b = 0.0;
  comfort.m_dBelief[0] = 0.4;
  comfort.m_dBelief[1] = 0.4 + 5e-9;
  comfort.SetEvidence("");
  comfort.SetAssessComment("No comments yet");
  std::string out;
  WriteSummarySection(m_doc, m_doc.Alternative(0), out, 4);
  EXPECT_EQ(out, "Very uncomfortable seats.\n\n\n");

  // A later grade leads once it is 1e-8 ahead.
  comfort.m_dBelief[1] = 0.4 + 2e-8;
  out.clear();
  WriteSummarySection(m_doc, m_doc.Alternative(0), out, 4);
  EXPECT_EQ(out, "Hard suspension.\n\n\n");

  // No belief at all: no definition is quoted.
  for (double& b : comfort.m_dBelief) b = 0.0;
  comfort.SetEvidence("Seen in the showroom.");
  out.clear();
  WriteSummarySection(m_doc, m_doc.Alternative(0), out, 4);
  EXPECT_EQ(out, "Seen in the showroom.\n\n\n");
}

TEST_F(ReportTextTest, IndicativeScoreBandsAndTheUnknownTop) {
  CAssessment& top = m_doc.Alternative(1).Record(0);
  auto scoreLine = [&] {
    std::string out;
    WriteSummarySection(m_doc, m_doc.Alternative(1), out, 0);
    std::size_t start = out.find("Car: ");
    return out.substr(start, out.find('\n', start) - start);
  };
  const struct {
    double m_dAverage;
    const char* m_pszLine;
  } cases[] = {
      {0.2499, "Car: 0%-24% (Indicative Score: 24%)"},
      {0.25, "Car: 25%-49% (Indicative Score: 25%)"},
      {0.4999, "Car: 25%-49% (Indicative Score: 49%)"},
      {0.5, "Car: 50%-74% (Indicative Score: 50%)"},
      {0.75, "Car: 75%-100% (Indicative Score: 75%)"},
      {1.0, "Car: 75%-100% (Indicative Score: 100%)"},
  };
  for (const auto& c : cases) {
    top.m_dAvgUtility = c.m_dAverage;
    EXPECT_EQ(scoreLine(), c.m_pszLine);
  }
  for (double& b : top.m_dBelief) b = 0.0;
  top.m_dBelief[2] = 1e-8;  // not more than 1e-8
  EXPECT_EQ(scoreLine(), "Car: Unknown");
}

TEST_F(ReportTextTest, OverallStatementPicksTheGradeBelowTheAverage) {
  CAssessment& top = m_doc.Alternative(1).Record(0);
  auto statement = [&](double average) {
    top.m_dAvgUtility = average;
    std::string out;
    WriteSummarySection(m_doc, m_doc.Alternative(1), out, 0);
    std::size_t start = out.find("The car");
    return out.substr(start, out.find('\n', start) - start);
  };
  EXPECT_EQ(statement(0.0), "The car is unacceptable.");
  EXPECT_EQ(statement(0.25), "The car is unacceptable.");  // position 1 gives grade 0
  EXPECT_EQ(statement(0.26), "The car is poor.");
  EXPECT_EQ(statement(0.5), "The car is poor.");
  EXPECT_EQ(statement(0.75 + 5e-9), "The car is acceptable overall.");
  EXPECT_EQ(statement(0.99), "The car is good overall.");
  EXPECT_EQ(statement(1.0), "The car is good overall.");
  // Above the last position nothing qualifies: grade 0.
  EXPECT_EQ(statement(1.5), "The car is unacceptable.");
}

TEST(HierarchyWalkTest, PreOrderWithLevelsWhateverTheIndexOrder) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A", "B", "A1:A", "A2:A", "B1:B", "A11:A1"});
  // Put B above A in the sibling chain: A is now the last child of the Top.
  doc.SetCurrentAttribute(test::FindAttribute(doc, "A"));
  int a = test::FindAttribute(doc, "A");
  int b = test::FindAttribute(doc, "B");
  doc.Attribute(b).m_nPrevSibling = -1;
  doc.Attribute(b).m_nNextSibling = a;
  doc.Attribute(a).m_nPrevSibling = b;
  doc.Attribute(a).m_nNextSibling = -1;
  ASSERT_TRUE(test::TreeIsConsistent(doc));
  std::string walk;
  for (const SWalkStep& s : HierarchyWalk(doc)) {
    walk += std::to_string(s.m_nLevel) + doc.Attribute(s.m_nAttribute).m_strName.Str() + " ";
  }
  EXPECT_EQ(walk, "0Top Attribute 1B 2B1 1A 2A1 3A11 2A2 ");
  EXPECT_EQ(HierarchyReportText(doc),
            "Top Attribute\n\tB\n\t\tB1\n\tA\n\t\tA1\n\t\t\tA11\n\t\tA2\n");
}

TEST(HierarchyWalkTest, LinksThatLoopEndTheWalk) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A", "B"});
  doc.Attribute(2).m_nNextSibling = 1;  // B points back to A
  EXPECT_EQ(HierarchyWalk(doc).size(), 3u);
  doc.Attribute(1).m_nNextSibling = 7;  // beyond the last attribute
  doc.Attribute(2).m_nNextSibling = -1;
  EXPECT_EQ(HierarchyWalk(doc).size(), 2u);
}

TEST(ToCrLfTest, EveryLineFeedBecomesCrLfOnce) {
  EXPECT_EQ(ToCrLf("\na\n\nb\r\nc"), "\r\na\r\n\r\nb\r\nc");
}

}  // namespace
}  // namespace zev
