#include "io/csv_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "io/csv_table.h"
#include "io/model_file.h"
#include "tests/io/memory_limit.h"
#include "tests/io/random_model.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

constexpr const char* kRefused = "The assessments cannot be read; nothing has been changed.\n\n";

CMADMDoc& LoadExample(CMADMDoc& doc) {
  SFileError error;
  EXPECT_TRUE(LoadModelFile(std::string(ZEV_EXAMPLES) + "/laptop.zev", doc, error))
      << error.Message();
  return doc;
}

// The inputs of every bottom record, in a form that compares whole.
std::vector<std::string> Inputs(const CMADMDoc& doc) {
  std::vector<std::string> inputs;
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& alternative = doc.Alternative(p);
    inputs.push_back("alternative " + alternative.m_strName.Str());
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CAttribute& a = doc.Attribute(i);
      if (a.m_nChildren > 0) continue;
      const CAssessment& r = alternative.Record(i);
      std::string s = std::to_string(i) + ":";
      const int n = a.m_nType == Qualitative ? a.m_nGrades : r.m_nPossibleValues;
      if (a.m_nType == Quantitative) s += " value " + ShortestNumber(r.m_dValue);
      for (int k = 0; k < n; ++k) {
        if (a.m_nType != Qualitative) s += " " + ShortestNumber(r.m_dPossibleValue[k]);
        s += " " + ShortestNumber(r.m_dBelief[k]);
      }
      inputs.push_back(s);
    }
  }
  return inputs;
}

// Other inputs on every bottom record, each valid.
void ChangeInputs(CMADMDoc& doc) {
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CAttribute& a = doc.Attribute(i);
      if (a.m_nChildren > 0) continue;
      CAssessment& r = doc.Alternative(p).Record(i);
      for (double& b : r.m_dBelief) b = 0.0;
      r.m_dBelief[0] = 0.25;
      r.m_nPossibleValues = 1;
      r.m_dValue = r.m_dPossibleValue[0] = (a.m_dBest + a.m_dWorst) / 2;
    }
  }
}

SCsvImportResult Read(CMADMDoc& doc, const std::string& csv) {
  return ReadAssessmentsCsv(doc, csv);
}

class CsvRoundTrip : public ::testing::TestWithParam<int> {
 protected:
  // Seed 0 is the example model.
  void Build(CMADMDoc& doc) {
    if (GetParam() == 0)
      LoadExample(doc);
    else
      test::BuildRandomModel(doc, static_cast<unsigned>(GetParam()));
  }
};

TEST_P(CsvRoundTrip, ExportThenImportSavesTheSameBytes) {
  CMADMDoc doc;
  Build(doc);
  const std::string before = WriteModel(doc);
  doc.SetModifiedFlag(false);
  const SCsvImportResult result = Read(doc, ExportAssessmentsCsv(doc));
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  EXPECT_EQ(result.m_nAlternativesAdded, 0);
  EXPECT_EQ(WriteModel(doc), before);
  // Nothing was stored, so the model is not marked modified.
  EXPECT_EQ(result.m_nRecordsChanged, 0);
  EXPECT_FALSE(doc.IsModified());
}

