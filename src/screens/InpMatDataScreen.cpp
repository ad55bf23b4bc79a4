#include "screens/InpMatDataScreen.h"

#include "common/FiniteRead.h"
#include "common/Numbers.h"

namespace kelca {

int MaterialRowOrNone(const MaterialTable& materials, int matNo) {
  const int row = RowOfMaterial(materials, matNo);
  return row > 0 && materials.MatNo[row] == matNo && !materials.MatName[row].empty() ? row : -1;
}

InpMatDataScreenModel::InpMatDataScreenModel(const MaterialTable& materials, MatDataMode mode,
                                             const std::string& elmName)
    : materials_(materials), mode_(mode) {
  if (mode == MatDataMode::Material) {
    elementCaption_ = "Select Dominant Material for Element: " + elmName;
    valueCaption_ = "Material No.:";
    remark_ = "Use the Select Button to select material and then press OK to confirm";
  } else {
    elementCaption_ = "Input Thickness of Element: " + elmName;
    valueCaption_ = "Thickness (m):";
    remark_ = "Type the thickness value in metre and then press OK to confirm";
  }
}

void InpMatDataScreenModel::TakeMaterial(const PickResult& picked) {
  const int row = picked.Picked() ? MaterialRowOrNone(materials_, picked.PickedNo) : -1;
  if (row < 0) return;
  ValueBox = std::to_string(picked.PickedNo);
  NameBox = materials_.MatName[row];
  for (size_t p = 0; p < PropertyBoxes.size(); ++p) PropertyBoxes[p] = FormatGeneral(materials_.MatProp[row][p]);
}

PickResult InpMatDataScreenModel::Ok() const {
  PickResult result;
  const double typed = SingleOf(Val(ValueBox));
  if (mode_ == MatDataMode::Thickness) {
    result.PickedThickness = static_cast<float>(typed);
    return result;
  }
  const long long no = RoundHalfEven(typed);
  const int row = no >= 0 && no <= kMaxMaterialNo ? MaterialRowOrNone(materials_, static_cast<int>(no)) : -1;
  if (row < 0) return result;
  result.PickedNo = static_cast<int>(no);
  result.PickedName = NameBox.empty() ? materials_.MatName[row] : NameBox;
  return result;
}

}  // namespace kelca
