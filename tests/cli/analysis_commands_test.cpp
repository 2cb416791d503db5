#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "io/model_file.h"
#include "model/text.h"
#include "tests/cli/cli_run.h"

namespace zev {
namespace {

using nlohmann::json;
using test::RunCli;

const std::string kExample = std::string(ZEV_EXAMPLES) + "/laptop.zev";

CMADMDoc& Loaded(const std::string& path, CMADMDoc& doc) {
  SFileError error;
  EXPECT_TRUE(LoadModelFile(path, doc, error)) << error.Message();
  return doc;
}

TEST(CliGroup, AveragesTheNamedMembersWithTheirWeights) {
  test::CTempDir dir;
  CMADMDoc before;
  Loaded(kExample, before);
  const std::string first = before.Alternative(0).m_strName.Str();
  auto run = RunCli({"group", kExample, "--member", first + "=3", "--member", "@3", "--name",
                     "Panel", "-o", dir.Path("out.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  CMADMDoc doc;
  Loaded(dir.Path("out.zev"), doc);
  ASSERT_EQ(doc.AlternativeCount(), before.AlternativeCount() + 1);
  const CAlternative& group = doc.Alternative(doc.AlternativeCount() - 1);
  EXPECT_EQ(group.m_strName, "Panel");
  for (int k = 1; k <= doc.LastAttribute(); ++k) {
    const CAttribute& a = doc.Attribute(k);
    if (a.m_nChildren > 0 || a.m_nType != Qualitative) continue;
    for (int j = 0; j < a.m_nGrades; ++j) {
      const double expected = (3 * before.Alternative(0).Record(k).m_dBelief[j] +
                               before.Alternative(2).Record(k).m_dBelief[j]) /
                              4;
      EXPECT_NEAR(group.Record(k).m_dBelief[j], expected, 1e-15) << a.m_strName.Str();
    }
  }
  // Evaluated and ranked with the others.
  EXPECT_GT(group.m_nRanking, 0);
  EXPECT_EQ(group.m_dUtility, group.Record(0).m_dAvgUtility);
}

TEST(CliGroup, RefusalsWriteNothing) {
  struct SCase {
    std::vector<std::string> m_args;
    int m_nExit;
    std::string m_strErr;
  };
  const SCase cases[] = {
      {{}, 1, "To create a group alternative, at least\nONE alternative has to be selected.\n"},
      {{"--member", "Nobody"}, 2, "zev-cli: the model has no alternative named <Nobody>"},
      {{"--member", "@0"}, 2, "zev-cli: the model has no alternative named <@0>"},
      {{"--member", "@1=101"}, 2, "Please enter a number between 0 and 100.\n"},
  };
  for (const SCase& c : cases) {
    test::CTempDir dir;
    std::vector<std::string> args = {"group", kExample, "-o", dir.Path("out.zev")};
    args.insert(args.end(), c.m_args.begin(), c.m_args.end());
    auto run = RunCli(args);
    EXPECT_EQ(run.m_nExit, c.m_nExit) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find(c.m_strErr), std::string::npos) << run.m_strErr;
    EXPECT_TRUE(test::ReadFile(dir.Path("out.zev")).empty());
  }
}

json OnlyChart(const test::SCliRun& run) {
  const json out = json::parse(run.m_strOut);
  EXPECT_EQ(out["charts"].size(), 1u);
  return out["charts"][0];
}

TEST(CliSensitivityWeights, RankChangeGraphWithItsLineForTheChosenAlternatives) {
  auto run = RunCli({"sensitivity", "weights", kExample, "--weight", "Performance", "--alternative",
                     "@2", "--alternative", "@1", "--graph", "rank-change", "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const json chart = OnlyChart(run);
  EXPECT_EQ(chart["window"], 215);
  EXPECT_EQ(chart["title"], "Average scores of alternatives on Laptop for a student");
  EXPECT_EQ(chart["x_title"], "Weight of Performance");
  ASSERT_EQ(chart["points"].size(), 11u);
  EXPECT_EQ(chart["points"][10], "1.00");
  EXPECT_EQ(chart["series"].size(), 2u);
  EXPECT_EQ(chart["line"], (json{{"label", "Given weight"}, {"at", 3.5}}));
}

TEST(CliSensitivityWeights, NormaliseAndSetDragTheWeightBar) {
  auto run = RunCli({"sensitivity", "weights", kExample, "--weight", "1", "--normalise", "--set",
                     "0.6", "--graph", "weights", "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const json chart = OnlyChart(run);
  EXPECT_EQ(chart["title"], "Change Weights for Laptop for a student");
  // 0.6 among 0.25, 0.25 and 0.15, normalised to sum 1.
  const std::vector<double> w = chart["series"][0]["values"];
  ASSERT_EQ(w.size(), 4u);
  EXPECT_NEAR(w[0], 0.6 / 1.25, 1e-12);
  EXPECT_NEAR(w[0] + w[1] + w[2] + w[3], 1.0, 1e-12);
}

TEST(CliSensitivity, Refusals) {
  struct SCase {
    std::vector<std::string> m_args;
    int m_nExit;
    std::string m_strErr;
  };
  const SCase cases[] = {
      {{"weights", "--weight", "0", "--graph", "weights"},
       1,
       "To draw a weight graph, at least\none sub-attribute has to be selected.\n"},
      {{"weights", "--weight", "1", "--rank-on", "Price", "--graph", "belief"},
       1,
       "To draw a belief graph, the selected\nattribute must be a qualitative attribute.\n"},
      {{"weights", "--weight", "Nothing", "--graph", "weights"}, 2, "no attribute named <Nothing>"},
      {{"data", "--attribute", "Cost"},
       1,
       "To draw a input data graph, at least\none bottom-attribute has to be selected.\n"},
      {{"data", "--attribute", "Price", "--drag", "1=900"}, 2, "the input chart has bars 0 to 0."},
      {{"data", "--attribute", "Price", "--drag", "x"}, 2, "--drag takes POINT=VALUE"},
  };
  for (const SCase& c : cases) {
    std::vector<std::string> args = {"sensitivity", c.m_args[0], kExample};
    args.insert(args.end(), c.m_args.begin() + 1, c.m_args.end());
    auto run = RunCli(args);
    EXPECT_EQ(run.m_nExit, c.m_nExit) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find(c.m_strErr), std::string::npos) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "");
  }
}

TEST(CliSensitivityData, DragStoresTheInputAndSavesIt) {
  test::CTempDir dir;
  auto run =
      RunCli({"sensitivity", "data", kExample, "--attribute", "Build quality", "--alternative",
              "@3", "--drag", "0=0.5", "--json", "-o", dir.Path("out.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const json charts = json::parse(run.m_strOut)["charts"];
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0]["series"][0]["legend"], "Belief");
  EXPECT_EQ(charts[0]["series"][0]["values"][0], 0.5);
  EXPECT_EQ(charts[1]["title"], "Score on Laptop for a student");
  CMADMDoc doc;
  Loaded(dir.Path("out.zev"), doc);
  const double* b = doc.Alternative(2).Record(10).m_dBelief;
  EXPECT_EQ(b[0], 0.5);
  double sum = 0;
  for (int j = 0; j < doc.Attribute(10).m_nGrades; ++j) sum += b[j];
  EXPECT_LE(sum, 1.0 + 1e-8);
}

TEST(CliTradeOff, PointsAndAxesAsJson) {
  auto run = RunCli({"tradeoff", kExample, "--x", "Price", "--y", "Build quality", "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const json out = json::parse(run.m_strOut);
  EXPECT_EQ(out["title"], "Trade-Off Analysis");
  EXPECT_EQ(out["x_title"], "Price (\u00a3)");
  EXPECT_EQ(out["y_title"], "Build quality (%)");
  EXPECT_EQ(out["x_range"], json::array({700.0, 2000.0}));
  EXPECT_EQ(out["y_range"], json::array({0.0, 100.0}));
  ASSERT_EQ(out["points"].size(), 7u);
  CMADMDoc doc;
  Loaded(kExample, doc);
  const json& p = out["points"][1];
  EXPECT_EQ(p["name"], Cp1252ToUtf8(doc.Alternative(1).m_strName.Str()));
  EXPECT_EQ(p["x"], doc.Alternative(1).Record(8).m_dValue);
  EXPECT_EQ(p["y"], doc.Alternative(1).Record(10).m_dAvgUtility * 100);
}

}  // namespace
}  // namespace zev
