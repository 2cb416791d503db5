#include "io/text_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/evaluate_commands.h"
#include "io/model_file.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::CScriptedUser;

constexpr const char* kBegin = "The following ERROR is detected. Data reading is abandoned!\n\n";

// Car A, Car B and Car C assessed on a price (lower is better), a comfort
// scale with the five default grades, a fuel use with uncertain values and
// a power rating (higher is better).
class TextImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc, {"Price", "Comfort", "Fuel use", "Power"});
    m_nPrice = test::FindAttribute(m_doc, "Price");
    m_nComfort = test::FindAttribute(m_doc, "Comfort");
    m_nFuel = test::FindAttribute(m_doc, "Fuel use");
    m_nPower = test::FindAttribute(m_doc, "Power");
    SetQuantitative(m_nPrice, Quantitative, 5000, 20000);
    SetQuantitative(m_nFuel, QuantitativeUncertain, 4, 10);
    SetQuantitative(m_nPower, Quantitative, 200, 50);
    m_doc.Alternative(0).SetName("Car A");
    m_doc.AddAlternativeCommand();
    m_doc.Alternative(1).SetName("Car B");
    m_doc.AddAlternativeCommand();
    m_doc.Alternative(2).SetName("Car C");
    m_doc.SetModifiedFlag(false);
  }
  void SetQuantitative(int i, std::uint16_t type, double best, double worst) {
    m_doc.Attribute(i).m_nType = type;
    m_doc.Attribute(i).m_dBest = best;
    m_doc.Attribute(i).m_dWorst = worst;
  }
  // Imports the text as the desktop does and returns the one warning shown.
  SMessage Import(const std::string& text) {
    CScriptedUser user;
    m_result = ImportTextData(m_doc, text);
    EXPECT_EQ(user.Count(), 1u);
    return user.Count() ? user.Last() : SMessage{};
  }
  CAssessment& Record(int pos, int attribute) { return m_doc.Alternative(pos).Record(attribute); }

  CMADMDoc m_doc;
  STextImportResult m_result;
  int m_nPrice = 0, m_nComfort = 0, m_nFuel = 0, m_nPower = 0;
};

TEST_F(TextImportTest, ExampleFileIsStoredAndReportedAsSuccess) {
  SMessage m = Import(
      "ALTERNATIVE NAME: {Car A}\n"
      "ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 12500\n"
      "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5\n"
      "  JUDGEMENT: {Good} 0.6 {Best} 0.3 {Poor} 0 {Average} 0 {Worst} 0\n"
      "ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2\n"
      "  DISTRIBUTION: 6.5 0.7 7.2 0.3\n");
  EXPECT_EQ(m.m_strText, "The whole data file has been read successfully!");
  EXPECT_EQ(m.m_icon, EIcon::Information);
  EXPECT_EQ(m.m_buttons, EButtons::Ok);
  EXPECT_TRUE(m_result.Succeeded());
  EXPECT_EQ(m_result.m_nAlternativeBlocks, 1);
  EXPECT_EQ(m_result.m_nAttributeBlocks, 3);

  const CAssessment& price = Record(0, m_nPrice);
  EXPECT_DOUBLE_EQ(price.m_dValue, 12500);
  // The value is also the record's one-point distribution.
  EXPECT_EQ(price.m_nPossibleValues, 1);
  EXPECT_DOUBLE_EQ(price.m_dPossibleValue[0], 12500);
  EXPECT_DOUBLE_EQ(price.m_dBelief[0], 1.0);

  const double comfort[5] = {0, 0, 0, 0.6, 0.3};
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(Record(0, m_nComfort).m_dBelief[k], comfort[k]);

  const CAssessment& fuel = Record(0, m_nFuel);
  EXPECT_EQ(fuel.m_nPossibleValues, 2);
  EXPECT_DOUBLE_EQ(fuel.m_dPossibleValue[0], 6.5);
  EXPECT_DOUBLE_EQ(fuel.m_dPossibleValue[1], 7.2);
  EXPECT_DOUBLE_EQ(fuel.m_dBelief[0], 0.7);
  EXPECT_DOUBLE_EQ(fuel.m_dBelief[1], 0.3);

  // Reading marks the model modified and leaves the other cars alone.
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_DOUBLE_EQ(Record(1, m_nPrice).m_dValue, 12500);  // its default midpoint
  EXPECT_DOUBLE_EQ(Record(1, m_nComfort).m_dBelief[3], 0.0);
}

