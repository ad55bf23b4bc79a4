#include "common/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace kelca {

namespace {
constexpr auto kWatchInterval = std::chrono::milliseconds(10);
}  // namespace

int WorkerThreads() {
  if (const char* chosen = std::getenv("KELCA_THREADS")) {
    int n = 0;
    const char* end = chosen + std::strlen(chosen);
    const auto [at, error] = std::from_chars(chosen, end, n);
    if (error == std::errc() && at == end && n >= 1) return std::min(n, kMaxWorkerThreads);
  }
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void RunInParallel(int count, const std::function<void(int part)>& part, const std::function<void()>& watch) {
  if (count <= 0) return;
  std::atomic<int> next{0};
  std::mutex mutex;
  std::condition_variable finished;
  const int threadCount = std::min(count, WorkerThreads());
  int running = threadCount;
  std::exception_ptr failure;
  const auto work = [&] {
    for (int i = next++; i < count; i = next++) {
      try {
        part(i);
      } catch (...) {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!failure) failure = std::current_exception();
        next = count;
      }
    }
    const std::lock_guard<std::mutex> lock(mutex);
    if (--running == 0) finished.notify_one();
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < threadCount; ++t) threads.emplace_back(work);
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, kWatchInterval, [&] { return running == 0; })) {
      lock.unlock();
      watch();
      lock.lock();
    }
  }
  for (std::thread& t : threads) t.join();
  watch();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace kelca
