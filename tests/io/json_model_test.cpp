#include "io/json_model.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "io/model_file.h"
#include "tests/io/memory_limit.h"
#include "tests/io/random_model.h"
#include "tests/io/rich_model.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using json = nlohmann::ordered_json;

// Exports, imports into a fresh document and saves: the bytes must be the
// original's.
void ExpectRoundTrip(CMADMDoc& doc) {
  const std::string bytes = WriteModel(doc);
  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModelJson(WriteModelJson(doc), back, error)) << error.Message();
  EXPECT_EQ(WriteModel(back), bytes);
  EXPECT_FALSE(back.IsModified());
}

class JsonRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(JsonRoundTrip, ImportingTheExportSavesTheSameBytes) {
  CMADMDoc doc;
  if (GetParam() == 0) {
    SFileError error;
    ASSERT_TRUE(LoadModelFile(std::string(ZEV_EXAMPLES) + "/laptop.zev", doc, error));
  } else if (GetParam() == 1) {
    test::BuildRichModel(doc);
  } else if (GetParam() == 2) {
    doc.OnNewDocument();
  } else {
    test::BuildRandomModel(doc, static_cast<unsigned>(GetParam()));
  }
  ExpectRoundTrip(doc);
}

INSTANTIATE_TEST_SUITE_P(ExampleRichNewAndRandomModels, JsonRoundTrip, ::testing::Range(0, 20));

TEST(JsonModel, NumbersJsonCannotHoldAndRecordsBeyondTheModelRoundTrip) {
  CMADMDoc doc;
  test::BuildRichModel(doc);
  const double inf = std::numeric_limits<double>::infinity();
  const double payloadNaN = std::bit_cast<double>(0xFFF0000000000123ull);
  doc.Attribute(1).m_dBest = inf;
  doc.Attribute(1).m_dWorst = -inf;
  doc.Attribute(2).SetGradeValue(1, std::numeric_limits<double>::quiet_NaN());
  doc.Attribute(2).SetGradeUtility(0, payloadNaN);
  doc.Attribute(3).m_dShownValue = -0.0;
  doc.Attribute(3).m_dWeight = std::numeric_limits<double>::denorm_min();
  doc.Alternative(0).m_dUtility = std::numeric_limits<double>::max();
  doc.Alternative(1).Record(2).m_dBelief[0] = std::numeric_limits<double>::lowest();
  // One alternative with records beyond the model (which hold no
  // assessment of their own), one with fewer.
  doc.Alternative(1).m_nLastAttribute = 50;
  doc.Alternative(2).m_nLastAttribute = 1;
  // A model file keeps the count of such records but not what they held, so
  // the comparison starts from the model as its own file brings it back.
  CMADMDoc reopened;
  SFileError error;
  ASSERT_TRUE(ReadModel(WriteModel(doc), reopened, error)) << error.Message();
  ExpectRoundTrip(reopened);

  const std::string text = WriteModelJson(reopened);
  EXPECT_NE(text.find("\"best\": \"Infinity\""), std::string::npos);
  EXPECT_NE(text.find("\"worst\": \"-Infinity\""), std::string::npos);
  EXPECT_NE(text.find("\"value\": \"NaN\""), std::string::npos);
  EXPECT_NE(text.find("\"utility\": \"NaN:FFF0000000000123\""), std::string::npos);
}

TEST(JsonModel, TextsAreUtf8AndTheUndefinedBytesOfTheCodePageSurvive) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.Attribute(0).SetName("\x80 \xE9 \x81\x8D\x8F\x90\x9D \"\n");
  const json root = json::parse(WriteModelJson(doc));
  EXPECT_EQ(root["attributes"][0]["name"],
            "\xE2\x82\xAC \xC3\xA9 \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D \"\n");
  ExpectRoundTrip(doc);
}

