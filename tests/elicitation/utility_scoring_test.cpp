#include <gtest/gtest.h>

#include "elicitation/grade_table_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/utility_scoring_presenter.h"
#include "engine/conversion.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;
using U = CUtilityScoringPresenter;

class UtilityScoringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    AttachEngine(doc);
    BuildHierarchy(doc, {"Comfort:", "Price:"});
    comfort = FindAttribute(doc, "Comfort");
    price = FindAttribute(doc, "Price");
    SetUtilities(comfort, {0, 0.25, 0.5, 0.75, 1});
    doc.Attribute(comfort).m_nConversion = ByUtility;
    CAttribute& p = doc.Attribute(price);
    p.m_nType = Quantitative;
    p.m_nConversion = ByUtility;
    p.m_nGrades = 3;
    p.m_dWorst = 2000;
    p.m_dBest = 500;
    for (int g = 0; g < 3; ++g) p.SetGradeValue(g, 2000 - 750 * g);
    SetUtilities(price, {0, 0.5, 1});
    doc.SelectAttribute(comfort);
    doc.SetModifiedFlag(false);
  }
  void SetUtilities(int k, const std::vector<double>& u) {
    for (size_t g = 0; g < u.size(); ++g)
      doc.Attribute(k).SetGradeUtility(static_cast<int>(g), u[g]);
  }
  static std::vector<int> Orders(const U& u) {
    std::vector<int> orders;
    for (int g = 0; g < u.Count(); ++g) orders.push_back(u.Order(g));
    return orders;
  }
  static std::vector<double> Utilities(const U& u) {
    std::vector<double> utilities;
    for (int g = 0; g < u.Count(); ++g) utilities.push_back(u.Utility(g));
    return utilities;
  }
  std::vector<double> ModelUtilities(int k) const {
    std::vector<double> utilities;
    for (int g = 0; g < doc.Attribute(k).m_nGrades; ++g)
      utilities.push_back(doc.Attribute(k).GradeUtility(g));
    return utilities;
  }
  CScriptedUser user;
  CMADMDoc doc;
  int comfort = -1;
  int price = -1;
};

TEST_F(UtilityScoringTest, OrdersComeFromTheUtilities) {
  const struct {
    std::vector<double> utilities;
    std::vector<int> orders;
  } cases[] = {
      {{0, 0.25, 0.5, 0.75, 1}, {5, 4, 3, 2, 1}},
      {{0.5, 0.5, 0.2, 0.9, 0.2}, {2, 3, 4, 1, 5}},       // equal ones by grade index
      {{0.5, 0.500005, 0.50002, 0, 0}, {2, 3, 1, 4, 5}},  // larger only by 0.00001
  };
  for (const auto& c : cases) {
    SetUtilities(comfort, c.utilities);
    U u(doc, comfort);
    EXPECT_EQ(Orders(u), c.orders) << c.utilities[1];
  }
  U u(doc, comfort);
  EXPECT_EQ(u.Number(), 5);
  EXPECT_TRUE(u.UtilityEnabled());
  EXPECT_FALSE(u.OrderEditing());
  EXPECT_EQ(u.UtilityText(1), "0.500005");
  EXPECT_EQ(u.OrderText(1), "3");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(UtilityScoringTest, TheNumberChoiceShowsThreeFiveOrNine) {
  for (auto [grades, number] : {std::pair{1, 3}, {3, 3}, {4, 5}, {8, 5}, {9, 9}, {20, 9}}) {
    doc.Attribute(comfort).m_nGrades = grades;
    EXPECT_EQ(U(doc, comfort).Number(), number) << grades;
  }
}

TEST_F(UtilityScoringTest, AQuantitativeAttributesGradesAreNamedAfterTheirValues) {
  U u(doc, price);
  EXPECT_EQ(u.GradeName(0), "2000.0000");
  EXPECT_EQ(u.GradeName(2), "500.0000");
  EXPECT_EQ(doc.Attribute(price).GradeName(1), "1250.0000");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(UtilityScoringTest, AUtilityKeepsWithinItsNeighboursInOrder) {
  doc.Attribute(comfort).SetGradeName(1, "Poor");
  doc.Attribute(comfort).SetGradeName(2, "Average");
  doc.Attribute(comfort).SetGradeName(3, "Good");
  U u(doc, comfort);
  const struct {
    double value;
    const char* message;
  } cases[] = {
      {1.00002, "A normalised utility must not be more than one."},
      {-0.00002, "A normalised utility must not be less than zero."},
      {0.24998,
       "The utility of <Average> must not be smaller than 0.2500, the utility of <Poor>, as "
       "<Average> is preferred to <Poor>."},
      {0.75002,
       "The utility of <Average> must not be larger than 0.7500, the utility of <Good>, as <Good> "
       "is preferred to <Average>."},
  };
  for (const auto& c : cases) {
    user.Clear();
    EXPECT_FALSE(u.Drag(0, 2, c.value));
    EXPECT_EQ(user.OnlyText(), c.message);
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(u.Utility(2), 0.5);
    EXPECT_EQ(u.m_utility.Text(), "0.5") << "the display is restored";
    EXPECT_EQ(u.FocusField(), U::kFieldUtility);
  }
  user.Clear();
  EXPECT_TRUE(u.Drag(0, 2, 0.750005));
  EXPECT_EQ(u.Utility(2), 0.750005);
  u.Select(4);
  u.m_utility.SetText("1.000004");
  EXPECT_TRUE(u.ConfirmUtility());
  EXPECT_EQ(u.Utility(4), 1.000004);
  u.m_utility.SetText("one");
  EXPECT_FALSE(u.ConfirmUtility());
  EXPECT_EQ(user.OnlyText(), "Please enter a number.");
  EXPECT_EQ(ModelUtilities(comfort), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}))
      << "nothing reaches the model before Update";
}

