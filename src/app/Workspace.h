#pragma once
// All program-wide tables of one running program (or one test): screens and
// calculations receive the Workspace, or just the tables they use, by
// reference. There are no global variables. The Workspace is large: create it
// on the heap (std::make_unique<Workspace>()).
#include <string>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "database/ElementLibrary.h"
#include "database/MaterialTable.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/SimStatus.h"
#include "lca/AssessmentParameters.h"
#include "lca/LcaResults.h"
#include "lca/ResultCases.h"
#include "plant/EnergyHandover.h"
#include "plant/EnergyResults.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca {

struct Workspace {
  // The folder against which relative file names are resolved (ends in "/").
  std::string CurrentFolder;

  ProjectState Project;
  SelectionTables Selection;
  DbLocations Db;
  MaterialTable Materials;

  // The group, component and element open in an editor or being assessed, and
  // the element library loaded for them.
  GroupRecord Group;
  ComponentRecord Component;
  ElementRecord Element;
  ElementLibrary ElmLib;
  CompTypeNameList CompTypeNames;  // of GrpType (LoadCompTypeNames)
  // The group type being worked on (100/200/300) and its word; the type code
  // of the component or element file about to be read or written (110.., 120..).
  int GrpType = 0;
  std::string GrpTypeName;
  int FileTypeCode = 0;
  // Current group (index within its type; -1 while a new group is added),
  // component within the group, element within the component.
  int CurGrp = 0;
  int CurComp = 0;
  int CurElm = 0;

  EnergyModel Energy;
  AirSideData AirSide;
  ConstructionTable Constructions;
  EnergyFileNames EnergyFiles;

  PlantInput Plant;
  NonACServices NonAC;
  PlantFileNames PlantFiles;
  AnnualACEnergy ACEnergy;
  ZoneElecEnergy ZoneElec;
  EnergyUseSummary EnergyUse;
  SimStatus Sim;  // SimError / SimMessage of the load calculation and the plant simulation

  AssessmentParameters Params;   // weighting, normalisation and cost parameters
  LcaResultSet Results;          // the current impact and cost results
  ResultCases Cases;             // Reference, Alternative and Current case views
};

}  // namespace kelca
