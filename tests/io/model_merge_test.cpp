#include "io/model_merge.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/conversion.h"
#include "io/model_file.h"
#include "tests/io/bytes.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::ChildrenInOrder;
using test::CScriptedUser;
using test::FindAttribute;

// Open model: Price (quantitative, 0..100), Comfort (qualitative, 7 grades),
// Extra (quantitative, 0..10); one alternative.
void BuildOpenModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  AttachEngine(doc);
  test::BuildHierarchy(doc, {"Price", "Comfort", "Extra"});
  CAttribute& price = doc.Attribute(FindAttribute(doc, "Price"));
  price.m_nType = Quantitative;
  price.m_dBest = 100.0;
  CAttribute& extra = doc.Attribute(FindAttribute(doc, "Extra"));
  extra.m_nType = Quantitative;
  extra.m_dBest = 10.0;
  CAttribute& comfort = doc.Attribute(FindAttribute(doc, "Comfort"));
  comfort.m_nGrades = 7;
  for (int k = 0; k < 7; ++k) comfort.SetGradeUtility(k, k / 6.0);
  doc.PrepareAllAlternatives();
  doc.SetCurrentAttribute(0);
  doc.SetModifiedFlag(false);
}

// The other model: the top attribute, Price and Comfort (5 grades), and
// the alternatives named, each assessed with a value and degrees of its own.
std::string OtherModel(const std::vector<std::string>& alternatives,
                       const std::vector<std::string>& extraAttributes = {}) {
  CMADMDoc other;
  other.OnNewDocument();
  std::vector<std::string> nodes = {"Price", "Comfort"};
  nodes.insert(nodes.end(), extraAttributes.begin(), extraAttributes.end());
  test::BuildHierarchy(other, nodes);
  other.Attribute(1).m_nType = Quantitative;
  other.Attribute(1).m_dBest = 100.0;
  for (std::size_t k = 0; k < alternatives.size(); ++k) {
    if (k > 0) other.AddAlternativeCommand();
    CAlternative& a = other.Alternative(static_cast<int>(k));
    other.PrepareAlternative(a);
    a.m_strName = alternatives[k];
    a.m_strDescription = "About " + alternatives[k];
    a.m_nRanking = 7 + static_cast<int>(k);
    a.m_dUtility = 0.25;
    CAssessment& price = a.Record(1);
    price.m_dValue = 40.0 + static_cast<double>(k);
    price.m_nPossibleValues = 2;
    price.m_dPossibleValue[0] = 40.0;
    price.m_dPossibleValue[1] = 60.0;
    price.m_strEvidence = "Price list";
    CAssessment& comfort = a.Record(2);
    comfort.m_dBelief[3] = 0.2;
    comfort.m_dBelief[4] = 0.8;
    comfort.m_dAvgUtility = 0.95;
    comfort.m_strAssessComment = "Test drive";
  }
  return WriteModel(other);
}

class ModelMerge : public ::testing::Test {
 protected:
  void SetUp() override { BuildOpenModel(m_doc); }
  EMergeResult Merge(EMergeKind kind, std::string_view bytes) {
    return MergeModelBytes(m_doc, kind, bytes, "other.zev");
  }
  const CAssessment& Record(int pos, const char* attribute) {
    return m_doc.Alternative(pos).Record(FindAttribute(m_doc, attribute));
  }

  CScriptedUser m_user;
  CMADMDoc m_doc;
};

const std::string kNoMatch =
    "The name of the following attribute:\n\n Top Attribute\n\n does not match any attribute "
    "name of the existing model.\nAny information related to this attribute will not be "
    "copied.\n\nDo you want to continue?";

