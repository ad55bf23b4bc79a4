#pragma once
// Rows of text boxes that show single values and take what is typed back
// leniently (the leading number, else 0).
#include <algorithm>
#include <array>
#include <string>

#include "common/FiniteRead.h"
#include "common/Numbers.h"

namespace kelca {

// A whole number typed into a box (a count, a code, an hour): the leading
// number rounded half to even, held within the range of an int.
inline int WholeOf(const std::string& box) {
  constexpr long long kLimit = 2000000000;
  return static_cast<int>(std::clamp(RoundHalfEven(Val(box)), -kLimit, kLimit));
}

template <size_t N>
void ShowValues(std::array<std::string, N>& boxes, const std::array<float, N>& values) {
  for (size_t i = 0; i < N; ++i) boxes[i] = FormatGeneral(values[i]);
}

template <size_t N>
std::array<float, N> BoxValues(const std::array<std::string, N>& boxes) {
  std::array<float, N> values{};
  for (size_t i = 0; i < N; ++i) values[i] = SingleOf(Val(boxes[i]));
  return values;
}

}  // namespace kelca
