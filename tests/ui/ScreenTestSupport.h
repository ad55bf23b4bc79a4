#pragma once
// Helpers of the screen tests: controls found by objectName, choices made as
// the user makes them, work done inside a modal screen while it is open, and
// the workspace, prompts and folder every screen test owns.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "support/DbFiles.h"
#include "support/WorkspaceFixture.h"
#include "ui/StatusPanelView.h"
#include "ui/frmMain.h"

namespace kelca::testing {

template <class T>
T* Find(QObject* screen, const QString& name) {
  T* found = screen->findChild<T*>(name);
  if (!found) qFatal("no control %s", qPrintable(name));
  return found;
}

// "txtWgtFtr", 3 -> the control named "txtWgtFtr_3".
template <class T>
T* FindAt(QObject* screen, const char* name, int index) {
  return Find<T>(screen, QString("%1_%2").arg(name).arg(index));
}

inline void Click(QObject* screen, const char* name) {
  QTest::mouseClick(Find<QAbstractButton>(screen, name), Qt::LeftButton);
}

// Picks an entry of a combo box as a user does (which emits activated).
inline void Choose(QComboBox* box, const QString& entry) {
  const int index = box->findText(entry);
  if (index < 0) qFatal("no entry %s in %s", qPrintable(entry), qPrintable(box->objectName()));
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Replaces a box's text as typed.
inline void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
  if (box->text() != text) box->setText(text);
}

// A menu entry chosen, a box typed into, an entry picked, by object name.
inline void Menu(QWidget* screen, const char* action) { Find<QAction>(screen, action)->trigger(); }
inline void Set(QWidget* screen, const char* box, const QString& text) { Type(Find<QLineEdit>(screen, box), text); }
inline void Pick(QWidget* screen, const char* box, const QString& entry) { Choose(Find<QComboBox>(screen, box), entry); }

inline void PickLine(QWidget* screen, const char* list, int row) { Find<QListWidget>(screen, list)->setCurrentRow(row); }

// A click on a cell of a grid, as the user makes it.
inline void ClickCell(QWidget* screen, const char* grid, int row, int column) {
  auto* table = Find<QTableWidget>(screen, grid);
  QTableWidgetItem* item = table->item(row, column);
  table->scrollToItem(item);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
}

inline QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

inline QStringList Entries(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

// Runs inside the next modal screen once it is open (then the test closes it
// through inside). Gives up after a few seconds so that a test cannot hang.
inline void WhenModalOpens(std::function<void(QWidget*)> inside) {
  auto* poll = new QTimer;
  int tries = 0;
  QObject::connect(poll, &QTimer::timeout, [poll, tries, inside]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      inside(modal);
    } else if (++tries > 300) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

// In a picker that is open: the search text, Find, and the closing button.
inline void SearchAndClose(QWidget* picker, const QString& text, const char* closeButton) {
  Set(picker, "txtSrch", text);
  Click(picker, "cmdSrch");
  Click(picker, closeButton);
}

using ScreenFixture = WorkspaceFixture;

// The main window, shown and started up over a settings folder of its own; with
// a database, one of no materials is remembered there and loads at start-up;
// or the database folder given is remembered.
struct MainWindowFixture : ScreenFixture {
  explicit MainWindowFixture(bool withDatabase = false) {
    std::filesystem::create_directories(tmp.File("config"));
    if (withDatabase) {
      std::filesystem::create_directories(tmp.File("db/Ch2"));
      const std::string text = MaterialFileText({{}, {}, {}});
      tmp.Write("db/MATLCIA.IDB", text);
      tmp.Write("db/MATLCIA.ILF", text);
      tmp.Write("config/LCA_ZQ_Str.TXT", "\"" + tmp.File("db/") + "\"\r\n");
    }
    Start();
  }
  explicit MainWindowFixture(const std::string& databaseFolder) {
    std::filesystem::create_directories(tmp.File("config"));
    tmp.Write("config/LCA_ZQ_Str.TXT", "\"" + databaseFolder + "\"\r\n");
    Start();
  }
  void Start() {
    window = std::make_unique<frmMain>(*ws, prompts, kelca::StartupFolders{.Settings = tmp.File("config/")});
    window->show();
    window->Startup();
  }
  template <class T>
  T* Find(const char* name) const {
    return kelca::testing::Find<T>(window.get(), name);
  }
  QAction* Menu(const char* name) const { return Find<QAction>(name); }
  QStringList StatusLines() const { return Find<StatusPanelView>("PicMain")->VisibleLines(); }

  std::unique_ptr<frmMain> window;
};

}  // namespace kelca::testing
