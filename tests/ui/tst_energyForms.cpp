// The forms of the energy input screens, the central plant and the shading
// mask: each shows its model's values, its controls reach the model, the
// screens it opens open, and its questions and file dialogs go through the prompts.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmCPlt.h"
#include "ui/frmEgyCalInput.h"
#include "ui/frmSIZn.h"
#include "ui/frmSelCons.h"
#include "ui/frmShMask.h"

using kelca::Answer;
using kelca::ConstructionScreenMode;
using kelca::testing::Click;
using kelca::testing::Entries;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Lines;
using kelca::testing::Menu;
using kelca::testing::Pick;
using kelca::testing::Set;
using kelca::testing::Type;
using kelca::testing::WhenModalOpens;

namespace {

struct Constructions : kelca::testing::ScreenFixture {
  Constructions() {
    OpenProject();
    ws->EnergyFiles = kelca::DeriveEnergyFileNames(tmp.File("OFFICE.PRJ"));
    using namespace kelca::testing;
    AddConstruction(ws->Constructions, "Glazing", 1, 0.1f, 0.7f, {Glass(0.006f)});
    AddConstruction(ws->Constructions, "Slab", 0, 0.7f, 0.4f, {Concrete(0.15f)});
  }
};

void ClickLine(QWidget* screen, int row) {
  auto* list = Find<QListWidget>(screen, "lstCons");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}
}  // namespace

class TestEnergyForms : public QObject {
  Q_OBJECT

