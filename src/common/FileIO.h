#pragma once
// Whole-file reading, and writing that replaces a file only once the new
// content is completely on disk (temporary file beside it, then rename).
#include <cstddef>
#include <string>

#include "common/Status.h"

namespace kelca {

// Failure messages name the file and end with a full stop (after the system's
// reason where there is one), so that a caller may add a sentence of its own.

// A planned failure for tests: the write stops after this many bytes.
struct WriteFault {
  size_t failAfterBytes = 0;
};

// The file seam of the tests: while a PlannedWriteFault lives, every
// ReplaceFile on this thread that is given no fault of its own fails as
// planned, so that a test can make any writer's save fail part-way.
class PlannedWriteFault {
 public:
  explicit PlannedWriteFault(WriteFault fault);
  ~PlannedWriteFault();
  PlannedWriteFault(const PlannedWriteFault&) = delete;
  PlannedWriteFault& operator=(const PlannedWriteFault&) = delete;

 private:
  WriteFault fault_;
  const WriteFault* previous_;
};

// Keeps the file at path as it is now until Accept(): a guard that is destroyed
// without it puts that file back (or removes a file that was not there), so a
// run of several steps can take back what its first step replaced.
class PreviousFileKeeper {
 public:
  explicit PreviousFileKeeper(std::string path);
  ~PreviousFileKeeper();
  PreviousFileKeeper(const PreviousFileKeeper&) = delete;
  PreviousFileKeeper& operator=(const PreviousFileKeeper&) = delete;
  // The file as it is now stands; the kept one is dropped.
  void Accept();

 private:
  std::string path_, kept_;
  bool existed_ = false, accepted_ = false;
};

Status ReadFileBytes(const std::string& path, std::string& bytes);
// Writes content to path; on any failure the previous file is left untouched.
Status ReplaceFile(const std::string& path, const std::string& content, const WriteFault* fault = nullptr);
Status MakeFolder(const std::string& path);
bool RemoveFileIfPresent(const std::string& path);

}  // namespace kelca
