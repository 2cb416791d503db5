#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "elicitation/pairwise_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/weight_generation.h"
#include "elicitation/weight_scoring_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;

constexpr EWeightMethod kMethods[] = {EWeightMethod::Eigenvector, EWeightMethod::GeometricMean,
                                      EWeightMethod::Mixed};

CMatrix Consistent(const std::vector<double>& w) {
  const int n = static_cast<int>(w.size());
  CMatrix a(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) a(i, j) = w[static_cast<size_t>(i)] / w[static_cast<size_t>(j)];
  }
  return a;
}

// A reciprocal matrix where A(i, i + k mod n) = c[k].
CMatrix Circulant(const std::vector<double>& c) {
  const int n = static_cast<int>(c.size());
  CMatrix a(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) a(i, j) = c[static_cast<size_t>(((j - i) % n + n) % n)];
  }
  return a;
}

TEST(WeightGeneration, AConsistentMatrixGivesItsWeightsBackByEveryMethod) {
  for (EWeightMethod method : kMethods) {
    SCOPED_TRACE(WeightMethodName(method));
    const SGeneratedWeights g = GenerateWeights(Consistent({0.5, 0.3, 0.2}), method);
    ASSERT_EQ(g.m_dWeights.size(), 3u);
    EXPECT_NEAR(g.m_dWeights[0], 0.5, 1e-6);
    EXPECT_NEAR(g.m_dWeights[1], 0.3, 1e-6);
    EXPECT_NEAR(g.m_dWeights[2], 0.2, 1e-6);
    EXPECT_EQ(g.ShownIndex(), 0.0);
  }
}

TEST(WeightGeneration, AnInconsistentCycleHasEqualWeightsAndItsIndex) {
  // 1 beats 2 twice, 2 beats 3 twice, 3 beats 1 twice: lambda 3.5.
  for (EWeightMethod method : kMethods) {
    const SGeneratedWeights g = GenerateWeights(Circulant({1, 2, 0.5}), method);
    for (double w : g.m_dWeights) EXPECT_NEAR(w, 1.0 / 3, 1e-6) << WeightMethodName(method);
    EXPECT_NEAR(g.ShownIndex(), 0.25, 1e-9);
    EXPECT_LT(g.m_nSteps, SGeneratedWeights::kMaxSteps);
  }
}

TEST(WeightGeneration, ASingleAttributeHasWeightOneAndIndexZero) {
  for (EWeightMethod method : kMethods) {
    const SGeneratedWeights g = GenerateWeights(Consistent({0.7}), method);
    EXPECT_EQ(g.m_dWeights, std::vector<double>{1.0});
    EXPECT_EQ(g.m_dIndex, 0.0) << "not (1 - 1) / 0";
  }
}

TEST(WeightGeneration, ThePowerIterationStopsAtStepFifty) {
  // A 9 by 9 reciprocal matrix whose second eigenvalue is 0.84 of the first.
  const double n = 1.0 / 9;
  const CMatrix a = Circulant({1, n, 9, 1, n, 9, 1, n, 9});
  const SGeneratedWeights eigen = GenerateWeights(a, EWeightMethod::Eigenvector);
  EXPECT_EQ(eigen.m_nSteps, 50);
  EXPECT_NEAR(std::accumulate(eigen.m_dWeights.begin(), eigen.m_dWeights.end(), 0.0), 1.0, 1e-12);
  EXPECT_GT(std::fabs(eigen.m_dWeights[0] - 1.0 / 9), 1e-6) << "stopped before convergence";
  EXPECT_NEAR(eigen.m_dIndex, (30.0 + 1.0 / 3 - 9) / 8, 1e-9);
  for (double w : GenerateWeights(a, EWeightMethod::GeometricMean).m_dWeights) {
    EXPECT_NEAR(w, 1.0 / 9, 1e-12);
  }
}

