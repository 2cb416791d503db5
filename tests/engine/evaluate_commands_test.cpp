#include "engine/evaluate_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/conversion.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

class CChangeLog : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    m_changes.push_back(change);
  }
  int Count(EDocChange kind) const {
    int n = 0;
    for (const SDocChange& c : m_changes) n += c.m_kind == kind;
    return n;
  }
  std::vector<SDocChange> m_changes;
};

// Top with Q (qualitative leaf) and V (precise quantitative leaf, best 0
// and worst 100, so smaller values are better); three alternatives.
struct SCommandModel {
  test::CScriptedUser user;
  CMADMDoc doc;
  CChangeLog log;
  int q = 0, v = 0;
  SCommandModel() {
    doc.OnNewDocument();
    AttachEngine(doc);
    test::BuildHierarchy(doc, {"Q:", "V:"});
    q = test::FindAttribute(doc, "Q");
    v = test::FindAttribute(doc, "V");
    CAttribute& rv = doc.Attribute(v);
    rv.m_nType = Quantitative;
    rv.m_dBest = 0;
    rv.m_dWorst = 100;
    for (int k = 0; k < 5; ++k) rv.SetGradeValue(k, 100 - 25 * k);
    doc.AddAlternativeCommand();
    doc.AddAlternativeCommand();
    const double qualities[3][5] = {{0, 0, 1, 0, 0}, {0, 0, 0, 0, 1}, {0, 0, 0, 1, 0}};
    const double values[3] = {10, 50, 90};
    for (int pos = 0; pos < 3; ++pos) {
      CAlternative& alt = doc.Alternative(pos);
      doc.PrepareAlternative(alt);
      for (int g = 0; g < 5; ++g) alt.Record(q).m_dBelief[g] = qualities[pos][g];
      CAssessment& r = alt.Record(v);
      r.m_dValue = values[pos];
      r.m_nPossibleValues = 1;
      r.m_dPossibleValue[0] = values[pos];
      r.m_dBelief[0] = 1;
      alt.m_nSelection = 3;
    }
    doc.SetModifiedFlag(false);
    doc.Subscribe(&log);
  }
  std::vector<int> Rankings() const {
    std::vector<int> r;
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos)
      r.push_back(doc.Alternative(pos).m_nRanking);
    return r;
  }
};

TEST(RankAlternatives, EvaluatesRanksRestoresAndTellsTheUser) {
  SCommandModel m;
  m.doc.SetCurrentAttribute(m.v);
  // Utilities changed without propagation: the command propagates first.
  m.doc.Attribute(0).SetGradeUtility(4, 0.9);
  RankAlternatives(m.doc);

  EXPECT_EQ(m.user.OnlyText(), " All alternatives have been assessed on all attributes.");
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Information);
  EXPECT_EQ(m.doc.CurrentAttribute(), m.v);
  EXPECT_EQ(m.doc.Attribute(m.q).GradeUtility(4), 0.9);
  for (int pos = 0; pos < 3; ++pos) {
    const CAlternative& alt = m.doc.Alternative(pos);
    EXPECT_TRUE(alt.Record(0).m_bAssessed);
    EXPECT_EQ(alt.m_dUtility, alt.Record(0).m_dAvgUtility);
    EXPECT_EQ(alt.m_nSelection, 1);
  }
  // Alternative 1: Q average, V 10 (good); alternative 2: Q best, V 50;
  // alternative 3: Q good, V 90 (bad). Utilities of V: 10 -> 0.9, 50 -> 0.5,
  // 90 -> 0.1 on the value scale 100 .. 0.
  const double u1 = m.doc.Alternative(0).m_dUtility;
  const double u2 = m.doc.Alternative(1).m_dUtility;
  const double u3 = m.doc.Alternative(2).m_dUtility;
  EXPECT_GT(u2, u1);
  EXPECT_GT(u1, u3);
  EXPECT_EQ(m.Rankings(), (std::vector<int>{2, 1, 3}));
  // The document shows the last alternative's values.
  EXPECT_EQ(m.doc.Attribute(m.v).m_dShownValue, 90.0);
  EXPECT_EQ(m.doc.Attribute(0).m_dShownValue, u3);
  // Results are refreshed, the model is not marked modified.
  EXPECT_GE(m.log.Count(EDocChange::Results), 1);
  EXPECT_FALSE(m.doc.IsModified());
}

