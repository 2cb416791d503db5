#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/format.h"
#include "model/number.h"

namespace zev {
namespace {

struct SCase {
  const char* text;
  bool ok;
  double value;
};

TEST(ReadNonNegativeNumber, AcceptsDigitsPointFractionAndThreeDigitExponent) {
  const SCase cases[] = {
      {"", true, 0.0},
      {"12", true, 12.0},
      {"0.25", true, 0.25},
      {"1.5e+002", true, 150},
      {"1.5e-002", true, 0.015},
      {"1.5E+002", true, 150},
      {".5", true, 0.5},
      {"7.", true, 7.0},
      {".", true, 0.0},
      {"0.3333", true, 0.3333},
      {"1.0000", true, 1.0},
      {"007", true, 7.0},
      // A non-digit in the exponent counts as 0; a missing sign means neither.
      {"2.5e+0x1", true, 25},
      {"2.5e002", true, 2.5},
      {"2.5e", true, 2.5},
      // Fraction digits may follow the exponent.
      {"1.5e+0015", true, 15.5},
  };
  for (const SCase& c : cases) {
    double d = -1.0;
    EXPECT_EQ(ReadNonNegativeNumber(c.text, d), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(d, c.value) << c.text;
  }
}

TEST(ReadNonNegativeNumber, RefusesSignsBlanksLettersAndBareExponents) {
  for (const char* text :
       {"-1", "+1", "1e5", "1.2.3", " 1", "1 ", "1,5", "abc", "0x10", "1.5e+002x", "1.5f"}) {
    double d = -1.0;
    EXPECT_FALSE(ReadNonNegativeNumber(text, d)) << text;
    EXPECT_EQ(d, 0.0) << text;
  }
}

// Held as infinity or not-a-number, such a value would be saved into a file
// the loader refuses; what a double holds is read as its value.
TEST(ReadNonNegativeNumber, ReadsOnlyValuesADoubleHolds) {
  const std::string nines(400, '9');
  const std::string ninesAndHalf = nines + ".5";
  const std::string half = "0.5" + std::string(400, '0');
  const SCase cases[] = {
      {"1.0e+400", false, 0.0},           {"1.8e+308", false, 0.0},    {nines.c_str(), false, 0.0},
      {ninesAndHalf.c_str(), false, 0.0}, {"0.0e+400", true, 0.0},     {"1.0e-400", true, 0.0},
      {"0.001e+310", true, 1e307},        {"1.7e+308", true, 1.7e308}, {half.c_str(), true, 0.5},
  };
  for (const SCase& c : cases) {
    double d = -1.0;
    EXPECT_EQ(ReadNonNegativeNumber(c.text, d), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(d, c.value) << c.text;
  }
}

TEST(ReadNonNegativeNumber, ReadsWhatTheFormatterWrites) {
  // Weights travel through "%1.4lf" and back: 1/3 is used as 0.3333.
  double d = 0.0;
  ASSERT_TRUE(ReadNonNegativeNumber(Format("%1.4lf", 1.0 / 3.0), d));
  EXPECT_EQ(d, 0.3333);
  ASSERT_TRUE(ReadNonNegativeNumber(Format("%1.4lf", 2.0 / 3.0), d));
  EXPECT_EQ(d, 0.6667);
  ASSERT_TRUE(ReadNonNegativeNumber(Format("%1.4lf", 12345.678949), d));
  EXPECT_EQ(d, 12345.6789);
}

TEST(ReadRealNumber, AcceptsSignedAndScientificNumbersOnly) {
  double d = 0;
  EXPECT_TRUE(ReadRealNumber(" -12.5 ", d));
  EXPECT_EQ(d, -12.5);
  EXPECT_TRUE(ReadRealNumber("+2E-2", d));
  EXPECT_EQ(d, 0.02);
  EXPECT_TRUE(ReadRealNumber("1.5e+003", d));
  EXPECT_EQ(d, 1500.0);
  for (const char* bad : {"", " ", "1,5", "abc", "1e", "inf", "nan", "1 2", "--1"}) {
    EXPECT_FALSE(ReadRealNumber(bad, d)) << bad;
  }
  int n = 0;
  EXPECT_TRUE(ReadInteger(" 20", n));
  EXPECT_EQ(n, 20);
  EXPECT_FALSE(ReadInteger("2.5", n));
  EXPECT_FALSE(ReadInteger("99999999999", n));
}

TEST(Format, UsesTheProgramsFormats) {
  EXPECT_EQ(Format("%1.4lf", 0.5), "0.5000");
  EXPECT_EQ(Format("%1.6lf", 0.5), "0.500000");
  EXPECT_EQ(Format("%-1.4lf|", 2.0), "2.0000|");
  EXPECT_EQ(Format("%6.4lf", 0.25), "0.2500");
  EXPECT_EQ(Format("%d, %d", 3, -1), "3, -1");
  EXPECT_EQ(FormatWeight(1.0 / 3.0), "0.3333");
  EXPECT_EQ(Format("%s", std::string(300, 'x').c_str()).size(), 300u);
}

// A locale that writes decimal commas, built for the test when the machine
// has the locale sources.
bool InstallCommaLocale(std::string& name) {
  static bool tried = false;
  static bool ok = false;
  static std::string built;
  if (!tried) {
    tried = true;
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
      built = "de_DE.UTF-8";
      ok = true;
    } else {
      std::string dir = (std::filesystem::temp_directory_path() / "zev-locale").string();
      std::filesystem::create_directories(dir);
      std::string cmd = "localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
      if (std::system(cmd.c_str()) == 0 || std::filesystem::exists(dir + "/de_DE.UTF-8")) {
        setenv("LOCPATH", dir.c_str(), 1);
        ok = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        built = "de_DE.UTF-8";
      }
    }
    std::setlocale(LC_NUMERIC, "C");
  }
  name = built;
  return ok;
}

TEST(Format, WritesADecimalPointInAnyLocale) {
  std::string name;
  if (!InstallCommaLocale(name)) GTEST_SKIP() << "no locale with decimal commas";
  ASSERT_NE(std::setlocale(LC_NUMERIC, name.c_str()), nullptr);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%1.4lf", 0.5);
  EXPECT_STREQ(buf, "0,5000") << "the locale really writes commas";
  EXPECT_EQ(Format("%1.4lf", 0.5), "0.5000");
  double d = 0;
  EXPECT_TRUE(ReadRealNumber("0.25", d));
  EXPECT_EQ(d, 0.25);
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace zev
