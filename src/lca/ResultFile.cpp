#include "lca/ResultFile.h"

#include <memory>

#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {
namespace {

// One group list of the project info (foundations, floors or services).
template <size_t N>
struct GroupList {
  int& count;
  std::array<std::string, N>& file;
  std::array<std::string, N>& name;
  std::array<float, N>& qty;
};

template <size_t N>
void WriteGroups(TextWriter& w, int count, const std::array<std::string, N>& file,
                 const std::array<std::string, N>& name, const std::array<float, N>& qty) {
  w.Line(count);
  for (int g = 0; g < count; ++g) w.Line(file[g], name[g], qty[g]);
}

template <size_t N>
void ReadGroups(TextReader& r, GroupList<N> list, const char* what) {
  if (!r.ReadCount(list.count, 0, static_cast<int>(N), what)) return;
  for (int g = 0; g < list.count; ++g) {
    r.ReadString(list.file[g]);
    r.ReadString(list.name[g]);
    r.ReadSingle(list.qty[g]);
  }
}

// The values of one part at one stage in file order: categories 0..10, energy, waste, cost.
template <class Part, class F>
void ForEachStageValue(Part& part, int s, F&& f) {
  for (int c = 0; c < kImpactSlots; ++c) f(part.Impact[s][c]);
  f(part.Energy[s]);
  f(part.Waste[s]);
  f(part.Cost[s]);
}

// Parts written one value per line: portions and groups.
template <class Part>
void WriteSinglePart(TextWriter& w, const Part& part) {
  for (int s = 0; s < kStages; ++s) ForEachStageValue(part, s, [&](float v) { w.Line(v); });
}

void ReadSinglePart(TextReader& r, PartResult& part) {
  for (int s = 0; s < kStages; ++s) ForEachStageValue(part, s, [&](float& v) { r.ReadSingle(v); });
}

// Calls f(Bldg value, Fdn value, Flr value, Ser value) once per line of the building block.
template <class Set, class F>
void ForEachBuildingLine(Set& set, F&& f) {
  for (int s = 0; s < kStages; ++s) {
    for (int c = 0; c < kImpactSlots; ++c) f(set.Bldg.Impact[s][c], set.Fdn.Impact[s][c], set.Flr.Impact[s][c], set.Ser.Impact[s][c]);
    f(set.Bldg.Energy[s], set.Fdn.Energy[s], set.Flr.Energy[s], set.Ser.Energy[s]);
    f(set.Bldg.Waste[s], set.Fdn.Waste[s], set.Flr.Waste[s], set.Ser.Waste[s]);
    f(set.Bldg.Cost[s], set.Fdn.Cost[s], set.Flr.Cost[s], set.Ser.Cost[s]);
  }
}

}  // namespace

Status WriteResultFile(const std::string& path, const ProjectState& info, const LcaResultSet& results,
                       const WriteFault* fault) {
  TextWriter w;
  w.Line(info.ProjFileName);
  w.Line(info.ProjName);
  WriteGroups(w, info.FdnCount, info.FdnFile, info.FdnName, info.FdnQty);
  WriteGroups(w, info.FlrCount, info.FlrFile, info.FlrName, info.FlrQty);
  WriteGroups(w, info.SerCount, info.SerFile, info.SerName, info.SerQty);
  ForEachBuildingLine(results, [&](float b, float f, float l, float s) { w.Line(b, f, l, s); });
  for (const auto& p : results.FlrPortion) WriteSinglePart(w, p);
  for (const auto& p : results.SerPortion) WriteSinglePart(w, p);
  for (int g = 0; g < info.FdnCount; ++g) WriteSinglePart(w, results.FdnGroup[g]);
  for (int g = 0; g < info.FlrCount; ++g) WriteSinglePart(w, results.FlrGroup[g]);
  for (int g = 0; g < info.SerCount; ++g) WriteSinglePart(w, results.SerGroup[g]);
  return w.Save(path, fault);
}

Status ReadResultFile(const std::string& path, ProjectState& info, LcaResultSet& results) {
  TextReader r("", "");
  if (Status opened = TextReader::Open(path, r); !opened) return opened;
  ProjectState newInfo;
  auto newResults = std::make_unique<LcaResultSet>();
  r.ReadString(newInfo.ProjFileName);
  r.ReadString(newInfo.ProjName);
  ReadGroups(r, GroupList<kMaxFdnGroups>{newInfo.FdnCount, newInfo.FdnFile, newInfo.FdnName, newInfo.FdnQty},
             "the foundation group count");
  ReadGroups(r, GroupList<kMaxFlrGroups>{newInfo.FlrCount, newInfo.FlrFile, newInfo.FlrName, newInfo.FlrQty},
             "the floor group count");
  ReadGroups(r, GroupList<kMaxSerGroups>{newInfo.SerCount, newInfo.SerFile, newInfo.SerName, newInfo.SerQty},
             "the services group count");
  LcaResultSet& res = *newResults;
  ForEachBuildingLine(res, [&](float& b, float& f, float& l, float& s) {
    r.ReadSingle(b);
    r.ReadSingle(f);
    r.ReadSingle(l);
    r.ReadSingle(s);
  });
  for (auto& p : res.FlrPortion) ReadSinglePart(r, p);
  for (auto& p : res.SerPortion) ReadSinglePart(r, p);
  for (int g = 0; g < newInfo.FdnCount; ++g) ReadSinglePart(r, res.FdnGroup[g]);
  for (int g = 0; g < newInfo.FlrCount; ++g) ReadSinglePart(r, res.FlrGroup[g]);
  for (int g = 0; g < newInfo.SerCount; ++g) ReadSinglePart(r, res.SerGroup[g]);
  if (r.Failed()) return r.Result();
  info = std::move(newInfo);
  results = res;
  return Status::Ok();
}

std::optional<float> FloorAreaOfCase(const std::string& resultPath, const ProjectState& info) {
  if (info.ProjFileName.empty()) return std::nullopt;
  const std::string named = ToNativeSeparators(info.ProjFileName);
  for (const std::string& candidate :
       {ResolvePath(FolderOf(resultPath), named), FolderOf(resultPath) + FileNameOf(named)}) {
    const std::string path = FindExistingFile(candidate);
    ProjectState project;
    if (FileExists(path) && ReadProjectFile(path, project)) return project.CFA;
  }
  return std::nullopt;
}

std::string ResultTableText(const TableHeading& h, const ShownView& shown) {
  TextWriter w;
  w.Line("Project:", h.ProjectName, "", "", "");
  w.Line("", "", "", "", "");
  w.Line("Case", "Building Parts", "", "", "Life Cycle Stage");
  w.Line(h.CaseText, h.PartText, h.ClassText, h.GroupText, h.StageText);
  w.Line("", "", "", "", "");
  w.Line("LCIA/LCC Results", "", "", "", "");
  w.Line("Impact Categories", "Characterised", "Unit", "Normalised", "Weighted");
  for (int c = 1; c < kImpactSlots; ++c) {
    w.Line(CategoryText(c), Val(shown.Characterised[c]), CategoryUnit(c), Val(shown.Normalised[c]),
           Val(shown.Weighted[c]));
  }
  w.Line(CategoryText(11), Val(shown.Energy), CategoryUnit(11), "", Val(shown.Weighted[0]));
  w.Line(CategoryText(12), Val(shown.Waste), CategoryUnit(12), "", Val(shown.Cost));
  w.Line("", "", "", "Total LCA/LCC Score", shown.Score);
  return w.Text();
}

}  // namespace kelca
