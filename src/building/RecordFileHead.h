#pragma once
// The two lines that open every group, component and element file: the file's
// own name (not used when reading) and its type code.
#include <string>

#include "common/Status.h"
#include "common/TextReader.h"

namespace kelca {

// Opens path and reads the two head lines; the reader is left at line 3.
Status ReadRecordFileHead(const std::string& path, TextReader& in, int& typeCode);

}  // namespace kelca
