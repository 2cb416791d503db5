#include "engine/group_assessment.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/conversion.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

// Top over Q (qualitative, two grades), V (precise) and U (uncertain on the
// grade values 0, 25, 50); one alternative per member input.
struct SGroupModel {
  test::CScriptedUser user;
  CMADMDoc doc;
  int q = 0, v = 0, u = 0;

  explicit SGroupModel(int nAlternatives) {
    doc.OnNewDocument();
    AttachEngine(doc);
    test::BuildHierarchy(doc, {"Q:", "V:", "U:"});
    q = test::FindAttribute(doc, "Q");
    v = test::FindAttribute(doc, "V");
    u = test::FindAttribute(doc, "U");
    doc.Attribute(q).m_nGrades = 2;
    for (int k : {v, u}) {
      CAttribute& a = doc.Attribute(k);
      a.m_nType = k == v ? Quantitative : QuantitativeUncertain;
      a.m_nGrades = 3;
      a.m_dBest = 50;
      for (int g = 0; g < 3; ++g) a.SetGradeValue(g, 25.0 * g);
    }
    while (doc.AlternativeCount() < nAlternatives) doc.AddAlternativeCommand();
    for (int pos = 0; pos < nAlternatives; ++pos) doc.PrepareAlternative(doc.Alternative(pos));
  }
  CAssessment& In(int pos, int k) { return doc.Alternative(pos).Record(k); }
  void Select(std::vector<int> marks) {
    for (size_t pos = 0; pos < marks.size(); ++pos)
      doc.Alternative(static_cast<int>(pos)).m_nSelection = marks[pos];
  }
};

std::vector<double> Beliefs(const CAssessment& r, int n) {
  return std::vector<double>(r.m_dBelief, r.m_dBelief + n);
}

TEST(AverageMemberInputs, WeightedAverageOfTheSelectedMembersByKind) {
  SGroupModel m(4);
  // Member inputs: Q degrees, V value, U possible values with degrees.
  const double q[4][2] = {{1, 0}, {0, 1}, {0.5, 0.5}, {0.6, 0.2}};
  const double values[4] = {10, 20, 40, 50};
  for (int pos = 0; pos < 4; ++pos) {
    m.In(pos, m.q).m_dBelief[0] = q[pos][0];
    m.In(pos, m.q).m_dBelief[1] = q[pos][1];
    m.In(pos, m.v).m_dValue = values[pos];
    CAssessment& r = m.In(pos, m.u);
    r.m_nPossibleValues = 2;
    r.m_dPossibleValue[0] = 20;
    r.m_dPossibleValue[1] = 30;
    r.m_dBelief[0] = r.m_dBelief[1] = 0.5;
  }
  struct SCase {
    const char* m_pszName;
    std::vector<int> m_marks;
    std::vector<double> m_weights;
    std::vector<double> m_q;
    double m_dValue;
  };
  const SCase cases[] = {
      {"weights 1 and 3", {1, 1, 3, 3}, {1, 3, 9, 9}, {0.25, 0.75}, 17.5},
      {"equal weights", {1, 1, 3, 3}, {1, 1}, {0.5, 0.5}, 15},
      // The remainder 0.2 stays unassigned whatever the weight.
      {"one member", {3, 3, 3, 1}, {1, 1, 1, 7}, {0.6, 0.2}, 50},
      // Missing weights count 1.
      {"weights by position", {3, 3, 1, 1}, {}, {0.55, 0.35}, 45},
      {"all weights zero", {1, 1, 3, 3}, {0, 0}, {0, 0}, 0},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.m_pszName);
    m.Select(c.m_marks);
    CAlternative group;
    AverageMemberInputs(m.doc, c.m_weights, group);
    for (int j = 0; j < 2; ++j) EXPECT_NEAR(group.Record(m.q).m_dBelief[j], c.m_q[j], 1e-15);
    const CAssessment& v = group.Record(m.v);
    EXPECT_NEAR(v.m_dValue, c.m_dValue, 1e-12);
    EXPECT_EQ(v.m_nPossibleValues, 1);
    EXPECT_EQ(v.m_dPossibleValue[0], v.m_dValue);
    EXPECT_EQ(v.m_dBelief[0], 1.0);
  }
}