// Without the one-point distribution the attribute's own utility would
// still come from the value held before the import.
TEST(TextImportEvaluationTest, ImportedValueIsWhatTheNextEvaluationUses) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Q", "R"});
  doc.Attribute(1).m_nType = Quantitative;  // best 1, worst 0, grade values 0 .. 1
  doc.AddAlternativeCommand();              // its value: the midpoint 0.5
  CScriptedUser user;
  ImportTextData(doc,
                 "ALTERNATIVE NAME: {Alternative 2} ATTRIBUTE NAME: {Q} TYPE: QUANTITATIVE "
                 "VALUE: 0.75");
  EXPECT_EQ(user.OnlyText(), kTextImportSuccess);
  EvaluateAndRank(doc);
  const CAssessment& q = doc.Alternative(1).Record(1);
  EXPECT_DOUBLE_EQ(q.m_dAvgUtility, 0.75);
  EXPECT_DOUBLE_EQ(q.m_dMaxUtility, 0.75);
  EXPECT_DOUBLE_EQ(q.m_dMinUtility, 0.75);
  // And the top sees Good (value 0.75) from Q.
  EXPECT_GT(doc.Alternative(1).Record(0).m_dBelief[3], 0.0);
}

// The model built as the desktop builds it: the first alternative exists
// before the attributes that the data then assesses.
TEST(TextImportSaveTest, DataOnAttributesAddedAfterAnAlternativeSurviveTheSave) {
  CMADMDoc built;
  built.OnNewDocument();
  built.InsertAttributeRight();
  built.InsertAttributeBelow();
  built.AddAlternativeCommand();
  // The same model as an earlier version saved it: the first alternative
  // with the one record it had when the attributes came.
  CMADMDoc older;
  built.Alternative(0).m_nLastAttribute = 0;
  SFileError error;
  ASSERT_TRUE(ReadModel(WriteModel(built), older, error)) << error.Message();
  built.Alternative(0).m_nLastAttribute = 2;

  std::string data;
  for (std::string alternative : {"First alternative", "Alternative 2"}) {
    data += "ALTERNATIVE NAME: {" + alternative + "}\n";
    for (std::string attribute : {"Attribute 1", "Attribute 2"}) {
      data += "ATTRIBUTE NAME: {" + attribute +
              "} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Worst} 0 {Poor} 0.2 {Average} 0 "
              "{Good} 0.7 {Best} 0.1\n";
    }
  }
  const double expected[5] = {0, 0.2, 0, 0.7, 0.1};
  for (CMADMDoc* doc : {&built, &older}) {
    ASSERT_TRUE(ReadTextData(*doc, data).Succeeded());
    CMADMDoc back;
    ASSERT_TRUE(ReadModel(WriteModel(*doc), back, error)) << error.Message();
    for (int pos = 0; pos < 2; ++pos) {
      for (int i = 1; i <= 2; ++i) {
        for (int k = 0; k < 5; ++k) {
          EXPECT_EQ(back.Alternative(pos).Record(i).m_dBelief[k], expected[k])
              << (doc == &built ? "built" : "older") << " alternative " << pos << " attribute "
              << i;
        }
      }
    }
  }
}

TEST_F(TextImportTest, FieldWordsWithoutColonAndLineStructureDoNotMatter) {
  SMessage m = Import(
      "ALTERNATIVE NAME {Car B} ATTRIBUTE\tNAME {Price}\r\nTYPE QUANTITATIVE VALUE 1.5e+004\n"
      "ATTRIBUTE NAME {Comfort} TYPE QUALITATIVE NUMBER 5 JUDGEMENT\n"
      "{Best} 0.25 {Worst} 2E-1 {Good} +0.1 {Poor} .05 {Average} 0\n"
      "ATTRIBUTE NAME {Fuel use} TYPE UNCERTAIN NUMBER: 1 DISTRIBUTION 5 1");
  EXPECT_EQ(m.m_strText, kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(1, m_nPrice).m_dValue, 15000);
  const double comfort[5] = {0.2, 0.05, 0, 0.1, 0.25};
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(Record(1, m_nComfort).m_dBelief[k], comfort[k]);
  EXPECT_EQ(Record(1, m_nFuel).m_nPossibleValues, 1);
  EXPECT_DOUBLE_EQ(Record(1, m_nFuel).m_dPossibleValue[0], 5);
}

