#include "common/FileIO.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

namespace kelca {
namespace fs = std::filesystem;

Status ReadFileBytes(const std::string& path, std::string& bytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return Status::Error("Cannot read " + path + ": it is a folder.");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::Error("Cannot open " + path + ": " + std::strerror(errno) + ".");
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return Status::Error("Cannot read " + path + ".");
  bytes = content.str();
  return Status::Ok();
}

namespace {
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter = 0;
  return path + ".~kelca" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
}

// The fault planned by a PlannedWriteFault of this thread, if any.
thread_local const WriteFault* plannedFault = nullptr;

Status WriteAll(std::FILE* file, const std::string& content, const WriteFault* fault) {
  const size_t limit = fault ? std::min(fault->failAfterBytes, content.size()) : content.size();
  if (limit > 0 && std::fwrite(content.data(), 1, limit, file) != limit) return Status::Error(std::strerror(errno));
  if (fault) return Status::Error("simulated write failure");
  if (std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0) return Status::Error(std::strerror(errno));
  return Status::Ok();
}
}  // namespace

PlannedWriteFault::PlannedWriteFault(WriteFault fault) : fault_(fault), previous_(plannedFault) {
  plannedFault = &fault_;
}

PlannedWriteFault::~PlannedWriteFault() { plannedFault = previous_; }

Status ReplaceFile(const std::string& path, const std::string& content, const WriteFault* fault) {
  if (fault == nullptr) fault = plannedFault;
  const std::string temporary = TemporaryNameFor(path);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return Status::Error("Cannot write " + path + ": " + std::strerror(errno) + ".");
  Status status = WriteAll(file, content, fault);
  if (std::fclose(file) != 0 && status) status = Status::Error(std::strerror(errno));
  if (status && std::rename(temporary.c_str(), path.c_str()) != 0) status = Status::Error(std::strerror(errno));
  if (!status) {
    std::remove(temporary.c_str());
    return Status::Error("Cannot write " + path + ": " + status.message + ".");
  }
  return Status::Ok();
}

PreviousFileKeeper::PreviousFileKeeper(std::string path) : path_(std::move(path)), kept_(path_ + ".~kelca-previous") {
  std::error_code ec;
  fs::remove(kept_, ec);
  existed_ = fs::exists(path_, ec);
  // A second name for the same file costs nothing; a copy where links are not to be had.
  if (existed_ && (fs::create_hard_link(path_, kept_, ec), ec)) fs::copy_file(path_, kept_, ec);
}

PreviousFileKeeper::~PreviousFileKeeper() {
  std::error_code ec;
  if (accepted_) {
    fs::remove(kept_, ec);
  } else if (existed_) {
    fs::rename(kept_, path_, ec);
  } else {
    fs::remove(path_, ec);
  }
}

void PreviousFileKeeper::Accept() { accepted_ = true; }

Status MakeFolder(const std::string& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return Status::Error(path + " exists already.");
  if (!fs::create_directory(path, ec)) return Status::Error("Cannot create " + path + ": " + ec.message() + ".");
  return Status::Ok();
}

bool RemoveFileIfPresent(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec);
}

}  // namespace kelca
