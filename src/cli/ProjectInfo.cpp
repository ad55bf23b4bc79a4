// kelca-cli project-info PROJECT.PRJ [--db DBFOLDER]: reads the project and
// walks its group, component and element files, printing the building as a
// tree. With --db the element type names and the item names and units come
// from the element libraries. Every reader message goes to stderr; the exit
// status is 1 when any file could not be read.
#include <iostream>
#include <memory>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/GroupTypes.h"
#include "building/ProjectState.h"
#include "cli/Command.h"
#include "cli/DatabaseArgument.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "database/ElementLibraries.h"
#include "database/ElementLibrary.h"
#include "database/UserValues.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage = "PROJECT.PRJ [--db DBFOLDER]";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class ProjectPrinter {
 public:
  ProjectPrinter(std::string folder, const DbLocations* db, const MaterialTable* materials)
      : folder_(std::move(folder)), db_(db), materials_(materials) {}

  void PrintGroups(int grpType, int count, const std::string* files, const std::string* names, const float* qtys) {
    std::cout << GroupTypeName(grpType) << " groups: " << count << "\n";
    LoadCompTypeNames(grpType, compTypeNames_);
    for (int g = 0; g < count; ++g) {
      std::cout << "  Group " << g + 1 << ": " << Quoted(names[g]) << " (" << files[g] << "), no. in building "
                << FormatSingle(qtys[g]) << "\n";
      PrintGroupFile(grpType, files[g]);
    }
  }

  int Problems() const { return problems_; }

 private:
  bool Check(const Status& status) {
    if (status) return true;
    std::cerr << "kelca-cli project-info: " << status.message << "\n";
    ++problems_;
    return false;
  }

  void PrintGroupFile(int grpType, const std::string& file) {
    auto group = std::make_unique<GroupRecord>();
    group->GrpFile = file;
    if (!Check(ReadGroupFile(folder_, grpType, GroupTypeName(grpType), *group))) return;
    for (int c = 0; c < group->GrpCompCount; ++c) {
      std::cout << "    Component " << c + 1 << ": " << Quoted(group->GrpCompName[c]) << " ("
                << group->GrpCompFile[c] << "), type " << CompTypeText(group->GrpCompType[c]) << ", no. in group "
                << FormatSingle(group->GrpCompQty[c]) << "\n";
      PrintComponentFile(grpType, group->GrpCompFile[c]);
    }
  }

  void PrintComponentFile(int grpType, const std::string& file) {
    ComponentRecord comp;
    comp.CompFile = file;
    if (!Check(ReadCompFile(folder_, CompFileTypeCode(grpType), comp))) return;
    const bool withLibrary = UseLibrary(grpType, comp.CompType);
    for (int e = 0; e < comp.CompElmCount; ++e) {
      std::cout << "      Element " << e + 1 << ": " << Quoted(comp.CompElmName[e]) << " (" << comp.CompElmFile[e]
                << "), type " << ElementTypeText(comp.CompElmType[e], withLibrary) << "\n";
      PrintElementFile(grpType, comp.CompElmFile[e], withLibrary);
    }
  }

  void PrintElementFile(int grpType, const std::string& file, bool withLibrary) {
    ElementRecord elm;
    elm.ElmFile = file;
    if (!Check(ReadElmFile(folder_, ElmFileTypeCode(grpType), GroupTypeName(grpType), elm))) return;
    const int row = withLibrary ? ElmLibRowOf(*lib_, elm.ElmType) : -1;
    const int values = ElementValueCount(elm);
    for (int k = 0; k < values; ++k) {
      std::cout << "        Value " << k + 1 << ": " << Quoted(elm.ElmValue[k]);
      if (row >= 0) std::cout << " [" << ElmItemName(*lib_, row, k) << ", " << ElmItemUnit(*lib_, row, k) << "]";
      if (!elm.ElmRemark[k].empty()) std::cout << " remark " << Quoted(elm.ElmRemark[k]);
      std::cout << "\n";
    }
    PrintUserValues(UserValuesPathOf(ResolvePath(folder_, elm.ElmFile)));
  }

  void PrintUserValues(const std::string& path) {
    UserValues values;
    if (!Check(ReadUserValues(path, values)) || !values.UseUserValues) return;
    std::cout << "        User values (" << FileNameOf(path) << "): " << values.Count << (values.Count == 1 ? " material\n" : " materials\n");
    for (int i = 0; i < values.Count; ++i) {
      std::cout << "          Material " << i + 1 << ": no. " << values.MatNo[i];
      if (materials_) std::cout << " " << Quoted(materials_->MatName[RowOfMaterial(*materials_, values.MatNo[i])]);
      std::cout << ", wastage " << FormatSingle(values.Wastage[i]) << " %, life " << FormatSingle(values.Life[i])
                << " years, unit cost " << FormatSingle(values.Cost[i]) << "\n";
    }
  }

  std::string CompTypeText(int compType) const {
    const bool known = compType >= 0 && compType < kCompTypeSlots && !compTypeNames_[compType].empty();
    return known ? Quoted(compTypeNames_[compType]) : std::to_string(compType) + " (no such component type)";
  }

  std::string ElementTypeText(int code, bool withLibrary) const {
    if (!withLibrary) return std::to_string(code);
    const int row = ElmLibRowOf(*lib_, code);
    return std::to_string(code) + " " + (row >= 0 ? Quoted(lib_->ElmLibName[row]) : "(not in the library)");
  }

  // Loads the library that serves a component (once while it stays the same); true when loaded.
  bool UseLibrary(int grpType, int compType) {
    if (!db_) return false;
    const LibraryId id = LibraryFor(grpType, compType);
    if (id == LibraryId::None) return false;
    if (id == failed_) return false;  // reported once already
    if (id != loaded_) {
      if (!lib_) lib_ = std::make_unique<ElementLibrary>();
      loaded_ = LibraryId::None;
      if (!Check(LoadElmLibFile(LibraryFile(*db_, id), *lib_))) {
        failed_ = id;
        return false;
      }
      loaded_ = id;
    }
    return true;
  }

  std::string folder_;
  const DbLocations* db_;
  const MaterialTable* materials_;
  CompTypeNameList compTypeNames_;
  std::unique_ptr<ElementLibrary> lib_;
  LibraryId loaded_ = LibraryId::None;
  LibraryId failed_ = LibraryId::None;
  int problems_ = 0;
};

