#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "io/model_file.h"
#include "tests/io/bytes.h"
#include "tests/io/rich_model.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::Hex;
using test::Int;
using test::Str;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The bytes of the rich model after `damage` was done to it in memory (the
// writer writes whatever the model holds).
std::string Damaged(const std::function<void(CMADMDoc&)>& damage) {
  CMADMDoc doc;
  test::BuildRichModel(doc);
  damage(doc);
  return WriteModel(doc);
}

int Find(const CMADMDoc& doc, const char* name) { return test::FindAttribute(doc, name); }

// Reading `bytes` into an open model is refused: the problem names `what`,
// the offset points at the bytes `at` (when given), and the open model has
// not changed at all.
void ExpectRefused(const std::string& bytes, const std::string& what, const std::string& at = "") {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Kept"});
  doc.SetCurrentAttribute(1);
  doc.SetModifiedFlag(true);
  const std::string before = WriteModel(doc);

  SFileError error;
  ASSERT_FALSE(ReadModel(bytes, doc, error)) << "expected a refusal naming: " << what;
  EXPECT_NE(error.m_strProblem.find(what), std::string::npos) << error.m_strProblem;
  EXPECT_TRUE(error.m_bHasOffset);
  EXPECT_LE(error.m_nOffset, bytes.size());
  if (!at.empty()) {
    EXPECT_EQ(bytes.substr(error.m_nOffset, at.size()), at)
        << "the offset " << error.m_nOffset
        << " does not point at the field: " << error.m_strProblem;
  }
  EXPECT_EQ(error.Message().find("The data is not a valid ZEV model file.\nAt byte "), 0u)
      << error.Message();
  EXPECT_EQ(WriteModel(doc), before);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.CurrentAttribute(), 1);
}

void ExpectLoads(const std::string& bytes) {
  CMADMDoc doc;
  SFileError error;
  EXPECT_TRUE(ReadModel(bytes, doc, error)) << error.Message();
}

class ModelFileRefusal : public ::testing::Test {
 protected:
  // Fails the test on any question; records the messages.
  test::CScriptedUser m_user;
};

TEST_F(ModelFileRefusal, EveryTruncationIsRefusedAsEndingEarly) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A", "B:A", "C"});
  doc.AddAlternativeCommand();
  doc.PrepareAllAlternatives();
  const std::string bytes = WriteModel(doc);
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    CMADMDoc into;
    SFileError error;
    ASSERT_FALSE(ReadModel(std::string_view(bytes).substr(0, n), into, error)) << n;
    EXPECT_NE(error.m_strProblem.find("the file ends"), std::string::npos)
        << n << ": " << error.m_strProblem;
  }
  ExpectLoads(bytes);
  ExpectLoads(bytes + "trailing bytes are ignored");
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(ModelFileRefusal, MoreThan51AttributesShowsTheLimitMessageFirst) {
  ExpectRefused(Int(51) + std::string(200, '\0'), "52 attributes", Int(51));
  ASSERT_EQ(m_user.Count(), 1u);
  EXPECT_EQ(m_user.Last().m_strText, AttributeLimitMessage());
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);

  m_user.Clear();
  ExpectRefused(Int(-1), "negative", Int(-1));
  ExpectRefused(Int(0x7FFFFFFF), "attributes");
}

