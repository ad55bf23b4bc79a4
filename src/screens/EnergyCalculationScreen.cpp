#include "screens/EnergyCalculationScreen.h"

#include "common/Numbers.h"
#include "common/Paths.h"
#include "energy/BCLSim.h"
#include "energy/HourlyLoadFile.h"
#include "energy/WeatherFile.h"
#include "plant/AnnualEnergy.h"
#include "plant/PlantSimulation.h"

namespace kelca {

namespace {

constexpr std::array<const char*, 8> kAirConditioningItems = {
    "Whole Air Conditioning System (kWh)",     "Air Side Systems (Fans) (kWh)",
    "Chillers (kWh)",                          "Primary Loop Chilled Water Pumps (kWh)",
    "Secondary Loop Chilled Water Pumps (kWh)", "Condenser Water Pumps (kWh)",
    "Seawater Pumps (kWh)",                    "Cooling Towers (kWh)"};
constexpr std::array<const char*, 3> kZoneItems = {"Annual Electricity Consumption (kWh)", "Lighting in Zones(kWh)",
                                                   "Equipment in Zones (kWh)"};

const char* Heading(int code) {
  static constexpr std::array<const char*, 9> kHeadings = {
      "",
      "Annual Energy Use for Air Conditioning",
      "Annual Energy Use of Additional HVAC Systems",
      "Annual Energy Use for Lighting && Equipment in Building Zones",
      "Annual Energy Use of Additional Elec. && Lgt. Systems",
      "Annual Energy Use of Fire Services Systems",
      "Annual Energy Use of Lift and Escalator Systems",
      "Annual Energy Use of P && D Systems",
      "Annual Energy Use of Systems using Town Gas"};
  return kHeadings[code];
}

// The electric group of a system code (const or not, as the workspace), or null.
template <class W>
auto ElectricGroupOf(W& ws, int code) -> decltype(&ws.Plant.AdditionalHvac) {
  if (code == kAdditionalHvacSystems) return &ws.Plant.AdditionalHvac;
  if (code >= kAdditionalElecLightingSystems && code <= kPlumbingDrainageSystems) {
    return &ws.NonAC.Electric[code - kAdditionalElecLightingSystems];
  }
  return nullptr;
}

template <class Group, class Result>
void ListSystems(const Group& group, const char* unit, Result result, SystemResults& out) {
  out.Items.push_back({std::string("Total of all Systems ") + unit, result(group.System[0])});
  for (int i = 1; i <= group.Count; ++i) {
    out.Items.push_back({std::to_string(i) + ": " + group.System[i].Name + " " + unit, result(group.System[i])});
  }
  out.NoSystems = group.Count == 0;
}

// Values 1..n from typed texts; slot 0 their sum.
template <class Slot>
void TakeTyped(const std::vector<std::string>& typed, int n, Slot slot) {
  float total = 0;
  for (int i = 1; i <= n; ++i) {
    if (static_cast<size_t>(i) <= typed.size()) slot(i) = static_cast<float>(Val(typed[i - 1]));
    total += slot(i);
  }
  slot(0) = total;
}

}  // namespace

SystemResults ResultsOfSystem(const Workspace& ws, int code) {
  SystemResults out;
  if (code < kAirConditioningSystem || code > kTownGasSystems) return out;
  out.Heading = Heading(code);
  if (code == kAirConditioningSystem) {
    for (size_t i = 0; i < kAirConditioningItems.size(); ++i) {
      out.Items.push_back({kAirConditioningItems[i], ws.ACEnergy.Value[i]});
    }
  } else if (code == kZoneLightingEquipment) {
    for (size_t i = 0; i < kZoneItems.size(); ++i) out.Items.push_back({kZoneItems[i], ws.ZoneElec.Value[i]});
  } else if (code == kTownGasSystems) {
    ListSystems(ws.NonAC.TownGas, "(MJ)", [](const GasSystem& s) { return s.AnnualUse; }, out);
  } else {
    ListSystems(*ElectricGroupOf(ws, code), "(kWh)",
                [](const ElectricSystem& s) { return s.AnnualEnergy; }, out);
  }
  return out;
}

std::string HourlyLoadFilePath(const Workspace& ws) { return ResolvePath(ws.CurrentFolder, kHourlyLoadFileName); }
std::string PlantOutputFilePath(const Workspace& ws) { return ResolvePath(ws.CurrentFolder, kPlantOutputFileName); }

bool CalculateAirConditioning(Workspace& ws, Prompts& prompts, ProgressSink& log) {
  ws.Sim.Clear();
  const std::string loadFile = HourlyLoadFilePath(ws);
  bool calculateLoads = true;
  if (FileExists(loadFile)) {
    const Answer a =
        prompts.AskYesNoCancel("Cooling load data file already exits. Re-calculate and overwrite the file?");
    if (a == Answer::Cancel) return false;
    calculateLoads = a == Answer::Yes;
  }
  if (calculateLoads) {
    log.AddLine("Started to calculate cooling load");
    LoadRunFiles files;
    files.EciFile = ws.EnergyFiles.EciFile;
    files.ConFile = ws.EnergyFiles.ConFile;
    files.WeatherFile = ws.Db.LcaDbFolder + kWeatherFileName;
    files.CurrentFolder = ws.CurrentFolder;
    files.ProjectFolder = ws.Project.ProjDir;
    if (!BCLSim(files, ws.AirSide, log, ws.Sim)) {
      log.AddLine("Cooling load calculation terminated.");
      log.AddLine(ws.Sim.SimMessage);
      return false;
    }
    log.AddLine("Cooling load calculation completed");
  }
  if (!prompts.AskYesNo("Proceed to predict air-conditioning energy use?")) return false;

  log.AddLine("Started to calculate A/C energy use");
  PlantRunFiles files;
  files.AirSideFile = ws.EnergyFiles.AssFile;
  files.PlantFile = ws.PlantFiles.WssFile;
  files.LoadFile = loadFile;
  files.OutputFile = PlantOutputFilePath(ws);
  if (!RunPlantSimulation(ws.Energy, ws.AirSide, ws.Plant, files, ws.ACEnergy, ws.Sim, log)) {
    log.AddLine("A/C energy use calculation terminated.");
    log.AddLine(ws.Sim.SimMessage);
    return false;
  }
  log.AddLine("A/C energy use calculation completed");
  return true;
}

bool CalculateSystem(Workspace& ws, int code, Prompts& prompts, ProgressSink& log) {
  if (code == kAirConditioningSystem) return CalculateAirConditioning(ws, prompts, log);
  if (code == kZoneLightingEquipment) {
    ws.ZoneElec = CalculateZoneElectricity(ws.Energy);
    return true;
  }
  if (code == kTownGasSystems) {
    std::string message;
    if (CalculateTownGas(ws.NonAC.TownGas, message)) return true;
    prompts.Message(message);
    return false;
  }
  ElectricSystemGroup* group = ElectricGroupOf(ws, code);
  if (group == nullptr) return false;
  CalculateElectricSystems(*group);
  return true;
}

void EnterTypedResults(Workspace& ws, int code, const std::vector<std::string>& typed) {
  if (code == kAirConditioningSystem) {
    TakeTyped(typed, 7, [&](int i) -> float& { return ws.ACEnergy.Value[i]; });
  } else if (code == kZoneLightingEquipment) {
    TakeTyped(typed, 2, [&](int i) -> float& { return ws.ZoneElec.Value[i]; });
  } else if (code == kTownGasSystems) {
    TakeTyped(typed, ws.NonAC.TownGas.Count, [&](int i) -> float& { return ws.NonAC.TownGas.System[i].AnnualUse; });
  } else if (ElectricSystemGroup* group = ElectricGroupOf(ws, code)) {
    TakeTyped(typed, group->Count, [&](int i) -> float& { return group->System[i].AnnualEnergy; });
  }
}

void LeaveEnergyCalculation(Workspace& ws) {
  ws.EnergyUse = PredictedEnergyUse(ws.ACEnergy, ws.ZoneElec, ws.Plant, ws.NonAC);
}

}  // namespace kelca
