#include "commands/report_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "elicitation/report_options_presenter.h"
#include "elicitation/report_type_presenter.h"
#include "io/atomic_file.h"
#include "io/report_files.h"
#include "tests/io/report_models.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::CScriptedUser;
namespace fs = std::filesystem;

class ReportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildPlanModel(m_doc); }
  std::string Read(const fs::path& p) { return test::ReadFile(p); }
  std::size_t Files() { return m_tmp.EntryCount(); }
  static bool StartDefault(CReportOptionsPresenter& p) {
    return p.StartSaving() == EDialogAction::CloseOk;
  }

  test::CTempDir m_tmp;
  const fs::path& m_dir = m_tmp.Dir();
  CMADMDoc m_doc;
};

TEST_F(ReportCommandTest, AlternativeReportEvaluatesFirstAndWritesTheWholeFile) {
  CScriptedUser user;
  const std::string hint = "You can view the file using Notepad or a similar editor.";
  user.OnDialog<CReportOptionsPresenter>([](CReportOptionsPresenter& p) {
        EXPECT_EQ(p.Title(), "ZEV Dialog: Save Assessment Results or Attribute Hierarchy");
        EXPECT_TRUE(p.m_options.m_bAccepted);
        EXPECT_EQ(p.m_options.m_nContent, 0);
        const bool defaults[9] = {false, false, false, false, true, false, true, false, false};
        for (int i = 0; i < 9; ++i) EXPECT_EQ(p.m_options.Item(i), defaults[i]) << i;
        return StartDefault(p);
      })
      .ChooseFile((m_dir / "plan a").string());
  m_doc.SelectAttribute(3);
  AlternativeReportCommand(m_doc);

  ASSERT_EQ(user.FileChoices().size(), 1u);
  const SFileChoice& choice = user.FileChoices()[0];
  EXPECT_TRUE(choice.m_bSave);
  EXPECT_TRUE(choice.m_bOverwritePrompt);
  EXPECT_EQ(choice.m_strPath, "Plan A");
  EXPECT_EQ(choice.m_strDefaultExt, "txt");
  EXPECT_EQ(choice.m_strFilter, "ZEV Report Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  const fs::path file = m_dir / "plan a.txt";
  EXPECT_EQ(Read(file), test::ReadTestData("reports/plan_a_alternative.txt"));
  EXPECT_EQ(user.OnlyText(), "The assessment results for <Plan A> are saved in \n<" +
                                 file.string() + ">.\n\n" + hint);
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);
  // The ranking on the Top stays in the model; the current attribute is kept.
  EXPECT_EQ(m_doc.Alternative(1).m_nRanking, 2);
  EXPECT_NEAR(m_doc.Alternative(1).m_dUtility, 0.3375, 1e-12);
  EXPECT_EQ(m_doc.CurrentAttribute(), 3);
}

TEST_F(ReportCommandTest, HierarchyFileIsProposedUnderTheTopName) {
  CScriptedUser user;
  user.OnDialog<CReportOptionsPresenter>([](CReportOptionsPresenter& p) {
        p.ChooseContent(1);
        EXPECT_FALSE(p.ItemsEnabled());
        p.SetItem(4, true);  // disabled: no effect
        for (int i = 0; i < 9; ++i) EXPECT_FALSE(p.m_options.Item(i));
        return StartDefault(p);
      })
      .ChooseFile((m_dir / "tree.txt").string());
  AlternativeReportCommand(m_doc);
  EXPECT_EQ(user.FileChoices().at(0).m_strPath, "Plan");
  EXPECT_EQ(Read(m_dir / "tree.txt"), "Plan\r\n\tQuality\r\n\t\tDesign\r\n\t\tBuild\r\n\tCost\r\n");
  EXPECT_EQ(user.OnlyText(), "The attribute hierarchy is saved in \n<" +
                                 (m_dir / "tree.txt").string() +
                                 ">.\n\nYou can view the file using Notepad or a similar editor.");
}

