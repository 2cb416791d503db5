// Evaluating every alternative on several threads, and evaluating again only
// what changed, give the results of the sequential full evaluation to the
// bit.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "engine/evaluate_every.h"
#include "engine/evidential_reasoning.h"
#include "engine/parallel.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

// This many threads, with every model worth all of them, for a scope.
class CThreads {
 public:
  explicit CThreads(int n) {
    SetEvaluationThreads(n);
    SetWorkPerThread(1);
  }
  ~CThreads() {
    SetEvaluationThreads(0);
    SetWorkPerThread(0);
  }
};

bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Everything an evaluation and a ranking leave in a document. The
// unassigned degrees are one minus the beliefs, so equal beliefs give
// equal unassigned degrees.
::testing::AssertionResult SameResults(const CMADMDoc& a, const CMADMDoc& b) {
  auto fail = [](const char* what, int pos, int i) {
    return ::testing::AssertionFailure() << what << " of alternative " << pos << " record " << i;
  };
  if (a.AlternativeCount() != b.AlternativeCount()) return fail("count", -1, -1);
  for (int i = 0; i <= a.LastAttribute(); ++i) {
    if (!Same(a.Attribute(i).m_dShownValue, b.Attribute(i).m_dShownValue))
      return fail("shown value", -1, i);
    if (a.Attribute(i).m_nMark != b.Attribute(i).m_nMark) return fail("mark", -1, i);
  }
  for (int pos = 0; pos < a.AlternativeCount(); ++pos) {
    const CAlternative& x = a.Alternative(pos);
    const CAlternative& y = b.Alternative(pos);
    if (!Same(x.m_dUtility, y.m_dUtility) || x.m_nRanking != y.m_nRanking ||
        x.m_nSelection != y.m_nSelection || x.m_nCurrentAttribute != y.m_nCurrentAttribute ||
        x.m_nLastAttribute != y.m_nLastAttribute) {
      return fail("utility, ranking or marks", pos, -1);
    }
    for (int i = 0; i <= a.LastAttribute(); ++i) {
      const CAssessment& r = x.Record(i);
      const CAssessment& s = y.Record(i);
      if (r.m_bAssessed != s.m_bAssessed || r.m_nMark != s.m_nMark) return fail("state", pos, i);
      if (!Same(r.m_dWeight, s.m_dWeight)) return fail("weight", pos, i);
      if (!Same(r.m_dAvgUtility, s.m_dAvgUtility) || !Same(r.m_dMaxUtility, s.m_dMaxUtility) ||
          !Same(r.m_dMinUtility, s.m_dMinUtility)) {
        return fail("interval", pos, i);
      }
      for (int g = 0; g < kMaxGrades; ++g) {
        if (!Same(r.m_dBelief[g], s.m_dBelief[g])) return fail("belief", pos, i);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Random input of one alternative on one bottom attribute, incomplete or not.
void RandomInput(std::mt19937_64& rng, CAssessment& r) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  r.m_nPossibleValues = 1 + static_cast<int>(rng() % 4);
  double total = 0.0;
  for (int k = 0; k < kMaxGrades; ++k)
    total += (r.m_dBelief[k] = unit(rng) < 0.3 ? 0.0 : unit(rng));
  const double scale = (unit(rng) < 0.5 ? 1.0 : unit(rng)) / (total > 0 ? total : 1.0);
  const int n = std::max(std::min(r.m_nGrades, kMaxGrades), r.m_nPossibleValues);
  for (int k = 0; k < kMaxGrades; ++k) r.m_dBelief[k] *= scale * kMaxGrades / n;
  total = 0.0;
  for (int k = 0; k < n; ++k) total += r.m_dBelief[k];
  if (total > 1.0) {
    for (int k = 0; k < n; ++k) r.m_dBelief[k] /= total;
  }
  for (double& v : r.m_dPossibleValue) v = unit(rng) * 120 - 10;
  r.m_dValue = unit(rng) * 120 - 10;
}

double RandomWeight(std::mt19937_64& rng, double old) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  switch (rng() % 4) {
    case 0:
      return 0.0;
    case 1:
      return old + 1e-6;  // the same weight once rounded to four decimals
    default:
      return unit(rng) * 2;
  }
}

// A random hierarchy of every kind, some weights zero, 1 to 40 alternatives
// with random inputs; now and then a father whose child count is wrong, so
// that the top is never aggregated.
void BuildRandomModel(std::uint64_t seed, CMADMDoc& doc) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  doc.OnNewDocument();
  AttachEngine(doc);
  const int size = 2 + static_cast<int>(rng() % 15);
  for (int n = 1; n < size; ++n) {
    std::vector<int> fathers;
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      if (doc.Attribute(i).m_nType == Qualitative) fathers.push_back(i);
    }
    const int c = test::AddChild(doc, fathers[rng() % fathers.size()]);
    if (rng() % 3 == 0) doc.Attribute(c).m_nType = rng() % 2 ? Quantitative : QuantitativeUncertain;
  }
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    CAttribute& a = doc.Attribute(i);
    if (a.m_nChildren > 0) a.m_nType = Qualitative;
    a.m_nGrades = 1 + static_cast<int>(rng() % 7);
    a.m_dWeight = RandomWeight(rng, 1.0);
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
  const int alternatives = 1 + static_cast<int>(rng() % 40);
  while (doc.AlternativeCount() < alternatives) doc.AddAlternativeCommand();
  for (int pos = 0; pos < alternatives; ++pos) {
    CAlternative& alternative = doc.Alternative(pos);
    doc.PrepareAlternative(alternative);
    for (int i = 0; i <= doc.LastAttribute(); ++i) RandomInput(rng, alternative.Record(i));
  }
  if (rng() % 10 == 0) {
    const int father = doc.Attribute(static_cast<int>(1 + rng() % doc.LastAttribute())).m_nFather;
    doc.Attribute(father).m_nChildren += 1;
  }
}