TEST(WeightGeneration, RatiosAreReadAsTheRatioFieldReadsThem) {
  const struct {
    const char* text;
    bool bRead;
    double ratio;
  } cases[] = {
      {"3", true, 3},           {"1/3", true, 1.0 / 3},    {"0.333333", true, 0.333333},
      {"3/0", true, 300000},    {"3/0.000001", true, 3e5}, {"0", true, 0.00001},
      {"0/4", true, 0.00001},   {"", true, 0.00001},       {"2.5e+002", true, 250},
      {"2.5E-001", true, 0.25}, {"1,5", false, 0},         {"1/2/3", false, 0},
      {"-2", false, 0},         {"1/-2", false, 0},        {" 2", false, 0},
  };
  for (const auto& c : cases) {
    double r = -1;
    EXPECT_EQ(ReadComparisonRatio(c.text, r), c.bRead) << c.text;
    if (c.bRead) {
      EXPECT_NEAR(r, c.ratio, 1e-12) << c.text;
    }
  }
}

TEST(WeightGeneration, MethodNames) {
  EWeightMethod m{};
  for (EWeightMethod method : kMethods) {
    EXPECT_TRUE(WeightMethodFromName(WeightMethodName(method), m));
    EXPECT_EQ(m, method);
  }
  EXPECT_FALSE(WeightMethodFromName("ahp", m));
}

// Three children of the top, with their weights.
class WeightDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnNewDocument();
    BuildHierarchy(doc, {"Price:", "Quality:", "Service:"});
    for (const char* name : {"Price", "Quality", "Service"})
      kids.push_back(FindAttribute(doc, name));
    SetWeights({0.6, 0.3, 0.1});
    doc.SelectAttribute(kids[1]);
  }
  void SetWeights(const std::vector<double>& w) {
    for (size_t i = 0; i < w.size(); ++i) doc.Attribute(kids[i]).m_dWeight = w[i];
  }
  std::vector<double> Weights() const {
    std::vector<double> w;
    for (int k : kids) w.push_back(doc.Attribute(k).m_dWeight);
    return w;
  }
  SWeightGroup Group() const { return SWeightGroup::Of(doc, 0); }

  CScriptedUser user;
  CMADMDoc doc;
  std::vector<int> kids;
};

using PairwiseTest = WeightDialogTest;
using P = CPairwisePresenter;

TEST_F(PairwiseTest, OpeningFillsTheMatrixFromTheWeights) {
  SetWeights({0.6, 0.3, 0});
  P p(Group());
  EXPECT_EQ(p.ChoiceNames(), (std::vector<std::string>{"Price", "Quality", "Service"}));
  EXPECT_DOUBLE_EQ(p.Ratio(0, 1), 2.0);
  EXPECT_DOUBLE_EQ(p.Ratio(2, 0), 0.00001 / 0.6) << "a weight of 0 counts as 0.00001";
  EXPECT_EQ(p.WeightText(2), "0.000000") << "the list shows the weight itself";
  EXPECT_FALSE(p.Comparing());
  EXPECT_FALSE(p.ResultsEnabled());
  EXPECT_EQ(p.Method(), EWeightMethod::Eigenvector);
  EXPECT_EQ(P::RatioPresets().front(), "1/9");
  EXPECT_EQ(P::RatioPresets()[8], "1");
  EXPECT_EQ(P::RatioPresets().back(), "9");

  SetWeights({0, 0, 0});
  P zero(Group());
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(zero.Ratio(i, j), 1.0);
  }
}

