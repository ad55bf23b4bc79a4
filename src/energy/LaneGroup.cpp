#include "energy/LaneGroup.h"

#include <algorithm>
#include <cmath>

#include "energy/RoomHeatBalance.h"
#include "energy/RoomYear.h"
#include "energy/SolarGains.h"

namespace kelca {

namespace {

#define KELCA_LANE_INLINE inline __attribute__((always_inline))

// What the 60 sub-steps of one hour share, per lane (see HourConditions).
struct LaneHour {
  LaneFloats OccupantGain{}, LightingGain{}, EquipmentGain{}, OccupantLatent{};
  LaneFloats SpreadRadiantGain{}, FloorSunRise{};
  LaneMask Operating{};  // -1 where the room's air conditioning runs
  float DryBulb = 0, HumidityRatio = 0;
};

// The hour's gains of every lane and the outside boundary temperatures of its
// roofs, walls, windows and partitions (CalSolGain, PrepareHour, CalSolAirTemp).
void PrepareLaneHour(LaneGroup& g, const WeatherRecord& w, const LoadTables& tables, int dayType, int i, int hourNo,
                     LaneHour& hour, std::array<LaneFault, kLanes>& faults) {
  hour.DryBulb = w.DryBulb;
  hour.HumidityRatio = w.HumidityRatio;
  auto& t = g.T[g.Current];
  SunOnWindows sun(w, tables);
  for (int lane = 0; lane < g.LaneCount; ++lane) {  // the lanes beyond keep what they have: no one reads them
    RoomState& room = *g.Room[lane];
    const ScheduleFractions fractions = FractionsForHour(tables, room.RoomType, dayType, i + 1);
    room.DirectGain = room.DiffuseGain = 0;
    SimStatus status;
    if (!CalSolGain(room, w, sun, status) && faults[lane].Hour < 0) faults[lane] = {hourNo, status.SimMessage};
    const bool operating = IsOperatingHour(tables, room.RoomType, dayType, i);
    HourConditions h;
    PrepareHour(room, w, fractions, operating, h);
    hour.OccupantGain[lane] = h.OccupantGain;
    hour.LightingGain[lane] = h.LightingGain;
    hour.EquipmentGain[lane] = h.EquipmentGain;
    hour.OccupantLatent[lane] = h.OccupantLatent;
    hour.SpreadRadiantGain[lane] = h.SpreadRadiantGain;
    hour.FloorSunRise[lane] = h.FloorSunRise;
    hour.Operating[lane] = operating ? -1 : 0;
    for (int c = 1; c <= room.ComponentCount; ++c) {
      float outside = 0;
      if (SolAirTemp(room.Component[c], w, room.RoomTemp, outside)) t[room.Component[c].OutsideSlot()][lane] = outside;
    }
  }
}

// The value of every lane at its own slot (a surface's node temperature).
template <bool SameLayout>
KELCA_LANE_INLINE void Gather(const LaneFloats* t, const LaneSlots& slot, LaneFloats& value) {
  if constexpr (SameLayout) {
    value = t[slot[0]];
  } else {
    for (int lane = 0; lane < kLanes; ++lane) value[lane] = t[slot[lane]][lane];
  }
}

// CalQMRT on the current node temperatures t. A lane's surfaces beyond its
// own read slot 0 (always 0) and have no area and no weight: its sums only
// gain zeros from them, which leave a sum begun at +0 as it is.
template <bool SameLayout>
KELCA_LANE_INLINE void LaneRadiantExchange(LaneGroup& g, const LaneHour& h, LaneFloats* __restrict t) {
  const int n = g.SurfaceCount;
  LaneFloats tk[kMaxSurfaces], seen[kMaxSurfaces], q[kMaxSurfaces];
  for (int i = 0; i < n; ++i) {
    Gather<SameLayout>(t, g.SurfaceSlot[i], tk[i]);
    tk[i] += kKelvinOffset;
    seen[i] = LaneFloats{};
  }
  for (int j = 0; j < n; ++j) {
    const LaneFloats tj = tk[j];
    const LaneFloats* __restrict w = g.SeenWeight[j].data();
    for (int i = 0; i < n; ++i) seen[i] += w[i] * tj;
  }
  for (int i = 0; i < n; ++i) {
    const LaneFloats mrt = seen[i] / g.SeenArea[i];
    const LaneFloats mean = (tk[i] + mrt) / 2.0f;
    q[i] = g.RadiantFactor[i] * (mean * mean * mean) * (tk[i] - mrt);
  }
  LaneFloats balance{};
  for (int i = 0; i < n; ++i) balance += g.SurfaceArea[i] * q[i];
  balance /= g.TotalArea;
  for (int i = 0; i < n; ++i) q[i] -= balance;

  // Inside boundary temperatures; a component's surface is surface c - 1 in every room.
  const LaneFloats gain = h.SpreadRadiantGain;
  for (int c = 1; c <= g.ComponentCount; ++c) {
    const LaneFloats inner = g.RoomAirTemp + (gain - q[c - 1]) / kInsideSurfaceCoefficient;
    if constexpr (SameLayout) {
      if (!g.FloorCeiling[c][0]) {
        t[g.InsideSlot[c][0]] = inner;
        continue;
      }
      t[g.OutsideSlot[c][0]] = inner + h.FloorSunRise;
      const int ceiling = g.CeilingSurfaceOf[c][0];
      t[g.InsideSlot[c][0]] =
          ceiling >= 0 ? g.RoomAirTemp + (gain - q[ceiling]) / kInsideSurfaceCoefficient : g.RoomTemp;
    } else {
      for (int lane = 0; lane < kLanes; ++lane) {
        const int inside = g.InsideSlot[c][lane];
        if (inside < 0) continue;  // the room has fewer components
        if (!g.FloorCeiling[c][lane]) {
          t[inside][lane] = inner[lane];
          continue;
        }
        t[g.OutsideSlot[c][lane]][lane] = inner[lane] + h.FloorSunRise[lane];
        const int ceiling = g.CeilingSurfaceOf[c][lane];
        t[inside][lane] = ceiling >= 0
                              ? g.RoomAirTemp[lane] + (gain[lane] - q[ceiling][lane]) / kInsideSurfaceCoefficient
                              : g.RoomTemp[lane];
      }
    }
  }
}

// StepConduction. A lane's slots beyond its own stay 0, as they do when the room runs on its own.
KELCA_LANE_INLINE void LaneConduction(const LaneGroup& g, const LaneFloats* __restrict cur,
                                      LaneFloats* __restrict next) {
  const LaneFloats* __restrict a = g.A.data();
  const LaneFloats* __restrict b = g.B.data();
  const LaneFloats* __restrict e = g.E.data();
  for (int k = 1; k < g.SlotEnd; ++k) next[k] = a[k] * cur[k - 1] - b[k] * cur[k] + e[k] * cur[k + 1];
}

// CalRoomLoad on the next node temperatures: both of its outcomes in every
// lane, each lane then taking its own.
template <bool SameLayout>
KELCA_LANE_INLINE void LaneRoomLoad(LaneGroup& g, const LaneHour& h, const LaneFloats* __restrict next,
                                    LaneFloats& sensible, LaneFloats& latent) {
  const int n = g.SurfaceCount;
  LaneFloats face[kMaxSurfaces];
  for (int i = 0; i < n; ++i) Gather<SameLayout>(next, g.SurfaceSlot[i], face[i]);
  LaneFloats sumHATs{};
  for (int i = 0; i < n; ++i) sumHATs += g.SurfaceHA[i] * face[i];
  const LaneFloats floating =
      (g.FloatingH * h.DryBulb + sumHATs + h.OccupantGain + h.LightingGain + h.EquipmentGain) / (g.SumHA + g.FloatingH);
  const LaneMask conditioned = ~(floating < g.RoomTemp) & h.Operating;

  const LaneFloats hc = g.ConditionedH;
  LaneFloats sumHAdT{};
  for (int i = 0; i < n; ++i) sumHAdT += g.SurfaceHA[i] * (face[i] - g.RoomTemp);
  LaneFloats load = (h.DryBulb - g.RoomTemp) * hc + sumHAdT + h.OccupantGain + h.LightingGain + h.EquipmentGain;
  LaneFloats moisture = (h.HumidityRatio - g.RoomHumidityRatio) * g.ConditionedFlow + h.OccupantLatent;
  const LaneMask clipped = load > g.SensibleLimit;
  load = clipped ? g.SensibleLimit : load;
  moisture = clipped ? g.LatentAtLimit : moisture;
  const LaneFloats warmer =
      (hc * h.DryBulb + sumHATs + h.OccupantGain + h.LightingGain + h.EquipmentGain - load) / (hc + g.SumHA);

  const LaneFloats zero{};
  g.RoomAirTemp = conditioned ? (clipped ? warmer : g.RoomTemp) : floating;
  sensible = conditioned ? load : zero;
  latent = conditioned ? moisture : zero;
}

template <bool SameLayout>
KELCA_LANE_INLINE void LaneSubSteps(LaneGroup& g, const LaneHour& h, LaneFloats& sensibleSum,
                                    LaneFloats& latentSum) {
  LaneFloats sensibleTotal{}, latentTotal{};
  for (int step = 0; step < kSubStepsPerHour; ++step) {
    LaneFloats* cur = g.T[g.Current].data();
    LaneFloats* next = g.T[g.Current ^ 1].data();
    LaneRadiantExchange<SameLayout>(g, h, cur);
    LaneConduction(g, cur, next);
    LaneFloats sensible, latent;
    LaneRoomLoad<SameLayout>(g, h, next, sensible, latent);
    sensibleTotal += sensible / static_cast<float>(kSubStepsPerHour);
    latentTotal += latent / static_cast<float>(kSubStepsPerHour);
    g.Current ^= 1;
  }
  sensibleSum = sensibleTotal;
  latentSum = latentTotal;
}

// The 60 sub-steps of one hour; the hourly sums of the loads.
KELCA_VECTOR_CLONES void SimulateLaneHour(LaneGroup& g, const LaneHour& h, LaneFloats& sensibleSum,
                                          LaneFloats& latentSum) {
  if (g.SameLayout) {
    LaneSubSteps<true>(g, h, sensibleSum, latentSum);
  } else {
    LaneSubSteps<false>(g, h, sensibleSum, latentSum);
  }
}

}  // namespace

bool CanRunInLanes(const RoomState& room) {
  return room.SurfaceCount > 0 && !room.ZeroSeenArea && !room.NoHeatBalance;
}

bool SameLayout(const RoomState& a, const RoomState& b) {
  if (a.ComponentCount != b.ComponentCount || a.SlotEnd != b.SlotEnd || a.SurfaceCount != b.SurfaceCount) return false;
  for (int c = 1; c <= a.ComponentCount; ++c) {
    const RoomComponent &x = a.Component[c], &y = b.Component[c];
    if (x.Base != y.Base || x.NodeCount != y.NodeCount ||
        (x.ComponentType == kFloorCeiling) != (y.ComponentType == kFloorCeiling) ||
        a.CeilingSurfaceOf[c] != b.CeilingSurfaceOf[c]) {
      return false;
    }
  }
  for (int i = 0; i < a.SurfaceCount; ++i) {
    if (a.SurfaceSlot[i] != b.SurfaceSlot[i]) return false;
  }
  return true;
}

namespace {

// The lane's room: its slots, surfaces and coefficients, from the carried state.
void FillLane(LaneGroup& g, int lane, const RoomState& r, const CarriedState& start) {
  for (int k = 0; k < kMaxRoomSlots; ++k) {
    // Beyond the room's own slots: carried over unchanged, so they stay 0.
    g.A[k][lane] = r.A[k];
    g.B[k][lane] = k < r.SlotEnd ? r.B[k] : -1.0f;
    g.E[k][lane] = r.E[k];
    g.T[0][k][lane] = g.T[1][k][lane] = 0;
  }
  for (int c = 1; c <= kMaxComponentsPerRoom; ++c) {
    const RoomComponent& rc = r.Component[c];
    const bool has = c <= r.ComponentCount;
    g.InsideSlot[c][lane] = has ? rc.InsideSlot() : -1;
    g.OutsideSlot[c][lane] = has ? rc.OutsideSlot() : -1;
    g.CeilingSurfaceOf[c][lane] = has ? r.CeilingSurfaceOf[c] : -1;
    g.FloorCeiling[c][lane] = has && rc.ComponentType == kFloorCeiling;
    for (int k = 1; has && k <= rc.NodeCount; ++k) g.T[0][rc.NodeSlot(k)][lane] = start.T[c][k];
  }
  for (int i = 0; i < kMaxSurfaces; ++i) {
    g.SurfaceSlot[i][lane] = r.SurfaceSlot[i];  // 0 beyond the room's surfaces
    g.SurfaceArea[i][lane] = r.SurfaceArea[i];
    g.SurfaceHA[i][lane] = r.SurfaceHA[i];
    g.SeenArea[i][lane] = r.SeenArea[i];
    g.RadiantFactor[i][lane] = r.RadiantFactor[i];
    for (int j = 0; j < kMaxSurfaces; ++j) g.SeenWeight[j][i][lane] = r.SeenWeight[j][i];
  }
  g.TotalArea[lane] = r.TotalArea;
  g.SumHA[lane] = r.SumHA;
  g.FloatingH[lane] = r.FloatingH;
  g.ConditionedH[lane] = r.ConditionedH;
  g.ConditionedFlow[lane] = r.ConditionedFlow;
  g.RoomTemp[lane] = r.RoomTemp;
  g.RoomHumidityRatio[lane] = r.RoomHumidityRatio;
  g.SensibleLimit[lane] = 1000 * r.DesignSensibleLoad;
  g.LatentAtLimit[lane] = 1000 * (r.DesignTotalLoad - r.DesignSensibleLoad);
  g.RoomAirTemp[lane] = start.RoomAirTemp;
}

}  // namespace

void BuildLaneGroup(const std::vector<RoomState*>& rooms, const CarriedState& start, LaneGroup& g) {
  g.LaneCount = static_cast<int>(rooms.size());
  g.SameLayout = true;
  g.SlotEnd = g.SurfaceCount = g.ComponentCount = 0;
  for (int lane = 0; lane < kLanes; ++lane) {
    RoomState& r = *rooms[lane < g.LaneCount ? lane : 0];
    g.Room[lane] = &r;
    g.SameLayout = g.SameLayout && SameLayout(r, *rooms.front());
    g.SlotEnd = std::max(g.SlotEnd, r.SlotEnd);
    g.SurfaceCount = std::max(g.SurfaceCount, r.SurfaceCount);
    g.ComponentCount = std::max(g.ComponentCount, r.ComponentCount);
    FillLane(g, lane, r, start);
  }
  g.Current = 0;
}

void SimulateLaneDay(LaneGroup& g, const std::vector<WeatherRecord>& weather, const LoadTables& tables, int day,
                     LaneDayResults& results, std::array<LaneFault, kLanes>& faults) {
  const int dayType = day % 7;  // 1 January is a Sunday
  LaneHour hour;
  for (int i = 0; i < kHoursPerDay; ++i) {
    const int h = day * kHoursPerDay + i;
    PrepareLaneHour(g, weather[h], tables, dayType, i, h, hour, faults);
    LaneFloats sensible, latent;
    SimulateLaneHour(g, hour, sensible, latent);
    for (int lane = 0; lane < g.LaneCount; ++lane) {
      const RoomHourLoad load{sensible[lane], latent[lane], g.RoomAirTemp[lane]};
      if ((!std::isfinite(load.SensibleLoad) || !std::isfinite(load.LatentLoad) || !std::isfinite(load.RoomAirTemp)) &&
          faults[lane].Hour < 0) {
        faults[lane] = {h, NotFiniteMessage(*g.Room[lane])};
      }
      results[lane][i] = load;
    }
  }
}

void CaptureLaneState(const LaneGroup& g, int lane, float* state) {
  const RoomState& r = *g.Room[lane];
  const auto& t = g.T[g.Current];
  for (int c = 1; c <= r.ComponentCount; ++c) {
    for (int k = 1; k <= r.Component[c].NodeCount; ++k) *state++ = t[r.Component[c].NodeSlot(k)][lane];
  }
  *state = g.RoomAirTemp[lane];
}

void RestoreLaneState(const float* state, int lane, LaneGroup& g) {
  const RoomState& r = *g.Room[lane];
  auto& t = g.T[g.Current];
  for (int c = 1; c <= r.ComponentCount; ++c) {
    for (int k = 1; k <= r.Component[c].NodeCount; ++k) t[r.Component[c].NodeSlot(k)][lane] = *state++;
  }
  g.RoomAirTemp[lane] = *state;
}

}  // namespace kelca