struct SErrorCase {
  const char* m_pszFile;
  const char* m_pszHeading;
  std::string m_strText;
};

// Every heading with a file that triggers it and the exact text shown.
TEST_F(TextImportTest, EveryErrorHasItsHeadingAndText) {
  const std::string sof = "start of the file";
  const std::vector<SErrorCase> cases = {
      {"", "File Structure", "The data file cannot be read.\nIt may be empty or not a text file!"},
      {" \t\r\n  \n", "File Structure",
       "The data file cannot be read.\nIt may be empty or not a text file!"},
      {"alternative NAME: {Car A}", "Object Name",
       "<alternative> is an invalid object name (after the alternative <start of the file> and "
       "the attribute <start of the file>). It must be either ALTERNATIVE or ATTRIBUTE."},
      {"ALTERNATIVE NAME: {Car B} ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 6000 "
       "ALTERNATIVES",
       "Object Name",
       "<ALTERNATIVES> is an invalid object name (after the alternative <Car B> and the "
       "attribute <Price>). It must be either ALTERNATIVE or ATTRIBUTE."},
      {"ALTERNATIVE NAME= {Car A}", "Alternative Field Name",
       "<NAME=> is an invalid field name (after the alternative <start of the file> and the "
       "attribute <start of the file>). It must be <NAME:>."},
      {"ALTERNATIVE NAME: {Car B} ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 6000 "
       "ALTERNATIVE",
       "Alternative Field Name",
       "<> is an invalid field name (after the alternative <Car B> and the attribute <Price>). "
       "It must be <NAME:>."},
      {"ALTERNATIVE NAME: {Car B} ATTRIBUTE name: {Price}", "Attribute Field Name",
       "<name:> is an invalid field name (at the alternative <Car B> and after the attribute "
       "<start of the file>). It must be <NAME:>."},
      {"ATTRIBUTE NAME: {Price} TYPE; QUANTITATIVE", "Field Name",
       "<TYPE;> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Price>). It must be <TYPE:>."},
      {"ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUES: 6000", "Field Name",
       "<VALUES:> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Price>). It must be <VALUE:>."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE GRADES: 5", "Field Name",
       "<GRADES:> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Comfort>). It must be <NUMBER:>."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGMENT: {Good} 1", "Field Name",
       "<JUDGMENT:> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Comfort>). It must be <JUDGEMENT:>."},
      // After UNCERTAIN only the spelling with the colon is accepted.
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER 2", "Field Name",
       "<NUMBER> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Fuel use>). It must be <NUMBER:>."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2 VALUES: 5 1", "Field Name",
       "<VALUES:> is an invalid field name (at the alternative <start of the file> and on the "
       "attribute <Fuel use>). It must be <DISTRIBUTION:>."},
      {"ALTERNATIVE NAME: {Car D}", "Alternative Name",
       "<Car D> is an invalid alternative name (after the alternative <start of the file> and "
       "the attribute <start of the file>), which does not match any alternative name used in "
       "the decision model."},
      {"ALTERNATIVE NAME: {Car B} ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 6000 "
       "ATTRIBUTE NAME: {Speed}",
       "Attribute Name",
       "<Speed> is an invalid attribute name (at the alternative <Car B> and after the attribute "
       "<Price>), which does not match any attribute name used in the decision model."},
      {"ATTRIBUTE NAME: {Price} TYPE: QUALITATIVE NUMBER: 5", "Attribute Type",
       "<QUALITATIVE> is an invalid attribute type (at the alternative <start of the file> and "
       "on the attribute <Price>). It should be <QUANTITATIVE> as defined in the decision "
       "model."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: quantitative", "Attribute Type",
       "<quantitative> is an invalid attribute type (at the alternative <start of the file> and "
       "on the attribute <Fuel use>). It should be <UNCERTAIN> as defined in the decision "
       "model."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: UNCERTAIN", "Attribute Type",
       "<UNCERTAIN> is an invalid attribute type (at the alternative <start of the file> and on "
       "the attribute <Comfort>). It should be <QUALITATIVE> as defined in the decision model."},
      // The range is written worst first, as the model holds it.
      {"ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 20000.00002", "Attribute Value",
       "The 1st attribute value <20000.000020> is outside the range [20000.000000,  "
       "5000.000000] (at the alternative <start of the file> and on the attribute <Price>), "
       "which is defined for the attribute in the decision model."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2 DISTRIBUTION: 5 0.5 3.5 0.5",
       "Attribute Value",
       "The 2nd attribute value <3.500000> is outside the range [10.000000,  4.000000] (at the "
       "alternative <start of the file> and on the attribute <Fuel use>), which is defined for "
       "the attribute in the decision model."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 3 DISTRIBUTION: 5 0.2 5 0.2 -7 0.2",
       "Attribute Value",
       "The 3rd attribute value <-7.000000> is outside the range [10.000000,  4.000000] (at the "
       "alternative <start of the file> and on the attribute <Fuel use>), which is defined for "
       "the attribute in the decision model."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 12 DISTRIBUTION: 5 0 5 0 5 0 5 0 "
       "5 0 5 0 5 0 5 0 5 0 5 0 11 0.1",
       "Attribute Value",
       "The 11th attribute value <11.000000> is outside the range [10.000000,  4.000000] (at "
       "the alternative <start of the file> and on the attribute <Fuel use>), which is defined "
       "for the attribute in the decision model."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 4", "Grade Number",
       "The number of grades <4> does not match that used for Comfort in the decision model "
       "which is 5 (at the alternative <start of the file> and on the attribute <Comfort>)."},
      // A count that is not an integer is read as 0.
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5.0", "Grade Number",
       "The number of grades <0> does not match that used for Comfort in the decision model "
       "which is 5 (at the alternative <start of the file> and on the attribute <Comfort>)."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Good} 0.5 {good} 0.5",
       "Grade Name",
       "<good> is an invalid grade name (at the alternative <start of the file> and on the "
       "attribute <Comfort>), which does not match any grade name defined for <Comfort> in the "
       "decision model."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 21", "Value Number",
       "The number of possible values <21> is outside of the range [1,  20] (at the alternative "
       "<start of the file> and on the attribute <Fuel use>)."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: two", "Value Number",
       "The number of possible values <0> is outside of the range [1,  20] (at the alternative "
       "<start of the file> and on the attribute <Fuel use>)."},
      {"ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 12,500", "Value Type",
       "The type of the attribute value is incorrect (at the alternative <start of the file> and "
       "on the attribute <Price>)."},
      {"ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE:", "Value Type",
       "The type of the attribute value is incorrect (at the alternative <start of the file> and "
       "on the attribute <Price>)."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 1 DISTRIBUTION: nan 1", "Value Type",
       "The type of the attribute value is incorrect (at the alternative <start of the file> and "
       "on the attribute <Fuel use>)."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Good} high",
       "Belief Type",
       "The type of the belief degree is incorrect (at the alternative <start of the file> and "
       "on the attribute <Comfort>)."},
      // The value's range is checked after both numbers of a pair are read.
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 1 DISTRIBUTION: 99 much", "Belief Type",
       "The type of the belief degree is incorrect (at the alternative <start of the file> and "
       "on the attribute <Fuel use>)."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Good} 1.00002",
       "Belief Degree",
       "The belief degree <1.000020> is outside the range [0,  1] (at the alternative <start of "
       "the file> and on the attribute <Comfort>)."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 1 DISTRIBUTION: 5 -0.00002",
       "Belief Degree",
       "The belief degree <-0.000020> is outside the range [0,  1] (at the alternative <start of "
       "the file> and on the attribute <Fuel use>)."},
      {"ALTERNATIVE NAME: {Car C} ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 "
       "JUDGEMENT: {Good} 0.6 {Best} 0.40002 {Poor} 0 {Average} 0 {Worst} 0",
       "Total Belief",
       "The total belief degree <1.0000> is outside the range [0,  1] (at the alternative <Car "
       "C> and on the attribute <Comfort>)."},
      {"ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2 DISTRIBUTION: 5 0.75 6 0.5",
       "Total Belief",
       "The total belief degree <1.2500> is outside the range [0,  1] (at the alternative <start "
       "of the file> and on the attribute <Fuel use>)."},
      {"ALTERNATIVE NAME: Car A}", "Name String",
       "A name string must be left bracketed by {  (after the alternative <start of the file> "
       "and after the attribute <start of the file>)."},
      {"ALTERNATIVE NAME: {Car A {Car B}", "Name String",
       "A name string must be right bracketed by } (after the alternative <start of the file> "
       "and after the attribute <start of the file>)."},
      {"ALTERNATIVE NAME: {Car B}\nATTRIBUTE NAME: {Price TYPE: QUANTITATIVE", "Name String",
       "A name string must be right bracketed by } (at the alternative <Car B> and after the "
       "attribute <start of the file>)."},
      {"ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: Good 1", "Name String",
       "A name string must be left bracketed by {  (at the alternative <start of the file> and "
       "on the attribute <Comfort>)."},
      {"ATTRIBUTE NAME:", "Name String",
       "A name string must be left bracketed by {  (at the alternative <start of the file> and "
       "after the attribute <start of the file>)."},
  };
  for (const SErrorCase& c : cases) {
    SCOPED_TRACE(c.m_pszFile);
    SMessage m = Import(c.m_pszFile);
    EXPECT_FALSE(m_result.Succeeded());
    EXPECT_EQ(m.m_strTitle, c.m_pszHeading);
    EXPECT_EQ(m_result.m_strHeading, c.m_pszHeading);
    EXPECT_EQ(m.m_strText, kBegin + c.m_strText);
    EXPECT_EQ(m.m_icon, EIcon::Warning);
    EXPECT_EQ(m.m_buttons, EButtons::Ok);
  }
}

