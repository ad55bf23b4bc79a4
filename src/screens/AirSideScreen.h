#pragma once
// What the air-side screen (frmSIZn) does: for one zone at a time, the type of
// air-conditioning and fresh-air system and the design values of the zone and
// of each of its rooms, on a copy of the air-side data that Save Data puts
// into the program-wide table. The form stores typed texts into the boxes
// before each command and shows the boxes and labels afterwards.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "energy/AirSideData.h"

namespace kelca {

struct Workspace;

constexpr int kAirSideBoxes = 6;  // three loads and flows, then fan pressure, fan power, chilled-water flow
constexpr int kRoomAirSideBoxes = 3;

class AirSideScreenModel {
 public:
  // Opens on zone (1-based) of the program-wide energy model, with "Zone" selected.
  AirSideScreenModel(Workspace& ws, int zone);
  ~AirSideScreenModel();

  std::string ZoneNameLabel() const;          // "Zone Name: " and the zone's name
  std::vector<std::string> Entries() const;   // cboZnRm: "Zone", "Rm No 1", ...
  int Selected() const { return entry_; }     // 0 the zone, else the room
  std::array<std::string, kAirSideBoxes> Labels() const;
  int ShownBoxes() const { return entry_ == 0 ? kAirSideBoxes : kRoomAirSideBoxes; }
  int Zone() const { return zone_; }
  bool Changed();  // the shown values differ from the program-wide table

  void Select(int entry);  // cboZnRm
  void NextRoom();         // cmdNxRm
  void LastRoom();         // cmdPrRm
  void NextZone();         // cmdNxZn
  void LastZone();         // cmdPrZn
  void ChooseAcSystemType(int type);  // cboASTyp
  void ChooseFreshAirType(int type);  // cboFATyp
  void Save();                        // mnuFSave
  bool Exit(Prompts& prompts);        // mnuFExit: true when the screen closes
  void SaveAndExit() { Save(); }      // cmdSaQ

  std::string NameBox;  // txtRmNam: the zone's or the room's name
  int AcSystemType = 0, FreshAirType = 0;
  std::array<std::string, kAirSideBoxes> ValueBoxes;  // txtZnRmD

 private:
  void StoreShown();
  void Show(int zone, int entry);
  int RoomCount() const;

  Workspace& ws_;
  std::unique_ptr<AirSideData> work_;
  int zone_ = 0, entry_ = 0;
};

}  // namespace kelca