TEST_F(ReportCommandTest, OptionsWindowContentChoiceResetsTheItems) {
  CReportOptionsPresenter p;
  p.SetItem(0, true);
  p.SetItem(6, false);
  p.ChooseContent(1);
  p.ChooseContent(0);
  EXPECT_TRUE(p.ItemsEnabled());
  EXPECT_FALSE(p.m_options.m_bAttributeTypes);
  EXPECT_TRUE(p.m_options.m_bAverageUtilities);
  EXPECT_EQ(p.Close(), EDialogAction::CloseCancel);
  EXPECT_FALSE(p.m_options.m_bAccepted);
  EXPECT_EQ(FindReportItem("maxmin"), 5);
  EXPECT_STREQ(ReportItemLabel(5), "Maximum and minimum utilities");
  EXPECT_EQ(FindReportItem("Maximum"), -1);
}

TEST_F(ReportCommandTest, StopSavingOrCancellingTheFileWritesNothing) {
  CScriptedUser user;
  user.OnDialog<CReportOptionsPresenter>(
      [](CReportOptionsPresenter& p) { return p.StopSaving() == EDialogAction::CloseOk; });
  AlternativeReportCommand(m_doc);
  EXPECT_TRUE(user.FileChoices().empty());
  user.OnDialog<CReportOptionsPresenter>(StartDefault).ChooseFile("");
  AlternativeReportCommand(m_doc);
  user.ChooseFile("");
  AttributeReportCommand(m_doc);
  user.ChooseFile("");
  SummaryReportCommand(m_doc);
  EXPECT_EQ(user.Count(), 0u);
  EXPECT_TRUE(user.OpenedFiles().empty());
  EXPECT_EQ(Files(), 0u);
}

TEST_F(ReportCommandTest, AttributeReportRanksOnTheReportedAttribute) {
  CScriptedUser user;
  user.ChooseFile((m_dir / "quality.txt").string());
  m_doc.SelectAttribute(1);
  AttributeReportCommand(m_doc);
  EXPECT_EQ(user.FileChoices().at(0).m_strPath, "Quality");
  EXPECT_EQ(Read(m_dir / "quality.txt"), test::ReadTestData("reports/quality_attribute.txt"));
  EXPECT_EQ(user.OnlyText(), "The assessment results for <Quality> are saved in \n<" +
                                 (m_dir / "quality.txt").string() +
                                 ">.\n\nYou can view the file using Notepad or a similar editor.");
}

TEST_F(ReportCommandTest, SummaryReportDropsSpacesAndIsOpenedForTheUser) {
  CScriptedUser user;
  fs::create_directory(m_dir / "my reports");
  user.ChooseFile((m_dir / "my reports" / "plan b summary").string());
  m_doc.SelectAlternative(1);
  SummaryReportCommand(m_doc);
  const SFileChoice& choice = user.FileChoices().at(0);
  EXPECT_EQ(choice.m_strPath, "PlanB");
  EXPECT_EQ(choice.m_strDefaultExt, "doc");
  EXPECT_EQ(choice.m_strFilter, "ZEV Report Files (*.doc)|*.doc|All Files (*.*)|*.*||");
  const fs::path file = m_dir / "my reports" / "planbsummary.doc";
  EXPECT_EQ(Read(file), test::ReadTestData("reports/plan_b_summary.doc"));
  EXPECT_EQ(user.Count(), 0u);
  EXPECT_EQ(user.OpenedFiles(), std::vector<std::string>{file.string()});
}

TEST(ReportFileNameTest, ExtensionIsCheckedCaseSensitively) {
  EXPECT_EQ(WithReportExtension("/r/Report.TXT", ".txt"), "/r/Report.TXT.txt");
  EXPECT_EQ(WithReportExtension("/r/Report.txt", ".txt"), "/r/Report.txt");
  EXPECT_EQ(WithReportExtension("txt", ".txt"), "txt.txt");
  EXPECT_EQ(WithReportExtension("/r/Summary.DOC", ".doc"), "/r/Summary.DOC.doc");
  EXPECT_EQ(WithoutSpacesInFileName("/my dir/a b c.doc"), "/my dir/abc.doc");
  EXPECT_EQ(WithoutSpacesInFileName("a b"), "ab");
}

