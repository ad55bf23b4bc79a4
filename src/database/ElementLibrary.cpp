#include "database/ElementLibrary.h"

#include "common/Numbers.h"
#include "common/TextReader.h"
#include "database/ElementLibraries.h"

namespace kelca {
namespace {

constexpr int kFieldsPerLine = 1 + kElmLibColumns;

void Clear(ElementLibrary& lib) {
  for (auto& row : lib.ElmLib) row.fill("");
  lib.ElmLibCodeOfRow.fill(0);
  lib.ElmLibRowOfCode.fill(-1);
  lib.ElmLibName.fill("");
  lib.ElmLibTitle.clear();
  lib.ElmLibCount = 0;
}

bool ReadHead(TextReader& in, ElementLibrary& lib) {
  std::string field;
  for (int i = 0; i < kFieldsPerLine; ++i) {
    if (!in.ReadString(field)) return false;
    if (i == 1) lib.ElmLibTitle = field;
  }
  return true;
}

bool ReadRow(TextReader& in, int row, ElementLibrary& lib) {
  std::string codeText;
  std::array<std::string, kElmLibColumns> columns;
  if (!in.ReadString(codeText)) return false;
  for (auto& column : columns) {
    if (!in.ReadString(column)) return false;
  }
  const long long code = RoundHalfEven(Val(codeText));
  if (code < 0 || code > kElmLibMaxCode) {
    return in.Fail("the element type code \"" + codeText + "\" is outside 0 to " + std::to_string(kElmLibMaxCode));
  }
  lib.ElmLib[row] = std::move(columns);
  lib.ElmLibCodeOfRow[row] = static_cast<int>(code);
  lib.ElmLibRowOfCode[code] = row;
  lib.ElmLibName[row] = lib.ElmLib[row][0];
  lib.ElmLibCount = row + 1;
  return true;
}

bool ValidRow(const ElementLibrary& lib, int row) { return row >= 0 && row < lib.ElmLibCount; }

std::string Cell(const ElementLibrary& lib, int row, int column) {
  return ValidRow(lib, row) && column >= 0 && column < kElmLibColumns ? lib.ElmLib[row][column] : std::string();
}

}  // namespace

Status LoadElmLibFile(const std::string& path, ElementLibrary& lib) {
  Clear(lib);
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  if (!ReadHead(in, lib)) return in.Result();
  for (int row = 0; !in.AtEnd(); ++row) {
    if (row == kElmLibRows) {
      in.Fail("more than " + std::to_string(kElmLibRows) + " element types");
      break;
    }
    if (!ReadRow(in, row, lib)) break;
  }
  return in.Result();
}

Status LoadElmLib(const DbLocations& db, int grpType, int compType, ElementLibrary& lib) {
  const LibraryId id = LibraryFor(grpType, compType);
  if (id == LibraryId::None) {
    Clear(lib);
    return Status::Error("No element library serves group type " + std::to_string(grpType) +
                         " with component type " + std::to_string(compType));
  }
  return LoadElmLibFile(LibraryFile(db, id), lib);
}

int ElmLibRowOf(const ElementLibrary& lib, int code) {
  return code < 0 || code > kElmLibMaxCode ? -1 : lib.ElmLibRowOfCode[code];
}

std::string ElmTypeName(const ElementLibrary& lib, int code) {
  const int row = ElmLibRowOf(lib, code);
  return ValidRow(lib, row) ? lib.ElmLibName[row] : std::string();
}

std::string ElmItemName(const ElementLibrary& lib, int row, int k) {
  return k >= 0 && k < kElementItems ? Cell(lib, row, 2 * k + 1) : std::string();
}

std::string ElmItemUnit(const ElementLibrary& lib, int row, int k) {
  return k >= 0 && k < kElementItems ? Cell(lib, row, 2 * k + 2) : std::string();
}

}  // namespace kelca
