#include "screens/AirSideScreen.h"

#include <algorithm>

#include "app/Workspace.h"
#include "common/ValueBoxes.h"

namespace kelca {

AirSideScreenModel::AirSideScreenModel(Workspace& ws, int zone)
    : ws_(ws), work_(std::make_unique<AirSideData>(ws.AirSide)) {
  Show(zone, 0);
}

AirSideScreenModel::~AirSideScreenModel() = default;

int AirSideScreenModel::RoomCount() const { return zone_ > 0 ? ws_.Energy.Zone[zone_].RoomCount : 0; }

std::string AirSideScreenModel::ZoneNameLabel() const {
  return "Zone Name: " + (zone_ > 0 ? ws_.Energy.Zone[zone_].ZoneName : std::string());
}

std::vector<std::string> AirSideScreenModel::Entries() const {
  std::vector<std::string> entries = {"Zone"};
  for (int r = 1; r <= RoomCount(); ++r) entries.push_back("Rm No " + std::to_string(r));
  return entries;
}

std::array<std::string, kAirSideBoxes> AirSideScreenModel::Labels() const {
  const std::string of = entry_ == 0 ? "the Zone" : "the Room";
  return {"Design Sensible Cooling Load of " + of + " (kW)",
          "Design Total Cooling Load of " + of + " (kW)",
          "Design Supply Air Flow Rate for " + of + " (cu.m/s)",
          "Design Supply Air Fan Pressure (Pa)",
          "Design Supply Air Fan Power (kW)",
          "Design Chilled Water Flow Rate (kg/s)"};
}

void AirSideScreenModel::StoreShown() {
  if (zone_ < 1) return;
  AirSideZone& z = work_->Zone[zone_];
  z.AcSystemType = AcSystemType;
  z.FreshAirType = FreshAirType;
  const auto v = BoxValues(ValueBoxes);
  z.DesignSensibleLoad[entry_] = v[0];
  z.DesignTotalLoad[entry_] = v[1];
  z.DesignSupplyAir[entry_] = v[2];
  if (entry_ == 0) {
    z.DesignFanPressure = v[3];
    z.DesignFanPower = v[4];
    z.DesignChwFlow = v[5];
  }
}

void AirSideScreenModel::Show(int zone, int entry) {
  zone_ = zone >= 1 && zone <= ws_.Energy.ZoneCount ? zone : 0;
  entry_ = std::clamp(entry, 0, RoomCount());
  const AirSideZone& z = work_->Zone[zone_];
  AcSystemType = z.AcSystemType;
  FreshAirType = z.FreshAirType;
  NameBox = zone_ == 0 ? "" : entry_ == 0 ? ws_.Energy.Zone[zone_].ZoneName : ws_.Energy.Zone[zone_].Room[entry_].RoomName;
  ShowValues(ValueBoxes, {z.DesignSensibleLoad[entry_], z.DesignTotalLoad[entry_], z.DesignSupplyAir[entry_],
                          z.DesignFanPressure, z.DesignFanPower, z.DesignChwFlow});
  if (entry_ != 0) std::fill(ValueBoxes.begin() + kRoomAirSideBoxes, ValueBoxes.end(), "");
}

bool AirSideScreenModel::Changed() {
  StoreShown();
  return *work_ != ws_.AirSide;
}

void AirSideScreenModel::Select(int entry) {
  StoreShown();
  Show(zone_, entry);
}

void AirSideScreenModel::NextRoom() { Select(std::min(entry_ + 1, RoomCount())); }
void AirSideScreenModel::LastRoom() { Select(std::max(entry_ - 1, std::min(1, entry_))); }

void AirSideScreenModel::NextZone() {
  StoreShown();
  Show(std::min(zone_ + 1, ws_.Energy.ZoneCount), 0);
}

void AirSideScreenModel::LastZone() {
  StoreShown();
  Show(std::max(zone_ - 1, std::min(1, zone_)), 0);
}

void AirSideScreenModel::ChooseAcSystemType(int type) {
  AcSystemType = std::clamp(type, 0, kMaxAcSystemType);
  StoreShown();
}

void AirSideScreenModel::ChooseFreshAirType(int type) {
  FreshAirType = std::clamp(type, 0, kMaxFreshAirType);
  StoreShown();
}

void AirSideScreenModel::Save() {
  StoreShown();
  ws_.AirSide = *work_;
}

bool AirSideScreenModel::Exit(Prompts& prompts) {
  if (!Changed()) return true;
  switch (prompts.AskYesNoCancel("Save Data before closing this form?")) {
    case Answer::Yes:
      Save();
      return true;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace kelca
