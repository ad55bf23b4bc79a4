#include "energy/Psychrometrics.h"

#include <cmath>

namespace kelca {

float SatPressure(float t) {
  const double T = static_cast<double>(t) + 273.15;
  const double lnP = -5800.2206 / T - 5.516256 - 0.048640239 * T + 4.1764768E-05 * T * T -
                     1.4452093E-08 * T * T * T + 6.5459673 * std::log(T);
  return static_cast<float>(std::exp(lnP));
}

float VapourHumidityRatio(float p) { return 0.622f * p / (101.325f - p); }

float MoistAirEnthalpy(float t, float w) { return 1.006f * t + w * (2501.0f + 1.87f * t); }

}  // namespace kelca