TEST_F(PairwiseTest, OneAttributeComparedWithAllOthersIsConsistent) {
  P p(Group());
  p.m_nChoice = 1;  // Quality moves to the front, its pair's ratio shown
  p.ConfirmSelection();
  EXPECT_EQ(p.NameAt(0), "Quality");
  EXPECT_EQ(p.NameAt(1), "Price");
  EXPECT_TRUE(p.Comparing());
  EXPECT_EQ(p.ComparedName(), "Price");
  EXPECT_EQ(p.m_strRatio, "0.500000") << "the matrix follows the names";
  EXPECT_EQ(p.FocusField(), P::kFieldRatio);

  p.m_strRatio = "1/2";
  EXPECT_TRUE(p.ConfirmComparison());
  EXPECT_EQ(p.ComparedName(), "Service");
  p.m_strRatio = "4";
  EXPECT_TRUE(p.ConfirmComparison());
  EXPECT_FALSE(p.Comparing());
  EXPECT_TRUE(p.ResultsEnabled());
  EXPECT_DOUBLE_EQ(p.Ratio(1, 2), 8.0) << "Price to Service derived from Quality's row";
  EXPECT_DOUBLE_EQ(p.Ratio(2, 1), 0.125);
  ASSERT_EQ(p.Comparisons().size(), 2u);
  EXPECT_EQ(p.Comparisons()[0].m_strSelected, "Quality");
  EXPECT_EQ(p.Comparisons()[0].m_strTimes, "0.500000");
  EXPECT_EQ(p.Comparisons()[1].m_strCompared, "Service");
  EXPECT_EQ(p.Comparisons()[1].m_strTimes, "4.000000");

  std::vector<double> first;
  for (EWeightMethod method : kMethods) {
    p.SetMethod(method);
    p.CalculateWeights();
    EXPECT_EQ(p.IndexText(), "0.000000");
    // Working order: Quality, Price, Service = 2 : 4 : 0.5.
    EXPECT_NEAR(p.WeightAt(0), 2 / 6.5, 1e-6);
    EXPECT_NEAR(p.WeightAt(1), 4 / 6.5, 1e-6);
    EXPECT_NEAR(p.WeightAt(2), 0.5 / 6.5, 1e-6);
  }
  EXPECT_EQ(p.WeightText(0), "0.307692");
  const SWeightGroup result = p.Result();
  EXPECT_EQ(result.m_strNames, Group().m_strNames) << "back in the model's order";
  EXPECT_NEAR(result.m_dWeights[0], 4 / 6.5, 1e-6);
}

TEST_F(PairwiseTest, AnUnreadableRatioIsRefusedAndChangesNothing) {
  P p(Group());
  p.ConfirmSelection();
  for (const char* text : {"1,5", "two", "1/2/3"}) {
    p.m_strRatio = text;
    p.SetFocusField("");
    EXPECT_FALSE(p.ConfirmComparison());
    EXPECT_EQ(user.Last().m_strText,
              "The compariosn ratio must be a non-negative real number, or a fraction in the "
              "form of a/b with a and b being two non-negative real numbers");
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(p.FocusField(), P::kFieldRatio);
    EXPECT_TRUE(p.Comparing());
    EXPECT_EQ(p.ComparedName(), "Quality");
    EXPECT_DOUBLE_EQ(p.Ratio(0, 1), 2.0);
  }
  p.m_strRatio = "3/0";
  EXPECT_TRUE(p.ConfirmComparison());
  EXPECT_DOUBLE_EQ(p.Ratio(0, 1), 300000);
  EXPECT_DOUBLE_EQ(p.Ratio(1, 0), 1 / 300000.0);
}

TEST_F(PairwiseTest, LaterSelectionsKeepTheirPlacesAndEditsEndAfterOnePair) {
  P p(Group());
  p.m_nChoice = 2;
  p.ConfirmSelection();  // Service, Quality, Price
  p.m_strRatio = "1/3";
  p.ConfirmComparison();
  p.m_strRatio = "1/6";
  p.ConfirmComparison();
  EXPECT_EQ(p.SelectedCount(), 1);
  EXPECT_NEAR(p.Ratio(1, 2), 0.5, 1e-12);

  p.m_nChoice = 0;  // Price is swapped into place 1
  p.ConfirmSelection();
  EXPECT_EQ(p.NameAt(1), "Price");
  EXPECT_EQ(p.SelectedCount(), 2);
  EXPECT_EQ(p.ComparedName(), "Quality");
  EXPECT_EQ(p.m_strRatio, "2.000000");
  p.m_strRatio = "3";
  p.ConfirmComparison();
  ASSERT_EQ(p.Comparisons().size(), 3u);
  EXPECT_EQ(p.Comparisons()[2].m_strSelected, "Price");
  EXPECT_EQ(p.Comparisons()[2].m_strTimes, "3.000000");

  p.m_nChoice = 2;  // already selected: no swap, no new place
  p.ConfirmSelection();
  EXPECT_EQ(p.SelectedCount(), 2);
  EXPECT_EQ(p.UnderSelection(), 0);
  EXPECT_EQ(p.ComparedName(), "Price");
  p.m_strRatio = "1/5";
  p.ConfirmComparison();
  p.m_strRatio = "1/6";
  p.ConfirmComparison();

  p.EditComparison(2);
  EXPECT_TRUE(p.Editing());
  EXPECT_EQ(p.ComparedName(), "Quality");
  EXPECT_EQ(p.m_strRatio, "3.000000");
  p.m_strRatio = "2.5";
  p.ConfirmComparison();
  EXPECT_FALSE(p.Comparing());
  EXPECT_FALSE(p.Editing());
  EXPECT_EQ(p.Comparisons()[2].m_strTimes, "2.500000");
  p.CalculateWeights();
  EXPECT_GT(p.Index(), 1e-6) << "Price to Quality no longer agrees with Service's row";
}

