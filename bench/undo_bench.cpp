// The undo history on the 50-attribute model with 10,000 alternatives:
// what recording a step costs in time and memory, and undoing it, beside the
// straightforward way (a copy of the whole model kept for every step).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "commands/model_commands.h"
#include "engine/evaluate_commands.h"
#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace {

constexpr int kAlternatives = 10000;

struct SBigModel {
  SBigModel() {
    doc.OnNewDocument();
    zev::test::BuildFiftyAttributeModel(doc, kAlternatives);
    commands.History().Clear();
  }
  zev::CMADMDoc doc;
  zev::CModelessRegistry registry{doc};
  zev::CModelCommands commands{doc, registry};
};

SBigModel& Model() {
  static SBigModel model;
  return model;
}

// One alternative's assessment on one attribute, as a window writes it.
void EditOne(SBigModel& m, int pos, double value) {
  m.commands.RecordStep("Modify Assessment", [&] {
    m.doc.Alternative(pos).Record(12).m_dValue = value;
    m.doc.PublishChanges({zev::EDocChange::Assessment, 12, pos});
  });
}

void BM_RecordOneAlternativeEdit(benchmark::State& state) {
  SBigModel& m = Model();
  double value = 1.0;
  for (auto _ : state) EditOne(m, 5000, value += 1.0);
  const zev::CUndoHistory& history = m.commands.History();
  state.counters["history_bytes_per_step"] =
      static_cast<double>(history.StepBytes(history.StepCount() - 1));
  m.commands.History().Clear();
}
BENCHMARK(BM_RecordOneAlternativeEdit)->Unit(benchmark::kMicrosecond);

// A weight dragged in the weights window: the weight written and every
// alternative re-evaluated with its marks kept, as one step; beside it the
// same work without a step.
void WeightDrag(SBigModel& m, double weight, bool bRecorded) {
  auto drag = [&] {
    m.doc.Attribute(3).m_dWeight = weight;
    m.doc.PublishChanges({zev::EDocChange::Attribute, 3, -1});
    zev::ReevaluateAndRankKeepingMarks(m.doc);
  };
  if (bRecorded)
    m.commands.RecordStep("Change Weight", drag);
  else
    drag();
}

void BM_WeightDrag(benchmark::State& state) {
  SBigModel& m = Model();
  const bool bRecorded = state.range(0) != 0;
  WeightDrag(m, 0.5, false);
  double weight = 0.5;
  for (auto _ : state) WeightDrag(m, weight = weight == 0.5 ? 0.6 : 0.5, bRecorded);
  const zev::CUndoHistory& history = m.commands.History();
  if (history.StepCount() > 0)
    state.counters["history_bytes_per_step"] =
        static_cast<double>(history.StepBytes(history.StepCount() - 1));
  m.commands.History().Clear();
}
BENCHMARK(BM_WeightDrag)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UndoRedoOneAlternativeEdit(benchmark::State& state) {
  SBigModel& m = Model();
  // A value of its own for every run, so that every run records a step.
  static double value = 0.0;
  EditOne(m, 5000, value -= 1.0);
  if (!m.commands.History().CanUndo()) state.SkipWithError("the edit recorded no step");
  for (auto _ : state) {
    m.commands.History().Undo();
    m.commands.History().Redo();
  }
  state.counters["undo_and_redo_per_iteration"] = 1;
  m.commands.History().Clear();
}
BENCHMARK(BM_UndoRedoOneAlternativeEdit)->Unit(benchmark::kMicrosecond);

// Deleting an alternative moves every later box: a change of every
// alternative's header.
void BM_RecordDeleteFirstAlternative(benchmark::State& state) {
  SBigModel& m = Model();
  for (auto _ : state) {
    m.commands.RecordStep("Delete Alternative", [&] {
      m.doc.SetCurrentPosition(0);
      auto removed = m.doc.RemoveAlternative(&m.doc.Alternative(0));
      for (int pos = 0; pos < m.doc.AlternativeCount(); ++pos) m.doc.Alternative(pos).m_nX += 1;
      m.doc.PublishChanges({zev::EDocChange::Alternatives, -1, 0});
    });
    state.PauseTiming();
    state.counters["history_bytes_per_step"] =
        static_cast<double>(m.commands.History().StepBytes(0));
    m.commands.History().Undo();
    m.commands.History().Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RecordDeleteFirstAlternative)->Iterations(3)->Unit(benchmark::kMillisecond);

// The straightforward way: a copy of every alternative before each step.
void BM_CopyWholeModel(benchmark::State& state) {
  SBigModel& m = Model();
  const zev::CMADMDoc& doc = m.doc;
  for (auto _ : state) {
    std::vector<std::unique_ptr<zev::CAlternative>> copy;
    copy.reserve(kAlternatives);
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos)
      copy.push_back(std::make_unique<zev::CAlternative>(doc.Alternative(pos)));
    benchmark::DoNotOptimize(copy.data());
  }
  state.counters["history_bytes_per_step"] =
      static_cast<double>(sizeof(zev::CAlternative)) * kAlternatives;
}
BENCHMARK(BM_CopyWholeModel)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
