#pragma once
// A small pool of threads (WorkerThreads()) for runs whose parts are
// independent: the parts are taken in order by whichever thread is free, while
// the calling thread waits and looks after the run (progress, a request to stop).
#include <functional>

namespace kelca {

constexpr int kMaxWorkerThreads = 256;

// The number of threads a run spreads over: the environment variable
// KELCA_THREADS when it is a whole number from 1 (at most kMaxWorkerThreads),
// so that several runs side by side need not share cores; otherwise the number
// the hardware runs at once (at least 1).
int WorkerThreads();

// Runs part(0) .. part(count - 1) on up to WorkerThreads() threads and
// returns when all have ended; meanwhile calls watch() on the calling thread
// every few milliseconds. An exception thrown by a part ends the parts not yet
// started and is thrown again here.
void RunInParallel(int count, const std::function<void(int part)>& part, const std::function<void()>& watch);

}  // namespace kelca
