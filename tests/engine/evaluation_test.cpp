#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "engine/evidential_reasoning.h"
#include "engine/utility.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

// The evaluation exactly as the recursive rule states it, revisiting
// pending ancestors from inside every call; the reference for the linear
// walk on consistent trees.
void LiteralEvaluateAttribute(CAlternative& alt, int k, int& calls) {
  ASSERT_LT(++calls, 1000000) << "the literal recursion did not end";
  CAssessment* r = alt.m_assessments;
  const int last = alt.m_nLastAttribute;
  if (r[k].m_bAssessed) return;
  if (r[k].m_nChildren > 0) {
    r[k].m_nMark = 1;
    int count = 0;
    for (int i = 0; i <= last; ++i) {
      if (r[i].m_nFather != k) continue;
      if (!r[i].m_bAssessed) LiteralEvaluateAttribute(alt, i, calls);
      if (r[i].m_bAssessed) ++count;
    }
    if (count == r[k].m_nChildren) {
      AggregateChildren(alt, k);
      r[k].m_nMark = 3;
    }
  }
  for (int i = 0; i <= last; ++i) {
    if (r[i].m_nMark == 1) LiteralEvaluateAttribute(alt, i, calls);
  }
}

void LiteralStepOne(CAlternative& alt) {
  for (int i = 0; i <= alt.m_nLastAttribute; ++i) {
    CAssessment& r = alt.m_assessments[i];
    r.m_nMark = 3;
    r.m_bAssessed = false;
    if (r.m_nChildren <= 0) {
      r.m_bAssessed = true;
      InputInterval(alt, i);
    }
  }
}

void LiteralEvaluateFrom(CAlternative& alt, int k) {
  LiteralStepOne(alt);
  int calls = 0;
  if (alt.m_assessments[k].m_nChildren > 0)
    LiteralEvaluateAttribute(alt, k, calls);
  else
    InputInterval(alt, k);
}

bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult SameResults(const CAlternative& a, const CAlternative& b) {
  if (!Same(a.m_dUtility, b.m_dUtility)) {
    return ::testing::AssertionFailure() << "utility " << a.m_dUtility << " vs " << b.m_dUtility;
  }
  for (int i = 0; i <= a.m_nLastAttribute; ++i) {
    const CAssessment& x = a.m_assessments[i];
    const CAssessment& y = b.m_assessments[i];
    if (x.m_bAssessed != y.m_bAssessed || x.m_nMark != y.m_nMark) {
      return ::testing::AssertionFailure() << "state of " << i;
    }
    if (!Same(x.m_dAvgUtility, y.m_dAvgUtility) || !Same(x.m_dMaxUtility, y.m_dMaxUtility) ||
        !Same(x.m_dMinUtility, y.m_dMinUtility)) {
      return ::testing::AssertionFailure() << "interval of " << i;
    }
    for (int g = 0; g < kMaxGrades; ++g) {
      if (!Same(x.m_dBelief[g], y.m_dBelief[g])) {
        return ::testing::AssertionFailure() << "belief " << g << " of " << i;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Top (3 grades, utilities 0, 0.5, 1) with children A and B; A with the
// children A1 (qualitative) and A2 (uncertain). All matrices identity.
struct SWorkedModel {
  CMADMDoc doc;
  int a = 0, a1 = 0, a2 = 0, b = 0;
  SWorkedModel() {
    doc.OnNewDocument();
    AttachEngine(doc);
    test::BuildHierarchy(doc, {"A:", "A1:A", "A2:A", "B:"});
    a = test::FindAttribute(doc, "A");
    a1 = test::FindAttribute(doc, "A1");
    a2 = test::FindAttribute(doc, "A2");
    b = test::FindAttribute(doc, "B");
    for (int i = 0; i <= doc.LastAttribute(); ++i) doc.Attribute(i).m_nGrades = 3;
    CAttribute& top = doc.Attribute(0);
    top.SetGradeUtility(0, 0.0);
    top.SetGradeUtility(1, 0.5);
    top.SetGradeUtility(2, 1.0);
    for (int q : {a2, b}) {
      CAttribute& x = doc.Attribute(q);
      x.m_nType = q == b ? Quantitative : QuantitativeUncertain;
      x.m_dBest = 100;
      x.m_dWorst = 0;
      x.SetGradeValue(0, 0);
      x.SetGradeValue(1, 50);
      x.SetGradeValue(2, 100);
    }
    PropagateRules(doc, 0);
    CAlternative& alt = Alt();
    doc.PrepareAlternative(alt);
    CAssessment& r1 = alt.Record(a1);
    r1.m_dBelief[0] = 0;
    r1.m_dBelief[1] = 1;
    r1.m_dBelief[2] = 0;
    CAssessment& r2 = alt.Record(a2);
    r2.m_nPossibleValues = 1;
    r2.m_dPossibleValue[0] = 100;
    r2.m_dBelief[0] = 0.5;
    CAssessment& rb = alt.Record(b);
    rb.m_dValue = 75;
    rb.m_nPossibleValues = 1;
    rb.m_dPossibleValue[0] = 75;
    rb.m_dBelief[0] = 1;
  }
  CAlternative& Alt() { return doc.Alternative(0); }
};

TEST(EvaluateAll, ThreeLevelsOfMixedKindsWorkedByHand) {
  test::CScriptedUser user;
  SWorkedModel m;
  CAlternative& alt = m.Alt();
  EvaluateAll(alt);

  // A: A1 (0, 0.5, 0) with m-H 0.5 against A2 (0, 0, 0.25) with m~H 0.25:
  // C = 1/8, K = 8/7, masses (0, 3/7, 1/7), m~H 1/7, m-H 2/7, D = 5/7.
  const CAssessment& ra = alt.Record(m.a);
  EXPECT_NEAR(ra.m_dBelief[0], 0.0, 1e-15);
  EXPECT_NEAR(ra.m_dBelief[1], 0.6, 1e-15);
  EXPECT_NEAR(ra.m_dBelief[2], 0.2, 1e-15);
  EXPECT_NEAR(ra.m_dMinUtility, 0.5, 1e-15);
  EXPECT_NEAR(ra.m_dMaxUtility, 0.7, 1e-15);
  EXPECT_NEAR(ra.m_dAvgUtility, 0.6, 1e-15);

  // Top: A against B = 75, halfway between the values 50 and 100:
  // C = 0.1, K = 10/9, masses (0, 5/12, 1/4), m~H 1/18, m-H 5/18, D = 13/18.
  const CAssessment& top = alt.Record(0);
  EXPECT_NEAR(top.m_dBelief[0], 0.0, 1e-15);
  EXPECT_NEAR(top.m_dBelief[1], 15.0 / 26.0, 1e-15);
  EXPECT_NEAR(top.m_dBelief[2], 9.0 / 26.0, 1e-15);
  EXPECT_NEAR(top.m_dMinUtility, 16.5 / 26.0, 1e-15);
  EXPECT_NEAR(top.m_dMaxUtility, 18.5 / 26.0, 1e-15);
  EXPECT_NEAR(top.m_dAvgUtility, 17.5 / 26.0, 1e-15);
  EXPECT_EQ(alt.m_dUtility, top.m_dAvgUtility);

  // Bottom attributes from their own input.
  const CAssessment& r2 = alt.Record(m.a2);
  EXPECT_NEAR(r2.m_dMinUtility, 0.5, 1e-15);
  EXPECT_NEAR(r2.m_dMaxUtility, 1.0, 1e-15);
  EXPECT_NEAR(r2.m_dAvgUtility, 0.75, 1e-15);
  EXPECT_NEAR(alt.Record(m.b).m_dAvgUtility, 0.75, 1e-15);

  for (int i = 0; i <= m.doc.LastAttribute(); ++i) {
    EXPECT_TRUE(alt.Record(i).m_bAssessed) << i;
    EXPECT_EQ(alt.Record(i).m_nMark, kMarkSettled) << i;
  }

  CopyDisplayValues(m.doc, alt);
  EXPECT_EQ(m.doc.Attribute(m.b).m_dShownValue, 75.0);  // precise: the value
  EXPECT_NEAR(m.doc.Attribute(m.a2).m_dShownValue, 0.75, 1e-15);
  EXPECT_NEAR(m.doc.Attribute(m.a).m_dShownValue, 0.6, 1e-15);
}

TEST(EvaluateAll, ZeroWeightChildDropsOut) {
  test::CScriptedUser user;
  SWorkedModel m;
  m.doc.Attribute(m.b).m_dWeight = 0.0;
  CAlternative& alt = m.Alt();
  m.doc.PrepareAlternative(alt);
  EvaluateAll(alt);
  // The top is A alone.
  EXPECT_NEAR(alt.Record(0).m_dBelief[1], 0.6, 1e-15);
  EXPECT_NEAR(alt.Record(0).m_dBelief[2], 0.2, 1e-15);
  EXPECT_NEAR(alt.m_dUtility, 0.6, 1e-15);
}

TEST(EvaluateAll, WeightsAreUsedRoundedToFourDecimals) {
  test::CScriptedUser user;
  SWorkedModel m;
  m.doc.Attribute(m.a).m_dWeight = 1.0 / 3.0;
  m.doc.Attribute(m.b).m_dWeight = 2.0 / 3.0;
  CAlternative& alt = m.Alt();
  m.doc.PrepareAlternative(alt);
  EXPECT_EQ(alt.Record(m.a).m_dWeight, 0.3333);
  EXPECT_EQ(alt.Record(m.b).m_dWeight, 0.6667);
  EvaluateAll(alt);
  // Against the same combination with the rounded weights given directly.
  std::vector<double> weights = {0.3333, 0.6667};
  std::vector<double> rows = {0, 0.6, 0.2, 0, 0.5, 0.5};
  std::vector<double> result(4);
  CombineEvidence(weights, rows, 3, result);
  for (int g = 0; g < 3; ++g)
    EXPECT_NEAR(alt.Record(0).m_dBelief[g], result[static_cast<size_t>(g)], 1e-15);
}

TEST(EvaluateAll, EqualThirdsNormaliseToAThird) {
  // 1/3 is stored as 0.3333 three times; normalised each is exactly 1/3 again.
  std::vector<double> weights = {0.3333, 0.3333, 0.3333};
  std::vector<double> rows = {1, 0, 0, 1, 0.5, 0};
  std::vector<double> result(3);
  CombineEvidence(weights, rows, 2, result);
  EXPECT_EQ(weights[0], 1.0 / 3.0);
  EXPECT_EQ(weights[2], 1.0 / 3.0);
  EXPECT_NEAR(result[0], 8.0 / 15.0, 1e-15);
  EXPECT_NEAR(result[1], 1.0 / 3.0, 1e-15);
}

TEST(EvaluateFrom, SubtreeOnlyAndTheRestStale) {
  test::CScriptedUser user;
  SWorkedModel m;
  CAlternative& alt = m.Alt();
  EvaluateAll(alt);
  const double topBefore = alt.Record(0).m_dBelief[1];
  EvaluateFrom(alt, m.a);
  EXPECT_TRUE(alt.Record(m.a).m_bAssessed);
  EXPECT_FALSE(alt.Record(0).m_bAssessed);
  EXPECT_EQ(alt.Record(0).m_dBelief[1], topBefore);  // kept, not current
  EXPECT_TRUE(alt.Record(m.b).m_bAssessed);          // every bottom attribute
  EXPECT_NEAR(alt.m_dUtility, 0.6, 1e-15);

  // On a precise quantitative bottom attribute m_dUtility is its average
  // expected value.
  EvaluateFrom(alt, m.b);
  EXPECT_EQ(alt.m_dUtility, 75.0);
  EXPECT_FALSE(alt.Record(m.a).m_bAssessed);
}

TEST(EvaluateAll, ChildCountThatDoesNotMatchLeavesTheFatherUnassessed) {
  test::CScriptedUser user;
  for (int count : {3, 1}) {
    SWorkedModel m;
    m.doc.Attribute(m.a).m_nChildren = count;
    CAlternative& alt = m.Alt();
    m.doc.PrepareAlternative(alt);
    EvaluateAll(alt);
    EXPECT_FALSE(alt.Record(m.a).m_bAssessed) << count;
    EXPECT_EQ(alt.Record(m.a).m_nMark, kMarkPending) << count;
    EXPECT_FALSE(alt.Record(0).m_bAssessed) << count;
    EXPECT_TRUE(alt.Record(m.a1).m_bAssessed) << count;
    EXPECT_TRUE(alt.Record(m.b).m_bAssessed) << count;
  }
}

TEST(EvaluateAll, LinksFormingALoopEndTheEvaluation) {
  CAlternative alt;
  alt.m_nLastAttribute = 3;
  CAssessment* r = alt.m_assessments;
  r[0].m_nChildren = 1;
  r[1].m_nFather = 0;
  r[1].m_nChildren = 1;
  r[2].m_nFather = 3;  // 2 and 3 are each other's father
  r[2].m_nChildren = 1;
  r[3].m_nFather = 2;
  r[3].m_nChildren = 1;
  r[1].m_nChildren = 0;
  EvaluateAll(alt);
  EXPECT_TRUE(alt.Record(0).m_bAssessed);
  EvaluateFrom(alt, 2);
  EXPECT_FALSE(alt.Record(2).m_bAssessed);
  EXPECT_FALSE(alt.Record(3).m_bAssessed);
  EvaluateAttribute(alt, 3);
  EXPECT_FALSE(alt.Record(3).m_bAssessed);
}

TEST(AggregateChildren, OneChildGivesItsOwnTransformedAssessment) {
  test::CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"C:"});
  const int c = test::FindAttribute(doc, "C");
  doc.Attribute(c).m_dWeight = 0.5;
  doc.Attribute(c).m_nGrades = 2;
  doc.Attribute(0).m_nGrades = 3;
  // Child grade 0 is father grade 0 and half of grade 1; child grade 1 is
  // father grade 2.
  doc.Attribute(c).SetConversionEntry(0, 0, 0.5);
  doc.Attribute(c).SetConversionEntry(0, 1, 0.5);
  doc.Attribute(c).SetConversionEntry(1, 1, 0.0);
  doc.Attribute(c).SetConversionEntry(1, 2, 1.0);
  CAlternative& alt = doc.Alternative(0);
  doc.PrepareAlternative(alt);
  alt.Record(c).m_dBelief[0] = 0.2;
  alt.Record(c).m_dBelief[1] = 0.7;
  EvaluateAll(alt);
  double beta[3];
  TransformToFatherGrades(alt.Record(c), 3, beta);
  EXPECT_NEAR(beta[0], 0.1, 1e-15);
  EXPECT_NEAR(beta[1], 0.1, 1e-15);
  EXPECT_NEAR(beta[2], 0.7, 1e-15);
  for (int g = 0; g < 3; ++g) EXPECT_NEAR(alt.Record(0).m_dBelief[g], beta[g], 1e-15);
}

TEST(TransformToFatherGrades, ValuesSplitBetweenBracketingGrades) {
  CAssessment r;
  r.m_nType = Quantitative;
  r.m_nGrades = 3;
  r.SetGradeValue(0, 10);
  r.SetGradeValue(1, 20);
  r.SetGradeValue(2, 40);
  double beta[3];
  const struct {
    double x;
    double expected[3];
  } cases[] = {
      {20, {0, 1, 0}},        // equal to a grade value
      {15, {0.5, 0.5, 0}},    // halfway
      {35, {0, 0.25, 0.75}},  // a quarter of the way from 40 to 20
      {5, {1, 0, 0}},         // below the worst grade value
      {99, {0, 0, 1}},        // beyond the best
  };
  for (const auto& c : cases) {
    r.m_dValue = c.x;
    TransformToFatherGrades(r, 3, beta);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(beta[j], c.expected[j], 1e-15) << c.x << " " << j;
  }
}

TEST(TransformToFatherGrades, UncertainRemainderStaysUnassigned) {
  CAssessment r;
  r.m_nType = QuantitativeUncertain;
  r.m_nGrades = 3;
  r.SetGradeValue(0, 0);
  r.SetGradeValue(1, 50);
  r.SetGradeValue(2, 100);
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[0] = 25;
  r.m_dBelief[0] = 0.4;
  r.m_dPossibleValue[1] = 100;
  r.m_dBelief[1] = 0.3;
  double beta[3];
  TransformToFatherGrades(r, 3, beta);
  EXPECT_NEAR(beta[0], 0.2, 1e-15);
  EXPECT_NEAR(beta[1], 0.2, 1e-15);
  EXPECT_NEAR(beta[2], 0.3, 1e-15);
  EXPECT_NEAR(1.0 - beta[0] - beta[1] - beta[2], 0.3, 1e-15);
}

TEST(TransformToFatherGrades, MatrixMapsOwnGradesToFewerFatherGrades) {
  CAssessment r;
  r.m_nGrades = 4;
  const double m[4][2] = {{1, 0}, {0.75, 0.25}, {0.25, 0.75}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 2; ++j) r.SetConversionEntry(i, j, m[i][j]);
  }
  r.m_dBelief[0] = 0.1;
  r.m_dBelief[1] = 0.2;
  r.m_dBelief[2] = 0.4;
  r.m_dBelief[3] = 0.1;
  double beta[2];
  TransformToFatherGrades(r, 2, beta);
  EXPECT_NEAR(beta[0], 0.1 + 0.15 + 0.1, 1e-15);
  EXPECT_NEAR(beta[1], 0.05 + 0.3 + 0.1, 1e-15);
}

// Random consistent models: random shapes, grade counts, matrices, kinds,
// weights (some zero) and incomplete inputs.
void RandomModel(std::mt19937_64& rng, CMADMDoc& doc, CAlternative*& alt) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  doc.OnNewDocument();
  const int size = 2 + static_cast<int>(rng() % 24);
  for (int n = 1; n < size; ++n) {
    // A father is any qualitative attribute.
    std::vector<int> fathers;
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      if (doc.Attribute(i).m_nType == Qualitative) fathers.push_back(i);
    }
    int f = fathers[rng() % fathers.size()];
    int c = test::AddChild(doc, f);
    if (rng() % 3 == 0) doc.Attribute(c).m_nType = rng() % 2 ? Quantitative : QuantitativeUncertain;
  }
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    CAttribute& a = doc.Attribute(i);
    if (a.m_nChildren > 0) a.m_nType = Qualitative;
    a.m_nGrades = 1 + static_cast<int>(rng() % 7);
    a.m_dWeight = unit(rng) < 0.15 ? 0.0 : unit(rng) * 2;
    a.m_dBest = 100;
    a.m_dWorst = 0;
    SGradeTable& g = a.MutableGrades();
    for (int k = 0; k < kMaxGrades; ++k) {
      g.m_dGradeValue[k] = rng() % 2 ? 100.0 * k / 6 : 100.0 - 100.0 * k / 6;
      g.m_dGradeUtility[k] = unit(rng);
      double total = 0;
      for (int j = 0; j < kMaxGrades; ++j)
        total += (g.m_dConversion[k][j] = unit(rng) < 0.5 ? 0 : unit(rng));
      for (int j = 0; j < kMaxGrades; ++j) g.m_dConversion[k][j] /= total > 0 ? total : 1;
    }
  }
  alt = &doc.Alternative(0);
  doc.PrepareAlternative(*alt);
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    CAssessment& r = alt->Record(i);
    r.m_nPossibleValues = 1 + static_cast<int>(rng() % 5);
    double total = 0;
    for (int k = 0; k < kMaxGrades; ++k) total += (r.m_dBelief[k] = unit(rng));
    const double scale = (unit(rng) < 0.5 ? 1.0 : unit(rng)) / total;
    for (int k = 0; k < kMaxGrades; ++k) r.m_dBelief[k] *= scale * (kMaxGrades / 7.0);
    for (int k = 0; k < kMaxGrades; ++k) r.m_dPossibleValue[k] = unit(rng) * 120 - 10;
    r.m_dValue = unit(rng) * 120 - 10;
  }
  // Degrees in use sum to at most one.
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    CAssessment& r = alt->Record(i);
    const int n = std::max(r.m_nGrades, r.m_nPossibleValues);
    double total = 0;
    for (int k = 0; k < n; ++k) total += r.m_dBelief[k];
    if (total > 1) {
      for (int k = 0; k < n; ++k) r.m_dBelief[k] /= total;
    }
  }
}

