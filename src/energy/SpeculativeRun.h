#pragma once
// The rooms' years in parallel, with the results of running them one after the
// other, each from the state the room before it left.
//
// Pass 1 simulates every room from the initial state (15 deg C), all rooms at
// once: rooms of one node layout side by side in the lanes of vector registers,
// the groups spread over the hardware threads. A room's results soon stop
// depending on where it started: pass 2 runs each room again from the state
// the rooms before it truly left, until its whole carried state equals pass 1's
// at the end of a day bit for bit; from there on pass 1's results are its
// true results. A room that never meets its pass-1 state is simulated whole,
// and the rooms after it whose start that changes are run again from its true
// end.
#include <vector>

#include "common/Progress.h"
#include "energy/HourlyLoadFile.h"
#include "energy/LoadTables.h"
#include "energy/RoomState.h"
#include "energy/SimStatus.h"
#include "energy/WeatherFile.h"

namespace kelca {

// A room of the run, in run order: its set-up state (nodes, surfaces, masks)
// and where its 8760 hours go.
struct RunRoom {
  RoomState* Setup = nullptr;
  std::vector<RoomHourLoad>* Results = nullptr;
};

// What a run did, for the benchmark and its notes.
struct SpeculationReport {
  int Rooms = 0;
  int LaneGroups = 0;       // groups of rooms side by side in pass 1
  int MixedLaneGroups = 0;  // of them, groups of rooms of more than one layout
  int SingleRooms = 0;      // rooms of pass 1 on their own
  int CheckpointDays = 0;   // pass 1 keeps its state at the end of every this many days
  int Rounds = 0;           // of pass 2
  long SecondPassDays = 0;  // room-days simulated in pass 2
  int WholeYearRooms = 0;   // rooms that never met their pass-1 state
  double FirstPassSeconds = 0, SecondPassSeconds = 0;  // wall-clock time
};

// The same results, log lines (each room's months once it is done) and faults
// as the rooms run one after the other. Progress counts the room-years done.
bool RunRoomsSpeculatively(const std::vector<RunRoom>& rooms, const std::vector<WeatherRecord>& weather,
                           const LoadTables& tables, ProgressSink& log, SimStatus& status,
                           SpeculationReport* report = nullptr);

}  // namespace kelca
