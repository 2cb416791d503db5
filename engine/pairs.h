#pragma once

#include <cstring>

#include "model/portable.h"

// Two doubles side by side (SPair, model/portable.h), for the per-grade
// loops of the engine.

namespace zev {

inline SPair Both(double d) { return SPair{d, d}; }

// Loads and stores go through memcpy, which needs no alignment and compiles
// to one unaligned move.
inline SPair LoadPair(const double* p) {
  SPair v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void StorePair(double* p, SPair v) { std::memcpy(p, &v, sizeof v); }

// Number of pairs that cover n numbers.
inline int PairCount(int n) { return (n + 1) / 2; }

// Pair p of a row of n numbers, zero beyond the last one.
inline SPair LoadRowPair(const double* row, int p, int n) {
  return 2 * p + 1 < n ? LoadPair(row + 2 * p) : SPair{row[2 * p], 0.0};
}

// How many lanes of the mask are set.
inline int CountSet(SPairMask m) { return static_cast<int>(-(m[0] + m[1])); }

}  // namespace zev