// Two attributes under the top (one quantitative) and two alternatives.
class JsonRefusal : public ::testing::Test {
 protected:
  void SetUp() override {
    CMADMDoc doc;
    doc.OnNewDocument();
    test::BuildHierarchy(doc, {"Comfort", "Price"});
    doc.Attribute(2).m_nType = Quantitative;
    doc.AddAlternativeCommand();
    m_text = WriteModelJson(doc);
    m_target.OnNewDocument();
    m_target.Attribute(0).SetName("Untouched");
    m_before = WriteModel(m_target);
  }
  // Edits the exported form and reads it; returns the problem shown.
  std::string Refusal(const std::function<void(json&)>& edit) {
    json root = json::parse(m_text);
    edit(root);
    return RefusalOf(root.dump());
  }
  std::string RefusalOf(const std::string& text) {
    SFileError error;
    EXPECT_FALSE(ReadModelJson(text, m_target, error));
    EXPECT_TRUE(WriteModel(m_target) == m_before) << "the open model changed";
    const std::string head = "The text is not a ZEV model in JSON form.\n";
    const std::string message = error.Message();
    EXPECT_EQ(message.substr(0, head.size()), head);
    return message.substr(std::min(head.size(), message.size()));
  }

  std::string m_text;
  CMADMDoc m_target;
  std::string m_before;
};

TEST_F(JsonRefusal, TheFormIsCheckedMemberByMember) {
  struct SCase {
    std::function<void(json&)> m_edit;
    const char* m_pszProblem;
  };
  const SCase cases[] = {
      {[](json& r) { r["format"] = "other"; },
       "/format: the text is not a ZEV model (\"format\" must be \"ZEV model\")."},
      {[](json& r) { r["version"] = 2; }, "/version: this program reads version 1 of the form."},
      {[](json& r) { r.erase("alternatives"); }, "/: the member \"alternatives\" is missing."},
      {[](json& r) { r["attributes"][1]["wieght"] = 1; },
       "/attributes/1: the member \"wieght\" is not part of the form."},
      {[](json& r) { r["attributes"][1]["weight"] = "heavy"; },
       "/attributes/1/weight: a number is expected (or \"Infinity\", \"-Infinity\", \"NaN\")."},
      {[](json& r) { r["attributes"][1]["best"] = "NaN:7FF0000000000000"; },
       "/attributes/1/best: a number is expected (or \"Infinity\", \"-Infinity\", \"NaN\")."},
      {[](json& r) { r["attributes"][1]["kind"] = "fuzzy"; },
       "/attributes/1/kind: \"qualitative\", \"quantitative\" or \"uncertain\" is expected."},
      {[](json& r) { r["attributes"][1]["conversion"] = 66; },
       "/attributes/1/conversion: \"utility\" or \"rule\" is expected."},
      {[](json& r) { r["attributes"][1]["mark"] = 65536; },
       "/attributes/1/mark: the number is outside 0..65535."},
      {[](json& r) { r["attributes"][1]["x"] = 1.5; },
       "/attributes/1/x: a whole number is expected."},
      {[](json& r) { r["attributes"][1]["name"] = 7; }, "/attributes/1/name: a text is expected."},
      {[](json& r) { r["attributes"][1]["grades"] = json::array(); },
       "/attributes/1/grades: the array holds 0 entries; it must hold 1 to 20."},
      {[](json& r) { r["attributes"][1]["grades"][0]["conversion"].push_back(0.5); },
       "/attributes/1/grades/0/conversion: the array holds 6 entries; it must hold 5."},
      {[](json& r) { r["attributes"][0]["grades"][0]["value"] = 0.5; },
       "/attributes/0/grades/0: the member \"value\" is not part of the form."},
      {[](json& r) { r["attributes"][0]["children"][1] = 3; },
       "/attributes/0/children/1: the number is outside 1..2."},
      {[](json& r) { r["attributes"][0]["children"][1] = 1; },
       "/attributes/0/children/1: the attribute 1 is a child of the attribute 0 already."},
      {[](json& r) { r["attributes"][0]["children"].erase(1); },
       "/attributes/2: the attribute is not the child of any attribute."},
      {[](json& r) {
         r["attributes"][0]["children"] = json::array();
         r["attributes"][1]["children"] = {2};
         r["attributes"][2]["children"] = {1};
       },
       "The father links of attribute 1 <Comfort> form a loop."},
      {[](json& r) {
         r["attributes"][0]["children"] = {2};
         r["attributes"][2]["children"] = {1};
       },
       "Attribute 2 <Price> has sub-attributes but is not qualitative."},
      {[](json& r) { r["attributes"][1]["weight"] = -0.5; },
       "The weight -0.5000 of attribute 1 <Comfort> is not a non-negative real number."},
      {[](json& r) { r["attributes"][1]["y"] = 1000000001; },
       "The vertical position 1000000001 of attribute 1 is far outside the drawing."},
      {[](json& r) { r["alternatives"] = json::array(); },
       "/alternatives: the array holds 0 entries; it must hold at least 1."},
      {[](json& r) { r["alternatives"][1]["assessments"][1]["belief"].erase(0); },
       "/alternatives/1/assessments/1/belief: the array holds 4 entries; it must hold 5."},
      {[](json& r) {
         json values = json::array();
         for (int i = 0; i < 21; ++i) values.push_back(1.0);
         r["alternatives"][1]["assessments"][1]["possible_values"] = values;
       },
       "/alternatives/1/assessments/1/possible_values: the array holds 21 entries; it must hold "
       "1 to 20."},
      {[](json& r) { r["alternatives"][1]["assessments"][2]["grades"] = 5; },
       "/alternatives/1/assessments/2: the member \"grades\" is not part of the form."},
      {[](json& r) {
         json& records = r["alternatives"][1]["assessments"];
         records.push_back(records[0]);
       },
       "/alternatives/1/assessments/3: the member \"grades\" is missing."},
      {[](json& r) { r["alternatives"][0]["ranking"] = 4294967296; },
       "/alternatives/0/ranking: the number is outside -2147483648..2147483647."},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.m_pszProblem);
    EXPECT_EQ(Refusal(c.m_edit), c.m_pszProblem);
  }
}

