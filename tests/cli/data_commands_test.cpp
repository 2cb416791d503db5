#include <gtest/gtest.h>

#include "io/model_file.h"
#include "tests/cli/cli_run.h"
#include "tests/io/report_models.h"

namespace zev {
namespace {

using test::RunCli;

const std::string kViewHint = "You can view the file using Notepad or a similar editor.";

class CliDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildPlanModel(m_doc);
    SFileError error;
    ASSERT_TRUE(SaveModelFile(m_dir.Path("plan.zev"), m_doc, error)) << error.Message();
  }
  std::string Model() const { return m_dir.Path("plan.zev"); }
  void Load(const std::string& path, CMADMDoc& doc) {
    SFileError error;
    EXPECT_TRUE(LoadModelFile(path, doc, error)) << error.Message();
  }

  test::CTempDir m_dir;
  CMADMDoc m_doc;
};

TEST_F(CliDataTest, ImportSavesTheModelWithTheData) {
  test::WriteFile(m_dir.Path("data.txt"),
                  "ALTERNATIVE NAME: {Plan B}\r\n"
                  "ATTRIBUTE NAME: {Cost} TYPE: QUANTITATIVE VALUE: 0.9\r\n"
                  "ATTRIBUTE NAME: {Build} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Best} 0.5 "
                  "{Good} 0.5 {Worst} 0 {Poor} 0 {Average} 0\r\n");
  auto run = RunCli({"import", Model(), m_dir.Path("data.txt"), "-o", m_dir.Path("out.zev")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "The whole data file has been read successfully!\n");
  EXPECT_EQ(run.m_strOut, "");
  CMADMDoc doc;
  Load(m_dir.Path("out.zev"), doc);
  EXPECT_DOUBLE_EQ(doc.Alternative(1).Record(2).m_dValue, 0.9);
  EXPECT_DOUBLE_EQ(doc.Alternative(1).Record(2).m_dPossibleValue[0], 0.9);
  EXPECT_DOUBLE_EQ(doc.Alternative(1).Record(4).m_dBelief[4], 0.5);
  EXPECT_DOUBLE_EQ(doc.Alternative(1).Record(4).m_dBelief[2], 0.0);
  EXPECT_DOUBLE_EQ(doc.Alternative(0).Record(2).m_dValue, 0.75);
}

// A model built as the desktop builds it (the first alternative before the
// attributes), saved, then given the same data for both alternatives.
TEST_F(CliDataTest, ImportOnAttributesAddedAfterAnAlternativeKeepsEveryAlternativesData) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.InsertAttributeRight();
  doc.InsertAttributeBelow();
  doc.AddAlternativeCommand();
  SFileError error;
  ASSERT_TRUE(SaveModelFile(m_dir.Path("built.zev"), doc, error)) << error.Message();
  std::string data;
  for (std::string alternative : {"First alternative", "Alternative 2"}) {
    data += "ALTERNATIVE NAME: {" + alternative +
            "} ATTRIBUTE NAME: {Attribute 2} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Worst} 0.25 "
            "{Poor} 0 {Average} 0 {Good} 0 {Best} 0.75\n";
  }
  test::WriteFile(m_dir.Path("data.txt"), data);
  auto run = RunCli(
      {"import", m_dir.Path("built.zev"), m_dir.Path("data.txt"), "-o", m_dir.Path("out.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  CMADMDoc back;
  Load(m_dir.Path("out.zev"), back);
  for (int pos = 0; pos < 2; ++pos) {
    EXPECT_EQ(back.Alternative(pos).Record(2).m_dBelief[0], 0.25) << pos;
    EXPECT_EQ(back.Alternative(pos).Record(2).m_dBelief[4], 0.75) << pos;
  }
}

TEST_F(CliDataTest, ImportErrorWritesNothingUnlessPartialIsAskedFor) {
  test::WriteFile(m_dir.Path("data.txt"),
                  "ALTERNATIVE NAME: {Plan B} ATTRIBUTE NAME: {Cost} TYPE: QUANTITATIVE VALUE: 0.9 "
                  "ATTRIBUTE NAME: {Cost} TYPE: QUANTITATIVE VALUE: 1.5");
  const std::string message =
      "Attribute Value:\n"
      "The following ERROR is detected. Data reading is abandoned!\n\n"
      "The 1st attribute value <1.500000> is outside the range [0.000000,  1.000000] (at the "
      "alternative <Plan B> and on the attribute <Cost>), which is defined for the attribute in "
      "the decision model.\n";
  auto run = RunCli({"import", Model(), m_dir.Path("data.txt"), "-o", m_dir.Path("out.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, message);
  EXPECT_EQ(test::ReadFile(m_dir.Path("out.zev")), "");

  run = RunCli(
      {"import", Model(), m_dir.Path("data.txt"), "-o", m_dir.Path("out.zev"), "--keep-partial"});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, message);
  CMADMDoc doc;
  Load(m_dir.Path("out.zev"), doc);
  EXPECT_DOUBLE_EQ(doc.Alternative(1).Record(2).m_dValue, 0.9);

  run = RunCli({"import", Model(), m_dir.Path("none.txt"), "-o", m_dir.Path("out2.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, "The file <" + m_dir.Path("none.txt") +
                              "> cannot be opened: No such file or directory.\n");
}

TEST_F(CliDataTest, ReportsAreTheDesktopsReports) {
  auto run = RunCli({"report", "alternative", Model(), "-o", m_dir.Path("a.txt")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(test::ReadFile(m_dir.Path("a.txt")),
            test::ReadTestData("reports/plan_a_alternative.txt"));
  EXPECT_EQ(run.m_strErr, "The assessment results for <Plan A> are saved in \n<" +
                              m_dir.Path("a.txt") + ">.\n\n" + kViewHint + "\n");

  run =
      RunCli({"report", "summary", Model(), "--alternative", "Plan B", "-o", m_dir.Path("b.doc")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "");
  EXPECT_EQ(test::ReadFile(m_dir.Path("b.doc")), test::ReadTestData("reports/plan_b_summary.doc"));

  run =
      RunCli({"report", "attribute", Model(), "--attribute", "Quality", "-o", m_dir.Path("q.txt")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(test::ReadFile(m_dir.Path("q.txt")),
            test::ReadTestData("reports/quality_attribute.txt"));

  run = RunCli({"report", "hierarchy", Model(), "-o", m_dir.Path("h")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(test::ReadFile(m_dir.Path("h")),
            "Plan\r\n\tQuality\r\n\t\tDesign\r\n\t\tBuild\r\n\tCost\r\n");
  EXPECT_EQ(run.m_strErr, "The attribute hierarchy is saved in \n<" + m_dir.Path("h") + ">.\n\n" +
                              kViewHint + "\n");
}

TEST_F(CliDataTest, ItemsNameTheCheckBoxesToSet) {
  auto run = RunCli({"report", "alternative", Model(), "--alternative", "1", "--items",
                     "types, maxmin", "-o", m_dir.Path("b.txt")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const std::string text = test::ReadFile(m_dir.Path("b.txt"));
  EXPECT_NE(text.find("\t\t<Plan B>\r\n"), std::string::npos);
  EXPECT_NE(text.find(" Attribute Name: Cost\r\n Attribute Type: quantitative (certain)\r\n\r\n"
                      "The Best Value:  1.0000 k\r\nThe Worst Value: 0.0000 k\r\n_"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Obtained Result"), std::string::npos);

  run = RunCli(
      {"report", "alternative", Model(), "--items", "types,colour", "-o", m_dir.Path("c.txt")});
  EXPECT_EQ(run.m_nExit, 2);
  EXPECT_EQ(run.m_strErr,
            "zev-cli: <colour> is not a report item; the items are types, descriptions, grades, "
            "grade-descriptions, distributed, maxmin, average, evidence, comments.\n");
  EXPECT_EQ(test::ReadFile(m_dir.Path("c.txt")), "");
}

TEST_F(CliDataTest, ReportRefusals) {
  CMADMDoc only;
  only.OnNewDocument();
  SFileError error;
  ASSERT_TRUE(SaveModelFile(m_dir.Path("top.zev"), only, error));
  auto run = RunCli({"report", "summary", m_dir.Path("top.zev"), "-o", m_dir.Path("s.doc")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, "There is only one attribute and thus nothing to save!\n");
  EXPECT_EQ(test::ReadFile(m_dir.Path("s.doc")), "");

  run = RunCli({"report", "attribute", Model(), "--attribute", "Speed", "-o", m_dir.Path("x")});
  EXPECT_EQ(run.m_nExit, 2);
  EXPECT_EQ(run.m_strErr,
            "zev-cli: the model has no attribute named <Speed>, nor one with that index (0 to "
            "4).\n");
  run = RunCli({"report", "attribute", Model(), "--alternative", "Plan A", "-o", m_dir.Path("x")});
  EXPECT_EQ(run.m_nExit, 2);
  run = RunCli({"report", "chart", Model(), "-o", m_dir.Path("x")});
  EXPECT_EQ(run.m_nExit, 2);
  run = RunCli({"report", "alternative", Model(), "-o", m_dir.Path("gone/x.txt")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr.rfind("The report is not saved.\n\nThe file <", 0), 0u) << run.m_strErr;
}

}  // namespace
}  // namespace zev
