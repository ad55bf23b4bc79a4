// The operating energy from the main window, end to end: the sample office's
// energy calculated system by system, confirmed with one value changed, and
// the impact calculation's "Operating (Energy)" stage following the confirmed values.
#include <QAction>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/AssessmentRuns.h"
#include "ui/ScreenTestSupport.h"

using kelca::testing::Find;
using kelca::testing::FindAt;
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
  void theSampleOfficeIsCalculatedConfirmedAndAssessed() {
    Fixture f;
    QVERIFY(f.Menu("mnuRunOprEgy")->isEnabled() && f.Menu("mnuViewEgy")->isEnabled());
    f.Menu("mnuRunOprEgy")->trigger();  // no project yet: the screen says so and nothing follows
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Open a Project File first!"});
    QVERIFY(!f.Menu("mnuRunOprEgy")->isChecked());

    f.prompts.QueueFile(f.tmp.File("office/OFFICE.PRJ"));
    f.Menu("mnuFileOpen")->trigger();
    f.Menu("mnuRunLCA")->trigger();
    QCOMPARE(f.StatusLines().last().toStdString(), kelca::NoOperatingEnergyNotice(f.ws->EnergyUse));

    for (const char* input : {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}) {
      f.prompts.QueueFile(f.tmp.File(std::string("office/") + input));
    }
    f.prompts.QueueAnswer(kelca::Answer::Yes);  // on from the cooling loads to the plant
    QStringList opened;
    WhenModalOpens([&opened](QWidget* calculation) {
      opened << calculation->objectName();
      Find<QAction>(calculation, "mnuMAll")->trigger();
      for (int system = 0; system < 8; ++system) {
        kelca::testing::Click(calculation, "cmdGO");
        kelca::testing::Click(calculation, "cmdOK");
      }
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
    QVERIFY(f.prompts.Messages().size() == 1);
    const kelca::Workspace& ws = *f.ws;
    QVERIFY(ws.ACEnergy.Value[0] > 0 && ws.ZoneElec.Value[0] > 0 && ws.NonAC.TownGas.System[0].AnnualUse > 0);
    QCOMPARE(ws.EnergyUse.Value[0], ws.ACEnergy.Value[0] + ws.Plant.AdditionalHvac.System[0].AnnualEnergy);
    QCOMPARE(ws.EnergyUse.Value[2], 50000.0f);

    f.Menu("mnuRunLCA")->trigger();
    QCOMPARE(f.StatusLines().last(), QString("   Impact calculation completed"));
    float expected = 0;
    for (int p = 0; p < kelca::kSerPortions; ++p) {
      expected += ws.EnergyUse.Value[p] * 3.6f * kelca::kAssessmentYears +
                  kelca::TownGasUseOfPortion(ws.NonAC, p) * kelca::kAssessmentYears;
    }
    const float stage3 = ws.Results.Ser.Energy[kelca::kOperatingEnergy];
    QVERIFY2(qAbs(stage3 - expected) <= 1e-5f * expected, qPrintable(QString("%1 %2").arg(stage3).arg(expected)));
    QCOMPARE(ws.Results.Bldg.Energy[kelca::kOperatingEnergy], stage3);
  }
};

QTEST_MAIN(TestOperatingEnergy)
#include "tst_operatingEnergy.moc"
