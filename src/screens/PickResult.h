#pragma once
// What a picker hands back to the screen that showed it.
#include <string>

namespace kelca {

struct PickResult {
  int PickedNo = -1;          // element type code or material number; -1: nothing picked
  std::string PickedName;     // type name, or material name with its unit in brackets
  float PickedThickness = 0;  // metres, from the material data screen in thickness mode

  bool Picked() const { return PickedNo >= 0; }
};

}  // namespace kelca
