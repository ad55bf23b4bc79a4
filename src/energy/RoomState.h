#pragma once
// The working state of the one room whose year is being simulated. The node
// temperatures of all its components lie in one contiguous array, each
// component's nodes between its outside and its inside boundary temperature,
// so that one loop with no branches updates the whole room each sub-step.
#include <array>
#include <string>

#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/ShadingMask.h"

// The hot loops are compiled twice on x86-64, for AVX2 and for the baseline;
// the one for the processor at hand is chosen when the program starts, so one
// binary runs everywhere. Without fused multiply-adds (-ffp-contract=off) both
// give the same bits. The thread sanitizer cannot run the start-up chooser
// (an ifunc resolver called before its runtime), so its builds take the baseline.
#if defined(__SANITIZE_THREAD__)
#define KELCA_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KELCA_THREAD_SANITIZER 1
#endif
#endif
#if defined(__x86_64__) && !defined(KELCA_THREAD_SANITIZER)
#define KELCA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KELCA_VECTOR_CLONES
#endif

namespace kelca {

// 20 layers of at most 3 slices each, plus the node on the outer face.
constexpr int kMaxNodesPerComponent = 3 * kMaxLayers + 1;
// A component's nodes with a boundary temperature on either side.
constexpr int kSlotsPerComponent = kMaxNodesPerComponent + 2;
// All components of a room, a spare slot at either end, rounded up to whole cache lines.
constexpr int kMaxRoomSlots = (kMaxComponentsPerRoom * kSlotsPerComponent + 2 + 15) / 16 * 16;
// Every component's inner face, and one ceiling face per Floor/Ceiling of a room without a Roof.
constexpr int kMaxSurfaces = 2 * kMaxComponentsPerRoom;

constexpr float kInsideSurfaceCoefficient = 8.3f;    // W/m2K
constexpr float kOutsideSurfaceCoefficient = 17.0f;  // W/m2K
constexpr float kInitialNodeTemp = 15.0f;            // deg C
constexpr float kKelvinOffset = 273.15f;
constexpr int kSubStepsPerHour = 60;
constexpr float kSubStepSeconds = 60.0f;

// The explicit update of one component: next T(k) = A(k) T(k-1) - B(k) T(k) + E(k) T(k+1)
// for the nodes k = 1..NodeCount, with B = A + E - 1 (exactly 0 for a massless node).
struct NodeCoefficients {
  int NodeCount = 0;
  std::array<int, kMaxLayers + 1> LayerEndNode{};  // the node reached at the end of each layer
  std::array<float, kMaxNodesPerComponent + 1> A{}, B{}, E{};
};

struct RoomComponent {
  int ComponentType = 0;
  int Orientation = 0;
  float Area = 0;
  float OuterAbsorptivity = 0;
  float ShadingCoefficient = 0;
  const ShadingMask* Mask = nullptr;  // a window's shading mask; none: fully sunlit
  int Base = 0;                       // slot of the outside boundary temperature
  int NodeCount = 0;

  int OutsideSlot() const { return Base; }
  int NodeSlot(int k) const { return Base + k; }
  int InsideSlot() const { return Base + NodeCount + 1; }
};

struct RoomState {
  std::string RoomName, ZoneName;  // for messages
  int RoomType = 0;
  int ComponentCount = 0;
  float FloorArea = 0, Volume = 0;
  float OccupantCount = 0;  // occupants rounded to a whole number
  float RoomTemp = 0;       // set temperature, deg C
  float RoomHumidityRatio = 0;
  float LightingPower = 0, EquipmentPower = 0;      // W
  float DesignSensibleLoad = 0, DesignTotalLoad = 0;  // kW
  std::array<RoomComponent, kMaxComponentsPerRoom + 1> Component;
  bool HasRoof = false;
  float FloorCeilingArea = 0;  // total area of the Floor/Ceiling components, on which the direct sun falls

  // Node arrays. Boundary slots have A = E = 0 and B = -1, so the update carries them over unchanged.
  int SlotEnd = 1;  // slots 1..SlotEnd-1 are updated; slot 0 and SlotEnd stay 0
  alignas(64) std::array<float, kMaxRoomSlots> A{}, B{}, E{};
  alignas(64) std::array<std::array<float, kMaxRoomSlots>, 2> T{};
  int Current = 0;  // which of T holds the current temperatures

  // Inner surfaces for the radiant exchange and the air heat balance. Lanes beyond
  // SurfaceCount (up to a multiple of 4) hold neutral values.
  int SurfaceCount = 0, SurfaceLanes = 0;
  std::array<int, kMaxSurfaces> SurfaceSlot{};
  alignas(16) std::array<float, kMaxSurfaces> SurfaceArea{}, SurfaceHA{}, SeenArea{}, RadiantFactor{};
  alignas(16) std::array<std::array<float, kMaxSurfaces>, kMaxSurfaces> SeenWeight{};  // [seen j][seeing i]
  std::array<int, kMaxComponentsPerRoom + 1> SurfaceOf{}, CeilingSurfaceOf{};  // per component; -1: none
  float TotalArea = 0, SumHA = 0;
  bool ZeroSeenArea = false;   // some surface sees no other: the radiant exchange cannot run
  bool NoHeatBalance = false;  // no surface area and no air flow: the air balance cannot run

  // Air flows (m3/s) and their heat capacity rates (W/K) while floating and while conditioned.
  float FloatingFlow = 0, FloatingH = 0, ConditionedFlow = 0, ConditionedH = 0;
  float RoomAirTemp = kInitialNodeTemp;  // of the last sub-step

  // Window totals of the hour, W.
  float DirectGain = 0, DiffuseGain = 0;

  // Scratch of the radiant exchange.
  alignas(16) std::array<float, kMaxSurfaces> SurfaceKelvin{}, NetRadiantLoss{};

  float* CurrentTemps() { return T[Current].data(); }
  float* NextTemps() { return T[Current ^ 1].data(); }
  const float* CurrentTemps() const { return T[Current].data(); }
  const float* NextTemps() const { return T[Current ^ 1].data(); }
  // The next node temperatures become the current ones.
  void Advance() { Current ^= 1; }
};

// What one room leaves to the next: the node temperatures by component slot
// 1..10 and node 1..61, and the room air temperature of its last sub-step.
// Slots a room does not use pass through it unchanged.
struct CarriedState {
  std::array<std::array<float, kMaxNodesPerComponent + 1>, kMaxComponentsPerRoom + 1> T;
  float RoomAirTemp = kInitialNodeTemp;
  CarriedState() {
    for (auto& c : T) c.fill(kInitialNodeTemp);
  }
};

}  // namespace kelca
