#include "analysis/visual_comparison.h"

#include <gtest/gtest.h>

#include "tests/analysis/chart_models.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using S = std::vector<std::string>;

// Select One on each attribute and each alternative in turn.
void Select(CVisualComparison& w, const std::vector<int>& attributes,
            const std::vector<int>& positions) {
  for (int i : attributes) {
    w.HighlightAttribute(i);
    w.SelectOne();
  }
  for (int pos : positions) {
    w.HighlightAlternative(pos);
    w.SelectOne();
  }
}

// A curve type with both directions and thresholds alike.
SCurveType CurveType(ECurveType type, bool bOther = false, double threshold = 0.0) {
  SCurveType c;
  c.m_type = type;
  c.m_bSmaller = c.m_bWorse = bOther;
  c.m_dDifference = c.m_dLevel = threshold;
  return c;
}

class VisualComparisonTest : public ::testing::Test {
 protected:
  void SelectAttributes(const std::vector<int>& attributes) { Select(window, attributes, {}); }
  void SelectAlternatives(const std::vector<int>& positions) { Select(window, {}, positions); }

  test::CScriptedUser user;
  test::SChartModel m;
  CVisualComparison window{m.doc};
};

TEST_F(VisualComparisonTest, DrawRefusesInOrder) {
  const std::string kAttribute =
      "To draw a comparison graph, at least\none attribute has to be selected.";
  const std::string kAlternative =
      "To draw a comparison graph, at least\nONE alternative has to be selected.";
  const std::string kInterval =
      "To draw an utility interval graph\nonly ONE alternative can be selected.";
  const std::string kTwo = "Exactly TWO alternatives must be selected for comparisons.";
  const struct {
    bool attributes;
    std::vector<int> alternatives;
    ECurveType type;
    std::string message;
  } cases[] = {
      {false, {}, ECurveType::Interval, kAttribute},
      {false, {0, 1}, ECurveType::Difference, kAttribute},
      {true, {}, ECurveType::Interval, kAlternative},
      {true, {}, ECurveType::Level, kAlternative},
      {true, {0, 1}, ECurveType::Interval, kInterval},
      {true, {0}, ECurveType::Difference, kTwo},
  };
  for (const auto& c : cases) {
    test::CScriptedUser local;
    CVisualComparison w(m.doc);
    Select(w, c.attributes ? std::vector<int>{m.a1} : std::vector<int>{}, c.alternatives);
    w.SetCurveType(CurveType(c.type));
    EXPECT_FALSE(w.Draw());
    EXPECT_EQ(local.OnlyText(), c.message);
    EXPECT_EQ(local.Last().m_icon, EIcon::Warning);
    EXPECT_EQ(w.Chart().SeriesCount(), 0);
    EXPECT_EQ(w.SelectedAttributes().size(), c.attributes ? 1u : 0u);
    EXPECT_EQ(w.SelectedAlternatives().size(), c.alternatives.size());
  }
}

TEST_F(VisualComparisonTest, AnyAlternativesOnAnyAttributes) {
  SelectAttributes({0, m.a, m.a1});
  SelectAlternatives({1, 0});
  ASSERT_TRUE(window.Draw());
  EXPECT_EQ(user.Count(), 0u);
  const ChartContent& c = window.Chart();
  EXPECT_EQ(c.m_kind, EChartKind::Curves);
  EXPECT_EQ(c.m_strPointLabels, (S{"Top Attribute", "A", "A1"}));
  ASSERT_EQ(c.SeriesCount(), 2);
  // The alternatives in the order selected, legends cut to 100 characters only.
  EXPECT_EQ(c.m_series[0].m_strLegend, test::kBestName);
  EXPECT_EQ(c.m_series[1].m_strLegend, "Worked");
  EXPECT_NEAR(c.Value(1, 0), 17.5 / 26, 1e-15);
  EXPECT_NEAR(c.Value(1, 1), 0.6, 1e-15);
  EXPECT_EQ(c.m_series[1].m_strValueLabels, (S{"0.673077", "0.600000", "0.500000"}));
  EXPECT_EQ(c.m_series[0].m_strValueLabels, (S{"1.000000", "1.000000", "1.000000"}));

  window.SwitchCurveBar();
  EXPECT_EQ(window.Chart().m_kind, EChartKind::Bars);
  EXPECT_EQ(window.Chart().SeriesCount(), 2);
}

