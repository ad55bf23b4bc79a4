#pragma once
// The year of one room on its own, a day at a time, and the state it carries
// from one day to the next in compact form (to compare two runs of a room).
#include <string>
#include <vector>

#include "energy/HourlyLoadFile.h"
#include "energy/LoadTables.h"
#include "energy/RoomState.h"
#include "energy/SimStatus.h"
#include "energy/WeatherFile.h"

namespace kelca {

constexpr int kDaysPerYear = 365;

// Simulates day `day` (0..364) of the room: results[0..23] are its hours.
// Returns the number of hours done: fewer than 24 when the next one failed (a
// shading mask without a bin for the sun, a radiant exchange or air balance
// that cannot run, loads that are not finite numbers); status then says why.
int SimulateRoomDay(RoomState& room, const std::vector<WeatherRecord>& weather, const LoadTables& tables, int day,
                    RoomHourLoad* results, SimStatus& status);

// The message of a room whose loads are not finite numbers.
std::string NotFiniteMessage(const RoomState& room);

// Everything of a room's state that the next hour depends on: its nodes
// component by component, then the room air temperature.
int CompactStateSize(const RoomState& room);
void CaptureCompactState(const RoomState& room, float* state);
void RestoreCompactState(const float* state, RoomState& room);
// The part of a carried state that a room reads, and what it leaves.
void CompactFromCarried(const CarriedState& carried, const RoomState& room, float* state);
void CarriedFromCompact(const float* state, const RoomState& room, CarriedState& carried);

}  // namespace kelca
