// The forms of the building editors and their pickers: each shows its
// model's lists and grid, its controls reach the model, the screens it opens
// open, and its messages and file dialogs go through the prompts.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "support/BuildingProject.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmBldgSysInput.h"
#include "ui/frmGroupComp.h"
#include "ui/frmInpMatData.h"
#include "ui/frmMatLib.h"

using kelca::kFloor;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Lines;
using kelca::testing::Menu;
using kelca::testing::Pick;
using kelca::testing::PickLine;
using kelca::testing::Set;
using kelca::testing::WhenModalOpens;

namespace {
struct Fixture : kelca::testing::BuildingProject {
  Fixture() {
    EditingGroup(kFloor, 0);
    ws->CurComp = 0;
  }
  // The component editor on a floor slab component.
  std::unique_ptr<frmGroupComp> SlabComponent(const std::string& thickness) {
    WriteElement(kFloor, "SLAB.FLE", "Slab", 1, {"1000", thickness, "120"});
    WriteComponent(kFloor, "SLABS.FLC", "Slabs", 1, {{"SLAB.FLE", "Slab", 1}});
    ws->Component.CompFile = "SLABS.FLC";
    auto screen = std::make_unique<frmGroupComp>(*ws, prompts);
    screen->show();
    return screen;
  }
};
}  // namespace

class TestBuildingForms : public QObject {
  Q_OBJECT

