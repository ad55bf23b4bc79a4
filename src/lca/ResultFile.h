#pragma once
// The result case file (".RES": a case's project info and all its results)
// and the results table export (".CSV").
#include <optional>
#include <string>

#include "building/ProjectState.h"
#include "common/FileIO.h"
#include "common/Status.h"
#include "lca/LcaResults.h"
#include "lca/ResultCases.h"

namespace kelca {

Status WriteResultFile(const std::string& path, const ProjectState& info, const LcaResultSet& results,
                       const WriteFault* fault = nullptr);
// Reads a whole case; on any failure info and results stay as they were and the
// status names the file. The read info has no folder and no floor area.
Status ReadResultFile(const std::string& path, ProjectState& info, LcaResultSet& results);
// The floor area (CFA) of a read case, which the file does not hold: from the
// project file it names, as saved or else beside the ".RES" file; nothing
// when no such project file can be read.
std::optional<float> FloorAreaOfCase(const std::string& resultPath, const ProjectState& info);

// The selector texts above the exported table.
struct TableHeading {
  std::string ProjectName;
  std::string CaseText, PartText, ClassText, GroupText, StageText;
};
// The comma-separated table of one shown stage.
std::string ResultTableText(const TableHeading& heading, const ShownView& shown);

}  // namespace kelca
