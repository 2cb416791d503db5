#include <gtest/gtest.h>

#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/rename_grade_presenter.h"
#include "elicitation/text_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;
using P = CDefineAttributePresenter;

class DefineAttributeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    BuildHierarchy(doc, {"Cost:", "Price:Cost", "Comfort:"});
  }
  CAttribute& Attr(const char* name) { return doc.Attribute(FindAttribute(doc, name)); }
  CScriptedUser user;
  CMADMDoc doc;
};

TEST_F(DefineAttributeTest, LoadsTheAttributeAndShowsTheControlsOfItsType) {
  CAttribute& price = Attr("Price");
  price.m_nType = QuantitativeUncertain;
  price.m_dBest = 5000;
  price.m_dWorst = 20000;
  price.SetUnit("EUR");
  P p(price);
  EXPECT_EQ(p.Title(), "ZEV Dialog: Define An Attribute");
  EXPECT_EQ(p.m_strName, "Price");
  EXPECT_EQ(p.m_strBest, "5000");
  EXPECT_EQ(p.m_strWorst, "20000");
  EXPECT_EQ(p.m_strUnit, "EUR");
  EXPECT_EQ(p.m_strGrades, "5");
  EXPECT_FALSE(p.m_bQualitative);
  EXPECT_TRUE(p.m_bUncertain);
  EXPECT_TRUE(p.QuantitativeControlsVisible());
  EXPECT_FALSE(p.GradeControlsVisible());
  EXPECT_TRUE(p.UncertainVisible());
  EXPECT_TRUE(p.AdvancedVisible());
  EXPECT_FALSE(p.BasisVisible()) << "the basis shows only with Advanced checked";
  p.m_bAdvanced = true;
  EXPECT_TRUE(p.BasisVisible());
  p.ChooseQualitative();
  EXPECT_TRUE(p.GradeControlsVisible());
  EXPECT_FALSE(p.QuantitativeControlsVisible());
}

TEST_F(DefineAttributeTest, AnAttributeWithChildrenIsQualitativeOnly) {
  CAttribute& cost = Attr("Cost");
  cost.m_nType = Quantitative;  // as a damaged model could hold it
  P p(cost);
  EXPECT_TRUE(p.m_bQualitative);
  EXPECT_FALSE(p.QuantitativeChoiceEnabled());
  EXPECT_FALSE(p.UncertainVisible());
  p.ChooseQuantitative();
  EXPECT_TRUE(p.m_bQualitative);
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.Store(cost);
  EXPECT_EQ(cost.m_nType, Qualitative);
}

TEST_F(DefineAttributeTest, TheTopAttributeHasNoAdvancedBox) {
  P p(doc.Attribute(0));
  EXPECT_FALSE(p.AdvancedVisible());
  p.m_bAdvanced = true;
  EXPECT_FALSE(p.BasisVisible());
  EXPECT_TRUE(p.m_bUtilityBasis);
}

TEST_F(DefineAttributeTest, TheGradeCountIsCheckedOnEveryChange) {
  P p(Attr("Comfort"));
  EXPECT_TRUE(p.GradesTextChanged("1"));
  EXPECT_TRUE(p.GradesTextChanged("12"));
  EXPECT_TRUE(p.GradesTextChanged("")) << "an emptied field is still being typed into";
  EXPECT_EQ(user.Count(), 0u);
  EXPECT_FALSE(p.GradesTextChanged("0"));
  EXPECT_EQ(user.OnlyText(), "Number of grades must be a positive integer.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(p.FocusField(), P::kFieldGrades);
  user.Clear();
  EXPECT_FALSE(p.GradesTextChanged("21"));
  EXPECT_EQ(user.OnlyText(),
            "The maximum number of evaluation grades\nthat this product can copy with is 20.\n"
            "To handle more grades, please contact:\n\n" +
                std::string(kContactLines));
  user.Clear();
  EXPECT_EQ(p.Ok(), EDialogAction::Stay) << "the dialog stays open";
  EXPECT_EQ(user.Count(), 1u);
  user.Clear();
  p.GradesTextChanged("");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "Number of grades must be a positive integer.");
}