TEST_P(CsvRoundTrip, ImportRestoresChangedInputsAndAddsMissingAlternatives) {
  CMADMDoc doc;
  Build(doc);
  const std::string csv = ExportAssessmentsCsv(doc);
  const std::vector<std::string> expected = Inputs(doc);

  CMADMDoc other;
  SFileError error;
  ASSERT_TRUE(ReadModel(WriteModel(doc), other, error));
  ChangeInputs(other);
  const int removed = other.AlternativeCount() > 1 ? 1 : 0;
  if (removed) other.RemoveAlternative(&other.Alternative(0));
  const SCsvImportResult result = Read(other, csv);
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  EXPECT_EQ(result.m_nRowsRead, doc.AlternativeCount());
  std::vector<std::string> got = Inputs(other);
  if (removed) {
    // The deleted first alternative comes back at the end of the list.
    std::vector<std::string> reordered(expected.begin(), expected.end());
    const auto perAlternative = reordered.size() / static_cast<std::size_t>(doc.AlternativeCount());
    std::rotate(reordered.begin(), reordered.begin() + static_cast<long>(perAlternative),
                reordered.end());
    EXPECT_EQ(got, reordered);
  } else {
    EXPECT_EQ(got, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(ExampleAndRandomModels, CsvRoundTrip, ::testing::Range(0, 25));

TEST(CsvExport, AssessmentCellsOfEveryKind) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Comfort", "Price", "Fuel use"});
  CAttribute& price = doc.Attribute(2);
  price.m_nType = Quantitative;
  price.m_dBest = 5000;
  price.m_dWorst = 20000;
  CAttribute& fuel = doc.Attribute(3);
  fuel.m_nType = QuantitativeUncertain;
  fuel.m_dBest = 4;
  fuel.m_dWorst = 10;
  doc.Attribute(1).SetGradeName(1, "Poor; \"really\"");
  CAlternative& car = doc.Alternative(0);
  car.SetName("Car \"A\", red");
  car.Record(1).m_dBelief[1] = 0.3;
  car.Record(1).m_dBelief[3] = 0.6;
  car.Record(2).m_dValue = 12500;
  car.Record(3).m_nPossibleValues = 2;
  car.Record(3).m_dPossibleValue[0] = 6.5;
  car.Record(3).m_dBelief[0] = 0.7;
  car.Record(3).m_dPossibleValue[1] = 7.25;
  car.Record(3).m_dBelief[1] = 0.3;
  EXPECT_EQ(ExportAssessmentsCsv(doc),
            "\xEF\xBB\xBF\"Alternative\",\"Comfort\",\"Price\",\"Fuel use\"\r\n"
            "\"Car \"\"A\"\", red\",\"\"\"Poor; \"\"\"\"really\"\"\"\"\"\": 0.3; Good: 0.6\","
            "\"12500\",\"6.5: 0.7; 7.25: 0.3\"\r\n");
}

TEST(CsvExport, ResultsAfterTheRankingInWalkOrder) {
  CMADMDoc doc;
  LoadExample(doc);
  test::CScriptedUser user;
  const std::string csv = ExportResultsCsv(doc);
  EXPECT_EQ(user.Count(), 0u);
  SCsvTable table;
  std::string error;
  ASSERT_TRUE(ParseCsv(csv, table, error)) << error;
  ASSERT_EQ(table.m_rows.size(), 8u);
  const std::vector<std::string>& header = table.m_rows[0];
  ASSERT_EQ(header.size(), 2u + 3u * 11u);
  EXPECT_EQ(header[1], "Ranking");
  EXPECT_EQ(header[2], "Laptop for a student: minimum");
  EXPECT_EQ(header[5], "Performance: minimum");
  EXPECT_EQ(header[8], "Processor speed: minimum");
  EXPECT_EQ(header[34], "Build quality: maximum");
  // The ranking of the example, in list order, and the top's interval.
  const char* names[] = {"Kestrel 14",  "Basalt 16", "Wisp Air",   "Atelier X",
                         "Thrift Book", "Nomad 13",  "Orchard Pro"};
  const char* ranks[] = {"3", "5", "6", "2", "7", "4", "1"};
  for (std::size_t r = 0; r < 7; ++r) {
    EXPECT_EQ(table.m_rows[r + 1][0], names[r]);
    EXPECT_EQ(table.m_rows[r + 1][1], ranks[r]);
    const CAssessment& top = doc.Alternative(static_cast<int>(r)).Record(0);
    EXPECT_EQ(table.m_rows[r + 1][2], ShortestNumber(top.m_dMinUtility));
    EXPECT_EQ(table.m_rows[r + 1][3], ShortestNumber(top.m_dAvgUtility));
    EXPECT_EQ(table.m_rows[r + 1][4], ShortestNumber(top.m_dMaxUtility));
  }
  // Nomad 13's assessment is incomplete.
  EXPECT_NE(table.m_rows[6][2], table.m_rows[6][4]);
}

// A model for reading tables: Car A and Car B on a comfort scale, a price
// (lower is better) and an uncertain fuel use, under a father "Costs".
class CsvImport : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc, {"Comfort", "Costs", "Price:Costs", "Fuel use:Costs"});
    CAttribute& price = m_doc.Attribute(test::FindAttribute(m_doc, "Price"));
    price.m_nType = Quantitative;
    price.m_dBest = 5000;
    price.m_dWorst = 20000;
    CAttribute& fuel = m_doc.Attribute(test::FindAttribute(m_doc, "Fuel use"));
    fuel.m_nType = QuantitativeUncertain;
    fuel.m_dBest = 4;
    fuel.m_dWorst = 10;
    m_doc.Alternative(0).SetName("Car A");
    m_doc.AddAlternativeCommand();
    m_doc.Alternative(1).SetName("Car B");
    m_doc.SetModifiedFlag(false);
  }
  const CAssessment& Record(int pos, const char* attribute) {
    return m_doc.Alternative(pos).Record(test::FindAttribute(m_doc, attribute));
  }
  CMADMDoc m_doc;
};

