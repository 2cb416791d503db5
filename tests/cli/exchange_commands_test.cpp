#include <gtest/gtest.h>

#include <filesystem>

#include "io/csv_exchange.h"
#include "io/json_model.h"
#include "io/model_file.h"
#include "tests/cli/cli_run.h"

namespace zev {
namespace {

using test::ReadFile;
using test::RunCli;

const std::string kExample = std::string(ZEV_EXAMPLES) + "/laptop.zev";

CMADMDoc& Example(CMADMDoc& doc) {
  SFileError error;
  EXPECT_TRUE(LoadModelFile(kExample, doc, error)) << error.Message();
  return doc;
}

TEST(CliExchange, ExportsAreTheCoresAndImportsRoundTripTheExample) {
  test::CTempDir dir;
  CMADMDoc doc;
  Example(doc);
  struct SCase {
    const char* m_pszKind;
    const char* m_pszFile;
    std::string m_strExpected;
  };
  const std::string assessments = ExportAssessmentsCsv(doc);
  const std::string json = WriteModelJson(doc);
  const SCase cases[] = {{"assessments", "a.csv", assessments},
                         {"json", "m.json", json},
                         {"results", "r.csv", ExportResultsCsv(doc)}};
  for (const SCase& c : cases) {
    auto run = RunCli({"export", c.m_pszKind, kExample, "-o", dir.Path(c.m_pszFile)});
    EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strErr, "");
    EXPECT_EQ(ReadFile(dir.Path(c.m_pszFile)), c.m_strExpected) << c.m_pszKind;
  }

  auto run = RunCli({"import-csv", kExample, dir.Path("a.csv"), "-o", dir.Path("a.zev")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "The assessments of 7 alternatives have been read.\n");
  EXPECT_EQ(ReadFile(dir.Path("a.zev")), ReadFile(kExample));

  run = RunCli({"import-json", dir.Path("m.json"), "-o", dir.Path("m.zev")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "");
  EXPECT_EQ(ReadFile(dir.Path("m.zev")), ReadFile(kExample));
}

TEST(CliExchange, RefusalsExitWithOneOrTwoAndWriteNothing) {
  test::CTempDir dir;
  test::WriteFile(dir.Path("bad.csv"), "Alternative,Prize\nWisp Air,1\n");
  test::WriteFile(dir.Path("bad.json"), "{\"format\": \"ZEV model\"}");
  struct SCase {
    std::vector<std::string> m_args;
    int m_nExit;
    std::string m_strErr;
  };
  const std::string out = dir.Path("out");
  const SCase cases[] = {
      {{"import-csv", kExample, dir.Path("bad.csv"), "-o", out},
       1,
       "The assessments cannot be read; nothing has been changed.\n\n"
       "Row 1, column B: the model has no attribute named <Prize>.\n"},
      {{"import-csv", kExample, dir.Path("missing.csv"), "-o", out}, 1, ""},
      {{"import-json", dir.Path("bad.json"), "-o", out},
       1,
       "The file <" + dir.Path("bad.json") +
           "> is not a ZEV model in JSON form.\n/: the member \"version\" is missing.\n"},
      {{"export", "json", dir.Path("missing.zev"), "-o", out}, 1, ""},
      {{"export", "json", kExample, "-o", dir.Path("no/such/folder.json")}, 1, ""},
      {{"export", "pdf", kExample, "-o", out}, 2, ""},
      {{"import-json", dir.Path("bad.json")}, 2, ""},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.m_args[0] + " " + c.m_args[1]);
    auto run = RunCli(c.m_args);
    EXPECT_EQ(run.m_nExit, c.m_nExit);
    if (!c.m_strErr.empty()) {
      EXPECT_EQ(run.m_strErr, c.m_strErr);
    }
    EXPECT_NE(run.m_strErr, "");
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

}  // namespace
}  // namespace zev
