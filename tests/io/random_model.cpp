#include "tests/io/random_model.h"

#include <random>
#include <string>
#include <vector>

#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

const char* const kPieces[] = {
    "plain",        "a, b",     "say \"hi\"", "\"quoted\"", "x; y",    "key: value",
    "two\nlines",   "cr\r\nlf", " lead",      "trail ",     "caf\xE9", "\x80 5",
    "\xA3\xB5\xFF", "semi;",    ":",          "\"",         ";",
};

class CRandom {
 public:
  explicit CRandom(unsigned seed) : m_engine(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
  double Real(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(m_engine);
  }
  std::string Name(const std::string& tag) {
    std::string name = kPieces[Int(0, static_cast<int>(std::size(kPieces)) - 1)];
    return Int(0, 1) ? name + tag : tag + name;
  }
  // Degrees summing to at most one, some of them zero.
  std::vector<double> Degrees(int n) {
    std::vector<double> d(static_cast<std::size_t>(n), 0.0);
    double left = Int(0, 3) ? 1.0 : Real(0.0, 1.0);
    for (int k = 0; k < n && left > 0; ++k) {
      if (Int(0, 2) == 0) continue;
      d[static_cast<std::size_t>(k)] = k + 1 == n ? left : Real(0.0, left);
      left -= d[static_cast<std::size_t>(k)];
    }
    return d;
  }

 private:
  std::mt19937 m_engine;
};

}  // namespace

void BuildRandomModel(CMADMDoc& doc, unsigned seed) {
  CRandom rnd(seed);
  doc.OnNewDocument();
  const int count = rnd.Int(2, 14);
  std::vector<int> fathers{0};
  for (int n = 0; n < count; ++n) {
    const int father =
        fathers[static_cast<std::size_t>(rnd.Int(0, static_cast<int>(fathers.size()) - 1))];
    const int i = AddChild(doc, father);
    if (doc.Attribute(father).m_nFather < 0 || rnd.Int(0, 3) == 0) fathers.push_back(i);
  }
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    CAttribute& a = doc.Attribute(i);
    a.SetName(rnd.Name("#" + std::to_string(i)));
    a.m_dWeight = rnd.Int(1, 1000) / 1000.0;
    a.m_nGrades = rnd.Int(1, 7);
    for (int k = 0; k < a.m_nGrades; ++k) {
      a.SetGradeName(k, rnd.Name("g" + std::to_string(k)));
      a.SetGradeUtility(k, a.m_nGrades > 1 ? k / (a.m_nGrades - 1.0) : 1.0);
    }
    if (i == 0 || a.m_nChildren > 0) continue;
    const int kind = rnd.Int(0, 2);
    if (kind == 0) continue;
    a.m_nType = kind == 1 ? Quantitative : QuantitativeUncertain;
    a.m_dBest = rnd.Real(-1000.0, 1000.0);
    a.m_dWorst = rnd.Real(-1000.0, 1000.0);
    for (int k = 0; k < a.m_nGrades; ++k) {
      const double t = a.m_nGrades > 1 ? k / (a.m_nGrades - 1.0) : 1.0;
      a.SetGradeValue(k, a.m_dWorst + (a.m_dBest - a.m_dWorst) * t);
    }
  }

  const int alternatives = rnd.Int(1, 6);
  for (int p = 1; p < alternatives; ++p) doc.AddAlternativeCommand();
  for (int p = 0; p < alternatives; ++p) {
    CAlternative& alternative = doc.Alternative(p);
    // Every third name repeats the one before.
    alternative.SetName(p % 3 == 2 ? doc.Alternative(p - 1).m_strName.Str()
                                   : rnd.Name("alt" + std::to_string(p)));
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CAttribute& a = doc.Attribute(i);
      if (a.m_nChildren > 0) continue;
      CAssessment& r = alternative.Record(i);
      if (a.m_nType == Qualitative) {
        const std::vector<double> d = rnd.Degrees(a.m_nGrades);
        for (int k = 0; k < a.m_nGrades; ++k) r.m_dBelief[k] = d[static_cast<std::size_t>(k)];
        continue;
      }
      const double lo = std::min(a.m_dBest, a.m_dWorst);
      const double hi = std::max(a.m_dBest, a.m_dWorst);
      if (a.m_nType == Quantitative) {
        r.m_dValue = rnd.Real(lo, hi);
        r.m_nPossibleValues = 1;
        r.m_dPossibleValue[0] = r.m_dValue;
        r.m_dBelief[0] = 1.0;
        continue;
      }
      r.m_nPossibleValues = rnd.Int(1, 5);
      const std::vector<double> d = rnd.Degrees(r.m_nPossibleValues);
      for (int k = 0; k < r.m_nPossibleValues; ++k) {
        r.m_dPossibleValue[k] = rnd.Real(lo, hi);
        r.m_dBelief[k] = d[static_cast<std::size_t>(k)];
      }
    }
  }
}

}  // namespace zev::test
