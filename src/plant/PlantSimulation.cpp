#include "plant/PlantSimulation.h"

#include <cmath>
#include <memory>

#include "common/Numbers.h"
#include "common/TextWriter.h"
#include "energy/Calendar.h"
#include "energy/HourlyLoadFile.h"
#include "energy/Psychrometrics.h"
#include "plant/AirSide.h"
#include "plant/CentralPlant.h"
#include "plant/EquipmentModels.h"
#include "plant/OperatingHours.h"
#include "plant/PlantChecks.h"

namespace kelca {

namespace {

constexpr size_t kOutputLineBytes = 100;

// One plant hour's figures, as written to the output file.
struct PlantHourLine {
  float PlantLoad = 0;  // kW, with the plant allowance
  float AirHandlerFans = 0;
  float FauFans = 0;
  PlantHourPower Plant;

  bool Finite() const {
    for (float v : {PlantLoad, AirHandlerFans, FauFans, Plant.Chillers, Plant.Plps, Plant.Slps, Plant.Cwps,
                    Plant.Swps, Plant.Towers}) {
      if (!IsFiniteValue(v)) return false;
    }
    return true;
  }
};

ZoneRoomLoads RoomLoadsInKilowatts(const HourlyLoadRecord& hour, int z) {
  ZoneRoomLoads loads{};
  for (int r = 1; r <= hour.RoomCount[z]; ++r) {
    loads[r].Sensible = hour.Room[z][r].SensibleLoad / 1000.0f;
    loads[r].Latent = hour.Room[z][r].LatentLoad / 1000.0f;
  }
  return loads;
}

bool SimulatePlantHour(const EnergyModel& model, const AirSideData& airSide, PlantInput& plant,
                       const PlantRunConstants& run, const OperatingHours& hours, const HourlyLoadRecord& hour,
                       int weekday, int h, float seawaterTemp, PlantHourLine& line, SimStatus& status) {
  OutdoorState outdoor;
  outdoor.DryBulb = hour.DryBulb;
  outdoor.WetBulb = hour.WetBulb;
  outdoor.HumidityRatio = hour.HumidityRatio;
  outdoor.Enthalpy = MoistAirEnthalpy(hour.DryBulb, hour.HumidityRatio);

  float plantLoad = 0;
  float freshAirDemand = 0;
  float airHandlerChw = 0;
  line = {};
  for (int z = 1; z <= model.ZoneCount; ++z) {
    if (!hours.ZoneRuns(z, weekday, h)) continue;
    const EnergyZone& zone = model.Zone[z];
    ZoneAirSideResult result;
    if (!ZoneAirSide(run, z, zone, airSide.Zone[z], RoomLoadsInKilowatts(hour, z), outdoor, result, status)) {
      return false;
    }
    plantLoad += result.CoilLoad * zone.IdenticalZones;
    // Zones with their own outdoor air intake take none from the fresh-air units.
    if (airSide.Zone[z].FreshAirType != kLocalOutdoorAir) freshAirDemand += result.FreshAir * zone.IdenticalZones;
    airHandlerChw += result.ChwFlow * zone.IdenticalZones;
    line.AirHandlerFans += result.FanPower * zone.IdenticalZones;
  }
  FreshAirUnitsResult fau;
  if (!FreshAirUnits(run, plant, freshAirDemand, outdoor, fau, status)) return false;
  plantLoad += fau.CoilLoad;
  line.FauFans = fau.FanPower;
  line.PlantLoad = plantLoad * kPlantLoadAllowance;
  return CPCSIM(run, plant, line.PlantLoad, airHandlerChw + fau.ChwFlow, outdoor, seawaterTemp, line.Plant, status);
}

void AddToYear(const PlantHourLine& line, AnnualACEnergy& energy) {
  auto& e = energy.Value;
  e[1] += line.AirHandlerFans + line.FauFans;
  e[2] += line.Plant.Chillers;
  e[3] += line.Plant.Plps;
  e[4] += line.Plant.Slps;
  e[5] += line.Plant.Cwps;
  e[6] += line.Plant.Swps;
  e[7] += line.Plant.Towers;
}

}  // namespace

bool SimulatePlantYear(const EnergyModel& model, const AirSideData& airSide, PlantInput& plant,
                       const PlantRunFiles& files, AnnualACEnergy& energy, SimStatus& status, ProgressSink& progress) {
  PlantRunConstants run;
  if (!SimPrep(model, plant, run, status)) return false;
  const OperatingHours hours = PlantOperatingHours(model, plant);

  std::unique_ptr<HourlyLoadSource> source;
  if (files.Loads && files.Loads->Matches(model)) {
    source = std::make_unique<HourlyLoadYearReader>(*files.Loads);
  } else {
    auto file = std::make_unique<HourlyLoadReader>();
    if (Status opened = HourlyLoadReader::Open(files.LoadFile, model, *file); !opened) {
      return status.Fail("RunPlantSimulation: " + opened.message);
    }
    source = std::move(file);
  }
  HourlyLoadSource& reader = *source;
  TextWriter out;
  out.Reserve(kHoursPerYear * kOutputLineBytes);
  HourlyLoadRecord hour;
  int day = 0;
  for (int m = 1; m <= 12; ++m) {
    progress.AddLine("Plant Simulation - Processing Month No." + std::to_string(m) + "....");
    for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) {
      ++day;
      if (progress.Cancelled()) return status.Fail("RunPlantSimulation: Run cancelled!");
      const int weekday = (day - 1) % 7;  // 1 January is a Sunday
      const float seawaterTemp = SeawaterTemp(day);
      for (int h = 1; h <= kHoursPerDay; ++h) {
        if (!reader.ReadHour(hour)) return status.Fail("RunPlantSimulation: " + reader.Result().message);
        if (!hours.PlantRuns(weekday, h)) continue;
        PlantHourLine line;
        if (!SimulatePlantHour(model, airSide, plant, run, hours, hour, weekday, h, seawaterTemp, line, status)) {
          return false;
        }
        if (!line.Finite()) {
          return status.Fail("RunPlantSimulation: Result out of range in month " + std::to_string(m) + ", day " +
                             std::to_string(d) + ", hour " + std::to_string(h) + "!");
        }
        out.Line(m, d, h, line.PlantLoad, line.AirHandlerFans, line.FauFans, line.Plant.Chillers, line.Plant.Plps,
                 line.Plant.Slps, line.Plant.Cwps, line.Plant.Swps, line.Plant.Towers);
        AddToYear(line, energy);
      }
      progress.SetProgress(static_cast<double>(day) / 365.0);
    }
  }
  auto& e = energy.Value;
  e[0] = e[1] + e[2] + e[3] + e[4] + e[5] + e[6] + e[7];
  if (Status saved = out.Save(files.OutputFile); !saved) return status.Fail("RunPlantSimulation: " + saved.message);
  return true;
}

bool RunPlantSimulation(const EnergyModel& model, AirSideData& airSide, PlantInput& plant, const PlantRunFiles& files,
                        AnnualACEnergy& energy, SimStatus& status, ProgressSink& progress) {
  energy = {};
  if (Status s = ReadAirSideFile(files.AirSideFile, model, airSide); !s) {
    return status.Fail("RunPlantSimulation: " + s.message);
  }
  if (Status s = ReadPlantFile(files.PlantFile, plant); !s) return status.Fail("RunPlantSimulation: " + s.message);
  return SimulatePlantYear(model, airSide, plant, files, energy, status, progress);
}

}  // namespace kelca
