#include "energy/RoomNodes.h"

#include "common/Numbers.h"
#include "energy/Psychrometrics.h"

namespace kelca {

namespace {

constexpr float kDt = kSubStepSeconds;
constexpr float kHo = kOutsideSurfaceCoefficient;
constexpr float kHi = kInsideSurfaceCoefficient;
constexpr int kCeilingType = 6;  // the extra ceiling face of a Floor/Ceiling in a room without Roof

struct Layer {
  LayerProperties p;
  int slices = 1;
  float dx = 0;
  bool massless = false;
  float Fourier() const { return p.Conductivity / (p.Density * p.SpecificHeat) * kDt / (dx * dx); }
};

// The coefficients of a node: explicit, or massless (b = 0) when the explicit ones are unstable.
void SetNode(NodeCoefficients& n, int k, float a, float e) {
  n.A[k] = a;
  n.E[k] = e;
  n.B[k] = a + e - 1;
}
void SetMasslessNode(NodeCoefficients& n, int k, float gOuter, float gInner) {
  n.A[k] = gOuter / (gOuter + gInner);
  n.E[k] = gInner / (gOuter + gInner);
  n.B[k] = 0;
}

// The node between layer l (outer side) and layer r.
void InterfaceNode(const Layer& l, const Layer& r, NodeCoefficients& n, int k) {
  const float c = (l.p.Density * l.p.SpecificHeat * l.dx + r.p.Density * r.p.SpecificHeat * r.dx) / 2;
  if (c > 0) {
    const float a = l.p.Conductivity * kDt / (c * l.dx);
    const float e = r.p.Conductivity * kDt / (c * r.dx);
    if (a + e <= 1.0f) return SetNode(n, k, a, e);
  }
  SetMasslessNode(n, k, l.p.Conductivity / l.dx, r.p.Conductivity / r.dx);
}

// Stability of a surface node of a layer with surface coefficient h.
bool SurfaceNodeStable(const Layer& layer, float h) {
  const float bi = h * layer.dx / layer.p.Conductivity;
  return layer.Fourier() <= 1.0f / (2.0f * (1.0f + bi));
}

// outerH: the surface coefficient of the outer face when the layer is the outermost, else 0.
bool SlicesStable(Layer& layer, int n, bool innermost, float outerH, const Layer* inner) {
  layer.slices = n;
  layer.dx = layer.p.Thickness / static_cast<float>(n);
  // The nodes inside the layer (a = e = Fo) need 2 Fo <= 1 as well. The face
  // and interface tests alone can pass on a neighbour's capacity while the
  // inside nodes are unstable: the 8 mm bitumen sheet of an inverted roof would
  // get three slices, and the roof's temperatures would oscillate and grow
  // without bound within days.
  if (n > 1 && 2.0f * layer.Fourier() > 1.0f) return false;
  if (innermost && !SurfaceNodeStable(layer, kHi)) return false;
  if (outerH > 0 && !SurfaceNodeStable(layer, outerH)) return false;
  if (inner) {  // the node where the layer meets the next inner one
    const float c = (layer.p.Density * layer.p.SpecificHeat * layer.dx +
                     inner->p.Density * inner->p.SpecificHeat * inner->dx) / 2;
    const float a = layer.p.Conductivity * kDt / (c * layer.dx);
    const float e = inner->p.Conductivity * kDt / (c * inner->dx);
    if (a + e > 1.0f) return false;
  }
  return true;
}

void ChooseSlices(Layer& layer, bool innermost, float outerH, const Layer* inner) {
  if (layer.massless) {
    SlicesStable(layer, 1, false, 0, nullptr);
    return;
  }
  for (int n = 3; n >= 1; --n) {
    if (SlicesStable(layer, n, innermost, outerH, inner)) return;
  }
  SlicesStable(layer, 1, false, 0, nullptr);  // none is stable: one slice, massless nodes where needed
}

void OuterFaceNode(const Layer& layer, float h, NodeCoefficients& n) {
  if (!layer.massless) {
    const float fo = layer.Fourier();
    const float bi = h * layer.dx / layer.p.Conductivity;
    if (2 * fo * bi + 2 * fo <= 1.0f) return SetNode(n, 1, 2 * fo * bi, 2 * fo);
  }
  SetMasslessNode(n, 1, h, layer.p.Conductivity / layer.dx);
}

void InnerFaceNode(const Layer& layer, NodeCoefficients& n, int k) {
  if (!layer.massless) {
    const float fo = layer.Fourier();
    const float bi = kHi * layer.dx / layer.p.Conductivity;
    if (2 * fo + 2 * fo * bi <= 1.0f) return SetNode(n, k, 2 * fo, 2 * fo * bi);
  }
  SetMasslessNode(n, k, layer.p.Conductivity / layer.dx, kHi);
}

// A layer with heat capacity too thin for its conductivity to hold a stable
// node even as one slice (2 Fo > 1 over its whole thickness): a metal sheet, a
// glass pane. Its nodes could only be massless, and would take the half slices
// of their neighbours with them.
bool IsThin(Layer layer) {
  if (layer.massless) return false;
  layer.dx = layer.p.Thickness;
  return 2.0f * layer.Fourier() > 1.0f;
}

void AddResistance(Layer& layer, float r) {
  if (r > 0) layer.p.Conductivity = layer.p.Thickness / (layer.p.Thickness / layer.p.Conductivity + r);
}

// Takes the thin layers out of layers 1..count and adds the resistance of each
// to the next layer inwards that stays (to the last one that stays, for thin
// layers at the inner face) by lowering its conductivity: a thin layer is a
// pure resistance between its neighbours, which keep their capacity. When
// every layer is thin the innermost stays. Returns the number of layers that
// stay; endOf[l] is the layer that stays whose end node ends layer l (0: the
// outer face node).
int FoldThinLayers(std::array<Layer, kMaxLayers + 1>& layers, int count, std::array<int, kMaxLayers + 1>& endOf) {
  int kept = 0;
  float pending = 0;  // m2K/W of thin layers not yet added to a layer that stays
  for (int l = 1; l <= count; ++l) {
    const Layer layer = layers[l];
    if (IsThin(layer) && !(l == count && kept == 0)) {
      pending += layer.p.Thickness / layer.p.Conductivity;
      endOf[l] = kept;
      continue;
    }
    layers[++kept] = layer;
    AddResistance(layers[kept], pending);
    pending = 0;
    endOf[l] = kept;
  }
  AddResistance(layers[kept], pending);
  return kept;
}

std::string ComponentText(const EnergyRoom& room, int c, const std::string& zoneName) {
  return "Component " + room.Component[c].ComponentName + " of room " + room.RoomName + " in zone " + zoneName;
}

bool NeedsOrientation(int type) { return type == kRoof || type == kWindow || type == kExternalWall; }

// Whether surface i sees surface j (j != i): not when both lie in one plane.
bool Sees(int typeI, int orientI, int typeJ, int orientJ) {
  switch (typeI) {
    case kRoof:
      return !((typeJ == kRoof || typeJ == kWindow) && orientJ == orientI);
    case kWindow:
      return orientI == kHorizontal ? typeJ != kRoof : orientJ != orientI;
    case kExternalWall:
      return !((typeJ == kWindow || typeJ == kExternalWall) && orientJ == orientI);
    default:
      return true;
  }
}

void SetupSurfaces(RoomState& s) {
  std::array<int, kMaxSurfaces> type{}, orient{};
  s.SurfaceCount = 0;
  const auto add = [&](int c, int surfaceType, int slot) {
    const int i = s.SurfaceCount++;
    type[i] = surfaceType;
    orient[i] = s.Component[c].Orientation;
    s.SurfaceSlot[i] = slot;
    s.SurfaceArea[i] = s.Component[c].Area;
    return i;
  };
  for (int c = 1; c <= s.ComponentCount; ++c) {
    const RoomComponent& rc = s.Component[c];
    // A Floor/Ceiling faces the room with its outer face, node 1, the node its
    // floor boundary temperature acts on: the heat the room gives the floor is
    // then the heat the floor takes.
    const bool floor = rc.ComponentType == kFloorCeiling;
    s.SurfaceOf[c] = add(c, rc.ComponentType, rc.NodeSlot(floor ? 1 : rc.NodeCount));
  }
  for (int c = 1; c <= s.ComponentCount; ++c) {
    const RoomComponent& rc = s.Component[c];
    s.CeilingSurfaceOf[c] = -1;
    if (rc.ComponentType == kFloorCeiling && !s.HasRoof) {
      s.CeilingSurfaceOf[c] = add(c, kCeilingType, rc.NodeSlot(rc.NodeCount));
    }
  }
  s.SurfaceLanes = (s.SurfaceCount + 3) / 4 * 4;
  s.TotalArea = 0;
  s.SumHA = 0;
  for (int i = 0; i < s.SurfaceCount; ++i) {
    s.TotalArea += s.SurfaceArea[i];
    s.SurfaceHA[i] = kHi * s.SurfaceArea[i];
    s.SumHA += s.SurfaceHA[i];
  }
  s.ZeroSeenArea = false;
  const float emissivityTerm = (1.0f - 0.95f) / 0.95f;
  for (int i = 0; i < kMaxSurfaces; ++i) {
    float seen = 0;
    for (int j = 0; j < kMaxSurfaces; ++j) {
      const bool sees =
          i < s.SurfaceCount && j < s.SurfaceCount && j != i && Sees(type[i], orient[i], type[j], orient[j]);
      s.SeenWeight[j][i] = sees ? s.SurfaceArea[j] : 0.0f;
      seen += s.SeenWeight[j][i];
    }
    if (i >= s.SurfaceCount) {
      s.SurfaceSlot[i] = 0;
      s.SurfaceArea[i] = s.SurfaceHA[i] = s.RadiantFactor[i] = 0;
      s.SeenArea[i] = 1;
      continue;
    }
    s.SeenArea[i] = seen;
    if (!(seen > 0) || !(s.TotalArea > 0)) {  // nothing (or a negative area) in view
      s.ZeroSeenArea = true;
      s.RadiantFactor[i] = 0;
      continue;
    }
    const float f = 1.0f / (1.0f + (s.SurfaceArea[i] / seen + 1.0f) * emissivityTerm);
    s.RadiantFactor[i] = f * 5.67e-8f * 4.0f;
  }
}

}  // namespace

bool BuildNodeCoefficients(const Construction& construction, float outerH, NodeCoefficients& nodes, int& badLayer) {
  std::array<Layer, kMaxLayers + 1> layers;
  for (int l = 1; l <= construction.LayerCount; ++l) {
    layers[l].p = EffectiveLayerProperties(construction.Layer[l]);
    const LayerProperties& p = layers[l].p;
    if (!(p.Thickness > 0) || !(p.Conductivity > 0) || !IsFiniteValue(p.Thickness) ||
        !IsFiniteValue(p.Conductivity)) {
      badLayer = l;
      return false;
    }
    layers[l].massless = !(p.Density * p.SpecificHeat > 0);
  }
  std::array<int, kMaxLayers + 1> endOf{};
  const int count = FoldThinLayers(layers, construction.LayerCount, endOf);
  for (int l = count; l >= 1; --l) {
    ChooseSlices(layers[l], l == count, l == 1 ? outerH : 0, l < count ? &layers[l + 1] : nullptr);
  }
  nodes = NodeCoefficients{};
  std::array<int, kMaxLayers + 1> endNode{};
  int k = 1;
  endNode[0] = k;
  OuterFaceNode(layers[1], outerH, nodes);
  for (int l = 1; l <= count; ++l) {
    const Layer& layer = layers[l];
    for (int i = 1; i < layer.slices; ++i) SetNode(nodes, ++k, layer.Fourier(), layer.Fourier());
    ++k;
    if (l < count) {
      InterfaceNode(layer, layers[l + 1], nodes, k);
    } else {
      InnerFaceNode(layer, nodes, k);
    }
    endNode[l] = k;
  }
  for (int l = 1; l <= construction.LayerCount; ++l) nodes.LayerEndNode[l] = endNode[endOf[l]];
  nodes.NodeCount = k;
  return true;
}

bool SetupRoomNodes(const EnergyRoom& room, const std::string& zoneName, const AirSideZone& airSide, int roomIndex,
                    const ConstructionTable& constructions, RoomState& s, SimStatus& status) {
  s.RoomName = room.RoomName;
  s.ZoneName = zoneName;
  s.RoomType = room.RoomType;
  s.ComponentCount = room.ComponentCount;
  s.FloorArea = room.FloorArea;
  s.Volume = room.FloorArea * room.Height;
  s.OccupantCount = static_cast<float>(RoundHalfEven(room.Occupants));
  s.RoomTemp = room.RoomTemp;
  s.RoomHumidityRatio = VapourHumidityRatio(room.RoomRH / 100 * SatPressure(room.RoomTemp));
  s.LightingPower = room.FloorArea * room.LightingLoad;
  s.EquipmentPower = room.FloorArea * room.EquipmentLoad;
  s.DesignSensibleLoad = airSide.DesignSensibleLoad[roomIndex];
  s.DesignTotalLoad = airSide.DesignTotalLoad[roomIndex];
  s.HasRoof = false;
  s.FloorCeilingArea = 0;
  s.A.fill(0);
  s.B.fill(0);
  s.E.fill(0);

  int slot = 1;
  for (int c = 1; c <= room.ComponentCount; ++c) {
    const FabricComponent& fc = room.Component[c];
    RoomComponent& rc = s.Component[c];
    if (fc.ComponentType < 1 || fc.ComponentType > kMaxComponentType) {
      return status.Fail("SetupRoomNodes: " + ComponentText(room, c, zoneName) + " has no fabric component type!");
    }
    if (NeedsOrientation(fc.ComponentType) && (fc.Orientation < 1 || fc.Orientation > kMaxOrientation)) {
      return status.Fail("SetupRoomNodes: " + ComponentText(room, c, zoneName) + " has no orientation!");
    }
    if (fc.ConstructionNo < 1 || fc.ConstructionNo > constructions.ConstructionCount) {
      return status.Fail("SetupRoomNodes: " + ComponentText(room, c, zoneName) + " refers to construction " +
                         std::to_string(fc.ConstructionNo) + ", which does not exist!");
    }
    const Construction& construction = constructions.Item[fc.ConstructionNo];
    if (construction.LayerCount < 1) {
      return status.Fail("SetupRoomNodes: Construction " + construction.Name + " has no layers!");
    }
    NodeCoefficients nodes;
    int badLayer = 0;
    // A Floor/Ceiling's outer face is its floor in the room, whose boundary
    // temperature is made with the inside coefficient.
    const float outerH = fc.ComponentType == kFloorCeiling ? kHi : kHo;
    if (!BuildNodeCoefficients(construction, outerH, nodes, badLayer)) {
      return status.Fail("SetupRoomNodes: Layer " + std::to_string(badLayer) + " of construction " +
                         construction.Name + " needs a thickness and a conductivity above 0!");
    }
    rc.ComponentType = fc.ComponentType;
    rc.Orientation = fc.Orientation;
    rc.Area = fc.ComponentArea;
    rc.OuterAbsorptivity = construction.SurfaceValue[0];
    rc.ShadingCoefficient = construction.SurfaceValue[1];
    rc.Mask = nullptr;
    rc.Base = slot;
    rc.NodeCount = nodes.NodeCount;
    s.B[rc.OutsideSlot()] = -1.0f;
    for (int k = 1; k <= nodes.NodeCount; ++k) {
      s.A[rc.NodeSlot(k)] = nodes.A[k];
      s.E[rc.NodeSlot(k)] = nodes.E[k];
      s.B[rc.NodeSlot(k)] = nodes.B[k];
    }
    s.B[rc.InsideSlot()] = -1.0f;
    slot = rc.InsideSlot() + 1;
    if (rc.ComponentType == kRoof) s.HasRoof = true;
    if (rc.ComponentType == kFloorCeiling) s.FloorCeilingArea += rc.Area;
  }
  s.SlotEnd = slot;
  for (auto& t : s.T) t.fill(0);
  SetupSurfaces(s);

  s.FloatingFlow = s.Volume * 0.6f / 3600;
  s.FloatingH = 1020 * s.FloatingFlow;
  s.ConditionedFlow = s.Volume * 0.12f / 3600;
  s.ConditionedH = 1020 * s.ConditionedFlow;
  s.NoHeatBalance = !(s.SumHA + s.FloatingH > 0) || !(s.SumHA + s.ConditionedH > 0);
  return true;
}

void LoadCarriedState(const CarriedState& carried, RoomState& s) {
  float* t = s.CurrentTemps();
  for (int c = 1; c <= s.ComponentCount; ++c) {
    const RoomComponent& rc = s.Component[c];
    for (int k = 1; k <= rc.NodeCount; ++k) t[rc.NodeSlot(k)] = carried.T[c][k];
  }
  s.RoomAirTemp = carried.RoomAirTemp;
}

void StoreCarriedState(const RoomState& s, CarriedState& carried) {
  const float* t = s.CurrentTemps();
  for (int c = 1; c <= s.ComponentCount; ++c) {
    const RoomComponent& rc = s.Component[c];
    for (int k = 1; k <= rc.NodeCount; ++k) carried.T[c][k] = t[rc.NodeSlot(k)];
  }
  carried.RoomAirTemp = s.RoomAirTemp;
}

KELCA_VECTOR_CLONES void StepConduction(RoomState& s) {
  const float* __restrict cur = s.CurrentTemps();
  float* __restrict next = s.NextTemps();
  const float* __restrict a = s.A.data();
  const float* __restrict b = s.B.data();
  const float* __restrict e = s.E.data();
  const int end = s.SlotEnd;
  for (int k = 1; k < end; ++k) next[k] = a[k] * cur[k - 1] - b[k] * cur[k] + e[k] * cur[k + 1];
}

}  // namespace kelca