int RunProjectInfo(const std::vector<std::string>& args) {
  std::string projectFile, dbArgument;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--db" && i + 1 < args.size()) {
      dbArgument = args[++i];
    } else if (projectFile.empty() && args[i].rfind("--", 0) != 0) {
      projectFile = args[i];
    } else {
      std::cerr << "Usage: kelca-cli project-info " << kUsage << "\n";
      return 2;
    }
  }
  if (projectFile.empty()) {
    std::cerr << "Usage: kelca-cli project-info " << kUsage << "\n";
    return 2;
  }

  DbLocations db;
  std::unique_ptr<MaterialTable> materials;
  if (!dbArgument.empty()) {
    materials = std::make_unique<MaterialTable>();
    if (Status status = OpenDatabaseArgument(dbArgument, db, *materials); !status) {
      std::cerr << "kelca-cli project-info: " << status.message << "\n";
      return 1;
    }
  }
  auto project = std::make_unique<ProjectState>();
  if (Status status = ReadProjectFile(projectFile, *project); !status) {
    std::cerr << "kelca-cli project-info: " << status.message << "\n";
    return 1;
  }

  std::cout << "Project " << Quoted(project->ProjName) << " (" << projectFile << "), CFA "
            << FormatSingle(project->CFA) << " m2\n";
  ProjectPrinter printer(FolderOf(projectFile), materials ? &db : nullptr, materials.get());
  printer.PrintGroups(kFoundation, project->FdnCount, project->FdnFile.data(), project->FdnName.data(),
                      project->FdnQty.data());
  printer.PrintGroups(kFloor, project->FlrCount, project->FlrFile.data(), project->FlrName.data(),
                      project->FlrQty.data());
  printer.PrintGroups(kServices, project->SerCount, project->SerFile.data(), project->SerName.data(),
                      project->SerQty.data());
  if (printer.Problems() > 0) {
    std::cerr << "kelca-cli project-info: " << printer.Problems() << " file(s) of " << projectFile
              << " could not be read\n";
    return 1;
  }
  return 0;
}

const CommandRegistration kRegistration{
    "project-info", kUsage, "reads a project and prints its groups, components and elements", &RunProjectInfo};

}  // namespace
}  // namespace kelca::cli
