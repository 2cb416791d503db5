#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "io/model_file.h"
#include "tests/cli/cli_run.h"

namespace zev {
namespace {

using nlohmann::ordered_json;
using test::RunCli;

// The example's top attribute has four children: Performance, Portability,
// Cost and Build quality; Performance has two.
const std::string kExample = std::string(ZEV_EXAMPLES) + "/laptop.zev";

TEST(CliWeights, PrintsTheWeightsOfTheSiblingsInOrder) {
  // Performance is 2, 4 and 8 times as important as the others, which agree.
  auto run = RunCli({"weights", kExample, "--attribute", "Cost", "--pairwise", "2 4 8 2 4 2",
                     "--method", "geometric", "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, "");
  const ordered_json j = ordered_json::parse(run.m_strOut);
  EXPECT_EQ(j.dump().substr(0, 78),
            R"({"attributes":["Performance","Portability","Cost","Build quality"],"weights":[)");
  const double expected[] = {8 / 15.0, 4 / 15.0, 2 / 15.0, 1 / 15.0};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(j["weights"][i].get<double>(), expected[i], 1e-12);
  EXPECT_EQ(j["index"], 0.0);
  EXPECT_EQ(j["method"], "geometric");

  run = RunCli({"weights", kExample, "-a", "2", "--pairwise", "3/2"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strOut,
            "Attribute        Weight\n"
            "Processor speed  0.600000\n"
            "Memory           0.400000\n"
            "Inconsistency index: 0.000000 (eigenvector)\n");
}

TEST(CliWeights, SavesTheWeightsAsTheDialogWritesThem) {
  test::CTempDir dir;
  auto run = RunCli({"weights", kExample, "-a", "Memory", "--pairwise", "1/3", "--json", "-o",
                     dir.Path("out.zev")});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(LoadModelFile(dir.Path("out.zev"), doc, error)) << error.Message();
  EXPECT_NEAR(doc.Attribute(2).m_dWeight, 0.25, 1e-9);
  EXPECT_NEAR(doc.Attribute(3).m_dWeight, 0.75, 1e-9);
  EXPECT_EQ(doc.Attribute(1).m_dWeight, 0.35) << "the father keeps its weight";
}

TEST(CliWeights, RefusalsAndUsageErrors) {
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string err;
  } cases[] = {
      {{"-a", "Memory", "--pairwise", "1,5"},
       1,
       "The compariosn ratio must be a non-negative real number, or a fraction in the form of "
       "a/b with a and b being two non-negative real numbers\n"},
      {{"-a", "0", "--pairwise", ""}, 1, "This is the top attribute.\nNo comparison is needed. \n"},
      {{"-a", "Memory", "--pairwise", "1 2"},
       2,
       "zev-cli: <Processor speed> and <Memory> are compared, so --pairwise takes 1 ratios (the "
       "upper triangle, row by row), not 2.\n"},
      {{"-a", "Speed", "--pairwise", "1"},
       2,
       "zev-cli: the model has no attribute named <Speed>, nor one with that index (0 to 10).\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"weights", kExample};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto run = RunCli(args);
    EXPECT_EQ(run.m_nExit, c.exit) << c.args[1];
    EXPECT_EQ(run.m_strErr, c.err);
    EXPECT_EQ(run.m_strOut, "");
  }
}

}  // namespace
}  // namespace zev