TEST_F(ModelFileRefusal, ExactlyFiftyOneAttributesStillLoad) {
  CMADMDoc doc;
  test::BuildFiftyAttributeModel(doc);
  ASSERT_EQ(doc.LastAttribute(), 49);
  // A 51st attribute, appended by hand below the top's last child.
  std::vector<int> kids = test::ChildrenInOrder(doc, 0);
  doc.SetLastAttribute(50);
  CAttribute& extra = doc.Attribute(50);
  extra.ResetToDefaults();
  extra.m_nIndex = 50;
  extra.m_nFather = 0;
  extra.m_nPrevSibling = kids.back();
  doc.Attribute(kids.back()).m_nNextSibling = 50;
  doc.Attribute(0).m_nChildren += 1;
  const std::string bytes = WriteModel(doc);
  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, back, error)) << error.Message();
  EXPECT_EQ(back.LastAttribute(), 50);
  EXPECT_EQ(WriteModel(back), bytes);
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(ModelFileRefusal, UnknownCodesAndCountsOutOfRange) {
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(Find(d, "Noise")).m_nType = 5; }),
                "the type 5 of attribute 6 is unknown", Hex("05 00"));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(2).m_nConversion = 67; }),
                "the conversion basis 67 of attribute 2 is unknown", Hex("43 00"));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(3).m_nGrades = 21; }),
                "the grade count 21 of attribute 3 is outside 1..20", Int(21));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(0).m_nGrades = 0; }),
                "the grade count 0 of attribute 0 is outside 1..20", Int(0) + Str("Top Attribute"));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(4).m_nGrades = -3; }),
                "the grade count -3 of attribute 4", Int(-3));
  ExpectRefused(
      Damaged([](CMADMDoc& d) { d.Alternative(1).Record(5).m_nPossibleValues = 21; }),
      "the possible-value count 21 of the assessment of alternative number 2 on attribute 5",
      Int(21));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Alternative(0).Record(0).m_nPossibleValues = 0; }),
                "the possible-value count 0", Int(0));
  // Records beyond the model's attributes keep their own grade count.
  ExpectRefused(Damaged([](CMADMDoc& d) {
                  d.Alternative(2).m_nLastAttribute = 9;
                  d.Alternative(2).Record(9).m_nGrades = 40;
                }),
                "the grade count 40 of the assessment of alternative number 3 on attribute 9",
                Int(40));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Alternative(2).m_nLastAttribute = 51; }),
                "the last attribute index 51 of alternative number 3 is outside 0..50", Int(51));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Alternative(0).m_nLastAttribute = -1; }),
                "the last attribute index -1", Int(-1));
}

TEST_F(ModelFileRefusal, LinksOutsideTheModel) {
  // The rich model has attributes 0..7.
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(5).m_nFather = 8; }),
                "the father 8 of attribute 5 is outside 0..7", Int(8));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(5).m_nFather = -1; }),
                "the father -1 of attribute 5 is outside 0..7", Int(-1));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(0).m_nFather = 3; }),
                "the top attribute names the attribute 3 as its father", Int(3));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(2).m_nNextSibling = 60; }),
                "the next sibling 60 of attribute 2 is outside -1..7", Int(60));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(2).m_nPrevSibling = -2; }),
                "the previous sibling -2 of attribute 2 is outside -1..7", Int(-2));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(7).m_nIndex = 99; }),
                "the own index 99 of attribute 7 is outside 0..7", Int(99));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(7).m_nChildren = -1; }),
                "the number of sub-attributes -1 of attribute 7", Int(-1));
}

TEST_F(ModelFileRefusal, LinksThatAreNotOneTree) {
  // Tree of the rich model: 0 -> Cost (Price, Running cost), Comfort
  // (Seats, Noise, Cafe space).
  ExpectRefused(Damaged([](CMADMDoc& d) {
                  int cost = Find(d, "Cost");
                  int comfort = Find(d, "Comfort");
                  d.Attribute(cost).m_nFather = comfort;
                  d.Attribute(comfort).m_nFather = cost;
                }),
                "form a loop");
  ExpectRefused(Damaged([](CMADMDoc& d) {
                  int seats = Find(d, "Seats");
                  d.Attribute(seats).m_nFather = seats;
                }),
                "the father links of attribute 5 <Seats> form a loop", Int(5));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(0).m_nChildren = 3; }),
                "attribute 0 <Top Attribute> claims 3 sub-attributes, but 2 attributes name it",
                Int(3));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(Find(d, "Seats")).m_nChildren = 1; }),
                "claims 1 sub-attributes, but 0", Int(1));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(Find(d, "Cost")).m_nType = Quantitative; }),
                "<Cost> has sub-attributes but is not qualitative", Hex("07 00"));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(0).m_nNextSibling = 1; }),
                "the top attribute has a sibling", Int(1));

  // Sibling chains of Comfort's three children.
  auto chain = [](CMADMDoc& d) { return test::ChildrenInOrder(d, Find(d, "Comfort")); };
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[2]).m_nNextSibling = c[0];
                }),
                "sibling");
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[1]).m_nPrevSibling = -1;
                }),
                "have two first siblings");
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[1]).m_nNextSibling = -1;
                }),
                "holds 2 of its 3 sub-attributes");
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[1]).m_nNextSibling = Find(d, "Price");
                }),
                "is not a sub-attribute of attribute 4 <Comfort>");
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[0]).m_nPrevSibling = c[2];
                  d.Attribute(c[1]).m_nPrevSibling = c[0];
                  d.Attribute(c[2]).m_nPrevSibling = c[1];
                  d.Attribute(c[2]).m_nNextSibling = c[0];
                }),
                "form a loop");
  ExpectRefused(Damaged([&](CMADMDoc& d) {
                  auto c = chain(d);
                  d.Attribute(c[2]).m_nPrevSibling = c[0];
                }),
                "does not match its place");
}

