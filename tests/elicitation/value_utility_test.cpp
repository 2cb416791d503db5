#include <gtest/gtest.h>

#include "elicitation/grade_table_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/value_utility_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;
using P = CValueUtilityPresenter;

class ValueUtilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    BuildHierarchy(doc, {"Power:", "Comfort:"});
    power = FindAttribute(doc, "Power");
    CAttribute& a = Power();
    a.m_nType = Quantitative;
    a.m_nConversion = ByUtility;
    a.m_dBest = 100;
    a.m_dWorst = 0;
    a.SetUnit("kW");
    doc.SelectAttribute(power);
    doc.SetModifiedFlag(false);
  }
  CAttribute& Power() { return doc.Attribute(power); }
  static void SetUtilities(P& p, std::initializer_list<const char*> u) {
    int row = 0;
    for (const char* s : u) p.m_strUtility[row++] = s;
  }
  CScriptedUser user;
  CMADMDoc doc;
  int power = -1;
};

TEST_F(ValueUtilityTest, TheNumberShownDependsOnTheGradeCount) {
  EXPECT_EQ(P(Power()).Number(), 5);
  Power().m_nGrades = 3;
  EXPECT_EQ(P(Power()).Number(), 3);
  Power().m_nGrades = 9;
  EXPECT_EQ(P(Power()).Number(), 9);
  Power().m_nGrades = 4;
  EXPECT_EQ(P(Power()).Number(), 5);
  Power().m_nGrades = 2;
  EXPECT_EQ(P(Power()).Number(), 5);
  EXPECT_EQ(P::NumberChoices(), (std::vector<int>{3, 5, 9}));
}

TEST_F(ValueUtilityTest, OpeningShowsTheStoredValuesAndUtilities) {
  Power().SetGradeValue(1, 12.5);
  Power().SetGradeUtility(1, 0.3);
  P p(Power());
  EXPECT_EQ(p.BestText(), "100");
  EXPECT_EQ(p.WorstText(), "0");
  EXPECT_EQ(p.Unit(), "kW");
  EXPECT_EQ(p.m_strValue[1], "12.5");
  EXPECT_EQ(p.m_strUtility[1], "0.3");
}

TEST_F(ValueUtilityTest, ChoosingANumberResetsTheRowsToEvenSteps) {
  P p(Power());
  p.ChooseNumber(5);
  EXPECT_EQ(p.m_strValue[0], "0");
  EXPECT_EQ(p.m_strValue[1], "25");
  EXPECT_EQ(p.m_strValue[4], "100");
  EXPECT_EQ(p.m_strUtility[0], "0");
  EXPECT_EQ(p.m_strUtility[2], "0.5");
  EXPECT_EQ(p.m_strUtility[4], "1");
  EXPECT_EQ(p.FocusField(), "utility0");
  p.ChooseNumber(3);
  EXPECT_EQ(p.Number(), 3);
  EXPECT_EQ(p.m_strValue[1], "50");
  p.ChooseNumber(9);
  EXPECT_EQ(p.m_strValue[1], "12.5");
  EXPECT_EQ(p.m_strUtility[1], "0.125");
  p.ChooseNumber(4);
  EXPECT_EQ(p.Number(), 9) << "only 3, 5 and 9 are offered";

  Power().m_dBest = 0;  // best below worst: the first row still holds the worst value
  Power().m_dWorst = 10;
  P reversed(Power());
  reversed.ChooseNumber(3);
  EXPECT_EQ(reversed.m_strValue[0], "10");
  EXPECT_EQ(reversed.m_strValue[2], "0");
  EXPECT_EQ(reversed.m_strUtility[0], "0");
}

TEST_F(ValueUtilityTest, AUtilityOutsideZeroToOneIsRefusedOnFocusLoss) {
  P p(Power());
  p.m_strUtility[1] = "1.00000002";
  EXPECT_FALSE(p.UtilityFocusLost(1));
  EXPECT_EQ(user.OnlyText(), "A utility value must be between zero and one.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(p.FocusField(), "utility1");
  user.Clear();
  p.m_strUtility[1] = "-0.000000005";
  EXPECT_TRUE(p.UtilityFocusLost(1));
  p.m_strUtility[1] = "1.000000005";
  EXPECT_TRUE(p.UtilityFocusLost(1));
  p.m_strUtility[1] = "";
  EXPECT_FALSE(p.UtilityFocusLost(1));
}

TEST_F(ValueUtilityTest, OkRefusesUtilitiesThatFallAlongTheRows) {
  P p(Power());
  p.ChooseNumber(3);
  SetUtilities(p, {"0", "0.6", "0.5"});
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(),
            "Irrational assignment! Since the best value is larger than the worst value, a large "
            "utility should be assigned a larger value. However, the utility 0.6 is assigned to "
            "the value 50 and the utility 0.5 is assigned to the value 100. Please re-assign the "
            "utilites.");
  EXPECT_EQ(p.FocusField(), "utility2");
}