TEST(AverageMemberInputs, UncertainValuesAreSplitOntoTheGradeValues) {
  struct SCase {
    std::vector<double> m_values, m_degrees, m_expected;
  };
  const SCase cases[] = {
      {{20, 30}, {0.5, 0.5}, {0.1, 0.8, 0.1}},
      // On a grade value, beyond the scale, and an incomplete assessment.
      {{25}, {1}, {0, 1, 0}},
      {{-10, 80}, {0.3, 0.3}, {0.3, 0, 0.3}},
  };
  for (const SCase& c : cases) {
    SGroupModel m(1);
    CAssessment& r = m.In(0, m.u);
    r.m_nPossibleValues = static_cast<int>(c.m_values.size());
    for (size_t i = 0; i < c.m_values.size(); ++i) {
      r.m_dPossibleValue[i] = c.m_values[i];
      r.m_dBelief[i] = c.m_degrees[i];
    }
    m.Select({1});
    CAlternative group;
    const double w[] = {2.0};
    AverageMemberInputs(m.doc, w, group);
    const CAssessment& g = group.Record(m.u);
    ASSERT_EQ(g.m_nPossibleValues, 3);
    for (int j = 0; j < 3; ++j) {
      EXPECT_EQ(g.m_dPossibleValue[j], 25.0 * j);
      EXPECT_NEAR(g.m_dBelief[j], c.m_expected[static_cast<size_t>(j)], 1e-15) << j;
    }
  }
}

TEST(CreateGroupAlternative, AppendsEvaluatesAndKeepsTheMarks) {
  SGroupModel m(3);
  m.In(0, m.q).m_dBelief[0] = 1;
  m.In(1, m.q).m_dBelief[1] = 1;
  m.Select({1, 1, 3});
  for (int i = 0; i <= m.doc.LastAttribute(); ++i)
    m.doc.Attribute(i).m_nMark = static_cast<std::uint16_t>(i + 2);
  const std::vector<double> weights = {1, 3, 1};
  m.doc.SetModifiedFlag(false);

  EXPECT_EQ(CreateGroupAlternative(m.doc, weights, "Panel"), 3);
  const CAlternative& group = m.doc.Alternative(3);
  EXPECT_EQ(group.m_strName, "Panel");
  EXPECT_EQ(Beliefs(group.Record(m.q), 2), (std::vector<double>{0.25, 0.75}));
  EXPECT_EQ(group.m_nSelection, kMemberNotSelected);
  EXPECT_EQ(m.doc.CurrentPosition(), 3);
  EXPECT_TRUE(m.doc.IsModified());
  // Evaluated and ranked, marks as they were.
  for (int pos = 0; pos < 4; ++pos) EXPECT_TRUE(m.doc.Alternative(pos).Record(0).m_bAssessed);
  EXPECT_EQ(group.m_dUtility, group.Record(0).m_dAvgUtility);
  EXPECT_EQ(m.doc.Alternative(0).m_nSelection, 1);
  EXPECT_EQ(m.doc.Alternative(2).m_nSelection, 3);
  for (int i = 0; i <= m.doc.LastAttribute(); ++i) EXPECT_EQ(m.doc.Attribute(i).m_nMark, i + 2);

  // A second group averages what is selected then, the first group with it.
  m.Select({3, 1, 3, 1});
  CreateGroupAlternative(m.doc, std::vector<double>{1, 1, 1, 1, 1}, "");
  EXPECT_EQ(m.doc.Alternative(4).m_strName, "Alternative 5");
  EXPECT_EQ(Beliefs(m.doc.Alternative(4).Record(m.q), 2), (std::vector<double>{0.125, 0.875}));
  EXPECT_EQ(m.user.Count(), 0u);
}

}  // namespace
}  // namespace zev
