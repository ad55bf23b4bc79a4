#include "plant/AnnualEnergy.h"

namespace kelca {

bool CalculateTownGas(GasSystemGroup& gas, std::string& message) {
  bool ok = true;
  for (int i = 1; i <= gas.Count; ++i) {
    GasSystem& s = gas.System[i];
    if (s.Efficiency == 0) {
      message = "Error: Zero Eff. for Gas System No." + std::to_string(i);
      ok = false;
      break;
    }
    s.AnnualUse = s.AnnualHours * s.RatedCapacity * s.LoadFactor * 3.6f / s.Efficiency;
  }
  gas.System[0].AnnualUse = GroupTotal(gas);
  return ok;
}

EnergyUseSummary PredictedEnergyUse(const AnnualACEnergy& ac, const ZoneElecEnergy& zones, const PlantInput& plant,
                                    const NonACServices& services) {
  EnergyUseSummary summary;
  summary.Value[0] = ac.Value[0] + plant.AdditionalHvac.System[0].AnnualEnergy;
  summary.Value[1] = zones.Value[0] + services.Electric[kAdditionalLighting].System[0].AnnualEnergy;
  summary.Value[2] = services.Electric[kFireServices].System[0].AnnualEnergy;
  summary.Value[3] = services.Electric[kLiftsEscalators].System[0].AnnualEnergy;
  summary.Value[4] = services.Electric[kPlumbingDrainage].System[0].AnnualEnergy;
  summary.Value[5] = services.TownGas.System[0].AnnualUse;
  return summary;
}

}  // namespace kelca
