// Reading and writing the benchmark model (50 attributes, 2,000
// alternatives) as an assessments table and as JSON, each beside the way
// the program had before: the text data file for bringing assessments in,
// the binary model file for the whole model.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "io/csv_exchange.h"
#include "io/json_model.h"
#include "io/model_file.h"
#include "io/text_import.h"
#include "model/format.h"
#include "model/prompter.h"
#include "tests/support/model_builders.h"

namespace {

constexpr int kAlternatives = 2000;

zev::CMADMDoc& Model() {
  static zev::CMADMDoc* doc = [] {
    auto* d = new zev::CMADMDoc;
    zev::test::BuildFiftyAttributeModel(*d, kAlternatives);
    return d;
  }();
  return *doc;
}

// The same assessments as a text data file.
std::string TextData(const zev::CMADMDoc& doc) {
  std::string out;
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const zev::CAlternative& alternative = doc.Alternative(p);
    out += "ALTERNATIVE NAME: {" + alternative.m_strName.Str() + "}\n";
    for (int i = 1; i <= doc.LastAttribute(); ++i) {
      const zev::CAttribute& a = doc.Attribute(i);
      if (a.m_nChildren > 0) continue;
      const zev::CAssessment& r = alternative.Record(i);
      out += "ATTRIBUTE NAME: {" + a.m_strName.Str() + "} TYPE: ";
      if (a.m_nType == zev::Quantitative) {
        out += "QUANTITATIVE VALUE: " + zev::Format("%.17g", r.m_dValue) + "\n";
      } else if (a.m_nType == zev::QuantitativeUncertain) {
        out += "UNCERTAIN NUMBER: " + zev::FormatInt(r.m_nPossibleValues) + " DISTRIBUTION:";
        for (int k = 0; k < r.m_nPossibleValues; ++k) {
          out += zev::Format(" %.17g %.17g", r.m_dPossibleValue[k], r.m_dBelief[k]);
        }
        out += "\n";
      } else {
        out += "QUALITATIVE NUMBER: " + zev::FormatInt(a.m_nGrades) + " JUDGEMENT:";
        for (int k = 0; k < a.m_nGrades; ++k) {
          out += " {" + a.GradeName(k).Str() + "} " + zev::Format("%.17g", r.m_dBelief[k]);
        }
        out += "\n";
      }
    }
  }
  return out;
}

void Megabytes(benchmark::State& state, const std::string& bytes) {
  state.counters["MB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
}

void BM_ExportAssessmentsCsv(benchmark::State& state) {
  std::string csv;
  for (auto _ : state) {
    csv = zev::ExportAssessmentsCsv(Model());
    benchmark::DoNotOptimize(csv.data());
  }
  Megabytes(state, csv);
}
BENCHMARK(BM_ExportAssessmentsCsv)->Unit(benchmark::kMillisecond);

void BM_ReadAssessmentsCsv(benchmark::State& state) {
  const std::string csv = zev::ExportAssessmentsCsv(Model());
  for (auto _ : state) {
    if (!zev::ReadAssessmentsCsv(Model(), csv).m_bSucceeded) state.SkipWithError("refused");
  }
  Megabytes(state, csv);
}
BENCHMARK(BM_ReadAssessmentsCsv)->Unit(benchmark::kMillisecond);

void BM_ReadTextData(benchmark::State& state) {
  const std::string text = TextData(Model());
  for (auto _ : state) {
    if (!zev::ReadTextData(Model(), text).Succeeded()) state.SkipWithError("refused");
  }
  Megabytes(state, text);
}
BENCHMARK(BM_ReadTextData)->Unit(benchmark::kMillisecond);

void BM_WriteModelJson(benchmark::State& state) {
  std::string json;
  for (auto _ : state) {
    json = zev::WriteModelJson(Model());
    benchmark::DoNotOptimize(json.data());
  }
  Megabytes(state, json);
}
BENCHMARK(BM_WriteModelJson)->Unit(benchmark::kMillisecond);

void BM_WriteModel(benchmark::State& state) {
  std::string bytes;
  for (auto _ : state) {
    bytes = zev::WriteModel(Model());
    benchmark::DoNotOptimize(bytes.data());
  }
  Megabytes(state, bytes);
}
BENCHMARK(BM_WriteModel)->Unit(benchmark::kMillisecond);

void BM_ReadModelJson(benchmark::State& state) {
  const std::string json = zev::WriteModelJson(Model());
  for (auto _ : state) {
    auto doc = std::make_unique<zev::CMADMDoc>();
    zev::SFileError error;
    if (!zev::ReadModelJson(json, *doc, error)) state.SkipWithError("refused");
  }
  Megabytes(state, json);
}
BENCHMARK(BM_ReadModelJson)->Unit(benchmark::kMillisecond);

void BM_ReadModel(benchmark::State& state) {
  const std::string bytes = zev::WriteModel(Model());
  for (auto _ : state) {
    auto doc = std::make_unique<zev::CMADMDoc>();
    zev::SFileError error;
    if (!zev::ReadModel(bytes, *doc, error)) state.SkipWithError("refused");
  }
  Megabytes(state, bytes);
}
BENCHMARK(BM_ReadModel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  zev::CStderrPrompter prompter;
  zev::CPrompterScope scope(prompter);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
