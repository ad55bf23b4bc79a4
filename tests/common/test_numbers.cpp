#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Numbers.h"

using namespace kelca;

TEST(FormatSingle, ShortestRoundTripInPlainRange) {
  EXPECT_EQ(FormatSingle(1.0f), "1");
  EXPECT_EQ(FormatSingle(2.5f), "2.5");
  EXPECT_EQ(FormatSingle(-0.75f), "-0.75");
  EXPECT_EQ(FormatSingle(0.1f), "0.1");
  EXPECT_EQ(FormatSingle(1234567.0f), "1234567");
  EXPECT_EQ(FormatSingle(0.0001f), "0.0001");
  EXPECT_EQ(FormatSingle(0.0f), "0");
  EXPECT_EQ(FormatSingle(-0.0f), "0");
  // Every written value reads back to the same float.
  for (float x : {3.14159274f, 1.0f / 3.0f, 123.456f, 9999999.0f, 0.000123f}) {
    EXPECT_EQ(static_cast<float>(*ParseNumber(FormatSingle(x))), x) << FormatSingle(x);
  }
}

TEST(FormatSingle, ExponentFormOutsidePlainRange) {
  EXPECT_EQ(FormatSingle(1e-5f), "1E-05");
  EXPECT_EQ(FormatSingle(2.5e7f), "2.5E+07");
  EXPECT_EQ(FormatSingle(1e7f), "1E+07");
  EXPECT_EQ(FormatSingle(-3.5e-6f), "-3.5E-06");
  EXPECT_EQ(static_cast<float>(*ParseNumber(FormatSingle(1.2345e-9f))), 1.2345e-9f);
}

TEST(FormatSingle, NonFiniteNeverReachesAFile) {
  EXPECT_EQ(FormatSingle(std::numeric_limits<float>::infinity()), "0");
  EXPECT_EQ(FormatSingle(std::nanf("")), "0");
}

TEST(FormatDouble, KeepsDoublePrecision) {
  EXPECT_EQ(FormatDouble(0.1), "0.1");
  EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.3333333333333333");
  EXPECT_EQ(FormatDouble(1e100), "1E+100");
}

TEST(PrintForm, LeadingBlankUnlessNegativeAndTrailingBlank) {
  EXPECT_EQ(PrintForm(5.0f), " 5 ");
  EXPECT_EQ(PrintForm(-5.5f), "-5.5 ");
  EXPECT_EQ(PrintForm(0.0), " 0 ");
}

TEST(Val, TakesLongestLeadingNumber) {
  EXPECT_DOUBLE_EQ(Val("  12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(Val("-3"), -3);
  EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
  EXPECT_DOUBLE_EQ(Val("1e3x"), 1000);
  EXPECT_DOUBLE_EQ(Val("1e"), 1);      // an exponent without digits is not part of the number
  EXPECT_DOUBLE_EQ(Val("2.5E-2"), 0.025);
  EXPECT_DOUBLE_EQ(Val("abc"), 0);
  EXPECT_DOUBLE_EQ(Val(""), 0);
  EXPECT_DOUBLE_EQ(Val("-"), 0);
  EXPECT_DOUBLE_EQ(Val("."), 0);
  EXPECT_DOUBLE_EQ(Val("+7 8"), 7);
  EXPECT_DOUBLE_EQ(Val("1e999"), HUGE_VAL);
  EXPECT_DOUBLE_EQ(Val("1e-999"), 0);
}

TEST(ParseNumber, WholeFieldOnly) {
  EXPECT_EQ(ParseNumber(" 42 "), 42.0);
  EXPECT_EQ(ParseNumber(""), 0.0);
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber("abc"));
  EXPECT_FALSE(ParseNumber("1e999"));
}

TEST(RoundHalfEven, HalvesGoToEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
  EXPECT_GT(RoundHalfEven(1e300), 0);
}

TEST(FormatGeneral, AtMostSevenSignificantDigits) {
  EXPECT_EQ(FormatGeneral(0.1f + 0.2f), "0.3");
  EXPECT_EQ(FormatGeneral(1.98e8f), "1.98E+08");
  EXPECT_EQ(FormatGeneral(12345678.0f), "1.234568E+07");
  EXPECT_EQ(FormatGeneral(2000.25f), "2000.25");
  EXPECT_EQ(FormatGeneral(-0.333333343f), "-0.3333333");
  EXPECT_EQ(FormatGeneral(1e-5f), "1E-05");
  EXPECT_EQ(FormatGeneral(0.0f / 0.0f), "0");
}
