#pragma once
// The three group types, always in this order, by the codes written in group
// files: component files carry the code plus 10, element files plus 20.
#include <array>

namespace kelca {

enum GroupType : int { kFoundation = 100, kFloor = 200, kServices = 300 };

constexpr std::array<int, 3> kGroupTypes = {kFoundation, kFloor, kServices};

// Component types (portions) of a group type: Foundation 1, Floor 3, Services 5; 0 for any other code.
constexpr int CompTypeCount(int grpType) {
  return grpType == kFoundation ? 1 : grpType == kFloor ? 3 : grpType == kServices ? 5 : 0;
}

}  // namespace kelca
