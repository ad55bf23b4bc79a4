// The air-side screen: the zone and room selector, the zone's six and a room's
// three values, stepping through rooms and zones, and Exit's question.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmSIZn.h"

using kelca::Answer;
using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  Fixture() {
    using namespace kelca::testing;
    for (int z = 1; z <= 2; ++z) {
      kelca::EnergyZone& zone = AddZone(ws->Energy, "Floor " + std::to_string(z));
      for (int r = 1; r <= 3; ++r) AddRoom(zone, MakeRoom("Office " + std::to_string(r), kelca::kOffice));
    }
  }
  int VisibleBoxes(QWidget* screen) const {
    int shown = 0;
    for (int i = 0; i < kelca::kAirSideBoxes; ++i) shown += FindAt<QLineEdit>(screen, "txtZnRmD", i)->isVisible();
    return shown;
  }
};
}  // namespace

class TestAirSideScreen : public QObject {
  Q_OBJECT

 private slots:
  void zoneAndRoomValuesAreKeptApartAndExitAsksOnlyAfterAChange() {
    Fixture f;
    frmSIZn screen(*f.ws, f.prompts, 1);
    screen.show();
    auto* selector = Find<QComboBox>(&screen, "cboZnRm");
    QCOMPARE(kelca::testing::Entries(selector), QStringList({"Zone", "Rm No 1", "Rm No 2", "Rm No 3"}));
    QCOMPARE(f.VisibleBoxes(&screen), 6);
    QCOMPARE(FindAt<QLabel>(&screen, "lblZnRmD", 2)->text(), QString("Design Supply Air Flow Rate for the Zone (cu.m/s)"));
    Choose(Find<QComboBox>(&screen, "cboASTyp"), "VAV System with Variable Fan Speed Control");
    for (int i = 0; i < kelca::kAirSideBoxes; ++i) Type(FindAt<QLineEdit>(&screen, "txtZnRmD", i), QString::number(10 + i));
    Click(&screen, "cmdNxRm");
    QCOMPARE(selector->currentText(), QString("Rm No 1"));
    QCOMPARE(f.VisibleBoxes(&screen), 3);
    QCOMPARE(FindAt<QLabel>(&screen, "lblZnRmD", 0)->text(), QString("Design Sensible Cooling Load of the Room (kW)"));
    QCOMPARE(Find<QLineEdit>(&screen, "txtRmNam")->text(), QString("Office 1"));
    Type(FindAt<QLineEdit>(&screen, "txtZnRmD", 0), "2.5 kW");
    for (int i = 0; i < 3; ++i) Click(&screen, "cmdNxRm");
    QCOMPARE(selector->currentText(), QString("Rm No 3"));  // the last room stays
    Type(FindAt<QLineEdit>(&screen, "txtZnRmD", 2), "0.4");
    Click(&screen, "cmdNxZn");
    QCOMPARE(Find<QLabel>(&screen, "lblZnNam")->text(), QString("Zone Name: Floor 2"));
    QCOMPARE(selector->currentText(), QString("Zone"));
    Click(&screen, "cmdPrZn");
    QCOMPARE(FindAt<QLineEdit>(&screen, "txtZnRmD", 5)->text(), QString("15"));

    // Cancel keeps the screen; No drops the values.
    Find<QAction>(&screen, "mnuFExit")->trigger();
    QVERIFY(screen.isVisible());
    f.prompts.QueueAnswer(Answer::No);
    screen.close();
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.prompts.log, std::vector<std::string>(2, "YesNoCancel: Save Data before closing this form?"));
    QCOMPARE(f.ws->AirSide, kelca::AirSideData{});

    frmSIZn again(*f.ws, f.prompts, 2);
    again.show();
    again.close();  // nothing changed: no question
    QCOMPARE(f.prompts.log.size(), size_t{2});
  }
};

QTEST_MAIN(TestAirSideScreen)
#include "tst_frmSIZn.moc"
