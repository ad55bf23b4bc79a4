#include "energy/RoomYear.h"

#include <cmath>

#include "energy/Calendar.h"
#include "energy/RoomHeatBalance.h"
#include "energy/RoomNodes.h"
#include "energy/SolarGains.h"

namespace kelca {

int SimulateRoomDay(RoomState& room, const std::vector<WeatherRecord>& weather, const LoadTables& tables, int day,
                    RoomHourLoad* results, SimStatus& status) {
  const int dayType = day % 7;  // 1 January is a Sunday
  HourConditions hour;
  for (int i = 0; i < kHoursPerDay; ++i) {
    const WeatherRecord& w = weather[day * kHoursPerDay + i];
    const ScheduleFractions fractions = FractionsForHour(tables, room.RoomType, dayType, i + 1);
    room.DirectGain = room.DiffuseGain = 0;
    if (!CalSolGain(room, w, tables, status)) return i;
    PrepareHour(room, w, fractions, IsOperatingHour(tables, room.RoomType, dayType, i), hour);
    CalSolAirTemp(room, w);
    float sensibleSum = 0, latentSum = 0;
    for (int step = 0; step < kSubStepsPerHour; ++step) {
      if (!CalQMRT(room, hour, status)) return i;
      StepConduction(room);
      float sensible = 0, latent = 0;
      if (!CalRoomLoad(room, hour, sensible, latent, status)) return i;
      sensibleSum += sensible / kSubStepsPerHour;
      latentSum += latent / kSubStepsPerHour;
      room.Advance();
    }
    if (!std::isfinite(sensibleSum) || !std::isfinite(latentSum) || !std::isfinite(room.RoomAirTemp)) {
      status.Fail(NotFiniteMessage(room));
      return i;
    }
    results[i] = {sensibleSum, latentSum, room.RoomAirTemp};
  }
  return kHoursPerDay;
}

std::string NotFiniteMessage(const RoomState& room) {
  return "BCLSim: The loads of room " + room.RoomName + " in zone " + room.ZoneName + " are not finite numbers!";
}

int CompactStateSize(const RoomState& room) {
  int size = 1;
  for (int c = 1; c <= room.ComponentCount; ++c) size += room.Component[c].NodeCount;
  return size;
}

void CaptureCompactState(const RoomState& room, float* state) {
  const float* t = room.CurrentTemps();
  for (int c = 1; c <= room.ComponentCount; ++c) {
    const RoomComponent& rc = room.Component[c];
    for (int k = 1; k <= rc.NodeCount; ++k) *state++ = t[rc.NodeSlot(k)];
  }
  *state = room.RoomAirTemp;
}

void RestoreCompactState(const float* state, RoomState& room) {
  float* t = room.CurrentTemps();
  for (int c = 1; c <= room.ComponentCount; ++c) {
    const RoomComponent& rc = room.Component[c];
    for (int k = 1; k <= rc.NodeCount; ++k) t[rc.NodeSlot(k)] = *state++;
  }
  room.RoomAirTemp = *state;
}

void CompactFromCarried(const CarriedState& carried, const RoomState& room, float* state) {
  for (int c = 1; c <= room.ComponentCount; ++c) {
    for (int k = 1; k <= room.Component[c].NodeCount; ++k) *state++ = carried.T[c][k];
  }
  *state = carried.RoomAirTemp;
}

void CarriedFromCompact(const float* state, const RoomState& room, CarriedState& carried) {
  for (int c = 1; c <= room.ComponentCount; ++c) {
    for (int k = 1; k <= room.Component[c].NodeCount; ++k) carried.T[c][k] = *state++;
  }
  carried.RoomAirTemp = *state;
}

}  // namespace kelca
