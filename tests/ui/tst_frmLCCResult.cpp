// The LCC results screen: the two value sets, copy, update, confirm and its files.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/ScreenTestSupport.h"
#include "ui/frmLCCResult.h"

using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  explicit Fixture(bool projectOpen = true) {
    if (projectOpen) OpenProject();
    // Costs that add up: envelope 100 + frame 20 + contents 3 at each stage 1..4, and their sums at stage 0.
    kelca::LcaResultSet& r = ws->Results;
    for (int s = 0; s < kelca::kStages; ++s) {
      const float stages = s == 0 ? kelca::kStages - 1 : 1;
      r.FlrPortion[0].Cost[s] = 100 * stages;
      r.FlrPortion[1].Cost[s] = 20 * stages;
      r.FlrPortion[2].Cost[s] = 3 * stages;
      r.Flr.Cost[s] = r.Bldg.Cost[s] = 123 * stages;
    }
    r.FdnGroup[0].Cost[1] = 55;
    screen = std::make_unique<frmLCCResult>(*ws, prompts);
    screen->show();
  }
  QLineEdit* Box(const char* row, int stage) const { return FindAt<QLineEdit>(screen.get(), row, stage); }
  void Click(const char* name) const { kelca::testing::Click(screen.get(), name); }
  QAction* Menu(const char* name) const { return Find<QAction>(screen.get(), name); }

  std::unique_ptr<frmLCCResult> screen;
};
}  // namespace

class TestFrmLCCResult : public QObject {
  Q_OBJECT

 private slots:
  void opensOnThePredictedCosts() {
    Fixture f;
    QCOMPARE(f.Box("txtEnv", 2)->text(), QString("100"));
    QCOMPARE(f.Box("txtFlrs", 0)->text(), QString("492"));
    QCOMPARE(f.Box("txtHVAC", 3)->text(), QString("0"));
    auto* predicted = Find<QRadioButton>(f.screen.get(), "Option1");
    QVERIFY(predicted->isChecked() && predicted->font().bold());
    QVERIFY(!Find<QWidget>(f.screen.get(), "cmdUpDate")->isVisible());
    QVERIFY(!Find<QWidget>(f.screen.get(), "cmdExit")->isVisible());
    QVERIFY(f.Box("txtEnv", 0)->isReadOnly() && !f.Box("txtEnv", 1)->isReadOnly());
  }

  void confirmationIsRefusedBeforeTheCopyAndWhileThePredictedSetIsShown() {
    Fixture f;
    f.Click("cmdOkay");
    QCOMPARE(f.prompts.Messages().back(), std::string("Copy all data to Values for LCC Assessment before confirmation"));
    f.Click("cmdCopy");
    QVERIFY(Find<QRadioButton>(f.screen.get(), "Option2")->isChecked());
    QVERIFY(Find<QWidget>(f.screen.get(), "cmdUpDate")->isVisible());
    f.Click("Option1");
    f.Menu("mnuFExit")->trigger();
    QCOMPARE(f.prompts.Messages().back(), std::string("View Values for LCC Assessment before Confirmation"));
    QVERIFY(f.screen->isVisible());
    QCOMPARE(f.ws->Results.Bldg.Cost[0], 492.0f);
  }

  void anEditedEnvelopeUpdatesTheTotalsAndConfirmWritesThemBack() {
    Fixture f;
    f.Click("cmdCopy");
    Type(f.Box("txtEnv", 2), "150");
    f.Click("cmdUpDate");
    QCOMPARE(f.Box("txtFlrs", 2)->text(), QString("173"));
    QCOMPARE(f.Box("txtFlrs", 0)->text(), QString("542"));
    QCOMPARE(f.Box("txtBldg", 0)->text(), QString("542"));
    QCOMPARE(f.Box("txtEnv", 0)->text(), QString("450"));
    QCOMPARE(f.ws->Results.Flr.Cost[2], 123.0f);  // nothing written before the confirmation

    Type(f.Box("txtHVAC", 3), "7");  // typed, taken by the update that the confirmation runs
    f.Click("cmdOkay");
    QCOMPARE(f.screen->result(), int(QDialog::Accepted));
    const kelca::LcaResultSet& r = f.ws->Results;
    QCOMPARE(r.FlrPortion[0].Cost[2], 150.0f);
    QCOMPARE(r.Flr.Cost[2], 173.0f);
    QCOMPARE(r.SerPortion[0].Cost[3], 7.0f);
    QCOMPARE(r.Ser.Cost[0], 7.0f);
    QCOMPARE(r.Bldg.Cost[0], 549.0f);
    QCOMPARE(r.FdnGroup[0].Cost[1], 55.0f);  // group costs stay
  }

  void returnWithoutChangesWritesNothing() {
    Fixture f;
    f.Click("cmdCopy");
    Type(f.Box("txtFdn", 1), "999");
    f.Click("cmdExit");
    QVERIFY(!f.screen->isVisible());
    QCOMPARE(f.ws->Results.Fdn.Cost[1], 0.0f);
  }

  void saveAndLoadNeedAnOpenProjectAndTheExportWritesTheTable() {
    Fixture f(false);
    f.Menu("mnuFSave")->trigger();
    f.Menu("mnuFLoad")->trigger();
    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"Open a Project File first!", "Open a Project File first!"}));
    QVERIFY(f.prompts.dialogs.empty());
    f.prompts.QueueFile(f.tmp.File("LCC.CSV"));
    f.Menu("mnuFExp")->trigger();
    const QStringList lines = QString::fromStdString(f.tmp.Read("LCC.CSV")).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[2], QString("\"Envelope\",400,100,100,100,100"));
  }
};

QTEST_MAIN(TestFrmLCCResult)
#include "tst_frmLCCResult.moc"
