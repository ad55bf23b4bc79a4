#include "energy/SolarGains.h"

#include <cmath>
#include <numbers>

namespace kelca {

namespace {
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kBinWidth = kPi / 18;  // 10 degrees
}  // namespace

float CosIncidence(float solarAzimuth, float solarAltitude, int orientation) {
  float c = 0;
  if (orientation == kHorizontal) {
    c = std::sin(solarAltitude);
  } else if (orientation >= 1 && orientation <= 8) {
    float surfaceAzimuth = static_cast<float>(orientation - 5) * kPi / 4;
    if (surfaceAzimuth < 0) surfaceAzimuth += 2 * kPi;
    float delta = solarAzimuth - surfaceAzimuth;
    if (std::fabs(delta) >= kPi) delta += delta > 0 ? -2 * kPi : 2 * kPi;
    c = std::cos(delta) * std::cos(solarAltitude);
  }
  return c > 0 ? c : 0.0f;
}

GlassOptics DirectGlassOptics(const LoadTables& t, float cosIncidence) {
  GlassOptics g;
  if (!(cosIncidence > 0)) return g;
  float power = 1;
  for (int j = 0; j < 6; ++j) {
    g.Transmittance += t.GlassTransmittance[j] * power;
    g.Absorptance += t.GlassAbsorptance[j] * power;
    power *= cosIncidence;
  }
  return g;
}

int MaskAzimuthBin(float solarAzimuth) {
  for (int i = 0; i < kMaskAzimuthBins; ++i) {
    if (static_cast<float>(i) * kBinWidth <= solarAzimuth && solarAzimuth < static_cast<float>(i + 1) * kBinWidth) {
      return i;
    }
  }
  return -1;
}

float MaskDirectFraction(const ShadingMask& mask, int azimuthBin, float solarAltitude) {
  if (!(solarAltitude >= 0)) return 0.0f;
  for (int j = 0; j < kMaskAltitudeBins; ++j) {
    if (static_cast<float>(j) * kBinWidth <= solarAltitude && solarAltitude < static_cast<float>(j + 1) * kBinWidth) {
      return mask.Mask[j][azimuthBin];
    }
  }
  return mask.Mask[kMaskAltitudeBins - 1][azimuthBin];
}

int SunOnWindows::AzimuthBin() {
  if (azimuthBin_ == -2) azimuthBin_ = MaskAzimuthBin(weather_.SolarAzimuth);
  return azimuthBin_;
}

const GlassOptics& SunOnWindows::Optics(int o) {
  if (!known_[o]) {
    optics_[o] = DirectGlassOptics(tables_, CosIncidence(weather_.SolarAzimuth, weather_.SolarAltitude, o));
    known_[o] = true;
  }
  return optics_[o];
}

bool CalSolGain(RoomState& room, const WeatherRecord& w, const LoadTables& tables, SimStatus& status) {
  SunOnWindows sun(w, tables);
  return CalSolGain(room, w, sun, status);
}

bool CalSolGain(RoomState& room, const WeatherRecord& w, SunOnWindows& sun, SimStatus& status) {
  for (int c = 1; c <= room.ComponentCount; ++c) {
    const RoomComponent& rc = room.Component[c];
    if (rc.ComponentType != kWindow) continue;
    float directFraction = 1, diffuseFraction = 1;
    if (rc.Mask) {
      const int i = sun.AzimuthBin();
      if (i < 0) return status.Fail("CalSolGain: Solar azimuth angle out of range!");
      directFraction = MaskDirectFraction(*rc.Mask, i, w.SolarAltitude);
      diffuseFraction = rc.Mask->DiffuseFraction;
    }
    const GlassOptics& glass = sun.Optics(rc.Orientation);
    const int v = rc.Orientation == kHorizontal ? 0 : 1;
    room.DirectGain +=
        rc.ShadingCoefficient * rc.Area * w.DirectSolar[rc.Orientation] * glass.Transmittance * directFraction;
    room.DiffuseGain +=
        rc.ShadingCoefficient * rc.Area * w.DiffuseSolar[v] * sun.DiffuseTransmittance() * diffuseFraction;
  }
  return true;
}

}  // namespace kelca