TEST_F(TextImportTest, RangeBoundariesAreAcceptedAndJustBeyondRefused) {
  // 0.00001 beyond either end of the range passes, 0.00002 does not.
  for (const char* v : {"200.00001", "49.99999"}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(
        Import(std::string("ATTRIBUTE NAME: {Power} TYPE: QUANTITATIVE VALUE: ") + v).m_strText,
        kTextImportSuccess);
  }
  for (const char* v : {"200.00002", "49.99998"}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(
        Import(std::string("ATTRIBUTE NAME: {Power} TYPE: QUANTITATIVE VALUE: ") + v).m_strTitle,
        "Attribute Value");
  }
  EXPECT_DOUBLE_EQ(Record(0, m_nPower).m_dValue, 49.99999);

  const std::string comfort = "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: ";
  EXPECT_EQ(Import(comfort + "{Good} 0.5 {Best} 0.500005 {Poor} 0 {Average} 0 {Worst} 0").m_strText,
            kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(0, m_nComfort).m_dBelief[4], 0.500005);
  EXPECT_EQ(Import(comfort + "{Good} 0.5 {Best} 0.50002 {Poor} 0 {Average} 0 {Worst} 0").m_strTitle,
            "Total Belief");
  EXPECT_EQ(
      Import(comfort + "{Good} 1.00001 {Best} -0.00001 {Poor} 0 {Average} 0 {Worst} 0").m_strText,
      kTextImportSuccess);

  const std::string fuel = "ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: ";
  std::string twenty = fuel + "20 DISTRIBUTION:";
  for (int i = 0; i < 20; ++i) twenty += " 4 0.05";
  EXPECT_EQ(Import(twenty).m_strText, kTextImportSuccess);
  EXPECT_EQ(Record(0, m_nFuel).m_nPossibleValues, 20);
  EXPECT_EQ(Import(fuel + "0").m_strTitle, "Value Number");
}

