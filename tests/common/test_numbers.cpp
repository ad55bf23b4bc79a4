#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <tuple>
#include <vector>

#include "common/Numbers.h"

using namespace kelca;

TEST(FormatSingle, ShortestRoundTripPlainInsideExponentOutsideAndNoNonFinite) {
  const float inf = std::numeric_limits<float>::infinity();
  for (const auto& [x, text] : {std::pair{1.0f, "1"}, {2.5f, "2.5"}, {-0.75f, "-0.75"}, {0.1f, "0.1"},
                                {1234567.0f, "1234567"}, {0.0001f, "0.0001"}, {0.0f, "0"}, {-0.0f, "0"},
                                {1e-5f, "1E-05"}, {2.5e7f, "2.5E+07"}, {1e7f, "1E+07"}, {-3.5e-6f, "-3.5E-06"},
                                {inf, "0"}, {std::nanf(""), "0"}}) {
    EXPECT_EQ(FormatSingle(x), text) << text;
  }
  // Every written value reads back to the same float.
  for (float x : {3.14159274f, 1.0f / 3.0f, 123.456f, 9999999.0f, 0.000123f, 1.2345e-9f}) {
    EXPECT_EQ(static_cast<float>(*ParseNumber(FormatSingle(x))), x) << FormatSingle(x);
  }
}

// What a reader gets back, without the text where it need not be made: bit for
// bit what reading the written text gives, over singles of every magnitude.
TEST(SingleAsRead, EqualsReadingTheWrittenTextBack) {
  const auto asRead = [](float x) {
    const std::optional<double> read = ParseNumber(FormatSingle(x));
    return read ? static_cast<float>(*read) : -1.0f;
  };
  const auto bits = [](float x) { return std::bit_cast<uint32_t>(x); };
  std::vector<float> values = {-0.0f, std::nanf(""), std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::denorm_min(), std::nextafter(1e-3f, 0.0f), 1e-3f,
                               std::nextafter(1e7f, 0.0f), 1e7f, -4.2e-5f, 0.0153f};
  std::mt19937 random(17);
  for (int i = 0; i < 200000; ++i) values.push_back(std::bit_cast<float>(static_cast<uint32_t>(random())));
  for (int i = 0; i < 200000; ++i) {  // the plain range, where no text is made
    values.push_back(std::ldexp(1.0f + static_cast<float>(random() % 8388608) / 8388608.0f,
                                static_cast<int>(random() % 34) - 10));
  }
  for (float x : values) ASSERT_EQ(bits(SingleAsRead(x)), bits(asRead(x))) << FormatSingle(x);
}

TEST(FormatDoubleAndGeneral, DoublePrecisionAndAtMostSevenSignificantDigits) {
  EXPECT_EQ(FormatDouble(0.1), "0.1");
  EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.3333333333333333");
  EXPECT_EQ(FormatDouble(1e100), "1E+100");
  for (const auto& [x, text] : {std::pair{0.1f + 0.2f, "0.3"}, {1.98e8f, "1.98E+08"}, {12345678.0f, "1.234568E+07"},
                                {2000.25f, "2000.25"}, {-0.333333343f, "-0.3333333"}, {1e-5f, "1E-05"},
                                {std::nanf(""), "0"}}) {
    EXPECT_EQ(FormatGeneral(x), text) << text;
  }
}

TEST(PrintForm, LeadingBlankUnlessNegativeAndTrailingBlank) {
  EXPECT_EQ(std::tuple(PrintForm(5.0f), PrintForm(-5.5f), PrintForm(0.0)), std::tuple(" 5 ", "-5.5 ", " 0 "));
}

TEST(Val, TakesLongestLeadingNumber) {
  // An exponent without digits is not part of the number.
  for (const auto& [text, x] : {std::pair{"  12.5abc", 12.5}, {"-3", -3.0}, {".5", 0.5}, {"1e3x", 1000.0}, {"1e", 1.0},
                                {"2.5E-2", 0.025}, {"abc", 0.0}, {"", 0.0}, {"-", 0.0}, {".", 0.0}, {"+7 8", 7.0},
                                {"1e999", HUGE_VAL}, {"1e-999", 0.0}}) {
    EXPECT_DOUBLE_EQ(Val(text), x) << text;
  }
}

TEST(ParseNumber, WholeFieldOnly) {
  EXPECT_EQ(std::pair(ParseNumber(" 42 "), ParseNumber("")), std::pair(std::optional(42.0), std::optional(0.0)));
  for (const char* bad : {"12abc", "abc", "1e999"}) EXPECT_FALSE(ParseNumber(bad)) << bad;
}

TEST(RoundHalfEven, HalvesGoToEvenNeighbour) {
  for (const auto& [x, n] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.6, 3}, {std::nan(""), 0}}) {
    EXPECT_EQ(RoundHalfEven(x), n) << x;
  }
  EXPECT_GT(RoundHalfEven(1e300), 0);
}