TEST_F(DefineAttributeTest, OkStoresTheFieldsAndTheConsequencesOfTheChanges) {
  CAttribute& price = Attr("Price");
  P p(price);
  p.m_strName = "";  // stored as typed, without the name setter's refusal
  p.ChooseQuantitative();
  p.m_strBest = "100";
  p.m_strWorst = "0";
  p.m_strUnit = "kW";
  p.m_bUtilityBasis = true;
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  p.Store(price);
  EXPECT_EQ(price.m_strName, "");
  EXPECT_EQ(price.m_nType, Quantitative);
  EXPECT_EQ(price.m_dBest, 100.0);
  EXPECT_EQ(price.m_strUnit, "kW");
  EXPECT_EQ(price.m_nConversion, ByUtility);
  EXPECT_TRUE(price.m_bRangeChanged);
  EXPECT_FALSE(price.m_bGradesChanged);

  P same(price);
  same.m_strBest = "100.000000001";  // within 1e-8
  ASSERT_EQ(same.Ok(), EDialogAction::CloseOk);
  same.Store(price);
  EXPECT_FALSE(price.m_bRangeChanged);
}

TEST_F(DefineAttributeTest, ChangingTheGradeCountResetsEqualStepUtilities) {
  CAttribute& comfort = Attr("Comfort");
  comfort.SetGradeUtility(0, 0.3);
  P p(comfort);
  p.GradesTextChanged("3");
  p.Store(comfort);
  EXPECT_EQ(comfort.m_nGrades, 3);
  EXPECT_TRUE(comfort.m_bGradesChanged);
  EXPECT_EQ(comfort.GradeUtility(0), 0.0);
  EXPECT_EQ(comfort.GradeUtility(1), 0.5);
  EXPECT_EQ(comfort.GradeUtility(2), 1.0);
  EXPECT_EQ(comfort.GradeName(2), "Average") << "names stay";

  comfort.SetGradeUtility(0, 0.3);
  comfort.m_bGradesChanged = false;
  P one(comfort);
  one.GradesTextChanged("1");
  one.Store(comfort);
  EXPECT_EQ(comfort.GradeUtility(0), 0.3) << "a single grade keeps its utility";
  EXPECT_TRUE(comfort.m_bGradesChanged);
}

TEST_F(DefineAttributeTest, CancelLeavesTheAttributeUnchanged) {
  doc.SetCurrentAttribute(FindAttribute(doc, "Comfort"));
  user.OnDialog<P>([](P& p) {
    p.m_strName = "Changed";
    p.GradesTextChanged("7");
    return false;
  });
  EXPECT_FALSE(RunDefineAttributeDialog(doc, [] { ADD_FAILURE() << "no grade table"; }));
  EXPECT_EQ(Attr("Comfort").m_nGrades, 5);
  EXPECT_EQ(FindAttribute(doc, "Changed"), -1);
}

TEST_F(DefineAttributeTest, ChoosingABasisAsksAndMayRequestTheFollowUp) {
  CAttribute& comfort = Attr("Comfort");
  P p(comfort);
  p.m_bAdvanced = true;
  user.Answer(EAnswer::No);
  EXPECT_EQ(p.ClickUtility(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "Do you want to estimate attribute utilities?");
  EXPECT_EQ(user.Last().m_icon, EIcon::Question);
  EXPECT_TRUE(p.m_bUtilityBasis);
  user.Clear();
  user.Answer(EAnswer::Yes);
  EXPECT_EQ(p.ClickRule(), EDialogAction::CloseOk);
  EXPECT_EQ(user.OnlyText(), "Do you want to change grade convertion rules?");
  EXPECT_TRUE(p.OpenConversionRequested());
  p.Store(comfort);
  EXPECT_TRUE(comfort.m_bOpenConversion);
  EXPECT_EQ(comfort.m_nConversion, ByRule);
}

TEST_F(DefineAttributeTest, DefineGradesNowOpensTheGradeTableThenTheDialogAgain) {
  doc.SetCurrentAttribute(FindAttribute(doc, "Comfort"));
  int tables = 0;
  user.OnDialog<P>([](P& p) {
    p.GradesTextChanged("4");
    return p.DefineGradesNow(true) == EDialogAction::CloseOk;
  });
  user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.m_strGrades, "4") << "opens again with the values just confirmed";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunDefineAttributeDialog(doc, [&] { ++tables; }));
  EXPECT_EQ(tables, 1) << "the grade table is not opened a second time";
  EXPECT_EQ(Attr("Comfort").m_nGrades, 4);
  EXPECT_TRUE(Attr("Comfort").m_bGradesChanged);
}

