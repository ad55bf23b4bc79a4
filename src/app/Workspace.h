#pragma once
// All program-wide tables of one running program (or one test): screens and
// calculations receive the Workspace, or just the tables they use, by
// reference. There are no global variables. The Workspace is large: create it
// on the heap (std::make_unique<Workspace>()).
#include <string>

#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "lca/EnergyHandover.h"
#include "lca/MaterialTable.h"
#include "plant/EnergyResults.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"
#include "plant/SimStatus.h"

namespace kelca {

struct Workspace {
  // The folder against which relative file names are resolved (ends in "/").
  std::string CurrentFolder;

  ProjectState Project;
  SelectionTables Selection;
  DbLocations Db;
  MaterialTable Materials;

  EnergyModel Energy;
  AirSideData AirSide;
  ConstructionTable Constructions;
  EnergyFileNames EnergyFiles;

  PlantInput Plant;
  NonACServices NonAC;
  AnnualACEnergy ACEnergy;
  ZoneElecEnergy ZoneElec;
  EnergyUseSummary EnergyUse;
  SimStatus Sim;  // SimError / SimMessage of the load calculation and the plant simulation
};

}  // namespace kelca
