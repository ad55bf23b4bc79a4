#pragma once
// The stack program of a material block: five places, X (the result) and four
// below it, all 0 at the start. Each line first loads X with the element's
// value number round(value) (1..17) when the value is positive and the code is
// neither 100 nor 101, then applies its code:
//   0 push (X := 0)  1 Y+X  2 Y-X  3 Y*X  4 Y/X  5 Y^X (1-5 then drop)
//   6 X := Y  7 X := pi  8 sqrt X  9 cube root X  10 X/100  11 X/2  12 (pi/4) X X
//   100 X := property p of material m (c = round(value), m = round(c/10), p = c - 10m)
//   101 X := value; any other code does nothing more.
// Rounding is to the nearest integer, halves to even.
#include <array>
#include <string>
#include <vector>

#include "database/ElementValues.h"
#include "database/MaterialTable.h"
#include "database/OperationsFile.h"
#include "database/UserValues.h"

namespace kelca {

// With user values in force, a material that equals a block's default
// material number is replaced by that block's user material number.
struct MaterialSubstitution {
  int Count = 0;
  std::array<int, kMaxElementMaterials> DefaultMatNo{};
  std::array<int, kMaxElementMaterials> UserMatNo{};

  // The user material of the first block whose default is matNo; else matNo.
  int Apply(int matNo) const;
};

// The substitution of an element's blocks by its user values (none when they are not in force).
MaterialSubstitution SubstitutionFor(const OperationsFile& ops, const UserValues& values);

struct StackResult {
  float X = 0;        // the material's quantity per element
  std::string Fault;  // set when a line cannot be evaluated; X is then 0
  explicit operator bool() const { return Fault.empty(); }
};

// Runs the lines. A value number outside 1..17 reads as an empty value (0).
// Arithmetic without a finite result (division by zero, root of a negative
// number, overflow) and a property number outside 0..2 stop the run with a
// fault naming the line.
StackResult EvaluateOperations(const std::vector<OperationLine>& lines,
                               const ElementValues& elmValue,
                               const MaterialTable& materials, const MaterialSubstitution& substitution);

}  // namespace kelca