TEST_F(JsonRefusal, BrokenTextDeepNestingAndTooManyAttributes) {
  EXPECT_EQ(RefusalOf("{\"format\": "),
            "Parse error at line 1, column 12: syntax error while parsing value - unexpected end "
            "of input; expected '[', '{', or a literal.");
  EXPECT_EQ(RefusalOf(std::string(100000, '[')),
            "The text nests arrays and objects deeper than 16 levels.");

  test::CScriptedUser user;
  EXPECT_EQ(Refusal([](json& r) {
              while (r["attributes"].size() < 52) r["attributes"].push_back(r["attributes"][2]);
            }),
            "/attributes: the array holds 52 entries; it must hold 1 to 51.");
  EXPECT_EQ(user.OnlyText(), AttributeLimitMessage());
}

}  // namespace
}  // namespace zev

namespace zev {
namespace {

TEST(JsonModelMemory, AModelBeyondTheMemoryAvailableIsRefused) {
  if (test::kAddressSanitizer) GTEST_SKIP() << "an address-space limit needs a plain build";
  CMADMDoc doc;
  doc.OnNewDocument();
  json root = json::parse(WriteModelJson(doc));
  json& alternatives = root["alternatives"];
  while (alternatives.size() < 1500) alternatives.push_back(alternatives[0]);
  const std::string text = root.dump();
  EXPECT_EXIT(
      {
        CMADMDoc open;
        open.OnNewDocument();
        const std::string before = WriteModel(open);
        test::LimitAddressSpace(48u << 20);
        SFileError error;
        const bool bRead = ReadModelJson(text, open, error);
        test::LimitAddressSpace(1u << 30);
        std::fputs(error.Message().c_str(), stderr);
        std::_Exit(!bRead && error.m_bNoMemory && WriteModel(open) == before ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "There is not enough memory to open the model: 1500 alternatives need about");
}

}  // namespace
}  // namespace zev