TEST_F(VisualComparisonTest, UtilityIntervalOfOneAlternative) {
  SelectAttributes({0, m.a});
  SelectAlternatives({0});
  window.SetCurveType(CurveType(ECurveType::Interval));
  ASSERT_TRUE(window.Draw());
  const ChartContent& c = window.Chart();
  ASSERT_EQ(c.SeriesCount(), 3);
  EXPECT_EQ(c.m_series[0].m_strLegend, "Maximum utility");
  EXPECT_EQ(c.m_series[1].m_strLegend, "Average utility");
  EXPECT_EQ(c.m_series[2].m_strLegend, "Minimum utility");
  EXPECT_NEAR(c.Value(0, 0), 18.5 / 26, 1e-15);
  EXPECT_NEAR(c.Value(1, 1), 0.6, 1e-15);
  EXPECT_NEAR(c.Value(2, 1), 0.5, 1e-15);
}

// The threshold types choose the attributes themselves, from index 0 up,
// at both sides of their tolerance of 1e-8. Differences between the two
// alternatives: A1 0.5, A2 and B 0.25, A 0.4, the top 8.5/26; the worked
// alternative's averages: A1 0.5, A2 and B 0.75.
TEST_F(VisualComparisonTest, ThresholdTypesChooseTheAttributes) {
  const struct {
    ECurveType type;
    bool other;  // smaller or worse
    double threshold;
    std::vector<int> alternatives;
    std::vector<std::string> chosen;  // empty: "No attribute has the assigned value."
  } cases[] = {
      {ECurveType::Difference, false, 0.5 + 0.5e-8, {0, 1}, {"A1"}},
      {ECurveType::Difference, false, 0.5 + 2e-8, {0, 1}, {}},
      {ECurveType::Difference, true, 0.25 - 0.5e-8, {0, 1}, {"A2", "B"}},
      {ECurveType::Difference, true, 0.25 - 2e-8, {0, 1}, {}},
      {ECurveType::Level, false, 0.75 - 2e-8, {0, 1}, {"A2", "B"}},
      {ECurveType::Level, false, 0.75 - 0.5e-8, {0, 1}, {}},
      {ECurveType::Level, true, 0.5 + 2e-8, {0}, {"A1"}},
      {ECurveType::Level, true, 0.5 + 0.5e-8, {0}, {}},
  };
  for (const auto& c : cases) {
    test::CScriptedUser local;
    CVisualComparison w(m.doc);
    Select(w, {0}, c.alternatives);
    w.SetCurveType(CurveType(c.type, c.other, c.threshold));
    const bool drawn = w.Draw();
    EXPECT_EQ(drawn, !c.chosen.empty()) << c.threshold;
    if (!drawn) {
      EXPECT_EQ(local.OnlyText(), "No attribute has the assigned value.");
      EXPECT_EQ(w.SelectedAttributeNames(), (S{"Top Attribute"}));
      continue;
    }
    EXPECT_EQ(w.SelectedAttributeNames(), c.chosen) << c.threshold;
    EXPECT_EQ(w.Chart().m_strPointLabels, c.chosen);
    EXPECT_EQ(w.Chart().SeriesCount(), static_cast<int>(c.alternatives.size()));
  }
}