TEST_F(ModelMerge, AlternativesArriveWithTheAssessmentsOfMatchingAttributes) {
  m_doc.Attribute(0).m_strName = "Top Attribute";
  EXPECT_EQ(Merge(EMergeKind::Alternatives, OtherModel({"P", "Q"})), EMergeResult::Merged);
  EXPECT_EQ(m_user.Count(), 0u);
  ASSERT_EQ(m_doc.AlternativeCount(), 3);
  for (int pos = 1; pos <= 2; ++pos) {
    const CAlternative& a = m_doc.Alternative(pos);
    EXPECT_EQ(a.m_strName, pos == 1 ? "P" : "Q");
    EXPECT_EQ(a.m_strDescription, pos == 1 ? "About P" : "About Q");
    EXPECT_EQ(a.m_nRanking, 6 + pos);
    EXPECT_DOUBLE_EQ(a.m_dUtility, 0.25);
    EXPECT_EQ(a.m_nX, 80 + 135 * pos);  // the next places in the row of five
    EXPECT_EQ(a.m_nY, 60);
    const CAssessment& price = Record(pos, "Price");
    EXPECT_DOUBLE_EQ(price.m_dValue, 39.0 + pos);
    EXPECT_EQ(price.m_nPossibleValues, 2);
    EXPECT_DOUBLE_EQ(price.m_dPossibleValue[1], 60.0);
    EXPECT_EQ(price.m_strEvidence, "Price list");
    const CAssessment& comfort = Record(pos, "Comfort");
    EXPECT_DOUBLE_EQ(comfort.m_dBelief[4], 0.8);
    EXPECT_DOUBLE_EQ(comfort.m_dAvgUtility, 0.95);
    EXPECT_EQ(comfort.m_strAssessComment, "Test drive");
    // Not in the other model: the new alternative's defaults.
    const CAssessment& extra = Record(pos, "Extra");
    EXPECT_DOUBLE_EQ(extra.m_dValue, 5.0);
    EXPECT_EQ(extra.m_nPossibleValues, 1);
  }
  EXPECT_EQ(m_doc.CurrentPosition(), 2);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ModelMerge, AnAttributeWithoutMatchIsAskedAboutAndNoAbandons) {
  m_doc.Attribute(0).m_strName = "Goal";
  for (EMergeKind kind : {EMergeKind::Alternatives, EMergeKind::Data}) {
    const std::string before = WriteModel(m_doc);
    m_user.Answer(EAnswer::No);
    EXPECT_EQ(Merge(kind, OtherModel({"First alternative"})), EMergeResult::Abandoned);
    EXPECT_EQ(m_user.OnlyText(), kNoMatch);
    EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(m_user.Last().m_nDefaultButton, 1);
    EXPECT_EQ(WriteModel(m_doc), before);
    m_user.Clear();
  }
  // Yes to every name without a match goes on without them.
  m_user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
  EXPECT_EQ(Merge(EMergeKind::Data, OtherModel({"First alternative"}, {"Weight"})),
            EMergeResult::Merged);
  EXPECT_EQ(m_user.Count(), 2u);
  EXPECT_DOUBLE_EQ(Record(0, "Price").m_dValue, 40.0);
}

TEST_F(ModelMerge, DataGoesToTheLastAlternativeOfTheNameOrToANewOne) {
  m_doc.Attribute(0).m_strName = "Top Attribute";
  m_doc.Alternative(0).m_strName = "B";
  m_doc.AddAlternativeCommand();
  m_doc.Alternative(1).m_strName = "B";
  m_doc.Alternative(1).m_nRanking = 1;
  CAssessment& stale = m_doc.Alternative(1).Record(FindAttribute(m_doc, "Comfort"));
  stale.m_dBelief[6] = 0.5;  // a grade the other model does not have
  const double untouched = Record(0, "Price").m_dValue;
  m_user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  EXPECT_EQ(Merge(EMergeKind::Data, OtherModel({"B", "C", "D"})), EMergeResult::Merged);
  EXPECT_EQ(m_user.Texts(), (std::vector<std::string>{
                                "In the current model, there is no alternative named:\n\n C\n\n "
                                "Do you want to add a new alterantive?",
                                "In the current model, there is no alternative named:\n\n D\n\n "
                                "Do you want to add a new alterantive?"}));
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  ASSERT_EQ(m_doc.AlternativeCount(), 3);
  EXPECT_DOUBLE_EQ(Record(0, "Price").m_dValue, untouched);
  EXPECT_DOUBLE_EQ(Record(1, "Price").m_dValue, 40.0);
  EXPECT_DOUBLE_EQ(Record(1, "Comfort").m_dBelief[4], 0.8);
  EXPECT_DOUBLE_EQ(Record(1, "Comfort").m_dBelief[6], 0.0);
  EXPECT_EQ(m_doc.Alternative(1).m_nRanking, 1);  // an existing target keeps its header
  EXPECT_EQ(m_doc.Alternative(1).m_strDescription,
            "No description for the alternative is provided.");
  const CAlternative& d = m_doc.Alternative(2);
  EXPECT_EQ(d.m_strName, "D");
  EXPECT_EQ(d.m_strDescription, "About D");
  EXPECT_EQ(d.m_nRanking, 9);
  EXPECT_DOUBLE_EQ(Record(2, "Price").m_dValue, 42.0);
}

