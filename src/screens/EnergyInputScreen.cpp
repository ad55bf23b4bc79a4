#include "screens/EnergyInputScreen.h"

#include <algorithm>

#include "app/Workspace.h"
#include "common/FiniteRead.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/ValueBoxes.h"
#include "screens/ConstructionScreen.h"
#include "screens/FileChoice.h"

namespace kelca {

namespace {

constexpr const char* kEciFilter = "Energy Calculation Input File (*.ECI)|*.ECI";
constexpr const char* kAssTitle = "Air Side Air-conditioning System Input File";
constexpr const char* kAssFilter = "Air Side AC System Input File (*.ASS)|*.ASS";

std::string CountText(int count) { return count > 0 ? std::to_string(count) : ""; }

std::array<float*, kRoomBoxes> RoomValues(EnergyRoom& r) {
  return {&r.IdenticalRooms, &r.FloorArea, &r.Height,       &r.Occupants,    &r.VentRate,
          &r.RoomTemp,       &r.RoomRH,    &r.LightingLoad, &r.EquipmentLoad};
}

// A dialog that starts on the file the project uses.
FileDialogRequest Dialog(const char* title, const char* filter, const std::string& file) {
  return {title, filter, FolderOf(file), FileNameOf(file), false};
}

}  // namespace

EnergyInputScreenModel::EnergyInputScreenModel(Workspace& ws)
    : ws_(ws), work_(std::make_unique<EnergyModel>(ws.Energy)), air_(std::make_unique<AirSideData>(ws.AirSide)) {
  ZoneCountBox = CountText(work_->ZoneCount);
  ShowZone(work_->ZoneCount > 0 ? 1 : 0);
}

EnergyInputScreenModel::~EnergyInputScreenModel() = default;

void EnergyInputScreenModel::Open(Prompts& prompts) {
  if (Status read = LoadProjectConstructions(ws_); !read) prompts.Message(read.message);
  ShowComponent(comp_);
  if (!ws_.EnergyFiles.EciFile.empty() && FileExists(FindExistingFile(ws_.EnergyFiles.EciFile))) Load(prompts);
}

int EnergyInputScreenModel::ZoneCount() const { return work_->ZoneCount; }
int EnergyInputScreenModel::RoomCount() const { return zone_ > 0 ? work_->Zone[zone_].RoomCount : 0; }
int EnergyInputScreenModel::ComponentCount() const {
  return room_ > 0 ? work_->Zone[zone_].Room[room_].ComponentCount : 0;
}
bool EnergyInputScreenModel::ZoneCountPending() const { return ZoneCountBox != CountText(ZoneCount()); }
bool EnergyInputScreenModel::RoomCountPending() const { return zone_ > 0 && RoomCountBox != CountText(RoomCount()); }
bool EnergyInputScreenModel::ComponentCountPending() const {
  return room_ > 0 && ComponentCountBox != CountText(ComponentCount());
}

EnergyZone* EnergyInputScreenModel::Zone() { return zone_ > 0 ? &work_->Zone[zone_] : nullptr; }
EnergyRoom* EnergyInputScreenModel::Room() { return room_ > 0 ? &work_->Zone[zone_].Room[room_] : nullptr; }
FabricComponent* EnergyInputScreenModel::Component() {
  return comp_ > 0 ? &work_->Zone[zone_].Room[room_].Component[comp_] : nullptr;
}

// The fields shown go into the zone, room and component they belong to.
void EnergyInputScreenModel::StoreShown() {
  if (EnergyZone* z = Zone()) {
    z->ZoneName = ZoneNameBox;
    z->IdenticalZones = SingleOf(Val(IdenticalZonesBox));
  }
  if (EnergyRoom* r = Room()) {
    r->RoomName = RoomNameBox;
    r->RoomType = RoomType;
    const auto values = RoomValues(*r);
    for (int i = 0; i < kRoomBoxes; ++i) *values[i] = SingleOf(Val(RoomBoxes[i]));
  }
  if (FabricComponent* c = Component()) {
    c->ComponentName = ComponentNameBox;
    c->ComponentArea = SingleOf(Val(ComponentAreaBox));
    c->ComponentType = ComponentType;
    c->ConstructionNo = WholeOf(ConstructionBoxes[0]);
    c->Orientation = Orientation;
    c->ShadingMaskFile = ShadingMaskBox;
  }
}

void EnergyInputScreenModel::ShowZone(int zone) {
  zone_ = zone >= 1 && zone <= work_->ZoneCount ? zone : 0;
  const EnergyZone* z = Zone();
  ZoneNameBox = z ? z->ZoneName : "";
  IdenticalZonesBox = z ? FormatGeneral(z->IdenticalZones) : "";
  RoomCountBox = CountText(RoomCount());
  ShowRoom(1);
}

void EnergyInputScreenModel::ShowRoom(int room) {
  room_ = zone_ > 0 && room >= 1 && room <= RoomCount() ? room : 0;
  EnergyRoom* r = Room();
  RoomNameBox = r ? r->RoomName : "";
  RoomType = r ? r->RoomType : 0;
  for (int i = 0; i < kRoomBoxes; ++i) RoomBoxes[i] = r ? FormatGeneral(*RoomValues(*r)[i]) : "";
  ComponentCountBox = CountText(ComponentCount());
  ShowComponent(1);
}

void EnergyInputScreenModel::ShowComponent(int component) {
  comp_ = room_ > 0 && component >= 1 && component <= ComponentCount() ? component : 0;
  const FabricComponent* c = Component();
  ComponentNameBox = c ? c->ComponentName : "";
  ComponentAreaBox = c ? FormatGeneral(c->ComponentArea) : "";
  ComponentType = c ? c->ComponentType : 0;
  ConstructionBoxes = {c ? std::to_string(c->ConstructionNo) : "", c ? ConstructionName(c->ConstructionNo) : ""};
  Orientation = c ? c->Orientation : 0;
  ShadingMaskBox = c ? c->ShadingMaskFile : "";
}

std::string EnergyInputScreenModel::ConstructionName(int constructionNo) const {
  const ConstructionTable& table = ws_.Constructions;
  return constructionNo >= 1 && constructionNo <= table.ConstructionCount ? table.Item[constructionNo].Name : "";
}

void EnergyInputScreenModel::EnterZoneCount(Prompts& prompts) {
  StoreShown();
  if (!list::SetCountFrom1(work_->ZoneCount, WholeOf(ZoneCountBox), 1, kMaxZones, work_->Zone, air_->Zone)) {
    prompts.Message("No. of Zones outside range!");
  }
  ZoneCountBox = CountText(work_->ZoneCount);
  ShowZone(1);
}

void EnergyInputScreenModel::EnterRoomCount(Prompts& prompts) {
  StoreShown();
  EnergyZone* z = Zone();
  if (!z) return;
  AirSideZone& a = air_->Zone[zone_];
  if (!list::SetCountFrom1(z->RoomCount, WholeOf(RoomCountBox), 1, kMaxRoomsPerZone, z->Room, a.DesignSensibleLoad,
                           a.DesignTotalLoad, a.DesignSupplyAir)) {
    prompts.Message("No. of Rooms outside range!");
  }
  RoomCountBox = CountText(z->RoomCount);
  ShowRoom(1);
}

void EnergyInputScreenModel::EnterRoomCharacteristics(Prompts& prompts) {
  StoreShown();
  EnergyRoom* r = Room();
  if (!r) return;
  if (!list::SetCountFrom1(r->ComponentCount, WholeOf(ComponentCountBox), 1, kMaxComponentsPerRoom, r->Component)) {
    prompts.Message("No. of Fabric Components outside range!");
  }
  ComponentCountBox = CountText(r->ComponentCount);
  ShowComponent(1);
}

void EnergyInputScreenModel::EnterComponent() { StoreShown(); }

void EnergyInputScreenModel::SelectZone(int zone) {
  StoreShown();
  ShowZone(zone);
}

void EnergyInputScreenModel::SelectRoom(int room) {
  StoreShown();
  ShowRoom(room);
}

void EnergyInputScreenModel::SelectComponent(int component) {
  StoreShown();
  ShowComponent(component);
}

void EnergyInputScreenModel::AddZone(Prompts& prompts) {
  StoreShown();
  const int at = list::InsertAfterFrom1(work_->ZoneCount, kMaxZones, zone_, work_->Zone, air_->Zone);
  if (at < 0) {
    prompts.Message("No. of Zones already reached the Maximum No.!");
    return;
  }
  ZoneCountBox = CountText(work_->ZoneCount);
  ShowZone(at);
}

void EnergyInputScreenModel::DeleteZone(Prompts& prompts) {
  StoreShown();
  if (!Zone() || !prompts.AskOkCancel("Delete all data for the selected Zone?")) return;
  list::DeleteAtFrom1(work_->ZoneCount, zone_, work_->Zone, air_->Zone);
  ZoneCountBox = CountText(work_->ZoneCount);
  ShowZone(std::clamp(zone_, 1, std::max(1, work_->ZoneCount)));
}

void EnergyInputScreenModel::AddRoom(Prompts& prompts) {
  StoreShown();
  EnergyZone* z = Zone();
  if (!z) return;
  AirSideZone& a = air_->Zone[zone_];
  const int at = list::InsertAfterFrom1(z->RoomCount, kMaxRoomsPerZone, room_, z->Room, a.DesignSensibleLoad,
                                        a.DesignTotalLoad, a.DesignSupplyAir);
  if (at < 0) {
    prompts.Message("No. of Rooms per Zone already reached the Maximum No.!");
    return;
  }
  RoomCountBox = CountText(z->RoomCount);
  ShowRoom(at);
}

void EnergyInputScreenModel::DeleteRoom(Prompts& prompts) {
  StoreShown();
  EnergyZone* z = Zone();
  if (!Room() || !prompts.AskOkCancel("Delete all data for the selected Room?")) return;
  AirSideZone& a = air_->Zone[zone_];
  list::DeleteAtFrom1(z->RoomCount, room_, z->Room, a.DesignSensibleLoad, a.DesignTotalLoad, a.DesignSupplyAir);
  RoomCountBox = CountText(z->RoomCount);
  ShowRoom(std::clamp(room_, 1, std::max(1, z->RoomCount)));
}

void EnergyInputScreenModel::AddComponent(Prompts& prompts) {
  StoreShown();
  EnergyRoom* r = Room();
  if (!r) return;
  const int at = list::InsertAfterFrom1(r->ComponentCount, kMaxComponentsPerRoom, comp_, r->Component);
  if (at < 0) {
    prompts.Message("No. of Constructions already reached the Maximum No.!");
    return;
  }
  ComponentCountBox = CountText(r->ComponentCount);
  ShowComponent(at);
}

void EnergyInputScreenModel::DeleteComponent(Prompts& prompts) {
  StoreShown();
  EnergyRoom* r = Room();
  if (!Component() || !prompts.AskOkCancel("Delete selected Fabric Component?")) return;
  list::DeleteAtFrom1(r->ComponentCount, comp_, r->Component);
  ComponentCountBox = CountText(r->ComponentCount);
  ShowComponent(std::clamp(comp_, 1, std::max(1, r->ComponentCount)));
}

void EnergyInputScreenModel::ChooseComponentType(int type) {
  ComponentType = std::clamp(type, 0, kMaxComponentType);
  if (ComponentType == kRoof || ComponentType == kFloorCeiling) Orientation = kHorizontal;
  StoreShown();
}

void EnergyInputScreenModel::ChooseOrientation(int orientation) {
  Orientation = std::clamp(orientation, 0, kMaxOrientation);
  StoreShown();
}

void EnergyInputScreenModel::ChooseRoomType(int type) {
  RoomType = std::clamp(type, 0, kMaxRoomType);
  StoreShown();
}

int EnergyInputScreenModel::ShownConstructionNo() const { return WholeOf(ConstructionBoxes[0]); }

void EnergyInputScreenModel::TakeConstruction(int constructionNo) {
  if (constructionNo < 1 || !Component()) return;
  ConstructionBoxes = {std::to_string(constructionNo), ConstructionName(constructionNo)};
  StoreShown();
}

void EnergyInputScreenModel::ChooseShadingMask(Prompts& prompts) {
  StoreShown();
  if (!Component()) return;
  const std::string chosen = ChooseFileToOpen(
      prompts, {"Select Shading Mask for a Window", "Shading Mask File (*.SHM)|*.SHM", "", "", false},
      ws_.CurrentFolder);
  if (chosen.empty()) return;
  ShadingMaskBox = chosen;
  StoreShown();
}

bool EnergyInputScreenModel::Load(Prompts& prompts) {
  EnergyFileNames& files = ws_.EnergyFiles;
  const std::string eci = ChooseFileToOpen(
      prompts, Dialog("Open Energy Calculation Input File", kEciFilter, files.EciFile), ws_.CurrentFolder);
  if (eci.empty()) return false;
  // A new model: air-side data of the old one would be taken for its zones and rooms.
  *air_ = AirSideData{};
  const Status eciRead = ReadEnergyInputFile(eci, *work_);
  files.EciFile = eci;
  ZoneCountBox = CountText(work_->ZoneCount);
  ShowZone(1);
  if (!eciRead) {
    prompts.Message(eciRead.message);
    return false;
  }
  const std::string ass = ChooseFileToOpen(prompts, Dialog(kAssTitle, kAssFilter, files.AssFile), ws_.CurrentFolder);
  if (ass.empty()) return false;
  files.AssFile = ass;
  if (Status read = ReadAirSideFile(ass, *work_, *air_); !read) {
    prompts.Message(read.message);
    return false;
  }
  return true;
}

bool EnergyInputScreenModel::Save(Prompts& prompts) {
  if (RoomCountPending()) {
    const int typed = WholeOf(RoomCountBox);
    EnterRoomCount(prompts);
    if (RoomCount() != typed) return false;  // refused: its message was shown
  }
  HandOver();
  return WriteFiles(prompts);
}

bool EnergyInputScreenModel::WriteFiles(Prompts& prompts) {
  EnergyFileNames& files = ws_.EnergyFiles;
  const std::string eci = ChooseFileToSave(
      prompts, Dialog("Save Energy Calculation Input File", kEciFilter, files.EciFile), ws_.CurrentFolder);
  if (eci.empty()) return false;
  if (Status written = WriteEnergyInputFile(eci, ws_.Project.ProjName, *work_); !written) {
    prompts.Message(written.message);
    return false;
  }
  files.EciFile = eci;
  const std::string ass = ChooseFileToSave(prompts, Dialog(kAssTitle, kAssFilter, files.AssFile), ws_.CurrentFolder);
  if (ass.empty()) return false;
  if (Status written = WriteAirSideFile(ass, ws_.Project.ProjName, *work_, *air_); !written) {
    prompts.Message(written.message);
    return false;
  }
  files.AssFile = ass;
  return true;
}

bool EnergyInputScreenModel::Return(Prompts& prompts) {
  switch (prompts.AskYesNoCancel("Save data before closing this form?")) {
    case Answer::Yes:
      return Save(prompts);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void EnergyInputScreenModel::HandOver() {
  StoreShown();
  ws_.Energy = *work_;
  ws_.AirSide = *air_;
}

void EnergyInputScreenModel::TakeAirSideBack() { *air_ = ws_.AirSide; }

void EnergyInputScreenModel::ShowConstructionNames() {
  StoreShown();
  ShowComponent(comp_);
}

}  // namespace kelca