TEST_F(ReportCommandTest, OnlyTheTopMeansNothingToSave) {
  CMADMDoc doc;
  doc.OnNewDocument();
  CScriptedUser user;
  AlternativeReportCommand(doc);
  AttributeReportCommand(doc);
  SummaryReportCommand(doc);
  user.OnDialog<CReportTypePresenter>(
      [](CReportTypePresenter& p) { return p.Select() == EDialogAction::CloseOk; });
  ChooseReportType(doc);
  ASSERT_EQ(user.Count(), 4u);
  for (const SMessage& m : user.Messages()) {
    EXPECT_EQ(m.m_strText, "There is only one attribute and thus nothing to save!");
    EXPECT_EQ(m.m_icon, EIcon::Information);
  }
  EXPECT_TRUE(user.FileChoices().empty());
}

TEST_F(ReportCommandTest, ReportTypeChooserRunsTheChosenCommand) {
  CScriptedUser user;
  user.OnDialog<CReportTypePresenter>([](CReportTypePresenter& p) {
        EXPECT_EQ(p.Title(), "ZEV Dialog: Output Text File Selection Window");
        EXPECT_EQ(p.Choice(), 0);
        EXPECT_FALSE(CReportTypePresenter::ChoiceEnabled(2));
        p.Choose(2);
        EXPECT_EQ(p.Choice(), 0);
        p.Choose(1);
        return p.Select() == EDialogAction::CloseOk;
      })
      .ChooseFile("");
  m_doc.SelectAttribute(2);
  ChooseReportType(m_doc);
  EXPECT_EQ(user.FileChoices().at(0).m_strPath, "Cost");

  user.OnDialog<CReportTypePresenter>(
          [](CReportTypePresenter& p) { return p.Select() == EDialogAction::CloseOk; })
      .OnDialog<CReportOptionsPresenter>(
          [](CReportOptionsPresenter& p) { return p.StopSaving() == EDialogAction::CloseOk; });
  ChooseReportType(m_doc);
  user.OnDialog<CReportTypePresenter>(
      [](CReportTypePresenter& p) { return p.Cancel() == EDialogAction::CloseOk; });
  ChooseReportType(m_doc);
  EXPECT_EQ(user.Dialogs().size(), 4u);
  EXPECT_EQ(user.Count(), 0u);
}

// Lets `limit` bytes through, then fails like a full disk.
class CFullDisk : public CSinkFilter {
 public:
  explicit CFullDisk(std::size_t limit) : m_left(limit) {}
  bool Write(std::string_view bytes, CByteSink& next, std::string& error) override {
    std::size_t n = std::min(bytes.size(), m_left);
    m_left -= n;
    if (!next.Write(bytes.substr(0, n), error)) return false;
    if (n == bytes.size()) return true;
    error = "No space left on device";
    return false;
  }

 private:
  std::size_t m_left;
};

TEST_F(ReportCommandTest, AFailedWriteLeavesNoPartialReport) {
  CScriptedUser user;
  const fs::path file = m_dir / "report.txt";
  std::ofstream(file, std::ios::binary) << "the old report";
  CFullDisk full(10);
  EXPECT_FALSE(WriteReportFile(file.string(), "a long new report\n", &full));
  EXPECT_EQ(Read(file), "the old report");
  EXPECT_EQ(Files(), 1u);
  EXPECT_EQ(user.OnlyText(), "The report is not saved.\n\nThe file <" + file.string() +
                                 "> could not be written: No space left on device.");

  // A folder that does not exist: told, and nothing written.
  user.Clear();
  user.OnDialog<CReportOptionsPresenter>(StartDefault)
      .ChooseFile((m_dir / "gone" / "report.txt").string());
  AlternativeReportCommand(m_doc);
  ASSERT_EQ(user.Count(), 1u);
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(user.Last().m_strText.rfind("The report is not saved.\n\nThe file <", 0), 0u);
  EXPECT_FALSE(fs::exists(m_dir / "gone"));
}

}  // namespace
}  // namespace zev