TEST_F(CsvImport, ASpreadsheetFileWithSemicolonsByteOrderMarkAndDecimalCommas) {
  const SCsvImportResult result =
      Read(m_doc,
           "\xEF\xBB\xBF"
           "Alternative;Comfort;Price;Fuel use\r\n"
           "Car B;\"Good: 0,6; Best: 0,3\";12500,5;\"6,5: 0,7; 7: 0,3\"\r\n"
           "Caf\xC3\xA9;Worst:1;;\r\n"
           ";;;\r\n");
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  EXPECT_EQ(result.m_strMessage,
            "The assessments of 2 alternatives have been read; 1 of them is new.");
  EXPECT_TRUE(m_doc.IsModified());
  const CAssessment& comfort = Record(1, "Comfort");
  EXPECT_EQ(std::vector<double>(comfort.m_dBelief, comfort.m_dBelief + 5),
            (std::vector<double>{0, 0, 0, 0.6, 0.3}));
  const CAssessment& price = Record(1, "Price");
  EXPECT_EQ(price.m_dValue, 12500.5);
  EXPECT_EQ(price.m_nPossibleValues, 1);
  EXPECT_EQ(price.m_dPossibleValue[0], 12500.5);
  EXPECT_EQ(price.m_dBelief[0], 1.0);
  const CAssessment& fuel = Record(1, "Fuel use");
  EXPECT_EQ(fuel.m_nPossibleValues, 2);
  EXPECT_EQ(fuel.m_dPossibleValue[1], 7.0);
  EXPECT_EQ(fuel.m_dBelief[0], 0.7);
  // The new alternative, added as New Alternative adds it, named in 1252.
  ASSERT_EQ(m_doc.AlternativeCount(), 3);
  EXPECT_EQ(m_doc.Alternative(2).m_strName, "Caf\xE9");
  EXPECT_EQ(Record(2, "Comfort").m_dBelief[0], 1.0);
  EXPECT_EQ(Record(2, "Price").m_dValue, 12500.0);  // the midpoint, untouched
}

TEST_F(CsvImport, CodePage1252BytesAndCommasWithLineFeeds) {
  const SCsvImportResult result =
      Read(m_doc, "Name,Price,Comfort\n\"Caf\xE9\",\"7000\",\"Good:1\"\n\n");
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  EXPECT_EQ(m_doc.Alternative(2).m_strName, "Caf\xE9");
  EXPECT_EQ(Record(2, "Price").m_dValue, 7000.0);
}

