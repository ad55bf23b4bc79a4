#pragma once
// The names under which groups, components and elements are saved: the name
// a save dialog proposes, and the check that a chosen name can be a file of
// the project folder before anything is written.
#include <string>

#include "common/Status.h"

namespace kelca {

// The file name a save dialog proposes: the record's file when it has one
// (without its folder), else its name with the extension appended.
std::string ProposedRecordFileName(const std::string& file, const std::string& name, const std::string& extension);

// A record name from which a file name is to be made: refused when it is
// empty or holds a slash, a backslash or a NUL.
Status CheckNameForFile(const std::string& name);

// The path chosen in a save dialog, with the extension appended unless it ends
// in it (in either case). Refused (nothing is to be written) when its file name is
// empty, "." or "..", or holds a backslash or a NUL, since the record keeps
// only that file name and finds the file by it later.
Status CheckedRecordPath(const std::string& chosen, const std::string& extension, std::string& path);

}  // namespace kelca
