#include "commands/exchange_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "io/csv_exchange.h"
#include "io/json_model.h"
#include "io/model_file.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::CScriptedUser;
namespace fs = std::filesystem;

// The example model, opened from a copy in a fresh folder.
class ExchangeCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(std::string(ZEV_EXAMPLES) + "/laptop.zev", m_model);
    std::string message;
    ASSERT_TRUE(m_document.OnOpenDocument(m_model.string(), message)) << message;
  }
  CMADMDoc& Doc() { return m_document.Doc(); }
  std::string Saved() { return WriteModel(Doc()); }
  // A quantitative record of the first alternative.
  CAssessment& PriceRecord() {
    for (int i = 0; i <= Doc().LastAttribute(); ++i) {
      const CAttribute& a = Doc().Attribute(i);
      if (a.m_nChildren == 0 && a.m_nType == Quantitative) return Doc().Alternative(0).Record(i);
    }
    ADD_FAILURE() << "the example has no quantitative attribute";
    return Doc().Alternative(0).Record(0);
  }

  test::CTempDir m_tmp;
  const fs::path m_model = m_tmp.Dir() / "laptop.zev";
  CModelDocument m_document{0};
};

struct SExport {
  const char* m_pszName;
  bool (*m_run)(CModelDocument&);
  const char* m_pszTitle;
  const char* m_pszFilter;
  const char* m_pszExt;
  const char* m_pszProposed;
  std::string (*m_expected)(CMADMDoc&);
};

const SExport kExports[] = {
    {"results", ExportResultsCommand, "Export Results as CSV", kCsvFileFilter, "csv",
     "laptop-results.csv", [](CMADMDoc& d) { return ExportResultsCsv(d); }},
    {"assessments", ExportAssessmentsCommand, "Export Assessments as CSV", kCsvFileFilter, "csv",
     "laptop-assessments.csv", [](CMADMDoc& d) { return ExportAssessmentsCsv(d); }},
    {"json", ExportModelJsonCommand, "Export Model as JSON", kJsonFileFilter, "json", "laptop.json",
     [](CMADMDoc& d) { return WriteModelJson(d); }},
};

TEST_F(ExchangeCommandTest, ExportsProposeANameBesideTheModelAndWriteTheWholeTable) {
  for (const SExport& e : kExports) {
    SCOPED_TRACE(e.m_pszName);
    CScriptedUser user;
    const fs::path out = m_tmp.Dir() / e.m_pszProposed;
    user.ChooseFile(out.string());
    ASSERT_TRUE(e.m_run(m_document));
    ASSERT_EQ(user.FileChoices().size(), 1u);
    const SFileChoice& choice = user.FileChoices()[0];
    EXPECT_TRUE(choice.m_bSave);
    EXPECT_TRUE(choice.m_bOverwritePrompt);
    EXPECT_EQ(choice.m_strTitle, e.m_pszTitle);
    EXPECT_EQ(choice.m_strFilter, e.m_pszFilter);
    EXPECT_EQ(choice.m_strDefaultExt, e.m_pszExt);
    EXPECT_EQ(choice.m_strPath, out.string());
    EXPECT_EQ(user.Count(), 0u);
    EXPECT_EQ(test::ReadFile(out), e.m_expected(Doc()));
  }
}

TEST_F(ExchangeCommandTest, ACancelledExportWritesNothing) {
  for (const SExport& e : kExports) {
    SCOPED_TRACE(e.m_pszName);
    CScriptedUser user;
    user.ChooseFile("");
    EXPECT_FALSE(e.m_run(m_document));
    EXPECT_EQ(user.Count(), 0u);
    EXPECT_EQ(m_tmp.EntryCount(), 1u);  // the model alone
  }
}

TEST_F(ExchangeCommandTest, AnExportThatCannotBeWrittenWarnsAndKeepsTheOldFile) {
  for (const SExport& e : kExports) {
    SCOPED_TRACE(e.m_pszName);
    const fs::path out = m_tmp.Dir() / e.m_pszProposed;
    test::WriteFile(out, "kept");
    ::chmod(out.c_str(), 0444);
    CScriptedUser user;
    user.ChooseFile(out.string());
    EXPECT_FALSE(e.m_run(m_document));
    ASSERT_EQ(user.Count(), 1u);
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    EXPECT_NE(user.Last().m_strText.find(e.m_pszProposed), std::string::npos)
        << user.Last().m_strText;
    EXPECT_EQ(test::ReadFile(out), "kept");
  }
}