TEST_F(CsvImport, RefusalsNameRowColumnAndRuleAndChangeNothing) {
  struct SCase {
    const char* m_pszCsv;
    const char* m_pszMessage;
  };
  const SCase cases[] = {
      {"", "The file is empty."},
      {"Alternative,Price\n", "The file holds no alternative below its first row."},
      {"Alternative,Price\n\"Car A,1\n", "Row 2: the quotes are not paired"},
      {"\xFF\xFE"
       "A\0",
       "The file is in UTF-16"},
      {"Alternative,Prize\nCar A,1\n",
       "Row 1, column B: the model has no attribute named <Prize>."},
      {"Alternative,Costs\nCar A,1\n",
       "Row 1, column B: the attribute <Costs> has sub-attributes; only bottom attributes take "
       "assessments."},
      {"Alternative,Price,Price\nCar A,1\n",
       "Row 1, column C: the attribute <Price> has a column already."},
      {"Alternative,Price\n,7000\n", "Row 2, column A: the alternative has no name."},
      {"Alternative,Price\nCar A,7000,8\n",
       "Row 2, column C: the column has no attribute name in the first row."},
      {"Alternative,Price\nCar A,7000\nCar B,cheap\n",
       "Row 3, column B <Price>: <cheap> is not a number."},
      {"Alternative,Price\nCar A,4999.9\n",
       "Row 2, column B <Price>: the value <4999.9> is outside the range [20000, 5000] of the "
       "attribute."},
      {"Alternative,Comfort\nCar A,Good 0.6\n",
       "Row 2, column B <Comfort>: <Good 0.6> is not a pair of the form <name: degree>."},
      {"Alternative,Comfort\nCar A,Gud: 0.6\n",
       "Row 2, column B <Comfort>: <Gud> is not a grade of the attribute (its grades are Worst, "
       "Poor, Average, Good, Best)."},
      {"Alternative,Comfort\nCar A,Good: 0.5; Good: 0.1\n",
       "Row 2, column B <Comfort>: the grade <Good> is given twice."},
      {"Alternative,Comfort\nCar A,Good: much\n",
       "Row 2, column B <Comfort>: the belief degree <much> is not a number."},
      {"Alternative,Comfort\nCar A,Good: 1.00002\n",
       "Row 2, column B <Comfort>: the belief degree <1.00002> is outside the range [0, 1]."},
      {"Alternative,Comfort\nCar A,Good: -0.00002\n",
       "Row 2, column B <Comfort>: the belief degree <-2e-05> is outside the range [0, 1]."},
      {"Alternative,Comfort\nCar A,Good: 0.6; Best: 0.40002\n",
       "Row 2, column B <Comfort>: the total belief degree <1.00002> is above 1."},
      {"Alternative,Comfort\nCar A,\"\"\"Good: 1\"\n",
       "Row 2, column B <Comfort>: the name <\"Good: 1> has no closing quote."},
      {"Alternative,Fuel use\nCar A,11: 0.5\n",
       "Row 2, column B <Fuel use>: the value <11> is outside the range [10, 4] of the "
       "attribute."},
      {"Alternative,Fuel use\nCar A,five: 0.5\n",
       "Row 2, column B <Fuel use>: the value <five> is not a number."},
      {"Alternative,Fuel use\nCar A,;\n",
       "Row 2, column B <Fuel use>: <> is not a pair of the form <name: degree>."},
      {"Alternative,Fuel use\nCar A,"
       "\"4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0;4:0\"\n",
       "Row 2, column B <Fuel use>: the cell holds 21 possible values; at most 20 are allowed."},
      {"Alternative,Fuel use\nCar A,5: 0.6; 6: 0.5\n",
       "Row 2, column B <Fuel use>: the total belief degree <1.1> is above 1."},
  };
  const std::string before = WriteModel(m_doc);
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.m_pszCsv);
    const std::string csv(c.m_pszCsv, c.m_pszCsv[0] == '\xFF' ? 4 : std::strlen(c.m_pszCsv));
    const SCsvImportResult result = Read(m_doc, csv);
    EXPECT_FALSE(result.m_bSucceeded);
    const std::string expected = c.m_pszMessage;
    const bool bPrefix = expected.back() != '.';
    const std::string body =
        result.m_strMessage.substr(std::min(result.m_strMessage.size(), std::strlen(kRefused)));
    if (bPrefix)
      EXPECT_EQ(body.substr(0, expected.size()), expected) << result.m_strMessage;
    else
      EXPECT_EQ(body, expected) << result.m_strMessage;
    EXPECT_EQ(WriteModel(m_doc), before);
    EXPECT_FALSE(m_doc.IsModified());
  }
}

