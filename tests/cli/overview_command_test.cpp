#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_run.h"

namespace zev {
namespace {

using test::RunCli;

const std::string kLaptop = std::string(ZEV_EXAMPLES) + "/laptop.zev";

TEST(CliOverview, ListsWhatTheWindowShows) {
  auto run = RunCli({"overview", kLaptop, "--attribute", "Price", "--alternative", "@2", "--json"});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  const auto json = nlohmann::json::parse(run.m_strOut);
  EXPECT_EQ(json["alternative"], "Basalt 16");
  EXPECT_EQ(json["attribute"], "Price");
  ASSERT_EQ(json["alternatives"].size(), 7u);
  // Price: the lower the better, so the cheapest ranks first.
  EXPECT_EQ(json["alternatives"][4],
            nlohmann::json({{"name", "Thrift Book"}, {"assessment", "720.0000"}, {"rank", "1"}}));
  ASSERT_EQ(json["attributes"].size(), 11u);
  EXPECT_EQ(json["attributes"][0]["father"], "None");
  EXPECT_EQ(json["attributes"][8], nlohmann::json({{"name", "Price"},
                                                   {"index", "8"},
                                                   {"type", "Quantitative"},
                                                   {"father", "7"},
                                                   {"weight", "0.7000"},
                                                   {"assessment", "1750.0000"},
                                                   {"unit", "\u00A3"}}));
  EXPECT_EQ(json["attributes"][6]["unit"], "average utility");

  // Without options: the model's selection as loaded, as text tables.
  run = RunCli({"overview", kLaptop});
  ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
  EXPECT_EQ(run.m_strOut.substr(0, run.m_strOut.find("\n\n")),
            "Alternatives assessed on Laptop for a student");
  EXPECT_NE(run.m_strOut.find("\nAttributes assessed at Kestrel 14\n"), std::string::npos);

  run = RunCli({"overview", kLaptop, "--alternative", "@8"});
  EXPECT_EQ(run.m_nExit, 2);
  EXPECT_EQ(run.m_strOut, "");
}

}  // namespace
}  // namespace zev
