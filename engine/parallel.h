#pragma once

#include <functional>

namespace zev {

// How many threads evaluate alternatives: ZEV_THREADS when it is a whole
// number from 1 up (1 keeps everything on the calling thread, with no
// parallel code at all), otherwise one per core.
int EvaluationThreads();
// Sets that number for this process (tests, benchmarks); 0 goes back to
// ZEV_THREADS or one per core.
void SetEvaluationThreads(int nThreads);

// Sets the least work (in records) worth a thread of its own; 0 goes back
// to the default. Tests set 1, so that small models run on every thread.
void SetWorkPerThread(long records);

// How many threads ForEachRange gives `count` items that cost `cost` each
// (in records, about a tenth of a microsecond each): as many as keep each
// of them busy long enough to be worth waking, at most EvaluationThreads().
int ThreadsFor(int count, int cost);

// Calls body(begin, end) for consecutive ranges that cover [0, count)
// exactly once, on ThreadsFor(count, cost) threads, and returns when all
// are done; with one thread, as body(0, count) on the calling thread. The
// body must not throw.
void ForEachRange(int count, int cost, const std::function<void(int, int)>& body);

}  // namespace zev
