#pragma once
// All program-wide tables of one running program (or one test): screens and
// calculations receive the Workspace, or just the tables they use, by
// reference. There are no global variables. The Workspace is large: create it
// on the heap (std::make_unique<Workspace>()).
#include <string>

#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "lca/MaterialTable.h"

namespace kelca {

struct Workspace {
  // The folder against which relative file names are resolved (ends in "/").
  std::string CurrentFolder;

  ProjectState Project;
  SelectionTables Selection;
  DbLocations Db;
  MaterialTable Materials;
};

}  // namespace kelca
