#include "app/ReportWriters.h"

#include "building/SummaryReports.h"

namespace kelca {
namespace {
SummaryInputs InputsOf(const Workspace& ws) {
  return {ws.Project, ws.Db, ws.Project.ProjDir.empty() ? ws.CurrentFolder : ws.Project.ProjDir};
}
}  // namespace

Status WriteInputSummaryReport(Workspace& ws, const std::string& path) {
  return WriteInputSummary(InputsOf(ws), path);
}

Status WriteSelectionSummaryReport(Workspace& ws, const std::string& path) {
  return WriteSelectionSummary(InputsOf(ws), ws.Selection, path);
}

}  // namespace kelca
