#include "lca/RunFiles.h"

#include "building/RecordFileHead.h"
#include "common/Paths.h"

namespace kelca {
namespace {

// The entry of path, read with readRest at its first use.
template <class Entry, class ReadRest>
Entry& Lookup(std::unordered_map<std::string, Entry>& table, const std::string& path, ReadRest readRest) {
  auto [it, added] = table.try_emplace(path);
  Entry& entry = it->second;
  if (added) {
    TextReader in("", "");
    entry.Head = ReadRecordFileHead(path, in, entry.Code);
    if (entry.Head) entry.Rest = readRest(in, entry.Data);
  }
  return entry;
}

}  // namespace

RunFiles::RunFiles(std::string folder, const DbLocations& db) : folder_(std::move(folder)), db_(db) {}

GroupEntry& RunFiles::Group(const std::string& listedName) {
  return Lookup(groups_, ResolvePath(folder_, FileNameOf(listedName)), ReadGroupRest);
}

ComponentEntry& RunFiles::ComponentOf(GroupEntry& group, int k) {
  ComponentEntry*& comp = group.Components[k];
  if (!comp) comp = &Lookup(components_, ResolvePath(folder_, FileNameOf(group.Data.GrpCompFile[k])), ReadCompRest);
  return *comp;
}

ElementEntry& RunFiles::ElementOf(ComponentEntry& comp, int e) {
  ElementEntry*& elm = comp.Elements[e];
  if (!elm) {
    const std::string path = ResolvePath(folder_, comp.Data.CompElmFile[e]);
    elm = &Lookup(elements_, path, ReadElmRest);
    elm->Path = path;
    elm->Data.ElmFile = comp.Data.CompElmFile[e];  // as the messages name it
  }
  return *elm;
}

const UserValues& RunFiles::UserValuesOf(ElementEntry& elm) {
  if (!elm.UserValuesRead) {
    // Most elements have none: the folder's listing answers without a search per element.
    if (const auto path = finder_.Find(UserValuesPathOf(elm.Path))) {
      (void)ReadUserValues(*path, elm.User);  // unreadable: no user values
    }
    elm.UserValuesRead = true;
  }
  return elm.User;
}

const OperationsEntry& RunFiles::Operations(int grpType, int compType, int elmType, OperationsKind kind) {
  const std::string path = OperationsFilePath(db_, grpType, compType, elmType, kind);
  auto [it, added] = operations_.try_emplace(path);
  OperationsEntry& ops = it->second;
  if (added) {
    ops.Path = path;
    ops.Read = path.empty() ? OperationsStatus{OperationsOutcome::Unreadable, ""} : ReadOperationsFile(path, ops.File);
  }
  return ops;
}

}  // namespace kelca
