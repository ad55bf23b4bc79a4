#pragma once
// A small building written with the project's own writers into a temporary
// folder, with a database folder holding library folders and operations files.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Workspace.h"
#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "common/TextWriter.h"
#include "lca/UserValues.h"
#include "support/TempFolder.h"

namespace kelca::testing {

struct CompLine {
  std::string file;
  int type = 0;  // position of the component type
  float qty = 1;
};

struct ElmLine {
  std::string file;
  int elmType = 0;
};

struct OpsBlock {
  int matNo = 0;
  std::vector<std::pair<float, int>> lines;  // value, code
  float wastage = 0;
  float life = 0;
};

class CalcProject {
 public:
  CalcProject() : ws(std::make_unique<Workspace>()) {
    proj = tmp.Folder() + "proj/";
    std::filesystem::create_directories(proj);
    ws->Project.ProjFileName = "TEST.PRJ";
    ws->Project.ProjName = "Test";
    ws->Project.ProjDir = proj;
    ws->CurrentFolder = proj;
    ws->Db.LcaDbFolder = tmp.Folder() + "db/";
    SetLibraryLocations(ws->Db);
    for (const std::string* f : {&ws->Db.FoundLibFolder, &ws->Db.FabricLibFolder, &ws->Db.ContentsLibFolder,
                                 &ws->Db.MechLibFolder, &ws->Db.ElecLibFolder}) {
      std::filesystem::create_directories(*f);
    }
    SetDefaultParameters(ws->Params);
    ResetAllSel(ws->Selection);
  }

  // Material number no in row: impact factor c is scale * c, waste factor c is 100 * scale * c.
  void AddMaterial(int row, int no, float scale, float energy = 0, float cost = 0) {
    MaterialTable& m = ws->Materials;
    m.MatNo[row] = no;
    m.MatRowOf[no] = row;
    for (int c = 0; c < kImpactCategories; ++c) {
      m.MatImpact[row][c] = scale * (c + 1);
      m.MatWasteImpact[row][c] = 100 * scale * (c + 1);
    }
    m.MatEnergy[row] = energy;
    m.MatCost[row] = cost;
  }

  void AddGroup(int grpType, const std::string& file, float qtyInProject, const std::vector<CompLine>& comps) {
    GroupRecord g;
    g.GrpFile = file;
    g.GrpName = file;
    g.GrpQty = 99;  // the project's quantity counts, not this one
    g.GrpCompCount = static_cast<int>(comps.size());
    for (size_t c = 0; c < comps.size(); ++c) {
      g.GrpCompFile[c] = comps[c].file;
      g.GrpCompName[c] = comps[c].file;
      g.GrpCompType[c] = comps[c].type;
      g.GrpCompQty[c] = comps[c].qty;
    }
    Require(WriteGroupFile(proj, grpType, g));
    ProjectState& p = ws->Project;
    int& count = grpType == kFoundation ? p.FdnCount : grpType == kFloor ? p.FlrCount : p.SerCount;
    std::string* files = grpType == kFoundation ? p.FdnFile.data() : grpType == kFloor ? p.FlrFile.data() : p.SerFile.data();
    float* qty = grpType == kFoundation ? p.FdnQty.data() : grpType == kFloor ? p.FlrQty.data() : p.SerQty.data();
    files[count] = file;
    qty[count] = qtyInProject;
    ++count;
  }

  void AddComponent(int fileTypeCode, const std::string& file, int compType, const std::vector<ElmLine>& elms) {
    ComponentRecord c;
    c.CompFile = file;
    c.CompName = file;
    c.CompType = compType;
    c.CompQty = 77;  // not used by the calculation
    c.CompElmCount = static_cast<int>(elms.size());
    for (size_t e = 0; e < elms.size(); ++e) {
      c.CompElmFile[e] = elms[e].file;
      c.CompElmName[e] = elms[e].file;
      c.CompElmType[e] = elms[e].elmType;
    }
    Require(WriteCompFile(proj, fileTypeCode, c));
  }

  void AddElement(int fileTypeCode, const std::string& file, int elmType, const std::vector<std::string>& values) {
    ElementRecord e;
    e.ElmFile = file;
    e.ElmName = file;
    e.ElmType = elmType;
    for (size_t k = 0; k < values.size(); ++k) e.ElmValue[k] = values[k];
    Require(WriteElmFile(proj, fileTypeCode, e));
  }

  void AddUserValues(const std::string& elmFile, const UserValues& values) {
    Require(WriteUserValues(UserValuesPathOf(proj + elmFile), values, true));
  }

  static void WriteOps(const std::string& path, const std::vector<OpsBlock>& blocks) {
    TextWriter w;
    w.Line(static_cast<int>(blocks.size()));
    for (const OpsBlock& b : blocks) {
      w.Line("material");
      w.Line(b.matNo);
      w.Line(static_cast<int>(b.lines.size()));
      for (const auto& [value, code] : b.lines) w.Line(value, code, "", "");
      w.Line(b.wastage);
      w.Line(b.life);
    }
    ASSERT_TRUE(w.Save(path));
  }

  TempFolder tmp;
  std::string proj;
  std::unique_ptr<Workspace> ws;

 private:
  static void Require(const Status& s) { ASSERT_TRUE(s.ok) << s.message; }
};

}  // namespace kelca::testing