TEST_F(UtilityScoringTest, ReorderingAGradeSwapsOrdersAndResetsUtilities) {
  U u(doc, comfort);
  u.Select(2);
  u.m_strOrder = "1";
  EXPECT_TRUE(u.ConfirmOrder()) << "only while order editing";
  EXPECT_EQ(Orders(u), (std::vector<int>{5, 4, 3, 2, 1}));
  u.EditGrade();
  EXPECT_TRUE(u.OrderEditing());
  EXPECT_FALSE(u.UtilityEnabled());
  EXPECT_FALSE(u.Drag(0, 2, 0.6));

  for (const char* text : {"0", "6", "x"}) {
    u.m_strOrder = text;
    EXPECT_FALSE(u.ConfirmOrder());
    EXPECT_EQ(user.Last().m_strText,
              "The entered order is outside the range [1, 5].\n\nYou must enter a valid order "
              "number.");
    EXPECT_EQ(u.m_strOrder, "3");
    EXPECT_EQ(u.FocusField(), U::kFieldOrder);
  }
  user.Clear();
  user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  u.m_strOrder = "1";
  EXPECT_FALSE(u.ConfirmOrder());
  EXPECT_EQ(user.Last().m_strText,
            "The change of a grade order will lead to \n the default re-setting of grade "
            "utilities.\n\nDo you really want to change the order?");
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(u.m_strOrder, "3");
  u.m_strOrder = "1";
  EXPECT_TRUE(u.ConfirmOrder());
  EXPECT_EQ(Orders(u), (std::vector<int>{5, 4, 1, 2, 3}));
  EXPECT_EQ(Utilities(u), (std::vector<double>{0, 0.25, 1, 0.75, 0.5}));
  EXPECT_FALSE(u.OrderEditing());
  EXPECT_TRUE(u.UtilityEnabled());
}

