#include "common/FiniteRead.h"

#include <cmath>
#include <limits>

namespace kelca {
bool FitsSingle(double x) { return std::isfinite(x) && std::fabs(x) <= std::numeric_limits<float>::max(); }

float SingleOf(double x) { return FitsSingle(x) ? static_cast<float>(x) : 0; }

}  // namespace kelca