TEST_F(CsvImport, TolerancesOfTheTextDataFile) {
  // 0.00001 beyond the range and a total of 1.00001 are still accepted.
  const SCsvImportResult result = Read(m_doc,
                                       "Alternative,Price,Comfort,Fuel use\n"
                                       "Car A,4999.99999,Good: 0.6; Best: 0.40001,10.00001: 1\n");
  EXPECT_TRUE(result.m_bSucceeded) << result.m_strMessage;
}

TEST_F(CsvImport, RowsOfARepeatedNameGoToTheAlternativesOfThatNameInTurn) {
  m_doc.Alternative(1).SetName("Car A");
  const SCsvImportResult result = Read(m_doc,
                                       "Alternative,Price\n"
                                       "Car A,6000\n"
                                       "Car A,7000\n"
                                       "Car A,8000\n");
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  EXPECT_EQ(result.m_nAlternativesAdded, 1);
  EXPECT_EQ(Record(0, "Price").m_dValue, 6000.0);
  EXPECT_EQ(Record(1, "Price").m_dValue, 7000.0);
  EXPECT_EQ(Record(2, "Price").m_dValue, 8000.0);
}

TEST_F(CsvImport, QuotedAndBareGradeNamesWithColonsAndSemicolons) {
  CAttribute& comfort = m_doc.Attribute(test::FindAttribute(m_doc, "Comfort"));
  comfort.SetGradeName(0, "Level: low");
  comfort.SetGradeName(1, "A; B");
  comfort.SetGradeName(2, " spaced ");
  const SCsvImportResult result = Read(
      m_doc,
      "Alternative,Comfort\nCar A,\"Level: low: 0.1; \"\"A; B\"\": 0.2;\"\" spaced \"\":0.3;\"\n");
  ASSERT_TRUE(result.m_bSucceeded) << result.m_strMessage;
  const CAssessment& r = Record(0, "Comfort");
  EXPECT_EQ(std::vector<double>(r.m_dBelief, r.m_dBelief + 3),
            (std::vector<double>{0.1, 0.2, 0.3}));
}

TEST_F(CsvImport, TheDesktopCommandTellsTheOutcome) {
  test::CScriptedUser user;
  ImportAssessmentsCsv(m_doc, "Alternative,Price\nCar A,6000\n");
  ImportAssessmentsCsv(m_doc, "Alternative,Price\nCar A,1\n");
  ASSERT_EQ(user.Count(), 2u);
  EXPECT_EQ(user.Messages()[0].m_icon, EIcon::Information);
  EXPECT_EQ(user.Messages()[0].m_strText, "The assessments of 1 alternative have been read.");
  EXPECT_EQ(user.Messages()[1].m_icon, EIcon::Warning);
}

}  // namespace
}  // namespace zev

namespace zev {
namespace {

// New alternatives are counted before any is added: a table that needs more
// memory than there is is refused like any other.
TEST(CsvImportMemory, NewAlternativesBeyondTheMemoryAvailableAreRefused) {
  if (test::kAddressSanitizer) GTEST_SKIP() << "an address-space limit needs a plain build";
  std::string csv = "Alternative\n";
  for (int i = 0; i < 4000; ++i) csv += "n" + std::to_string(i) + "\n";
  EXPECT_EXIT(
      {
        CMADMDoc doc;
        doc.OnNewDocument();
        const std::string before = WriteModel(doc);
        test::LimitAddressSpace(32u << 20);
        const SCsvImportResult result = ReadAssessmentsCsv(doc, csv);
        test::LimitAddressSpace(1u << 30);
        std::fputs(result.m_strMessage.c_str(), stderr);
        std::_Exit(!result.m_bSucceeded && WriteModel(doc) == before ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "There is not enough memory for the new alternatives: 4000 alternatives need about");
}

}  // namespace
}  // namespace zev
