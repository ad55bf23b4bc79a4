#pragma once
// The values of an element as typed (dimensions, quantities, material
// numbers), which the operations programs read by number.
#include <array>
#include <string>

namespace kelca {

constexpr int kElementValueSlots = 17;  // values 0..16; the first empty one ends the list

using ElementValues = std::array<std::string, kElementValueSlots>;

}  // namespace kelca
