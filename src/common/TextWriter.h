#pragma once
// The write form of sequential text files: one call one line, CR LF, fields
// separated by commas, strings in double quotes, numbers bare. The text is
// gathered in memory and saved in one go, replacing the old file only when
// the whole new one is on disk.
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/FileIO.h"
#include "common/Numbers.h"
#include "common/Status.h"

namespace kelca {

class TextWriter {
 public:
  // Writes one line holding the given fields.
  template <class... Fields>
  void Line(const Fields&... fields) {
    bool first = true;
    (AppendField(fields, first), ...);
    text_ += "\r\n";
  }

  // Print form: the text unchanged as one line (reports and run logs).
  void PrintLine(std::string_view text);

  // Makes room for a text of about this many bytes (large files written in one go).
  void Reserve(size_t bytes) { text_.reserve(bytes); }
  // The lines of another writer after these (a large file made in parts at once).
  void Append(const TextWriter& later) { text_ += later.text_; }
  const std::string& Text() const { return text_; }
  Status Save(const std::string& path, const WriteFault* fault = nullptr) const;

  // A string field: quoted; a double quote inside it is written as a single quote.
  static std::string QuoteField(std::string_view text);

 private:
  template <class T>
  void AppendField(const T& value, bool& first) {
    if (!first) text_ += ',';
    first = false;
    text_ += FieldText(value);
  }

  static std::string FieldText(std::string_view s) { return QuoteField(s); }
  static std::string FieldText(const std::string& s) { return QuoteField(s); }
  static std::string FieldText(const char* s) { return QuoteField(s); }
  static std::string FieldText(float x) { return FormatSingle(x); }
  static std::string FieldText(double x) { return FormatDouble(x); }
  // A number that may be missing: bare, or an empty string field.
  static std::string FieldText(const std::optional<float>& x) { return x ? FormatSingle(*x) : QuoteField(""); }
  template <class T, class = std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>>
  static std::string FieldText(T n) {
    return FormatInteger(static_cast<long long>(n));
  }

  std::string text_;
};

}  // namespace kelca
