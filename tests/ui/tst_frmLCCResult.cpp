// The LCC results screen: the two value sets, copy, update, confirm and its files.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <tuple>

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
  // The predicted set opens; confirmation needs the copy and the assessment set
  // shown; an edit updates the totals and only confirmation writes them back.
  void confirmationWritesTheEditedAssessmentSetBack() {
    Fixture f;
    QCOMPARE(QStringList({f.Box("txtEnv", 2)->text(), f.Box("txtFlrs", 0)->text()}), QStringList({"100", "492"}));
    auto* predicted = Find<QRadioButton>(f.screen.get(), "Option1");
    QVERIFY(predicted->isChecked() && predicted->font().bold());
    QVERIFY(!Find<QWidget>(f.screen.get(), "cmdUpDate")->isVisible());
    QVERIFY(f.Box("txtEnv", 0)->isReadOnly() && !f.Box("txtEnv", 1)->isReadOnly());
    f.Click("cmdOkay");
    f.Click("cmdCopy");
    QVERIFY(Find<QRadioButton>(f.screen.get(), "Option2")->isChecked());
    QVERIFY(Find<QWidget>(f.screen.get(), "cmdUpDate")->isVisible());
    f.Click("Option1");
    f.Menu("mnuFExit")->trigger();
    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"Copy all data to Values for LCC Assessment before confirmation",
                                                             "View Values for LCC Assessment before Confirmation"}));
    QVERIFY(f.screen->isVisible());

    f.Click("Option2");
    Type(f.Box("txtEnv", 2), "150");
    f.Click("cmdUpDate");
    QCOMPARE(QStringList({f.Box("txtFlrs", 2)->text(), f.Box("txtBldg", 0)->text(), f.Box("txtEnv", 0)->text()}),
             QStringList({"173", "542", "450"}));
    QCOMPARE(f.ws->Results.Flr.Cost[2], 123.0f);  // nothing written before the confirmation
    Type(f.Box("txtHVAC", 3), "7");  // typed, taken by the update that the confirmation runs
    f.Click("cmdOkay");
    QCOMPARE(f.screen->result(), int(QDialog::Accepted));
    const kelca::LcaResultSet& r = f.ws->Results;
    QCOMPARE(std::tuple(r.FlrPortion[0].Cost[2], r.Flr.Cost[2], r.SerPortion[0].Cost[3], r.Bldg.Cost[0]),
             std::tuple(150.0f, 173.0f, 7.0f, 549.0f));
    QCOMPARE(r.FdnGroup[0].Cost[1], 55.0f);  // group costs stay
  }

  void returnWritesNothingAndTheFilesNeedAnOpenProjectButTheExportDoesNot() {
    Fixture f(false);
    f.Click("cmdCopy");
    Type(f.Box("txtFdn", 1), "999");
    f.Menu("mnuFSave")->trigger();
    f.Menu("mnuFLoad")->trigger();
    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"Open a Project File first!", "Open a Project File first!"}));
    QVERIFY(f.prompts.dialogs.empty());
    f.prompts.QueueFile(f.tmp.File("LCC.CSV"));
    f.Menu("mnuFExp")->trigger();
    const QStringList lines = QString::fromStdString(f.tmp.Read("LCC.CSV")).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[2], QString("\"Envelope\",400,100,100,100,100"));
    f.Click("cmdExit");
    QVERIFY(!f.screen->isVisible());
    QCOMPARE(f.ws->Results.Fdn.Cost[1], 0.0f);
  }
};

QTEST_MAIN(TestFrmLCCResult)
#include "tst_frmLCCResult.moc"
