// The energy input screen: counts and limits at each level, insertion and
// deletion that carry a zone's or room's air-side data with it, the two files
// saved and loaded through their dialogs, and a failed save.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmEgyCalInput.h"

using kelca::Answer;
using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {

// Zone z has z rooms; room r of zone z has r walls; every zone and room has air-side values of its own.
void FiveZones(kelca::Workspace& ws) {
  using namespace kelca::testing;
  for (int z = 1; z <= 5; ++z) {
    kelca::EnergyZone& zone = AddZone(ws.Energy, "Z" + std::to_string(z), float(z));
    kelca::AirSideZone& air = ws.AirSide.Zone[z];
    air.AcSystemType = 1 + z % 3;
    air.DesignFanPower = float(z);
    air.DesignSensibleLoad[0] = 100.0f * z;
    for (int r = 1; r <= z; ++r) {
      kelca::EnergyRoom& room = AddRoom(zone, MakeRoom("R" + std::to_string(z) + std::to_string(r), kelca::kOffice));
      for (int c = 1; c <= r; ++c) AddComponent(room, MakeComponent("W", float(10 * z + c), kelca::kExternalWall, 1, c));
      air.DesignSensibleLoad[r] = 100.0f * z + r;
    }
  }
}

struct Fixture : kelca::testing::ScreenFixture {
  std::unique_ptr<frmEgyCalInput> Open() {
    auto screen = std::make_unique<frmEgyCalInput>(*ws, prompts);
    screen->show();
    return screen;
  }
  void Count(QWidget* screen, const char* box, const char* button, const QString& count) {
    Type(Find<QLineEdit>(screen, box), count);
    QVERIFY(Find<QPushButton>(screen, button)->font().bold());
    Click(screen, button);
  }
};

}  // namespace

class TestEnergyInputScreen : public QObject {
  Q_OBJECT

 private slots:
  void countsOutsideTheirRangesAndInsertsBeyondTheLimitsAreRefused() {
    Fixture f;
    auto screen = f.Open();
    QVERIFY(!Find<QPushButton>(screen.get(), "cmdARm")->isEnabled());  // no zone yet
    for (const char* count : {"0", "21", "20"}) f.Count(screen.get(), "txtNZn", "cmdEntNZn", count);
    QVERIFY(!Find<QPushButton>(screen.get(), "cmdEntNZn")->font().bold());
    QCOMPARE(Find<QComboBox>(screen.get(), "cboZNo")->count(), 20);
    Click(screen.get(), "cmdAZn");
    for (const char* count : {"0", "13", "12"}) f.Count(screen.get(), "txtNRmIZ", "cmdEntNRm", count);
    Click(screen.get(), "cmdARm");
    for (const char* count : {"abc", "11", "10"}) f.Count(screen.get(), "txtNFabComp", "cmdEntRmChar", count);
    Click(screen.get(), "cmdAExWall");
    const std::vector<std::string> expected = {
        "No. of Zones outside range!",          "No. of Zones outside range!",
        "No. of Zones already reached the Maximum No.!",
        "No. of Rooms outside range!",          "No. of Rooms outside range!",
        "No. of Rooms per Zone already reached the Maximum No.!",
        "No. of Fabric Components outside range!", "No. of Fabric Components outside range!",
        "No. of Constructions already reached the Maximum No.!"};
    QCOMPARE(f.prompts.Messages(), expected);
    QCOMPARE(Find<QComboBox>(screen.get(), "cboFabComp")->count(), 10);
    // A roof and a floor face up.
    Choose(Find<QComboBox>(screen.get(), "cboCompTyp"), "Roof");
    QCOMPARE(Find<QComboBox>(screen.get(), "cboOrient")->currentText(), QString("Hori."));
    Choose(Find<QComboBox>(screen.get(), "cboOrient"), "S");
    Choose(Find<QComboBox>(screen.get(), "cboCompTyp"), "Floor/Ceiling");
    QCOMPARE(Find<QComboBox>(screen.get(), "cboOrient")->currentText(), QString("Hori."));
  }

