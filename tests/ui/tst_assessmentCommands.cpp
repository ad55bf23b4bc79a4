// The assessment commands of the main window and the progress dialog of long runs.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "ui/ProgressRun.h"
#include "ui/ScreenTestSupport.h"

using kelca::testing::Find;
using kelca::testing::WhenModalOpens;

namespace {
// The main window with an open project of no groups; with or without a database folder.
struct Fixture : kelca::testing::MainWindowFixture {
  void OpenEmptyProject(bool withDatabase) {
    OpenProject();
    kelca::ResetAllSel(ws->Selection);
    if (withDatabase) ws->Db.LcaDbFolder = tmp.Folder();
  }
};
}  // namespace

class TestAssessmentCommands : public QObject {
  Q_OBJECT

 private slots:
  // Refused or failed runs leave their entry unchecked; a completed run checks
  // it and shows its stages, and the notice of missing operating energy.
  void onlyACompletedRunChecksItsEntry() {
    Fixture f;
    const QStringList before = f.StatusLines();
    f.Menu("mnuRunLCA")->trigger();
    f.OpenEmptyProject(false);
    f.Menu("mnuRunLCC")->trigger();
    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"Open a project file first!!",
                                                            "Directory for main LCIA database file not set!!"}));
    QVERIFY(!f.Menu("mnuRunLCA")->isChecked() && !f.Menu("mnuRunLCC")->isChecked());
    QCOMPARE(f.StatusLines(), before);

    f.OpenEmptyProject(true);
    f.Menu("mnuRunLCA")->trigger();
    QCOMPARE(f.prompts.Messages().size(), size_t{2});
    QVERIFY(f.Menu("mnuRunLCA")->isChecked() && !f.Menu("mnuRunLCC")->isChecked());
    const QString noEnergy = "   No confirmed operating energy: no electricity in the \"Operating (Energy)\" stage";
    QCOMPARE(f.StatusLines().mid(16), QStringList({"   Impact calculation commenced ...", "   Stage 1 in progress",
                                                   "   Stage 2 in progress", "   Stage 3 in progress",
                                                   "   Stage 4 in progress", "   Impact calculation completed",
                                                   noEnergy}));
    f.Menu("mnuRunLCC")->trigger();
    QVERIFY(f.Menu("mnuRunLCC")->isChecked());
    QCOMPARE(f.StatusLines().mid(21), QStringList({"   LCC calculation completed", noEnergy}));
    f.ws->EnergyUse.Value[4] = 1;
    f.Menu("mnuRunLCC")->trigger();
    QCOMPARE(f.StatusLines().last(), QString("   LCC calculation completed"));

    f.ws->Project.FdnCount = 1;
    f.ws->Project.FdnFile[0] = "MISSING.FDN";
    f.ws->Project.FdnQty[0] = 1;
    f.Menu("mnuRunLCA")->trigger();
    QCOMPARE(f.prompts.Messages().size(), size_t{3});
    const QString error = QString::fromStdString(f.prompts.Messages()[2]);
    QVERIFY2(error.contains("MISSING.FDN") && error.endsWith(" Impacting calculation terminated!!"), qPrintable(error));
    QVERIFY(!f.Menu("mnuRunLCA")->isChecked());
  }

  void theScreensOpenFromTheMenu() {
    Fixture f;
    QStringList opened;
    const auto closeAs = [&opened](QWidget* screen) {
      opened << screen->objectName();
      screen->close();
    };
    WhenModalOpens(closeAs);
    f.Menu("mnuEditWeights")->trigger();
    QCOMPARE(f.StatusLines().last(), QString("   Viewed weighting factors"));
    WhenModalOpens(closeAs);
    f.Menu("mnuViewRes")->trigger();
    WhenModalOpens(closeAs);
    f.Menu("mnuViewLCC")->trigger();
    QCOMPARE(opened, QStringList({"frmNormWgt", "frmResult", "frmLCCResult"}));
  }

  void aLongRunShowsItsLinesAsTheyComeAndCanBeCancelled() {
    QStringList shown, listed;
    bool sawCancel = false;
    WhenModalOpens([&listed](QWidget* dialog) {
      QCOMPARE(dialog->objectName(), QString("frmProgress"));
      auto* log = Find<QListWidget>(dialog, "lstLog");
      QTRY_VERIFY(log->count() >= 1);
      listed << log->item(0)->text();
      QTest::mouseClick(Find<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    });
    RunWithProgress(
        nullptr, "Run",
        [&sawCancel](kelca::ProgressSink& progress) {
          progress.AddLine("   first");
          for (int i = 0; i < 1000 && !progress.Cancelled(); ++i) QThread::msleep(10);
          sawCancel = progress.Cancelled();
          progress.AddLine("   stopped");
        },
        [&shown](const std::string& line) { shown << QString::fromStdString(line); });
    QVERIFY(sawCancel);
    QCOMPARE(listed, QStringList({"   first"}));
    QCOMPARE(shown, QStringList({"   first", "   stopped"}));
  }
};

QTEST_MAIN(TestAssessmentCommands)
#include "tst_assessmentCommands.moc"
