#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "model/format.h"
#include "tests/cli/cli_run.h"
#include "tests/io/memory_limit.h"
#include "tests/support/scripted_user.h"

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

// A small file may describe more alternatives than the memory holds: it is
// refused before the memory is taken, instead of ending the program.
TEST(CliShow, AModelThatNeedsMoreMemoryThanThereIsIsRefused) {
  if (test::kAddressSanitizer) GTEST_SKIP() << "an address-space limit needs a plain build";
  test::CTempDir dir;
  const std::string path = dir.Path("many.zev");
  test::WriteFile(path, test::ManyAlternativesModel(40000));
  auto run = RunCli({"show", path}, 512u << 20);
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strOut, "");
  EXPECT_EQ(run.m_strErr.find("There is not enough memory to open the file <" + path +
                              ">: its 40000 alternatives need about "),
            0u)
      << run.m_strErr;
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
  EXPECT_NE(out.find("   7. Orchard Pro  ranking   1, utility 0.7343\n"), std::string::npos) << out;
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
  // The example is saved ranked.
  EXPECT_EQ(Keys(j["alternatives"][2]), (std::vector<std::string>{"name", "ranking", "utility"}));
  EXPECT_EQ(j["alternatives"][2]["name"], "Wisp Air");
  EXPECT_EQ(j["alternatives"][2]["ranking"], 6);
  EXPECT_NEAR(j["alternatives"][2]["utility"].get<double>(), 0.5671, 5e-5);
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

// The example evaluated in this process, to compare the tool's output with.
struct SEvaluated {
  SEvaluated(int nAttribute = -1) {
    test::CScriptedUser user;
    SFileError error;
    EXPECT_TRUE(LoadModelFile(kExample, m_doc, error)) << error.Message();
    AttachEngine(m_doc);
    if (nAttribute < 0) {
      RankAlternatives(m_doc);
    } else {
      m_doc.SetCurrentAttribute(nAttribute);
      AssessAttribute(m_doc);
    }
  }
  CMADMDoc m_doc;
};

TEST(CliRank, JsonIsExactlyTheResultsOfTheRankCommand) {
  auto run = RunCli({"rank", kExample, "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, " All alternatives have been assessed on all attributes.\n");
  const ordered_json j = ordered_json::parse(run.m_strOut);
  EXPECT_EQ(Keys(j), std::vector<std::string>{"alternatives"});

  SEvaluated expected;
  const CMADMDoc& doc = expected.m_doc;
  ASSERT_EQ(j["alternatives"].size(), static_cast<std::size_t>(doc.AlternativeCount()));
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& alt = doc.Alternative(p);
    const ordered_json& a = j["alternatives"][p];
    SCOPED_TRACE(alt.m_strName.Str());
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"name", "ranking", "utility", "attributes"}));
    EXPECT_EQ(a["name"], alt.m_strName.Str()) << "list order";
    EXPECT_EQ(a["ranking"], alt.m_nRanking);
    EXPECT_EQ(a["utility"].get<double>(), alt.m_dUtility) << "the same double";
    ASSERT_EQ(a["attributes"].size(), 11u);
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const ordered_json& r = a["attributes"][i];
      const CAssessment& record = alt.Record(i);
      EXPECT_EQ(Keys(r), (std::vector<std::string>{"index", "name", "belief", "unassigned", "min",
                                                   "max", "avg", "value"}));
      EXPECT_EQ(r["index"], i);
      EXPECT_EQ(r["name"], doc.Attribute(i).m_strName.Str());
      EXPECT_EQ(r["belief"].size(), static_cast<std::size_t>(doc.Attribute(i).m_nGrades));
      EXPECT_EQ(r["min"].get<double>(), record.m_dMinUtility);
      EXPECT_EQ(r["max"].get<double>(), record.m_dMaxUtility);
      EXPECT_EQ(r["avg"].get<double>(), record.m_dAvgUtility);
      EXPECT_EQ(r["value"].get<double>(), record.m_dValue);
      if (doc.Attribute(i).m_nType == Qualitative) {
        for (int k = 0; k < doc.Attribute(i).m_nGrades; ++k) {
          EXPECT_EQ(r["belief"][k].get<double>(), record.m_dBelief[k]);
        }
        EXPECT_EQ(r["unassigned"].get<double>(),
                  record.UnassignedBelief(doc.Attribute(i).m_nGrades));
      }
    }
  }
}

