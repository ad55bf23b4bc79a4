#include "building/ElementTypes.h"

#include <array>

namespace kelca {

const char* const kOwnMaterialsTypeName = "Element of Listed Materials";

namespace {

struct Item {
  const char* Name;
  const char* Unit;
};
constexpr std::array<Item, kValuesPerOwnMaterial> kOwnItems = {
    {{"Material No.", "no."}, {"Quantity", "unit of mat'l"}, {"Wastage", "%"}, {"Life Expectancy", "years"}}};

bool IsOwnItem(int k) { return k >= 0 && k < kOwnMaterialsMax * kValuesPerOwnMaterial; }

bool UsesOwnItems(const ElementLibrary& lib, int code) {
  return code == kOwnMaterialsType && NeedsOwnMaterialsType(lib);
}

// "Material No. 2": the item's name with the position of its material.
std::string OwnItemName(int k) {
  return std::string(kOwnItems[k % kValuesPerOwnMaterial].Name) + " " + std::to_string(k / kValuesPerOwnMaterial + 1);
}

}  // namespace

bool NeedsOwnMaterialsType(const ElementLibrary& lib) { return ElmLibRowOf(lib, kOwnMaterialsType) < 0; }

std::string ElementTypeNameOf(const ElementLibrary& lib, int code) {
  return UsesOwnItems(lib, code) ? kOwnMaterialsTypeName : ElmTypeName(lib, code);
}

std::string ElementItemName(const ElementLibrary& lib, int code, int k) {
  if (UsesOwnItems(lib, code)) return IsOwnItem(k) ? OwnItemName(k) : "";
  return ElmItemName(lib, ElmLibRowOf(lib, code), k);
}

std::string ElementItemUnit(const ElementLibrary& lib, int code, int k) {
  if (UsesOwnItems(lib, code)) return IsOwnItem(k) ? kOwnItems[k % kValuesPerOwnMaterial].Unit : "";
  return ElmItemUnit(lib, ElmLibRowOf(lib, code), k);
}

bool IsOwnMaterialNumber(int k) { return IsOwnItem(k) && k % kValuesPerOwnMaterial == 0; }

}  // namespace kelca
