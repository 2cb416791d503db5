#include "bench/bench_models.h"

#include "model/prompter.h"

namespace zev::bench {

namespace {

// Answers every question with its default and shows nothing.
class CSilentPrompter : public CPrompter {
 public:
  EAnswer Show(const SMessage& message) override { return DefaultAnswer(message); }
  bool RunModal(CDialogPresenter&) override { return false; }
  bool ChooseFile(SFileChoice&) override { return false; }
  void OpenWithDesktop(const std::string&) override {}
};

}  // namespace

void Silent() {
  static CSilentPrompter prompter;
  SetPrompter(&prompter);
}

void Assess(CMADMDoc& doc, CAlternative& alt, std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  doc.PrepareAlternative(alt);
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    CAssessment& r = alt.Record(i);
    if (r.m_nChildren > 0) continue;
    if (r.m_nType == Qualitative) {
      double total = 0;
      for (int g = 0; g < r.m_nGrades; ++g) total += (r.m_dBelief[g] = unit(rng));
      const double scale = (0.7 + 0.3 * unit(rng)) / total;
      for (int g = 0; g < r.m_nGrades; ++g) r.m_dBelief[g] *= scale;
    } else if (r.m_nType == Quantitative) {
      r.m_dValue = 100 * unit(rng);
      r.m_nPossibleValues = 1;
      r.m_dPossibleValue[0] = r.m_dValue;
      r.m_dBelief[0] = 1.0;
    } else {
      r.m_nPossibleValues = 3;
      for (int v = 0; v < 3; ++v) {
        r.m_dPossibleValue[v] = 10 + 40 * unit(rng);
        r.m_dBelief[v] = 0.3 * unit(rng);
      }
    }
  }
}

}  // namespace zev::bench
