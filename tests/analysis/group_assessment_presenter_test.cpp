#include "analysis/group_assessment_presenter.h"

#include <gtest/gtest.h>

#include "tests/analysis/analysis_model.h"

namespace zev {
namespace {

using P = CGroupAssessmentPresenter;

std::vector<std::string> WeightTexts(const P& p) {
  std::vector<std::string> texts;
  for (const P::SRow& row : p.Rows()) texts.push_back(row.m_strWeight);
  return texts;
}

TEST(GroupAssessmentWindow, OpensWithAllSelectedEvaluatedOnItsAttribute) {
  test::SAnalysisModel m(4);
  for (int p = 0; p < 4; ++p) m.doc.Alternative(p).m_nSelection = 3;
  m.doc.Attribute(m.v).m_nMark = 7;
  m.doc.SetCurrentAttribute(m.v);
  P p(m.doc);
  EXPECT_EQ(m.Selections(), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(p.SelectedCount(), 4);
  EXPECT_EQ(p.Members(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(WeightTexts(p), (std::vector<std::string>{"1.00", "1.00", "1.00", "1.00"}));
  EXPECT_EQ(p.Rows()[2].m_strName, "Alternative 3");
  EXPECT_EQ(p.CurrentMember(), 0);
  EXPECT_EQ(p.m_weight.Text(), "1");
  // The list's ranking is on the window's attribute V (by value 10, 20, 30,
  // 40) and the marks were kept over the evaluations.
  EXPECT_EQ(m.doc.Alternative(0).m_nRanking, 4);
  EXPECT_EQ(m.doc.Alternative(3).m_nRanking, 1);
  EXPECT_EQ(m.doc.CurrentAttribute(), m.v);
  EXPECT_EQ(m.doc.Attribute(m.v).m_nMark, 7);
  EXPECT_EQ(m.user.Count(), 0u);
}

TEST(GroupAssessmentWindow, SelectionButtonsMoveTheMarks) {
  test::SAnalysisModel m(4);
  P p(m.doc);
  struct SStep {
    const char* m_pszAction;
    std::vector<int> m_rows;
    std::vector<int> m_marks;
    int m_nCurrent;
  };
  const SStep steps[] = {
      {"clear", {}, {3, 3, 3, 3}, -1},       {"one", {2, 0}, {3, 3, 1, 3}, 2},
      {"group", {0, 1, 2}, {1, 1, 1, 3}, 2}, {"deselect", {}, {1, 1, 3, 3}, 0},
      {"choose 1", {}, {1, 1, 3, 3}, 1},     {"deselect", {}, {1, 3, 3, 3}, 0},
      {"deselect", {}, {3, 3, 3, 3}, -1},    {"deselect", {}, {3, 3, 3, 3}, -1},
      {"restart", {}, {1, 1, 1, 1}, 0},
  };
  for (const SStep& s : steps) {
    const std::string action = s.m_pszAction;
    p.SetHighlighted(s.m_rows);
    if (action == "clear") p.Clear();
    if (action == "one") p.SelectOne();
    if (action == "group") p.SelectGroup();
    if (action == "deselect") p.DeselectOne();
    if (action == "choose 1") p.ChooseMember(1);
    if (action == "restart") p.Restart();
    EXPECT_EQ(m.Selections(), s.m_marks) << action;
    EXPECT_EQ(p.CurrentMember(), s.m_nCurrent) << action;
  }
}

TEST(GroupAssessmentWindow, WeightFieldTakesNumbersFromZeroToHundred) {
  struct SCase {
    const char* m_pszText;
    const char* m_pszWarning;
    const char* m_pszShown;
  };
  const SCase cases[] = {
      {"2.5", nullptr, "2.50"},
      {"0", nullptr, "0.00"},
      {"100", nullptr, "100.00"},
      {"100.001", "Please enter a number between 0 and 100.", "1.00"},
      {"-1", "Please enter a number between 0 and 100.", "1.00"},
      {"two", "Please enter a number.", "1.00"},
  };
  for (const SCase& c : cases) {
    test::SAnalysisModel m(2);
    P p(m.doc);
    p.ChooseMember(1);
    p.m_weight.SetText(c.m_pszText);
    EXPECT_EQ(p.WeightFocusLost(), c.m_pszWarning == nullptr) << c.m_pszText;
    EXPECT_EQ(p.Rows()[1].m_strWeight, c.m_pszShown);
    EXPECT_EQ(p.Rows()[0].m_strWeight, "1.00");
    if (c.m_pszWarning) {
      EXPECT_EQ(m.user.OnlyText(), c.m_pszWarning);
      EXPECT_EQ(p.FocusField(), P::kFieldWeight);
    }
  }
}

TEST(GroupAssessmentWindow, EnterActsOnTheFocusedControl) {
  test::SAnalysisModel m(3);
  P p(m.doc);
  p.Clear();
  p.SetHighlighted({1});
  p.DefaultButton(P::EFocus::AlternativeList);
  EXPECT_EQ(p.Members(), std::vector<int>{1});
  p.m_weight.SetText("4");
  p.DefaultButton(P::EFocus::WeightField);
  EXPECT_EQ(p.Rows()[1].m_strWeight, "4.00");
  p.DefaultButton(P::EFocus::MemberList);
  EXPECT_EQ(p.SelectedCount(), 0);
  EXPECT_EQ(m.user.Count(), 0u);
  p.DefaultButton(P::EFocus::Elsewhere);
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Information);
}

TEST(GroupAssessmentWindow, CreatesTheGroupFromTheWeightedMembers) {
  test::SAnalysisModel m(3);
  m.doc.SetCurrentAttribute(m.q);
  P p(m.doc);

  p.Clear();
  EXPECT_FALSE(p.CreateGroup());
  EXPECT_EQ(m.user.OnlyText(),
            "To create a group alternative, at least\nONE alternative has to be selected.");
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Warning);

  p.SetHighlighted({0, 1});
  p.SelectGroup();
  p.ChooseMember(1);
  p.m_weight.SetText("3");
  ASSERT_TRUE(p.WeightFocusLost());
  m.user.OnDialog<CGroupNamePresenter>([](CGroupNamePresenter& name) {
    EXPECT_EQ(name.Title(), "ZEV Dialog: Choose A Group Alternative Name");
    EXPECT_EQ(name.m_strName, "Group Alternative");
    return false;
  });
  EXPECT_FALSE(p.CreateGroup());
  EXPECT_EQ(m.doc.AlternativeCount(), 3);

  m.user.OnDialog<CGroupNamePresenter>([](CGroupNamePresenter& name) {
    name.m_strName = "Panel";
    return true;
  });
  ASSERT_TRUE(p.CreateGroup());
  ASSERT_EQ(m.doc.AlternativeCount(), 4);
  const CAlternative& group = m.doc.Alternative(3);
  EXPECT_EQ(group.m_strName, "Panel");
  EXPECT_EQ(group.Record(m.q).m_dBelief[0], 0.25);
  EXPECT_EQ(group.Record(m.q).m_dBelief[1], 0.75);
  EXPECT_EQ(group.Record(m.v).m_dValue, 17.5);
  EXPECT_EQ(WeightTexts(p), (std::vector<std::string>{"1.00", "3.00", "1.00", "1.00"}));
  EXPECT_EQ(m.Selections(), (std::vector<int>{1, 1, 3, 3}));
  // The list was refreshed on the window's attribute, which stays current.
  EXPECT_EQ(m.doc.CurrentAttribute(), m.q);
  EXPECT_TRUE(group.Record(m.q).m_bAssessed);
  EXPECT_FALSE(group.Record(0).m_bAssessed);

  // The first group is a candidate for the next one.
  p.SetHighlighted({3});
  p.SelectOne();
  EXPECT_EQ(p.Members(), (std::vector<int>{0, 1, 3}));
}

}  // namespace
}  // namespace zev
