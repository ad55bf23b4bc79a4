#include "common/TextReader.h"

#include <climits>

#include "common/FileIO.h"
#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "common/Paths.h"

namespace kelca {

TextReader::TextReader(std::string displayName, std::string bytes)
    : name_(std::move(displayName)), bytes_(std::move(bytes)) {}

Status TextReader::Open(const std::string& path, TextReader& reader) {
  std::string bytes;
  const std::string actual = FindExistingFile(path);
  Status status = ReadFileBytes(actual, bytes);
  if (!status) return status;
  reader = TextReader(path, std::move(bytes));
  return Status::Ok();
}

void TextReader::SkipBlanks() {
  while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) ++pos_;
}

bool TextReader::AtEnd() const {
  for (size_t i = pos_; i < bytes_.size(); ++i) {
    const char c = bytes_[i];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') return false;
  }
  return true;
}

// After a field: skips blanks, then one comma or one line end (CR LF, LF or CR).
void TextReader::ConsumeSeparator() {
  SkipBlanks();
  if (pos_ >= bytes_.size()) return;
  if (bytes_[pos_] == ',') {
    ++pos_;
  } else if (bytes_[pos_] == '\r') {
    ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    ++line_;
  } else if (bytes_[pos_] == '\n') {
    ++pos_;
    ++line_;
  }
}

bool TextReader::NextField(std::string& field, bool& quoted) {
  if (failed_) return false;
  SkipBlanks();
  fieldLine_ = line_;
  if (AtEnd()) return Fail("the file ends early");
  field.clear();
  quoted = pos_ < bytes_.size() && bytes_[pos_] == '"';
  if (quoted) {
    const size_t close = bytes_.find('"', pos_ + 1);
    if (close == std::string::npos) return Fail("a quoted text has no closing quote");
    field = bytes_.substr(pos_ + 1, close - pos_ - 1);
    for (char c : field) {
      if (c == '\n') ++line_;
    }
    pos_ = close + 1;
    // Anything between the closing quote and the separator is ignored.
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
  } else {
    const size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
    size_t end = pos_;
    while (end > start && (bytes_[end - 1] == ' ' || bytes_[end - 1] == '\t')) --end;
    field = bytes_.substr(start, end - start);
  }
  ConsumeSeparator();
  return true;
}

bool TextReader::Fail(std::string_view what) {
  if (!failed_) {
    failed_ = true;
    error_ = name_ + ": line " + std::to_string(fieldLine_) + ": " + std::string(what);
  }
  return false;
}

bool TextReader::ReadString(std::string& out) {
  std::string field;
  bool quoted = false;
  if (!NextField(field, quoted)) return false;
  out = std::move(field);
  return true;
}

bool TextReader::ReadNumber(double& out, bool mayBeEmpty) {
  std::string field;
  bool quoted = false;
  if (!NextField(field, quoted)) return false;
  if (!mayBeEmpty && field.find_first_not_of(" \t") == std::string::npos) return Fail("a number is missing");
  const auto value = ParseNumber(field);
  if (!value) {
    return Fail("expected a number, found \"" + field + "\"");
  }
  out = *value;
  return true;
}

bool TextReader::ReadSingle(float& out) {
  double value = 0;
  if (!ReadNumber(value)) return false;
  if (!FitsSingle(value)) return Fail("the number " + FormatDouble(value) + " is beyond the range of a single");
  out = static_cast<float>(value);
  return true;
}

bool TextReader::ReadDouble(double& out) { return ReadNumber(out); }

bool TextReader::ReadInt(int& out) {
  double value = 0;
  if (!ReadNumber(value)) return false;
  const long long rounded = RoundHalfEven(value);
  if (rounded < INT_MIN || rounded > INT_MAX) return Fail("the number " + FormatDouble(value) + " is too large");
  out = static_cast<int>(rounded);
  return true;
}

bool TextReader::ReadCount(int& out, int low, int high, std::string_view what) {
  double number = 0;
  if (!ReadNumber(number, false)) return false;
  const long long value = RoundHalfEven(number);
  if (value < low || value > high) {
    return Fail(std::string(what) + " " + std::to_string(value) + " is outside " + std::to_string(low) + " to " +
                std::to_string(high));
  }
  out = static_cast<int>(value);
  return true;
}

}  // namespace kelca
