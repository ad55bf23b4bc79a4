#pragma once
// The results of the impact and cost calculation: per building part, portion
// and group, per life cycle stage, ten impacts, energy, waste and cost.
#include <array>

#include "building/ProjectState.h"

namespace kelca {

constexpr int kStages = 5;           // 0 "Whole Life Cycle" (sum of 1..4), 1..4 the stages
constexpr int kImpactSlots = 11;     // category 0 holds 0; 1..10 the impact categories
constexpr int kFlrPortions = 3;      // Envelope, Frame, Contents
constexpr int kSerPortions = 5;      // HVAC, Elec. & Lgt., Fire Sers., Lifts & Esca., P & D
constexpr int kAssessmentYears = 50;

enum Stage : int { kWholeLife = 0, kAsBuilt = 1, kOperatingMaterial = 2, kOperatingEnergy = 3, kDemolition = 4 };

struct PartResult {
  std::array<std::array<float, kImpactSlots>, kStages> Impact{};  // [stage][category]
  std::array<float, kStages> Energy{};                            // MJ
  std::array<float, kStages> Waste{};                             // in the materials' units
  std::array<float, kStages> Cost{};                              // ZQ$, present value
};

struct LcaResultSet {
  PartResult Bldg;            // Fdn + Flr + Ser
  PartResult Fdn, Flr, Ser;   // all groups of each type
  std::array<PartResult, kFlrPortions> FlrPortion;
  std::array<PartResult, kSerPortions> SerPortion;  // stage 3 lives here
  std::array<PartResult, kMaxFdnGroups> FdnGroup;
  std::array<PartResult, kMaxFlrGroups> FlrGroup;
  std::array<PartResult, kMaxSerGroups> SerGroup;
};

// Calls f(PartResult&) for every part of the set, in a fixed order.
template <class Set, class F>
void ForEachPart(Set& set, F&& f) {
  f(set.Bldg);
  f(set.Fdn);
  f(set.Flr);
  f(set.Ser);
  for (auto& p : set.FlrPortion) f(p);
  for (auto& p : set.SerPortion) f(p);
  for (auto& p : set.FdnGroup) f(p);
  for (auto& p : set.FlrGroup) f(p);
  for (auto& p : set.SerGroup) f(p);
}

// An impact run clears impacts, energy and waste; a cost run clears costs.
void ClearImpactResults(LcaResultSet& results);
void ClearCostResults(LcaResultSet& results);

}  // namespace kelca
