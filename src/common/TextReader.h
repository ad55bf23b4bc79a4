#pragma once
// The input form of sequential text files: field after field, commas and line
// ends alike separating them, quoted strings read up to their closing quote,
// unquoted fields trimmed; CR LF and LF both end a line. A missing or unreadable
// field is a reported failure naming the file and the line; after the first
// failure every further read fails too, so a reader can check once at the end.
#include <string>
#include <string_view>

#include "common/Status.h"

namespace kelca {

class TextReader {
 public:
  // displayName is the file name used in messages; bytes is the whole file.
  TextReader(std::string displayName, std::string bytes);

  // Opens a file (with the case-insensitive fallback of the folder) and reads it whole.
  static Status Open(const std::string& path, TextReader& reader);

  // Numbers: an empty field reads as 0; text that is not a number, and a
  // number beyond the range of its type, is a failure naming the line.
  bool ReadString(std::string& out);
  bool ReadSingle(float& out);
  bool ReadDouble(double& out);
  // A number rounded to the nearest integer (halves to even), within the range of int.
  bool ReadInt(int& out);
  // Reads an integer and checks it against [low, high]; what names the value in
  // the message. A count or code is never empty.
  bool ReadCount(int& out, int low, int high, std::string_view what);

  // True when only blanks and line ends remain.
  bool AtEnd() const;
  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }
  Status Result() const { return failed_ ? Status::Error(error_) : Status::Ok(); }
  // Marks the read as failed with a message about the line of the last field.
  bool Fail(std::string_view what);

  const std::string& DisplayName() const { return name_; }
  int Line() const { return line_; }

 private:
  bool NextField(std::string& field, bool& quoted);
  void SkipBlanks();
  void ConsumeSeparator();
  bool ReadNumber(double& out, bool mayBeEmpty = true);

  std::string name_;
  std::string bytes_;
  size_t pos_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;  // the line on which the last field began
  bool failed_ = false;
  std::string error_;
};

}  // namespace kelca
