#pragma once
// Number conventions shared by every file and screen: the written form of
// single and double values, lenient conversion of typed text, and rounding.
#include <optional>
#include <string>
#include <string_view>

namespace kelca {

// Shortest decimal text that reads back to the same float: plain notation for
// 1E-04 <= |x| < 1E+07, else exponent form ("1E-05", "2.5E+07"); whole numbers
// without a point. Non-finite values are written as "0" (they must never reach a file).
std::string FormatSingle(float x);
// The single that a reader of FormatSingle(x) gets back (TextReader::ReadSingle):
// what a file holds in place of x. Fast: no text is made for most values.
float SingleAsRead(float x);
// The same rules with a double round trip.
std::string FormatDouble(double x);
std::string FormatInteger(long long n);
// The general text form in which screens show a single: at most seven
// significant digits, otherwise laid out as FormatSingle ("1.98E+08", "0.3").
std::string FormatGeneral(float x);

// Print form of a number printed alone: a leading blank when not negative, and a trailing blank.
std::string PrintForm(float x);
std::string PrintForm(double x);

// Lenient conversion of typed text: skips leading blanks and takes the longest
// leading part that forms a decimal number (sign, digits, point, exponent); else 0.
double Val(std::string_view text);

// Strict conversion of a whole field (surrounding blanks allowed); nullopt when the
// text is not a number. An empty field is 0.
std::optional<double> ParseNumber(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour.
long long RoundHalfEven(double x);

// True when x is finite; used as a guard before anything is shown or written.
bool IsFiniteValue(double x);

}  // namespace kelca
