#include <gtest/gtest.h>

#include "io/model_file.h"
#include "tests/cli/cli_run.h"
#include "tests/io/report_models.h"
#include "tests/support/model_builders.h"

namespace zev {
namespace {

using test::RunCli;

// The car model of the reports, and a copy of it whose alternatives are
// renamed and whose top attribute is named otherwise, so that adding from
// it asks about that one name.
class CliMergeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildCarModel(m_doc);
    Save(m_doc, "car.zev");
    m_doc.Attribute(0).m_strName = "Vehicle";
    m_doc.Alternative(0).m_strName = "Car C";
    Save(m_doc, "other.zev");
  }
  void Save(CMADMDoc& doc, const std::string& name) {
    SFileError error;
    ASSERT_TRUE(SaveModelFile(m_dir.Path(name), doc, error)) << error.Message();
  }
  CMADMDoc& Load(const std::string& name) {
    SFileError error;
    EXPECT_TRUE(LoadModelFile(m_dir.Path(name), m_out, error)) << error.Message();
    return m_out;
  }
  test::SCliRun Merge(std::vector<std::string> args) {
    args.insert(args.begin(), "merge");
    return RunCli(args);
  }
  std::string Path(const std::string& name) const { return m_dir.Path(name); }

  test::CTempDir m_dir;
  CMADMDoc m_doc;
  CMADMDoc m_out;
};

TEST_F(CliMergeTest, QuestionsTakeTheirDefaultOrYes) {
  const std::string question =
      "The name of the following attribute:\n\n Vehicle\n\n does not match any attribute name of "
      "the existing model.\nAny information related to this attribute will not be copied.\n\n"
      "Do you want to continue?\n";
  // The name question's default is No: abandoned, nothing written.
  auto run = Merge({"alternatives", Path("car.zev"), Path("other.zev"), "-o", Path("out.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(run.m_strErr, question);
  EXPECT_EQ(test::ReadFile(Path("out.zev")), "");

  run = Merge({"alternatives", Path("car.zev"), Path("other.zev"), "-o", Path("out.zev"), "--yes"});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strErr, question);
  EXPECT_EQ(Load("out.zev").AlternativeCount(), 4);
  EXPECT_EQ(m_out.Alternative(2).m_strName, "Car C");

  // Data: Car C is unknown; the question to add it defaults to Yes.
  run = Merge({"data", Path("car.zev"), Path("other.zev"), "-o", Path("data.zev"), "--yes"});
  EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(Load("data.zev").AlternativeCount(), 3);
}

TEST_F(CliMergeTest, AttributesGoUnderTheTopOrTheAttributeNamed) {
  for (const char* under : {"", "Comfort"}) {
    std::vector<std::string> args = {"attributes", Path("car.zev"), Path("other.zev"), "-o",
                                     Path("out.zev")};
    if (*under) args.insert(args.end(), {"--under", under});
    auto run = Merge(args);
    EXPECT_EQ(run.m_nExit, 0) << run.m_strErr;
    const CMADMDoc& out = Load("out.zev");
    const int root = test::FindAttribute(out, "Vehicle");
    ASSERT_GT(root, 0);
    EXPECT_EQ(out.Attribute(out.Attribute(root).m_nFather).m_strName, *under ? under : "Car");
    EXPECT_EQ(out.LastAttribute(), 11);
  }

  // Under a quantitative attribute the command is refused.
  auto run = Merge({"attributes", Path("car.zev"), Path("other.zev"), "--under", "Price", "-o",
                    Path("refused.zev")});
  EXPECT_EQ(run.m_nExit, 1);
  EXPECT_EQ(test::ReadFile(Path("refused.zev")), "");
}

TEST_F(CliMergeTest, Refusals) {
  struct SCase {
    std::vector<std::string> m_args;
    int m_nExit;
  };
  const SCase cases[] = {
      {{"data", Path("car.zev"), Path("other.zev"), "--under", "Price", "-o", Path("x.zev")}, 2},
      {{"attributes", Path("car.zev"), Path("other.zev"), "--under", "Nothing", "-o",
        Path("x.zev")},
       2},
      {{"attributes", Path("car.zev"), Path("missing.zev"), "-o", Path("x.zev")}, 1},
      {{"attributes", Path("missing.zev"), Path("car.zev"), "-o", Path("x.zev")}, 1},
      {{"everything", Path("car.zev"), Path("other.zev"), "-o", Path("x.zev")}, 2},
  };
  for (const SCase& c : cases) {
    auto run = Merge(c.m_args);
    EXPECT_EQ(run.m_nExit, c.m_nExit) << c.m_args[0] << run.m_strErr;
    EXPECT_EQ(test::ReadFile(Path("x.zev")), "");
  }
  auto run = Merge({"data", Path("car.zev"), Path("missing.zev"), "-o", Path("x.zev")});
  EXPECT_EQ(run.m_strErr, "Unable to open the following file:\n\n " + Path("missing.zev") + "\n");
}

}  // namespace
}  // namespace zev
