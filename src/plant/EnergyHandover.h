#pragma once
// The annual operating energy that the assessment takes from the energy model.
#include <array>

namespace kelca {

// Index 0..4 follow the services portions (HVAC, Elec. & Lgt., Fire Sers.,
// Lifts & Esca., P & D) in kWh; index 5 is the town gas total in MJ.
constexpr int kEnergyUseEntries = 6;

struct EnergyUseSummary {
  std::array<float, kEnergyUseEntries> Value{};
};

}  // namespace kelca
