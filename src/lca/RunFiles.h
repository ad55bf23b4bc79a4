#pragma once
// The files of one impact or cost run. Each group, component, element,
// user-values and operations file is read at its first use in the run and
// kept, parsed, in a table keyed by its resolved path until the run ends, so
// that the later stages and the groups, components and elements listed again
// take it from memory. Nothing outlives the run: the next run reads the files
// on disk again.
#include <array>
#include <memory>
#include <string>
#include <unordered_map>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "common/Paths.h"
#include "common/Status.h"
#include "database/ElementLibraries.h"
#include "database/OperationsFile.h"
#include "database/UserValues.h"
#include "lca/ElementMaterials.h"

namespace kelca {

// A group, component or element file as read: its head (the first two lines)
// and, when the head was read, the rest of the file into the record. The type
// code is checked by the walk, which knows the code it expects.
template <class Record>
struct RecordFile {
  Status Head;
  int Code = 0;
  Status Rest;
  Record Data;
};

struct ElementEntry : RecordFile<ElementRecord> {
  std::string Path;  // resolved; the user values lie beside it
  bool UserValuesRead = false;
  UserValues User;
  // The element's materials, worked out at their first use, for each kind of
  // operations file and each library (an element may serve components of two libraries).
  std::array<std::array<std::unique_ptr<ElementMaterials>, kLibraries.size() + 1>, 2> Materials;
};

struct ComponentEntry : RecordFile<ComponentRecord> {
  std::array<ElementEntry*, kElementSlots> Elements{};  // each looked up at its first use
};

struct GroupEntry : RecordFile<GroupRecord> {
  std::array<ComponentEntry*, kMaxGroupComponents> Components{};  // each looked up at its first use
};

struct OperationsEntry {
  std::string Path;  // empty when no library serves the element
  OperationsStatus Read;
  OperationsFile File;
};

class RunFiles {
 public:
  // Group, component and element files are looked up in folder, operations
  // files in the library folders of db.
  RunFiles(std::string folder, const DbLocations& db);
  RunFiles(const RunFiles&) = delete;
  RunFiles& operator=(const RunFiles&) = delete;

  // The group file named in a project list (its file name in the folder).
  GroupEntry& Group(const std::string& listedName);
  // The file of component k of a group and of element e of a component; the
  // records must have been read.
  ComponentEntry& ComponentOf(GroupEntry& group, int k);
  ElementEntry& ElementOf(ComponentEntry& comp, int e);
  // The element's user values; a missing or unreadable file gives none.
  const UserValues& UserValuesOf(ElementEntry& elm);
  // The operations file of an element type in the library serving the group
  // and component type: parsed once per element type, library and kind.
  const OperationsEntry& Operations(int grpType, int compType, int elmType, OperationsKind kind);

 private:
  std::string folder_;
  const DbLocations& db_;
  FileFinder finder_;
  std::unordered_map<std::string, GroupEntry> groups_;
  std::unordered_map<std::string, ComponentEntry> components_;
  std::unordered_map<std::string, ElementEntry> elements_;
  std::unordered_map<std::string, OperationsEntry> operations_;
};

}  // namespace kelca
