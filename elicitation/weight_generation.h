#pragma once

#include <string_view>
#include <vector>

#include "engine/matrix.h"

namespace zev {

// How weights are generated from a matrix of pairwise comparisons; the codes
// are those the comparison dialog keeps.
enum class EWeightMethod { GeometricMean = 0, Eigenvector = 1, Mixed = 2 };

// "eigenvector", "geometric" or "mixed".
const char* WeightMethodName(EWeightMethod method);
// False for a name that is none of those.
bool WeightMethodFromName(std::string_view name, EWeightMethod& method);

struct SGeneratedWeights {
  std::vector<double> m_dWeights;
  // (lambda - n) / (n - 1), as the power iteration left lambda; 0 for a
  // single attribute, which cannot contradict itself.
  double m_dIndex = 0.0;
  double m_dLambda = 0.0;
  // Steps the power iteration took (at most kMaxSteps).
  int m_nSteps = 0;

  static constexpr int kMaxSteps = 50;
  static constexpr double kTolerance = 1e-6;
  // The index as the dialog shows it: 0 when at most kTolerance.
  double ShownIndex() const { return m_dIndex <= kTolerance ? 0.0 : m_dIndex; }
};

// Weights and the inconsistency index from the square comparison matrix A,
// where A(i, j) says how many times as important i is as j. The power
// iteration from (1, 0, ..., 0) always runs, since it gives the index; it
// stops when no component moves by more than 1e-6, or after 50 steps.
SGeneratedWeights GenerateWeights(const CMatrix& a, EWeightMethod method);

// Reads a comparison ratio as the ratio field takes it: a non-negative
// number, or a fraction a/b of two (a denominator below 0.00001 counts as
// 0.00001). A ratio of magnitude at most 0.00001 becomes 0.00001. False for
// a text that is neither.
bool ReadComparisonRatio(std::string_view text, double& dRatio);

}  // namespace zev