TEST(EvaluateAll, EqualsTheLiteralRecursionOnConsistentTrees) {
  test::CScriptedUser user;
  std::mt19937_64 rng(3);
  for (int trial = 0; trial < 300; ++trial) {
    CMADMDoc doc;
    CAlternative* alt = nullptr;
    RandomModel(rng, doc, alt);
    ASSERT_TRUE(test::TreeIsConsistent(doc));
    CAlternative literal(*alt);
    EvaluateAll(*alt);
    LiteralEvaluateFrom(literal, 0);
    ASSERT_TRUE(SameResults(*alt, literal)) << "trial " << trial;

    // Every result on grades is a distribution with its interval in order
    // (the value scales here are random, so a quantitative interval need
    // not be).
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CAssessment& r = alt->Record(i);
      EXPECT_TRUE(r.m_bAssessed);
      if (r.m_nType != Qualitative) continue;
      EXPECT_LE(r.m_dMinUtility, r.m_dAvgUtility + 1e-15);
      EXPECT_LE(r.m_dAvgUtility, r.m_dMaxUtility + 1e-15);
      if (r.m_nChildren > 0) {
        double total = 0;
        for (int g = 0; g < r.m_nGrades; ++g) total += r.m_dBelief[g];
        EXPECT_LE(total, 1.0 + 1e-12);
      }
    }

    const int k = static_cast<int>(rng() % static_cast<unsigned>(doc.LastAttribute() + 1));
    EvaluateFrom(*alt, k);
    LiteralEvaluateFrom(literal, k);
    ASSERT_TRUE(SameResults(*alt, literal)) << "trial " << trial << " from " << k;
  }
}

}  // namespace
}  // namespace zev
