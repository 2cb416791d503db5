// Load and save of the benchmark model (50 attributes) with 10,000
// alternatives, and the memory that loading takes compared with the model
// it builds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "io/atomic_file.h"
#include "io/model_file.h"
#include "model/prompter.h"
#include "tests/support/model_builders.h"

namespace {

constexpr int kAlternatives = 10000;

std::unique_ptr<zev::CMADMDoc> BuildModel() {
  auto doc = std::make_unique<zev::CMADMDoc>();
  zev::test::BuildFiftyAttributeModel(*doc, kAlternatives);
  return doc;
}

const std::string& TempPath() {
  static const std::string path = [] {
    char tmpl[] = "/tmp/zev-io-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) std::abort();
    return std::string(tmpl) + "/model.zev";
  }();
  return path;
}

const std::string& Bytes() {
  static const std::string bytes = [] {
    auto doc = BuildModel();
    std::string b = zev::WriteModel(*doc);
    std::string error;
    if (!zev::WriteFileAtomically(TempPath(), b, error)) std::abort();
    return b;
  }();
  return bytes;
}

void BM_WriteModelToBytes(benchmark::State& state) {
  auto doc = BuildModel();
  for (auto _ : state) {
    std::string bytes = zev::WriteModel(*doc);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["file_MB"] = static_cast<double>(Bytes().size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_WriteModelToBytes)->Unit(benchmark::kMillisecond);

void BM_SaveModelFile(benchmark::State& state) {
  auto doc = BuildModel();
  for (auto _ : state) {
    zev::SFileError error;
    if (!zev::SaveModelFile(TempPath(), *doc, error)) state.SkipWithError(error.Message().c_str());
  }
}
BENCHMARK(BM_SaveModelFile)->Unit(benchmark::kMillisecond);

void BM_ReadModelFromBytes(benchmark::State& state) {
  const std::string& bytes = Bytes();
  for (auto _ : state) {
    auto doc = std::make_unique<zev::CMADMDoc>();
    zev::SFileError error;
    if (!zev::ReadModel(bytes, *doc, error)) state.SkipWithError(error.Message().c_str());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReadModelFromBytes)->Unit(benchmark::kMillisecond);

// The check every save makes of its own bytes before they replace the
// previous file: the reader without building the model.
void BM_CheckModelBytes(benchmark::State& state) {
  const std::string& bytes = Bytes();
  for (auto _ : state) {
    zev::SFileError error;
    if (!zev::CheckModel(bytes, error)) state.SkipWithError(error.Message().c_str());
  }
}
BENCHMARK(BM_CheckModelBytes)->Unit(benchmark::kMillisecond);

void BM_LoadModelFile(benchmark::State& state) {
  Bytes();
  for (auto _ : state) {
    auto doc = std::make_unique<zev::CMADMDoc>();
    zev::SFileError error;
    if (!zev::LoadModelFile(TempPath(), *doc, error)) state.SkipWithError(error.Message().c_str());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadModelFile)->Unit(benchmark::kMillisecond);

long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::size_t n = std::strlen(field);
  while (std::getline(in, line)) {
    if (line.compare(0, n, field) == 0) return std::atol(line.c_str() + n + 1);
  }
  return -1;
}

// Loading from the file in a fresh process (so that no memory freed by the
// other benchmarks is reused): the peak resident memory while loading, the
// file bytes included, against the memory the loaded model keeps.
int MeasureLoad(const char* path) {
  zev::CStderrPrompter prompter;
  zev::CPrompterScope scope(prompter);
  const long baseline = StatusKb("VmRSS:");
  auto doc = std::make_unique<zev::CMADMDoc>();
  zev::SFileError error;
  if (!zev::LoadModelFile(path, *doc, error)) {
    std::fprintf(stderr, "%s\n", error.Message().c_str());
    return 1;
  }
  std::printf("%ld %ld\n", StatusKb("VmHWM:") - baseline, StatusKb("VmRSS:") - baseline);
  return 0;
}

void BM_LoadPeakMemory(benchmark::State& state) {
  Bytes();
  for (auto _ : state) {
    const std::string command =
        "/proc/" + std::to_string(::getpid()) + "/exe --measure-load " + TempPath();
    FILE* child = ::popen(command.c_str(), "r");
    long peak = 0;
    long model = 0;
    if (!child || std::fscanf(child, "%ld %ld", &peak, &model) != 2) {
      state.SkipWithError("the measuring process failed");
    }
    if (child) ::pclose(child);
    state.counters["load_peak_MB"] = peak / 1024.0;
    state.counters["model_MB"] = model / 1024.0;
    state.counters["peak_per_model"] = model > 0 ? static_cast<double>(peak) / model : 0;
  }
}
BENCHMARK(BM_LoadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--measure-load") == 0) return MeasureLoad(argv[2]);
  zev::CStderrPrompter prompter;
  zev::CPrompterScope scope(prompter);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::remove(TempPath().c_str());
  return 0;
}
