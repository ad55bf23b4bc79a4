#pragma once
// The largest building the group tables allow, for the assessment benchmarks
// and the tests that compare its result files: 20 floor and 20 services groups,
// each of 101 components of 20 elements (80,800 elements). The element types
// and the number of their items come from the libraries of the database, the
// values follow from the element's position, so the same call always writes
// the same files.
#include <string>

#include "common/Status.h"
#include "database/MaterialTable.h"

namespace kelca::datagen {

constexpr const char* kLargestProjectFile = "LARGEST.PRJ";

enum class ElementFiles {
  Shared,    // a few group and component files and one element file per element type, used over and over
  Distinct,  // 100 components of 20 elements of their own: 2,000 element files
};

// Writes the project file, the group, component and element files and a few
// user-value files into folder (ending in "/").
Status WriteLargestBuilding(const std::string& folder, const DbLocations& db, ElementFiles files);

}  // namespace kelca::datagen
