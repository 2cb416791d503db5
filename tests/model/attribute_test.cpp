#include "model/attribute.h"

#include <gtest/gtest.h>

#include "model/alternative.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;

TEST(CAttribute, FreshSlotHoldsTheDefaults) {
  CAttribute a;
  EXPECT_EQ(a.m_strName, "Attribute ");
  EXPECT_EQ(a.m_nMark, 0);
  EXPECT_EQ(a.m_nType, Qualitative);
  EXPECT_EQ(a.m_strDescription, "No description for the attribute is provided.");
  EXPECT_EQ(a.m_strUnit, "\xA3");
  EXPECT_EQ(a.m_dBest, 1.0);
  EXPECT_EQ(a.m_dWorst, 0.0);
  EXPECT_EQ(a.m_dWeight, 1.0);
  EXPECT_EQ(a.m_dShownValue, 1.0);
  EXPECT_EQ(a.m_nGrades, 5);
  EXPECT_EQ(a.m_strComments, "No comments are provided.");
  EXPECT_EQ(a.m_nConversion, ByRule);
  const char* names[] = {"Worst", "Poor", "Average", "Good", "Best"};
  for (int k = 0; k < kMaxGrades; ++k) {
    EXPECT_EQ(a.GradeName(k), k < 5 ? names[k] : "New name") << k;
    EXPECT_EQ(a.GradeUtility(k), k < 5 ? 0.25 * k : 0.0) << k;
    EXPECT_EQ(a.GradeValue(k), k < 5 ? 0.25 * k : 0.0) << k;
    EXPECT_EQ(a.GradeDefinition(k), "No definition for the grade is provided.");
    EXPECT_EQ(a.ConversionComment(k), "No comment for the conversion is provided.");
    for (int j = 0; j < kMaxGrades; ++j) EXPECT_EQ(a.ConversionEntry(k, j), k == j ? 1.0 : 0.0);
  }
  EXPECT_EQ(a.m_nX, 0);
  EXPECT_EQ(a.m_nY, 0);
  EXPECT_EQ(a.m_nIndex, 0);
  EXPECT_EQ(a.m_nFather, -1);
  EXPECT_EQ(a.m_nPrevSibling, -1);
  EXPECT_EQ(a.m_nNextSibling, -1);
  EXPECT_EQ(a.m_nChildren, 0);
  EXPECT_FALSE(a.m_bKeepLinks || a.m_bGradesChanged || a.m_bRangeChanged || a.m_bUtilitiesChanged ||
               a.m_bOpenConversion);
}

TEST(CAttribute, ResetKeepsTheTransientChangeFlags) {
  CAttribute a;
  a.m_bKeepLinks = a.m_bGradesChanged = a.m_bRangeChanged = a.m_bUtilitiesChanged = true;
  a.m_bOpenConversion = true;
  a.SetGradeName(2, "Fair");
  a.m_nGrades = 3;
  a.m_nFather = 4;
  a.ResetToDefaults();
  EXPECT_TRUE(a.m_bKeepLinks && a.m_bGradesChanged && a.m_bRangeChanged && a.m_bUtilitiesChanged);
  EXPECT_FALSE(a.m_bOpenConversion);
  EXPECT_EQ(a.GradeName(2), "Average");
  EXPECT_EQ(a.m_nGrades, 5);
  EXPECT_EQ(a.m_nFather, -1);
}

TEST(CAttribute, NameSetterRefusesTheEmptyText) {
  CAttribute a;
  EXPECT_TRUE(a.SetName("Price"));
  EXPECT_FALSE(a.SetName(""));
  EXPECT_EQ(a.m_strName, "Price");
}

TEST(CAttribute, WeightAndShownValueTravelThroughTheirText) {
  CScriptedUser user;
  CAttribute a;
  a.m_dWeight = 1.0 / 3.0;
  EXPECT_EQ(a.WeightText(), "0.3333");
  EXPECT_TRUE(a.SetWeightText("0.25"));
  EXPECT_EQ(a.m_dWeight, 0.25);
  EXPECT_TRUE(a.SetWeightText("1.5e+002"));
  EXPECT_EQ(a.m_dWeight, 150.0);
  EXPECT_EQ(user.Count(), 0u);

  // A value beyond a double is refused like any text that is no number.
  for (const char* text : {"-0.5", "1.0e+400"}) {
    user.Clear();
    EXPECT_FALSE(a.SetWeightText(text));
    EXPECT_EQ(a.m_dWeight, 150.0);
    EXPECT_EQ(user.OnlyText(), "Weight must be a non-negative real number.");
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(user.Last().m_buttons, EButtons::Ok);
  }

  a.m_dShownValue = 0.123456;
  EXPECT_EQ(a.ShownValueText(), "0.1235");
  for (const char* text : {"x", "1.0e+400"}) {
    user.Clear();
    EXPECT_FALSE(a.SetShownValueText(text));
    EXPECT_EQ(a.m_dShownValue, 0.123456);
    EXPECT_EQ(user.OnlyText(), "Utility must be a non-negative real number.");
  }
  EXPECT_TRUE(a.SetShownValueText(""));
  EXPECT_EQ(a.m_dShownValue, 0.0);
}