// The other model: Car (Engine (Power, Noise), Body).
std::string CarModel() {
  CMADMDoc other;
  other.OnNewDocument();
  other.Attribute(0).m_strName = "Car";
  other.Attribute(0).m_nGrades = 3;
  for (int k = 0; k < 3; ++k) other.Attribute(0).SetGradeUtility(k, k * 0.5);
  test::BuildHierarchy(other, {"Engine", "Power:Engine", "Noise:Engine", "Body"});
  CAttribute& engine = other.Attribute(FindAttribute(other, "Engine"));
  engine.m_dWeight = 0.123456;
  engine.SetGradeValue(2, 7.5);
  engine.SetConversionEntry(1, 2, 0.25);
  other.Attribute(FindAttribute(other, "Body")).m_dWeight = 1.0 / 3.0;
  other.Attribute(FindAttribute(other, "Noise")).SetGradeName(0, "Loud");
  return WriteModel(other);
}

TEST_F(ModelMerge, AttributesGraftUnderALeafOrAsTheLastChildOfAFather) {
  struct SCase {
    const char* m_szUnder;
    std::vector<std::string> m_children;
    // The father's grades of the same utility as the root's middle and top grade.
    int m_nMiddle;
    int m_nTop;
  };
  for (const SCase& c : {SCase{"Comfort", {"Car"}, 3, 6},
                         SCase{"Top Attribute", {"Price", "Comfort", "Extra", "Car"}, 2, 4}}) {
    SCOPED_TRACE(c.m_szUnder);
    BuildOpenModel(m_doc);
    const int under = FindAttribute(m_doc, c.m_szUnder);
    m_doc.SetCurrentAttribute(under);
    EXPECT_EQ(Merge(EMergeKind::Attributes, CarModel()), EMergeResult::Merged);
    EXPECT_EQ(m_user.Count(), 0u);
    EXPECT_TRUE(test::TreeIsConsistent(m_doc));
    EXPECT_EQ(m_doc.LastAttribute(), 8);
    std::vector<std::string> names;
    for (int i : ChildrenInOrder(m_doc, under)) names.push_back(m_doc.Attribute(i).m_strName.Str());
    EXPECT_EQ(names, c.m_children);
    const int car = FindAttribute(m_doc, "Car");
    const int engine = FindAttribute(m_doc, "Engine");
    EXPECT_EQ(m_doc.CurrentAttribute(), car);
    EXPECT_EQ(ChildrenInOrder(m_doc, car),
              (std::vector<int>{engine, FindAttribute(m_doc, "Body")}));
    EXPECT_EQ(ChildrenInOrder(m_doc, engine),
              (std::vector<int>{FindAttribute(m_doc, "Power"), FindAttribute(m_doc, "Noise")}));
    // Weights rounded to four decimals; grades, values and rules as in the file.
    EXPECT_DOUBLE_EQ(m_doc.Attribute(engine).m_dWeight, 0.1235);
    EXPECT_DOUBLE_EQ(m_doc.Attribute(FindAttribute(m_doc, "Body")).m_dWeight, 0.3333);
    EXPECT_EQ(m_doc.Attribute(car).m_nGrades, 3);
    EXPECT_EQ(m_doc.Attribute(car).m_nConversion, ByUtility);
    EXPECT_DOUBLE_EQ(m_doc.Attribute(engine).GradeValue(2), 7.5);
    EXPECT_DOUBLE_EQ(m_doc.Attribute(engine).ConversionEntry(1, 2), 0.25);
    EXPECT_EQ(m_doc.Attribute(FindAttribute(m_doc, "Noise")).GradeName(0), "Loud");
    // The root's rules are derived anew from utilities against its new
    // father's grades.
    EXPECT_DOUBLE_EQ(m_doc.Attribute(car).ConversionEntry(1, c.m_nMiddle), 1.0);
    EXPECT_DOUBLE_EQ(m_doc.Attribute(car).ConversionEntry(2, c.m_nTop), 1.0);
    EXPECT_DOUBLE_EQ(m_doc.Attribute(car).ConversionEntry(2, 2), 0.0);
    m_user.Clear();
  }
}

TEST_F(ModelMerge, EqualNamesInTheBranchKeepTheirOwnChildren) {
  CMADMDoc other;
  other.OnNewDocument();
  test::BuildHierarchy(other, {"G", "L1:G"});
  const int second = test::AddChild(other, 0);
  other.Attribute(second).SetName("G");
  other.Attribute(test::AddChild(other, second)).SetName("L2");
  EXPECT_EQ(Merge(EMergeKind::Attributes, WriteModel(other)), EMergeResult::Merged);
  const int root = m_doc.CurrentAttribute();
  const std::vector<int> gs = ChildrenInOrder(m_doc, root);
  ASSERT_EQ(gs.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    const std::vector<int> leaves = ChildrenInOrder(m_doc, gs[k]);
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_EQ(m_doc.Attribute(leaves[0]).m_strName, k == 0 ? "L1" : "L2");
  }
}

