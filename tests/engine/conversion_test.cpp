#include "engine/conversion.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

void SetUtilities(CAttribute& a, const std::vector<double>& u) {
  a.m_nGrades = static_cast<int>(u.size());
  for (size_t i = 0; i < u.size(); ++i) a.SetGradeUtility(static_cast<int>(i), u[i]);
}

std::vector<double> Row(const CAttribute& a, int i, int n) {
  std::vector<double> row;
  for (int j = 0; j < n; ++j) row.push_back(a.ConversionEntry(i, j));
  return row;
}

struct SDoc {
  test::CScriptedUser user;
  CMADMDoc doc;
  SDoc() { doc.OnNewDocument(); }
};

TEST(UtilitiesFromRules, NewAttributeUnderDefaultFatherGetsQuarterSteps) {
  SDoc d;
  AttachEngine(d.doc);
  d.doc.InsertAttributeRight();
  const int n = d.doc.CurrentAttribute();
  // Reset to something else to see the derivation run.
  SetUtilities(d.doc.Attribute(n), {0.9, 0.9, 0.9, 0.9, 0.9});
  UtilitiesFromRules(d.doc, n);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(d.doc.Attribute(n).GradeUtility(i), 0.25 * i);
}

TEST(UtilitiesFromRules, WeightsFatherUtilitiesByTheRows) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"C:"});
  CAttribute& top = d.doc.Attribute(0);
  SetUtilities(top, {0, 0.4, 1});
  CAttribute& c = d.doc.Attribute(1);
  c.m_nGrades = 2;
  c.SetConversionEntry(0, 0, 0.5);
  c.SetConversionEntry(0, 1, 0.5);
  c.SetConversionEntry(1, 1, 0.25);
  c.SetConversionEntry(1, 2, 0.75);
  c.SetConversionEntry(1, 3, 1.0);  // beyond the father's grades: unused
  UtilitiesFromRules(d.doc, 1);
  EXPECT_NEAR(c.GradeUtility(0), 0.2, 1e-15);
  EXPECT_NEAR(c.GradeUtility(1), 0.85, 1e-15);
  // Nothing for the top attribute.
  SetUtilities(top, {0.3, 0.6, 0.9});
  UtilitiesFromRules(d.doc, 0);
  EXPECT_EQ(top.GradeUtility(0), 0.3);
}

TEST(RulesFromUtilities, SplitsBetweenBracketingFatherGrades) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"C:"});
  SetUtilities(d.doc.Attribute(0), {0, 0.5, 1});
  CAttribute& c = d.doc.Attribute(1);
  SetUtilities(c, {0, 0.25, 0.75, 1});
  c.SetConversionEntry(0, 3, 0.7);  // beyond the father's grades: kept
  RulesFromUtilities(d.doc, 1);
  EXPECT_EQ(Row(c, 0, 3), (std::vector<double>{1, 0, 0}));
  EXPECT_EQ(Row(c, 1, 3), (std::vector<double>{0.5, 0.5, 0}));
  EXPECT_EQ(Row(c, 2, 3), (std::vector<double>{0, 0.5, 0.5}));
  EXPECT_EQ(Row(c, 3, 3), (std::vector<double>{0, 0, 1}));
  EXPECT_EQ(c.ConversionEntry(0, 3), 0.7);
}

TEST(RulesFromUtilities, DecreasingFatherUtilitiesWorkTheSame) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"C:"});
  SetUtilities(d.doc.Attribute(0), {1, 0.5, 0});
  CAttribute& c = d.doc.Attribute(1);
  SetUtilities(c, {0, 0.25, 0.75, 1});
  RulesFromUtilities(d.doc, 1);
  EXPECT_EQ(Row(c, 0, 3), (std::vector<double>{0, 0, 1}));
  EXPECT_EQ(Row(c, 1, 3), (std::vector<double>{0, 0.5, 0.5}));
  EXPECT_EQ(Row(c, 2, 3), (std::vector<double>{0.5, 0.5, 0}));
  EXPECT_EQ(Row(c, 3, 3), (std::vector<double>{1, 0, 0}));
}

TEST(RulesFromUtilities, UtilitiesBeyondTheFathersRangeMapToItsEnds) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"C:"});
  SetUtilities(d.doc.Attribute(0), {0.2, 0.5, 0.8});
  CAttribute& c = d.doc.Attribute(1);
  SetUtilities(c, {0.1, 0.5 + 0.5e-8, 0.9});
  RulesFromUtilities(d.doc, 1);
  EXPECT_EQ(Row(c, 0, 3), (std::vector<double>{1, 0, 0}));
  EXPECT_EQ(Row(c, 1, 3), (std::vector<double>{0, 1, 0}));
  EXPECT_EQ(Row(c, 2, 3), (std::vector<double>{0, 0, 1}));
}

