#pragma once
// One element (the one being edited or assessed) and its file (.FDE, .FLE, .SRE).
#include <array>
#include <string>

#include "common/Status.h"
#include "common/TextReader.h"
#include "database/ElementValues.h"

namespace kelca {

struct ElementRecord {
  std::string ElmFile;
  std::string ElmName;
  int ElmType = 0;  // element type code in the element library
  ElementValues ElmValue, ElmRemark;  // as typed
};

// Number of values before the first empty one (0..17).
int ElementValueCount(const ElementRecord& elm);

// Reads ElmFile (a bare name is looked up in folder). A file with another type
// code is refused with ElmFile & " is not for a " & grpTypeName & " element!"
// and the record keeps what it held. Otherwise the values are cleared before
// the value lines are read, so no value of an element read earlier remains.
Status ReadElmFile(const std::string& folder, int fileTypeCode, const std::string& grpTypeName, ElementRecord& elm);
// Reads what follows the head (from the element's name on), as ReadElmFile does.
Status ReadElmRest(TextReader& in, ElementRecord& elm);
// Writes ElmFile (resolved through folder): the values up to and including the
// first empty one, at most 17 lines.
Status WriteElmFile(const std::string& folder, int fileTypeCode, const ElementRecord& elm);

}  // namespace kelca
