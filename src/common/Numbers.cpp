#include "common/Numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kelca {
namespace {

// Turns to_chars' exponent form ("2.5e+07") into the file form ("2.5E+07").
std::string UpperExponent(std::string text) {
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

template <class T>
std::string FormatShortest(T x) {
  if (!std::isfinite(x) || x == 0) return "0";
  const T magnitude = std::fabs(x);
  char buffer[64];
  const bool plain = magnitude >= T(1e-4) && magnitude < T(1e7);
  const auto format = plain ? std::chars_format::fixed : std::chars_format::scientific;
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, format);
  std::string text(buffer, result.ptr);
  return plain ? text : UpperExponent(text);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest leading decimal number in text (after position start), 0 if none.
size_t NumberPrefixLength(std::string_view text, size_t start) {
  size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i - start;
}

double ConvertPrefix(std::string_view text, size_t start, size_t length) {
  std::string digits(text.substr(start, length));
  if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
  for (char& c : digits) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  double value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the range of a double: a negative exponent underflows to 0, else saturate.
    const size_t e = digits.find('e');
    const bool tiny = e != std::string::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
    if (digits[0] == '-') value = -value;
  }
  return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string FormatSingle(float x) { return FormatShortest(x); }
std::string FormatDouble(double x) { return FormatShortest(x); }

float SingleAsRead(float x) {
  // A reader takes the text as a double and rounds that to a single. In plain
  // notation from 1E-03 up, the text has at most 9 significant digits and 11
  // decimals: it lies farther from any midpoint of two neighbouring singles
  // than half the spacing of doubles there, so both roundings land on x.
  const float magnitude = std::fabs(x);
  if (magnitude >= 1e-3f && magnitude < 1e7f) return x;
  const std::optional<double> read = ParseNumber(FormatSingle(x));
  return read ? static_cast<float>(*read) : 0.0f;
}
std::string FormatInteger(long long n) { return std::to_string(n); }

std::string FormatGeneral(float x) {
  if (!std::isfinite(x)) return "0";
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(x),
                                     std::chars_format::scientific, 6);
  double rounded = 0;
  std::from_chars(buffer, written.ptr, rounded);
  return FormatShortest(rounded);
}

std::string PrintForm(float x) { return (x < 0 ? "" : " ") + FormatSingle(x) + " "; }
std::string PrintForm(double x) { return (x < 0 ? "" : " ") + FormatDouble(x) + " "; }

double Val(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  const size_t length = NumberPrefixLength(text, start);
  return length == 0 ? 0.0 : ConvertPrefix(text, start, length);
}

std::optional<double> ParseNumber(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && IsBlank(text[start])) ++start;
  while (end > start && IsBlank(text[end - 1])) --end;
  if (start == end) return 0.0;
  const size_t length = NumberPrefixLength(text, start);
  if (length == 0 || start + length != end) return std::nullopt;
  const double value = ConvertPrefix(text, start, length);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

long long RoundHalfEven(double x) {
  if (!std::isfinite(x)) return 0;
  constexpr double kLimit = 9.0e18;
  if (x >= kLimit) return static_cast<long long>(kLimit);
  if (x <= -kLimit) return -static_cast<long long>(kLimit);
  return static_cast<long long>(std::nearbyint(x));
}

bool IsFiniteValue(double x) { return std::isfinite(x); }

}  // namespace kelca
