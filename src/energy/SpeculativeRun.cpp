#include "energy/SpeculativeRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "common/WorkerPool.h"
#include "energy/Calendar.h"
#include "energy/LaneGroup.h"
#include "energy/RoomNodes.h"
#include "energy/RoomYear.h"

namespace kelca {

namespace {

constexpr size_t kCheckpointBudgetBytes = size_t{48} << 20;  // pass 1's day-end states of all rooms
constexpr double kFirstPassShare = 0.9;                       // of the progress bar
constexpr int kNoHour = kHoursPerYear;

// What the run knows of one room.
struct RoomRecord {
  RoomState* Setup = nullptr;
  std::vector<RoomHourLoad>* Results = nullptr;
  int StateSize = 0;
  // Pass 1, from the initial state.
  std::vector<float> Checkpoints;  // StateSize values at the end of each checkpoint day
  int CheckpointsKept = 0;         // none are kept from pass 1's first fault on
  int FaultHour = kNoHour;         // pass 1's first fault
  std::string FaultMessage;
  std::vector<float> EndState;
  // Pass 2, from Start.
  std::vector<float> Start;
  bool Verified = false;
  int TrueFromHour = kNoHour;       // pass 1's results hold from this hour on
  std::vector<RoomHourLoad> Head;  // pass 2's results before that hour
  int VerifyFaultHour = kNoHour;
  std::string VerifyFault;
  std::vector<float> VerifiedEnd;  // pass 2's end state when it never met pass 1's
};

bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

void LowerTo(std::atomic<int>& value, int to) {
  for (int now = value; to < now && !value.compare_exchange_weak(now, to);) {
  }
}

int MonthOfHour(int hour) {
  int day = hour / kHoursPerDay, month = 0;
  while (month < 11 && day >= kDaysInMonth[month]) day -= kDaysInMonth[month++];
  return month + 1;
}

class SpeculativeRun {
 public:
  SpeculativeRun(const std::vector<RunRoom>& rooms, const std::vector<WeatherRecord>& weather,
                 const LoadTables& tables, ProgressSink& log, SimStatus& status, SpeculationReport& report)
      : weather_(weather), tables_(tables), log_(log), status_(status), report_(report), room_(rooms.size()) {
    for (size_t r = 0; r < rooms.size(); ++r) {
      room_[r].Setup = rooms[r].Setup;
      room_[r].Results = rooms[r].Results;
      room_[r].StateSize = CompactStateSize(*rooms[r].Setup);
    }
  }

  bool Run() {
    report_ = {};
    report_.Rooms = static_cast<int>(room_.size());
    if (room_.empty()) return true;
    if (log_.Cancelled()) return Cancel();
    PlanCheckpoints();
    const auto start = std::chrono::steady_clock::now();
    if (!FirstPass()) return Cancel();
    const auto firstPassEnd = std::chrono::steady_clock::now();
    report_.FirstPassSeconds = std::chrono::duration<double>(firstPassEnd - start).count();
    while (next_ < room_.size()) {
      if (!SecondPassRound()) return Cancel();
      if (!Finalise()) return false;
    }
    report_.SecondPassSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - firstPassEnd).count();
    return true;
  }

 private:
  bool Cancel() { return status_.Fail("BCLSim: The calculation was cancelled."); }

  // On the calling thread while the parts run: progress and a request to stop.
  void Watch() {
    if (log_.Cancelled()) stop_ = true;
    const double rooms = static_cast<double>(room_.size());
    log_.SetProgress(kFirstPassShare * static_cast<double>(firstPassDays_) / (rooms * kDaysPerYear) +
                     (1 - kFirstPassShare) * static_cast<double>(next_) / rooms);
  }

  void PlanCheckpoints() {
    size_t bytes = 0;
    for (const RoomRecord& r : room_) bytes += static_cast<size_t>(r.StateSize) * kDaysPerYear * sizeof(float);
    every_ = static_cast<int>(std::max<size_t>(1, (bytes + kCheckpointBudgetBytes - 1) / kCheckpointBudgetBytes));
    report_.CheckpointDays = every_;
    for (RoomRecord& r : room_) r.Checkpoints.assign(static_cast<size_t>(r.StateSize) * (kDaysPerYear / every_), 0);
  }
  // The checkpoint at the end of the day, or -1.
  int CheckpointOf(int day) const { return (day + 1) % every_ == 0 ? (day + 1) / every_ - 1 : -1; }
  float* CheckpointState(RoomRecord& r, int index) {
    return r.Checkpoints.data() + static_cast<size_t>(index) * r.StateSize;
  }

  // --- Pass 1 ---

