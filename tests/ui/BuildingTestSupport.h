#pragma once
// What the tests of the building screens share: a project in a temporary
// folder over the sample database, element, component and group files made
// for a test, and the work done in the pickers while they are open.
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "building/GroupTypes.h"
#include "building/SelectionTables.h"
#include "ui/ScreenTestSupport.h"

namespace kelca::testing {

inline const std::string kSampleDb = KELCA_SOURCE_DIR "/data/db/";

struct BuildingFixture : ScreenFixture {
  BuildingFixture() {
    OpenProject();
    if (!kelca::OpenDatabase(kSampleDb + "MATLCIA.IDB", ws->Db, ws->Materials)) qFatal("sample database not loaded");
    kelca::ResetAllSel(ws->Selection);
  }
  // The group being edited: its type, its place in the project (-1 while added).
  void EditingGroup(int grpType, int g) {
    ws->GrpType = grpType;
    ws->GrpTypeName = kelca::GroupTypeName(grpType);
    ws->CurGrp = g;
  }
  // An element file in the project folder; values and remarks from k = 0.
  void WriteElement(int grpType, const std::string& file, const std::string& name, int type,
                    const std::vector<std::string>& values) {
    kelca::ElementRecord elm;
    elm.ElmFile = file;
    elm.ElmName = name;
    elm.ElmType = type;
    for (size_t k = 0; k < values.size(); ++k) elm.ElmValue[k] = values[k];
    if (!kelca::WriteElmFile(tmp.Folder(), kelca::ElmFileTypeCode(grpType), elm)) qFatal("element not written");
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
    if (!kelca::WriteCompFile(tmp.Folder(), kelca::CompFileTypeCode(grpType), comp)) qFatal("component not written");
  }
  // A folder in the place of a file, so that writing that file fails.
  void BlockFile(const std::string& name) { std::filesystem::create_directories(tmp.File(name + "/inside")); }
};

inline void PickLine(QWidget* screen, const char* list, int row) { Find<QListWidget>(screen, list)->setCurrentRow(row); }

// A click on a cell of a grid, as the user makes it.
inline void ClickCell(QWidget* screen, const char* grid, int row, int column) {
  auto* table = Find<QTableWidget>(screen, grid);
  QTableWidgetItem* item = table->item(row, column);
  table->scrollToItem(item);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
}

// In a picker that is open: the search text, Find, and the closing button.
inline void SearchAndClose(QWidget* picker, const QString& text, const char* closeButton) {
  Type(Find<QLineEdit>(picker, "txtSrch"), text);
  Click(picker, "cmdSrch");
  Click(picker, closeButton);
}

}  // namespace kelca::testing