TEST_F(TextImportTest, NamesAreJoinedBySingleBlanksAndEndAtTheClosingBrace) {
  m_doc.Alternative(1).SetName("Car  B");  // two blanks can never be matched
  m_doc.Alternative(2).SetName("Car C ");
  // Blanks around "{" are skipped, runs of blanks become one, the rest of
  // the word after "}" is dropped.
  EXPECT_EQ(Import("ALTERNATIVE NAME: {   Car\n\t A}trailing ATTRIBUTE NAME: {Price} TYPE: "
                   "QUANTITATIVE VALUE: 7000")
                .m_strText,
            kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(0, m_nPrice).m_dValue, 7000);

  // {Car A } ends with a blank, so it does not match Car A ...
  SMessage m = Import("ALTERNATIVE NAME: {Car A }");
  EXPECT_EQ(m.m_strTitle, "Alternative Name");
  EXPECT_NE(m.m_strText.find("<Car A > is an invalid alternative name"), std::string::npos);
  // ... but it does match a name that ends with one.
  EXPECT_EQ(Import("ALTERNATIVE NAME: {Car C } ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE "
                   "VALUE: 8000")
                .m_strText,
            kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(2, m_nPrice).m_dValue, 8000);
  EXPECT_EQ(Import("ALTERNATIVE NAME: {Car  B}").m_strTitle, "Alternative Name");

  m = Import("ALTERNATIVE NAME: {}");
  EXPECT_NE(m.m_strText.find("\n\n<> is an invalid alternative name"), std::string::npos);
}