CAttribute Distinct() {
  CAttribute a;
  a.SetName("Source");
  a.m_nMark = 3;
  a.m_nType = Quantitative;
  a.SetDescription("d");
  a.SetUnit("kg");
  a.SetComments("c");
  a.m_dBest = 9;
  a.m_dWorst = 2;
  a.m_dWeight = 0.7;
  a.m_dShownValue = 0.1;
  a.m_nGrades = 7;
  for (int k = 0; k < kMaxGrades; ++k) {
    a.SetGradeName(k, "g" + std::to_string(k));
    a.SetGradeUtility(k, k / 19.0);
    a.SetGradeValue(k, 3.0 * k);
    a.SetConversionEntry(k, (k + 1) % kMaxGrades, 0.5);
  }
  a.m_nConversion = ByUtility;
  a.m_nX = 215;
  a.m_nY = 60;
  a.m_nIndex = 4;
  a.m_nFather = 1;
  a.m_nPrevSibling = 2;
  a.m_nNextSibling = 3;
  a.m_nChildren = 0;
  a.m_bGradesChanged = a.m_bRangeChanged = a.m_bUtilitiesChanged = a.m_bOpenConversion = true;
  return a;
}

TEST(CAttribute, AssignmentCopiesSavedFieldsButNeverTheTransientFlags) {
  const CAttribute src = Distinct();
  CAttribute dst;
  dst = src;
  EXPECT_EQ(dst.m_strName, "Source");
  EXPECT_EQ(dst.m_nMark, 3);
  EXPECT_EQ(dst.m_nType, Quantitative);
  EXPECT_EQ(dst.m_strUnit, "kg");
  EXPECT_EQ(dst.m_nGrades, 7);
  EXPECT_EQ(dst.GradeName(19), "g19") << "all 20 entries, not only those in use";
  EXPECT_EQ(dst.ConversionEntry(19, 0), 0.5);
  EXPECT_EQ(dst.m_nConversion, ByUtility);
  EXPECT_EQ(dst.m_nX, 215);
  EXPECT_EQ(dst.m_nIndex, 4);
  EXPECT_EQ(dst.m_nNextSibling, 3);
  EXPECT_FALSE(dst.m_bGradesChanged || dst.m_bRangeChanged || dst.m_bUtilitiesChanged ||
               dst.m_bOpenConversion);
}

TEST(CAttribute, AssignmentOntoAKeepLinksTargetLeavesPositionAndTreeAlone) {
  const CAttribute src = Distinct();
  CAttribute dst;
  dst.m_bKeepLinks = true;
  dst.m_nX = 80;
  dst.m_nY = 114;
  dst.m_nIndex = 9;
  dst.m_nFather = 0;
  dst.m_nPrevSibling = 8;
  dst.m_nNextSibling = 10;
  dst.m_nChildren = 2;
  dst = src;
  EXPECT_EQ(dst.m_strName, "Source");
  EXPECT_EQ(dst.m_nX, 80);
  EXPECT_EQ(dst.m_nY, 114);
  EXPECT_EQ(dst.m_nIndex, 9);
  EXPECT_EQ(dst.m_nFather, 0);
  EXPECT_EQ(dst.m_nPrevSibling, 8);
  EXPECT_EQ(dst.m_nNextSibling, 10);
  EXPECT_EQ(dst.m_nChildren, 2);
  EXPECT_TRUE(dst.m_bKeepLinks);
}

TEST(CAttribute, CopiesShareTheGradeTableUntilOneWrites) {
  CAttribute a = Distinct();
  CAttribute b;
  b = a;
  EXPECT_TRUE(b.SharesGradesWith(a));
  b.SetGradeName(0, "Changed");
  EXPECT_FALSE(b.SharesGradesWith(a));
  EXPECT_EQ(a.GradeName(0), "g0");
  EXPECT_EQ(b.GradeName(0), "Changed");
  EXPECT_EQ(b.GradeName(1), "g1");
}

TEST(CAttribute, BulkAccessorsCopyTheGradesInUse) {
  CAttribute a;
  a.m_nGrades = 3;
  CText names[kMaxGrades];
  a.GetGradeNames(names);
  EXPECT_EQ(names[2], "Average");
  EXPECT_TRUE(names[3].empty()) << "only the grades in use are copied";
  const CText renamed[3] = {"Low", "Mid", "High"};
  a.SetGradeNames(renamed);
  EXPECT_EQ(a.GradeName(2), "High");
  EXPECT_EQ(a.GradeName(3), "Good");

  const double values[4] = {10, 20, 30, 40};
  a.SetGradeValues(values, 4);
  double out[kMaxGrades] = {};
  a.GetGradeValues(out, 4);
  EXPECT_EQ(out[3], 40);

  const double utilities[3] = {0, 0.6, 1};
  a.SetGradeUtilities(utilities);
  a.GetGradeUtilities(out);
  EXPECT_EQ(out[1], 0.6);

  // Three rows of two father grades, through a dense buffer.
  const double m[6] = {1, 0, 0.5, 0.5, 0, 1};
  a.SetConversionMatrix(m, 2);
  EXPECT_EQ(a.ConversionEntry(1, 0), 0.5);
  EXPECT_EQ(a.ConversionEntry(2, 1), 1.0);
  EXPECT_EQ(a.ConversionEntry(2, 2), 1.0) << "columns beyond the father's are untouched";
  double dense[6] = {};
  a.GetConversionMatrix(dense, 2);
  EXPECT_EQ(dense[3], 0.5);
}

TEST(CAttribute, GradeNamesBeyondTheCountSurviveAReduction) {
  CAttribute a;
  a.SetGradeName(4, "Excellent");
  a.m_nGrades = 3;
  EXPECT_EQ(a.GradeName(4), "Excellent");
}

}  // namespace
}  // namespace zev