  void zonesAndRoomsMoveWithTheirRoomsComponentsAndAirSideData() {
    Fixture f;
    FiveZones(*f.ws);
    const kelca::EnergyModel before = f.ws->Energy;
    const kelca::AirSideData airBefore = f.ws->AirSide;
    auto screen = f.Open();
    QWidget* s = screen.get();
    Choose(Find<QComboBox>(s, "cboZNo"), "3");
    Type(Find<QLineEdit>(s, "txtZnNam"), "Z3 renamed");
    Click(s, "cmdAZn");  // after zone 3
    QCOMPARE(Find<QLineEdit>(s, "txtNZn")->text(), QString("6"));
    QCOMPARE(Find<QComboBox>(s, "cboZNo")->currentText(), QString("4"));
    Type(Find<QLineEdit>(s, "txtZnNam"), "New");
    const kelca::EnergyModel& m = screen->Model().Model();
    const kelca::AirSideData& a = screen->Model().AirSide();
    QCOMPARE(m.Zone[3].ZoneName, std::string("Z3 renamed"));  // stored before the insertion
    for (int z : {4, 5}) {
      QCOMPARE(m.Zone[z + 1], before.Zone[z]);
      QCOMPARE(a.Zone[z + 1], airBefore.Zone[z]);
    }
    QCOMPARE(a.Zone[4], kelca::AirSideZone{});

    // Deleting zone 2 moves the later zones down; nothing of zone 2 stays behind.
    Choose(Find<QComboBox>(s, "cboZNo"), "2");
    Click(s, "cmdDZn");  // Cancel
    QCOMPARE(m.ZoneCount, 6);
    f.prompts.QueueAnswer(Answer::Ok);
    Click(s, "cmdDZn");
    QCOMPARE(m.ZoneCount, 5);
    QCOMPARE(m.Zone[2].ZoneName, std::string("Z3 renamed"));
    QCOMPARE(m.Zone[3].ZoneName, std::string("New"));
    QCOMPARE(a.Zone[2], airBefore.Zone[3]);
    QCOMPARE(a.Zone[6], kelca::AirSideZone{});

    // Room 2 of the five of zone 5: the rooms after it carry their design loads down.
    Choose(Find<QComboBox>(s, "cboZNo"), "5");
    Choose(Find<QComboBox>(s, "cboRmNo"), "2");
    f.prompts.QueueAnswer(Answer::Ok);
    Click(s, "cmdDRm");
    QCOMPARE(m.Zone[5].RoomCount, 4);
    QCOMPARE(m.Zone[5].Room[2], before.Zone[5].Room[3]);
    QCOMPARE(a.Zone[5].DesignSensibleLoad, (std::array<float, 13>{500, 501, 503, 504, 505}));
    Choose(Find<QComboBox>(s, "cboRmNo"), "1");
    Click(s, "cmdARm");
    QCOMPARE(a.Zone[5].DesignSensibleLoad, (std::array<float, 13>{500, 501, 0, 503, 504, 505}));
    QCOMPARE(m.Zone[5].Room[3], before.Zone[5].Room[3]);
    QCOMPARE(f.prompts.log.size(), size_t{3});  // the three questions, nothing else
  }

  void savedFilesReloadAndAFailedSaveLosesNothing() {
    Fixture f;
    f.OpenProject();
    FiveZones(*f.ws);
    auto screen = f.Open();
    QVERIFY(f.prompts.log.empty());  // no ".ECI" file yet: nothing to load
    Type(Find<QLineEdit>(screen.get(), "txtNIZn"), "2.5");
    // A folder that does not exist: the message names the file; the screen stays with its data.
    f.prompts.QueueAnswer(Answer::Yes);
    f.prompts.QueueFile(f.tmp.File("missing/OFFICE.ECI"));
    Find<QAction>(screen.get(), "mnuFReturn")->trigger();
    QVERIFY(screen->isVisible());
    QCOMPARE(f.prompts.Messages().size(), size_t{1});
    QVERIFY(f.prompts.Messages()[0].find(f.tmp.File("missing/OFFICE.ECI")) != std::string::npos);
    QCOMPARE(f.prompts.dialogs[0].proposedName, std::string("OFFICE.ECI"));
    QCOMPARE(f.prompts.dialogs[0].initialFolder, f.tmp.Folder());

    f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
    Find<QAction>(screen.get(), "mnuFSave")->trigger();
    QCOMPARE(f.ws->Energy.Zone[1].IdenticalZones, 2.5f);
    const kelca::EnergyModel saved = f.ws->Energy;
    const kelca::AirSideData savedAir = f.ws->AirSide;
    f.prompts.QueueAnswer(Answer::No);
    screen->close();
    QVERIFY(!screen->isVisible());

    // Opening again loads both files through dialogs that start on the project's names.
    f.ws->Energy = {};
    f.ws->AirSide = {};
    f.prompts = {};
    f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
    auto again = f.Open();
    QCOMPARE(f.prompts.log, (std::vector<std::string>{"Open: Open Energy Calculation Input File",
                                                      "Open: Air Side Air-conditioning System Input File"}));
    QCOMPARE(f.prompts.dialogs[1].proposedName, std::string("OFFICE.ASS"));
    QCOMPARE(again->Model().Model(), saved);
    QCOMPARE(again->Model().AirSide(), savedAir);
    QCOMPARE(Find<QLineEdit>(again.get(), "txtNIZn")->text(), QString("2.5"));
  }
};

QTEST_MAIN(TestEnergyInputScreen)
#include "tst_frmEgyCalInput.moc"
