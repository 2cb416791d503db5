#include "elicitation/weight_generation.h"

#include <cmath>

#include "model/number.h"

namespace zev {

namespace {

constexpr double kRatioFloor = 0.00001;

// The principal eigenvector by power iteration, normalised to sum 1.
void PowerIteration(const CMatrix& a, SGeneratedWeights& out, std::vector<double>& x) {
  const int n = a.Rows();
  x.assign(static_cast<size_t>(n), 0.0);
  x[0] = 1.0;
  std::vector<double> y(static_cast<size_t>(n));
  double lambda = 0.0;
  int step = 0;
  bool bConverged = false;
  while (!bConverged && step < SGeneratedWeights::kMaxSteps) {
    ++step;
    lambda = 0.0;
    for (int i = 0; i < n; ++i) {
      const double* row = a.Row(i);
      double sum = 0.0;
      for (int j = 0; j < n; ++j) sum += row[j] * x[static_cast<size_t>(j)];
      y[static_cast<size_t>(i)] = sum;
      lambda += sum;
    }
    bConverged = true;
    for (size_t i = 0; i < y.size(); ++i) {
      const double next = y[i] / lambda;
      if (std::fabs(next - x[i]) > SGeneratedWeights::kTolerance) bConverged = false;
      x[i] = next;
    }
  }
  out.m_dLambda = lambda;
  out.m_nSteps = step;
  out.m_dIndex = n > 1 ? (lambda - n) / (n - 1) : 0.0;
}

std::vector<double> GeometricMeans(const CMatrix& a) {
  const int n = a.Rows();
  std::vector<double> g(static_cast<size_t>(n));
  double total = 0.0;
  for (int i = 0; i < n; ++i) {
    const double* row = a.Row(i);
    double product = 1.0;
    for (int j = 0; j < n; ++j) product *= row[j];
    g[static_cast<size_t>(i)] = std::pow(product, 1.0 / n);
    total += g[static_cast<size_t>(i)];
  }
  for (double& d : g) d /= total;
  return g;
}

}  // namespace

const char* WeightMethodName(EWeightMethod method) {
  switch (method) {
    case EWeightMethod::GeometricMean:
      return "geometric";
    case EWeightMethod::Mixed:
      return "mixed";
    default:
      return "eigenvector";
  }
}

bool WeightMethodFromName(std::string_view name, EWeightMethod& method) {
  for (EWeightMethod m :
       {EWeightMethod::Eigenvector, EWeightMethod::GeometricMean, EWeightMethod::Mixed}) {
    if (name == WeightMethodName(m)) {
      method = m;
      return true;
    }
  }
  return false;
}

SGeneratedWeights GenerateWeights(const CMatrix& a, EWeightMethod method) {
  SGeneratedWeights out;
  std::vector<double> eigen;
  PowerIteration(a, out, eigen);
  switch (method) {
    case EWeightMethod::Eigenvector:
      out.m_dWeights = std::move(eigen);
      break;
    case EWeightMethod::GeometricMean:
      out.m_dWeights = GeometricMeans(a);
      break;
    case EWeightMethod::Mixed:
      out.m_dWeights = GeometricMeans(a);
      for (size_t i = 0; i < eigen.size(); ++i) {
        out.m_dWeights[i] = (eigen[i] + out.m_dWeights[i]) / 2.0;
      }
      break;
  }
  return out;
}

bool ReadComparisonRatio(std::string_view text, double& dRatio) {
  dRatio = 0.0;
  double r = 0.0;
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    if (!ReadNonNegativeNumber(text, r)) return false;
  } else {
    double numerator = 0.0;
    double denominator = 0.0;
    if (!ReadNonNegativeNumber(text.substr(0, slash), numerator) ||
        !ReadNonNegativeNumber(text.substr(slash + 1), denominator)) {
      return false;
    }
    if (denominator < kRatioFloor) denominator = kRatioFloor;
    r = numerator / denominator;
  }
  r = std::fabs(r);
  dRatio = r <= kRatioFloor ? kRatioFloor : r;
  return true;
}

}  // namespace zev
