#pragma once
// Shading masks of vertical windows with an overhang and two side fins: the
// sunlit fraction of the window for 9 altitude by 36 azimuth bins of 10 degrees
// (azimuth from south towards west), and one diffuse (sky) sunlit fraction.
#include <array>
#include <string>

#include "common/Status.h"

namespace kelca {

constexpr int kMaskAltitudeBins = 9;
constexpr int kMaskAzimuthBins = 36;

// The dimensions of the window and its shading devices, m.
struct ShadingMaskInput {
  int Orientation = 0;  // 1 "N" .. 8 "NW"; 0 = not chosen
  float W = 0, H = 0;   // window width and height
  float OP = 0, DT = 0; // overhang projection, and its height above the window top
  float LP = 0, DL = 0; // left fin projection, and its distance from the window's left edge
  float RP = 0, DR = 0; // right fin likewise
  std::string Name;     // the file is Name + ".SHM"
};

struct ShadingMask {
  std::array<std::array<float, kMaskAzimuthBins>, kMaskAltitudeBins> Mask{};  // [altitude bin][azimuth bin]
  float DiffuseFraction = 0;
};

// Orientation codes of the mask screen: 1 "N" .. 8 "NW", 0 when the text is none of them.
int MaskOrientationCode(const std::string& text);

// Computes the sunlit fractions. Refuses a window without orientation
// ("Window orientation not yet set !") or area ("Window area <= 0!").
Status GenerateShadingMask(const ShadingMaskInput& input, ShadingMask& mask);
// Rounds every value to 4 decimals and sets the diffuse fraction from them.
void FinishShadingMask(ShadingMask& mask);
// Finishes the mask and writes folder + Name + ".SHM" with its description;
// refuses an empty name ("No name given to shading mask yet!").
Status SaveShadingMask(const std::string& folder, const ShadingMaskInput& input, ShadingMask& mask);
// Reads the 36 lines of 9 values and the diffuse fraction; the description is not read.
Status ReadShadingMaskFile(const std::string& path, ShadingMask& mask);

}  // namespace kelca
