#pragma once
// Up to eight rooms simulated side by side, one room in each lane of a vector
// register: every slot and every inner surface holds one value per lane, each
// lane's nodes in the slots they have when the room runs on its own. Each lane
// does exactly the arithmetic of the room run on its own (RoomYear), in the
// same order and without contraction into fused multiply-adds, so its results
// are the same to the last bit. Rooms of one layout (the same nodes in the same
// slots, the same inner surfaces) share their loads and stores; rooms of
// different layouts are gathered and scattered lane by lane, a room's lanes
// beyond its own slots and surfaces adding nothing but zeros to its sums.
#include <array>
#include <string>
#include <vector>

#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "energy/LoadTables.h"
#include "energy/RoomState.h"
#include "energy/WeatherFile.h"

namespace kelca {

constexpr int kLanes = 8;
// One value per lane (GNU vector types: element-wise IEEE arithmetic).
using LaneFloats = float __attribute__((vector_size(kLanes * sizeof(float))));
using LaneMask = int __attribute__((vector_size(kLanes * sizeof(int))));

// Whether a room can run in a lane: it has inner surfaces, and its radiant
// exchange and air balance can run.
bool CanRunInLanes(const RoomState& room);
// Whether two rooms have their nodes in the same slots and the same inner surfaces.
bool SameLayout(const RoomState& a, const RoomState& b);

using LaneSlots = std::array<int, kLanes>;  // a slot or surface per lane; -1: none

struct LaneGroup {
  int LaneCount = 0;                      // rooms; the lanes beyond them repeat the first room
  std::array<RoomState*, kLanes> Room{};  // per lane: the room's set-up state, for its hourly gains
  bool SameLayout = true;                 // all rooms of the first one's layout
  // The largest of the rooms; surface i of component c is surface c - 1 in every room.
  int SlotEnd = 1, SurfaceCount = 0, ComponentCount = 0;
  // Per surface and component, per lane.
  std::array<LaneSlots, kMaxSurfaces> SurfaceSlot{};
  std::array<LaneSlots, kMaxComponentsPerRoom + 1> InsideSlot{}, OutsideSlot{}, CeilingSurfaceOf{};
  std::array<std::array<bool, kLanes>, kMaxComponentsPerRoom + 1> FloorCeiling{};
  // Per lane.
  std::array<LaneFloats, kMaxRoomSlots> A{}, B{}, E{};
  std::array<std::array<LaneFloats, kMaxRoomSlots>, 2> T{};
  int Current = 0;
  std::array<LaneFloats, kMaxSurfaces> SurfaceArea{}, SurfaceHA{}, SeenArea{}, RadiantFactor{};
  std::array<std::array<LaneFloats, kMaxSurfaces>, kMaxSurfaces> SeenWeight{};  // [seen j][seeing i]
  LaneFloats TotalArea{}, SumHA{}, FloatingH{}, ConditionedH{}, ConditionedFlow{};
  LaneFloats RoomTemp{}, RoomHumidityRatio{}, SensibleLimit{}, LatentAtLimit{};
  LaneFloats RoomAirTemp{};
};

// Puts the rooms (1..kLanes, each set up with its masks and able to run in
// lanes) into the lanes, each starting from the given carried state.
void BuildLaneGroup(const std::vector<RoomState*>& rooms, const CarriedState& start, LaneGroup& group);

// A lane's first fault: the hour of the year and the message; Hour -1: none.
struct LaneFault {
  int Hour = -1;
  std::string Message;
};
using LaneDayResults = std::array<std::array<RoomHourLoad, kHoursPerDay>, kLanes>;

// Simulates day `day` (0..364) of every lane. A lane whose room fails (a
// shading mask without a bin for the sun, loads that are not finite) keeps its
// first fault; its later results mean nothing.
void SimulateLaneDay(LaneGroup& group, const std::vector<WeatherRecord>& weather, const LoadTables& tables, int day,
                     LaneDayResults& results, std::array<LaneFault, kLanes>& faults);

// A lane's state in the compact form of CaptureCompactState, and back.
void CaptureLaneState(const LaneGroup& group, int lane, float* state);
void RestoreLaneState(const float* state, int lane, LaneGroup& group);

}  // namespace kelca
