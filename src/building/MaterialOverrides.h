#pragma once
// The default material values of an element (number, wastage, life, unit
// cost per material position) that the user may override in the element's
// user-values file.
#include <array>
#include <string>

#include "building/ElementRecord.h"
#include "common/Status.h"
#include "database/MaterialTable.h"
#include "database/OperationsFile.h"

namespace kelca {

struct MaterialValues {
  int MatNo = 0;
  float Wastage = 0;  // percent
  float Life = 0;     // years
  float Cost = 0;     // ZQ$ per unit of the material

  bool operator==(const MaterialValues&) const = default;
};

struct MaterialDefaults {
  int Count = 0;  // material positions 1..Count, at index 0..Count-1
  std::array<MaterialValues, kMaxElementMaterials> Value{};
};

// The defaults of an element: for type 0 its own materials (number, wastage
// and life from its values), for any other type the blocks of its impact
// operations file in the library of the file type code (120, 220, 320) and
// component type; the cost is always the material's MatCost. Another file
// type code is refused with "Type of element undefined!!".
Status LoadMaterialDefaults(const ElementRecord& elm, int fileTypeCode, int compType, const DbLocations& db,
                            const MaterialTable& materials, MaterialDefaults& defaults);

}  // namespace kelca
