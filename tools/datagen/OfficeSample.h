#pragma once
// The sample project samples/office: a 20-storey air-conditioned office tower
// in Kelport (about 30,000 m2 construction floor area): its building files
// (project, groups, components, elements, one set of user values) and its
// energy model (energy input, constructions, shading masks, air-side design
// loads, central plant and non-AC services), all written with the program's
// own writers.
#include <string>
#include <vector>

#include "common/Status.h"
#include "datagen/MaterialRules.h"
#include "energy/AirSideData.h"
#include "energy/EnergyModel.h"

namespace kelca::datagen {

constexpr const char* kOfficeProjectFile = "OFFICE.PRJ";
constexpr const char* kOfficeProjectName = "Kelport Office Tower";
constexpr float kOfficeFloorArea = 1500;  // m2 per storey
constexpr int kOfficeStoreys = 20;

// The design figures that the building files and the plant share.
struct PlantSizing {
  float ZoneLoad = 0;         // kW: zone design totals x identical zones
  float FreshAir = 0;         // m3/s, the whole building
  float FauSensible = 0, FauTotal = 0;  // kW, all fresh-air units together
  float DesignPlantLoad = 0;  // kW: (zones + fresh-air units) x 1.03
  int LargeChillers = 3;      // centrifugal; one smaller screw chiller follows them
  float LargeCapacity = 0, LargePower = 0, SmallCapacity = 0, SmallPower = 0;  // kW each
  float TowerCapacity = 0;    // kW each, one tower per chiller
  float PlpPower = 0, SlpPower = 0, CwpPower = 0;  // kW of the largest pump of each kind
  float AhuFlow = 0;          // m3/s of each of the two air-handling units of a typical floor
};

// Design figures are rounded as a designer would state them (to step).
float RoundTo(float x, float step);

// Writes every file of the sample into folder (ending in "/"); the
// construction layers take their properties from the material records.
Status WriteOfficeSample(const std::string& folder, const std::vector<MaterialRecord>& materials);

// The parts, for the generator and its tests.
void BuildOfficeEnergyModel(EnergyModel& model);
// Design loads of the rooms and zones, from rule-of-thumb loads per m2 by
// room type and orientation (see samples/office/README.md).
void DesignOfficeAirSide(const EnergyModel& model, AirSideData& airSide);
PlantSizing SizeOfficePlant(const EnergyModel& model, const AirSideData& airSide);
Status WriteOfficeBuilding(const std::string& folder, const PlantSizing& sizing);
Status WriteOfficeEnergyModel(const std::string& folder, const std::vector<MaterialRecord>& materials,
                              const EnergyModel& model, const AirSideData& airSide);
Status WriteOfficePlant(const std::string& folder, const PlantSizing& sizing);

}  // namespace kelca::datagen
