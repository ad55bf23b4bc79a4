#include "common/FiniteRead.h"

#include <cmath>
#include <limits>

namespace kelca {
bool FitsSingle(double x) { return std::isfinite(x) && std::fabs(x) <= std::numeric_limits<float>::max(); }

bool ReadFiniteSingle(TextReader& reader, float& out) {
  double value = 0;
  if (!reader.ReadDouble(value)) return false;
  if (!FitsSingle(value)) return reader.Fail("a number is beyond the range of a single");
  out = static_cast<float>(value);
  return true;
}

float SingleOf(double x) { return FitsSingle(x) ? static_cast<float>(x) : 0; }

}  // namespace kelca