TEST_F(TextImportTest, ANameMayHaveUpTo9999Words) {
  std::string words;
  for (int i = 0; i < 9998; ++i) words += "w ";
  SMessage m = Import("ALTERNATIVE NAME: {" + words + "w}");
  // Closed by the 9999th word: read, and looked up (in vain).
  EXPECT_EQ(m.m_strTitle, "Alternative Name");
  EXPECT_NE(m.m_strText.find("<" + words + "w>"), std::string::npos);

  m = Import("ALTERNATIVE NAME: {" + words + "w }");
  EXPECT_EQ(m.m_strTitle, "Name String");
  EXPECT_EQ(m.m_strText, std::string(kBegin) +
                             "A name string must be right bracketed by } (after the alternative "
                             "<start of the file> and after the attribute <start of the file>).");
}

TEST_F(TextImportTest, AttributeBlockBeforeAnyAlternativeAssessesTheFirstAlternative) {
  m_doc.SetCurrentPosition(2);
  EXPECT_EQ(Import("ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 9000").m_strText,
            kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(0, m_nPrice).m_dValue, 9000);
  EXPECT_DOUBLE_EQ(Record(2, m_nPrice).m_dValue, 12500);
  // The selection of the model is not changed by an alternative block.
  Import("ALTERNATIVE NAME: {Car B}");
  EXPECT_EQ(m_doc.CurrentPosition(), 2);
}

TEST_F(TextImportTest, BlocksBeforeAnErrorStayAndTheFailedBlockStoresNothing) {
  Record(1, m_nComfort).m_dBelief[0] = 0.4;
  Record(1, m_nFuel).m_nPossibleValues = 3;
  Record(1, m_nFuel).m_dPossibleValue[0] = 9;
  SMessage m = Import(
      "ALTERNATIVE NAME: {Car B}\n"
      "ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 6000\n"
      "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: "
      "{Good} 0.5 {Best} 0.5 {Poor} 0.5 {Average} 0 {Worst} 0\n");
  EXPECT_EQ(m.m_strTitle, "Total Belief");
  EXPECT_DOUBLE_EQ(Record(1, m_nPrice).m_dValue, 6000);
  EXPECT_DOUBLE_EQ(Record(1, m_nComfort).m_dBelief[0], 0.4);
  EXPECT_DOUBLE_EQ(Record(1, m_nComfort).m_dBelief[3], 0.0);
  EXPECT_EQ(m_result.m_nAlternativeBlocks, 1);
  EXPECT_EQ(m_result.m_nAttributeBlocks, 1);

  // The possible-value count is stored before the distribution is checked.
  m = Import(
      "ALTERNATIVE NAME: {Car B} ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2 "
      "DISTRIBUTION: 5 0.5 12 0.5");
  EXPECT_EQ(m.m_strTitle, "Attribute Value");
  EXPECT_EQ(Record(1, m_nFuel).m_nPossibleValues, 2);
  EXPECT_DOUBLE_EQ(Record(1, m_nFuel).m_dPossibleValue[0], 9);
}

