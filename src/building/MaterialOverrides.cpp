#include "building/MaterialOverrides.h"

#include "building/ElementTypes.h"
#include "building/GroupTypes.h"
#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "database/ElementLibraries.h"

namespace kelca {
namespace {

float CostOf(const MaterialTable& materials, int matNo) { return materials.MatCost[RowOfMaterial(materials, matNo)]; }

void OwnMaterials(const ElementRecord& elm, const MaterialTable& materials, MaterialDefaults& defaults) {
  for (int j = 0; j < kOwnMaterialsMax && !elm.ElmValue[kValuesPerOwnMaterial * j].empty(); ++j) {
    const int first = kValuesPerOwnMaterial * j;
    MaterialValues& v = defaults.Value[j];
    v.MatNo = static_cast<int>(RoundHalfEven(SingleOf(Val(elm.ElmValue[first]))));
    v.Wastage = SingleOf(Val(elm.ElmValue[first + 2]));
    v.Life = SingleOf(Val(elm.ElmValue[first + 3]));
    v.Cost = CostOf(materials, v.MatNo);
    defaults.Count = j + 1;
  }
}

Status OperationsMaterials(const std::string& path, const MaterialTable& materials, MaterialDefaults& defaults) {
  OperationsFile ops;
  const OperationsStatus read = ReadOperationsFile(path, ops);
  if (!read) return Status::Error(read.detail.empty() ? "Cannot read " + path : read.detail);
  for (const MaterialBlock& block : ops.Blocks) {
    defaults.Value[defaults.Count++] = {block.DefaultMatNo, block.Wastage, block.Life,
                                        CostOf(materials, block.DefaultMatNo)};
  }
  return Status::Ok();
}

}  // namespace

Status LoadMaterialDefaults(const ElementRecord& elm, int fileTypeCode, int compType, const DbLocations& db,
                            const MaterialTable& materials, MaterialDefaults& defaults) {
  defaults = MaterialDefaults{};
  const int grpType = GroupTypeOfFileTypeCode(fileTypeCode);
  if (grpType == 0 || fileTypeCode != ElmFileTypeCode(grpType)) return Status::Error("Type of element undefined!!");
  if (elm.ElmType == kOwnMaterialsType) {
    OwnMaterials(elm, materials, defaults);
    return Status::Ok();
  }
  const std::string path = OperationsFilePath(db, grpType, compType, elm.ElmType, OperationsKind::Impact);
  if (path.empty()) return Status::Error("No element library serves this component type!");
  return OperationsMaterials(path, materials, defaults);
}

}  // namespace kelca