TEST_F(ExchangeCommandTest, ImportingTheModelsOwnTableChangesNothing) {
  const fs::path csv = m_tmp.Path("table.csv");
  test::WriteFile(csv, ExportAssessmentsCsv(Doc()));
  const std::string before = Saved();
  CScriptedUser user;
  user.ChooseFile(csv.string());
  EXPECT_TRUE(ImportAssessmentsCommand(m_document));
  const SFileChoice& choice = user.FileChoices().at(0);
  EXPECT_FALSE(choice.m_bSave);
  EXPECT_EQ(choice.m_strTitle, "Import Assessments from CSV");
  EXPECT_EQ(choice.m_strFilter, kCsvFileFilter);
  EXPECT_EQ(user.OnlyText(), "The assessments of 7 alternatives have been read.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(Saved(), before);
}

TEST_F(ExchangeCommandTest, AnImportThatStoresSomethingMarksTheModelModified) {
  const fs::path csv = m_tmp.Path("table.csv");
  test::WriteFile(csv, ExportAssessmentsCsv(Doc()));
  const double price = PriceRecord().m_dValue;
  PriceRecord().m_dValue = price + 1;
  Doc().SetModifiedFlag(false);
  CScriptedUser user;
  user.ChooseFile(csv.string());
  EXPECT_TRUE(ImportAssessmentsCommand(m_document));
  EXPECT_EQ(PriceRecord().m_dValue, price);
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(ExchangeCommandTest, ARefusedOrUnreadableTableLeavesTheModel) {
  const fs::path bad = m_tmp.Path("bad.csv");
  test::WriteFile(bad, "Alternative,No such attribute\nX,1\n");
  struct SCase {
    std::string m_strPath;
    const char* m_pszStart;
  };
  for (const SCase& c :
       {SCase{"", nullptr}, SCase{bad.string(), "The assessments cannot be read; nothing has been"},
        SCase{m_tmp.Path("missing.csv"), nullptr}}) {
    SCOPED_TRACE(c.m_strPath);
    const std::string before = Saved();
    CScriptedUser user;
    user.ChooseFile(c.m_strPath);
    EXPECT_FALSE(ImportAssessmentsCommand(m_document));
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(Doc().IsModified());
    if (c.m_strPath.empty()) {
      EXPECT_EQ(user.Count(), 0u);
      continue;
    }
    ASSERT_EQ(user.Count(), 1u);
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    if (c.m_pszStart) {
      EXPECT_EQ(user.Last().m_strText.rfind(c.m_pszStart, 0), 0u);
    }
  }
}

TEST_F(ExchangeCommandTest, AModelFromJsonIsUntitledModifiedAndSavesAsTheOriginal) {
  const fs::path json = m_tmp.Dir() / "shared.json";
  test::WriteFile(json, WriteModelJson(Doc()));
  CScriptedUser user;
  user.ChooseFile(json.string());
  std::unique_ptr<CModelDocument> imported = ImportModelJsonCommand(4);
  ASSERT_NE(imported, nullptr);
  const SFileChoice& choice = user.FileChoices().at(0);
  EXPECT_FALSE(choice.m_bSave);
  EXPECT_EQ(choice.m_strFilter, kJsonFileFilter);
  EXPECT_EQ(imported->Title(), "ZEV4");
  EXPECT_TRUE(imported->PathName().empty());
  EXPECT_TRUE(imported->Doc().IsModified());
  EXPECT_EQ(user.Count(), 0u);

  // Save proposes the JSON file's name as a model file.
  user.ChooseFile("");
  EXPECT_FALSE(imported->DoSave(false));
  EXPECT_EQ(user.FileChoices().at(1).m_strPath, (m_tmp.Dir() / "shared.zev").string());
  user.ChooseFile((m_tmp.Dir() / "shared.zev").string());
  ASSERT_TRUE(imported->DoSave(false));
  EXPECT_EQ(test::ReadFile(m_tmp.Dir() / "shared.zev"), test::ReadFile(m_model));
}

TEST_F(ExchangeCommandTest, ACancelledOrRefusedJsonImportOpensNothing) {
  const fs::path bad = m_tmp.Dir() / "bad.json";
  test::WriteFile(bad, R"({"format": "ZEV model", "version": 1})");
  for (const std::string& path : {std::string(), bad.string()}) {
    CScriptedUser user;
    user.ChooseFile(path);
    EXPECT_EQ(ImportModelJsonCommand(1), nullptr);
    EXPECT_EQ(user.Count(), path.empty() ? 0u : 1u);
    if (!path.empty()) {
      EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
      EXPECT_NE(user.Last().m_strText.find("bad.json"), std::string::npos);
    }
  }
}

TEST_F(ExchangeCommandTest, TheReportGoesToTheWriterOnlyWhenAFileIsChosen) {
  std::vector<std::string> written;
  auto writer = [&written](CMADMDoc&, const std::string& path) {
    written.push_back(path);
    return true;
  };
  CScriptedUser user;
  user.ChooseFile("");
  EXPECT_FALSE(ExportReportCommand(m_document, writer));
  EXPECT_TRUE(written.empty());
  const SFileChoice& choice = user.FileChoices().at(0);
  EXPECT_TRUE(choice.m_bSave);
  EXPECT_EQ(choice.m_strTitle, "Export Report");
  EXPECT_EQ(choice.m_strDefaultExt, "pdf");
  EXPECT_EQ(choice.m_strPath, (m_tmp.Dir() / "laptop.pdf").string());
  EXPECT_EQ(choice.m_strFilter,
            "PDF Documents (*.pdf)|*.pdf|OpenDocument Texts (*.odt)|*.odt|All Files (*.*)|*.*||");

  user.ChooseFile(m_tmp.Path("r.odt"));
  EXPECT_TRUE(ExportReportCommand(m_document, writer));
  EXPECT_EQ(written, std::vector<std::string>{m_tmp.Path("r.odt")});

  // A model of only the top attribute has nothing to report.
  CModelDocument empty(2);
  empty.OnNewDocument();
  EXPECT_FALSE(ExportReportCommand(empty, writer));
  EXPECT_EQ(user.Last().m_strText, "There is only one attribute and thus nothing to save!");
  EXPECT_EQ(user.FileChoices().size(), 2u);
  EXPECT_EQ(ProposedExportPath(empty, ".pdf"), "ZEV2.pdf");
}

}  // namespace
}  // namespace zev
