#pragma once
// A project in a temporary folder over the sample database, as the tests of
// the building screens use it: the group being edited, element and component
// files made for a test, and a file that cannot be written.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "building/GroupTypes.h"
#include "building/SelectionTables.h"
#include "support/WorkspaceFixture.h"

namespace kelca::testing {

struct BuildingProject : WorkspaceFixture {
  BuildingProject() {
    OpenProject();
    if (!kelca::OpenDatabase(KELCA_SOURCE_DIR "/data/db/MATLCIA.IDB", ws->Db, ws->Materials)) {
      throw std::runtime_error("sample database not loaded");
    }
    kelca::ResetAllSel(ws->Selection);
  }
  // The group being edited: its type, its place in the project (-1 while added).
  void EditingGroup(int grpType, int g) {
    ws->GrpType = grpType;
    ws->GrpTypeName = kelca::GroupTypeName(grpType);
    ws->CurGrp = g;
  }
  // An element file in the project folder; values from k = 0.
  void WriteElement(int grpType, const std::string& file, const std::string& name, int type,
                    const std::vector<std::string>& values) {
    kelca::ElementRecord elm;
    elm.ElmFile = file;
    elm.ElmName = name;
    elm.ElmType = type;
    for (size_t k = 0; k < values.size(); ++k) elm.ElmValue[k] = values[k];
    if (!kelca::WriteElmFile(tmp.Folder(), kelca::ElmFileTypeCode(grpType), elm)) throw std::runtime_error(file);
  }
  // A component file holding the elements (file, name, type).
  void WriteComponent(int grpType, const std::string& file, const std::string& name, int compType,
                      const std::vector<std::tuple<std::string, std::string, int>>& elements) {
    kelca::ComponentRecord comp;
    comp.CompFile = file;
    comp.CompName = name;
    comp.CompType = compType;
    comp.CompQty = 1;
    for (const auto& [elmFile, elmName, elmType] : elements) {
      comp.CompElmFile[comp.CompElmCount] = elmFile;
      comp.CompElmName[comp.CompElmCount] = elmName;
      comp.CompElmType[comp.CompElmCount++] = elmType;
    }
    if (!kelca::WriteCompFile(tmp.Folder(), kelca::CompFileTypeCode(grpType), comp)) throw std::runtime_error(file);
  }
  // A folder in the place of a file, so that writing that file fails.
  void BlockFile(const std::string& name) { std::filesystem::create_directories(tmp.File(name + "/inside")); }
};

}  // namespace kelca::testing
