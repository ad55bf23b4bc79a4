#pragma once
// The five element libraries: which one serves an element (by group type and
// component type), where its ".ELB" file and operations files lie.
#include <array>
#include <string>

#include "database/MaterialTable.h"

namespace kelca {

enum class LibraryId { None, Found, Fabric, Contents, Mech, Elec };

constexpr std::array<LibraryId, 5> kLibraries = {LibraryId::Found, LibraryId::Fabric, LibraryId::Contents,
                                                 LibraryId::Mech, LibraryId::Elec};

// Foundation: FOUND for any component type; Floor: FABRIC for Envelope and
// Frame (0, 1), CONTENTS for Contents (2); Services: ELECTSER for 1 and 3,
// MECHASER for 0, 2 and 4. None for any other group type or floor or services
// component type position.
LibraryId LibraryFor(int grpType, int compType);

// "FOUND", "FABRIC", "CONTENTS", "MECHASER", "ELECTSER"; empty for None.
std::string LibraryName(LibraryId id);
// The folder and ".ELB" file held in db; empty for None.
std::string LibraryFolder(const DbLocations& db, LibraryId id);
std::string LibraryFile(const DbLocations& db, LibraryId id);

enum class OperationsKind { Impact, Cost };
// "E12.IMP" or "E12.CST".
std::string OperationsFileName(int elmType, OperationsKind kind);
// The operations file of an element type in the library that serves it; empty when none does.
std::string OperationsFilePath(const DbLocations& db, int grpType, int compType, int elmType, OperationsKind kind);

}  // namespace kelca
