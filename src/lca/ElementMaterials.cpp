#include "lca/ElementMaterials.h"

#include "common/Numbers.h"
#include "common/Paths.h"
#include "database/StackProgram.h"

namespace kelca {
namespace {

// The user's record of material position m, when there is one, replaces number, wastage, life and cost.
MaterialUse WithUserValues(MaterialUse use, const UserValues& user, const MaterialTable& materials, int m) {
  if (user.UseUserValues && m < user.Count) {
    use.MatNo = user.MatNo[m];
    use.Wastage = user.Wastage[m];
    use.Life = user.Life[m];
    use.UnitCost = user.Cost[m];
  } else {
    use.UnitCost = materials.MatCost[RowOfMaterial(materials, use.MatNo)];
  }
  return use;
}

}  // namespace

void ListOwnMaterials(const ElementRecord& elm, const UserValues& user, const MaterialTable& materials,
                      ElementMaterials& list) {
  list.Count = 0;
  for (int m = 0; m < 4 && !elm.ElmValue[4 * m].empty(); ++m) {
    MaterialUse use;
    const double number = Val(elm.ElmValue[4 * m]);
    use.MatNo = number >= 0 && number <= kMaxMaterialNo ? static_cast<int>(RoundHalfEven(number)) : -1;
    if (RowOfMaterial(materials, use.MatNo) == 0) {
      list.Error = elm.ElmFile + ": material \"" + elm.ElmValue[4 * m] + "\" is not in the material database";
      return;
    }
    use.Quantity = static_cast<float>(Val(elm.ElmValue[4 * m + 1]));
    use.Wastage = static_cast<float>(Val(elm.ElmValue[4 * m + 2]));
    use.Life = static_cast<float>(Val(elm.ElmValue[4 * m + 3]));
    list.Use[list.Count++] = WithUserValues(use, user, materials, m);
  }
}

void ListOperationsMaterials(const OperationsStatus& read, const OperationsFile& ops, const std::string& opsPath,
                             const ElementRecord& elm, const UserValues& user, const MaterialTable& materials,
                             ElementMaterials& list) {
  list.Count = 0;
  if (read.outcome == OperationsOutcome::NoMaterials) {
    list.Error = "No. of Mat'l in Elm. = 0";
    return;
  }
  if (!read) {
    list.Error = read.detail.empty() ? "Error reading operations library."
                                     : "Error reading operations library. " + read.detail;
    return;
  }
  const MaterialSubstitution substitution = SubstitutionFor(ops, user);
  for (size_t i = 0; i < ops.Blocks.size() && i < list.Use.size(); ++i) {
    const MaterialBlock& block = ops.Blocks[i];
    const StackResult q = EvaluateOperations(block.Lines, elm.ElmValue, materials, substitution);
    if (!q) {
      list.Error = FileNameOf(opsPath) + ", material " + std::to_string(i + 1) + ": " + q.Fault;
      return;
    }
    list.Use[list.Count++] =
        WithUserValues({block.DefaultMatNo, q.X, block.Wastage, block.Life, 0}, user, materials, static_cast<int>(i));
  }
}

}  // namespace kelca
