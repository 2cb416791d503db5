// Speed of the evaluation engine on the 50-attribute model with 10,000
// assessed alternatives, of one aggregation, and of the ranking selection,
// each beside a straightforward implementation where there is one. The
// evaluations of every alternative run on every core (argument 0) or on
// one thread (argument 1, the sequential path), and the re-evaluations
// after a change stand beside the sequential full evaluation of the same
// work.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_models.h"
#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "engine/evidential_reasoning.h"
#include "engine/parallel.h"
#include "engine/ranking.h"
#include "engine/utility.h"
#include "tests/support/model_builders.h"

namespace zev {
namespace {

constexpr int kAlternatives = 10000;

CMADMDoc& BenchModel() {
  static std::unique_ptr<CMADMDoc> doc = [] {
    bench::Silent();
    auto d = std::make_unique<CMADMDoc>();
    AttachEngine(*d);
    test::BuildFiftyAttributeModel(*d);
    PropagateRules(*d, 0);
    while (d->AlternativeCount() < kAlternatives) d->AddAlternativeCommand();
    std::mt19937_64 rng(1);
    for (int pos = 0; pos < d->AlternativeCount(); ++pos) {
      bench::Assess(*d, d->Alternative(pos), rng);
    }
    return d;
  }();
  return *doc;
}

// --- evaluation of every alternative --------------------------------------

void BM_PrepareAndEvaluateAll(benchmark::State& state) {
  CMADMDoc& doc = BenchModel();
  int pos = 0;
  for (auto _ : state) {
    CAlternative& alt = doc.Alternative(pos);
    doc.PrepareAlternative(alt);
    EvaluateAll(alt);
    benchmark::DoNotOptimize(alt.m_dUtility);
    if (++pos == kAlternatives) pos = 0;
  }
  state.SetLabel("per alternative");
}
BENCHMARK(BM_PrepareAndEvaluateAll);

// The recursion as literally stated, re-aggregating pending ancestors.
void LiteralEvaluateAttribute(CAlternative& alt, int k) {
  CAssessment* r = alt.m_assessments;
  const int last = alt.m_nLastAttribute;
  if (r[k].m_bAssessed) return;
  if (r[k].m_nChildren > 0) {
    r[k].m_nMark = 1;
    int count = 0;
    for (int i = 0; i <= last; ++i) {
      if (r[i].m_nFather != k) continue;
      if (!r[i].m_bAssessed) LiteralEvaluateAttribute(alt, i);
      if (r[i].m_bAssessed) ++count;
    }
    if (count == r[k].m_nChildren) {
      AggregateChildren(alt, k);
      r[k].m_nMark = 3;
    }
  }
  for (int i = 0; i <= last; ++i) {
    if (r[i].m_nMark == 1) LiteralEvaluateAttribute(alt, i);
  }
}

void BM_PrepareAndEvaluateAllLiteralRecursion(benchmark::State& state) {
  CMADMDoc& doc = BenchModel();
  int pos = 0;
  for (auto _ : state) {
    CAlternative& alt = doc.Alternative(pos);
    doc.PrepareAlternative(alt);
    for (int i = 0; i <= alt.m_nLastAttribute; ++i) {
      CAssessment& r = alt.m_assessments[i];
      r.m_nMark = 3;
      r.m_bAssessed = false;
      if (r.m_nChildren <= 0) {
        r.m_bAssessed = true;
        InputInterval(alt, i);
      }
    }
    LiteralEvaluateAttribute(alt, 0);
    benchmark::DoNotOptimize(alt.m_dUtility);
    if (++pos == kAlternatives) pos = 0;
  }
  state.SetLabel("per alternative");
}
BENCHMARK(BM_PrepareAndEvaluateAllLiteralRecursion);

// --- evaluating every alternative ---------------------------------------------

// The threads of one benchmark: state.range(0), where 0 is every core.
class CBenchThreads {
 public:
  explicit CBenchThreads(const benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    SetEvaluationThreads(n);
    m_strLabel = n == 1 ? "one thread" : "every core";
  }
  ~CBenchThreads() { SetEvaluationThreads(0); }
  std::string Label(const char* what) const { return m_strLabel + ", " + what; }