  bool FirstPass() {
    std::vector<int> all(room_.size());
    for (size_t r = 0; r < room_.size(); ++r) all[r] = static_cast<int>(r);
    const std::vector<std::vector<int>> parts = GroupRooms(all, report_.MixedLaneGroups);
    for (const auto& g : parts) ++(g.size() > 1 ? report_.LaneGroups : report_.SingleRooms);
    RunInParallel(
        static_cast<int>(parts.size()),
        [&](int i) {
          if (parts[i].size() > 1) {
            FirstPassLanes(parts[i]);
          } else {
            FirstPassAlone(parts[i].front());
          }
        },
        [&] { Watch(); });
    return !stop_;
  }

  // Rooms of one layout in full groups of kLanes; the others, the smaller
  // first, in groups of up to kLanes; rooms that cannot run in lanes, and a
  // room left over, on their own, last.
  std::vector<std::vector<int>> GroupRooms(const std::vector<int>& rooms, int& mixedGroups) const {
    std::vector<std::vector<int>> full, open, alone;
    for (int r : rooms) {
      const RoomState& s = *room_[r].Setup;
      if (!CanRunInLanes(s)) {
        alone.push_back({r});
        continue;
      }
      auto group = std::find_if(open.begin(), open.end(),
                                [&](const std::vector<int>& g) { return SameLayout(*room_[g.front()].Setup, s); });
      if (group == open.end()) group = open.insert(open.end(), std::vector<int>{});
      group->push_back(r);
      if (group->size() == kLanes) {
        full.push_back(std::move(*group));
        open.erase(group);
      }
    }
    std::vector<int> rest;
    for (const auto& g : open) rest.insert(rest.end(), g.begin(), g.end());
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) {
      const RoomState &x = *room_[a].Setup, &y = *room_[b].Setup;
      return std::pair(x.SlotEnd, x.SurfaceCount) < std::pair(y.SlotEnd, y.SurfaceCount);
    });
    mixedGroups = 0;
    for (size_t i = 0; i < rest.size(); i += kLanes) {
      std::vector<int> g(rest.begin() + i, rest.begin() + std::min(rest.size(), i + kLanes));
      mixedGroups += std::any_of(g.begin(), g.end(),
                                 [&](int r) { return !SameLayout(*room_[r].Setup, *room_[g.front()].Setup); });
      (g.size() > 1 ? full : alone).push_back(std::move(g));
    }
    full.insert(full.end(), alone.begin(), alone.end());
    return full;
  }

  // Keeps one day of pass 1: its hours up to a fault, or its hours and the state at its end.
  template <class Capture>
  void KeepFirstPassDay(RoomRecord& r, int day, const RoomHourLoad* hours, int faultHour, const std::string& fault,
                        Capture capture) {
    if (r.FaultHour != kNoHour) return;
    const int first = day * kHoursPerDay;
    const int done = faultHour >= 0 ? faultHour - first : kHoursPerDay;
    std::copy(hours, hours + done, r.Results->begin() + first);
    if (faultHour >= 0) {
      r.FaultHour = faultHour;
      r.FaultMessage = fault;
      return;
    }
    const int index = CheckpointOf(day);
    if (index >= 0) {
      capture(CheckpointState(r, index));
      r.CheckpointsKept = index + 1;
    }
    if (day == kDaysPerYear - 1) {
      r.EndState.resize(r.StateSize);
      capture(r.EndState.data());
    }
  }

  void FirstPassLanes(const std::vector<int>& members) {
    std::vector<RoomState*> rooms;
    for (int r : members) rooms.push_back(room_[r].Setup);
    auto group = std::make_unique<LaneGroup>();
    BuildLaneGroup(rooms, CarriedState{}, *group);
    auto results = std::make_unique<LaneDayResults>();
    std::array<LaneFault, kLanes> faults;
    for (int day = 0; day < kDaysPerYear && !stop_; ++day) {
      SimulateLaneDay(*group, weather_, tables_, day, *results, faults);
      for (int lane = 0; lane < group->LaneCount; ++lane) {
        const LaneFault& f = faults[lane];
        const int faultHour = f.Hour >= 0 && f.Hour < (day + 1) * kHoursPerDay ? f.Hour : -1;
        KeepFirstPassDay(room_[members[lane]], day, (*results)[lane].data(), faultHour, f.Message,
                         [&](float* state) { CaptureLaneState(*group, lane, state); });
      }
      firstPassDays_ += group->LaneCount;
    }
  }

  void FirstPassAlone(int index) {
    RoomRecord& r = room_[index];
    auto room = std::make_unique<RoomState>(*r.Setup);
    LoadCarriedState(CarriedState{}, *room);
    std::array<RoomHourLoad, kHoursPerDay> hours;
    for (int day = 0; day < kDaysPerYear && !stop_ && r.FaultHour == kNoHour; ++day) {
      SimStatus status;
      const int done = SimulateRoomDay(*room, weather_, tables_, day, hours.data(), status);
      const int faultHour = done < kHoursPerDay ? day * kHoursPerDay + done : -1;
      KeepFirstPassDay(r, day, hours.data(), faultHour, status.SimMessage,
                       [&](float* state) { CaptureCompactState(*room, state); });
      ++firstPassDays_;
    }
  }

  // --- Pass 2 ---

  // Runs again, from the state the rooms before them leave when each of them
  // meets its pass-1 state, the rooms not yet run from that start: side by
  // side in lanes as in pass 1, each lane until its room meets its pass-1 state.
  bool SecondPassRound() {
    ++report_.Rounds;
    CarriedState assumed = truth_;
    std::vector<int> rooms;
    std::vector<float> start;
    for (size_t q = next_; q < room_.size(); ++q) {
      RoomRecord& r = room_[q];
      start.resize(r.StateSize);
      CompactFromCarried(assumed, *r.Setup, start.data());
      if (!r.Verified || !SameBits(r.Start, start)) {
        r.Start = start;
        r.Verified = StartsAsInPassOne(r);
        if (!r.Verified) rooms.push_back(static_cast<int>(q));
      }
      if (r.FaultHour == kNoHour) CarriedFromCompact(r.EndState.data(), *r.Setup, assumed);
    }
    firstUnmet_ = static_cast<int>(room_.size());
    int mixed = 0;
    const std::vector<std::vector<int>> parts = GroupRooms(rooms, mixed);
    RunInParallel(
        static_cast<int>(parts.size()),
        [&](int i) {
          if (parts[i].size() > 1) {
            VerifyLanes(parts[i]);
          } else {
            VerifyAlone(parts[i].front());
          }
        },
        [&] { Watch(); });
    return !stop_;
  }

  // A room whose start is pass 1's: pass 1's results are its results.
  bool StartsAsInPassOne(RoomRecord& r) {
    std::vector<float> initial(r.StateSize);
    CompactFromCarried(CarriedState{}, *r.Setup, initial.data());
    if (!SameBits(initial, r.Start)) return false;
    ClearVerification(r);
    r.TrueFromHour = 0;
    return true;
  }

  static void ClearVerification(RoomRecord& r) {
    r.Head.clear();
    r.VerifiedEnd.clear();
    r.VerifyFaultHour = kNoHour;
    r.TrueFromHour = kNoHour;
  }

  // Pass 2 of a room gives up, to run again in the next round, as soon as a
  // room before it in the round never met its pass-1 state (or failed): its
  // start is then most likely not the true one.
  bool GivesUp(int index) const { return stop_ || firstUnmet_ < index; }

  // Keeps a day of pass 2 (hours up to a fault included); true when the room's
  // pass 2 is over: a fault, or its state equals pass 1's at the end of the day.
  template <class Capture>
  bool KeepSecondPassDay(RoomRecord& r, int index, int day, const RoomHourLoad* hours, int faultHour,
                         const std::string& fault, Capture capture) {
    const int first = day * kHoursPerDay;
    const int done = faultHour >= 0 ? faultHour - first : kHoursPerDay;
    r.Head.insert(r.Head.end(), hours, hours + done);
    ++secondPassDays_;
    if (faultHour >= 0) {
      r.VerifyFaultHour = faultHour;
      r.VerifyFault = fault;
      LowerTo(firstUnmet_, index);
      return true;
    }
    const int checkpoint = CheckpointOf(day);
    if (checkpoint < 0 || checkpoint >= r.CheckpointsKept) return false;
    std::vector<float> state(r.StateSize);
    capture(state.data());
    if (std::memcmp(state.data(), CheckpointState(r, checkpoint), state.size() * sizeof(float)) != 0) return false;
    r.TrueFromHour = (day + 1) * kHoursPerDay;
    return true;
  }

  // After a whole year without meeting pass 1's state.
  template <class Capture>
  void KeepWholeYear(RoomRecord& r, int index, Capture capture) {
    r.VerifiedEnd.resize(r.StateSize);
    capture(r.VerifiedEnd.data());
    LowerTo(firstUnmet_, index);
  }

  void VerifyAlone(int index) {
    RoomRecord& r = room_[index];
    ClearVerification(r);
    auto room = std::make_unique<RoomState>(*r.Setup);
    RestoreCompactState(r.Start.data(), *room);
    const auto capture = [&](float* state) { CaptureCompactState(*room, state); };
    std::array<RoomHourLoad, kHoursPerDay> hours;
    for (int day = 0; day < kDaysPerYear; ++day) {
      if (GivesUp(index)) return;
      SimStatus status;
      const int done = SimulateRoomDay(*room, weather_, tables_, day, hours.data(), status);
      const int faultHour = done < kHoursPerDay ? day * kHoursPerDay + done : -1;
      if (KeepSecondPassDay(r, index, day, hours.data(), faultHour, status.SimMessage, capture)) {
        r.Verified = true;
        return;
      }
    }
    KeepWholeYear(r, index, capture);
    r.Verified = true;
  }

  void VerifyLanes(const std::vector<int>& members) {
    std::vector<RoomState*> rooms;
    for (int q : members) rooms.push_back(room_[q].Setup);
    auto group = std::make_unique<LaneGroup>();
    BuildLaneGroup(rooms, CarriedState{}, *group);
    std::vector<int> running;  // lanes whose pass 2 goes on
    for (int lane = 0; lane < group->LaneCount; ++lane) {
      ClearVerification(room_[members[lane]]);
      RestoreLaneState(room_[members[lane]].Start.data(), lane, *group);
      running.push_back(lane);
    }
    auto results = std::make_unique<LaneDayResults>();
    std::array<LaneFault, kLanes> faults;
    for (int day = 0; day < kDaysPerYear; ++day) {
      std::erase_if(running, [&](int lane) { return GivesUp(members[lane]); });
      if (running.empty()) return;
      SimulateLaneDay(*group, weather_, tables_, day, *results, faults);
      std::erase_if(running, [&](int lane) {
        RoomRecord& r = room_[members[lane]];
        const LaneFault& f = faults[lane];
        const int faultHour = f.Hour >= 0 && f.Hour < (day + 1) * kHoursPerDay ? f.Hour : -1;
        const bool over = KeepSecondPassDay(r, members[lane], day, (*results)[lane].data(), faultHour, f.Message,
                                            [&](float* state) { CaptureLaneState(*group, lane, state); });
        r.Verified = over;
        return over;
      });
    }
    for (int lane : running) {
      KeepWholeYear(room_[members[lane]], members[lane],
                    [&](float* state) { CaptureLaneState(*group, lane, state); });
      room_[members[lane]].Verified = true;
    }
  }

  // Takes the rooms whose pass 2 started from their true start, in run order:
  // their results, their end state for the next room, their log lines. False
  // on the run's fault.
  bool Finalise() {
    std::vector<float> start;
    for (; next_ < room_.size(); ++next_) {
      RoomRecord& r = room_[next_];
      start.resize(r.StateSize);
      CompactFromCarried(truth_, *r.Setup, start.data());
      if (!r.Verified || !SameBits(r.Start, start)) break;
      const bool firstPassFault = r.FaultHour != kNoHour && r.FaultHour >= r.TrueFromHour;
      if (r.VerifyFaultHour != kNoHour || firstPassFault) {
        const bool second = r.VerifyFaultHour != kNoHour;
        LogMonths(r, MonthOfHour(second ? r.VerifyFaultHour : r.FaultHour));
        return status_.Fail(second ? r.VerifyFault : r.FaultMessage);
      }
      std::copy(r.Head.begin(), r.Head.end(), r.Results->begin());
      const bool whole = r.TrueFromHour == kNoHour;
      CarriedFromCompact(whole ? r.VerifiedEnd.data() : r.EndState.data(), *r.Setup, truth_);
      if (whole) ++report_.WholeYearRooms;
      LogMonths(r, 12);
      r.Checkpoints = {};  // no longer needed
      r.Head = {};
    }
    report_.SecondPassDays = secondPassDays_;
    return true;
  }

  void LogMonths(const RoomRecord& r, int lastMonth) {
    for (int m = 1; m <= lastMonth; ++m) {
      log_.AddLine("Modelling " + r.Setup->RoomName + " - Processing Month No." + std::to_string(m) + "....");
    }
  }

  const std::vector<WeatherRecord>& weather_;
  const LoadTables& tables_;
  ProgressSink& log_;
  SimStatus& status_;
  SpeculationReport& report_;
  std::vector<RoomRecord> room_;
  int every_ = 1;                 // days between checkpoints
  std::atomic<bool> stop_{false};
  std::atomic<int> firstUnmet_{0};  // in the round: the first room that never met its pass-1 state
  std::atomic<long> firstPassDays_{0}, secondPassDays_{0};
  size_t next_ = 0;               // the first room not yet final
  CarriedState truth_;            // what the final rooms leave
};

}  // namespace

bool RunRoomsSpeculatively(const std::vector<RunRoom>& rooms, const std::vector<WeatherRecord>& weather,
                           const LoadTables& tables, ProgressSink& log, SimStatus& status, SpeculationReport* report) {
  SpeculationReport ignored;
  SpeculativeRun run(rooms, weather, tables, log, status, report ? *report : ignored);
  return run.Run();
}

}  // namespace kelca
