#pragma once
// Transient conduction through the fabric: the nodes of each component's
// layers, their explicit-update coefficients, and the step of all nodes.
#include <string>

#include "energy/AirSideData.h"
#include "energy/RoomState.h"
#include "energy/SimStatus.h"

namespace kelca {

// Divides the layers into slices (3, 2 or 1 per layer, the most that keep the
// update stable) and sets the coefficients of every node. A layer too thin for
// its conductivity to hold a stable node even as one slice (a metal sheet, a
// glass pane) gets no nodes: it is a resistance between its neighbours. A node
// whose heat capacity is too small for a stable 60 s step, or that has none, is
// massless: it weights its neighbours by their conductances. outerH is the surface
// coefficient of the outer face (W/m2K). False when a layer has no thickness or
// no conductivity; layer then names it.
bool BuildNodeCoefficients(const Construction& construction, float outerH, NodeCoefficients& nodes, int& layer);

// Copies the room into the working state and builds the nodes of its
// components, the inner surfaces and the air flows. Fails with a message naming
// the component, room and zone when a component has no type, a construction
// that does not exist or is unusable, or no orientation where it needs one.
bool SetupRoomNodes(const EnergyRoom& room, const std::string& zoneName, const AirSideZone& airSide, int roomIndex,
                    const ConstructionTable& constructions, RoomState& state, SimStatus& status);

// The state left by the room before: its node temperatures (component slot and
// node number) and its room air temperature.
void LoadCarriedState(const CarriedState& carried, RoomState& state);
void StoreCarriedState(const RoomState& state, CarriedState& carried);

// Next node temperatures of every component from the current ones and the boundary temperatures.
void StepConduction(RoomState& state);

}  // namespace kelca