TEST_F(PairwiseTest, ClearAllAsksAndStartsAgainFromTheOpeningWeights) {
  P p(Group());
  p.m_nChoice = 2;
  p.ConfirmSelection();
  p.m_strRatio = "1";
  p.ConfirmComparison();
  p.m_strRatio = "1";
  p.ConfirmComparison();
  p.CalculateWeights();
  user.Answer(EAnswer::No);
  p.ClearAll();
  EXPECT_EQ(user.Last().m_strText, "Do you really want to clear all comparisons?");
  EXPECT_EQ(user.Last().m_buttons, EButtons::YesNo);
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(p.Comparisons().size(), 2u);
  user.Answer(EAnswer::Yes);
  p.ClearAll();
  EXPECT_TRUE(p.Comparisons().empty());
  EXPECT_EQ(p.SelectedCount(), 0);
  EXPECT_EQ(p.Index(), 0.0);
  EXPECT_EQ(p.NameAt(0), "Price");
  EXPECT_EQ(p.WeightText(0), "0.600000");
  EXPECT_DOUBLE_EQ(p.Ratio(0, 2), 6.0);
}

TEST_F(PairwiseTest, AdviceShowsItsText) {
  P::Advice();
  const std::string text = user.OnlyText();
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);
  EXPECT_EQ(text.find("If all the comparisons are completely consistent, the inconsistence index "
                      "will be zero and vice versa."),
            0u);
  EXPECT_NE(text.find("generate weights.\n\n If the inconsistence index is less than 0.01, "),
            std::string::npos);
  EXPECT_EQ(text.size(), 1137u);
}

TEST_F(PairwiseTest, ConfirmingWritesWeightsAndCommentsCancellingNothing) {
  user.OnDialog<P>([](P& p) {
    p.m_nChoice = 2;
    p.ConfirmSelection();
    p.m_strRatio = "1";
    p.ConfirmComparison();
    p.m_strRatio = "1";
    p.ConfirmComparison();
    p.CalculateWeights();
    return true;
  });
  user.OnDialog<P>([](P& p) {
    p.CalculateWeights();
    return false;
  });
  PairwiseComparisonCommand(doc);
  for (double w : Weights()) EXPECT_NEAR(w, 1.0 / 3, 1e-6);
  EXPECT_TRUE(doc.IsModified());
  SetWeights({0.6, 0.3, 0.1});
  PairwiseComparisonCommand(doc);
  EXPECT_EQ(Weights(), (std::vector<double>{0.6, 0.3, 0.1}));
}

TEST_F(PairwiseTest, ZeroWeightsAreWrittenAfterTheStopMessage) {
  SetWeights({0, 0, 0});
  doc.Attribute(kids[0]).SetDescription("old");
  user.OnDialog<P>([](P& p) {
    p.m_nChoice = 0;
    p.Comments();
    return p.Ok() == EDialogAction::CloseOk;
  });
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    t.m_strText = "cheap is good";
    return true;
  });
  PairwiseComparisonCommand(doc);
  EXPECT_EQ(user.OnlyText(), "Zero weights are wrongly assigned to all the attributes\n");
  EXPECT_EQ(user.Last().m_icon, EIcon::Error);
  EXPECT_EQ(Weights(), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(doc.Attribute(kids[0]).m_strDescription, "cheap is good");
}

