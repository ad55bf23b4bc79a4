#include "database/ElementLibraries.h"

#include "common/GroupTypeCodes.h"
#include "common/Paths.h"

namespace kelca {
namespace {

// The folder or file field of a library in db (const or not); nullptr for None.
template <class Db>
auto LibraryField(Db& db, LibraryId id, bool folder) -> decltype(&db.FoundLibFolder) {
  switch (id) {
    case LibraryId::Found: return folder ? &db.FoundLibFolder : &db.FoundLibFile;
    case LibraryId::Fabric: return folder ? &db.FabricLibFolder : &db.FabricLibFile;
    case LibraryId::Contents: return folder ? &db.ContentsLibFolder : &db.ContentsLibFile;
    case LibraryId::Mech: return folder ? &db.MechLibFolder : &db.MechLibFile;
    case LibraryId::Elec: return folder ? &db.ElecLibFolder : &db.ElecLibFile;
    case LibraryId::None: break;
  }
  return nullptr;
}

}  // namespace

void SetLibraryLocations(DbLocations& db) {
  const std::string base = WithTrailingSlash(db.LcaDbFolder);
  for (LibraryId id : kLibraries) {
    std::string& folder = *LibraryField(db, id, true);
    folder = base + LibraryName(id) + "/";
    *LibraryField(db, id, false) = folder + LibraryName(id) + ".ELB";
  }
}

LibraryId LibraryFor(int grpType, int compType) {
  switch (grpType) {
    case kFoundation:
      return LibraryId::Found;  // whatever the component type
    case kFloor:
      if (compType == 0 || compType == 1) return LibraryId::Fabric;
      return compType == 2 ? LibraryId::Contents : LibraryId::None;
    case kServices:
      if (compType == 1 || compType == 3) return LibraryId::Elec;
      return compType == 0 || compType == 2 || compType == 4 ? LibraryId::Mech : LibraryId::None;
    default:
      return LibraryId::None;
  }
}

std::string LibraryName(LibraryId id) {
  switch (id) {
    case LibraryId::Found: return "FOUND";
    case LibraryId::Fabric: return "FABRIC";
    case LibraryId::Contents: return "CONTENTS";
    case LibraryId::Mech: return "MECHASER";
    case LibraryId::Elec: return "ELECTSER";
    case LibraryId::None: break;
  }
  return "";
}

std::string LibraryFolder(const DbLocations& db, LibraryId id) {
  const std::string* field = LibraryField(db, id, true);
  return field ? *field : std::string();
}

std::string LibraryFile(const DbLocations& db, LibraryId id) {
  const std::string* field = LibraryField(db, id, false);
  return field ? *field : std::string();
}

std::string OperationsFileName(int elmType, OperationsKind kind) {
  return "E" + std::to_string(elmType) + (kind == OperationsKind::Impact ? ".IMP" : ".CST");
}

std::string OperationsFilePath(const DbLocations& db, int grpType, int compType, int elmType, OperationsKind kind) {
  const LibraryId id = LibraryFor(grpType, compType);
  if (id == LibraryId::None) return "";
  return LibraryFolder(db, id) + OperationsFileName(elmType, kind);
}

}  // namespace kelca
