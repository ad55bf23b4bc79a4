// Operating energy from the main window: the calculation screen over the
// sample office's inputs, then the confirmation, whose values the impact
// calculation takes (the sums themselves are the calculation's tests').
#include <QAction>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "ui/ScreenTestSupport.h"

using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Menu;
using kelca::testing::WhenModalOpens;

namespace {
// The main window remembering the bundled database, and a copy of the sample office.
struct Fixture : kelca::testing::MainWindowFixture {
  Fixture() : MainWindowFixture(std::string(KELCA_SOURCE_DIR "/data/db/")) {
    std::filesystem::copy(KELCA_SOURCE_DIR "/samples/office", tmp.File("office"),
                          std::filesystem::copy_options::recursive);
  }
};
}  // namespace

class TestOperatingEnergy : public QObject {
  Q_OBJECT

 private slots:
  void theCalculationThenTheConfirmationOpenAndTheRunIsChecked() {
    Fixture f;
    QVERIFY(f.Menu("mnuRunOprEgy")->isEnabled() && f.Menu("mnuViewEgy")->isEnabled());
    f.Menu("mnuRunOprEgy")->trigger();  // no project yet: the screen says so and nothing follows
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Open a Project File first!"});
    QVERIFY(!f.Menu("mnuRunOprEgy")->isChecked());

    f.prompts.QueueFile(f.tmp.File("office/OFFICE.PRJ"));
    f.Menu("mnuFileOpen")->trigger();
    for (const char* input : {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}) {
      f.prompts.QueueFile(f.tmp.File(std::string("office/") + input));
    }
    QStringList opened;
    WhenModalOpens([&opened](QWidget* calculation) {
      opened << calculation->objectName();
      Menu(calculation, "mnuMLift");
      kelca::testing::Click(calculation, "cmdGO");
      WhenModalOpens([&opened](QWidget* confirmation) {
        opened << confirmation->objectName();
        kelca::testing::Click(confirmation, "cmdChgTo_6");
        kelca::testing::Type(FindAt<QLineEdit>(confirmation, "txtAAEC", 2), "50000");
        kelca::testing::Click(confirmation, "cmdOkay");
      });
      calculation->close();
    });
    f.Menu("mnuRunOprEgy")->trigger();
    QCOMPARE(opened, QStringList({"frmEgyCal", "frmEgyResult"}));
    QCOMPARE(f.StatusLines().mid(f.StatusLines().size() - 2),
             QStringList({"   Proceeded to calculate operating energy use",
                          "   Returned from operating energy calculation"}));
    QVERIFY(f.Menu("mnuRunOprEgy")->isChecked());
    QCOMPARE(f.prompts.Messages().size(), size_t{1});
    const kelca::Workspace& ws = *f.ws;
    const float lifts = ws.NonAC.Electric[kelca::kLiftsEscalators].System[0].AnnualEnergy;
    QVERIFY(lifts > 0);
    QCOMPARE(ws.EnergyUse.Value[3], lifts);
    QCOMPARE(ws.EnergyUse.Value[2], 50000.0f);

    f.Menu("mnuRunLCA")->trigger();  // with confirmed energy: no notice after the run
    QCOMPARE(f.StatusLines().last(), QString("   Impact calculation completed"));
    QVERIFY(ws.Results.Bldg.Energy[kelca::kOperatingEnergy] > 0);
  }
};

QTEST_MAIN(TestOperatingEnergy)
#include "tst_operatingEnergy.moc"
