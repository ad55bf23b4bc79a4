// The largest building: the element files form a pool per library (an element
// of each element type, and one that lists its own materials); components take
// their 20 elements from the pool of their library, groups their 101
// components from a pool of components, and the project lists 20 floor and 20
// services groups made of four group files each.
#include "datagen/LargestBuilding.h"

#include <map>
#include <memory>
#include <vector>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "common/Numbers.h"
#include "database/ElementLibraries.h"
#include "database/ElementLibrary.h"
#include "database/UserValues.h"

namespace kelca::datagen {
namespace {

constexpr int kGroupFiles = 4;         // group files per group type, each listed five times
constexpr int kDistinctComponents = 50;  // per group type in the distinct form: 50 x 20 x 2 element files

// An element type of a library and the number of its items.
struct ElementKind {
  int Type = 0;  // 0: the element lists its own materials
  int Items = 0;
};

// The element types of the library serving grpType and compType, then the
// kind that lists its own materials.
Status LibraryKinds(const DbLocations& db, int grpType, int compType, std::vector<ElementKind>& kinds) {
  auto lib = std::make_unique<ElementLibrary>();
  if (Status s = LoadElmLib(db, grpType, compType, *lib); !s) return s;
  kinds.clear();
  for (int row = 0; row < lib->ElmLibCount; ++row) {
    ElementKind kind{lib->ElmLibCodeOfRow[row], 0};
    for (int k = 0; k < kElementItems; ++k) {
      if (!ElmItemName(*lib, row, k).empty()) kind.Items = k + 1;
    }
    if (kind.Type > 0) kinds.push_back(kind);
  }
  if (kinds.empty()) return Status::Error(LibraryFile(db, LibraryFor(grpType, compType)) + " has no element types");
  kinds.push_back({0, 16});
  return Status::Ok();
}

// Item values from 0.5 to 6 in steps of 0.25, varied by the element's seed.
std::string ItemValue(int seed, int k) { return FormatSingle(0.5f + static_cast<float>((seed * 7 + k * 13) % 23) / 4); }

// Up to four materials of its own (number, quantity, wastage %, life): lives of
// 20, 60, -5 and 0 years among them.
void OwnMaterials(int seed, ElementRecord& e) {
  static const int kMaterials[] = {4, 25, 42, 36, 47, 31, 59, 12};
  static const char* const kLives[] = {"20", "60", "-5", "0", "25", "50"};
  const int count = 1 + seed % 4;
  for (int m = 0; m < count; ++m) {
    e.ElmValue[4 * m] = std::to_string(kMaterials[(seed + 3 * m) % 8]);
    e.ElmValue[4 * m + 1] = ItemValue(seed, m);
    e.ElmValue[4 * m + 2] = std::to_string((seed + m) % 11);
    e.ElmValue[4 * m + 3] = kLives[(seed + m) % 6];
  }
}

// Every fifth element of a pool carries user values for its first two materials.
Status WriteElement(const std::string& folder, int grpType, const std::string& file, const ElementKind& kind,
                    int seed) {
  ElementRecord e;
  e.ElmFile = file;
  e.ElmName = "Element " + std::to_string(seed);
  e.ElmType = kind.Type;
  if (kind.Type == 0) {
    OwnMaterials(seed, e);
  } else {
    for (int k = 0; k < kind.Items; ++k) e.ElmValue[k] = ItemValue(seed, k);
  }
  if (Status s = WriteElmFile(folder, ElmFileTypeCode(grpType), e); !s) return s;
  if (seed % 5 != 0) return Status::Ok();
  const UserValues user{false, 2, {26 + seed % 3, 45}, {5, 0}, {30, -1}, {12.5f, 800}};
  return WriteUserValues(UserValuesPathOf(folder + file), user, true);
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// An element file and its element type.
struct ElementFile {
  std::string File;
  int Type = 0;
};

// A component of the pool: its file name, type and elements.
struct ComponentPlan {
  std::string File;
  int CompType = 0;
  std::vector<ElementFile> Elements;
};

// The element files of one library, one per kind, written once; named after
// the library ("FAB03.FLE").
Status WriteSharedPool(const std::string& folder, const DbLocations& db, int grpType, int compType,
                       std::vector<ElementFile>& files) {
  std::vector<ElementKind> kinds;
  if (Status s = LibraryKinds(db, grpType, compType, kinds); !s) return s;
  const std::string prefix = LibraryName(LibraryFor(grpType, compType)).substr(0, 3);
  files.clear();
  for (size_t i = 0; i < kinds.size(); ++i) {
    files.push_back({prefix + TwoDigits(static_cast<int>(i)) + ElmFileExtension(grpType), kinds[i].Type});
    if (Status s = WriteElement(folder, grpType, files.back().File, kinds[i], static_cast<int>(i)); !s) return s;
  }
  return Status::Ok();
}

// Shared: two components per component type, their elements drawn in turn from
// the pool of their library (components of one library share its files).
Status PlanSharedComponents(const std::string& folder, const DbLocations& db, int grpType,
                            std::vector<ComponentPlan>& plans) {
  const int types = CompTypeCount(grpType);
  std::map<LibraryId, std::vector<ElementFile>> pools;
  for (int n = 0; n < 2 * types; ++n) {
    ComponentPlan plan{"C" + TwoDigits(n) + CompFileExtension(grpType), n % types, {}};
    std::vector<ElementFile>& pool = pools[LibraryFor(grpType, plan.CompType)];
    if (pool.empty()) {
      if (Status s = WriteSharedPool(folder, db, grpType, plan.CompType, pool); !s) return s;
    }
    for (int e = 0; e < kMaxComponentElements; ++e) plan.Elements.push_back(pool[(n * 7 + e) % pool.size()]);
    plans.push_back(std::move(plan));
  }
  return Status::Ok();
}

// Distinct: 50 components of 20 elements of their own ("F0719.FLE": component 7, element 19).
Status PlanDistinctComponents(const std::string& folder, const DbLocations& db, int grpType,
                              std::vector<ComponentPlan>& plans) {
  const int types = CompTypeCount(grpType);
  const std::string letter = grpType == kFloor ? "F" : "S";
  for (int n = 0; n < kDistinctComponents; ++n) {
    ComponentPlan plan{"C" + TwoDigits(n) + CompFileExtension(grpType), n % types, {}};
    std::vector<ElementKind> kinds;
    if (Status s = LibraryKinds(db, grpType, plan.CompType, kinds); !s) return s;
    for (int e = 0; e < kMaxComponentElements; ++e) {
      const int seed = n * kMaxComponentElements + e;
      const ElementKind& kind = kinds[seed % kinds.size()];
      plan.Elements.push_back({letter + TwoDigits(n) + TwoDigits(e) + ElmFileExtension(grpType), kind.Type});
      if (Status s = WriteElement(folder, grpType, plan.Elements.back().File, kind, seed); !s) {
        return s;
      }
    }
    plans.push_back(std::move(plan));
  }
  return Status::Ok();
}

Status WriteComponents(const std::string& folder, int grpType, const std::vector<ComponentPlan>& plans) {
  for (const ComponentPlan& plan : plans) {
    ComponentRecord c;
    c.CompFile = plan.File;
    c.CompName = "Component " + plan.File;
    c.CompType = plan.CompType;
    c.CompQty = 1;
    c.CompElmCount = static_cast<int>(plan.Elements.size());
    for (int e = 0; e < c.CompElmCount; ++e) {
      c.CompElmFile[e] = plan.Elements[e].File;
      c.CompElmType[e] = plan.Elements[e].Type;
      c.CompElmName[e] = "Element " + std::to_string(e + 1);
    }
    if (Status s = WriteCompFile(folder, CompFileTypeCode(grpType), c); !s) return s;
  }
  return Status::Ok();
}

// Four group files of 101 components each (1 to 3 of each in the group), each
// listed five times in the project, once or twice in the building.
template <size_t N>
Status WriteGroups(const std::string& folder, int grpType, const std::vector<ComponentPlan>& plans, int& count,
                   std::array<std::string, N>& files, std::array<std::string, N>& names, std::array<float, N>& qtys) {
  const std::string stem = grpType == kFloor ? "FLOOR" : "SERV";
  for (int j = 0; j < kGroupFiles; ++j) {
    GroupRecord g;
    g.GrpFile = stem + std::to_string(j + 1) + GroupFileExtension(grpType);
    g.GrpName = GroupTypeName(grpType) + " group " + std::to_string(j + 1);
    g.GrpQty = 1;
    g.GrpCompCount = kMaxGroupComponents;
    for (int k = 0; k < kMaxGroupComponents; ++k) {
      const ComponentPlan& plan = plans[(j * 5 + k) % plans.size()];
      g.GrpCompFile[k] = plan.File;
      g.GrpCompName[k] = "Component " + std::to_string(k + 1);
      g.GrpCompType[k] = plan.CompType;
      g.GrpCompQty[k] = static_cast<float>(1 + k % 3);
    }
    if (Status s = WriteGroupFile(folder, grpType, g); !s) return s;
  }
  count = static_cast<int>(N);
  for (int i = 0; i < count; ++i) {
    files[i] = stem + std::to_string(i % kGroupFiles + 1) + GroupFileExtension(grpType);
    names[i] = GroupTypeName(grpType) + " " + std::to_string(i + 1);
    qtys[i] = static_cast<float>(1 + i % 2);
  }
  return Status::Ok();
}

}  // namespace

Status WriteLargestBuilding(const std::string& folder, const DbLocations& db, ElementFiles files) {
  auto project = std::make_unique<ProjectState>();
  project->ProjFileName = kLargestProjectFile;
  project->ProjName = files == ElementFiles::Shared ? "Largest building" : "Largest building, distinct elements";
  project->CFA = 60000;
  for (int grpType : {kFloor, kServices}) {
    std::vector<ComponentPlan> plans;
    Status s = files == ElementFiles::Shared ? PlanSharedComponents(folder, db, grpType, plans)
                                            : PlanDistinctComponents(folder, db, grpType, plans);
    if (s) s = WriteComponents(folder, grpType, plans);
    if (s) {
      s = grpType == kFloor ? WriteGroups(folder, grpType, plans, project->FlrCount, project->FlrFile,
                                          project->FlrName, project->FlrQty)
                            : WriteGroups(folder, grpType, plans, project->SerCount, project->SerFile,
                                          project->SerName, project->SerQty);
    }
    if (!s) return s;
  }
  return WriteProjectFile(folder + kLargestProjectFile, *project);
}

}  // namespace kelca::datagen
