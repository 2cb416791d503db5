// The Rank command on 100,000 alternatives of a 10-attribute model (the top,
// three groups, six leaves of the three kinds), on every core and on one
// thread, with the memory each alternative costs and the peak memory of the
// process.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <memory>
#include <random>
#include <string>

#include "bench/bench_models.h"
#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "engine/parallel.h"
#include "tests/support/model_builders.h"

namespace zev {
namespace {

constexpr int kAlternatives = 100000;

std::size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct SScaleModel {
  std::unique_ptr<CMADMDoc> m_doc;
  double m_dBytesPerAlternative = 0;
};

const SScaleModel& ScaleModel() {
  static const SScaleModel model = [] {
    bench::Silent();
    SScaleModel m;
    const std::size_t before = HeapInUse();
    m.m_doc = std::make_unique<CMADMDoc>();
    CMADMDoc& doc = *m.m_doc;
    AttachEngine(doc);
    doc.OnNewDocument();
    for (int f = 0; f < 3; ++f) {
      const int father = test::AddChild(doc, 0);
      doc.Attribute(father).m_dWeight = 1.0 + f;
      for (int c = 0; c < 2; ++c) {
        CAttribute& a = doc.Attribute(test::AddChild(doc, father));
        a.m_dWeight = 0.5 + 0.25 * c;
        a.m_nType = static_cast<std::uint16_t>(Quantitative + (f * 2 + c) % 3);
        if (a.m_nType == Qualitative) continue;
        a.m_dBest = 100.0;
        a.m_dWorst = 0.0;
        for (int k = 0; k < 5; ++k) a.SetGradeValue(k, 25.0 * k);
      }
    }
    PropagateRules(doc, 0);
    while (doc.AlternativeCount() < kAlternatives) doc.AddAlternativeCommand();
    std::mt19937_64 rng(7);
    for (int pos = 0; pos < kAlternatives; ++pos) bench::Assess(doc, doc.Alternative(pos), rng);
    m.m_dBytesPerAlternative = static_cast<double>(HeapInUse() - before) / kAlternatives;
    return m;
  }();
  return model;
}

void BM_RankCommand100k(benchmark::State& state) {
  const SScaleModel& model = ScaleModel();
  const int nThreads = static_cast<int>(state.range(0));
  SetEvaluationThreads(nThreads);
  for (auto _ : state) {
    RankAlternatives(*model.m_doc);
    benchmark::DoNotOptimize(model.m_doc->Alternative(0).m_nRanking);
  }
  SetEvaluationThreads(0);
  state.counters["bytes_per_alternative"] = model.m_dBytesPerAlternative;
  state.counters["peak_MB"] = PeakMegabytes();
  state.SetLabel(std::string(nThreads == 1 ? "one thread" : "every core") +
                 ", 100,000 alternatives, 10 attributes");
}
BENCHMARK(BM_RankCommand100k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zev

BENCHMARK_MAIN();
