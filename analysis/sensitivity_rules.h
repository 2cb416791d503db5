#pragma once

#include <span>

namespace zev {

// Values within this distance of a bound go to the bound; degrees sum to
// at most one within it.
inline constexpr double kDragTolerance = 1e-8;
// The weight sum that normalising divides by is never below this.
inline constexpr double kNormaliseFloor = 0.00001;

// The weight axis of the weights window: it runs 0 to m_dMax, and a weight
// is dragged within 0 to ScaleMax(m_nScale).
struct SWeightAxis {
  double m_dMax = 1.0;
  int m_nScale = 0;  // 0: weights to 1, 1: to 10, 2: to 100
};

// From the largest sibling weight in three successive steps, each on the
// result of the one before: below 1 (+1e-8) add 0.01 (scale 0); then from
// 1 add 0.1 (scale 1); then from 10 add 1 (scale 2). So 0.995 gives 1.105
// on scale 1.
SWeightAxis WeightAxisFor(double dLargestWeight);
// 1, 10 or 100.
double ScaleMax(int nScale);
// Clamped to [lo, hi] (hi may be the smaller), within 1e-8 of a bound the bound.
double ClampWithTolerance(double d, double lo, double hi);

// Degree i of a set of belief degrees dragged to a value: the value clamped
// to [0, 1]; an excess of the sum over one (beyond 1e-8) taken in equal
// parts from every other degree of at least 1e-8; every degree clamped
// again; and if the sum still exceeds one, all divided by it.
void DragDegree(std::span<double> degrees, int i, double dValue);

}  // namespace zev