TEST_F(ValueUtilityTest, WithTheBestValueSmallerTheMessageSaysSo) {
  Power().m_dBest = 0;
  Power().m_dWorst = 100;
  P p(Power());
  p.ChooseNumber(3);
  SetUtilities(p, {"0", "0.6", "0.5"});
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(),
            "Irrational assignment! Since the best value is smaller than the worst value, a large "
            "utility should be assigned a smaller value. However, the utility 0.6 is assigned to "
            "the value 50 and the utility 0.5 is assigned to the value 0. Please re-assign the "
            "utilites.");
  EXPECT_EQ(p.FocusField(), "utility2");
}

TEST_F(ValueUtilityTest, TheMessageWritesNumbersWithTenSignificantDigits) {
  P p(Power());
  p.ChooseNumber(3);
  SetUtilities(p, {"0.123456789012", "0.1", "1"});
  p.m_strValue[0] = "3.14159265358979";
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_NE(user.OnlyText().find("the utility 0.123456789 is assigned to the value 3.141592654 "
                                 "and the utility 0.1 is assigned to the value 50."),
            std::string::npos)
      << user.OnlyText();
}

TEST_F(ValueUtilityTest, EqualUtilitiesAndAFlatRangePass) {
  P p(Power());
  p.ChooseNumber(3);
  SetUtilities(p, {"0.5", "0.500000005", "0.5"});
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk) << "a fall of less than 1e-8 is no fall";

  Power().m_dBest = 5;
  Power().m_dWorst = 5.000000001;
  P flat(Power());
  SetUtilities(flat, {"1", "0", "1", "0", "1"});
  EXPECT_EQ(flat.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(ValueUtilityTest, OkClampsUtilitiesBeforeTheCheck) {
  P p(Power());
  p.ChooseNumber(3);
  SetUtilities(p, {"-0.2", "0.5", "1.7"});
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(p.m_strUtility[0], "0");
  EXPECT_EQ(p.m_strUtility[2], "1");
  p.m_strValue[1] = "x";
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "Please enter a number.");
  EXPECT_EQ(p.FocusField(), "value1");
}

TEST_F(ValueUtilityTest, StoringWritesTheCountTheRowsAndTheChangeFlag) {
  P p(Power());
  p.ChooseNumber(3);
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.Store(Power());
  EXPECT_EQ(Power().m_nGrades, 3);
  EXPECT_EQ(Power().GradeValue(1), 50.0);
  EXPECT_EQ(Power().GradeUtility(1), 0.5);
  EXPECT_TRUE(Power().m_bUtilitiesChanged) << "0.25 became 0.5";

  P same(Power());
  same.m_strUtility[1] = "0.500000001";
  ASSERT_EQ(same.Ok(), EDialogAction::CloseOk);
  same.Store(Power());
  EXPECT_FALSE(Power().m_bUtilitiesChanged) << "a move within 1e-8 is no change";
}

TEST_F(ValueUtilityTest, CommentsAreEditedInATextWindowAndKeptOnOk) {
  P p(Power());
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    EXPECT_EQ(t.Title(), "ZEV Dialog: Comments on Utilities of Power");
    EXPECT_EQ(t.m_strText, "No comments are provided.");
    t.m_strText = "Measured at the wheels";
    return true;
  });
  p.Comments();
  EXPECT_EQ(Power().m_strComments, "No comments are provided.");
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.Store(Power());
  EXPECT_EQ(Power().m_strComments, "Measured at the wheels");
}

TEST_F(ValueUtilityTest, DirectAssignmentPicksTheTableByTypeAndPropagates) {
  user.OnDialog<P>([](P& p) {
    p.ChooseNumber(3);
    p.m_strUtility[1] = "0.6";
    return p.Ok() == EDialogAction::CloseOk;
  });
  DirectAssignmentCommand(doc);
  EXPECT_EQ(Power().m_nGrades, 3);
  // The ByUtility rules follow the utilities: 0.6 lies between the top's
  // utilities 0.5 and 0.75.
  EXPECT_DOUBLE_EQ(Power().ConversionEntry(1, 2), 0.6);
  EXPECT_DOUBLE_EQ(Power().ConversionEntry(1, 3), 0.4);
  EXPECT_DOUBLE_EQ(Power().ConversionEntry(2, 4), 1.0);
  EXPECT_FALSE(Power().m_bUtilitiesChanged) << "consumed by the propagation";
  EXPECT_TRUE(doc.IsModified());

  const int comfort = FindAttribute(doc, "Comfort");
  doc.SelectAttribute(comfort);
  user.OnDialog<CGradeTablePresenter>([](CGradeTablePresenter&) { return false; });
  DirectAssignmentCommand(doc);

  user.OnDialog<P>([](P&) { return false; });
  doc.SelectAttribute(power);
  DirectAssignmentCommand(doc);
  EXPECT_EQ(Power().m_nGrades, 3);
}

}  // namespace
}  // namespace zev
