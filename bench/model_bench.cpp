// The memory an alternative costs and the time PrepareAlternative takes, on
// the 50-attribute model with 10,000 alternatives.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <memory>

#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace {

constexpr int kAlternatives = 10000;

std::size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::unique_ptr<zev::CMADMDoc> BigModel() {
  auto doc = std::make_unique<zev::CMADMDoc>();
  zev::test::BuildFiftyAttributeModel(*doc);
  for (int i = 1; i < kAlternatives; ++i) doc->AddAlternative(doc->NewAlternative());
  doc->PrepareAllAlternatives();
  return doc;
}

// Bytes of heap each prepared alternative holds.
void BM_BytesPerAlternative(benchmark::State& state) {
  double perAlternative = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::size_t before = HeapInUse();
    state.ResumeTiming();
    auto doc = BigModel();
    state.PauseTiming();
    perAlternative = static_cast<double>(HeapInUse() - before) / kAlternatives;
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_alternative"] = perAlternative;
}
BENCHMARK(BM_BytesPerAlternative)->Iterations(1)->Unit(benchmark::kMillisecond);

// Prepares every alternative once; returns the seconds it took.
double PrepareAll(zev::CMADMDoc& doc) {
  auto start = std::chrono::steady_clock::now();
  for (int p = 0; p < kAlternatives; ++p) doc.PrepareAlternative(doc.Alternative(p));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ReportPerAlternative(benchmark::State& state, double seconds) {
  state.counters["us_per_alternative"] =
      seconds * 1e6 / (static_cast<double>(state.iterations()) * kAlternatives);
}

// Preparing alternatives whose records already hold the current definitions.
void BM_PrepareUnchanged(benchmark::State& state) {
  auto doc = BigModel();
  double seconds = 0;
  for (auto _ : state) seconds += PrepareAll(*doc);
  ReportPerAlternative(state, seconds);
}
BENCHMARK(BM_PrepareUnchanged)->Unit(benchmark::kMillisecond);

// Preparing after every definition changed: each record takes new texts and
// a new grade table (pointer copies) and every weight is read anew.
void BM_PrepareAfterEdit(benchmark::State& state) {
  auto doc = BigModel();
  double seconds = 0;
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++round;
    for (int i = 0; i <= doc->LastAttribute(); ++i) {
      zev::CAttribute& a = doc->Attribute(i);
      a.SetDescription("Edited " + std::to_string(round));
      a.SetGradeDefinition(0, "Edited");
      a.m_dWeight = 1.0 + round * 1e-3;
    }
    state.ResumeTiming();
    seconds += PrepareAll(*doc);
  }
  ReportPerAlternative(state, seconds);
}
BENCHMARK(BM_PrepareAfterEdit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
