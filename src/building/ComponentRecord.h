#pragma once
// One component (the one being edited or assessed) and its file (.FDC, .FLC, .SRC).
#include <array>
#include <string>

#include "common/Status.h"
#include "common/TextReader.h"

namespace kelca {

constexpr int kMaxComponentElements = 20;
constexpr int kElementSlots = 21;  // element slots 0..20

struct ComponentRecord {
  std::string CompFile;
  std::string CompName;
  int CompType = 0;     // position in the group type's component type names
  float CompQty = 0;    // number of identical components
  int CompElmCount = 0;
  std::array<std::string, kElementSlots> CompElmFile, CompElmName;
  std::array<int, kElementSlots> CompElmType{};  // element type code per element
};

// Reads the file FileNameOf(CompFile) in folder. A file with another type code
// is refused with CompFile & " is for type " & code & " but not " &
// fileTypeCode and the record keeps what it held; a file that breaks off
// keeps the fields read so far, CompElmCount counting the elements read in full.
Status ReadCompFile(const std::string& folder, int fileTypeCode, ComponentRecord& comp);
// Reads what follows the head (from the component's name on), as ReadCompFile does.
Status ReadCompRest(TextReader& in, ComponentRecord& comp);
// Writes CompFile (resolved through folder) with fileTypeCode as its type code.
Status WriteCompFile(const std::string& folder, int fileTypeCode, const ComponentRecord& comp);

}  // namespace kelca
