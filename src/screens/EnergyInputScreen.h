#pragma once
// What the energy input screen (frmEgyCalInput) does: zones, their rooms and
// the rooms' fabric components, each level with its count, selector, insert
// and delete; the ".ECI" and ".ASS" files. The screen works on copies of the
// energy model and of the air-side data; inserting or deleting a zone or a
// room moves its air-side data with it. The form stores typed texts into the
// boxes before each command and shows the boxes and lists afterwards.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"

namespace kelca {

struct Workspace;

// The room value boxes in the order of the screen.
enum RoomBox : int {
  kBoxIdenticalRooms,  // txtNIdRm
  kBoxFloorArea,       // txtRmArea
  kBoxHeight,          // txtRmHgt
  kBoxOccupants,       // txtNOcc
  kBoxVentRate,        // txtVent
  kBoxRoomTemp,        // txtTemp
  kBoxRoomRH,          // txtRH
  kBoxLighting,        // txtLgtW
  kBoxEquipment,       // txtEqpW
  kRoomBoxes
};

class EnergyInputScreenModel {
 public:
  explicit EnergyInputScreenModel(Workspace& ws);
  ~EnergyInputScreenModel();

  // Opening: the project's file names, its constructions, and its ".ECI" and
  // ".ASS" files when the ".ECI" file exists (Load with its two dialogs).
  void Open(Prompts& prompts);

  void EnterZoneCount(Prompts& prompts);            // cmdEntNZn
  void EnterRoomCount(Prompts& prompts);            // cmdEntNRm
  void EnterRoomCharacteristics(Prompts& prompts);  // cmdEntRmChar (with the component count)
  void EnterComponent();                            // cmdEntComp
  void SelectZone(int zone);                        // cboZNo (1-based)
  void SelectRoom(int room);                        // cboRmNo
  void SelectComponent(int component);              // cboFabComp
  void AddZone(Prompts& prompts);                   // cmdAZn
  void DeleteZone(Prompts& prompts);                // cmdDZn
  void AddRoom(Prompts& prompts);                   // cmdARm
  void DeleteRoom(Prompts& prompts);                // cmdDRm
  void AddComponent(Prompts& prompts);              // cmdAExWall
  void DeleteComponent(Prompts& prompts);           // cmdDExWall
  // cboCompTyp: "Roof" and "Floor/Ceiling" face up ("Hori.").
  void ChooseComponentType(int type);
  void ChooseOrientation(int orientation);  // cboOrient
  void ChooseRoomType(int type);            // cboRmTyp
  // cmdSelCons: the construction shown, for the construction screen in select
  // mode; a number picked there (>= 1) and its name go into txtCompC.
  int ShownConstructionNo() const;
  void TakeConstruction(int constructionNo);
  void ChooseShadingMask(Prompts& prompts);  // cmdSelShM
  bool Load(Prompts& prompts);               // mnuFLoad
  bool Save(Prompts& prompts);               // mnuFSave: true when both files were written
  bool Return(Prompts& prompts);             // mnuFReturn, mnuDirRet: true when the screen closes

  // Before the air-side or the central plant screen opens: the shown fields
  // are stored and the copies go back into the program-wide tables.
  void HandOver();
  // After the air-side screen: its data become the screen's copy.
  void TakeAirSideBack();
  // After the constructions were edited: the shown name follows the table.
  void ShowConstructionNames();

  int ZoneCount() const;
  int RoomCount() const;       // of the selected zone
  int ComponentCount() const;  // of the selected room
  int SelectedZone() const { return zone_; }  // 0 when none
  int SelectedRoom() const { return room_; }
  int SelectedComponent() const { return comp_; }
  // A count box showing a count not yet applied (its Enter button bold).
  bool ZoneCountPending() const;
  bool RoomCountPending() const;
  bool ComponentCountPending() const;
  const EnergyModel& Model() const { return *work_; }
  const AirSideData& AirSide() const { return *air_; }

  std::string ZoneCountBox;                     // txtNZn
  std::string ZoneNameBox, IdenticalZonesBox;   // txtZnNam, txtNIZn
  std::string RoomCountBox;                     // txtNRmIZ
  std::string RoomNameBox;                      // txtRmNam
  int RoomType = 0;                             // cboRmTyp
  std::array<std::string, kRoomBoxes> RoomBoxes;
  std::string ComponentCountBox;                // txtNFabComp
  std::string ComponentNameBox, ComponentAreaBox;  // txtCompL, txtCompA
  int ComponentType = 0;                           // cboCompTyp
  std::array<std::string, 2> ConstructionBoxes;    // txtCompC: number, name
  int Orientation = 0;                             // cboOrient
  std::string ShadingMaskBox;                      // txtShMask

 private:
  EnergyZone* Zone();
  EnergyRoom* Room();
  FabricComponent* Component();
  void StoreShown();
  void ShowZone(int zone);
  void ShowRoom(int room);
  void ShowComponent(int component);
  std::string ConstructionName(int constructionNo) const;
  bool WriteFiles(Prompts& prompts);

  Workspace& ws_;
  std::unique_ptr<EnergyModel> work_;
  std::unique_ptr<AirSideData> air_;
  int zone_ = 0, room_ = 0, comp_ = 0;
};

}  // namespace kelca
