#include <gtest/gtest.h>

#include "elicitation/grade_table_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;
using P = CGradeTablePresenter;

class GradeTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    BuildHierarchy(doc, {"Quality:", "Comfort:"});
    comfort = FindAttribute(doc, "Comfort");
    doc.SelectAttribute(comfort);
    doc.SetModifiedFlag(false);
  }
  CAttribute& Comfort() { return doc.Attribute(comfort); }
  void MakeGrades(int n) {
    Comfort().m_nGrades = n;
    for (int k = 0; k < n; ++k) Comfort().SetGradeName(k, "G" + std::to_string(k + 1));
  }
  CScriptedUser user;
  CMADMDoc doc;
  int comfort = -1;
};

TEST_F(GradeTableTest, APageShowsItsGradesWithNumberedLabels) {
  MakeGrades(12);
  P second(Comfort(), 9, 3);
  EXPECT_EQ(second.Rows(), 3);
  EXPECT_EQ(second.GradeLabel(0), "Grade 10");
  EXPECT_EQ(second.GradeLabel(2), "Grade 12");
  EXPECT_EQ(second.m_strName[1], "G11");
  EXPECT_EQ(second.m_strUtility[0], "0") << "grade 10 was never given a utility";
  EXPECT_EQ(std::string(P::Heading()),
            "Define Evaluation Grades and Assign Utilities If Necessary for");
  EXPECT_EQ(second.AttributeName(), "Comfort");
}

TEST_F(GradeTableTest, TheUtilityPresetsComeInTheirOrder) {
  const auto& p = GradeUtilityPresets();
  ASSERT_EQ(p.size(), 21u);
  EXPECT_EQ(p[0], "0");
  EXPECT_EQ(p[1], "1");
  EXPECT_EQ(p[2], "0.1");
  EXPECT_EQ(p[10], "0.9");
  EXPECT_EQ(p[11], "0.05");
  EXPECT_EQ(p[20], "0.95");
}

TEST_F(GradeTableTest, AByRuleAttributeShowsItsUtilitiesButTakesNoChange) {
  ASSERT_EQ(Comfort().m_nConversion, ByRule);
  P p(Comfort(), 0, 5);
  EXPECT_FALSE(p.UtilityEnabled());
  EXPECT_EQ(p.m_strUtility[1], "0.25");
  p.m_strUtility[1] = "7";  // whatever a locked field might hold
  EXPECT_TRUE(p.UtilityFocusLost(1));
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.m_strName[0] = "Awful";
  p.Store(Comfort());
  EXPECT_EQ(Comfort().GradeUtility(1), 0.25);
  EXPECT_EQ(Comfort().GradeName(0), "Awful");
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(GradeTableTest, AUtilityOutsideZeroToOneIsRefusedOnFocusLossAndClampedOnOk) {
  Comfort().m_nConversion = ByUtility;
  P p(Comfort(), 0, 5);
  ASSERT_TRUE(p.UtilityEnabled());
  p.m_strUtility[2] = "-0.000000005";
  EXPECT_TRUE(p.UtilityFocusLost(2)) << "within the tolerance";
  p.m_strUtility[2] = "1.000000009";
  EXPECT_TRUE(p.UtilityFocusLost(2));
  EXPECT_EQ(user.Count(), 0u);

  p.m_strUtility[2] = "1.2";
  EXPECT_FALSE(p.UtilityFocusLost(2));
  EXPECT_EQ(user.OnlyText(), "A utility is a positive real\nnumber between zero and one.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(p.FocusField(), "utility2");
  user.Clear();
  p.m_strUtility[3] = "-0.00000002";
  EXPECT_FALSE(p.UtilityFocusLost(3));
  EXPECT_EQ(p.FocusField(), "utility3");
  user.Clear();

  // Confirming clamps silently to the violated bound.
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(user.Count(), 0u);
  EXPECT_EQ(p.m_strUtility[2], "1");
  EXPECT_EQ(p.m_strUtility[3], "0");
  p.Store(Comfort());
  EXPECT_EQ(Comfort().GradeUtility(2), 1.0);
  EXPECT_EQ(Comfort().GradeUtility(3), 0.0);
  EXPECT_EQ(Comfort().GradeUtility(4), 1.0);
}

TEST_F(GradeTableTest, ATextThatIsNoNumberKeepsThePageOpen) {
  Comfort().m_nConversion = ByUtility;
  P p(Comfort(), 0, 5);
  p.m_strUtility[4] = "high";
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "A utility is a positive real\nnumber between zero and one.");
  EXPECT_EQ(p.FocusField(), "utility4");
  p.Store(Comfort());  // a careless caller still finds the old utilities
  EXPECT_EQ(Comfort().GradeUtility(4), 1.0);
}

TEST_F(GradeTableTest, DefineEditsTheMeaningOfTheSelectedGrade) {
  P p(Comfort(), 0, 5);
  p.Select(3);
  p.m_strName[3] = "Fine";  // the meaning names the grade as typed
  user.OnDialog<CGradeMeaningPresenter>([](CGradeMeaningPresenter& m) {
    EXPECT_EQ(m.GradeName(), "Fine");
    EXPECT_EQ(m.AttributeName(), "Comfort");
    EXPECT_EQ(m.m_strDefinition, "No definition for the grade is provided.");
    EXPECT_EQ(std::string(m.LeadText()), "The above attribute will be assessed to the grade");
    EXPECT_EQ(std::string(m.TrailText()), "if the following evidence can be collected");
    m.m_strDefinition = "Seats for five adults";
    return true;
  });
  p.Define();
  user.OnDialog<CGradeMeaningPresenter>([](CGradeMeaningPresenter& m) {
    m.m_strDefinition = "dropped";
    return false;
  });
  p.Select(3);
  p.Define();
  EXPECT_EQ(p.Definition(3), "Seats for five adults");
  EXPECT_EQ(Comfort().GradeDefinition(3), "No definition for the grade is provided.")
      << "nothing is written before the page is confirmed";
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.Store(Comfort());
  EXPECT_EQ(Comfort().GradeDefinition(3), "Seats for five adults");
}

TEST_F(GradeTableTest, TenGradesComeOnTwoPagesAndACancelledPageKeepsItsGrades) {
  MakeGrades(10);
  Comfort().m_nConversion = ByUtility;
  user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.Rows(), 9);
    p.m_strName[0] = "Changed";
    return false;
  });
  user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.Rows(), 1);
    EXPECT_EQ(p.GradeLabel(0), "Grade 10");
    p.m_strUtility[0] = "0.4";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunGradeTable(doc, comfort));
  EXPECT_EQ(Comfort().GradeName(0), "G1");
  EXPECT_EQ(Comfort().GradeUtility(9), 0.4);
  EXPECT_FALSE(Comfort().m_bGradesChanged) << "no name changed";
}