// An own index that is not the slot loads, but as the slot: it cannot make
// an attribute pass for another one (the top) in the dialogs.
TEST_F(ModelFileRefusal, AnOwnIndexThatIsNotTheSlotLoadsAsTheSlot) {
  std::string bytes = Damaged([](CMADMDoc& d) {
    for (int i = 0; i <= d.LastAttribute(); ++i) d.Attribute(i).m_nIndex = i == 6 ? 2 : 0;
  });
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, doc, error)) << error.Message();
  for (int i = 0; i <= doc.LastAttribute(); ++i) EXPECT_EQ(doc.Attribute(i).m_nIndex, i);
  EXPECT_EQ(WriteModel(doc), Damaged([](CMADMDoc&) {}));
}

TEST_F(ModelFileRefusal, WeightsThatEveryPreparationWouldRefuse) {
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(2).m_dWeight = -0.5; }),
                "the weight -0.5000 of attribute 2 <Price> is not a non-negative real number",
                test::Double(-0.5));
  // Even a weight that is negative only in its sign would be refused by
  // every preparation.
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(2).m_dWeight = -1e-9; }),
                "the weight -0.0000 of attribute 2");
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(3).m_dWeight = kNaN; }),
                "the weight nan of attribute 3", test::Double(kNaN));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(3).m_dWeight = kInf; }),
                "the weight inf of attribute 3");

  // A zero weight prepares without a word.
  std::string bytes = Damaged([](CMADMDoc& d) { d.Attribute(2).m_dWeight = 0.0; });
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, doc, error)) << error.Message();
  doc.PrepareAllAlternatives();
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(ModelFileRefusal, PositionsFarOutsideTheDrawing) {
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Attribute(4).m_nY = 2000000000; }),
                "the vertical position 2000000000 of attribute 4 is far outside the drawing",
                Int(2000000000));
  ExpectRefused(Damaged([](CMADMDoc& d) { d.Alternative(2).m_nX = -1000000001; }),
                "the horizontal position -1000000001 of alternative number 3");
  ExpectLoads(Damaged([](CMADMDoc& d) { d.Attribute(4).m_nY = -1000000000; }));
}

// The program holds such numbers itself after extreme input (evenly spaced
// grade values between a best value of 1e308 and a worst of -1e308 are
// infinite or not a number), so its own files with them must load and save.
TEST_F(ModelFileRefusal, OtherNumbersLoadAsTheyAreEvenWhenNotFinite) {
  std::string bytes = Damaged([](CMADMDoc& d) {
    d.Attribute(3).m_dBest = kInf;
    d.Attribute(3).m_dShownValue = -4.0;
    d.Attribute(5).SetGradeUtility(2, -kInf);
    d.Attribute(5).SetConversionEntry(6, 4, kNaN);
    d.Alternative(0).Record(3).m_dBelief[2] = kNaN;
    d.Alternative(0).Record(5).m_dBelief[0] = -0.00001;
    d.Alternative(1).m_dUtility = kInf;
    d.Alternative(2).Record(0).m_dAvgUtility = kNaN;
  });
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, doc, error)) << error.Message();
  EXPECT_TRUE(std::isnan(doc.Alternative(0).Record(3).m_dBelief[2]));
  EXPECT_EQ(doc.Attribute(3).m_dBest, kInf);
  EXPECT_EQ(WriteModel(doc), bytes);
}

