// The energy model of the sample office tower: three unique zones (retail
// ground floor, typical office floor x 18, top floor under the roof), each of
// four perimeter rooms and an interior room; their constructions, the window
// shading masks and the design loads of the air side.
#include <cmath>
#include <map>

#include "datagen/OfficeSample.h"
#include "energy/ConstructionTable.h"
#include "energy/ShadingMask.h"

namespace kelca::datagen {
namespace {

// Construction numbers of the table below.
enum : int {
  kCurtainWallGlass = 1, kSpandrel, kStoneWall, kOfficeFloor, kDrywall, kRoofSlab, kShopfrontGlass, kRetailFloor,
};

struct LayerSpec {
  int MaterialNo;  // 0: air gap
  float Thickness;
};

struct ConstructionSpec {
  const char* Name;
  int WindowFlag;
  float Outer, Inner;  // absorptivities; for a window the outer one and the shading coefficient
  std::vector<LayerSpec> Layers;  // outside first
};

const std::vector<ConstructionSpec>& Constructions() {
  static const std::vector<ConstructionSpec> list = {
      {"Curtain wall, low-e double glazing", 1, 0.1f, 0.45f, {{36, 0.006f}, {0, 0.012f}, {36, 0.006f}}},
      {"Curtain wall spandrel, insulated", 0, 0.55f, 0.5f,
       {{31, 0.003f}, {0, 0.05f}, {59, 0.1f}, {28, 0.001f}, {47, 0.0125f}}},
      {"Granite-clad concrete wall", 0, 0.6f, 0.5f, {{57, 0.03f}, {59, 0.05f}, {4, 0.2f}, {14, 0.013f}}},
      {"Office floor, raised floor and ceiling", 0, 0.5f, 0.5f,
       {{78, 0.008f}, {43, 0.038f}, {0, 0.15f}, {4, 0.2f}, {0, 0.6f}, {51, 0.015f}}},
      {"Drywall partition", 0, 0.5f, 0.5f, {{47, 0.0125f}, {61, 0.05f}, {47, 0.0125f}}},
      {"Inverted roof on concrete slab", 0, 0.7f, 0.5f,
       {{16, 0.05f}, {63, 0.1f}, {67, 0.008f}, {12, 0.06f}, {4, 0.25f}, {0, 0.6f}, {51, 0.015f}}},
      {"Shopfront double glazing", 1, 0.1f, 0.6f, {{38, 0.008f}, {0, 0.012f}, {36, 0.006f}}},
      {"Retail floor, stone on slab", 0, 0.5f, 0.5f, {{55, 0.02f}, {10, 0.04f}, {4, 0.25f}, {0, 0.8f}, {48, 0.0125f}}},
  };
  return list;
}

Status BuildConstructions(const std::vector<MaterialRecord>& materials, ConstructionTable& table) {
  std::map<int, const MaterialRecord*> byNo;
  for (const auto& m : materials) byNo[m.No] = &m;
  table = ConstructionTable{};
  const auto& specs = Constructions();
  table.ConstructionCount = static_cast<int>(specs.size());
  for (size_t i = 0; i < specs.size(); ++i) {
    Construction& c = table.Item[i + 1];
    c.Name = specs[i].Name;
    c.WindowFlag = specs[i].WindowFlag;
    c.SurfaceValue = {specs[i].Outer, specs[i].Inner};
    c.LayerCount = static_cast<int>(specs[i].Layers.size());
    for (size_t j = 0; j < specs[i].Layers.size(); ++j) {
      ConstructionLayer& l = c.Layer[j + 1];
      l.MaterialNo = specs[i].Layers[j].MaterialNo;
      l.Thickness = specs[i].Layers[j].Thickness;
      if (l.MaterialNo == kAirGapMaterial) {
        l.MaterialName = "Air Gap";
        continue;
      }
      const auto it = byNo.find(l.MaterialNo);
      if (it == byNo.end()) return Status::Error(std::string(c.Name) + ": material not in the table");
      l.MaterialName = it->second->Name;
      l.Density = it->second->Prop[0];
      l.Conductivity = it->second->Prop[1];
      l.SpecificHeat = it->second->Prop[2];
    }
  }
  return Status::Ok();
}

// Window modules and their shading devices, one mask per orientation.
struct MaskSpec {
  const char* Prefix;
  float W, H, OP, DT, Fin;
};
const MaskSpec kOfficeMask{"TY", 1.5f, 2.5f, 0.6f, 0.2f, 0.3f};  // sunshade above, fins both sides
const MaskSpec kShopMask{"GF", 6.0f, 4.0f, 3.0f, 0.6f, 0.0f};    // entrance canopy, no fins

std::string MaskName(const MaskSpec& m, int orientation) {
  return std::string(m.Prefix) + "_" + kOrientationNames[orientation];
}

Status WriteMasks(const std::string& folder) {
  for (const MaskSpec& m : {kOfficeMask, kShopMask}) {
    for (int o : {1, 3, 5, 7}) {
      ShadingMaskInput in;
      in.Orientation = o;
      in.W = m.W;
      in.H = m.H;
      in.OP = m.OP;
      in.DT = m.DT;
      in.LP = in.RP = m.Fin;
      in.Name = MaskName(m, o);
      ShadingMask mask;
      if (Status s = GenerateShadingMask(in, mask); !s) return s;
      if (Status s = SaveShadingMask(folder, in, mask); !s) return s;
    }
  }
  return Status::Ok();
}

// One face of a perimeter room: orientation, facade length.
struct Facade {
  const char* Side;
  int Orientation;
  float Length, Depth;  // m; the room is Length x Depth
};
const Facade kFacades[] = {{"north", 1, 40, 6}, {"east", 3, 37.5f, 6}, {"south", 5, 40, 6}, {"west", 7, 37.5f, 6}};

void AddComponent(EnergyRoom& r, const std::string& name, float area, int type, int construction, int orientation,
                  const std::string& mask = "") {
  FabricComponent& c = r.Component[++r.ComponentCount];
  c.ComponentName = name;
  c.ComponentArea = RoundTo(area, 0.1f);
  c.ComponentType = type;
  c.ConstructionNo = construction;
  c.Orientation = orientation;
  c.ShadingMaskFile = mask.empty() ? "" : mask + ".SHM";
}

struct RoomUse {
  int Type;
  float Height, AreaPerPerson, Lighting, Equipment;
};
const RoomUse kOfficeUse{kOffice, 2.8f, 9, 12, 25};
const RoomUse kShopUse{kRetail, 4.0f, 6, 20, 15};
const RoomUse kLobbyUse{kOffice, 4.0f, 20, 12, 5};

EnergyRoom Room(const std::string& name, const RoomUse& use, float area) {
  EnergyRoom r;
  r.RoomName = name;
  r.RoomType = use.Type;
  r.IdenticalRooms = 1;
  r.FloorArea = area;
  r.Height = use.Height;
  r.Occupants = static_cast<float>(std::lround(area / use.AreaPerPerson));
  r.VentRate = 10;
  r.RoomTemp = 24;
  r.RoomRH = 55;
  r.LightingLoad = use.Lighting;
  r.EquipmentLoad = use.Equipment;
  return r;
}

// A zone of four perimeter rooms and an interior room.
EnergyZone Zone(const std::string& name, float identical, bool retail, bool roof) {
  EnergyZone z;
  z.ZoneName = name;
  z.IdenticalZones = identical;
  const float storey = retail ? 5.0f : 3.8f;
  const float glazed = retail ? 0.8f : 0.65f;  // share of the facade that is vision glass
  const int floor = retail ? kRetailFloor : kOfficeFloor;
  float perimeterArea = 0, interiorPartitions = 0;
  for (const Facade& f : kFacades) {
    const float area = f.Length * f.Depth;
    EnergyRoom r = Room(std::string(retail ? "Shop " : "Office ") + f.Side, retail ? kShopUse : kOfficeUse, area);
    const float facade = f.Length * storey;
    const std::string side = f.Side;
    AddComponent(r, "Glazing " + side, facade * glazed, kWindow, retail ? kShopfrontGlass : kCurtainWallGlass,
                 f.Orientation, MaskName(retail ? kShopMask : kOfficeMask, f.Orientation));
    AddComponent(r, retail ? "Granite band " + side : "Spandrel " + side, facade * (1 - glazed), kExternalWall,
                 retail ? kStoneWall : kSpandrel, f.Orientation);
    if (roof) AddComponent(r, "Roof", area, kRoof, kRoofSlab, kHorizontal);
    AddComponent(r, "Floor and ceiling", area, kFloorCeiling, floor, kHorizontal);
    const float inner = (f.Length - 2 * f.Depth) * r.Height;
    AddComponent(r, "Partition to interior", inner, kPartition, kDrywall, f.Orientation);
    perimeterArea += area;
    interiorPartitions += inner;
    z.Room[++z.RoomCount] = r;
  }
  const float interiorArea = kOfficeFloorArea - 180 - perimeterArea;  // 180 m2 of cores, not air-conditioned
  EnergyRoom in = Room(retail ? "Entrance lobby" : "Office interior", retail ? kLobbyUse : kOfficeUse, interiorArea);
  if (roof) AddComponent(in, "Roof", interiorArea, kRoof, kRoofSlab, kHorizontal);
  AddComponent(in, "Floor and ceiling", interiorArea, kFloorCeiling, floor, kHorizontal);
  AddComponent(in, "Partitions to perimeter", interiorPartitions, kPartition, kDrywall, 1);
  AddComponent(in, "Core walls", 54 * in.Height, kPartition, kDrywall, 5);
  z.Room[++z.RoomCount] = in;
  return z;
}

// Design sensible loads, W/m2, of rooms in the hot-humid climate: internal
// gains plus the solar and conduction gains of the facade they face.
float SensiblePerM2(const EnergyRoom& r, int orientation, bool roof) {
  float w = r.RoomType == kRetail ? 90 : 72;
  if (r.ComponentCount > 0 && r.Component[1].ComponentType == kWindow) {
    static const std::map<int, float> facade = {{1, 25}, {3, 70}, {5, 55}, {7, 60}};
    w += facade.at(orientation);
  }
  if (r.RoomName == "Entrance lobby") w = 50;
  return roof ? w + 15 : w;
}

}  // namespace

void BuildOfficeEnergyModel(EnergyModel& model) {
  model = EnergyModel{};
  model.ZoneCount = 3;
  model.Zone[1] = Zone("Ground floor retail", 1, true, false);
  model.Zone[2] = Zone("Typical office floor", 18, false, false);
  model.Zone[3] = Zone("Top office floor", 1, false, true);
}

void DesignOfficeAirSide(const EnergyModel& model, AirSideData& airSide) {
  airSide = AirSideData{};
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    AirSideZone& a = airSide.Zone[z];
    const bool retail = zone.Room[1].RoomType == kRetail;
    a.AcSystemType = retail ? kCavOrFcu : kVavVariableSpeed;
    a.FreshAirType = kCentralPretreated;
    float sensible = 0, latent = 0, supply = 0;
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      bool roof = false;
      for (int c = 1; c <= room.ComponentCount; ++c) roof = roof || room.Component[c].ComponentType == kRoof;
      const int orientation = room.Component[1].Orientation;
      const float s = RoundTo(room.FloorArea * SensiblePerM2(room, orientation, roof) / 1000, 0.1f);
      const float l = RoundTo((room.Occupants * 55 + room.FloorArea * 1.5f) / 1000, 0.1f);  // people, infiltration
      a.DesignSensibleLoad[r] = s;
      a.DesignTotalLoad[r] = RoundTo(s + l, 0.1f);
      a.DesignSupplyAir[r] = RoundTo(s / (1.224f * 10), 0.01f);  // supply air 10 K below the room
      sensible += s;
      latent += l;
      supply += a.DesignSupplyAir[r];
    }
    // The perimeter rooms do not peak at the same hour.
    const float diversity = 0.85f;
    a.DesignSensibleLoad[0] = RoundTo(sensible * diversity, 1);
    a.DesignTotalLoad[0] = RoundTo(sensible * diversity + latent, 1);
    a.DesignSupplyAir[0] = RoundTo(retail ? supply : supply * diversity, 0.1f);
    a.DesignFanPressure = retail ? 600 : 900;
    a.DesignFanPower = RoundTo(a.DesignSupplyAir[0] * a.DesignFanPressure / (0.65f * 1000), 0.5f);
    a.DesignChwFlow = RoundTo(a.DesignTotalLoad[0] / (4.2f * 5.5f), 0.1f);
  }
}

Status WriteOfficeEnergyModel(const std::string& folder, const std::vector<MaterialRecord>& materials,
                              const EnergyModel& model, const AirSideData& airSide) {
  ConstructionTable constructions;
  if (Status s = BuildConstructions(materials, constructions); !s) return s;
  const std::string stem = folder + "OFFICE.";
  if (Status s = WriteConstructionFile(stem + "CON", constructions); !s) return s;
  if (Status s = WriteMasks(folder); !s) return s;
  if (Status s = WriteEnergyInputFile(stem + "ECI", kOfficeProjectName, model); !s) return s;
  return WriteAirSideFile(stem + "ASS", kOfficeProjectName, model, airSide);
}

}  // namespace kelca::datagen
