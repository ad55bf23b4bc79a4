#pragma once
// Solar gains through windows: the angle of incidence on a surface, the optics
// of the reference glass and the sunlit fractions of a window's shading mask.
#include <array>

#include "energy/LoadTables.h"
#include "energy/RoomState.h"
#include "energy/SimStatus.h"
#include "energy/WeatherFile.h"

namespace kelca {

// Cosine of the angle of incidence of the sun on a surface of orientation 1..9; never negative.
float CosIncidence(float solarAzimuth, float solarAltitude, int orientation);

struct GlassOptics {
  float Transmittance = 0, Absorptance = 0;
};
// Direct transmittance and absorptance of the glass for the given cosine of incidence.
GlassOptics DirectGlassOptics(const LoadTables& tables, float cosIncidence);

// The azimuth bin of the sun in a shading mask, or -1 when none holds it.
int MaskAzimuthBin(float solarAzimuth);
// The sunlit fraction of a window for the sun's position. A sun below the
// horizon (or an unreadable altitude) lights nothing directly; one at or above
// the zenith bin's upper edge takes the topmost bin.
float MaskDirectFraction(const ShadingMask& mask, int azimuthBin, float solarAltitude);

// The sun on windows in one hour: the mask bin of its azimuth and the glass
// optics of each orientation, each worked out once, when first asked for, for
// all the rooms of the hour.
class SunOnWindows {
 public:
  SunOnWindows(const WeatherRecord& weather, const LoadTables& tables) : weather_(weather), tables_(tables) {}
  int AzimuthBin();
  const GlassOptics& Optics(int orientation);
  float DiffuseTransmittance() const { return tables_.DiffuseTransmittance; }

 private:
  const WeatherRecord& weather_;
  const LoadTables& tables_;
  int azimuthBin_ = -2;  // -2: not yet worked out
  std::array<GlassOptics, kMaxOrientation + 1> optics_{};
  std::array<bool, kMaxOrientation + 1> known_{};
};

// The window totals of the hour: transmitted direct and diffuse solar gain of
// all windows of the room. Fails when a window's mask has no bin for the sun's azimuth.
bool CalSolGain(RoomState& room, const WeatherRecord& weather, const LoadTables& tables, SimStatus& status);
bool CalSolGain(RoomState& room, const WeatherRecord& weather, SunOnWindows& sun, SimStatus& status);

}  // namespace kelca
