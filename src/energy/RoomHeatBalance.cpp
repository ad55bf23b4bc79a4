#include "energy/RoomHeatBalance.h"

namespace kelca {

namespace {
constexpr float kHi = kInsideSurfaceCoefficient;
constexpr float kHo = kOutsideSurfaceCoefficient;
constexpr float kSkyCorrection = 3.9f;  // K, horizontal opaque surfaces
}  // namespace

void PrepareHour(const RoomState& r, const WeatherRecord& w, const ScheduleFractions& f, bool operating,
                 HourConditions& h) {
  h.Weather = &w;
  h.Operating = operating;
  h.OccupantGain = 65 * r.OccupantCount * f.Occupancy;
  h.LightingGain = 0.4f * r.LightingPower * f.Lighting;
  h.EquipmentGain = 0.5f * r.EquipmentPower * f.Equipment;
  h.OccupantLatent = 55 * r.OccupantCount * f.Occupancy;
  h.SpreadRadiantGain = 0;
  h.FloorSunRise = 0;
  if (!(r.TotalArea > 0)) return;
  const float radiant = (0.6f * r.LightingPower * f.Lighting + 0.5f * r.EquipmentPower * f.Equipment) / r.TotalArea;
  if (r.FloorCeilingArea > 0) {
    h.SpreadRadiantGain = r.DiffuseGain / r.TotalArea + radiant;
    h.FloorSunRise = r.DirectGain / (kHi * r.FloorCeilingArea);
  } else {
    // No floor to take the direct sun: it is spread over all surfaces like the diffuse sun.
    h.SpreadRadiantGain = (r.DiffuseGain + r.DirectGain) / r.TotalArea + radiant;
  }
}

bool SolAirTemp(const RoomComponent& rc, const WeatherRecord& w, float roomTemp, float& outside) {
  switch (rc.ComponentType) {
    case kRoof:
    case kExternalWall:
      if (rc.Orientation == kHorizontal) {
        outside = w.DryBulb + rc.OuterAbsorptivity * (w.DirectSolar[kHorizontal] + w.DiffuseSolar[0]) / kHo -
                  kSkyCorrection;
      } else {
        outside = w.DryBulb + rc.OuterAbsorptivity * (w.DirectSolar[rc.Orientation] + w.DiffuseSolar[1]) / kHo;
      }
      return true;
    case kWindow:
      outside = w.DryBulb;
      return true;
    case kPartition:
      outside = roomTemp;
      return true;
    default:  // Floor/Ceiling: set by the radiant exchange
      return false;
  }
}

void CalSolAirTemp(RoomState& r, const WeatherRecord& w) {
  float* t = r.CurrentTemps();
  for (int c = 1; c <= r.ComponentCount; ++c) {
    const RoomComponent& rc = r.Component[c];
    SolAirTemp(rc, w, r.RoomTemp, t[rc.OutsideSlot()]);
  }
}

bool CalQMRT(RoomState& r, const HourConditions& h, SimStatus& status) {
  if (r.SurfaceCount == 0) return true;
  if (r.ZeroSeenArea) return status.Fail("CalQMRT: Zero total internal area found!!");
  float* __restrict t = r.CurrentTemps();
  float* __restrict tk = r.SurfaceKelvin.data();
  float* __restrict q = r.NetRadiantLoss.data();
  const int lanes = r.SurfaceLanes, count = r.SurfaceCount;
  for (int i = 0; i < lanes; ++i) tk[i] = t[r.SurfaceSlot[i]] + kKelvinOffset;
  alignas(16) std::array<float, kMaxSurfaces> seenSum{};
  for (int j = 0; j < count; ++j) {
    const float tj = tk[j];
    const float* __restrict w = r.SeenWeight[j].data();
    for (int i = 0; i < lanes; ++i) seenSum[i] += w[i] * tj;
  }
  for (int i = 0; i < lanes; ++i) {
    const float mrt = seenSum[i] / r.SeenArea[i];
    const float mean = (tk[i] + mrt) / 2;
    q[i] = r.RadiantFactor[i] * (mean * mean * mean) * (tk[i] - mrt);
  }
  // The surfaces' losses must balance: the area-weighted residual is taken
  // off every surface, so that the exchange neither makes nor destroys heat.
  float balance = 0;
  for (int i = 0; i < count; ++i) balance += r.SurfaceArea[i] * q[i];
  balance /= r.TotalArea;
  for (int i = 0; i < count; ++i) q[i] -= balance;

  const float gain = h.SpreadRadiantGain;
  for (int c = 1; c <= r.ComponentCount; ++c) {
    const RoomComponent& rc = r.Component[c];
    const float inner = r.RoomAirTemp + (gain - q[r.SurfaceOf[c]]) / kHi;
    if (rc.ComponentType != kFloorCeiling) {
      t[rc.InsideSlot()] = inner;
      continue;
    }
    t[rc.OutsideSlot()] = inner + h.FloorSunRise;
    const int ceiling = r.CeilingSurfaceOf[c];
    t[rc.InsideSlot()] = ceiling >= 0 ? r.RoomAirTemp + (gain - q[ceiling]) / kHi : r.RoomTemp;
  }
  return true;
}

bool CalRoomLoad(RoomState& r, const HourConditions& h, float& sensible, float& latent, SimStatus& status) {
  if (r.NoHeatBalance) {
    return status.Fail("CalRoomLoad: Room " + r.RoomName + " in zone " + r.ZoneName +
                       " has neither inner surfaces nor air volume!");
  }
  const WeatherRecord& w = *h.Weather;
  const float* next = r.NextTemps();
  float sumHATs = 0;
  for (int i = 0; i < r.SurfaceCount; ++i) sumHATs += r.SurfaceHA[i] * next[r.SurfaceSlot[i]];
  sensible = 0;
  latent = 0;
  r.RoomAirTemp = (r.FloatingH * w.DryBulb + sumHATs + h.OccupantGain + h.LightingGain + h.EquipmentGain) /
                  (r.SumHA + r.FloatingH);
  if (r.RoomAirTemp < r.RoomTemp || !h.Operating) return true;

  const float hc = r.ConditionedH;
  r.RoomAirTemp = r.RoomTemp;
  float sumHAdT = 0;
  for (int i = 0; i < r.SurfaceCount; ++i) sumHAdT += r.SurfaceHA[i] * (next[r.SurfaceSlot[i]] - r.RoomTemp);
  sensible = (w.DryBulb - r.RoomTemp) * hc + sumHAdT + h.OccupantGain + h.LightingGain + h.EquipmentGain;
  latent = (w.HumidityRatio - r.RoomHumidityRatio) * r.ConditionedFlow + h.OccupantLatent;
  if (sensible > 1000 * r.DesignSensibleLoad) {
    sensible = 1000 * r.DesignSensibleLoad;
    latent = 1000 * (r.DesignTotalLoad - r.DesignSensibleLoad);
    r.RoomAirTemp = (hc * w.DryBulb + sumHATs + h.OccupantGain + h.LightingGain + h.EquipmentGain - sensible) /
                    (hc + r.SumHA);
  }
  return true;
}

}  // namespace kelca