TEST_F(ModelMerge, AttributeLimitsAreCheckedBeforeTheFileIsRead) {
  // 30 attributes open.
  for (int i = m_doc.AttributeCount(); i < 30; ++i) test::AddChild(m_doc, 0);
  auto withAttributes = [](int count) {
    CMADMDoc other;
    other.OnNewDocument();
    for (int i = 1; i < count; ++i) test::AddChild(other, 0);
    return WriteModel(other);
  };
  const std::string kTotal =
      "The total number of attributes is more than 50\nwhich is the maximum attributes this "
      "version of ZEV can handle.";
  const std::string kTooMany = "Cannot add more than 200 attributes from a file.";
  struct SCase {
    std::string m_bytes;
    std::string m_message;
  };
  const SCase cases[] = {
      {withAttributes(21), kTotal},
      {test::Int(200) + "no model follows", kTotal},
      {test::Int(201) + "no model follows", kTooMany},
      {test::Int(0x7FFFFFFF), kTooMany},
  };
  const std::string before = WriteModel(m_doc);
  for (const SCase& c : cases) {
    EXPECT_EQ(Merge(EMergeKind::Attributes, c.m_bytes), EMergeResult::Refused);
    EXPECT_EQ(m_user.OnlyText(), c.m_message);
    EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(WriteModel(m_doc), before);
    m_user.Clear();
  }
  EXPECT_EQ(Merge(EMergeKind::Attributes, withAttributes(20)), EMergeResult::Merged);
  EXPECT_EQ(m_doc.LastAttribute(), 49);
  EXPECT_TRUE(test::TreeIsConsistent(m_doc));
}

TEST_F(ModelMerge, AttributesUnderAQuantitativeLeafAreRefused) {
  m_doc.SetCurrentAttribute(FindAttribute(m_doc, "Price"));
  const std::string before = WriteModel(m_doc);
  EXPECT_EQ(Merge(EMergeKind::Attributes, CarModel()), EMergeResult::Refused);
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Error);
  EXPECT_EQ(m_user.Count(), 1u);
  EXPECT_EQ(WriteModel(m_doc), before);
  EXPECT_EQ(m_doc.CurrentAttribute(), FindAttribute(m_doc, "Price"));
}

// Every truncation of a model with a hierarchy and alternatives, and every
// byte of it turned to 0xFF where the reader then refuses it, leaves the
// open model as it was, whichever command reads it.
TEST_F(ModelMerge, DamagedFilesLeaveTheOpenModelAsItWas) {
  const std::string good = OtherModel({"P", "Q"}, {"Power:Comfort", "Noise:Comfort"});
  const std::string before = WriteModel(m_doc);
  std::vector<std::string> damaged;
  for (std::size_t n = 0; n < good.size(); ++n) damaged.push_back(good.substr(0, n));
  for (std::size_t at = 0; at < good.size(); ++at) {
    std::string bytes = good;
    bytes[at] = '\xFF';
    CMADMDoc probe;
    SFileError error;
    if (!ReadModel(bytes, probe, error)) damaged.push_back(bytes);
  }
  ASSERT_GT(damaged.size(), good.size() + 100);
  for (EMergeKind kind : {EMergeKind::Alternatives, EMergeKind::Data, EMergeKind::Attributes}) {
    for (const std::string& bytes : damaged) {
      const EMergeResult result = Merge(kind, bytes);
      // A count of more than 200 attributes is refused before the rest is read.
      ASSERT_TRUE(result == EMergeResult::Damaged ||
                  (kind == EMergeKind::Attributes && result == EMergeResult::Refused))
          << bytes.size();
      ASSERT_EQ(WriteModel(m_doc), before) << bytes.size();
      m_user.Clear();
    }
  }
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ModelMerge, FilesThatCannotBeOpenedOrReadAreNamed) {
  test::CTempDir tmp;
  const std::filesystem::path& dir = tmp.Dir();
  const std::string missing = (dir / "missing.zev").string();
  EXPECT_EQ(AddAlternativesFromFile(m_doc, missing), EMergeResult::Unreadable);
  EXPECT_EQ(m_user.OnlyText(), "Unable to open the following file:\n\n " + missing);
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  m_user.Clear();

  const std::string broken = (dir / "broken.zev").string();
  std::ofstream(broken, std::ios::binary) << test::Int(0);
  EXPECT_EQ(AddDataFromFile(m_doc, broken), EMergeResult::Damaged);
  EXPECT_EQ(m_user.OnlyText().rfind("The file <" + broken + "> is not a valid ZEV model file.", 0),
            0u);
  m_user.Clear();

  const std::string good = (dir / "car.zev").string();
  std::ofstream(good, std::ios::binary) << CarModel();
  EXPECT_EQ(AddAttributesFromFile(m_doc, good), EMergeResult::Merged);
}

}  // namespace
}  // namespace zev