TEST_F(TextImportTest, QualitativeGradesInAnyOrderLaterDegreeWinsUnnamedGetZero) {
  for (int k = 0; k < 5; ++k) Record(0, m_nComfort).m_dBelief[k] = 0.2;
  Import(
      "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: "
      "{Best} 0.3 {Good} 0.1 {Best} 0.4 {Good} 0.2 {Best} 0");
  EXPECT_EQ(m_result.m_strMessage, kTextImportSuccess);
  const double expected[5] = {0, 0, 0, 0.2, 0};
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(Record(0, m_nComfort).m_dBelief[k], expected[k]);

  // Every grade of a repeated name gets the degree.
  m_doc.Attribute(m_nComfort).SetGradeName(1, "Good");
  Import(
      "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: "
      "{Good} 0.3 {Worst} 0.1 {Average} 0.1 {Best} 0.1 {Best} 0.1");
  EXPECT_EQ(m_result.m_strMessage, kTextImportSuccess);
  const double twice[5] = {0.1, 0.3, 0.1, 0.3, 0.1};
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(Record(0, m_nComfort).m_dBelief[k], twice[k]);
}

TEST_F(TextImportTest, SameNamesPickFirstAlternativeAndLastAttribute) {
  m_doc.Alternative(2).SetName("Car A");
  m_doc.Attribute(m_nFuel).SetName("Price");
  m_doc.Attribute(m_nFuel).m_nType = Quantitative;
  Import("ALTERNATIVE NAME: {Car A} ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 8");
  EXPECT_EQ(m_result.m_strMessage, kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(0, m_nFuel).m_dValue, 8);
  EXPECT_NE(Record(2, m_nFuel).m_dValue, 8);
  EXPECT_NE(Record(0, m_nPrice).m_dValue, 8);
}

class CChangeCounter : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    m_changes.push_back(change.m_kind);
  }
  std::vector<EDocChange> m_changes;
};

// Closing a model asks to save it only when it is marked modified: an import
// that stored anything, even before an error, must mark it.
TEST_F(TextImportTest, AnImportThatStoredAnythingMarksTheModelModified) {
  CChangeCounter counter;
  m_doc.Subscribe(&counter);
  // An error before anything was stored changes nothing and tells nobody.
  Import("ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 90");
  EXPECT_TRUE(counter.m_changes.empty());
  EXPECT_FALSE(m_doc.IsModified());

  const char* const stored[] = {
      "ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 9000",
      "ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 9000 ATTRIBUTE NAME: {Nothing}",
      // Only the possible-value count is stored before the distribution fails.
      "ATTRIBUTE NAME: {Fuel use} TYPE: UNCERTAIN NUMBER: 2 DISTRIBUTION: 5 0.5 12 0.5",
  };
  for (const char* text : stored) {
    m_doc.SetModifiedFlag(false);
    counter.m_changes.clear();
    Import(text);
    EXPECT_TRUE(m_doc.IsModified()) << text;
    EXPECT_EQ(counter.m_changes, std::vector<EDocChange>{EDocChange::Assessment}) << text;
  }
  m_doc.Unsubscribe(&counter);
}

TEST_F(TextImportTest, FileIsReadAsBytes) {
  test::CTempDir tmp;
  const std::filesystem::path& dir = tmp.Dir();
  // A name with a pound sign in code page 1252 matches byte for byte.
  m_doc.Alternative(1).SetName("Car \xA3");
  {
    std::ofstream out(dir / "data.txt", std::ios::binary);
    out << "ALTERNATIVE NAME: {Car \xA3}\r\nATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: "
           "5000\r\n";
  }
  CScriptedUser user;
  std::string error;
  ASSERT_TRUE(ImportTextDataFile(m_doc, (dir / "data.txt").string(), m_result, error)) << error;
  EXPECT_EQ(user.OnlyText(), kTextImportSuccess);
  EXPECT_DOUBLE_EQ(Record(1, m_nPrice).m_dValue, 5000);

  user.Clear();
  EXPECT_FALSE(ImportTextDataFile(m_doc, (dir / "missing.txt").string(), m_result, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(user.Count(), 0u);
}

}  // namespace
}  // namespace zev
