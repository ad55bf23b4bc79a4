#pragma once
// The layers of a floor component handed to the construction screen, which
// adds the surface values and a name and stores the construction.
#include <vector>

#include "energy/ConstructionTable.h"

namespace kelca {

struct ConstructionHandover {
  bool FromComponent = true;               // the layers come from a component
  std::vector<ConstructionLayer> Layers;   // in element order: outside (or top) first
};

}  // namespace kelca