 private slots:
  void componentEditorTypesPicksEntersAndSavesAnElement() {
    Fixture f;
    frmGroupComp screen(*f.ws, f.prompts);
    screen.show();
    Pick(&screen, "cboCompType", "Envelope");
    Click(&screen, "cmdAddElm");
    Click(&screen, "cmdSaveElm");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Element Type or Name missing!!"});
    Set(&screen, "txtElmName", "Wall");
    auto* grid = Find<QTableWidget>(&screen, "msgElm");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "listed materials", "cmdOK"); });
    Click(&screen, "cmdElmType");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "c30/37", "cmdClose"); });
    kelca::testing::ClickCell(&screen, "msgElm", 0, 2);  // a listed material's number: from the material picker
    QCOMPARE(grid->item(0, 2)->text() + " " + grid->item(0, 3)->text(), QString("3 Concrete C30/37 (m3)"));
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "CURTAIN", "cmdOK"); });
    Click(&screen, "cmdElmType");
    QCOMPARE(Find<QLabel>(&screen, "lblElmType")->text(), QString("Unitised curtain wall"));
    QCOMPARE(grid->item(0, 0)->text() + " " + grid->item(0, 1)->text(), QString("Curtain wall area m2"));
    kelca::testing::ClickCell(&screen, "msgElm", 0, 2);
    QCOMPARE(grid->item(0, 2)->text() + " " + Find<QLabel>(&screen, "lblEditmsgCell")->text(),
             QString(">_ Click Enter when finished"));
    Set(&screen, "txtmsgCell", "120");
    Click(&screen, "cmdEnter");
    f.prompts.QueueFile(f.tmp.File("WALL.FLE"));
    Click(&screen, "cmdSaveElm");
    QCOMPARE(Lines(Find<QListWidget>(&screen, "lstElm")), QStringList({"Wall"}));
    QVERIFY(f.tmp.Read("WALL.FLE").find("\"120\"") != std::string::npos);
    PickLine(&screen, "lstElm", 0);
    Click(&screen, "Option2");
    QVERIFY(!f.ws->Selection.Flr.ElmSel[0][0][0]);
    f.prompts.QueueAnswer(kelca::Answer::No);  // the component unsaved
    Menu(&screen, "mnuDirRet");
    QVERIFY(!screen.isVisible());
  }

  // The material data screen asks for the thickness the element lacks; then
  // the construction screen opens with the layer.
  void saveAsConstructionOpensTheMaterialDataAndConstructionScreens() {
    Fixture f;
    auto screen = f.SlabComponent("");
    QStringList layers;
    std::function<void(QWidget*)> answer = [&](QWidget* modal) {
      if (modal->objectName() == "frmSelCons") {
        layers = Lines(Find<QListWidget>(modal, "lstElmIC"));
        static_cast<QDialog*>(modal)->reject();
        return;
      }
      const bool thickness = !Find<QPushButton>(modal, "cmdSel")->isVisible();
      Set(modal, "txtMatProp", thickness ? "0.2" : "3");
      WhenModalOpens(answer);
      Click(modal, "cmdReturn");
    };
    f.prompts.QueueAnswer(kelca::Answer::No);  // "Save data first?" on leaving the construction screen
    WhenModalOpens(answer);
    Find<QAction>(screen.get(), "mnuFSCons")->trigger();
    QCOMPARE(layers.size(), 1);
    QVERIFY2(layers[0].contains("; Thk. 0.2(m)"), qPrintable(layers[0]));
  }

  void theOverrideFrameShowsTheDefaultsAndItsMaterialPickerAndApplyReachTheModel() {
    Fixture f;
    auto screen = f.SlabComponent("0.2");
    QWidget* s = screen.get();
    PickLine(s, "lstElm", 0);
    Click(s, "cmdEditElm");
    Click(s, "cmdChgElmD");
    QVERIFY(Find<QGroupBox>(s, "fraChgElmD")->isVisible());
    QCOMPARE(kelca::testing::Entries(Find<QComboBox>(s, "cboMNoInElm")), QStringList({"1", "2", "3"}));
    QCOMPARE(Find<QLabel>(s, "lblMatD")->text() + " " + Find<QLineEdit>(s, "txtUCostD")->text(),
             QString("Concrete C35/45 1400"));
    Set(s, "txtLifeU", "60");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "C45/55", "cmdClose"); });
    Click(s, "cmdSelMat");
    QCOMPARE(Find<QLabel>(s, "lblMatU")->text(), QString("Concrete C45/55"));
    Click(s, "cmdUseUIV");
    QVERIFY(!Find<QGroupBox>(s, "fraChgElmD")->isVisible());
    QVERIFY(f.tmp.Read("SLAB_.FLE").starts_with("3\r\n5,4,60,1400\r\n"));
  }

  // The building screen opens the group editor, which opens the component
  // editor; each shows what the one it opened made.
  void groupEditorAndBuildingScreenShowWhatTheirEditorsMade() {
    Fixture f;
    frmBldgSysInput building(*f.ws, f.prompts);
    building.show();
    QVERIFY(!Find<QPushButton>(&building, "cmdEditFloor")->isEnabled());
    WhenModalOpens([&f](QWidget* group) {
      QVERIFY(!Find<QRadioButton>(group, "Option1")->isEnabled());
      Set(group, "txtGroupName", "Typical");
      WhenModalOpens([&f](QWidget* component) {
        Set(component, "txtCompName", "Frame");
        Pick(component, "cboCompType", "Frame");
        Set(component, "txtCompNo", "4");
        f.prompts.QueueFile(f.tmp.File("Frame.FLC"));
        Menu(component, "mnuFSComp");
        Menu(component, "mnuDirRet");
      });
      Click(group, "cmdAddGrpComp");
      QCOMPARE(Lines(Find<QListWidget>(group, "lstGrpComp")) + Lines(Find<QListWidget>(group, "lstGrpType")) +
                   Lines(Find<QListWidget>(group, "lstGrpCNo")),
               QStringList({"Frame", "Frame", "4"}));
      Set(group, "txtGroupNo", "3");
      f.prompts.QueueFile(f.tmp.File("TYP.FLR"));
      Click(group, "cmdSaveGroup");
      QCOMPARE(Find<QLineEdit>(group, "txtGrpFileName")->text(), QString("TYP.FLR"));
      Click(group, "cmdReturn");
    });
    Click(&building, "cmdAddFloor");
    QCOMPARE(Lines(Find<QListWidget>(&building, "lstFloorName")) + Lines(Find<QListWidget>(&building, "lstFlrNo")),
             QStringList({"Typical", "3"}));
    PickLine(&building, "lstFlrNo", 0);
    QVERIFY(Find<QPushButton>(&building, "cmdEditFloor")->isEnabled());
    QVERIFY(Find<QRadioButton>(&building, "Option4")->isChecked());  // a new group resets the selections
    WhenModalOpens([&f](QWidget* group) {
      PickLine(group, "lstGrpComp", 0);
      QVERIFY(Find<QRadioButton>(group, "Option1")->isChecked());
      Click(group, "Option3");
      QCOMPARE(f.ws->Selection.Flr.CompSel[0][0], 0.0f);
      Click(group, "cmdReturn");
    });
    Click(&building, "cmdEditFloor");
    QVERIFY(Find<QRadioButton>(&building, "Option5")->isChecked());  // some of the group assessed
    Click(&building, "Option4");
    QCOMPARE(f.ws->Selection.Flr.GrpSel[0], 1.0f);
    f.prompts.QueueAnswer(kelca::Answer::Ok);
    Click(&building, "cmdDeleteFloor");
    QCOMPARE(f.prompts.log.back(), std::string("OkCancel: Typical will be removed from the Project. Continue?"));
    QCOMPARE(Find<QListWidget>(&building, "lstFloorName")->count(), 0);
    Click(&building, "chkSer");
    QCOMPARE(f.ws->Selection.SerSkip, 1);
    Set(&building, "txtCFA", "1250.5 sqm");
    Click(&building, "cmdReturn");
    QVERIFY(!building.isVisible());
    QCOMPARE(f.ws->Project.CFA, 1250.5f);
  }

  void theMaterialPickerAndTheMaterialDataScreenShowAndHandBackTheirPick() {
    Fixture f;
    frmMatLib picker(f.ws->Materials);
    picker.show();
    auto* list = Find<QListWidget>(&picker, "lstMatData");
    QCOMPARE(list->count(), 1 + 81 + 1 + 36);
    QCOMPARE(list->item(82)->text(), QString("36 Services Materials in Library"));
    Set(&picker, "txtSrch", "CONCRETE C3");
    Click(&picker, "cmdSrch");
    Click(&picker, "cmdNX");
    QCOMPARE(list->currentRow(), 4);
    Click(&picker, "cmdSM");
    QCOMPARE(list->currentRow(), 82);
    Click(&picker, "cmdClose");
    QVERIFY(!picker.isVisible() && !picker.Picked().Picked());

    frmInpMatData thickness(f.ws->Materials, kelca::MatDataMode::Thickness, "Wall");
    thickness.show();
    QCOMPARE(Find<QLabel>(&thickness, "lblElmNam")->text(), QString("Input Thickness of Element: Wall"));
    QVERIFY(!Find<QWidget>(&thickness, "txtProp_0")->isVisible());
    Set(&thickness, "txtMatProp", "0.25 m");
    Click(&thickness, "cmdReturn");
    QCOMPARE(thickness.Picked().PickedThickness, 0.25f);
    frmInpMatData material(f.ws->Materials, kelca::MatDataMode::Material, "Wall");
    material.show();
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "c30/37", "cmdClose"); });
    Click(&material, "cmdSel");
    QCOMPARE(Find<QLineEdit>(&material, "txtMatNam")->text() + " " + Find<QLineEdit>(&material, "txtProp_0")->text(),
             QString("Concrete C30/37 2400"));
    Click(&material, "cmdReturn");
    QCOMPARE(material.Picked().PickedNo, 3);
  }
};

QTEST_MAIN(TestBuildingForms)
#include "tst_buildingForms.moc"
