#pragma once

// The compiler extensions the core uses, each with a plain C++ form that
// gives the same results: pairs of doubles worked on together (vector
// types), loop unrolling hints, prefetching and printf format checks. GCC
// and Clang get the extensions unless ZEV_PORTABLE is defined (the CMake
// option of that name builds the plain forms, so that they are tested too);
// any other compiler gets the plain forms.

#include <cstdint>

#if (defined(__GNUC__) || defined(__clang__)) && !defined(ZEV_PORTABLE)
#define ZEV_EXTENSIONS 1
#else
#define ZEV_EXTENSIONS 0
#endif

#define ZEV_PRAGMA(text) _Pragma(#text)

#if ZEV_EXTENSIONS
// Unrolls the loop that follows n times.
#define ZEV_UNROLL(n) ZEV_PRAGMA(GCC unroll n)
// Asks for the cache line of an address ahead of its use.
#define ZEV_PREFETCH(address) __builtin_prefetch(address)
// Checks the arguments of a printf-style function against its format.
#define ZEV_PRINTF_FORMAT(nFormat, nFirst) __attribute__((format(printf, nFormat, nFirst)))
// Inlines a function wherever it is called, whatever its size.
#define ZEV_ALWAYS_INLINE __attribute__((always_inline)) inline
#else
#define ZEV_UNROLL(n)
#define ZEV_PREFETCH(address) static_cast<void>(address)
#define ZEV_PRINTF_FORMAT(nFormat, nFirst)
#define ZEV_ALWAYS_INLINE inline
#endif

namespace zev {

#if ZEV_EXTENSIONS

// Two doubles side by side. GCC and Clang map the type onto a vector
// register where the target has one (SSE2 on every x86-64) and onto two
// scalars elsewhere; each lane is computed and rounded exactly as a double
// on its own, so working in pairs changes no result.
using SPair = double __attribute__((vector_size(2 * sizeof(double))));
// The result of comparing two pairs: per lane all bits set (-1) or none.
using SPairMask = decltype(SPair{} < SPair{});

#else

// The same two lanes as plain structures, each operation lane by lane.
struct SPairMask {
  std::int64_t m_lane[2];

  std::int64_t operator[](int i) const { return m_lane[i]; }
  SPairMask& operator+=(SPairMask o) {
    m_lane[0] += o.m_lane[0];
    m_lane[1] += o.m_lane[1];
    return *this;
  }
  friend SPairMask operator~(SPairMask m) { return {~m.m_lane[0], ~m.m_lane[1]}; }
  friend SPairMask operator&(SPairMask a, SPairMask b) {
    return {a.m_lane[0] & b.m_lane[0], a.m_lane[1] & b.m_lane[1]};
  }
};

struct SPair {
  double m_lane[2];

  double operator[](int i) const { return m_lane[i]; }
  SPair& operator+=(SPair o) {
    m_lane[0] += o.m_lane[0];
    m_lane[1] += o.m_lane[1];
    return *this;
  }
  friend SPair operator+(SPair a, SPair b) { return {a[0] + b[0], a[1] + b[1]}; }
  friend SPair operator-(SPair a, SPair b) { return {a[0] - b[0], a[1] - b[1]}; }
  friend SPair operator*(SPair a, SPair b) { return {a[0] * b[0], a[1] * b[1]}; }
  friend SPair operator/(SPair a, SPair b) { return {a[0] / b[0], a[1] / b[1]}; }
  friend SPairMask operator<(SPair a, SPair b) { return {-(a[0] < b[0]), -(a[1] < b[1])}; }
  friend SPairMask operator>(SPair a, SPair b) { return {-(a[0] > b[0]), -(a[1] > b[1])}; }
};

#endif

}  // namespace zev
