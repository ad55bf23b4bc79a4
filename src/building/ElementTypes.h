#pragma once
// Element types as the editors show them: a type of the loaded element
// library, or type 0, an element that lists its materials itself (up to four,
// each as material number, quantity, wastage and life in four values). Type 0
// keeps its own item names when the library has no row for it.
#include <string>

#include "database/ElementLibrary.h"

namespace kelca {

constexpr int kOwnMaterialsType = 0;
constexpr int kOwnMaterialsMax = 4;
constexpr int kValuesPerOwnMaterial = 4;
extern const char* const kOwnMaterialsTypeName;  // "Element of Listed Materials"

// True when the library has no row of its own for type 0.
bool NeedsOwnMaterialsType(const ElementLibrary& lib);
// The name of an element type; empty when there is none.
std::string ElementTypeNameOf(const ElementLibrary& lib, int code);
// Name and unit of item k (0..15) of an element type; empty beyond its items.
std::string ElementItemName(const ElementLibrary& lib, int code, int k);
std::string ElementItemUnit(const ElementLibrary& lib, int code, int k);
// True for the values of a type 0 element that hold a material number (0, 4, 8, 12).
bool IsOwnMaterialNumber(int k);

}  // namespace kelca
