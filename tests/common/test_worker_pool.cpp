#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "common/WorkerPool.h"

namespace kelca {
namespace {

class ThreadsChosen {
 public:
  explicit ThreadsChosen(const char* value) {
    if (value) {
      setenv("KELCA_THREADS", value, 1);
    } else {
      unsetenv("KELCA_THREADS");
    }
  }
  ~ThreadsChosen() { unsetenv("KELCA_THREADS"); }
};

TEST(WorkerPool, KelcaThreadsChoosesTheThreadsOnlyWhenItIsAWholeNumberFromOne) {
  const int hardware = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  const struct {
    const char* value;
    int threads;
  } cases[] = {{nullptr, hardware}, {"1", 1},       {"3", 3},          {"100000", kMaxWorkerThreads},
               {"0", hardware},     {"-2", hardware}, {"2x", hardware}, {"", hardware},
               {" 2", hardware}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(unset)");
    ThreadsChosen chosen(c.value);
    EXPECT_EQ(WorkerThreads(), c.threads);
  }
}

TEST(WorkerPool, EveryPartRunsOnceOnAtMostTheChosenThreadsAndAFailureComesBack) {
  ThreadsChosen chosen("2");
  std::mutex mutex;
  std::vector<int> runs(50, 0);
  std::set<std::thread::id> threads;
  RunInParallel(
      static_cast<int>(runs.size()),
      [&](int part) {
        const std::lock_guard<std::mutex> lock(mutex);
        ++runs[part];
        threads.insert(std::this_thread::get_id());
      },
      [] {});
  EXPECT_EQ(runs, std::vector<int>(runs.size(), 1));
  EXPECT_LE(threads.size(), 2u);

  std::atomic<int> started{0};
  EXPECT_THROW(RunInParallel(
                   200,
                   [&](int part) {
                     ++started;
                     if (part == 3) throw std::runtime_error("part 3");
                     std::this_thread::sleep_for(std::chrono::milliseconds(1));
                   },
                   [] {}),
               std::runtime_error);
  EXPECT_LT(started.load(), 200);
}

}  // namespace
}  // namespace kelca