enum class EStep {
  Nothing,
  Weights,
  Input,
  WeightsAndInput,
  NewAlternative,
  Removal,
  Definition,
  Drag,
  Drag2,
  Drag3
};
constexpr int kSteps = 10;

// One change, the same in both documents (rng seeded alike). The drags
// change the weight of the same attribute (`dragged`) again and again.
void Change(std::mt19937_64& rng, CMADMDoc& doc, EStep step, int dragged) {
  const int last = doc.LastAttribute();
  if (step >= EStep::Drag) {
    CAttribute& a = doc.Attribute(dragged);
    a.m_dWeight = RandomWeight(rng, a.m_dWeight);
  }
  if (step == EStep::Weights || step == EStep::WeightsAndInput) {
    for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) {
      CAttribute& a = doc.Attribute(static_cast<int>(rng() % (last + 1)));
      a.m_dWeight = RandomWeight(rng, a.m_dWeight);
    }
  }
  if (step == EStep::Input || step == EStep::WeightsAndInput) {
    const int pos = static_cast<int>(rng() % doc.AlternativeCount());
    const int i = static_cast<int>(rng() % (last + 1));
    doc.PrepareAlternative(doc.Alternative(pos));
    RandomInput(rng, doc.Alternative(pos).Record(i));
    doc.PublishChanges({EDocChange::Assessment, i, pos});
  }
  if (step == EStep::NewAlternative) {
    // As a window adds one: the list itself, then the input, published.
    CAlternative& added = doc.AddAlternative(doc.NewAlternative());
    doc.PrepareAlternative(added);
    for (int i = 0; i <= last; ++i) RandomInput(rng, added.Record(i));
    doc.PublishChanges({EDocChange::Assessment, -1, doc.AlternativeCount() - 1});
  }
  if (step == EStep::Removal && doc.AlternativeCount() > 1) {
    doc.RemoveAlternative(&doc.Alternative(static_cast<int>(rng() % doc.AlternativeCount())));
  }
  if (step == EStep::Definition) {
    CAttribute& a = doc.Attribute(static_cast<int>(rng() % (last + 1)));
    a.SetGradeUtility(0, 0.25);
    a.SetConversionEntry(0, 0, 0.5);
  }
}

