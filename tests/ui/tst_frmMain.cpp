// The main window: the Write menu, the status panel, Exit and the slide controls.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "ui/QtPrompts.h"
#include "ui/ScreenTestSupport.h"

using Fixture = kelca::testing::MainWindowFixture;

namespace {
const QString kFirstStep = "   First step: Open LCIA/LCC Database using the File Menu";
}  // namespace

class TestFrmMain : public QObject {
  Q_OBJECT

 private slots:
  // The reports of a project opened from another folder go where the dialog says.
  void writeMenuWritesBothReportsOfTheOpenProject() {
    Fixture f;
    std::filesystem::copy(KELCA_SOURCE_DIR "/samples/starter", f.tmp.File("proj"));
    std::filesystem::create_directories(f.tmp.File("out"));
    f.ws->CurrentFolder = KELCA_SOURCE_DIR "/data/db/";
    f.Find<QAction>("mnuOpenData")->trigger();
    f.prompts.QueueFile(f.tmp.File("proj/STARTER.PRJ"));
    f.Find<QAction>("mnuFileOpen")->trigger();

    const std::string in = f.tmp.File("out/IN.TXT"), sel = f.tmp.File("out/SEL.TXT");
    f.prompts.QueueFile(in);
    f.Find<QAction>("MnuPrintInSum")->trigger();
    f.prompts.QueueFile(sel);
    f.Find<QAction>("mnuWSelected")->trigger();

    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"Report written to file: " + in,
                                                             "Report written to file: " + sel}));
    const auto& dialogs = f.prompts.dialogs;
    QCOMPARE(dialogs.size(), size_t(3));
    QCOMPARE(dialogs[1].title, std::string("Generate Input Summary Report"));
    QCOMPARE(dialogs[2].title, std::string("Generate Selection Summary Report"));
    QCOMPARE(dialogs[2].filter, std::string("Input Summary Report (*.TXT)|*.TXT"));
    QCOMPARE(f.StatusLines().mid(19), QStringList({"   Print input summary", "   Input summary printed",
                                                   "   Print selection summary", "   Selection summary printed"}));
    // Each report of the open project in its file (the reports' texts are the summary tests').
    QVERIFY(f.tmp.Read("out/IN.TXT").find("Main Project File:STARTER.PRJ\r\n") != std::string::npos);
    QVERIFY(f.tmp.Read("out/SEL.TXT").starts_with("Summary Report on Selection of Components and Elements\r\n"));

    f.window->SetReportWriters([](kelca::Workspace&, const std::string&) { return kelca::Status::Ok(); }, {});
    QVERIFY(f.Find<QAction>("MnuPrintInSum")->isEnabled());
    QVERIFY(!f.Find<QAction>("mnuWSelected")->isEnabled());
  }

  void startupShowsTheFirstStepInAFixedWidthFontAndScrollsBelowTheHeader() {
    Fixture f;
    auto* panel = f.Find<StatusPanelView>("PicMain");
    QCOMPARE(panel->VisibleLines().size(), 23);
    QCOMPARE(panel->VisibleLines()[22], kFirstStep);
    const QFontMetrics metrics(panel->font());
    QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('M'));
    QVERIFY(f.window->windowTitle().startsWith("Kelca"));
    for (const char* hidden : {"Image1", "cboSldLst", "cmdNxSld", "lblNxSld", "cmdLsSld", "lblLsSld", "cmdEndSldShow"}) {
      QVERIFY2(!f.Find<QWidget>(hidden)->isVisible(), hidden);
    }
    // The header stays; below it the last 18 messages.
    const QStringList start = panel->VisibleLines();
    for (int i = 0; i < 25; ++i) f.window->Shell().ShowStatus("   message " + std::to_string(i));
    const QStringList lines = panel->VisibleLines();
    QCOMPARE(lines.mid(0, 5), start.mid(0, 5));
    for (int line = 5; line <= 22; ++line) QCOMPARE(lines[line], QString("   message %1").arg(line + 2));
  }

  void exitAsksOnlyAfterEnter() {
    Fixture fresh;
    fresh.Find<QAction>("mnuFileExit")->trigger();
    QVERIFY(fresh.prompts.log.empty());
    QVERIFY(!fresh.window->isVisible());

    Fixture f(true);
    f.ws->Project.ProjDir = f.tmp.Folder();
    QTest::keyClicks(f.Find<QLineEdit>("txtProjName"), "Office");
    QTest::mouseClick(f.Find<QPushButton>("cmdEnterProjName"), Qt::LeftButton);
    QCOMPARE(f.StatusLines()[22], QString("   Proceeded to edit project data"));
    // The building screen is open and keeps the main window out of reach until its Return.
    for (int opened = 0; opened < 2; ++opened) {
      auto* building = f.window->findChild<QDialog*>("frmBldgSysInput");
      QVERIFY(building && building->isVisible());
      QCOMPARE(QApplication::activeModalWidget(), building);
      QCOMPARE(f.ws->Project.ProjName, std::string("Office"));
      QTest::mouseClick(kelca::testing::Find<QPushButton>(building, "cmdReturn"), Qt::LeftButton);
      QTRY_VERIFY(!f.window->findChild<QDialog*>("frmBldgSysInput"));
      if (opened == 0) f.Menu("mnuEditBldg")->trigger();
    }

    f.Find<QAction>("mnuFileExit")->trigger();  // Cancel
    QCOMPARE(f.prompts.log, std::vector<std::string>{"OkCancel: Quit program without saving?"});
    QVERIFY(f.window->isVisible());
    f.prompts.QueueAnswer(kelca::Answer::Ok);
    f.Find<QAction>("mnuFileExit")->trigger();
    QVERIFY(!f.window->isVisible());
  }

  void newSaveAndCloseReachTheProjectCommands() {
    Fixture f(true);
    f.prompts.QueueFile(f.tmp.File("NEWPROJ"));
    f.prompts.QueueFile(f.tmp.File("NEWPROJ/NEW.PRJ"));
    f.Menu("mnuFNew")->trigger();
    QCOMPARE(f.ws->Project.ProjDir, f.tmp.File("NEWPROJ/"));
    QTest::keyClicks(f.Find<QLineEdit>("txtProjName"), "New office");
    QTest::mouseClick(f.Find<QPushButton>("cmdEnterProjName"), Qt::LeftButton);
    kelca::testing::Click(f.window->findChild<QDialog*>("frmBldgSysInput"), "cmdReturn");
    f.prompts.QueueFile(f.tmp.File("NEWPROJ/NEW.PRJ"));
    f.Menu("mnuFileSave")->trigger();
    QVERIFY(f.tmp.Read("NEWPROJ/NEW.PRJ").find("New office") != std::string::npos);
    f.Menu("mnuFileClose")->trigger();  // saved: no question
    QVERIFY(f.ws->Project.ProjDir.empty());
    QCOMPARE(f.StatusLines().last(), QString("   Project closed"));
    QVERIFY(f.prompts.Messages().empty());
  }

  void slideControlsStepThroughTheSlides() {
    Fixture f(true);
    QVERIFY(f.Find<QAction>("mnuOpenData")->isChecked());
    f.tmp.Write("db/Ch2/Ch2Slides.txt", "\"H\"\r\n2\r\n\"First\",\"Ch2\\A.png\",\"\"\r\n\"Second\",\"Ch2\\B.png\",\"\"\r\n");
    f.Find<QAction>("mnuSSCh2")->trigger();
    auto* list = f.Find<QComboBox>("cboSldLst");
    QCOMPARE(kelca::testing::Entries(list), QStringList({"First", "Second"}));
    QCOMPARE(list->currentText(), QString("First"));
    QVERIFY(f.Find<QWidget>("Image1")->isVisible() && f.Find<QWidget>("cmdEndSldShow")->isVisible());

    QTest::mouseClick(f.Find<QLabel>("lblNxSld"), Qt::LeftButton);
    QCOMPARE(list->currentText(), QString("Second"));
    QTest::mouseClick(f.Find<QPushButton>("cmdNxSld"), Qt::LeftButton);  // already on the last slide
    QCOMPARE(f.window->Shell().Slides.Current, 2);
    QTest::mouseClick(f.Find<QPushButton>("cmdLsSld"), Qt::LeftButton);
    QCOMPARE(list->currentIndex(), 0);

    QTest::mouseClick(f.Find<QWidget>("Image1"), Qt::LeftButton);
    QVERIFY(!f.Find<QWidget>("Image1")->isVisible());
    QTest::mouseClick(f.Find<QPushButton>("cmdEndSldShow"), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    QVERIFY(!f.Find<QWidget>("cmdNxSld")->isVisible());
  }

  void filtersMatchBothCases() {
    QCOMPARE(ToQtFilter("LCIA database files (*.IDB)|*.IDB"), QString("LCIA database files (*.IDB *.idb)"));
    QCOMPARE(ToQtFilter("A (*.prj)|*.prj|B (*.T)|*.T"), QString("A (*.prj *.PRJ);;B (*.T *.t)"));
    QCOMPARE(ToQtFilter(""), QString());
  }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
