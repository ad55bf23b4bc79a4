#pragma once
// What the tests of the building screens share: the project of
// support/BuildingProject.h, lines picked and cells clicked as the user does,
// and the work done in the pickers while they are open.
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <string>

#include "support/BuildingProject.h"
#include "ui/ScreenTestSupport.h"

namespace kelca::testing {

inline const std::string kSampleDb = KELCA_SOURCE_DIR "/data/db/";

using BuildingFixture = BuildingProject;

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