TEST_F(VisualComparisonTest, SelectionLists) {
  // Select One adds once; Select Group adds the siblings in sibling order.
  SelectAttributes({m.a2, m.a2});
  window.HighlightAttribute(m.a1);
  window.SelectGroup();
  EXPECT_EQ(window.SelectedAttributeNames(), (S{"A2", "A1"}));
  SelectAlternatives({1, 1, 0});
  EXPECT_EQ(window.SelectedAlternatives(), (std::vector<int>{1, 0}));

  // Deselect removes the entry chosen in the list used last.
  window.ChooseEntry(CVisualComparison::EList::Attributes, 0);
  window.Deselect();
  EXPECT_EQ(window.SelectedAttributeNames(), (S{"A1"}));
  window.ChooseEntry(CVisualComparison::EList::Alternatives, 1);
  window.Deselect();
  EXPECT_EQ(window.SelectedAlternativeNames(), (S{test::kBestName}));

  // Select All takes everything and draws; Clear empties and draws nothing.
  window.SelectAll();
  EXPECT_EQ(window.SelectedAttributes().size(), 5u);
  EXPECT_EQ(window.SelectedAlternatives(), (std::vector<int>{0, 1}));
  EXPECT_EQ(window.Chart().PointCount(), 5);
  EXPECT_EQ(window.Chart().SeriesCount(), 2);
  window.Clear();
  EXPECT_TRUE(window.SelectedAttributes().empty());
  EXPECT_TRUE(window.SelectedAlternatives().empty());
  EXPECT_EQ(window.Chart().PointCount(), 0);
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(VisualComparisonTest, FollowsTheViewsAndTheModel) {
  // Select One takes what the views selected last.
  m.doc.SelectAlternative(1);
  window.ShowSelection();
  window.SelectOne();
  m.doc.SetCurrentAttribute(m.b);
  window.ShowSelection();
  window.SelectOne();
  EXPECT_EQ(window.SelectedAlternativeNames(), (S{test::kBestName}));
  EXPECT_EQ(window.SelectedAttributeNames(), (S{"B"}));

  // A deleted alternative leaves the list; a hierarchy edit empties the
  // attribute list, whose indices it may have moved.
  SelectAlternatives({0});
  m.doc.SelectAlternative(1);
  user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
  m.doc.DeleteAlternativeCommand();
  window.OnDocumentChanged({EDocChange::Alternatives, -1, 0});
  EXPECT_EQ(window.SelectedAlternativeNames(), (S{"Worked"}));
  m.doc.SetCurrentAttribute(m.a2);
  m.doc.DeleteAttributeCommand();
  window.OnDocumentChanged({EDocChange::Structure, m.a1, -1});
  EXPECT_TRUE(window.SelectedAttributes().empty());
}

TEST_F(VisualComparisonTest, ViewWhatKeepsTheTypeOnlyWhenConfirmed) {
  user.OnDialog<CCurveTypePresenter>([](CCurveTypePresenter& d) {
    EXPECT_EQ(d.Title(), "ZEV Dialog: Select the Type of Curves to View ");
    EXPECT_TRUE(d.IsEnabled(ECurveType::Any));
    d.SetType(ECurveType::Level);
    EXPECT_TRUE(d.IsEnabled(ECurveType::Level));
    EXPECT_FALSE(d.IsEnabled(ECurveType::Difference));
    d.SetWorse(true);
    d.SetThresholdText(ECurveType::Level, "0.3");
    return d.Ok() == EDialogAction::CloseOk;
  });
  window.ViewWhat();
  EXPECT_EQ(window.CurveType().m_type, ECurveType::Level);
  EXPECT_TRUE(window.CurveType().m_bWorse);
  EXPECT_EQ(window.CurveType().m_dLevel, 0.3);

  user.OnDialog<CCurveTypePresenter>([](CCurveTypePresenter& d) {
    d.SetType(ECurveType::Any);
    return false;
  });
  window.ViewWhat();
  EXPECT_EQ(window.CurveType().m_type, ECurveType::Level);
}

// Typed thresholds: in [0, 1] within 1e-8; a refusal warns and keeps the
// focus; OK clamps silently.
TEST(CurveTypeWindow, ThresholdChecks) {
  const std::string kMessage =
      "The value must be a non-negative real number in the interval [0   1].";
  const struct {
    const char* text;
    bool accepted;
    const char* shown;
  } cases[] = {{"1.00000001", true, "1.0000"}, {"1.0001", false, "1.0001"},
               {"0.25", true, "0.2500"},       {"0", true, "0.0000"},
               {"-0.5", false, "-0.5"},        {"abc", false, "abc"}};
  for (ECurveType type : {ECurveType::Difference, ECurveType::Level}) {
    for (const auto& c : cases) {
      test::CScriptedUser user;
      CCurveTypePresenter d(SCurveType{});
      d.SetType(type);
      d.SetThresholdText(type, c.text);
      EXPECT_EQ(d.ThresholdFocusLost(type), c.accepted) << c.text;
      EXPECT_EQ(d.ThresholdText(type), c.shown);
      if (c.accepted) {
        EXPECT_EQ(user.Count(), 0u) << c.text;
      } else {
        EXPECT_EQ(user.OnlyText(), kMessage) << c.text;
        EXPECT_EQ(d.FocusField(), type == ECurveType::Level
                                      ? CCurveTypePresenter::kFieldLevel
                                      : CCurveTypePresenter::kFieldDifference);
      }
    }
  }

  test::CScriptedUser user;
  CCurveTypePresenter d(SCurveType{});
  d.SetType(ECurveType::Difference);
  d.SetThresholdText(ECurveType::Difference, "0.123456");
  EXPECT_TRUE(d.ThresholdFocusLost(ECurveType::Difference));
  EXPECT_EQ(d.ThresholdText(ECurveType::Difference), "0.1235");
  EXPECT_EQ(d.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(d.Result().m_dDifference, 0.123456);  // the shown text does not round it

  d.SetThresholdText(ECurveType::Difference, "1.5");
  EXPECT_EQ(d.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(d.Result().m_dDifference, 1.0);
  d.SetThresholdText(ECurveType::Difference, "x");
  EXPECT_EQ(d.Ok(), EDialogAction::Stay);
  EXPECT_EQ(user.OnlyText(), kMessage);
}

}  // namespace
}  // namespace zev
