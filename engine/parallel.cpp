#include "engine/parallel.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "model/number.h"

#ifdef _OPENMP
#include <omp.h>
#endif

namespace zev {

namespace {

// Far beyond any machine this runs on; a typing error in ZEV_THREADS
// should not start a million threads.
constexpr int kMaxThreads = 256;
// Waking a sleeping thread costs some tens of microseconds: each thread
// gets at least this much work (in records), or the work stays on fewer.
constexpr long kWorkPerThread = 4096;
// The ranges handed out: small enough that a thread the machine holds back
// leaves little for the others to wait on, large enough that taking one
// costs nothing measurable.
constexpr long kWorkPerRange = 512;
constexpr int kRangesPerThread = 16;

std::atomic<int> g_nThreads{0};
std::atomic<long> g_nWorkPerThread{kWorkPerThread};

int CoreCount() {
#ifdef _OPENMP
  const int n = omp_get_num_procs();
#else
  const int n = static_cast<int>(std::thread::hardware_concurrency());
#endif
  return std::clamp(n, 1, kMaxThreads);
}

int ThreadsFromEnvironment() {
  static const int nThreads = [] {
    const char* text = std::getenv("ZEV_THREADS");
    int n = 0;
    if (text != nullptr && ReadInteger(text, n) && n >= 1) return std::min(n, kMaxThreads);
    return CoreCount();
  }();
  return nThreads;
}

}  // namespace

int EvaluationThreads() {
  const int n = g_nThreads.load(std::memory_order_relaxed);
  return n > 0 ? n : ThreadsFromEnvironment();
}

void SetEvaluationThreads(int nThreads) {
  g_nThreads.store(std::clamp(nThreads, 0, kMaxThreads), std::memory_order_relaxed);
}

void SetWorkPerThread(long records) {
  g_nWorkPerThread.store(records > 0 ? records : kWorkPerThread, std::memory_order_relaxed);
}

int ThreadsFor(int count, int cost) {
#ifdef _OPENMP
  const long work = static_cast<long>(std::max(count, 0)) * std::max(cost, 1);
  const long perThread = g_nWorkPerThread.load(std::memory_order_relaxed);
  return static_cast<int>(std::clamp(work / perThread, 1L, long{EvaluationThreads()}));
#else
  static_cast<void>(count);
  static_cast<void>(cost);
  return 1;
#endif
}

void ForEachRange(int count, int cost, const std::function<void(int, int)>& body) {
  if (count <= 0) return;
  cost = std::max(cost, 1);
  const int nThreads = ThreadsFor(count, cost);
  if (nThreads <= 1) {
    body(0, count);
    return;
  }
#ifdef _OPENMP
  const long rangeWork = std::min(kWorkPerRange, g_nWorkPerThread.load(std::memory_order_relaxed));
  const long perRange =
      std::max((rangeWork + cost - 1) / cost, long{count} / (nThreads * kRangesPerThread));
  const int size = static_cast<int>(std::clamp(perRange, 1L, long{count}));
  const int nRanges = (count + size - 1) / size;
#pragma omp parallel for num_threads(nThreads) schedule(dynamic, 1)
  for (int range = 0; range < nRanges; ++range) {
    const int begin = range * size;
    body(begin, std::min(count, begin + size));
  }
#endif
}

}  // namespace zev
