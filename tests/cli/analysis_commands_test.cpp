#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "io/model_file.h"
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

}  // namespace
}  // namespace zev
