#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "analysis/graphs.h"
#include "io/model_file.h"
#include "tests/analysis/chart_models.h"
#include "tests/cli/cli_run.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using nlohmann::ordered_json;
using test::RunCli;

class CliChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SFileError error;
    ASSERT_TRUE(SaveModelFile(Model(), m.doc, error)) << error.Message();
  }
  std::string Model() const { return m_dir.Path("model.zev"); }
  ordered_json Json(std::vector<std::string> args) {
    args.push_back("--json");
    auto run = RunCli(args);
    EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strErr, "");
    return ordered_json::parse(run.m_strOut.empty() ? "null" : run.m_strOut);
  }

  test::CScriptedUser user;
  test::CTempDir m_dir;
  test::SChartModel m;
};

TEST_F(CliChartTest, RankingAsJsonInTheDocumentedShape) {
  const ordered_json j = Json({"chart", "ranking", Model()});
  ASSERT_EQ(j["charts"].size(), 1u);
  const ordered_json& c = j["charts"][0];
  std::vector<std::string> keys;
  for (auto it = c.begin(); it != c.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"window", "title", "kind", "x_title", "y_title",
                                            "range", "points", "series", "colour_point"}));
  EXPECT_EQ(c["window"], 157);
  EXPECT_EQ(c["title"], "Ranking of Alternatives on Top Attribute");
  EXPECT_EQ(c["kind"], "stacked");
  EXPECT_EQ(c["x_title"], "Alternative");
  EXPECT_EQ(c["y_title"], "Score");
  EXPECT_TRUE(c["range"].is_null());
  EXPECT_TRUE(c["colour_point"].is_null());
  EXPECT_EQ(c["points"], ordered_json::array({"Worked", "The best of all poss..."}));
  ASSERT_EQ(c["series"].size(), 3u);
  EXPECT_EQ(c["series"][1]["legend"], "Average minus minimum");
  EXPECT_EQ(c["series"][1]["labels"], ordered_json::array({"0.6730769231", "1"}));
  EXPECT_EQ(c["series"][0]["labels"], ordered_json::array());

  // Every number reads back to the double the program computed.
  const ChartContent expected = DrawGraph(m.doc, EGraph::Ranking)[0].m_chart;
  for (int s = 0; s < 3; ++s) {
    for (int p = 0; p < 2; ++p) {
      EXPECT_EQ(c["series"][s]["values"][p].get<double>(), expected.Value(s, p)) << s << p;
    }
  }
}

TEST_F(CliChartTest, SelectionByNameIndexAndNumber) {
  const struct {
    std::vector<std::string> options;
    std::string title;
    ordered_json colourPoint;
  } cases[] = {
      {{}, "Worked on Top Attribute", 3},
      {{"--attribute", "A", "--alternative", "@2"},
       "The best of all possible laptops on A",
       nullptr},
      {{"--attribute", "4", "--alternative", "Worked"}, "Worked on B (\xC2\xA3)", nullptr},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"chart", "belief", Model()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ordered_json j = Json(args);
    EXPECT_EQ(j["charts"][0]["title"], c.title);
    EXPECT_EQ(j["charts"][0]["window"], 155);
    EXPECT_EQ(j["charts"][0]["colour_point"], c.colourPoint);
  }
}

TEST_F(CliChartTest, Refusals) {
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string err;
  } cases[] = {
      {{"chart", "belief", "", "--alternative", "@3"},
       2,
       "zev-cli: the model has no alternative named <@3>, nor one at that number (@1 to @2).\n"},
      {{"chart", "ranking", "", "--attribute", "Nothing"},
       2,
       "zev-cli: the model has no attribute named <Nothing>, nor one with that index (0 to 4).\n"},
      {{"chart", "beliefs", "", "--attribute", "B"},
       1,
       "zev-cli: the belief degrees of all alternatives are drawn on qualitative attributes "
       "only.\n"},
      {{"compare", "", "--alternative", "@1"},
       1,
       "To draw a comparison graph, at least\none attribute has to be selected.\n"},
      {{"compare", "", "--attribute", "A", "--alternative", "@1", "--type", "2"},
       1,
       "Exactly TWO alternatives must be selected for comparisons.\n"},
      {{"compare", "", "--attribute", "A", "--alternative", "@1", "--type", "3", "--threshold",
        "1.0001"},
       1,
       "The value must be a non-negative real number in the interval [0   1].\n"},
      {{"compare", "", "--attribute", "A", "--alternative", "@1", "--type", "3", "--direction",
        "smaller"},
       2,
       "zev-cli: --direction greater or smaller goes with --type 2, better or worse with --type "
       "3.\n"},
  };
  for (auto c : cases) {
    for (std::string& arg : c.args) {
      if (arg.empty()) arg = Model();
    }
    auto run = RunCli(c.args);
    EXPECT_EQ(run.m_nExit, c.exit) << c.args[1];
    EXPECT_EQ(run.m_strErr, c.err);
    EXPECT_EQ(run.m_strOut, "");
  }
}

TEST_F(CliChartTest, CompareDrawsWhatTheWindowDraws) {
  const ordered_json j =
      Json({"compare", Model(), "--attribute", "0", "--alternative", "@1", "--alternative", "@2",
            "--type", "2", "--direction", "greater", "--threshold", "0.45", "--bars"});
  const ordered_json& c = j["charts"][0];
  EXPECT_EQ(c["window"], 179);
  EXPECT_EQ(c["kind"], "bars");
  EXPECT_EQ(c["points"], ordered_json::array({"A1"}));
  ASSERT_EQ(c["series"].size(), 2u);
  EXPECT_EQ(c["series"][0]["legend"], "Worked");
  EXPECT_EQ(c["series"][0]["values"], ordered_json::array({0.5}));
  EXPECT_EQ(c["series"][1]["labels"], ordered_json::array({"1.000000"}));
}

TEST_F(CliChartTest, TextTable) {
  auto run = RunCli({"chart", "interval", Model(), "--attribute", "A"});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strOut,
            "Assessment of Worked on A\n"
            "window 157, bars side by side; x: Utility interval; y: Utility\n"
            "\n"
            "Utility interval  Worked\n"
            "Worst possible       0.5\n"
            "Average              0.6\n"
            "Best possible        0.7\n");

  run = RunCli({"chart", "belief", Model()});
  EXPECT_EQ(run.m_strOut,
            "Worked on Top Attribute\n"
            "window 155, bars side by side; x: Evaluation grades; y: Belief degree\n"
            "\n"
            "Evaluation grades         Worked\n"
            "Worst                          0\n"
            "Poor                0.5769230769\n"
            "Average             0.3461538462\n"
            "Unknown *          0.07692307692\n"
            "* drawn in a colour of its own\n");
}

}  // namespace
}  // namespace zev