TEST_F(PairwiseTest, TheTopAttributeNeedsNoComparison) {
  doc.SelectAttribute(0);
  PairwiseComparisonCommand(doc);
  EXPECT_EQ(user.OnlyText(), "This is the top attribute.\nNo comparison is needed. ");
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);
}

TEST_F(PairwiseTest, ASingleChildGetsWeightOneAndIndexZero) {
  CMADMDoc single;
  single.OnNewDocument();
  BuildHierarchy(single, {"Alone:"});
  P p(SWeightGroup::Of(single, 0));
  ASSERT_EQ(p.Count(), 1);
  p.ConfirmSelection();
  EXPECT_FALSE(p.Comparing()) << "nothing to compare it with";
  p.CalculateWeights();
  EXPECT_EQ(p.WeightAt(0), 1.0);
  EXPECT_EQ(p.IndexText(), "0.000000");
}

using ScoringTest = WeightDialogTest;
using S = CWeightScoringPresenter;

TEST_F(ScoringTest, OpeningChoosesTheSmallestScaleThatHoldsTheWeights) {
  const struct {
    std::vector<double> weights;
    int scale;
    std::vector<double> scores;
  } cases[] = {
      {{0.6, 0.3, 1.00001}, 0, {0.6, 0.3, 1.00001}},
      {{0.6, 1.00002, 10.00001}, 1, {0.6, 1.00002, 10.00001}},
      {{0.6, 10.00002, 1}, 2, {0.6, 10.00002, 1}},
      {{20, 50, 130}, 2, {20 / 130.0 * 100, 50 / 130.0 * 100, 100}},
  };
  for (const auto& c : cases) {
    SetWeights(c.weights);
    S s(Group());
    EXPECT_EQ(s.Scale(), c.scale) << c.weights[2];
    EXPECT_EQ(s.Scores(), c.scores);
    EXPECT_FALSE(s.Normalised());
    EXPECT_EQ(s.Selected(), 0);
  }
  S s(Group());
  EXPECT_EQ(s.ScoreText(0), "15.384615");
  EXPECT_EQ(s.ScoreText(1), "38.461538");
  EXPECT_EQ(s.Factor(), 1.0);
  EXPECT_EQ(s.m_weight.Text(), "15.3846");
}

TEST_F(ScoringTest, ADraggedBarIsClampedToTheScale) {
  SetWeights({2, 3, 4});
  const struct {
    double dragged;
    double stored;
  } cases[] = {{12, 10},   {10.00000002, 10}, {10.000000005, 10.000000005},
               {4.5, 4.5}, {0.00000001, 0},   {-3, 0}};
  for (const auto& c : cases) {
    S s(Group());
    s.Drag(0, 2, c.dragged);
    EXPECT_EQ(s.Selected(), 2);
    EXPECT_EQ(s.Score(2), c.stored) << c.dragged;
  }
}

TEST_F(ScoringTest, ATypedScoreMustLieOnTheScale) {
  SetWeights({2, 3, 4});
  S s(Group());
  s.Select(1);
  for (const char* text : {"10.00002", "-0.00002"}) {
    s.m_weight.SetText(text);
    EXPECT_FALSE(s.ConfirmWeight());
    EXPECT_EQ(user.Last().m_strText, "The assigned weight is outside the chosen range.");
    EXPECT_EQ(s.FocusField(), S::kFieldWeight);
    EXPECT_EQ(s.Score(1), 3);
  }
  s.m_weight.SetText("x");
  EXPECT_FALSE(s.ConfirmWeight());
  EXPECT_EQ(user.Last().m_strText, "Please enter a number.");
  s.m_weight.SetText("10.00001");
  EXPECT_TRUE(s.ConfirmWeight());
  EXPECT_EQ(s.Score(1), 10.00001);
}

