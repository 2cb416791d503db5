#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "io/model_file.h"
#include "tests/cli/cli_run.h"

namespace zev {
namespace {

using nlohmann::ordered_json;
using test::RunCli;

const std::string kExample = std::string(ZEV_EXAMPLES) + "/laptop.zev";

std::vector<std::string> Keys(const ordered_json& object) {
  std::vector<std::string> keys;
  for (auto it = object.begin(); it != object.end(); ++it) keys.push_back(it.key());
  return keys;
}

TEST(CliNew, WritesTheNewModel) {
  test::CTempDir dir;
  auto run = RunCli({"new", dir.Path("fresh.zev")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strOut, "");
  EXPECT_EQ(run.m_strErr, "");
  CMADMDoc doc;
  doc.OnNewDocument();
  EXPECT_EQ(test::ReadFile(dir.Path("fresh.zev")), WriteModel(doc));
}

TEST(CliNew, AFolderThatIsMissingIsRefused) {
  test::CTempDir dir;
  auto run = RunCli({"new", dir.Path("missing/fresh.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strOut, "");
  EXPECT_EQ(run.m_strErr, "The file <" + dir.Path("missing/fresh.zev") +
                              "> cannot be created in the folder <" + dir.Path("missing") +
                              ">: No such file or directory.\n");
}

TEST(CliSave, LoadAndSaveGivesTheSameBytes) {
  test::CTempDir dir;
  auto run = RunCli({"save", kExample, dir.Path("copy.zev")});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "");
  EXPECT_EQ(test::ReadFile(dir.Path("copy.zev")), test::ReadFile(kExample));
}

TEST(CliShow, TreeOfTheExample) {
  auto run = RunCli({"show", kExample});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "");
  const std::string& out = run.m_strOut;
  EXPECT_EQ(out.find("Laptop for a student  (11 attributes, 7 alternatives)\n"), 0u) << out;
  EXPECT_NE(out.find("\u251C\u2500 Performance  [1] qualitative, weight 0.3500\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\u2502  \u2514\u2500 Memory  [3] quantitative, 8 (worst) to 32 (best) GB, "
                     "weight 0.4000\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("Price  [8] quantitative, 2000 (worst) to 700 (best) \u00A3"),
            std::string::npos)
      << "code page 1252 texts are shown in UTF-8";
  EXPECT_NE(out.find("Caf\u00E9-proof (1.0000)"), std::string::npos);
  EXPECT_NE(out.find("   7. Orchard Pro  ranking   7, utility 0.5000\n"), std::string::npos) << out;
}

TEST(CliShow, JsonShape) {
  auto run = RunCli({"show", kExample, "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const ordered_json j = ordered_json::parse(run.m_strOut);
  EXPECT_EQ(Keys(j), (std::vector<std::string>{"attributes", "alternatives"}));
  ASSERT_EQ(j["attributes"].size(), 11u);
  const ordered_json& top = j["attributes"][0];
  EXPECT_EQ(Keys(top),
            (std::vector<std::string>{"index", "name", "kind", "father", "weight", "grades"}));
  EXPECT_EQ(top["name"], "Laptop for a student");
  EXPECT_EQ(top["father"], -1);
  EXPECT_EQ(top["grades"][1], (ordered_json{{"name", "Fair"}, {"utility", 0.3}}));

  const ordered_json& price = j["attributes"][8];
  EXPECT_EQ(Keys(price), (std::vector<std::string>{"index", "name", "kind", "father", "weight",
                                                   "grades", "best", "worst", "unit"}));
  EXPECT_EQ(price["kind"], "quantitative");
  EXPECT_EQ(price["unit"], "\u00A3");
  EXPECT_EQ(price["weight"].get<double>(), 0.7) << "numbers read back to the same double";
  EXPECT_EQ(price["grades"][2],
            (ordered_json{{"name", "Bargain"}, {"utility", 1.0}, {"value", 700.0}}));
  EXPECT_EQ(j["attributes"][6]["kind"], "uncertain");
  EXPECT_EQ(j["attributes"][10]["grades"][3]["name"], "Caf\u00E9-proof");

  ASSERT_EQ(j["alternatives"].size(), 7u);
  EXPECT_EQ(j["alternatives"][2],
            (ordered_json{{"name", "Wisp Air"}, {"ranking", 3}, {"utility", 0.5}}));
}

TEST(CliShow, DamagedAndMissingModelsAreRefusedWithTheMessage) {
  test::CTempDir dir;
  std::string bytes = test::ReadFile(kExample);
  test::WriteFile(dir.Path("cut.zev"), bytes.substr(0, 100));
  auto run = RunCli({"show", dir.Path("cut.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strOut, "");
  EXPECT_EQ(run.m_strErr, "The file <" + dir.Path("cut.zev") +
                              "> is not a valid ZEV model file.\n"
                              "At byte 81 (0x51): the file ends inside a text of 25 bytes.\n");

  run = RunCli({"show", dir.Path("none.zev"), "--json"});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, "The file <" + dir.Path("none.zev") +
                              "> cannot be opened: No such file or directory.\n");

  // More than 51 attributes: the limit message comes first.
  bytes[0] = 60;
  test::WriteFile(dir.Path("big.zev"), bytes);
  run = RunCli({"save", dir.Path("big.zev"), dir.Path("out.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr.find(AttributeLimitMessage() + "\nThe file <"), 0u) << run.m_strErr;
  EXPECT_TRUE(test::ReadFile(dir.Path("out.zev")).empty()) << "nothing was written";
}

TEST(CliUsage, ErrorsExitWith2AndHelpWith0) {
  struct SCase {
    std::vector<std::string> args;
    int exit;
  };
  const SCase cases[] = {
      {{}, 2},
      {{"frobnicate"}, 2},
      {{"show"}, 2},
      {{"show", kExample, "--bogus"}, 2},
      {{"new"}, 2},
      {{"save", kExample}, 2},
      {{"--help"}, 0},
      {{"show", "--help"}, 0},
      {{"--version"}, 0},
  };
  for (const SCase& c : cases) {
    auto run = RunCli(c.args);
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    EXPECT_EQ(run.m_nExit, c.exit) << joined << "\n" << run.m_strErr;
    if (c.exit == 2) {
      EXPECT_FALSE(run.m_strErr.empty()) << joined;
    }
  }
}

}  // namespace
}  // namespace zev