// Evaluating every alternative (with the definitions' plan, the records
// that share their definitions prepared without rewriting them) leaves
// every record as preparing and evaluating each alternative alone does,
// on the first evaluation, on the next and on a subtree, whatever marks
// the attributes hold in between.
TEST(Reevaluation, EveryAlternativeEqualsEachAlternativeAlone) {
  test::CScriptedUser user;
  std::mt19937_64 rng(5);
  for (int trial = 0; trial < 30; ++trial) {
    const std::uint64_t seed = rng();
    const int nThreads = trial % 2 ? 2 : 1;
    CMADMDoc every;
    CMADMDoc alone;
    BuildRandomModel(seed, every);
    BuildRandomModel(seed, alone);
    SCOPED_TRACE(::testing::Message() << "trial " << trial << ", " << nThreads << " threads");
    // Twice on every attribute, then on one attribute's subtree.
    for (int pass = 0; pass < 3; ++pass) {
      const auto mark = static_cast<std::uint16_t>(5 + pass);
      for (int i = 0; i <= every.LastAttribute(); ++i) {
        every.Attribute(i).m_nMark = mark;
        alone.Attribute(i).m_nMark = mark;
      }
      const int k = pass < 2 ? 0 : static_cast<int>(rng() % (every.LastAttribute() + 1));
      {
        CThreads threads(nThreads);
        if (k == 0)
          EvaluateEveryAlternative(every);
        else
          EvaluateEveryAlternativeFrom(every, k);
      }
      for (int pos = 0; pos < alone.AlternativeCount(); ++pos) {
        alone.PrepareAlternative(alone.Alternative(pos));
        EvaluateFrom(alone.Alternative(pos), k);
      }
      CopyDisplayValues(alone, alone.Alternative(alone.AlternativeCount() - 1));
      ASSERT_TRUE(SameResults(alone, every)) << "pass " << pass;
    }
  }
}

TEST(Reevaluation, EqualsTheSequentialFullEvaluationBitForBit) {
  test::CScriptedUser user;
  std::mt19937_64 rng(11);
  const int threadCounts[] = {1, 2, 7};
  for (int trial = 0; trial < 45; ++trial) {
    const std::uint64_t seed = rng();
    const int nThreads = threadCounts[trial % 3];
    const bool bKeepMarks = trial % 2 == 0;
    CMADMDoc reference;
    CMADMDoc live;
    BuildRandomModel(seed, reference);
    BuildRandomModel(seed, live);
    const bool bTopAggregated = test::TreeIsConsistent(live);
    const int dragged = static_cast<int>(rng() % (live.LastAttribute() + 1));
    SCOPED_TRACE(::testing::Message() << "trial " << trial << ", " << nThreads << " threads");

    auto evaluateBoth = [&] {
      {
        CThreads one(1);
        bKeepMarks ? EvaluateAndRankKeepingMarks(reference) : EvaluateAndRank(reference);
      }
      CThreads many(nThreads);
      return bKeepMarks ? ReevaluateAndRankKeepingMarks(live) : ReevaluateAndRank(live);
    };
    ASSERT_TRUE(evaluateBoth().m_bFull);
    ASSERT_TRUE(SameResults(reference, live));

    for (int n = 0; n < 12; ++n) {
      const auto step = static_cast<EStep>(rng() % kSteps);
      const std::uint64_t stepSeed = rng();
      std::mt19937_64 a(stepSeed);
      std::mt19937_64 b(stepSeed);
      Change(a, reference, step, dragged);
      Change(b, live, step, dragged);
      const SReevaluation done = evaluateBoth();
      ASSERT_TRUE(SameResults(reference, live)) << "step " << n << " kind " << int(step);
      EXPECT_EQ(done.m_bFull, step == EStep::Definition) << "step " << n;
      if (step == EStep::Input || step == EStep::NewAlternative) {
        EXPECT_EQ(done.m_nAlternatives, 1) << "step " << n;
      }
      if ((step == EStep::Weights || step >= EStep::Drag) && bTopAggregated) {
        EXPECT_EQ(done.m_nAlternatives, 0) << "step " << n;
      }
    }

    // Assessing one attribute evaluates every alternative on its subtree,
    // which is no full evaluation: the next one evaluates everything.
    const int k = static_cast<int>(rng() % (live.LastAttribute() + 1));
    reference.SetCurrentAttribute(k);
    live.SetCurrentAttribute(k);
    {
      CThreads one(1);
      AssessAttribute(reference);
    }
    {
      CThreads many(nThreads);
      AssessAttribute(live);
    }
    ASSERT_TRUE(SameResults(reference, live)) << "assessing " << k;
    EXPECT_TRUE(evaluateBoth().m_bFull);
    ASSERT_TRUE(SameResults(reference, live));
  }
}

}  // namespace
}  // namespace zev