TEST_F(ScoringTest, TheNormalisedStyleKeepsTheSumAtTheScaleMaximum) {
  SetWeights({2, 3, 5});
  S s(Group());
  s.SetNormalised(true);
  EXPECT_EQ(s.Scores(), (std::vector<double>{2, 3, 5}));
  s.Drag(0, 0, 10);  // 10, 3, 5 normalised to 10
  EXPECT_NEAR(s.Score(0), 100 / 18.0, 1e-12);
  EXPECT_NEAR(s.Score(2), 50 / 18.0, 1e-12);
  s.SetScale(0);
  EXPECT_NEAR(s.Score(0) + s.Score(1) + s.Score(2), 1.0, 1e-12);
  s.SetNormalised(false);  // the remembered sum 10, taken on [0, 10], is 1 on [0, 1]
  EXPECT_NEAR(s.Score(0), 10 / 18.0, 1e-12);
  s.SetScale(2);
  EXPECT_NEAR(s.Score(0), 1000 / 18.0, 1e-9) << "converted in proportion";
}

TEST_F(ScoringTest, LeavingTheNormalisedStyleBringsAnOverflowBackToTheTop) {
  SetWeights({8, 9, 7});  // sum 24 on [0, 10]
  S s(Group());
  s.SetNormalised(true);
  s.Drag(0, 0, 10);
  s.Drag(0, 1, 0);
  s.Drag(0, 2, 0);
  s.SetNormalised(false);  // 24, 0, 0 would not fit
  EXPECT_EQ(s.Scores(), (std::vector<double>{10, 0, 0}));
}

TEST_F(ScoringTest, RestartAsksAndStartsFromTheOpeningWeights) {
  S s(Group());
  s.Drag(0, 1, 0.9);
  user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  s.Restart();
  EXPECT_EQ(user.Last().m_strText,
            "This will clear all assignments and start again.\n\nDo you really want to restart "
            "the process? ");
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(s.Score(1), 0.9);
  s.Restart();
  EXPECT_EQ(s.Score(1), 0.3);
}

TEST_F(ScoringTest, ConfirmingWritesTheScoresAndComments) {
  doc.SelectAttribute(0);
  WeightVisualScoringCommand(doc);
  EXPECT_EQ(user.OnlyText(), "This is the top attribute.\nNo weight needs to be assigned. ");
  user.Clear();

  doc.SelectAttribute(kids[2]);
  user.OnDialog<S>([](S& s) {
    s.Drag(0, 2, 0.7);
    s.Comments();
    return true;
  });
  user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    EXPECT_EQ(t.Prompt(), "Service");
    t.m_strText = "fast";
    return true;
  });
  user.OnDialog<S>([](S& s) {
    s.Drag(0, 0, 0);
    return false;
  });
  WeightVisualScoringCommand(doc);
  WeightVisualScoringCommand(doc);
  EXPECT_EQ(Weights(), (std::vector<double>{0.6, 0.3, 0.7}));
  EXPECT_EQ(doc.Attribute(kids[2]).m_strDescription, "fast");
}

TEST_F(ScoringTest, TheMethodChoiceStartsTheChosenOperation) {
  EXPECT_EQ(CWeightMethodPresenter().Choices(),
            (std::vector<std::string>{"&Visual scoring", "&Pairwise comparisons of attributes"}));
  user.OnDialog<CWeightMethodPresenter>([](CWeightMethodPresenter& m) {
    EXPECT_EQ(m.m_nChoice, CWeightMethodPresenter::kVisualScoring);
    return true;
  });
  user.OnDialog<S>([](S&) { return false; });
  user.OnDialog<CWeightMethodPresenter>([](CWeightMethodPresenter& m) {
    m.m_nChoice = CWeightMethodPresenter::kPairwise;
    return true;
  });
  user.OnDialog<P>([](P&) { return false; });
  user.OnDialog<CWeightMethodPresenter>([](CWeightMethodPresenter&) { return false; });
  for (int i = 0; i < 3; ++i) WeightSelectMethodsCommand(doc);
}

}  // namespace
}  // namespace zev
