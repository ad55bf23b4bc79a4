#pragma once
// The open project: its file, name, folder, floor area and the three group lists.
#include <array>
#include <string>

#include "common/Status.h"

namespace kelca {

constexpr int kMaxFdnGroups = 10;
constexpr int kMaxFlrGroups = 20;
constexpr int kMaxSerGroups = 20;

struct ProjectState {
  std::string ProjFileName;  // bare name after Open/Create, full path after Save; empty: no project
  std::string ProjName;
  std::string ProjDir;       // project folder ending in "/"; empty: no project
  float CFA = 0;             // construction floor area, m2

  int FdnCount = 0;
  std::array<std::string, kMaxFdnGroups> FdnFile, FdnName;
  std::array<float, kMaxFdnGroups> FdnQty{};

  int FlrCount = 0;
  std::array<std::string, kMaxFlrGroups> FlrFile, FlrName;
  std::array<float, kMaxFlrGroups> FlrQty{};

  int SerCount = 0;
  std::array<std::string, kMaxSerGroups> SerFile, SerName;
  std::array<float, kMaxSerGroups> SerQty{};
};

// True while a project is open (it has a project file name).
inline bool ProjectIsOpen(const ProjectState& project) { return !project.ProjFileName.empty(); }

// The project file (.PRJ). Reading keeps what was read before a failure and
// names the file and the fault in the status.
Status ReadProjectFile(const std::string& path, ProjectState& project);
Status WriteProjectFile(const std::string& path, const ProjectState& project);

}  // namespace kelca
