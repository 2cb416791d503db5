#include "analysis/sensitivity_rules.h"

namespace zev {

SWeightAxis WeightAxisFor(double dLargestWeight) {
  SWeightAxis axis{dLargestWeight, 0};
  if (axis.m_dMax < 1.0 + kDragTolerance) {
    axis.m_dMax += 0.01;
    axis.m_nScale = 0;
  }
  if (axis.m_dMax >= 1.0 + kDragTolerance) {
    axis.m_dMax += 0.1;
    axis.m_nScale = 1;
  }
  if (axis.m_dMax >= 10.0 + kDragTolerance) {
    axis.m_dMax += 1.0;
    axis.m_nScale = 2;
  }
  return axis;
}

double ScaleMax(int nScale) { return nScale <= 0 ? 1.0 : nScale == 1 ? 10.0 : 100.0; }

double ClampWithTolerance(double d, double lo, double hi) {
  if (hi < lo) {
    const double t = lo;
    lo = hi;
    hi = t;
  }
  if (d < lo + kDragTolerance) return lo;
  if (d > hi - kDragTolerance) return hi;
  return d;
}

void DragDegree(std::span<double> degrees, int i, double dValue) {
  const size_t dragged = static_cast<size_t>(i);
  if (dragged >= degrees.size()) return;
  degrees[dragged] = ClampWithTolerance(dValue, 0.0, 1.0);
  double sum = 0.0;
  for (double d : degrees) sum += d;
  if (sum <= 1.0 + kDragTolerance) return;
  int nOthers = 0;
  for (size_t j = 0; j < degrees.size(); ++j)
    nOthers += j != dragged && degrees[j] >= kDragTolerance;
  if (nOthers > 0) {
    const double share = (sum - 1.0) / nOthers;
    for (size_t j = 0; j < degrees.size(); ++j) {
      if (j != dragged && degrees[j] >= kDragTolerance) degrees[j] -= share;
    }
  }
  sum = 0.0;
  for (double& d : degrees) {
    d = ClampWithTolerance(d, 0.0, 1.0);
    sum += d;
  }
  if (sum > 1.0 + kDragTolerance) {
    for (double& d : degrees) d /= sum;
  }
}

}  // namespace zev
