// The project file (.PRJ): the path it was saved under, the name and floor
// area, then the foundation, floor and services group lists, each a count
// followed by one line per group (file, name, number in the building).
#include <string_view>

#include "building/ProjectState.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {
namespace {

// Reads one group list. The count grows with every group read in full, so a
// file that breaks off leaves a dense list of the groups read before the break.
template <size_t N>
bool ReadGroupList(TextReader& in, std::string_view what, int& count, std::array<std::string, N>& file,
                   std::array<std::string, N>& name, std::array<float, N>& qty) {
  int expected = 0;
  if (!in.ReadCount(expected, 0, static_cast<int>(N), what)) return false;
  count = 0;
  for (int i = 0; i < expected; ++i) {
    if (!in.ReadString(file[i]) || !in.ReadString(name[i]) || !in.ReadSingle(qty[i])) return false;
    count = i + 1;
  }
  return true;
}

template <size_t N>
bool WriteGroupList(TextWriter& out, int count, const std::array<std::string, N>& file,
                    const std::array<std::string, N>& name, const std::array<float, N>& qty) {
  if (count < 0 || count > static_cast<int>(N)) return false;
  out.Line(count);
  for (int i = 0; i < count; ++i) out.Line(file[i], name[i], qty[i]);
  return true;
}

}  // namespace

Status ReadProjectFile(const std::string& path, ProjectState& project) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  std::string savedAs;  // the name it was saved under; not used
  in.ReadString(savedAs) && in.ReadString(project.ProjName) && in.ReadSingle(project.CFA) &&
      ReadGroupList(in, "the foundation group count", project.FdnCount, project.FdnFile, project.FdnName,
                    project.FdnQty) &&
      ReadGroupList(in, "the floor group count", project.FlrCount, project.FlrFile, project.FlrName,
                    project.FlrQty) &&
      ReadGroupList(in, "the services group count", project.SerCount, project.SerFile, project.SerName,
                    project.SerQty);
  return in.Result();
}

Status WriteProjectFile(const std::string& path, const ProjectState& project) {
  TextWriter out;
  out.Line(project.ProjFileName);
  out.Line(project.ProjName, project.CFA);
  const bool countsFit =
      WriteGroupList(out, project.FdnCount, project.FdnFile, project.FdnName, project.FdnQty) &&
      WriteGroupList(out, project.FlrCount, project.FlrFile, project.FlrName, project.FlrQty) &&
      WriteGroupList(out, project.SerCount, project.SerFile, project.SerName, project.SerQty);
  if (!countsFit) return Status::Error("Cannot write " + path + ": a group count is outside its bounds");
  return out.Save(path);
}

}  // namespace kelca