TEST_F(DefineAttributeTest, ANewGradeCountOpensTheGradeTableAfterOk) {
  doc.SetCurrentAttribute(FindAttribute(doc, "Comfort"));
  int tables = 0;
  user.OnDialog<P>([](P& p) {
    p.GradesTextChanged("9");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunDefineAttributeDialog(doc, [&] { ++tables; }));
  EXPECT_EQ(tables, 1);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DefineAttributeTest, DefineGradesNowNoAsksWhetherToContinue) {
  P p(Attr("Comfort"));
  user.Answer(EAnswer::Yes);
  EXPECT_EQ(p.DefineGradesNow(false), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "Do you want to continue the dialog?");
  user.Answer(EAnswer::No);
  EXPECT_EQ(p.DefineGradesNow(false), EDialogAction::CloseOk);
  EXPECT_FALSE(p.DefineGradesRequested());
}

TEST_F(DefineAttributeTest, DescribeEditsTheDescriptionInItsOwnWindow) {
  P p(Attr("Comfort"));
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    EXPECT_EQ(t.Title(), "ZEV Dialog: Attribute Description");
    EXPECT_EQ(t.Prompt(), "Describe the following Attribute");
    EXPECT_EQ(t.m_strText, "No description for the attribute is provided.");
    t.m_strText = "Seats and ride";
    return true;
  });
  p.Describe();
  EXPECT_EQ(p.m_strDescription, "Seats and ride");
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    t.m_strText = "discarded";
    return false;
  });
  p.Describe();
  EXPECT_EQ(p.m_strDescription, "Seats and ride");
}

TEST_F(DefineAttributeTest, BestAndWorstMustBeNumbers) {
  P p(Attr("Price"));
  p.ChooseQuantitative();
  p.m_strWorst = "cheap";
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), "Please enter a number.");
  EXPECT_EQ(p.FocusField(), P::kFieldWorst);
  p.m_strWorst = "-3.5e2";
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
}

TEST(DefineAlternative, RefusesAnEmptyNameAndStoresNameAndDescription) {
  CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  user.OnDialog<CDefineAlternativePresenter>([](CDefineAlternativePresenter& p) {
    EXPECT_EQ(p.Title(), "ZEV Dialog: Define An Alternative");
    EXPECT_EQ(p.m_strName, "First alternative");
    p.m_strName = "";
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    p.m_strName = "Car A";
    p.m_strDescription = "The red one";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunDefineAlternativeDialog(doc));
  EXPECT_EQ(user.OnlyText(), "The alternative name must not be empty.");
  EXPECT_EQ(doc.Alternative(0).m_strName, "Car A");
  EXPECT_EQ(doc.Alternative(0).m_strDescription, "The red one");
  EXPECT_TRUE(doc.IsModified());
}

TEST(RenameGrade, RefusesEmptyTextsThenRenames) {
  CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  CRenameGradePresenter p(doc);
  EXPECT_EQ(p.Title(), "Change the name of a grade in all attributes");
  EXPECT_FALSE(p.FromFocusLost());
  EXPECT_EQ(user.OnlyText(), "The 'From' grade name must not be empty.");
  EXPECT_EQ(p.FocusField(), CRenameGradePresenter::kFieldFrom);
  p.m_strFrom = "Best";
  user.Clear();
  EXPECT_FALSE(p.Change());
  EXPECT_EQ(user.OnlyText(), "The 'To' grade name must not be empty.");
  EXPECT_EQ(p.FocusField(), CRenameGradePresenter::kFieldTo);
  p.m_strTo = "Excellent";
  user.Clear();
  user.Answer(EAnswer::No);
  EXPECT_TRUE(p.Change());
  EXPECT_EQ(doc.Attribute(0).GradeName(4), "Excellent");
}

}  // namespace
}  // namespace zev
