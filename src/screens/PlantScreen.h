#pragma once
// What the central plant screen (frmCPlt) does: the plant type and pumping
// type, the equipment lists of the central plant, the additional HVAC systems,
// the fresh-air units and the non-AC services, each edited unit by unit in a
// grid of Item / Unit / Value rows; the ".WSS" and ".NAC" files. The screen
// works on copies of both tables; the form stores typed texts into the boxes
// before each command and shows the boxes, rows and labels afterwards.
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca {

struct Workspace;

// The items of the Edit menu, by their codes.
enum PlantItem : int {
  kNoPlantItem = 0,
  kItemPlantType = 1,
  kItemChillers = 2,
  kItemPrimaryPumps = 3,
  kItemSecondaryPumps = 4,
  kItemCondenserPumps = 5,
  kItemSeawaterPumps = 6,
  kItemCoolingTowers = 7,
  kItemAdditionalHvac = 8,
  kItemFreshAirUnits = 9,
  kItemAdditionalLighting = 11,
  kItemFireServices = 12,
  kItemLiftsEscalators = 13,
  kItemPlumbingDrainage = 14,
  kItemTownGas = 15,
};

// One line of the grid msgPlt.
struct PlantRow {
  std::string Item, Unit, Value;
  bool IsChoice = false;  // a type, chosen in cboEqTyp
};

class PlantScreenModel {
 public:
  explicit PlantScreenModel(Workspace& ws);

  // Opening: the project's file names, and its files loaded (with their
  // dialogs) when the ".WSS" file exists.
  void Open(Prompts& prompts);

  static std::vector<std::string> PlantTypeEntries();    // cboACHRS
  static std::vector<std::string> PumpingTypeEntries();  // cboChWPS
  bool ItemEnabled(int item) const;  // the Edit menu entries

  void ShowItem(int item);                        // an Edit menu entry
  void ChoosePlantType(int type);                 // cboACHRS
  void ChoosePumpingType(int type);               // cboChWPS
  void EnterCount(Prompts& prompts);              // cmdNoEq
  void SelectUnit(int unit);                      // cboEqNo (1-based)
  void ChooseUnitType(int type);                  // cboEqTyp
  void EnterCell(int row, const std::string& text);  // msgPlt with cmdEntCell
  void AddUnit(Prompts& prompts);                 // cmdAddEq
  void DeleteUnit();                              // cmdDelEq
  void SameAsPrevious();                          // cmdSame
  void Confirm(Prompts& prompts);                 // cmdOK
  bool Load(Prompts& prompts);                    // mnuFLoad
  bool Save(Prompts& prompts);                    // mnuFSave: true when both files were written
  bool Exit(Prompts& prompts);                    // mnuFExit, mnuDirExit: true when the screen closes

  int Item() const { return item_; }
  int Unit() const { return unit_; }  // 0 when the item has no unit shown
  int UnitCount() const;
  bool HasUnits() const { return item_ > kItemPlantType; }
  bool HasName() const;
  std::vector<std::string> UnitTypeEntries() const;  // cboEqTyp; empty when the item has no type
  int UnitType() const;                              // index in UnitTypeEntries
  std::vector<PlantRow> Rows() const;
  std::string Heading() const;      // the item's heading, or the hint what to do
  std::string CountLabel() const;   // lblNoEq
  std::string UnitLabel() const;    // lblEqNo
  std::string GridCaption() const;
  bool Changed() const { return changed_; }
  int PlantType() const { return pendingPlantType_; }    // cboACHRS
  int PumpingType() const { return pendingPumpingType_; }  // cboChWPS
  const PlantInput& Plant() const { return plant_; }
  const NonACServices& NonAC() const { return nonAC_; }

  std::string CountBox;  // txtNoEq
  std::string NameBox;   // txtSysNam

 private:
  struct Field;
  std::vector<Field> Fields(int unit);
  std::vector<Field> PlantTypeFields();
  void LoadUnit(int unit);
  void StoreUnit();
  template <class F>
  bool WithList(F edit);

  Workspace& ws_;
  PlantInput plant_;
  NonACServices nonAC_;
  int item_ = kNoPlantItem, unit_ = 0;
  int pendingPlantType_ = 0, pendingPumpingType_ = 0;
  std::vector<std::string> cells_;  // the texts of every field of the unit shown, hidden rows too
  std::string heading_;
  bool typeKnown_ = false;
  bool changed_ = false;
};

}  // namespace kelca