TEST_F(ModelFileRefusal, AlternativeListProblems) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.AddAlternativeCommand();
  const std::string bytes = WriteModel(doc);
  const std::size_t list = bytes.find("CAlternative") - 8;
  const std::string head = bytes.substr(0, list);
  const std::string alternatives = bytes.substr(list + 2);

  ExpectRefused(head + Hex("00 00"), "the file holds no alternative", Hex("00 00"));
  ExpectRefused(head + Hex("02 00  00 00  00 00"), "the file holds no alternative");
  ExpectRefused(head + Hex("05 00") + alternatives, "the file ends in the middle of");
  ExpectRefused(head + Hex("FF FF FF FF FF 7F") + alternatives, "the file ends");

  std::string renamed = bytes;
  renamed.replace(renamed.find("CAlternative"), 12, "CAlternativx");
  ExpectRefused(renamed, "the object is of the unknown class <CAlternativx>",
                Hex("FF FF 01 00 0C 00"));
  std::string schema = bytes;
  schema[list + 4] = 2;
  ExpectRefused(schema, "the class CAlternative has the schema 2; only the schema 1 can be read");
  ExpectRefused(head + Hex("01 00 01 80"), "no such class was described before", Hex("01 80"));
  ExpectRefused(head + Hex("03 00") + alternatives + Hex("09 00"),
                "refers back to the object number 9", Hex("09 00"));
  ExpectRefused(head + Hex("03 00") + alternatives + Hex("01 00"),
                "which is a class and not an object", Hex("01 00"));
  // Two copies of two alternatives is the most; the third is refused.
  ExpectRefused(head + Hex("05 00") + alternatives + Hex("02 00 03 00 02 00"),
                "repeats earlier alternatives more often", Hex("02 00"));
}

TEST_F(ModelFileRefusal, BackReferencesBecomeIndependentCopies) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.AddAlternativeCommand();
  const std::string bytes = WriteModel(doc);
  const std::size_t list = bytes.find("CAlternative") - 8;
  // Null entries are skipped; 2 and the long form of 3 name the two
  // alternatives read (the class took index 1).
  std::string withRefs = bytes.substr(0, list) + Hex("05 00") + bytes.substr(list + 2) +
                         Hex("00 00  02 00  FF 7F 03 00 00 00");
  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(withRefs, back, error)) << error.Message();
  ASSERT_EQ(back.AlternativeCount(), 4);
  EXPECT_EQ(back.Alternative(2).m_strName, "First alternative");
  EXPECT_EQ(back.Alternative(3).m_strName, "Alternative 2");
  EXPECT_NE(&back.Alternative(2), &back.Alternative(0));
  back.Alternative(2).SetName("Changed");
  back.Alternative(2).Record(0).m_dAvgUtility = 0.9;
  EXPECT_EQ(back.Alternative(0).m_strName, "First alternative");
  EXPECT_EQ(back.Alternative(0).Record(0).m_dAvgUtility, 0.5);
  // Removing one leaves the other whole (each entry owns its alternative).
  std::unique_ptr<CAlternative> removed = back.RemoveAlternative(&back.Alternative(0));
  removed.reset();
  EXPECT_EQ(back.Alternative(1).m_strName, "Changed");
  // Saving writes every alternative out once.
  std::string saved = WriteModel(back);
  CMADMDoc again;
  ASSERT_TRUE(ReadModel(saved, again, error)) << error.Message();
  EXPECT_EQ(again.AlternativeCount(), 3);
}

// Whatever loads can be saved and loads again to the same bytes; nothing
// else crashes, hangs or reads past the end (the sanitizer build watches).
TEST_F(ModelFileRefusal, RandomDamageIsRefusedOrLoadsIntoASaveableModel) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A", "B:A", "C:A", "D"});
  doc.Attribute(2).m_nType = QuantitativeUncertain;
  doc.AddAlternativeCommand();
  doc.AddAlternativeCommand();
  doc.PrepareAllAlternatives();
  const std::string original = WriteModel(doc);

  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = original;
    const int changes = 1 + static_cast<int>(next() % 4);
    for (int c = 0; c < changes; ++c) {
      std::size_t at = next() % bytes.size();
      switch (next() % 3) {
        case 0:
          bytes[at] = static_cast<char>(next());
          break;
        case 1:
          bytes[at] = static_cast<char>(bytes[at] ^ (1 << (next() % 8)));
          break;
        default:
          bytes.erase(at, 1 + next() % 8);
          break;
      }
      if (bytes.empty()) bytes = original;
    }
    CMADMDoc into;
    SFileError error;
    if (!ReadModel(bytes, into, error)) {
      EXPECT_FALSE(error.m_strProblem.empty());
      EXPECT_LE(error.m_nOffset, bytes.size());
      continue;
    }
    ++loaded;
    std::string saved = WriteModel(into);
    CMADMDoc again;
    ASSERT_TRUE(ReadModel(saved, again, error)) << error.Message();
    EXPECT_EQ(WriteModel(again), saved);
  }
  EXPECT_GT(loaded, 100) << "damage to texts and numbers often loads";
  m_user.Clear();
}

}  // namespace
}  // namespace zev