TEST(RulesFromUtilities, UnchangedDerivationKeepsTheTableShared) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"C:"});
  CAlternative& alt = d.doc.Alternative(0);
  d.doc.PrepareAlternative(alt);
  ASSERT_TRUE(alt.Record(1).SharesGradesWith(d.doc.Attribute(1)));
  // Default utilities equal the father's: the identity again, nothing written.
  RulesFromUtilities(d.doc, 1);
  UtilitiesFromRules(d.doc, 1);
  EXPECT_TRUE(alt.Record(1).SharesGradesWith(d.doc.Attribute(1)));
}

TEST(PropagateRules, EveryAttributeAfterItsFatherAndMarksLeftAtSix) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"A:", "B:", "A1:A", "A2:A", "A11:A1", "B1:B"});
  const int a = test::FindAttribute(d.doc, "A");
  const int a1 = test::FindAttribute(d.doc, "A1");
  const int a11 = test::FindAttribute(d.doc, "A11");
  const int b = test::FindAttribute(d.doc, "B");
  const int b1 = test::FindAttribute(d.doc, "B1");
  SetUtilities(d.doc.Attribute(0), {0, 0.1, 0.2, 0.3, 1});
  // A is utility-based: its matrix follows from its utilities, and its
  // ByRule children take A's utilities through their identity rows.
  CAttribute& ra = d.doc.Attribute(a);
  ra.m_nConversion = ByUtility;
  SetUtilities(ra, {0, 0.15, 0.2, 0.65, 1});
  // B maps every grade to the top's best grade.
  CAttribute& rb = d.doc.Attribute(b);
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) rb.SetConversionEntry(i, j, j == 4 ? 1.0 : 0.0);
  }
  PropagateRules(d.doc, 0);
  EXPECT_EQ(Row(ra, 0, 5), (std::vector<double>{1, 0, 0, 0, 0}));
  EXPECT_NEAR(ra.ConversionEntry(1, 1), 0.5, 1e-15);
  EXPECT_NEAR(ra.ConversionEntry(1, 2), 0.5, 1e-15);
  EXPECT_EQ(ra.ConversionEntry(1, 0), 0.0);
  EXPECT_NEAR(ra.ConversionEntry(3, 3), 0.5, 1e-15);
  EXPECT_NEAR(ra.ConversionEntry(3, 4), 0.5, 1e-15);
  EXPECT_NEAR(d.doc.Attribute(a1).GradeUtility(3), 0.65, 1e-15);
  EXPECT_NEAR(d.doc.Attribute(a11).GradeUtility(1), 0.15, 1e-15);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rb.GradeUtility(i), 1.0);
    EXPECT_EQ(d.doc.Attribute(b1).GradeUtility(i), 1.0);
  }
  for (int i = 0; i <= d.doc.LastAttribute(); ++i) EXPECT_EQ(d.doc.Attribute(i).m_nMark, 6) << i;
}

TEST(PropagateRules, FromOneAttributeLeavesTheRestAlone) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"A:", "B:", "A1:A"});
  const int a = test::FindAttribute(d.doc, "A");
  const int a1 = test::FindAttribute(d.doc, "A1");
  const int b = test::FindAttribute(d.doc, "B");
  SetUtilities(d.doc.Attribute(0), {0, 0.2, 0.4, 0.6, 0.8});
  PropagateRules(d.doc, a);
  EXPECT_EQ(d.doc.Attribute(a).GradeUtility(4), 0.8);
  EXPECT_EQ(d.doc.Attribute(a1).GradeUtility(4), 0.8);
  EXPECT_EQ(d.doc.Attribute(b).GradeUtility(4), 1.0);  // not below A
}

TEST(PropagateRules, LinksFormingALoopDoNotHang) {
  SDoc d;
  test::BuildHierarchy(d.doc, {"A:", "A1:A"});
  const int a = test::FindAttribute(d.doc, "A");
  const int a1 = test::FindAttribute(d.doc, "A1");
  d.doc.Attribute(a).m_nFather = a1;
  d.doc.Attribute(a1).m_nChildren = 1;
  PropagateRules(d.doc, a);
  PropagateRulesBelow(d.doc, a1);
  SUCCEED();
}

TEST(AttachEngine, InsertionsReDeriveFromTheNewAttribute) {
  SDoc d;
  AttachEngine(d.doc);
  SetUtilities(d.doc.Attribute(0), {0, 0.3, 1});
  d.doc.InsertAttributeRight();
  const int n = d.doc.CurrentAttribute();
  EXPECT_EQ(d.doc.Attribute(n).GradeUtility(1), 0.3);
  // Inserting a new father left of it re-derives the old attribute too.
  SetUtilities(d.doc.Attribute(0), {0, 0.6, 1});
  d.doc.InsertAttributeLeft();
  const int father = d.doc.CurrentAttribute();
  EXPECT_EQ(d.doc.Attribute(father).GradeUtility(1), 0.6);
  EXPECT_EQ(d.doc.Attribute(n).GradeUtility(1), 0.6);
  d.doc.SetCurrentAttribute(n);
  d.doc.InsertAttributeBelow();
  EXPECT_EQ(d.doc.Attribute(d.doc.CurrentAttribute()).GradeUtility(1), 0.6);
}

}  // namespace
}  // namespace zev
