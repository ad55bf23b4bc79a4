// The building files of the sample office tower: foundations, the three kinds
// of floor and the services, as groups of components of elements whose types
// come from the bundled libraries.

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "common/Numbers.h"
#include "database/UserValues.h"
#include "datagen/OfficeSample.h"

namespace kelca::datagen {
namespace {

struct Value {
  std::string Text, Remark;
};

struct UserMaterial {
  int MatNo;
  float Wastage, Life, Cost;
};

struct ElementSpec {
  std::string Name;
  int Type;
  std::vector<Value> Values;
  std::vector<UserMaterial> UserValues;  // empty: the library's defaults
};

struct ComponentSpec {
  std::string File, Name;
  int CompType;
  float Qty;
  std::vector<ElementSpec> Elements;
};

struct GroupSpec {
  int GrpType;
  std::string File, Name;
  float Qty;
  std::vector<ComponentSpec> Components;
};

std::string Num(double x) { return FormatSingle(static_cast<float>(x)); }

// Element files are named after their component: TYCON.FLC -> TYCON01.FLE, ...
std::string ElementFileName(const ComponentSpec& comp, size_t index, int grpType) {
  const std::string number = (index < 9 ? "0" : "") + std::to_string(index + 1);
  return comp.File.substr(0, comp.File.find('.')) + number + ElmFileExtension(grpType);
}

// The structure of a floor: slab, beams, columns, core walls and stairs.
ComponentSpec Frame(const std::string& file, const std::string& name, double slabThickness, double storeyHeight,
                    double columnSize, int flights) {
  return {file, name, 1, 1,
          {{"Floor slab", 1, {{"1500", "whole plate"}, {Num(slabThickness), ""}, {"115", ""}}, {}},
           {"Perimeter and internal beams", 2, {{"240", ""}, {"0.5", ""}, {"0.5", ""}, {"200", ""}}, {}},
           {"Columns", 3, {{"24", ""}, {Num(columnSize), ""}, {Num(columnSize), ""}, {Num(storeyHeight), ""}, {"250", ""}}, {}},
           {"Core walls", 5, {{"100", "two cores"}, {Num(storeyHeight), ""}, {"0.4", ""}, {"180", ""}}, {}},
           {"Staircases", 14, {{Num(flights), "two stairs"}, {"28", ""}}, {}}}};
}

ComponentSpec OfficeFitOut(const std::string& file, const std::string& name) {
  return {file, name, 2, 1,
          {{"Raised floor, cement-bonded panels", 6, {{"1150", "office areas"}, {"0.15", ""}},
            // User values: cement-bonded particle board cores instead of chipboard.
            {{46, 3, 30, 13000}, {28, 3, 25, 40}, {27, 3, 25, 35}}},
           {"Carpet tiles", 7, {{"1150", ""}}, {}},
           {"Suspended ceiling", 4, {{"1200", ""}, {"0.6", ""}}, {}},
           {"Drywall partitions", 1, {{"380", "cellular offices, core lining"}, {"1", ""}, {"0.05", ""}, {"2", ""}}, {}},
           {"Toilet floor tiles", 8, {{"120", ""}, {"0.05", ""}}, {}},
           {"Toilet wall tiles", 10, {{"200", ""}}, {}},
           {"Office doors", 11, {{"16", ""}, {"0.9", ""}, {"2.1", ""}}, {}},
           {"Fire doors to cores", 12, {{"8", ""}, {"1", ""}, {"2.1", ""}}, {}},
           {"Toilet cubicles", 13, {{"10", ""}}, {}},
           {"Wall painting", 14, {{"1100", ""}, {"2", ""}}, {}}}};
}

std::vector<GroupSpec> Foundations() {
  return {
      {kFoundation, "PILES.FDN", "Bored piles", 1,
       {{"PILEC.FDC", "Piles under columns", 0, 1,
         {{"Bored piles 1.5 m", 1, {{"40", "two per column cap"}, {"1.5", ""}, {"45", "to rock"}, {"110", ""}}, {}}}},
        {"PILEK.FDC", "Piles under the cores", 0, 1,
         {{"Bored piles 1.8 m", 1, {{"16", ""}, {"1.8", ""}, {"48", "to rock"}, {"130", ""}}, {}}}}}},
      {kFoundation, "CAPS.FDN", "Pile caps, raft and ground slab", 1,
       {{"CAPS.FDC", "Column pile caps", 0, 1,
         {{"Pile caps", 5, {{"20", ""}, {"4.5", ""}, {"4.5", ""}, {"2.2", ""}, {"130", ""}, {"0.075", ""}}, {}}}},
        {"RAFT.FDC", "Core raft", 0, 1,
         {{"Core raft", 6, {{"22", ""}, {"18", ""}, {"3", ""}, {"140", ""}, {"0.075", ""}, {"0.2", ""}}, {}}}},
        {"GSLAB.FDC", "Ground beams and slab", 0, 1,
         {{"Ground beams", 7, {{"160", ""}, {"0.6", ""}, {"1.2", ""}, {"160", ""}}, {}},
          {"Ground-bearing slab", 10, {{"1500", ""}, {"0.25", ""}, {"8", ""}, {"0.2", ""}}, {}},
          {"Lift pits", 11, {{"2", "one per lift bank"}, {"8", ""}, {"2.6", ""}, {"1.8", ""}, {"0.4", ""}, {"140", ""}}, {}}}}}},
  };
}

std::vector<GroupSpec> Floors() {
  const ElementSpec officeCurtainWall{
      "Unitised curtain wall", 8, {{"590", "155 m x 3.8 m"}, {"65", ""}, {"12", ""}, {"0.1", ""}}, {}};
  return {
      {kFloor, "GROUND.FLR", "Ground floor retail", 1,
       {{"GFENV.FLC", "Ground floor envelope", 0, 1,
         {{"Shopfront curtain wall", 8, {{"620", "155 m x 4 m"}, {"85", ""}, {"14", ""}, {"0.05", ""}}, {}},
          {"Granite band", 11, {{"155", ""}, {"0.05", ""}, {"0.2", ""}}, {}},
          {"Entrance canopies", 15, {{"120", ""}, {"45", ""}}, {}}}},
        Frame("GFFRM.FLC", "Ground floor frame", 0.25, 5, 1.0, 4),
        {"GFCON.FLC", "Ground floor fit-out", 2, 1,
         {{"Stone floor", 9, {{"1350", ""}, {"0.04", ""}}, {}},
          {"Plasterboard ceiling", 5, {{"1350", ""}, {"1", ""}}, {}},
          {"Glazed shop partitions", 3, {{"180", ""}, {"6", ""}}, {}},
          {"Back-of-house blockwork", 2, {{"250", ""}, {"0.15", ""}, {"0.013", ""}}, {}},
          {"Toilet wall tiles", 10, {{"150", ""}}, {}},
          {"Doors", 11, {{"10", ""}, {"0.9", ""}, {"2.1", ""}}, {}},
          {"Fire doors", 12, {{"8", ""}, {"1", ""}, {"2.1", ""}}, {}},
          {"Toilet cubicles", 13, {{"6", ""}}, {}},
          {"Wall painting", 14, {{"900", ""}, {"2", ""}}, {}}}}}},
      {kFloor, "TYPICAL.FLR", "Typical office floor", 18,
       {{"TYENV.FLC", "Office floor envelope", 0, 1, {officeCurtainWall}},
        Frame("TYFRM.FLC", "Office floor frame", 0.2, 3.8, 0.8, 4),
        OfficeFitOut("TYCON.FLC", "Office floor fit-out")}},
      {kFloor, "ROOF.FLR", "Top floor and roof", 1,
       {{"RFENV.FLC", "Top floor envelope and roof", 0, 1,
         {officeCurtainWall,
          {"Flat roof", 13, {{"1500", ""}, {"0.06", ""}, {"0.1", ""}, {"2", ""}}, {}},
          {"Plant screen cladding", 12, {{"400", ""}, {"0.003", ""}, {"0.075", ""}}, {}}}},
        Frame("RFFRM.FLC", "Top floor and roof frame", 0.25, 3.8, 0.8, 2),
        OfficeFitOut("RFCON.FLC", "Top floor fit-out")}},
  };
}

std::vector<GroupSpec> Services(const PlantSizing& p) {
  return {
      {kServices, "PLANT.SER", "Central air-conditioning plant", 1,
       {{"CHPLT.SRC", "Chiller plant", 0, 1,
         {{"Centrifugal chillers", 1, {{Num(p.LargeChillers), ""}, {Num(p.LargeCapacity), "rated cooling capacity"}, {"0.25", ""}}, {}},
          {"Screw chiller for low loads", 1, {{"1", ""}, {Num(p.SmallCapacity), ""}, {"0.3", ""}}, {}},
          {"Cooling towers", 2, {{Num(p.LargeChillers + 1), ""}, {Num(p.TowerCapacity), "largest chiller's heat"}}, {}},
          {"Primary chilled water pumps", 9, {{"4", ""}, {Num(p.PlpPower), ""}}, {}},
          {"Secondary chilled water pumps", 9, {{"3", "variable speed"}, {Num(p.SlpPower), ""}}, {}},
          {"Condenser water pumps", 9, {{"4", ""}, {Num(p.CwpPower), ""}}, {}},
          {"Fresh-air units", 5, {{"2", ""}, {Num(p.FreshAir / 2), ""}}, {}},
          {"Chilled water risers", 7, {{"400", ""}, {"0.273", ""}, {"0.0093", ""}, {"0.05", ""}}, {}},
          {"Condenser water pipework", 7, {{"300", ""}, {"0.3239", ""}, {"0.0095", ""}, {"0", "not insulated"}}, {}}}}}},
      {kServices, "FLSER.SER", "Floor services (each storey)", static_cast<float>(kOfficeStoreys),
       {{"FLHVAC.SRC", "Floor air conditioning", 0, 1,
         {{"Air-handling units", 3, {{"2", ""}, {Num(p.AhuFlow), ""}}, {}},
          {"Ductwork", 6, {{"1700", ""}, {"0.0008", ""}, {"0.025", ""}}, {}},
          {"Chilled water branches", 7, {{"180", ""}, {"0.1143", ""}, {"0.006", ""}, {"0.04", ""}}, {}}}},
        {"FLELEC.SRC", "Floor lighting and power", 1, 1,
         {{"LED lighting", 1, {{"1320", ""}, {"8", ""}, {"7", ""}}, {}},
          {"Small power", 4, {{"1320", ""}, {"1.5", ""}}, {}},
          {"Data cabling", 5, {{"1320", ""}, {"2.5", ""}}, {}},
          {"Cable containment", 13, {{"150", ""}, {"3.5", ""}}, {}},
          {"Emergency lighting", 14, {{"30", ""}}, {}}}},
        {"FLFIRE.SRC", "Floor fire services", 2, 1,
         {{"Sprinklers", 10, {{"1450", ""}, {"2.2", ""}, {"8", ""}}, {}},
          {"Fire detection and alarm", 17, {{"1450", ""}, {"0.6", ""}}, {}}}},
        {"FLPD.SRC", "Floor plumbing and drainage", 4, 1,
         {{"Sanitary fitments", 15, {{"12", ""}, {"10", ""}, {"6", ""}}, {}},
          {"Cold water pipework", 14, {{"150", ""}, {"0.9", ""}}, {}},
          {"Soil and waste pipework", 13, {{"120", ""}, {"2.4", ""}}, {}}}}}},
      {kServices, "ELEC.SER", "Electrical supply, lifts and escalators", 1,
       {{"ELSUP.SRC", "HV and LV supply", 1, 1,
         {{"Transformers", 8, {{"3", ""}, {"2000", ""}}, {}},
          {"Main and sub switchboards", 7, {{"24", ""}}, {}},
          {"Busbar risers", 6, {{"160", "two risers"}, {"1600", ""}}, {}},
          {"Standby generator", 11, {{"1", ""}, {"1500", ""}}, {}},
          {"Sub-main cabling", 3, {{"2500", ""}, {"5", ""}}, {}},
          {"Lightning protection", 12, {{"600", ""}}, {}},
          {"Main cable containment", 13, {{"400", ""}, {"6", ""}}, {}}}},
        {"LIFTS.SRC", "Lifts and escalators", 3, 1,
         {{"Passenger lifts", 9, {{"12", "two banks of six"}, {"20", ""}}, {}},
          {"Service lift", 9, {{"1", ""}, {"21", ""}}, {}},
          {"Escalators", 10, {{"2", "ground to first floor"}, {"5", ""}}, {}}}}}},
      {kServices, "FIRE.SER", "Fire services plant", 1,
       {{"FIMAIN.SRC", "Fire mains, pumps and tanks", 2, 1,
         {{"Hydrant and hose reel system", 11, {{"40", ""}, {"90", ""}}, {}},
          {"Sprinkler and fire water tanks", 12, {{"150", ""}}, {}},
          {"Fire pumps", 9, {{"4", ""}, {"55", ""}}, {}}}}}},
      {kServices, "PD.SER", "Plumbing and drainage plant", 1,
       {{"PDPLT.SRC", "Water and drainage plant", 4, 1,
         {{"Potable water tanks", 12, {{"60", ""}}, {}},
          {"Flushing water tanks", 12, {{"40", ""}}, {}},
          {"Water pumps", 9, {{"4", ""}, {"11", ""}}, {}},
          {"Drainage stacks", 16, {{"360", "four stacks"}, {"13", ""}}, {}},
          {"Cold water risers", 14, {{"400", ""}, {"2.5", ""}}, {}}}}}},
  };
}

Status WriteElement(const std::string& folder, int grpType, const std::string& file, const ElementSpec& plan) {
  ElementRecord e;
  e.ElmFile = file;
  e.ElmName = plan.Name;
  e.ElmType = plan.Type;
  for (size_t k = 0; k < plan.Values.size(); ++k) {
    e.ElmValue[k] = plan.Values[k].Text;
    e.ElmRemark[k] = plan.Values[k].Remark;
  }
  if (Status s = WriteElmFile(folder, ElmFileTypeCode(grpType), e); !s) return s;
  if (plan.UserValues.empty()) return Status::Ok();
  UserValues u;
  u.Count = static_cast<int>(plan.UserValues.size());
  for (int i = 0; i < u.Count; ++i) {
    const UserMaterial& m = plan.UserValues[i];
    u.MatNo[i] = m.MatNo;
    u.Wastage[i] = m.Wastage;
    u.Life[i] = m.Life;
    u.Cost[i] = m.Cost;
  }
  return WriteUserValues(UserValuesPathOf(folder + file), u, true);
}

Status WriteGroup(const std::string& folder, const GroupSpec& plan) {
  GroupRecord g;
  g.GrpFile = plan.File;
  g.GrpName = plan.Name;
  g.GrpQty = plan.Qty;
  g.GrpCompCount = static_cast<int>(plan.Components.size());
  for (size_t c = 0; c < plan.Components.size(); ++c) {
    const ComponentSpec& cs = plan.Components[c];
    g.GrpCompFile[c] = cs.File;
    g.GrpCompName[c] = cs.Name;
    g.GrpCompType[c] = cs.CompType;
    g.GrpCompQty[c] = cs.Qty;
    ComponentRecord comp;
    comp.CompFile = cs.File;
    comp.CompName = cs.Name;
    comp.CompType = cs.CompType;
    comp.CompQty = cs.Qty;
    comp.CompElmCount = static_cast<int>(cs.Elements.size());
    for (size_t e = 0; e < cs.Elements.size(); ++e) {
      comp.CompElmFile[e] = ElementFileName(cs, e, plan.GrpType);
      comp.CompElmName[e] = cs.Elements[e].Name;
      comp.CompElmType[e] = cs.Elements[e].Type;
      if (Status s = WriteElement(folder, plan.GrpType, comp.CompElmFile[e], cs.Elements[e]); !s) return s;
    }
    if (Status s = WriteCompFile(folder, CompFileTypeCode(plan.GrpType), comp); !s) return s;
  }
  return WriteGroupFile(folder, plan.GrpType, g);
}

// Adds the group to its list in the project.
template <size_t N>
void Append(const GroupSpec& g, int& count, std::array<std::string, N>& files, std::array<std::string, N>& names,
            std::array<float, N>& qtys) {
  files[count] = g.File;
  names[count] = g.Name;
  qtys[count] = g.Qty;
  ++count;
}

void ListGroup(const GroupSpec& g, ProjectState& p) {
  if (g.GrpType == kFoundation) Append(g, p.FdnCount, p.FdnFile, p.FdnName, p.FdnQty);
  if (g.GrpType == kFloor) Append(g, p.FlrCount, p.FlrFile, p.FlrName, p.FlrQty);
  if (g.GrpType == kServices) Append(g, p.SerCount, p.SerFile, p.SerName, p.SerQty);
}

}  // namespace

Status WriteOfficeBuilding(const std::string& folder, const PlantSizing& sizing) {
  ProjectState project;
  project.ProjFileName = kOfficeProjectFile;
  project.ProjName = kOfficeProjectName;
  project.CFA = kOfficeFloorArea * kOfficeStoreys;
  for (const auto& groups : {Foundations(), Floors(), Services(sizing)}) {
    for (const GroupSpec& g : groups) {
      if (Status s = WriteGroup(folder, g); !s) return s;
      ListGroup(g, project);
    }
  }
  return WriteProjectFile(folder + kOfficeProjectFile, project);
}

}  // namespace kelca::datagen