 private:
  std::string m_strLabel;
};

void BM_RankCommand(benchmark::State& state) {
  CMADMDoc& doc = BenchModel();
  CBenchThreads threads(state);
  for (auto _ : state) {
    RankAlternatives(doc);
    benchmark::DoNotOptimize(doc.Alternative(0).m_nRanking);
  }
  state.SetLabel(threads.Label("10,000 alternatives"));
}
BENCHMARK(BM_RankCommand)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// A qualitative leaf of the first group: changing its weight reaches its
// group and the top.
int WeightLeaf(const CMADMDoc& doc) { return test::FindAttribute(doc, "Leaf 1.1"); }

// A window's drags, each followed by its re-evaluation with marks kept:
// on state.range(0) threads, of only what changed when state.range(1) is 1,
// of every alternative when it is 0.
template <typename FDrag>
void Drags(benchmark::State& state, const char* what, FDrag drag) {
  CMADMDoc& doc = BenchModel();
  CBenchThreads threads(state);
  const bool bOnlyWhatChanged = state.range(1) != 0;
  EvaluateAndRankKeepingMarks(doc);
  int round = 0;
  for (auto _ : state) {
    drag(doc, ++round, [&] {
      if (bOnlyWhatChanged)
        ReevaluateAndRankKeepingMarks(doc);
      else
        EvaluateAndRankKeepingMarks(doc);
    });
  }
  state.SetLabel(threads.Label(
      (std::string(bOnlyWhatChanged ? "only what changed, " : "every alternative, ") + what)
          .c_str()));
}

void DragArgs(benchmark::internal::Benchmark* b) {
  b->Args({1, 0})->Args({1, 1})->Args({0, 1})->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The weight of a leaf between two values.
void BM_WeightChange(benchmark::State& state) {
  Drags(state, "one weight", [](CMADMDoc& doc, int round, auto reevaluate) {
    doc.Attribute(WeightLeaf(doc)).m_dWeight = round % 2 ? 0.2 : 0.7;
    reevaluate();
  });
}
BENCHMARK(BM_WeightChange)->Apply(DragArgs);

// The rank change graph: the weight through 0, 0.1, ..., 1.0, each step
// re-evaluated, then back to where it was.
void BM_RankChangeGraph(benchmark::State& state) {
  Drags(state, "11 weights", [](CMADMDoc& doc, int, auto reevaluate) {
    CAttribute& leaf = doc.Attribute(WeightLeaf(doc));
    const double weight = leaf.m_dWeight;
    for (int j = 0; j <= 10; ++j) {
      leaf.m_dWeight = j * 0.1;
      reevaluate();
      benchmark::DoNotOptimize(doc.Alternative(0).Record(0).m_dAvgUtility);
    }
    leaf.m_dWeight = weight;
  });
}
BENCHMARK(BM_RankChangeGraph)->Apply(DragArgs);

// One drag in the input-data window: one belief of one alternative.
void BM_InputChange(benchmark::State& state) {
  Drags(state, "one input", [](CMADMDoc& doc, int round, auto reevaluate) {
    const int pos = kAlternatives / 2;
    const int leaf = WeightLeaf(doc);
    doc.Alternative(pos).Record(leaf).m_dBelief[0] = round % 2 ? 0.1 : 0.2;
    doc.PublishChanges({EDocChange::Assessment, leaf, pos});
    reevaluate();
  });
}
BENCHMARK(BM_InputChange)->Apply(DragArgs);

// --- the ranking selection ----------------------------------------------------

std::vector<double> TopScores() {
  CMADMDoc& doc = BenchModel();
  std::vector<double> scores;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    CAlternative& alt = doc.Alternative(pos);
    doc.PrepareAlternative(alt);
    EvaluateAll(alt);
    scores.push_back(RankingScore(alt, 0));
  }
  return scores;
}

void BM_RankScores(benchmark::State& state) {
  const std::vector<double> scores = TopScores();
  std::vector<int> rankings(scores.size());
  for (auto _ : state) {
    RankScores(scores, rankings);
    benchmark::DoNotOptimize(rankings.data());
  }
  state.SetLabel("chain of running bests, 10,000 scores");
}
BENCHMARK(BM_RankScores)->Unit(benchmark::kMillisecond);

void BM_RankScoresByScan(benchmark::State& state) {
  const std::vector<double> scores = TopScores();
  std::vector<int> rankings(scores.size());
  for (auto _ : state) {
    RankScoresByScan(scores, rankings);
    benchmark::DoNotOptimize(rankings.data());
  }
  state.SetLabel("literal passes, 10,000 scores");
}
BENCHMARK(BM_RankScoresByScan)->Unit(benchmark::kMillisecond);

// The literal selection reading every score from the alternatives' records
// on every pass, as a by-value ranking would.
void BM_RankOnRecordsByScan(benchmark::State& state) {
  CMADMDoc& doc = BenchModel();
  TopScores();
  const int n = doc.AlternativeCount();
  for (auto _ : state) {
    for (int pos = 0; pos < n; ++pos) doc.Alternative(pos).m_nSelection = 0;
    double previous = 0;
    int previousRanking = 0;
    for (int position = 1; position <= n; ++position) {
      double best = kRankingStart;
      CAlternative* chosen = nullptr;
      for (int pos = 0; pos < n; ++pos) {
        CAlternative& alt = doc.Alternative(pos);
        if (alt.m_nSelection != 0) continue;
        const double score = RankingScore(alt, 0);
        if (score - best >= kRankingTolerance) {
          best = score;
          chosen = &alt;
        }
      }
      const int ranking =
          position > 1 && best - previous >= -kRankingTolerance ? previousRanking : position;
      chosen->m_nRanking = ranking;
      chosen->m_nSelection = 1;
      previous = best;
      previousRanking = ranking;
    }
    benchmark::DoNotOptimize(doc.Alternative(0).m_nRanking);
  }
  state.SetLabel("literal passes over the records, 10,000 alternatives");
}
BENCHMARK(BM_RankOnRecordsByScan)->Unit(benchmark::kMillisecond);

// --- one aggregation: 10 children on 5 grades, incomplete ---------------------

CAlternative& AggregationAlternative() {
  static std::unique_ptr<CAlternative> alt = [] {
    auto a = std::make_unique<CAlternative>();
    a->m_nLastAttribute = 10;
    a->m_assessments[0].m_nChildren = 10;
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int c = 1; c <= 10; ++c) {
      CAssessment& r = a->m_assessments[c];
      r.m_nFather = 0;
      r.m_dWeight = 0.5 + unit(rng);
      double total = 0;
      for (int g = 0; g < 5; ++g) total += (r.m_dBelief[g] = unit(rng));
      for (int g = 0; g < 5; ++g) r.m_dBelief[g] *= 0.8 / total;
    }
    return a;
  }();
  return *alt;
}

void BM_AggregateChildren10x5(benchmark::State& state) {
  CAlternative& alt = AggregationAlternative();
  for (auto _ : state) {
    AggregateChildren(alt, 0);
    benchmark::DoNotOptimize(alt.m_assessments[0].m_dAvgUtility);
  }
  state.SetLabel("with the utility interval");
}
BENCHMARK(BM_AggregateChildren10x5);

// A straightforward implementation: the child records copied by value,
// the working tables as vectors of vectors, allocated per aggregation.
std::vector<double> CombineByValue(std::vector<double> weights,
                                   const std::vector<std::vector<double>>& beta) {
  const size_t l = weights.size();
  const size_t n = beta.front().size();
  double s = 0;
  for (double w : weights) s += w;
  if (s <= 1e-6) s = 1e-6;
  for (double& w : weights) w /= s;
  std::vector<std::vector<double>> m(l, std::vector<double>(n + 2));
  for (size_t i = 0; i < l; ++i) {
    double t = 0;
    for (size_t g = 0; g < n; ++g) {
      t += beta[i][g];
      m[i][g] = weights[i] * beta[i][g];
    }
    m[i][n] = (1 - t) * weights[i];
    m[i][n + 1] = 1 - weights[i];
  }
  std::vector<double> mass(m[0].begin(), m[0].begin() + static_cast<long>(n));
  double tilde = m[0][n];
  double bar = m[0][n + 1];
  for (size_t i = 1; i < l; ++i) {
    double c = 0;
    for (size_t t = 0; t < n; ++t) {
      for (size_t j = 0; j < n; ++j) {
        if (t != j) c += mass[t] * m[i][j];
      }
    }
    double k = 1 / std::max(1 - c, 1e-6);
    std::vector<double> next(n);
    for (size_t g = 0; g < n; ++g) {
      next[g] = k * (mass[g] * (m[i][g] + m[i][n] + m[i][n + 1]) + (bar + tilde) * m[i][g]);
    }
    mass = next;
    tilde = k * (tilde * (m[i][n] + m[i][n + 1]) + bar * m[i][n]);
    bar = k * bar * m[i][n + 1];
  }
  const double d = std::max(1 - bar, 1e-6);
  std::vector<double> result(n + 1);
  for (size_t g = 0; g < n; ++g) result[g] = mass[g] / d;
  result[n] = tilde / d;
  return result;
}

void AggregateByValue(CAlternative& alt, int k) {
  std::vector<CAssessment> children;
  for (int i = 0; i <= alt.m_nLastAttribute; ++i) {
    if (i != k && alt.m_assessments[i].m_nFather == k) children.push_back(alt.m_assessments[i]);
  }
  CAssessment father = alt.m_assessments[k];
  const int n = father.m_nGrades;
  std::vector<double> weights;
  std::vector<std::vector<double>> beta;
  for (const CAssessment& c : children) {
    weights.push_back(c.m_dWeight);
    std::vector<double> row(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) {
      for (int t = 0; t < c.m_nGrades; ++t)
        row[static_cast<size_t>(j)] += c.m_dBelief[t] * c.ConversionEntry(t, j);
    }
    beta.push_back(row);
  }
  std::vector<double> result = CombineByValue(weights, beta);
  CAssessment& out = alt.m_assessments[k];
  for (int g = 0; g < n; ++g) out.m_dBelief[g] = result[static_cast<size_t>(g)];
  UtilityInterval(alt, k);
  out.m_bAssessed = true;
}

void BM_AggregateChildren10x5ByValue(benchmark::State& state) {
  CAlternative& alt = AggregationAlternative();
  for (auto _ : state) {
    AggregateByValue(alt, 0);
    benchmark::DoNotOptimize(alt.m_assessments[0].m_dAvgUtility);
  }
  state.SetLabel("records copied, vectors allocated");
}
BENCHMARK(BM_AggregateChildren10x5ByValue);

}  // namespace
}  // namespace zev

BENCHMARK_MAIN();
