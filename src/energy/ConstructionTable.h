#pragma once
// The layered constructions of the energy model's fabric components, layers
// listed from the outside inwards. Constructions are numbered 1..50 and layers
// 1..20; index 0 is not used.
#include <array>
#include <string>

#include "common/Status.h"

namespace kelca {

constexpr int kMaxConstructions = 50;
constexpr int kMaxLayers = 20;
constexpr int kAirGapMaterial = 0;

struct ConstructionLayer {
  int MaterialNo = 0;  // 0 = air gap; 1..99 from the material table; 100 and above: known by name only
  std::string MaterialName;
  float Thickness = 0;     // m
  float Density = 0;       // kg/m3
  float Conductivity = 0;  // W/mK
  float SpecificHeat = 0;  // J/kgK

  bool operator==(const ConstructionLayer&) const = default;
};

struct Construction {
  std::string Name;
  int WindowFlag = 0;  // 0 wall/roof/floor, 1 window/skylight
  int LayerCount = 0;
  // [0] outer absorptivity; [1] inner absorptivity, or a window's shading coefficient.
  std::array<float, 2> SurfaceValue{};
  std::array<ConstructionLayer, kMaxLayers + 1> Layer;

  bool operator==(const Construction&) const = default;
};

struct ConstructionTable {
  int ConstructionCount = 0;
  std::array<Construction, kMaxConstructions + 1> Item;

  bool operator==(const ConstructionTable&) const = default;
};

// The thermal properties with which the load calculation treats a layer: an
// air gap has no heat capacity and a conductivity that grows with its
// thickness, whatever was stored for it.
struct LayerProperties {
  float Thickness = 0, Density = 0, Conductivity = 0, SpecificHeat = 0;
};
LayerProperties EffectiveLayerProperties(const ConstructionLayer& layer);

// The construction file. Reading stops at the first fault (what was read so far
// stays) and the status names the file and line; counts beyond the table are refused.
Status WriteConstructionFile(const std::string& path, const ConstructionTable& table);
Status ReadConstructionFile(const std::string& path, ConstructionTable& table);

}  // namespace kelca
