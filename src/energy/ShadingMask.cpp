#include "energy/ShadingMask.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"
#include "energy/EnergyModel.h"

namespace kelca {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kRadPerDeg = kPi / 180.0f;

float RoundTo4Decimals(float x) { return static_cast<float>(RoundHalfEven(double(x) * 10000.0) / 10000.0); }

// Sunlit width of the window for a sun at horizontal angle delta (deg) off its normal.
float SunlitWidth(const ShadingMaskInput& in, float delta, float gammaL, float gammaR, float wTotal) {
  if (delta < 0) {
    const float off = std::fabs(delta);
    const float s = off * kRadPerDeg < gammaR ? in.RP * std::tan(off * kRadPerDeg) : wTotal;
    return s < in.DR ? in.W : std::max(0.0f, in.W + in.DR - s);
  }
  const float s = delta * kRadPerDeg < gammaL ? in.LP * std::tan(delta * kRadPerDeg) : wTotal;
  return s < in.DL ? in.W : std::max(0.0f, in.W + in.DL - s);
}

// Sunlit height below the overhang for a sun at altitude beta (deg).
float SunlitHeight(const ShadingMaskInput& in, float beta, float delta) {
  const float v = in.OP * std::tan(beta * kRadPerDeg) / std::cos(delta * kRadPerDeg);
  return v < in.DT ? in.H : std::max(0.0f, in.H + in.DT - v);
}

}  // namespace

int MaskOrientationCode(const std::string& text) {
  for (int o = 1; o <= 8; ++o) {
    if (text == kOrientationNames[o]) return o;
  }
  return 0;
}

Status GenerateShadingMask(const ShadingMaskInput& in, ShadingMask& mask) {
  if (in.Orientation < 1 || in.Orientation > 8) return Status::Error("Window orientation not yet set !");
  // Width and height each above 0: two negative sides make a positive area too.
  if (!(in.W > 0 && in.H > 0)) return Status::Error("Window area <= 0!");
  if (!std::isfinite(in.W * in.H)) return Status::Error("Window area too large!");
  const float wTotal = in.W + in.DL + in.DR;
  float gammaL = kPi / 2, gammaR = kPi / 2;
  if (0.01f * wTotal < in.LP) gammaL = std::atan(wTotal / in.LP);
  if (0.01f * wTotal < in.RP) gammaR = std::atan(wTotal / in.RP);
  float psi = (in.Orientation - 5) * 45.0f;
  if (psi < 0) psi += 360.0f;
  for (int i = 0; i < kMaskAzimuthBins; ++i) {
    const float phi = 10.0f * i + 5.0f;
    float delta = phi - psi;
    if (std::fabs(delta) >= 180.0f) delta += delta <= 0 ? 360.0f : -360.0f;
    const float width = std::fabs(delta) >= 90.0f ? 0.0f : SunlitWidth(in, delta, gammaL, gammaR, wTotal);
    for (int j = 0; j < kMaskAltitudeBins; ++j) {
      const float beta = 10.0f * j + 5.0f;
      mask.Mask[j][i] = width == 0.0f ? 0.0f : SunlitHeight(in, beta, delta) * width / (in.W * in.H);
    }
  }
  return Status::Ok();
}

void FinishShadingMask(ShadingMask& mask) {
  float sum = 0;
  for (int i = 0; i < kMaskAzimuthBins; ++i) {
    for (int j = 0; j < kMaskAltitudeBins; ++j) {
      mask.Mask[j][i] = RoundTo4Decimals(mask.Mask[j][i]);
      sum += mask.Mask[j][i];
    }
  }
  mask.DiffuseFraction = RoundTo4Decimals(sum / 162.0f);
}

Status SaveShadingMask(const std::string& folder, const ShadingMaskInput& in, ShadingMask& mask) {
  if (in.Name.empty()) return Status::Error("No name given to shading mask yet!");
  FinishShadingMask(mask);
  TextWriter w;
  for (int i = 0; i < kMaskAzimuthBins; ++i) {
    const auto m = [&](int j) { return mask.Mask[j][i]; };
    w.Line(m(0), m(1), m(2), m(3), m(4), m(5), m(6), m(7), m(8));
  }
  w.Line(mask.DiffuseFraction);
  const std::string fileName = in.Name + ".SHM";
  w.PrintLine("");
  w.PrintLine("The above shading mask is for:");
  w.PrintLine(std::string("Window orientation                   ") + kOrientationNames[in.Orientation] + " ");
  w.PrintLine("Window Width (m)                     " + PrintForm(in.W));
  w.PrintLine("Window Height (m)                    " + PrintForm(in.H));
  w.PrintLine("Overhang Projection (m)              " + PrintForm(in.OP));
  w.PrintLine("Overhang above window top (m)        " + PrintForm(in.DT));
  w.PrintLine("Left Sidefin Projection (m)          " + PrintForm(in.LP));
  w.PrintLine("Left Sidefin from LHS of window (m)  " + PrintForm(in.DL));
  w.PrintLine("Right Sidefin Projection (m)         " + PrintForm(in.RP));
  w.PrintLine("Right Sidefin from RHS of window (m) " + PrintForm(in.DR));
  w.PrintLine("Filename for this set of data        " + fileName + " ");
  return w.Save(ResolvePath(folder, fileName));
}

Status ReadShadingMaskFile(const std::string& path, ShadingMask& mask) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  ShadingMask read;
  // Every value is a sunlit fraction.
  const auto readFraction = [&in](float& f) {
    if (in.ReadSingle(f) && !(f >= 0 && f <= 1)) in.Fail("the sunlit fraction " + FormatSingle(f) + " is outside 0 to 1");
  };
  for (int i = 0; i < kMaskAzimuthBins; ++i) {
    for (int j = 0; j < kMaskAltitudeBins; ++j) readFraction(read.Mask[j][i]);
  }
  readFraction(read.DiffuseFraction);
  if (in.Failed()) return in.Result();
  mask = read;
  return Status::Ok();
}

}  // namespace kelca
