#include "model/alternative.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

TEST(CAlternative, NewAlternativeHoldsTheDefaults) {
  CAlternative a;
  EXPECT_EQ(a.m_strName, "First alternative");
  EXPECT_EQ(a.m_strDescription, "No description for the alternative is provided.");
  EXPECT_EQ(a.m_nRanking, 1);
  EXPECT_EQ(a.m_dUtility, 0.5);
  EXPECT_EQ(a.m_nX, 60);
  EXPECT_EQ(a.m_nY, 60);
  EXPECT_EQ(a.m_nShowFlag, 1);
  EXPECT_EQ(a.m_nSelection, 0);
  EXPECT_EQ(a.RankingText(), "1");
  EXPECT_EQ(a.UtilityText(), "0.500000");
  for (int k = 0; k < kAttributeSlots; ++k) {
    const CAssessment& r = a.Record(k);
    EXPECT_EQ(r.m_dAvgUtility, 0.5);
    EXPECT_EQ(r.m_dMaxUtility, 1.0);
    EXPECT_EQ(r.m_dMinUtility, 0.0);
    EXPECT_EQ(r.m_dValue, 0.5);
    EXPECT_EQ(r.m_nPossibleValues, 3);
    EXPECT_EQ(r.m_dPossibleValue[0], 0.5);
    EXPECT_EQ(r.m_dBelief[0], 0.0) << "qualitative records start without belief";
    EXPECT_EQ(r.m_strEvidence, "No evidence is provided.");
    EXPECT_EQ(r.m_strAssessComment, "No comments are provided.");
    EXPECT_FALSE(r.m_bAssessed);
  }
}

TEST(CAssessment, ResetReadsTheRecordsRangeAndType) {
  CAssessment r;
  r.m_nType = QuantitativeUncertain;
  r.m_dBest = 10;
  r.m_dWorst = 50;
  r.m_dBelief[3] = 0.4;
  r.m_bAssessed = true;
  r.ResetAssessment();
  EXPECT_EQ(r.m_dValue, 20.0) << "half the absolute difference of best and worst";
  EXPECT_EQ(r.m_dPossibleValue[0], 20.0);
  EXPECT_EQ(r.m_dBelief[0], 1.0);
  EXPECT_EQ(r.m_dBelief[3], 0.0);
  EXPECT_FALSE(r.m_bAssessed);
}

TEST(CAssessment, UnassignedBeliefIsZeroAtMostOneHundredMillionth) {
  CAssessment r;
  r.m_dBelief[0] = 0.5;
  r.m_dBelief[1] = 0.3;
  EXPECT_NEAR(r.UnassignedBelief(2), 0.2, 1e-15);
  r.m_dBelief[1] = 0.499999995;
  EXPECT_EQ(r.UnassignedBelief(2), 0.0);
  r.m_nGrades = 4;
  r.m_nPossibleValues = 6;
  EXPECT_EQ(r.BeliefCount(), 6);
}

CAlternative Filled() {
  CAlternative a;
  a.SetName("Car A");
  a.SetDescription("red");
  a.m_nRanking = 3;
  a.m_dUtility = 0.7;
  a.m_nSelection = 1;
  a.m_nLastAttribute = 4;
  a.m_nCurrentAttribute = 2;
  a.m_nX = 215;
  a.m_nY = 114;
  a.m_nShowFlag = 0;
  for (int k = 0; k < kAttributeSlots; ++k) {
    CAssessment& r = a.Record(k);
    r.m_dAvgUtility = 0.1 * (k % 10);
    r.m_dValue = k;
    r.m_dBelief[19] = 0.25;
    r.m_dPossibleValue[19] = 7;
    r.m_nPossibleValues = 2;
    r.SetEvidence("seen");
    r.SetAssessComment("fine");
    r.m_bAssessed = true;
    r.SetName("source attribute");
    r.m_nGrades = 9;
  }
  return a;
}

TEST(CAlternative, AssignmentCopiesTheAssessmentPartOnly) {
  const CAlternative src = Filled();
  CAlternative dst;
  dst.Record(5).SetName("target attribute");
  dst = src;
  EXPECT_EQ(dst.m_strName, "Car A");
  EXPECT_EQ(dst.m_strDescription, "red");
  EXPECT_EQ(dst.m_nRanking, 3);
  EXPECT_EQ(dst.m_dUtility, 0.7);
  EXPECT_EQ(dst.m_nSelection, 1);
  EXPECT_EQ(dst.m_nLastAttribute, 4);
  EXPECT_EQ(dst.m_nCurrentAttribute, 2);
  EXPECT_EQ(dst.m_nX, 215);
  EXPECT_EQ(dst.m_nShowFlag, 0);
  const CAssessment& r = dst.Record(50);
  EXPECT_EQ(r.m_dValue, 50.0);
  EXPECT_EQ(r.m_dBelief[19], 0.25);
  EXPECT_EQ(r.m_dPossibleValue[19], 7.0);
  EXPECT_EQ(r.m_nPossibleValues, 2);
  EXPECT_EQ(r.m_strEvidence, "seen");
  EXPECT_EQ(r.m_strAssessComment, "fine");
  EXPECT_FALSE(r.m_bAssessed) << "the assessed flag is not copied";
  EXPECT_EQ(dst.Record(5).m_strName, "target attribute") << "the attribute part stays";
  EXPECT_EQ(dst.Record(5).m_nGrades, 5);
}

TEST(CAlternative, KeepPositionTargetKeepsItsBoxAndShowFlag) {
  const CAlternative src = Filled();
  CAlternative dst;
  dst.m_bKeepPosition = true;
  dst.m_nX = 350;
  dst.m_nY = 60;
  dst.m_nShowFlag = 1;
  dst = src;
  EXPECT_EQ(dst.m_strName, "Car A");
  EXPECT_EQ(dst.m_nX, 350);
  EXPECT_EQ(dst.m_nY, 60);
  EXPECT_EQ(dst.m_nShowFlag, 1);
}

TEST(CAlternative, NameSetterRefusesTheEmptyText) {
  CAlternative a;
  EXPECT_FALSE(a.SetName(""));
  EXPECT_EQ(a.m_strName, "First alternative");
}

}  // namespace
}  // namespace zev
