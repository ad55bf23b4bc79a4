#include "energy/AirSideData.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

const std::array<const char*, kMaxAcSystemType + 1> kAcSystemTypeNames = {
    "", "CAV or FCU System", "VAV System with Inlet Guide Vane Control", "VAV System with Variable Fan Speed Control"};
const std::array<const char*, kMaxFreshAirType + 1> kFreshAirTypeNames = {"", "Local Outdoor Air Intake",
                                                                         "Central Pretreated"};

Status WriteAirSideFile(const std::string& path, const std::string& projectName, const EnergyModel& model,
                        const AirSideData& airSide) {
  TextWriter w;
  w.Line("Air-side System Input File for Project: " + projectName);
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const AirSideZone& zone = airSide.Zone[z];
    w.Line(zone.AcSystemType, zone.FreshAirType);
    w.Line(zone.DesignSensibleLoad[0], zone.DesignTotalLoad[0]);
    w.Line(zone.DesignSupplyAir[0], zone.DesignFanPressure, zone.DesignFanPower, zone.DesignChwFlow);
    for (int r = 1; r <= model.Zone[z].RoomCount; ++r) {
      w.Line(zone.DesignSensibleLoad[r], zone.DesignTotalLoad[r], zone.DesignSupplyAir[r]);
    }
  }
  return w.Save(path);
}

Status ReadAirSideFile(const std::string& path, const EnergyModel& model, AirSideData& airSide) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  std::string title;
  in.ReadString(title);
  for (int z = 1; z <= model.ZoneCount && !in.Failed(); ++z) {
    AirSideZone& zone = airSide.Zone[z];
    if (!(in.ReadCount(zone.AcSystemType, 0, kMaxAcSystemType, "the air-conditioning system type") &&
          in.ReadCount(zone.FreshAirType, 0, kMaxFreshAirType, "the fresh-air supply type") &&
          in.ReadSingle(zone.DesignSensibleLoad[0]) && in.ReadSingle(zone.DesignTotalLoad[0]) &&
          in.ReadSingle(zone.DesignSupplyAir[0]) && in.ReadSingle(zone.DesignFanPressure) &&
          in.ReadSingle(zone.DesignFanPower) && in.ReadSingle(zone.DesignChwFlow))) {
      break;
    }
    for (int r = 1; r <= model.Zone[z].RoomCount; ++r) {
      if (!(in.ReadSingle(zone.DesignSensibleLoad[r]) && in.ReadSingle(zone.DesignTotalLoad[r]) &&
            in.ReadSingle(zone.DesignSupplyAir[r]))) {
        break;
      }
    }
  }
  if (!in.Failed() && !in.AtEnd()) in.Fail("the file holds more zones or rooms than the energy model");
  return in.Result();
}

}  // namespace kelca
