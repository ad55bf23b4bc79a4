#pragma once
// An element's user-values file: the user's own material number, wastage,
// life and unit cost for each material of the element, beside the element
// file ("A.FLE" -> "A_.FLE").
#include <array>
#include <string>

#include "common/Status.h"
#include "database/OperationsFile.h"

namespace kelca {

struct UserValues {
  bool UseUserValues = false;  // true when a count above 0 and all its records were read
  int Count = 0;               // material positions 1..Count (index 0..Count-1)
  std::array<int, kMaxElementMaterials> MatNo{};
  std::array<float, kMaxElementMaterials> Wastage{};  // percent
  std::array<float, kMaxElementMaterials> Life{};     // years
  std::array<float, kMaxElementMaterials> Cost{};     // ZQ$ per unit
};

// The element file's path with "_" inserted before its last four characters.
std::string UserValuesPathOf(const std::string& elmPath);

// Reads the count N and N records. A missing file or N = 0 gives no user
// values and an ok status; a file that cannot be read, breaks off, or has N
// outside 0..10 gives no user values and a status naming the file.
Status ReadUserValues(const std::string& path, UserValues& values);
// Reads the count and then the records of up to `positions` material
// positions whatever the count, as many as the file holds: values kept with
// the count 0 are read back too. Count is the number of records read;
// UseUserValues is true when the stored count is above 0. A missing file gives
// no values and an ok status.
Status ReadKeptUserValues(const std::string& path, int positions, UserValues& values);
// Writes Count (or 0 when the values are not in force) and then the Count records.
Status WriteUserValues(const std::string& path, const UserValues& values, bool inForce);

}  // namespace kelca