TEST_F(GradeTableTest, AChangedNameMarksTheGradesChanged) {
  user.OnDialog<P>([](P& p) {
    p.m_strName[4] = "Excellent";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunGradeTable(doc, comfort));
  EXPECT_EQ(Comfort().GradeName(4), "Excellent");
  EXPECT_TRUE(Comfort().m_bGradesChanged);
}

TEST_F(GradeTableTest, DefineGradesRederivesTheRulesBelowAndRefreshes) {
  doc.SelectAttribute(0);  // the top's utilities are always the user's
  user.OnDialog<P>([](P& p) {
    EXPECT_TRUE(p.UtilityEnabled());
    p.m_strUtility[1] = "0.1";
    return p.Ok() == EDialogAction::CloseOk;
  });
  DefineGradesCommand(doc);
  EXPECT_EQ(doc.Attribute(0).GradeUtility(1), 0.1);
  EXPECT_DOUBLE_EQ(Comfort().GradeUtility(1), 0.1) << "a ByRule child follows through its rules";
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(GradeTableTest, TheCommandConsumesTheFlagItSet) {
  user.OnDialog<P>([](P& p) {
    p.m_strName[0] = "Awful";
    return true;
  });
  DefineGradesCommand(doc);
  EXPECT_EQ(Comfort().GradeName(0), "Awful");
  EXPECT_FALSE(Comfort().m_bGradesChanged);
}

TEST_F(GradeTableTest, AFlagOfADefinitionStillToBeFollowedUpSurvives) {
  Comfort().m_bGradesChanged = true;  // the definition dialog changed the grade count
  user.OnDialog<P>([](P&) { return true; });
  DefineGradesCommand(doc);
  EXPECT_TRUE(Comfort().m_bGradesChanged) << "the follow-up of the definition consumes it";
}

TEST_F(GradeTableTest, ACancelledGradeTableChangesNothing) {
  Comfort().SetGradeUtility(2, 0.7);  // out of step with the rules
  user.OnDialog<P>([](P& p) {
    p.m_strName[0] = "Awful";
    return false;
  });
  DefineGradesCommand(doc);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Comfort().GradeName(0), "Worst");
  EXPECT_EQ(Comfort().GradeUtility(2), 0.7) << "nothing was propagated";
}

}  // namespace
}  // namespace zev