TEST_F(UtilityScoringTest, ANewNumberOfGradesReachesTheAttributeAtOnce) {
  U u(doc, price);
  u.ChooseNumber(5);
  EXPECT_EQ(u.Count(), 3) << "only while number editing";
  u.EditGrade();
  EXPECT_TRUE(u.NumberEditing());
  EXPECT_FALSE(u.OrderEditing());
  user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  u.ChooseNumber(5);
  EXPECT_EQ(user.Last().m_strText,
            "The change of a utility number will lead to \nthe default re-setting of grade "
            "utilities.\n\nDo you really want to change the number?");
  EXPECT_EQ(doc.Attribute(price).m_nGrades, 3);
  u.ChooseNumber(5);
  const CAttribute& a = doc.Attribute(price);
  ASSERT_EQ(a.m_nGrades, 5);
  EXPECT_EQ(ModelUtilities(price), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
  // From the worst value down to the best one.
  for (int g = 0; g < 5; ++g) EXPECT_EQ(a.GradeValue(g), 2000 - 375 * g);
  EXPECT_EQ(a.GradeName(1), "1625.0000");
  EXPECT_EQ(u.Count(), 5);
  EXPECT_EQ(u.GradeName(4), "500.0000");
  EXPECT_FALSE(u.NumberEditing());
  EXPECT_EQ(a.ConversionEntry(4, 4), 1.0) << "the rules follow the new utilities";
}

TEST_F(UtilityScoringTest, UpdateAsksThenWritesUtilitiesAndDefinitions) {
  U u(doc, comfort);
  u.Select(1);
  u.m_utility.SetText("0.4");
  user.Answer(EAnswer::No);
  u.Update();
  EXPECT_EQ(user.Last().m_strText,
            "Do you want to update the utilities of the current attribute <Comfort>?");
  EXPECT_EQ(u.Utility(1), 0.4) << "the typed utility is applied first";
  EXPECT_EQ(doc.Attribute(comfort).GradeUtility(1), 0.25);

  user.OnDialog<CGradeMeaningPresenter>([](CGradeMeaningPresenter& m) {
    EXPECT_EQ(m.GradeName(), "Poor");
    m.m_strDefinition = "wobbly";
    return true;
  });
  u.Comments();
  user.Answer(EAnswer::Yes);
  u.Update();
  EXPECT_EQ(ModelUtilities(comfort), (std::vector<double>{0, 0.4, 0.5, 0.75, 1}));
  EXPECT_EQ(doc.Attribute(comfort).GradeDefinition(1), "wobbly");
  EXPECT_DOUBLE_EQ(doc.Attribute(comfort).ConversionEntry(1, 1), 0.4);
  EXPECT_DOUBLE_EQ(doc.Attribute(comfort).ConversionEntry(1, 2), 0.6);

  u.m_utility.SetText("0.9");
  u.Update();  // refused: no question
  EXPECT_EQ(user.Last().m_strText.rfind("The utility of <Poor> must not be larger", 0), 0u);
}

TEST_F(UtilityScoringTest, RestartAsksAndReloadsFromTheAttribute) {
  U u(doc, comfort);
  u.Drag(0, 1, 0.3);
  user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  u.Restart();
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(u.Utility(1), 0.3);
  u.Restart();
  EXPECT_EQ(u.Utility(1), 0.25);
}

TEST_F(UtilityScoringTest, CommentsOfAQuantitativeAttributeAreItsDescription) {
  U u(doc, price);
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    t.m_strText = "per unit";
    return true;
  });
  u.Comments();
  EXPECT_EQ(doc.Attribute(price).m_strDescription, "per unit");
}

TEST_F(UtilityScoringTest, StillValidWhileTheSlotHoldsTheAttribute) {
  U u(doc, price);
  EXPECT_TRUE(u.StillValid());
  doc.SelectAttribute(price);
  doc.DeleteAttribute();
  EXPECT_FALSE(u.StillValid());
}

TEST_F(UtilityScoringTest, SelectMethodsOffersFiveChoices) {
  EXPECT_EQ(CUtilityMethodPresenter().Choices().size(), 5u);
  EXPECT_EQ(CUtilityMethodPresenter().Choices()[4], "&Reference Assignment");
  int opened = 0;
  auto open = [&opened] { ++opened; };

  doc.Attribute(comfort).m_nConversion = ByRule;
  UtilitySelectMethodsCommand(doc, open);
  EXPECT_EQ(user.OnlyText(), "The attribute <Comfort> is not chosen for utility estimation.");
  doc.Attribute(comfort).m_nConversion = ByUtility;

  using M = CUtilityMethodPresenter;
  user.OnDialog<M>([](M& m) {
    EXPECT_EQ(m.m_nChoice, M::kDirect);
    return true;
  });
  user.OnDialog<CGradeTablePresenter>([](CGradeTablePresenter&) { return false; });
  for (int choice :
       {M::kVisualScoring, M::kProbability, M::kAlternativeComparison, M::kReference}) {
    user.OnDialog<M>([choice](M& m) {
      m.m_nChoice = choice;
      return true;
    });
  }
  user.OnDialog<M>([](M&) { return false; });
  for (int i = 0; i < 6; ++i) UtilitySelectMethodsCommand(doc, open);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace zev