TEST(CliRank, QuantitativeBeliefsAreTheValuesSpreadOverTheGrades) {
  auto run = RunCli({"rank", kExample, "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const ordered_json j = ordered_json::parse(run.m_strOut);
  // Kestrel 14: battery life 9 h (0.5) and 12 h (0.5) on grades 5, 10, 15 h.
  const ordered_json& battery = j["alternatives"][0]["attributes"][6];
  ASSERT_EQ(battery["name"], "Battery life");
  EXPECT_NEAR(battery["belief"][0].get<double>(), 0.1, 1e-12);
  EXPECT_NEAR(battery["belief"][1].get<double>(), 0.7, 1e-12);
  EXPECT_NEAR(battery["belief"][2].get<double>(), 0.2, 1e-12);
  EXPECT_EQ(battery["unassigned"].get<double>(), 0.0);
  // Nomad 13: 10 h (0.3) and 14 h (0.4) leave 0.3 unassigned.
  const ordered_json& nomad = j["alternatives"][5]["attributes"][6];
  EXPECT_NEAR(nomad["belief"][1].get<double>(), 0.3 + 0.4 * 0.2, 1e-12);
  EXPECT_NEAR(nomad["belief"][2].get<double>(), 0.4 * 0.8, 1e-12);
  EXPECT_NEAR(nomad["unassigned"].get<double>(), 0.3, 1e-12);
  // Kestrel 14: price 1150 between 1300 (Fair) and 700 (Bargain).
  const ordered_json& price = j["alternatives"][0]["attributes"][8];
  EXPECT_NEAR(price["belief"][1].get<double>(), 0.75, 1e-12);
  EXPECT_NEAR(price["belief"][2].get<double>(), 0.25, 1e-12);
}

// Utilities that are not numbers (a model may hold them) are shown as such,
// without a bar: the bar's length is not computed from them.
TEST(CliRank, AUtilityThatIsNotANumberDrawsNoBar) {
  test::CTempDir dir;
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.InsertAttributeRight();
  for (int k = 0; k < 5; ++k) doc.Attribute(0).SetGradeUtility(k, std::nan(""));
  SFileError error;
  ASSERT_TRUE(SaveModelFile(dir.Path("nan.zev"), doc, error)) << error.Message();
  auto run = RunCli({"rank", dir.Path("nan.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const std::string row = "   1  First alternative  nan    [nan, nan]  \n";
  EXPECT_NE(run.m_strOut.find(row), std::string::npos) << run.m_strOut;
}

TEST(CliRank, TableByRankingAndTheSavedModel) {
  test::CTempDir dir;
  auto run = RunCli({"rank", kExample, "-o", dir.Path("ranked.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, " All alternatives have been assessed on all attributes.\n");
  SEvaluated expected;
  const CMADMDoc& doc = expected.m_doc;

  const std::string& out = run.m_strOut;
  EXPECT_EQ(out.find("Ranking on Laptop for a student (7 alternatives)\n\n"
                     "Rank  Alternative  Utility   Interval\n"
                     "----  -----------  -------   ----------------\n"),
            0u)
      << out;
  std::size_t previous = 0;
  for (int rank = 1; rank <= 7; ++rank) {
    int p = 0;
    while (doc.Alternative(p).m_nRanking != rank) ++p;
    const CAlternative& alt = doc.Alternative(p);
    const std::string row = Format("%4d  %-11s  %1.4lf    [%1.4lf, %1.4lf]", rank,
                                   alt.m_strName.c_str(), alt.Record(0).m_dAvgUtility,
                                   alt.Record(0).m_dMinUtility, alt.Record(0).m_dMaxUtility);
    const std::size_t at = out.find(row);
    ASSERT_NE(at, std::string::npos) << row << "\n" << out;
    EXPECT_GT(at, previous) << "rows in ranking order";
    previous = at;
  }

  // The evaluated model was saved with its results: exactly what this
  // process gets from the same command.
  CMADMDoc saved;
  SFileError error;
  ASSERT_TRUE(LoadModelFile(dir.Path("ranked.zev"), saved, error)) << error.Message();
  CMADMDoc same;
  {
    test::CScriptedUser user;
    LoadModelFile(kExample, same, error);
    AttachEngine(same);
    RankAlternatives(same);
  }
  EXPECT_EQ(WriteModel(saved), WriteModel(same));
}

TEST(CliAssess, ByNameOrIndexRanksOnThatAttribute) {
  auto byName = RunCli({"assess", kExample, "--attribute", "Price"});
  ASSERT_EQ(byName.m_nExit, 0) << byName.m_strErr;
  EXPECT_EQ(byName.m_strErr, "");
  auto byIndex = RunCli({"assess", kExample, "-a", "8"});
  EXPECT_EQ(byIndex.m_strOut, byName.m_strOut);

  // The best price is the smaller one: the ranking by value is reversed.
  const std::string& out = byName.m_strOut;
  EXPECT_EQ(out.find("Ranking on Price (7 alternatives)\n\n"
                     "Rank  Alternative  Utility   Interval                 Value\n"),
            0u)
      << out;
  EXPECT_NE(out.find("   1  Thrift Book  0.9833    [0.9833, 0.9833]           720  "),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("   7  Orchard Pro  0.0071    [0.0071, 0.0071]          1990  "),
            std::string::npos)
      << out;

  auto json = RunCli({"assess", kExample, "-a", "Battery life", "--json"});
  ASSERT_EQ(json.m_nExit, 0) << json.m_strErr;
  const ordered_json j = ordered_json::parse(json.m_strOut);
  SEvaluated expected(6);
  for (int p = 0; p < 7; ++p) {
    const CAlternative& alt = expected.m_doc.Alternative(p);
    EXPECT_EQ(j["alternatives"][p]["ranking"], alt.m_nRanking);
    EXPECT_EQ(j["alternatives"][p]["utility"].get<double>(), alt.m_dUtility);
    EXPECT_EQ(j["alternatives"][p]["attributes"][6]["avg"].get<double>(),
              alt.Record(6).m_dAvgUtility);
  }
}

TEST(CliAssess, AnAttributeTheModelDoesNotHaveIsAUsageError) {
  for (const char* attribute : {"Nope", "11", "-1"}) {
    auto run = RunCli({"assess", kExample, "--attribute", attribute});
    EXPECT_EQ(run.m_nExit, 2) << attribute;
    EXPECT_EQ(run.m_strOut, "");
    EXPECT_EQ(run.m_strErr, "zev-cli: the model has no attribute named <" + std::string(attribute) +
                                ">, nor one with that index (0 to 10).\n"
                                "Run `zev-cli show " +
                                kExample + "` to see its attributes.\n");
  }
  EXPECT_EQ(RunCli({"assess", kExample}).m_nExit, 2) << "--attribute is required";
  test::CTempDir dir;
  auto missing = RunCli({"assess", dir.Path("none.zev"), "-a", "0"});
  EXPECT_EQ(missing.m_nExit, 1);
}

TEST(CliRank, TextsAreUtf8AndAFailedSaveIsRefused) {
  test::CTempDir dir;
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.Alternative(0).SetName("Caf\xE9 \x80 cr\xE8me");
  doc.Attribute(0).SetName(
      "D\xE9"
      "cision");
  SFileError error;
  ASSERT_TRUE(SaveModelFile(dir.Path("accents.zev"), doc, error));

  auto run = RunCli({"rank", dir.Path("accents.zev"), "--json", "-o", dir.Path("no/where.zev")});
  EXPECT_EQ(run.m_nExit, 1) << "the results are printed, but the model could not be saved";
  const ordered_json j = ordered_json::parse(run.m_strOut);
  EXPECT_EQ(j["alternatives"][0]["name"], "Caf\u00E9 \u20AC cr\u00E8me");
  EXPECT_EQ(j["alternatives"][0]["attributes"][0]["name"], "D\u00E9cision");
  EXPECT_NE(run.m_strErr.find(" All alternatives have been assessed on all attributes.\n"
                              "The file <" +
                              dir.Path("no/where.zev") + "> cannot be created"),
            std::string::npos)
      << run.m_strErr;

  auto table = RunCli({"rank", dir.Path("accents.zev")});
  EXPECT_NE(table.m_strOut.find("Ranking on D\u00E9cision (1 alternative)"), std::string::npos)
      << table.m_strOut;
  EXPECT_NE(table.m_strOut.find("   1  Caf\u00E9 \u20AC cr\u00E8me  "), std::string::npos)
      << table.m_strOut;
}

// Many alternatives are ranked on several threads: whatever ZEV_THREADS
// says, the table and the evaluated model are the same to the byte.
TEST(CliRank, TheNumberOfThreadsChangesNothing) {
  test::CTempDir dir;
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(LoadModelFile(kExample, doc, error));
  const int examples = doc.AlternativeCount();
  for (int copy = 0; doc.AlternativeCount() < 900; ++copy) {
    CAlternative& added =
        doc.AddAlternative(std::make_unique<CAlternative>(doc.Alternative(copy % examples)));
    for (int i = 0; i <= doc.LastAttribute(); ++i)
      added.Record(i).m_dBelief[0] *= 0.999 - copy * 1e-4;
  }
  ASSERT_TRUE(SaveModelFile(dir.Path("many.zev"), doc, error));

  std::string tables[2];
  for (int k = 0; k < 2; ++k) {
    const std::string threads = std::to_string(k + 1);
    ::setenv("ZEV_THREADS", threads.c_str(), 1);
    const auto run = RunCli({"rank", dir.Path("many.zev"), "-o", dir.Path(threads + ".zev")});
    ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
    tables[k] = run.m_strOut;
  }
  ::unsetenv("ZEV_THREADS");
  EXPECT_NE(tables[0].find("(900 alternatives)"), std::string::npos);
  EXPECT_EQ(tables[1], tables[0]);
  EXPECT_EQ(test::ReadFile(dir.Path("2.zev")), test::ReadFile(dir.Path("1.zev")));
}

}  // namespace
}  // namespace zev
