#pragma once
// One group of the building (the one being edited or assessed) and its file
// (.FDN, .FLR, .SER).
#include <array>
#include <string>

#include "building/GroupTypes.h"
#include "common/Status.h"
#include "common/TextReader.h"

namespace kelca {

constexpr int kMaxGroupComponents = 101;  // component slots 0..100

struct GroupRecord {
  std::string GrpFile;  // file name, no folder after a load or save
  std::string GrpName;
  float GrpQty = 0;     // number of identical groups in the building
  int GrpCompCount = 0;
  std::array<std::string, kMaxGroupComponents> GrpCompFile, GrpCompName;
  std::array<int, kMaxGroupComponents> GrpCompType{};  // position in the group type's component type names
  std::array<float, kMaxGroupComponents> GrpCompQty{};  // number of identical components in the group
};

// Reads the file FileNameOf(GrpFile) in folder. A file of another group type
// is refused with GrpFile & " is not a " & grpTypeName & " file!" and the
// record keeps what it held; a file that breaks off keeps the fields read so
// far, GrpCompCount counting the components read in full.
Status ReadGroupFile(const std::string& folder, int grpType, const std::string& grpTypeName, GroupRecord& group);
// Reads what follows the head (from the group's name on), as ReadGroupFile does.
Status ReadGroupRest(TextReader& in, GroupRecord& group);
// Writes GrpFile (resolved through folder) with grpType as its type code.
Status WriteGroupFile(const std::string& folder, int grpType, const GroupRecord& group);

}  // namespace kelca