 private slots:
  void theZoneRoomAndComponentControlsReachTheModelAndTheFilesGoThroughTheDialogs() {
    Constructions f;
    QVERIFY(kelca::WriteConstructionFile(f.ws->EnergyFiles.ConFile, f.ws->Constructions).ok);
    for (int z = 1; z <= 2; ++z) kelca::testing::AddZone(f.ws->Energy, "Z" + std::to_string(z));
    frmEgyCalInput screen(*f.ws, f.prompts);
    screen.show();
    QVERIFY(f.prompts.log.empty());  // no ".ECI" file yet: nothing to load
    QCOMPARE(Entries(Find<QComboBox>(&screen, "cboZNo")), QStringList({"1", "2"}));
    Set(&screen, "txtNZn", "21");
    QVERIFY(Find<QPushButton>(&screen, "cmdEntNZn")->font().bold());
    Click(&screen, "cmdEntNZn");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"No. of Zones outside range!"});

    Pick(&screen, "cboZNo", "2");
    Set(&screen, "txtZnNam", "Top");
    Click(&screen, "cmdAZn");  // after zone 2
    QCOMPARE(Find<QLineEdit>(&screen, "txtNZn")->text(), QString("3"));
    QCOMPARE(Find<QComboBox>(&screen, "cboZNo")->currentText(), QString("3"));
    QCOMPARE(screen.Model().Model().Zone[2].ZoneName, std::string("Top"));

    // A room of the new zone with a window, its construction picked in select mode.
    Set(&screen, "txtNRmIZ", "1");
    Click(&screen, "cmdEntNRm");
    Set(&screen, "txtRmNam", "South office");
    Pick(&screen, "cboRmTyp", "Office");
    const char* boxes[] = {"txtNIdRm", "txtRmArea", "txtRmHgt", "txtNOcc", "txtVent", "txtTemp", "txtRH", "txtLgtW", "txtEqpW"};
    for (int i = 0; i < kelca::kRoomBoxes; ++i) Set(&screen, boxes[i], QString::number(i + 1));
    Set(&screen, "txtNFabComp", "2");
    Click(&screen, "cmdEntRmChar");
    Pick(&screen, "cboFabComp", "2");
    f.prompts.QueueFile(f.tmp.File("WIN_S.SHM"));
    Click(&screen, "cmdSelShM");
    Set(&screen, "txtCompL", "South window");
    Set(&screen, "txtCompA", "6");
    Pick(&screen, "cboCompTyp", "Window");
    Pick(&screen, "cboOrient", "S");
    WhenModalOpens([](QWidget* select) {
      ClickLine(select, 0);
      Click(select, "cmdOkay");
    });
    Click(&screen, "cmdSelCons");
    Click(&screen, "cmdEntComp");
    const kelca::EnergyRoom& room = screen.Model().Model().Zone[3].Room[1];
    QCOMPARE(std::tuple(room.RoomName, room.FloorArea, room.EquipmentLoad, room.ComponentCount),
             std::tuple(std::string("South office"), 2.0f, 9.0f, 2));
    const kelca::FabricComponent& window = room.Component[2];
    QCOMPARE(std::tuple(window.ComponentName, window.ComponentArea, window.ComponentType, window.ConstructionNo, window.ShadingMaskFile),
             std::tuple(std::string("South window"), 6.0f, int(kelca::kWindow), 1, f.tmp.File("WIN_S.SHM")));
    Pick(&screen, "cboCompTyp", "Roof");
    QCOMPARE(Find<QComboBox>(&screen, "cboOrient")->currentText(), QString("Hori."));
    f.prompts.QueueAnswer(Answer::Ok);
    Click(&screen, "cmdDZn");
    QCOMPARE(screen.Model().Model().ZoneCount, 2);

    f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
    Menu(&screen, "mnuFSave");
    QCOMPARE(f.prompts.dialogs[1].proposedName, std::string("OFFICE.ECI"));
    QCOMPARE(f.ws->Energy.Zone[2].ZoneName, std::string("Top"));
    f.prompts.QueueAnswer(Answer::No);
    screen.close();
    QVERIFY(!screen.isVisible());
  }

  void theEditMenuAndTheAirSideButtonOpenTheirScreens() {
    Constructions f;
    kelca::testing::AddZone(f.ws->Energy, "Z1");
    frmEgyCalInput screen(*f.ws, f.prompts);
    screen.show();
    QStringList opened;
    const auto closeAs = [&opened](QWidget* other) {
      opened << other->objectName();
      static_cast<QDialog*>(other)->done(QDialog::Rejected);
    };
    for (const char* entry : {"mnuEConstr", "mnuEShMask", "mnuESIZn", "mnuECPlt"}) {
      WhenModalOpens(closeAs);
      Menu(&screen, entry);
    }
    WhenModalOpens(closeAs);
    Click(&screen, "cmdEAC");
    QCOMPARE(opened, QStringList({"frmSelCons", "frmShMask", "frmSIZn", "frmCPlt", "frmSIZn"}));
  }

  void theBoxesShowTheZoneOrTheRoomAndExitAsksAfterAChange() {
    kelca::testing::ScreenFixture f;
    for (int z = 1; z <= 2; ++z) {
      kelca::EnergyZone& zone = kelca::testing::AddZone(f.ws->Energy, "Floor " + std::to_string(z));
      kelca::testing::AddRoom(zone, kelca::testing::MakeRoom("Office", kelca::kOffice));
    }
    frmSIZn screen(*f.ws, f.prompts, 1);
    screen.show();
    const auto visible = [&screen] {
      int shown = 0;
      for (int i = 0; i < kelca::kAirSideBoxes; ++i) shown += FindAt<QLineEdit>(&screen, "txtZnRmD", i)->isVisible();
      return shown;
    };
    QCOMPARE(Entries(Find<QComboBox>(&screen, "cboZnRm")), QStringList({"Zone", "Rm No 1"}));
    QCOMPARE(visible(), 6);
    Type(FindAt<QLineEdit>(&screen, "txtZnRmD", 5), "15");
    Click(&screen, "cmdNxRm");
    QCOMPARE(visible(), 3);
    QCOMPARE(FindAt<QLabel>(&screen, "lblZnRmD", 0)->text(), QString("Design Sensible Cooling Load of the Room (kW)"));
    QCOMPARE(Find<QLineEdit>(&screen, "txtRmNam")->text(), QString("Office"));
    Click(&screen, "cmdNxZn");
    QCOMPARE(Find<QLabel>(&screen, "lblZnNam")->text(), QString("Zone Name: Floor 2"));
    Click(&screen, "cmdPrZn");
    QCOMPARE(FindAt<QLineEdit>(&screen, "txtZnRmD", 5)->text(), QString("15"));
    Menu(&screen, "mnuFExit");  // Cancel
    QVERIFY(screen.isVisible());
    f.prompts.QueueAnswer(Answer::No);
    screen.close();
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.prompts.log, std::vector<std::string>(2, "YesNoCancel: Save Data before closing this form?"));
  }

  void theMenusGridAndButtonsReachTheModelAndTheFilesAreSaved() {
    kelca::testing::ScreenFixture f;
    f.OpenProject();
    f.ws->Plant.ChillerCount = 1;
    f.ws->Plant.Chiller[1] = {1, 100, 20, 4.1f, 0, 0, 0};
    frmCPlt screen(*f.ws, f.prompts);
    screen.show();
    QCOMPARE(Find<QLabel>(&screen, "lblHead")->text(), QString("Load previous input File or Select item to Edit"));
    Menu(&screen, "mnuEType");
    Pick(&screen, "cboACHRS", QString::fromStdString(kelca::PlantScreenModel::PlantTypeEntries()[1]));
    QCOMPARE(Find<QTableWidget>(&screen, "msgPlt")->rowCount(), 4);
    Find<QTableWidget>(&screen, "msgPlt")->setCurrentCell(1, 2);
    Set(&screen, "txtEntCell", "18");
    Click(&screen, "cmdEntCell");
    Click(&screen, "cmdOK");
    QCOMPARE(Find<QLabel>(&screen, "lblHead")->text(), QString("Select item to Edit"));
    QVERIFY(Find<QAction>(&screen, "mnuECTrs")->isEnabled() && !Find<QAction>(&screen, "mnuESWPs")->isEnabled());

    Menu(&screen, "mnuEChillers");
    QCOMPARE(Find<QTableWidget>(&screen, "msgPlt")->item(1, 2)->text(), QString("100"));
    Set(&screen, "txtNoEq", "11");
    QVERIFY(Find<QPushButton>(&screen, "cmdNoEq")->font().bold());
    Click(&screen, "cmdNoEq");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"No. of Chillers must be within 1 to 10"});
    Click(&screen, "cmdAddEq");
    QCOMPARE(Find<QComboBox>(&screen, "cboEqNo")->currentText(), QString("2"));
    Click(&screen, "cmdSame");
    Pick(&screen, "cboEqTyp", "Screw");
    Menu(&screen, "mnuELiftS");
    Set(&screen, "txtNoEq", "1");
    Click(&screen, "cmdNoEq");
    Set(&screen, "txtSysNam", "Lifts");
    Find<QTableWidget>(&screen, "msgPlt")->item(0, 2)->setText("12.5");  // typed into the grid itself
    f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
    Menu(&screen, "mnuFSave");
    QCOMPARE(f.prompts.dialogs[1].title, std::string("Save Input Data For Non-AC Services"));
    screen.close();  // saved: no question
    QVERIFY(!screen.isVisible());
    QCOMPARE(std::tuple(f.ws->Plant.Chiller[2].RatedCapacity, f.ws->Plant.Chiller[2].Type, f.ws->Plant.StopHour),
             std::tuple(100.0f, 2, 18));
    QCOMPARE(f.ws->NonAC.Electric[kelca::kLiftsEscalators].System[1].Name, std::string("Lifts"));
    QCOMPARE(f.ws->NonAC.Electric[kelca::kLiftsEscalators].System[1].PowerDemand, 12.5f);
  }

  void editModeShowsTheLayersAndItsButtonsReachTheModel() {
    Constructions f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Edit);
    screen.show();
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("2"));
    ClickLine(&screen, 0);
    QCOMPARE(Lines(Find<QListWidget>(&screen, "lstElmIC"))[1], QString("Shading Coefficient 0.7"));
    QCOMPARE(FindAt<QLabel>(&screen, "lblAbs", 1)->text(), QString("Window SC"));
    Click(&screen, "cmdClr");
    Set(&screen, "txtNElmInC", "2");
    QVERIFY(Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
    Click(&screen, "cmdEntNo");
    QVERIFY(!Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
    screen.SetMaterialPicker([](int) { return 0; });
    Click(&screen, "cmdSelMat");
    QCOMPARE(Find<QLineEdit>(&screen, "txtMatNam")->text(), QString("Air Gap"));
    Set(&screen, "txtMatThk", "0.05");
    Pick(&screen, "cboElmNo", "2");
    Set(&screen, "txtMatNo", "101");
    Set(&screen, "txtMatNam", "Brick");
    Set(&screen, "txtMatThk", "0.1");
    for (int i = 0; i < 3; ++i) Type(FindAt<QLineEdit>(&screen, "txtProp", i), QString::number(1000 * (i + 1)));
    Click(&screen, "OptWall");
    Type(FindAt<QLineEdit>(&screen, "txtAbs", 0), "0.65");
    Set(&screen, "txtConsNam", "Gap");
    Click(&screen, "cmdAdd");
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("3"));
    f.prompts.QueueAnswer(Answer::Ok);
    ClickLine(&screen, 0);
    Click(&screen, "cmdDel");
    QCOMPARE(Lines(Find<QListWidget>(&screen, "lstCons")), QStringList({"Slab", "Gap"}));
    f.prompts.QueueAnswer(Answer::Yes);
    Menu(&screen, "mnuExit");
    QVERIFY(!screen.isVisible());
    kelca::ConstructionTable saved;
    QVERIFY(kelca::ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
    const kelca::Construction& gap = saved.Item[2];
    QCOMPARE(std::tuple(gap.Name, gap.WindowFlag, gap.SurfaceValue[0], gap.LayerCount), std::tuple(std::string("Gap"), 0, 0.65f, 2));
    QCOMPARE(gap.Layer[1].Thickness, 0.05f);
    QCOMPARE(gap.Layer[2], (kelca::ConstructionLayer{101, "Brick", 0.1f, 1000, 2000, 3000}));
  }

  void selectModeReturnsThePickedConstruction() {
    Constructions f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Select, 1);
    screen.show();
    QVERIFY(!Find<QMenu>(&screen, "mnuFile")->isEnabled());
    QVERIFY(Find<QLabel>(&screen, "lblHint")->isVisible());
    QCOMPARE(Find<QLineEdit>(&screen, "txtConsNam")->text(), QString("Glazing"));
    ClickLine(&screen, 1);
    Click(&screen, "cmdOkay");
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QCOMPARE(std::pair(screen.PickedNumber(), screen.PickedName()), std::pair(2, std::string("Slab")));
  }

  void handedOverLayersOpenTheScreenOverTheProjectsFile() {
    Constructions f;
    QVERIFY(kelca::WriteConstructionFile(f.ws->EnergyFiles.ConFile, f.ws->Constructions).ok);
    f.ws->Constructions = {};
    QVERIFY(!ShowConstructionWithLayers(*f.ws, f.prompts, {}));
    WhenModalOpens([&](QWidget* screen) {
      QCOMPARE(Find<QLineEdit>(screen, "txtNCons")->text(), QString("2"));  // read from the project's file
      QCOMPARE(Find<QLineEdit>(screen, "txtNElmInC")->text(), QString("1"));
      f.prompts.QueueAnswer(Answer::No);
      Menu(screen, "mnuExit");
    });
    QVERIFY(ShowConstructionWithLayers(*f.ws, f.prompts, {kelca::testing::Insulation(0.05f)}));
    QCOMPARE(f.prompts.log, std::vector<std::string>{"YesNoCancel: Save data first?"});
  }

  void theShadingMaskBoxesReachTheModelAndGenerateAndSaveWritesTheMask() {
    kelca::testing::ScreenFixture f;
    frmShMask screen(f.ws->CurrentFolder, f.prompts);
    screen.show();
    Set(&screen, "txtShMaskFNam", "S1");
    Click(&screen, "cmdGO");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Window orientation not yet set !"});
    Pick(&screen, "cboOri", "S");
    Set(&screen, "txtWW", "2");
    Set(&screen, "txtWH", "1.5 m");
    Set(&screen, "txtOP", "1");
    Click(&screen, "cmdGO");
    QCOMPARE(Find<QLabel>(&screen, "lblCurDir")->text(), QString("Shading mask generated and saved."));
    const std::string text = f.tmp.Read("S1.SHM");
    QVERIFY(text.find(" 1.5 ", text.find("Window Height (m)")) != std::string::npos);
  }
};

QTEST_MAIN(TestEnergyForms)
#include "tst_energyForms.moc"
