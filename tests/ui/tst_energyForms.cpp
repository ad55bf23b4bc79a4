// The forms of the energy input screens, the central plant and the shading
// mask: each shows its model's values, its controls reach the model, and its
// questions and file dialogs go through the prompts.
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
using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Lines;
using kelca::testing::Type;

namespace {
void Menu(QWidget* screen, const char* name) { Find<QAction>(screen, name)->trigger(); }

QStringList Column(QWidget* screen, int column) {
  auto* grid = Find<QTableWidget>(screen, "msgPlt");
  QStringList texts;
  for (int r = 0; r < grid->rowCount(); ++r) texts << grid->item(r, column)->text();
  return texts;
}

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
  void theControlsReachTheModelAndTheFilesGoThroughTheDialogs() {
    kelca::testing::ScreenFixture f;
    f.OpenProject();
    for (int z = 1; z <= 2; ++z) kelca::testing::AddZone(f.ws->Energy, "Z" + std::to_string(z));
    frmEgyCalInput screen(*f.ws, f.prompts);
    screen.show();
    QVERIFY(f.prompts.log.empty());  // no ".ECI" file yet: nothing to load
    QCOMPARE(kelca::testing::Entries(Find<QComboBox>(&screen, "cboZNo")), QStringList({"1", "2"}));
    Type(Find<QLineEdit>(&screen, "txtNZn"), "21");
    QVERIFY(Find<QPushButton>(&screen, "cmdEntNZn")->font().bold());
    Click(&screen, "cmdEntNZn");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"No. of Zones outside range!"});

    Choose(Find<QComboBox>(&screen, "cboZNo"), "2");
    Type(Find<QLineEdit>(&screen, "txtZnNam"), "Top");
    Click(&screen, "cmdAZn");  // after zone 2
    QCOMPARE(Find<QLineEdit>(&screen, "txtNZn")->text(), QString("3"));
    QCOMPARE(Find<QComboBox>(&screen, "cboZNo")->currentText(), QString("3"));
    QCOMPARE(screen.Model().Model().Zone[2].ZoneName, std::string("Top"));
    Choose(Find<QComboBox>(&screen, "cboCompTyp"), "Roof");
    QCOMPARE(Find<QComboBox>(&screen, "cboOrient")->currentText(), QString("Hori."));
    f.prompts.QueueAnswer(kelca::Answer::Ok);
    Click(&screen, "cmdDZn");
    QCOMPARE(screen.Model().Model().ZoneCount, 2);

    f.prompts.QueueFile(f.tmp.File("OFFICE.ECI"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.ASS"));
    Find<QAction>(&screen, "mnuFSave")->trigger();
    QCOMPARE(f.prompts.dialogs[0].proposedName, std::string("OFFICE.ECI"));
    QCOMPARE(f.ws->Energy.Zone[2].ZoneName, std::string("Top"));
    f.prompts.QueueAnswer(kelca::Answer::No);
    screen.close();
    QVERIFY(!screen.isVisible());
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
    QCOMPARE(kelca::testing::Entries(Find<QComboBox>(&screen, "cboZnRm")), QStringList({"Zone", "Rm No 1"}));
    QCOMPARE(visible(), 6);
    kelca::testing::Type(FindAt<QLineEdit>(&screen, "txtZnRmD", 5), "15");
    Click(&screen, "cmdNxRm");
    QCOMPARE(visible(), 3);
    QCOMPARE(FindAt<QLabel>(&screen, "lblZnRmD", 0)->text(), QString("Design Sensible Cooling Load of the Room (kW)"));
    QCOMPARE(Find<QLineEdit>(&screen, "txtRmNam")->text(), QString("Office"));
    Click(&screen, "cmdNxZn");
    QCOMPARE(Find<QLabel>(&screen, "lblZnNam")->text(), QString("Zone Name: Floor 2"));
    Click(&screen, "cmdPrZn");
    QCOMPARE(FindAt<QLineEdit>(&screen, "txtZnRmD", 5)->text(), QString("15"));
    Find<QAction>(&screen, "mnuFExit")->trigger();  // Cancel
    QVERIFY(screen.isVisible());
    f.prompts.QueueAnswer(kelca::Answer::No);
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
    Choose(Find<QComboBox>(&screen, "cboACHRS"), QString::fromStdString(kelca::PlantScreenModel::PlantTypeEntries()[1]));
    QCOMPARE(Column(&screen, 0).size(), 4);
    Find<QTableWidget>(&screen, "msgPlt")->setCurrentCell(1, 2);
    Type(Find<QLineEdit>(&screen, "txtEntCell"), "18");
    Click(&screen, "cmdEntCell");
    Click(&screen, "cmdOK");
    QCOMPARE(Find<QLabel>(&screen, "lblHead")->text(), QString("Select item to Edit"));
    QVERIFY(Find<QAction>(&screen, "mnuECTrs")->isEnabled() && !Find<QAction>(&screen, "mnuESWPs")->isEnabled());

    Menu(&screen, "mnuEChillers");
    QCOMPARE(Column(&screen, 2).mid(0, 2), QStringList({"Recip.", "100"}));
    Type(Find<QLineEdit>(&screen, "txtNoEq"), "11");
    QVERIFY(Find<QPushButton>(&screen, "cmdNoEq")->font().bold());
    Click(&screen, "cmdNoEq");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"No. of Chillers must be within 1 to 10"});
    Click(&screen, "cmdAddEq");
    QCOMPARE(Find<QComboBox>(&screen, "cboEqNo")->currentText(), QString("2"));
    Click(&screen, "cmdSame");
    Choose(Find<QComboBox>(&screen, "cboEqTyp"), "Screw");
    Menu(&screen, "mnuELiftS");
    Type(Find<QLineEdit>(&screen, "txtNoEq"), "1");
    Click(&screen, "cmdNoEq");
    Type(Find<QLineEdit>(&screen, "txtSysNam"), "Lifts");
    Find<QTableWidget>(&screen, "msgPlt")->item(0, 2)->setText("12.5");  // typed into the grid itself
    f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
    Find<QAction>(&screen, "mnuFSave")->trigger();
    QCOMPARE(f.prompts.dialogs[1].title, std::string("Save Input Data For Non-AC Services"));
    screen.close();  // saved: no question
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.ws->Plant.Chiller[2].RatedCapacity, 100.0f);
    QCOMPARE(f.ws->Plant.Chiller[2].Type, 2);
    QCOMPARE(f.ws->Plant.StopHour, 18);
    QVERIFY(f.tmp.Read("OFFICE.NAC").find("\"Lifts\"\r\n12.5,0,0\r\n") != std::string::npos);
  }

  void editModeShowsTheLayersAndItsButtonsReachTheModel() {
    Constructions f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Edit);
    screen.show();
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("2"));
    ClickLine(&screen, 0);
    QCOMPARE(Lines(Find<QListWidget>(&screen, "lstElmIC")).mid(0, 2),
             QStringList({"Glass; Thk. 0.006(m); Abs. Out 0.1", "Shading Coefficient 0.7"}));
    QCOMPARE(FindAt<QLabel>(&screen, "lblAbs", 1)->text(), QString("Window SC"));
    Click(&screen, "cmdClr");
    Type(Find<QLineEdit>(&screen, "txtNElmInC"), "21");
    QVERIFY(Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
    Click(&screen, "cmdEntNo");
    Type(Find<QLineEdit>(&screen, "txtNElmInC"), "1");
    Click(&screen, "cmdEntNo");
    QVERIFY(!Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
    screen.SetMaterialPicker([](int) { return 0; });
    Click(&screen, "cmdSelMat");
    QCOMPARE(Find<QLineEdit>(&screen, "txtMatNam")->text(), QString("Air Gap"));
    Type(Find<QLineEdit>(&screen, "txtMatThk"), "0.05");
    Type(Find<QLineEdit>(&screen, "txtConsNam"), "Gap");
    Click(&screen, "cmdAdd");
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("3"));
    f.prompts.QueueAnswer(Answer::Ok);
    ClickLine(&screen, 0);
    Click(&screen, "cmdDel");
    QCOMPARE(Lines(Find<QListWidget>(&screen, "lstCons")), QStringList({"Slab", "Gap"}));
    f.prompts.QueueAnswer(Answer::Yes);
    Find<QAction>(&screen, "mnuExit")->trigger();
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"No. of Layers outside range!"});
    kelca::ConstructionTable saved;
    QVERIFY(kelca::ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
    QCOMPARE(saved.Item[2].Name, std::string("Gap"));
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
    kelca::testing::WhenModalOpens([&](QWidget* screen) {
      QCOMPARE(Find<QLineEdit>(screen, "txtNCons")->text(), QString("2"));  // read from the project's file
      QCOMPARE(Find<QLineEdit>(screen, "txtNElmInC")->text(), QString("1"));
      f.prompts.QueueAnswer(Answer::No);
      Find<QAction>(screen, "mnuExit")->trigger();
    });
    QVERIFY(ShowConstructionWithLayers(*f.ws, f.prompts, {kelca::testing::Insulation(0.05f)}));
    QCOMPARE(f.prompts.log, std::vector<std::string>{"YesNoCancel: Save data first?"});
  }

  void aRefusalIsShownAndGenerateAndSaveWritesTheMask() {
    kelca::testing::ScreenFixture f;
    frmShMask screen(f.ws->CurrentFolder, f.prompts);
    screen.show();
    Type(Find<QLineEdit>(&screen, "txtShMaskFNam"), "S1");
    Click(&screen, "cmdGO");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Window orientation not yet set !"});
    kelca::testing::Choose(Find<QComboBox>(&screen, "cboOri"), "S");
    Type(Find<QLineEdit>(&screen, "txtWW"), "2");
    Type(Find<QLineEdit>(&screen, "txtWH"), "1.5 m");
    Type(Find<QLineEdit>(&screen, "txtOP"), "1");
    Click(&screen, "cmdGO");
    QCOMPARE(Find<QLabel>(&screen, "lblCurDir")->text(), QString("Shading mask generated and saved."));
    const std::string text = f.tmp.Read("S1.SHM");
    QVERIFY(text.find(" 1.5 ", text.find("Window Height (m)")) != std::string::npos);
  }
};

QTEST_MAIN(TestEnergyForms)
#include "tst_energyForms.moc"
