#include "plant/PlantInput.h"

#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

PlantFileNames DerivePlantFileNames(const std::string& projectFile) {
  return {ReplaceLastThree(projectFile, "WSS"), ReplaceLastThree(projectFile, "NAC")};
}

bool HasCondenserWaterPumps(int plantType) {
  return plantType == kWaterCooledTowers || plantType == kIndirectSeawater || plantType == kIndirectSeawaterTowers;
}
bool HasSeawaterPumps(int plantType) {
  return plantType == kIndirectSeawater || plantType == kDirectSeawater || plantType == kIndirectSeawaterTowers;
}
bool HasCoolingTowers(int plantType) {
  return plantType == kWaterCooledTowers || plantType == kIndirectSeawaterTowers;
}
bool HasSeawaterHeatExchanger(int plantType) {
  return plantType == kIndirectSeawater || plantType == kIndirectSeawaterTowers;
}

namespace {

void ReadConstantPumps(TextReader& in, int& count, std::array<ConstantPumpUnit, kPlantSlots>& pumps,
                       const char* what) {
  if (!in.ReadCount(count, 0, kMaxPlantUnits, what)) return;
  for (int i = 1; i <= count; ++i) {
    in.ReadSingle(pumps[i].Flow);
    in.ReadSingle(pumps[i].Pressure);
    in.ReadSingle(pumps[i].Power);
  }
}

void ReadVariablePumps(TextReader& in, int& count, std::array<VariablePumpUnit, kPlantSlots>& pumps,
                       const char* what, const char* typeWhat) {
  if (!in.ReadCount(count, 0, kMaxPlantUnits, what)) return;
  for (int i = 1; i <= count; ++i) {
    in.ReadCount(pumps[i].Type, 0, kMaxPumpType, typeWhat);
    in.ReadSingle(pumps[i].RatedFlow);
    in.ReadSingle(pumps[i].RatedPressure);
    in.ReadSingle(pumps[i].RatedPower);
  }
}

void WriteConstantPumps(TextWriter& out, int count, const std::array<ConstantPumpUnit, kPlantSlots>& pumps) {
  out.Line(count);
  for (int i = 1; i <= count; ++i) out.Line(pumps[i].Flow, pumps[i].Pressure, pumps[i].Power);
}

void WriteVariablePumps(TextWriter& out, int count, const std::array<VariablePumpUnit, kPlantSlots>& pumps) {
  out.Line(count);
  for (int i = 1; i <= count; ++i) {
    out.Line(pumps[i].Type, pumps[i].RatedFlow, pumps[i].RatedPressure, pumps[i].RatedPower);
  }
}

}  // namespace

Status ReadPlantFile(const std::string& path, PlantInput& plant) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  PlantInput next = plant;
  std::string header;
  in.ReadString(header);
  in.ReadCount(next.PlantType, 0, kMaxPlantType, "plant type");
  in.ReadCount(next.PumpingType, 0, kMaxPumpingType, "pumping type");
  in.ReadInt(next.StartHour);
  in.ReadInt(next.StopHour);
  in.ReadSingle(next.DesignTemp1);
  in.ReadSingle(next.DesignTemp2);
  in.ReadSingle(next.DesignTemp3);
  in.ReadSingle(next.DesignTemp4);
  if (in.ReadCount(next.ChillerCount, 0, kMaxPlantUnits, "number of chillers")) {
    for (int i = 1; i <= next.ChillerCount; ++i) {
      ChillerUnit& c = next.Chiller[i];
      in.ReadCount(c.Type, 0, kMaxChillerType, "chiller type");
      in.ReadSingle(c.RatedCapacity);
      in.ReadSingle(c.RatedPower);
      in.ReadSingle(c.ChwFlow);
      in.ReadSingle(c.CwFlow);
    }
  }
  ReadConstantPumps(in, next.PlpCount, next.Plp, "number of primary loop pumps");
  ReadVariablePumps(in, next.SlpCount, next.Slp, "number of secondary loop pumps", "secondary loop pump type");
  ReadConstantPumps(in, next.CwpCount, next.Cwp, "number of condenser water pumps");
  ReadVariablePumps(in, next.SwpCount, next.Swp, "number of seawater pumps", "seawater pump type");
  if (in.ReadCount(next.TowerCount, 0, kMaxPlantUnits, "number of cooling towers")) {
    for (int i = 1; i <= next.TowerCount; ++i) {
      in.ReadSingle(next.Tower[i].Capacity);
      in.ReadSingle(next.Tower[i].WaterFlow);
      in.ReadSingle(next.Tower[i].FanPower);
    }
  }
  ReadElectricSystemGroup(in, next.AdditionalHvac, "number of additional HVAC systems");
  if (in.ReadCount(next.FauCount, 0, kMaxPlantUnits, "number of fresh air handling units")) {
    for (int i = 1; i <= next.FauCount; ++i) {
      FreshAirUnit& f = next.Fau[i];
      in.ReadSingle(f.SensibleCapacity);
      in.ReadSingle(f.TotalCapacity);
      in.ReadSingle(f.FreshAirFlow);
      in.ReadSingle(f.FanPressure);
      in.ReadSingle(f.FanPower);
      in.ReadSingle(f.ChwFlow);
    }
  }
  if (in.Failed()) return in.Result();
  plant = next;
  return Status::Ok();
}

Status WritePlantFile(const std::string& path, const std::string& projName, const PlantInput& plant) {
  TextWriter out;
  out.Line("Central Plant Data for Project: " + projName);
  out.Line(plant.PlantType);
  out.Line(plant.PumpingType);
  out.Line(plant.StartHour, plant.StopHour);
  out.Line(plant.DesignTemp1, plant.DesignTemp2, plant.DesignTemp3, plant.DesignTemp4);
  out.Line(plant.ChillerCount);
  for (int i = 1; i <= plant.ChillerCount; ++i) {
    const ChillerUnit& c = plant.Chiller[i];
    out.Line(c.Type, c.RatedCapacity, c.RatedPower, c.ChwFlow, c.CwFlow);
  }
  WriteConstantPumps(out, plant.PlpCount, plant.Plp);
  WriteVariablePumps(out, plant.SlpCount, plant.Slp);
  WriteConstantPumps(out, plant.CwpCount, plant.Cwp);
  WriteVariablePumps(out, plant.SwpCount, plant.Swp);
  out.Line(plant.TowerCount);
  for (int i = 1; i <= plant.TowerCount; ++i) {
    out.Line(plant.Tower[i].Capacity, plant.Tower[i].WaterFlow, plant.Tower[i].FanPower);
  }
  WriteElectricSystemGroup(out, plant.AdditionalHvac);
  out.Line(plant.FauCount);
  for (int i = 1; i <= plant.FauCount; ++i) {
    const FreshAirUnit& f = plant.Fau[i];
    out.Line(f.SensibleCapacity, f.TotalCapacity, f.FreshAirFlow, f.FanPressure, f.FanPower, f.ChwFlow);
  }
  return out.Save(path);
}

}  // namespace kelca
