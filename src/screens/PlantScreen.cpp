#include "screens/PlantScreen.h"

#include <algorithm>
#include <array>

#include "app/Workspace.h"
#include "common/FiniteRead.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/ValueBoxes.h"
#include "screens/FileChoice.h"

namespace kelca {

// A field of the unit shown: a single or a whole number (a type when it has choices).
struct PlantScreenModel::Field {
  std::string Label, Unit;
  float* Single = nullptr;
  int* Whole = nullptr;
  const std::vector<std::string>* Choices = nullptr;
  bool Shown = true;
};

namespace {

constexpr const char* kSelectItem = "Select item to Edit";
constexpr const char* kWssFilter = "Central Plant Input Data File (*.WSS)|*.WSS";
constexpr const char* kNacFilter = "Non-AC Services Input Data File (*.NAC)|*.NAC";

struct ItemText {
  int Item;
  const char *Heading, *CountLabel, *UnitLabel, *Grid, *CountMessage, *FullMessage;
};

constexpr const char* kPumps = "No. of Pumps (Max. 10)";
constexpr const char* kPumpNo = "Pump No. (Select -->)";
constexpr const char* kPump = "Characteristics of Selected Pump";
constexpr const char* kSystems = "No. of Systems (Max. 10)";
constexpr const char* kSystemNo = "System No. (Select -->)";
constexpr const char* kSystemsMessage = "No. of Systems must be within 1 to";
constexpr const char* kSystemsFull = "No. of systems defined already the maximum allowable!!";

constexpr std::array<ItemText, 14> kItemTexts = {{
    {kItemPlantType, "Type of Central AC Plant", "", "", "Characteristics of Plant", "", ""},
    {kItemChillers, "Chillers", "No. of Chillers (Max. 10)", "Chiller No. (Select -->)",
     "Characteristics of Selected Chiller", "No. of Chillers must be within 1 to",
     "No. of chillers defined already the maximum allowable!!"},
    {kItemPrimaryPumps, "Primary Loop Pumps", kPumps, kPumpNo, kPump, "No. of PL Pumps must be within 1 to",
     "No. of PL Pumps defined already the maximum allowable!!"},
    {kItemSecondaryPumps, "Secondary Loop Pumps", kPumps, kPumpNo, kPump, "No. of SL Pumps must be within 1 to",
     "No. of SL Pumps defined already the maximum allowable!!"},
    {kItemCondenserPumps, "Condenser Water Pumps", kPumps, kPumpNo, kPump, "No. of CW Pumps must be within 1 to",
     "No. of CW Pumps defined already the maximum allowable!!"},
    {kItemSeawaterPumps, "Seawater Pumps", kPumps, kPumpNo, kPump, "No. of SW Pumps must be within 1 to",
     "No. of SW Pumps defined already the maximum allowable!!"},
    {kItemCoolingTowers, "Cooling Towers", "No. of Cooling Towers (Max. 10)", "Cooling Tower No. (Select -->)",
     "Characteristics of Selected Cooling Tower", "No. of Cooling Towers must be within 1 to",
     "No. of cooling towers defined already the maximum allowable!!"},
    {kItemAdditionalHvac, "Additional HVAC Systems", kSystems, kSystemNo, "Characteristics of System",
     kSystemsMessage, kSystemsFull},
    {kItemFreshAirUnits, "Fresh Air Handling Units", "No. of Units (Max. 10)", "Unit No. (Select -->)",
     "Characteristics of Selected Unit", kSystemsMessage, "No. of FAUs defined already the maximum allowable!!"},
    {kItemAdditionalLighting, "Additional Lighting Systems", kSystems, kSystemNo, "Characteristics of System",
     kSystemsMessage, kSystemsFull},
    {kItemFireServices, "Fire Services Systems", kSystems, kSystemNo, "Characteristics of System", kSystemsMessage,
     kSystemsFull},
    {kItemLiftsEscalators, "Lift and Escalator Systems", kSystems, kSystemNo, "Characteristics of System",
     kSystemsMessage, kSystemsFull},
    {kItemPlumbingDrainage, "Plumbing and Drainage Systems", kSystems, kSystemNo, "Characteristics of System",
     kSystemsMessage, kSystemsFull},
    {kItemTownGas, "Systems using Town Gas", kSystems, kSystemNo, "Characteristics of Selected System",
     kSystemsMessage, kSystemsFull},
}};

const ItemText* TextOf(int item) {
  for (const ItemText& text : kItemTexts) {
    if (text.Item == item) return &text;
  }
  return nullptr;
}

const std::vector<std::string> kChillerTypes = {"Centri.", "Recip.", "Screw"};
const std::vector<std::string> kPumpTypes = {"CS, CF", "CS, VF", "VS, VF"};
const std::vector<std::string> kSubSystems = {"HVAC", "Elec", "Fire", "Lift", "P&D"};

bool IsElectricGroup(int item) { return item >= kItemAdditionalLighting && item <= kItemPlumbingDrainage; }

FileDialogRequest Dialog(const char* title, const char* filter, const std::string& file) {
  return {title, filter, FolderOf(file), FileNameOf(file), false};
}

std::string* NameOf(PlantInput& plant, NonACServices& nonAC, int item, int unit) {
  if (unit < 1 || unit > kMaxPlantUnits) return nullptr;
  if (item == kItemAdditionalHvac) return &plant.AdditionalHvac.System[unit].Name;
  if (IsElectricGroup(item)) return &nonAC.Electric[item - kItemAdditionalLighting].System[unit].Name;
  if (item == kItemTownGas) return &nonAC.TownGas.System[unit].Name;
  return nullptr;
}

}  // namespace

PlantScreenModel::PlantScreenModel(Workspace& ws)
    : ws_(ws),
      plant_(ws.Plant),
      nonAC_(ws.NonAC),
      pendingPlantType_(ws.Plant.PlantType),
      pendingPumpingType_(ws.Plant.PumpingType),
      heading_("Load previous input File or Select item to Edit"),
      typeKnown_(ws.Plant.ChillerCount > 0 || ws.Plant.StopHour > 0) {}

void PlantScreenModel::Open(Prompts& prompts) {
  if (ProjectIsOpen(ws_.Project)) {
    ws_.PlantFiles = DerivePlantFileNames(ResolvePath(ws_.Project.ProjDir, ws_.Project.ProjFileName));
  }
  if (!ws_.PlantFiles.WssFile.empty() && FileExists(FindExistingFile(ws_.PlantFiles.WssFile))) Load(prompts);
}

std::vector<std::string> PlantScreenModel::PlantTypeEntries() {
  return {"Air-cooled", "Water-cooled w/Cooling Towers", "Indirect Seawater-cooled", "Direct Seawater-cooled",
          "Indirect seawater-cooled w/Cooling Towers"};
}

std::vector<std::string> PlantScreenModel::PumpingTypeEntries() {
  return {"Singe-loop", "Two-loop w/Constant Speed SLPs", "Two-loop w/Variable Speed SLPs"};
}

bool PlantScreenModel::ItemEnabled(int item) const {
  const int type = plant_.PlantType;
  switch (item) {
    case kItemPlantType:
    case kItemAdditionalLighting:
    case kItemFireServices:
    case kItemLiftsEscalators:
    case kItemPlumbingDrainage:
    case kItemTownGas:
      return true;
    case kItemChillers:
    case kItemPrimaryPumps:
    case kItemAdditionalHvac:
    case kItemFreshAirUnits:
      return typeKnown_;
    case kItemSecondaryPumps:
      return typeKnown_ && plant_.PumpingType != kSingleLoop;
    case kItemCondenserPumps:
      return typeKnown_ && HasCondenserWaterPumps(type);
    case kItemSeawaterPumps:
      return typeKnown_ && HasSeawaterPumps(type);
    case kItemCoolingTowers:
      return typeKnown_ && HasCoolingTowers(type);
    default:
      return false;
  }
}

// The units of the item shown: edit(count, units) on its list.
template <class F>
bool PlantScreenModel::WithList(F edit) {
  switch (item_) {
    case kItemChillers:
      return edit(plant_.ChillerCount, plant_.Chiller);
    case kItemPrimaryPumps:
      return edit(plant_.PlpCount, plant_.Plp);
    case kItemSecondaryPumps:
      return edit(plant_.SlpCount, plant_.Slp);
    case kItemCondenserPumps:
      return edit(plant_.CwpCount, plant_.Cwp);
    case kItemSeawaterPumps:
      return edit(plant_.SwpCount, plant_.Swp);
    case kItemCoolingTowers:
      return edit(plant_.TowerCount, plant_.Tower);
    case kItemAdditionalHvac:
      return edit(plant_.AdditionalHvac.Count, plant_.AdditionalHvac.System);
    case kItemFreshAirUnits:
      return edit(plant_.FauCount, plant_.Fau);
    case kItemTownGas:
      return edit(nonAC_.TownGas.Count, nonAC_.TownGas.System);
    default:
      if (!IsElectricGroup(item_)) return false;
      ElectricSystemGroup& group = nonAC_.Electric[item_ - kItemAdditionalLighting];
      return edit(group.Count, group.System);
  }
}

int PlantScreenModel::UnitCount() const {
  int units = 0;
  const_cast<PlantScreenModel*>(this)->WithList([&](int& count, auto&) { return (units = count), true; });
  return units;
}

bool PlantScreenModel::HasName() const {
  return item_ == kItemAdditionalHvac || IsElectricGroup(item_) || item_ == kItemTownGas;
}

std::vector<PlantScreenModel::Field> PlantScreenModel::PlantTypeFields() {
  const int type = pendingPlantType_;
  const char* entering = type == kAirCooled       ? "Design air temp. entering condenser"
                         : type == kDirectSeawater ? "Design SW temp. entering condenser"
                                                   : "Design water temp. entering condenser";
  const char* leaving =
      type == kDirectSeawater ? "Design SW temp. leaving condenser" : "Design water temp. leaving condenser";
  const bool exchanger = HasSeawaterHeatExchanger(type);
  return {{"Plant Start Hour (0-23)", "", nullptr, &plant_.StartHour},
          {"Plant Stop Hour (1-24)", "", nullptr, &plant_.StopHour},
          {entering, "Deg.C", &plant_.DesignTemp1},
          {leaving, "Deg.C", &plant_.DesignTemp2, nullptr, nullptr, type != kAirCooled},
          {"Design SW temp. entering HX", "Deg.C", &plant_.DesignTemp3, nullptr, nullptr, exchanger},
          {"Design SW temp. leaving HX", "Deg.C", &plant_.DesignTemp4, nullptr, nullptr, exchanger}};
}

std::vector<PlantScreenModel::Field> PlantScreenModel::Fields(int unit) {
  if (item_ == kItemPlantType) return PlantTypeFields();
  if (unit < 1 || unit > kMaxPlantUnits) return {};
  const auto choice = [](const char* label, int& code, const std::vector<std::string>& choices) {
    return Field{label, "", nullptr, &code, &choices};
  };
  const auto constantPump = [](ConstantPumpUnit& p, const char* flow) {
    return std::vector<Field>{
        {flow, "kg/s", &p.Flow}, {"Pumping Pressure", "kPa", &p.Pressure}, {"Rated Power demand", "kW", &p.Power}};
  };
  const auto variablePump = [&](VariablePumpUnit& p, const char* flow) {
    return std::vector<Field>{choice("Type of Pump", p.Type, kPumpTypes),
                              {flow, "kg/s", &p.RatedFlow},
                              {"Rated Pumping Pressure", "kPa", &p.RatedPressure},
                              {"Rated Pumping Power", "kW", &p.RatedPower}};
  };
  const auto electric = [](ElectricSystem& s) {
    return std::vector<Field>{{"Installed Power Demand", "kW", &s.PowerDemand},
                              {"Annual Operating Hours", "hrs", &s.AnnualHours},
                              {"Load Factor", "Decimal", &s.LoadFactor}};
  };
  switch (item_) {
    case kItemChillers: {
      ChillerUnit& c = plant_.Chiller[unit];
      return {choice("Type of Chiller", c.Type, kChillerTypes),
              {"Rated Cooling Cap.", "kW", &c.RatedCapacity},
              {"Rated Power demand", "kW", &c.RatedPower},
              {"Chilled water flow rate", "kg/s", &c.ChwFlow},
              {"Condenser water flow rate", "kg/s", &c.CwFlow, nullptr, nullptr, plant_.PlantType != kAirCooled}};
    }
    case kItemPrimaryPumps:
      return constantPump(plant_.Plp[unit], "Chilled water flow rate");
    case kItemSecondaryPumps:
      return variablePump(plant_.Slp[unit], "Rated Chilled Flow Rate");
    case kItemCondenserPumps:
      return constantPump(plant_.Cwp[unit], "Condenser water flow rate");
    case kItemSeawaterPumps:
      return variablePump(plant_.Swp[unit], "Rated Seawater Flow Rate");
    case kItemCoolingTowers: {
      CoolingTowerUnit& t = plant_.Tower[unit];
      return {{"Cooling Capacity", "kW", &t.Capacity},
              {"Water Flow Rate", "kg/s", &t.WaterFlow},
              {"Rated Fan Power", "kW", &t.FanPower}};
    }
    case kItemAdditionalHvac:
      return electric(plant_.AdditionalHvac.System[unit]);
    case kItemFreshAirUnits: {
      FreshAirUnit& f = plant_.Fau[unit];
      return {{"Design Sensible Cooling Capacity", "kW", &f.SensibleCapacity},
              {"Design Total Cooling Capacity", "kW", &f.TotalCapacity},
              {"Design FA Supply Flow Rate", "cu.m/s", &f.FreshAirFlow},
              {"Design Fan Pressure", "Pa", &f.FanPressure},
              {"Design Fan Power", "kW", &f.FanPower},
              {"Design Chilled Water Flow Rate", "kg/s", &f.ChwFlow}};
    }
    case kItemTownGas: {
      GasSystem& g = nonAC_.TownGas.System[unit];
      return {choice("Sub-System of", g.SubSystemOf, kSubSystems),
              {"Rated Cap.", "kW", &g.RatedCapacity},
              {"Efficiency", "Decimal", &g.Efficiency},
              {"Annual Operating Hours", "hrs", &g.AnnualHours},
              {"Load Factor", "Decimal", &g.LoadFactor}};
    }
    default:
      if (!IsElectricGroup(item_)) return {};
      return electric(nonAC_.Electric[item_ - kItemAdditionalLighting].System[unit]);
  }
}

// Values are shown in their shortest exact form, so that a value read back unchanged stays the same.
void PlantScreenModel::LoadUnit(int unit) {
  unit_ = HasUnits() ? std::clamp(unit, 0, UnitCount()) : 0;
  cells_.clear();
  for (const Field& f : Fields(unit_)) cells_.push_back(f.Single ? FormatSingle(*f.Single) : std::to_string(*f.Whole));
  const std::string* name = NameOf(plant_, nonAC_, item_, unit_);
  NameBox = name ? *name : "";
}

void PlantScreenModel::StoreUnit() {
  if (item_ == kItemPlantType) {
    plant_.PlantType = pendingPlantType_;
    plant_.PumpingType = pendingPumpingType_;
    typeKnown_ = true;
  }
  const std::vector<Field> fields = Fields(unit_);
  for (size_t i = 0; i < fields.size() && i < cells_.size(); ++i) {
    const Field& f = fields[i];
    if (f.Single) {
      *f.Single = SingleOf(Val(cells_[i]));
    } else if (f.Choices) {
      *f.Whole = std::clamp(WholeOf(cells_[i]), 0, static_cast<int>(f.Choices->size()) - 1);
    } else {
      *f.Whole = WholeOf(cells_[i]);
    }
  }
  if (std::string* name = NameOf(plant_, nonAC_, item_, unit_); name && *name != NameBox) {
    *name = NameBox;
    changed_ = true;
  }
}

void PlantScreenModel::ShowItem(int item) {
  if (!ItemEnabled(item)) return;
  StoreUnit();
  item_ = item;
  pendingPlantType_ = plant_.PlantType;
  pendingPumpingType_ = plant_.PumpingType;
  CountBox = HasUnits() ? std::to_string(UnitCount()) : "";
  LoadUnit(1);
}

void PlantScreenModel::ChoosePlantType(int type) {
  if (item_ != kItemPlantType) return;
  pendingPlantType_ = std::clamp(type, 0, kMaxPlantType);
  changed_ = true;
}

void PlantScreenModel::ChoosePumpingType(int type) {
  if (item_ != kItemPlantType) return;
  pendingPumpingType_ = std::clamp(type, 0, kMaxPumpingType);
  changed_ = true;
}

void PlantScreenModel::EnterCount(Prompts& prompts) {
  if (!HasUnits()) return;
  StoreUnit();
  const int wanted = WholeOf(CountBox);
  const bool set = WithList([&](int& count, auto& units) {
    return list::SetCountFrom1(count, wanted, 1, kMaxPlantUnits, units);
  });
  if (!set) {
    prompts.Message(std::string(TextOf(item_)->CountMessage) + " " + std::to_string(kMaxPlantUnits));
  } else {
    changed_ = true;
  }
  CountBox = std::to_string(UnitCount());
  LoadUnit(set ? 1 : unit_);
}

void PlantScreenModel::SelectUnit(int unit) {
  StoreUnit();
  LoadUnit(unit);
}

std::vector<std::string> PlantScreenModel::UnitTypeEntries() const {
  if (item_ == kItemChillers) return kChillerTypes;
  if (item_ == kItemSecondaryPumps || item_ == kItemSeawaterPumps) return kPumpTypes;
  if (item_ == kItemTownGas) return kSubSystems;
  return {};
}

// The type is the first field of every item that has one.
int PlantScreenModel::UnitType() const {
  return UnitTypeEntries().empty() || cells_.empty() || unit_ < 1 ? -1 : WholeOf(cells_[0]);
}

void PlantScreenModel::ChooseUnitType(int type) {
  const int choices = static_cast<int>(UnitTypeEntries().size());
  if (choices == 0 || cells_.empty() || unit_ < 1) return;
  cells_[0] = std::to_string(std::clamp(type, 0, choices - 1));
  changed_ = true;
}

std::vector<PlantRow> PlantScreenModel::Rows() const {
  std::vector<PlantRow> rows;
  const std::vector<Field> fields = const_cast<PlantScreenModel*>(this)->Fields(unit_);
  for (size_t i = 0; i < fields.size() && i < cells_.size(); ++i) {
    const Field& f = fields[i];
    if (!f.Shown) continue;
    const std::string value =
        f.Choices ? (*f.Choices)[std::clamp(WholeOf(cells_[i]), 0, static_cast<int>(f.Choices->size()) - 1)]
                  : cells_[i];
    rows.push_back({f.Label, f.Unit, value, f.Choices != nullptr});
  }
  return rows;
}

void PlantScreenModel::EnterCell(int row, const std::string& text) {
  const std::vector<Field> fields = Fields(unit_);
  int shown = -1;
  for (size_t i = 0; i < fields.size() && i < cells_.size(); ++i) {
    if (!fields[i].Shown || ++shown != row) continue;
    if (fields[i].Choices) return;  // a type is chosen in its list
    cells_[i] = text;
    changed_ = true;
    return;
  }
}

void PlantScreenModel::AddUnit(Prompts& prompts) {
  if (!HasUnits()) return;
  StoreUnit();
  int at = -1;
  WithList([&](int& count, auto& units) { return (at = list::InsertAfterFrom1(count, kMaxPlantUnits, unit_, units)) > 0; });
  if (at < 0) {
    prompts.Message(TextOf(item_)->FullMessage);
    return;
  }
  changed_ = true;
  CountBox = std::to_string(UnitCount());
  LoadUnit(at);
}

void PlantScreenModel::DeleteUnit() {
  if (!HasUnits() || unit_ < 1) return;
  StoreUnit();
  WithList([&](int& count, auto& units) { return list::DeleteAtFrom1(count, unit_, units); });
  changed_ = true;
  CountBox = std::to_string(UnitCount());
  LoadUnit(std::max(1, std::min(unit_, UnitCount())));
}

// The rows shown take the previous unit's values; hidden rows keep their own.
void PlantScreenModel::SameAsPrevious() {
  if (!HasUnits() || unit_ < 2) return;
  const std::vector<Field> previous = Fields(unit_ - 1);
  for (size_t i = 0; i < previous.size() && i < cells_.size(); ++i) {
    const Field& f = previous[i];
    if (f.Shown) cells_[i] = f.Single ? FormatSingle(*f.Single) : std::to_string(*f.Whole);
  }
  changed_ = true;
}

std::string PlantScreenModel::Heading() const {
  const ItemText* text = TextOf(item_);
  return text ? text->Heading : heading_;
}
std::string PlantScreenModel::CountLabel() const {
  const ItemText* text = TextOf(item_);
  return text ? text->CountLabel : "";
}
std::string PlantScreenModel::UnitLabel() const {
  const ItemText* text = TextOf(item_);
  return text ? text->UnitLabel : "";
}
std::string PlantScreenModel::GridCaption() const {
  const ItemText* text = TextOf(item_);
  return text ? text->Grid : "";
}

void PlantScreenModel::Confirm(Prompts& prompts) {
  if (item_ == kNoPlantItem) return;
  if (HasUnits() && CountBox != std::to_string(UnitCount())) {
    const int wanted = WholeOf(CountBox);
    EnterCount(prompts);
    if (UnitCount() != wanted) return;  // refused: its message was shown
  }
  StoreUnit();
  item_ = kNoPlantItem;
  unit_ = 0;
  cells_.clear();
  NameBox.clear();
  CountBox.clear();
  heading_ = kSelectItem;
}

bool PlantScreenModel::Load(Prompts& prompts) {
  PlantFileNames& files = ws_.PlantFiles;
  const std::string wss = ChooseFileToOpen(prompts, Dialog("Read Central Plant Input Data", kWssFilter, files.WssFile),
                                           ws_.CurrentFolder);
  if (wss.empty()) return false;
  if (Status read = ReadPlantFile(wss, ws_.Plant); !read) {
    prompts.Message(read.message);
    return false;
  }
  files.WssFile = wss;
  plant_ = ws_.Plant;
  item_ = kNoPlantItem;
  unit_ = 0;
  cells_.clear();
  typeKnown_ = true;
  changed_ = false;
  heading_ = kSelectItem;
  const std::string nac = ChooseFileToOpen(
      prompts, Dialog("Read Input Data For Non-AC Services", kNacFilter, files.NacFile), ws_.CurrentFolder);
  if (nac.empty()) return false;
  if (Status read = ReadNonACFile(nac, ws_.NonAC); !read) {
    prompts.Message(read.message);
    return false;
  }
  files.NacFile = nac;
  nonAC_ = ws_.NonAC;
  return true;
}

bool PlantScreenModel::Save(Prompts& prompts) {
  StoreUnit();
  ws_.Plant = plant_;
  ws_.NonAC = nonAC_;
  PlantFileNames& files = ws_.PlantFiles;
  const std::string wss = ChooseFileToSave(prompts, Dialog("Save Central Plant Input Data", kWssFilter, files.WssFile),
                                           ws_.CurrentFolder);
  if (wss.empty()) return false;
  if (Status written = WritePlantFile(wss, ws_.Project.ProjName, plant_); !written) {
    prompts.Message(written.message);
    return false;
  }
  files.WssFile = wss;
  const std::string nac = ChooseFileToSave(
      prompts, Dialog("Save Input Data For Non-AC Services", kNacFilter, files.NacFile), ws_.CurrentFolder);
  if (nac.empty()) return false;
  if (Status written = WriteNonACFile(nac, ws_.Project.ProjName, nonAC_); !written) {
    prompts.Message(written.message);
    return false;
  }
  files.NacFile = nac;
  changed_ = false;
  return true;
}

bool PlantScreenModel::Exit(Prompts& prompts) {
  StoreUnit();
  if (!changed_) return true;
  switch (prompts.AskYesNoCancel("Save data before closing this form?")) {
    case Answer::Yes:
      return Save(prompts);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace kelca
