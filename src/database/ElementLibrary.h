#pragma once
// The element library in memory: one ".ELB" file at a time, loaded for the
// current group type and component type.
#include <array>
#include <string>

#include "common/Status.h"
#include "database/MaterialTable.h"

namespace kelca {

constexpr int kElmLibRows = 301;     // rows 0..300
constexpr int kElmLibColumns = 33;   // column 0 the type's name, 2k+1 and 2k+2 item k's name and unit
constexpr int kElmLibMaxCode = 300;  // element type codes 0..300
constexpr int kElementItems = 16;    // items k = 0..15

struct ElementLibrary {
  ElementLibrary() { ElmLibRowOfCode.fill(-1); }

  std::array<std::array<std::string, kElmLibColumns>, kElmLibRows> ElmLib;
  std::array<int, kElmLibRows> ElmLibCodeOfRow{};
  std::array<int, kElmLibMaxCode + 1> ElmLibRowOfCode;  // -1: no row has the code
  std::array<std::string, kElmLibRows> ElmLibName;      // column 0 of each row, for the lists
  std::string ElmLibTitle;
  int ElmLibCount = 0;  // rows loaded
};

// Loads a ".ELB" file: a head line of 34 texts (the second is the title),
// then one line of 34 texts per element type: its code, then columns 0..32.
// The table is emptied first. Codes outside 0..300 and more than 301 rows are
// refused with a message naming the file; the rows read before stay.
Status LoadElmLibFile(const std::string& path, ElementLibrary& lib);
// Loads the library that serves grpType and compType (see LibraryFor).
Status LoadElmLib(const DbLocations& db, int grpType, int compType, ElementLibrary& lib);

// The row of an element type code, -1 when the library has none.
int ElmLibRowOf(const ElementLibrary& lib, int code);
// The name of the element type with that code; empty when the library has none.
std::string ElmTypeName(const ElementLibrary& lib, int code);
// Name and unit of item k (0..15) of a row; empty outside the table.
std::string ElmItemName(const ElementLibrary& lib, int row, int k);
std::string ElmItemUnit(const ElementLibrary& lib, int row, int k);

}  // namespace kelca
