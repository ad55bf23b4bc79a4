#pragma once
// The materials of one element as the stages take them: material number,
// quantity per element, wastage, life and unit cost, from the element's own
// list (element type 0) or from the blocks of its operations file, with the
// element's user values in force.
#include <array>
#include <string>

#include "building/ElementRecord.h"
#include "database/MaterialTable.h"
#include "database/OperationsFile.h"
#include "database/UserValues.h"

namespace kelca {

struct MaterialUse {
  int MatNo = 0;
  float Quantity = 0;  // per element
  float Wastage = 0;   // percent
  float Life = 0;      // years
  float UnitCost = 0;  // ZQ$ per unit
};

struct ElementMaterials {
  std::string Error;  // the element's error text; "" when its materials are listed
  int Count = 0;
  std::array<MaterialUse, kMaxElementMaterials> Use{};
};

// Type 0: up to four materials in the element's values, taken four at a time
// (number, quantity, wastage, life); the list ends at the first empty number.
// A number that no material of the database has sets Error (naming the
// element file): its impacts would silently be zero.
void ListOwnMaterials(const ElementRecord& elm, const UserValues& user, const MaterialTable& materials,
                      ElementMaterials& list);

// Type N > 0: one material per block of the operations file at opsPath, read
// with the status given; the stack program of the block gives the quantity.
// An unreadable file (named with its line after the fixed text), one without
// materials and a stack fault set Error.
void ListOperationsMaterials(const OperationsStatus& read, const OperationsFile& ops, const std::string& opsPath,
                             const ElementRecord& elm, const UserValues& user, const MaterialTable& materials,
                             ElementMaterials& list);

}  // namespace kelca