TEST(EvaluateAndRank, SilentAndWithoutPropagation) {
  SCommandModel m;
  m.doc.SetCurrentAttribute(m.q);
  m.doc.Attribute(0).SetGradeUtility(4, 0.9);
  EvaluateAndRank(m.doc);
  EXPECT_EQ(m.user.Count(), 0u);
  EXPECT_EQ(m.doc.CurrentAttribute(), m.q);
  EXPECT_EQ(m.doc.Attribute(m.q).GradeUtility(4), 1.0);
  EXPECT_EQ(m.Rankings(), (std::vector<int>{2, 1, 3}));
  EXPECT_GE(m.log.Count(EDocChange::Results), 1);
}

TEST(EvaluateAndRankKeepingMarks, MarksAndSelectionsAreAsBefore) {
  SCommandModel m;
  for (int i = 0; i <= m.doc.LastAttribute(); ++i)
    m.doc.Attribute(i).m_nMark = static_cast<std::uint16_t>(i + 1);
  m.doc.Alternative(1).m_nSelection = 1;
  EvaluateAndRankKeepingMarks(m.doc);
  EXPECT_EQ(m.Rankings(), (std::vector<int>{2, 1, 3}));
  for (int i = 0; i <= m.doc.LastAttribute(); ++i) EXPECT_EQ(m.doc.Attribute(i).m_nMark, i + 1);
  EXPECT_EQ(m.doc.Alternative(0).m_nSelection, 3);
  EXPECT_EQ(m.doc.Alternative(1).m_nSelection, 1);
  EXPECT_EQ(m.doc.Alternative(2).m_nSelection, 3);
}

TEST(AssessAttribute, RanksOnTheAttributeAndReversesForSmallerBest) {
  SCommandModel m;
  m.doc.SetCurrentAttribute(m.v);
  AssessAttribute(m.doc);
  // By value 90, 50, 10 first; best is the smaller value, so reversed.
  EXPECT_EQ(m.Rankings(), (std::vector<int>{1, 2, 3}));
  for (int pos = 0; pos < 3; ++pos) {
    const CAlternative& alt = m.doc.Alternative(pos);
    EXPECT_FALSE(alt.Record(0).m_bAssessed);
    EXPECT_TRUE(alt.Record(m.v).m_bAssessed);
  }
  EXPECT_EQ(m.doc.Alternative(2).m_dUtility, 90.0);
  EXPECT_EQ(m.user.Count(), 0u);
  EXPECT_FALSE(m.doc.IsModified());

  m.doc.SetCurrentAttribute(m.q);
  AssessAttribute(m.doc);
  EXPECT_EQ(m.Rankings(), (std::vector<int>{3, 1, 2}));
}

TEST(AssessAlternative, OnlyTheCurrentAlternative) {
  SCommandModel m;
  m.doc.SetCurrentPosition(1);
  AssessAlternative(m.doc);
  EXPECT_TRUE(m.doc.Alternative(1).Record(0).m_bAssessed);
  EXPECT_FALSE(m.doc.Alternative(0).Record(0).m_bAssessed);
  EXPECT_EQ(m.doc.Attribute(m.v).m_dShownValue, 50.0);
  EXPECT_EQ(m.doc.Attribute(0).m_dShownValue, m.doc.Alternative(1).m_dUtility);
  EXPECT_EQ(m.log.Count(EDocChange::Results), 1);
  EXPECT_EQ(m.user.Count(), 0u);
}

}  // namespace
}  // namespace zev
