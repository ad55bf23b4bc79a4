// A small energy model described from nothing entirely through the screens,
// from the main window's Edit menu: constructions, a generated shading mask,
// one zone of two rooms with walls, a window and floors, the air side, an
// air-cooled plant and one non-AC system; saved, then run by kelca-cli energy.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

#include "screens/EnergyInputScreen.h"
#include "support/CliRun.h"
#include "ui/ScreenTestSupport.h"

using kelca::Answer;
using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::WhenModalOpens;

namespace {

void Set(QWidget* screen, const char* box, const QString& text) { kelca::testing::Type(Find<QLineEdit>(screen, box), text); }
void SetAt(QWidget* screen, const char* box, int index, const QString& text) {
  kelca::testing::Type(FindAt<QLineEdit>(screen, box, index), text);
}
void Pick(QWidget* screen, const char* box, const QString& entry) { Choose(Find<QComboBox>(screen, box), entry); }
void Menu(QWidget* screen, const char* entry) { Find<QAction>(screen, entry)->trigger(); }

struct Layer {
  const char *number, *name, *thickness, *density, *conductivity, *specificHeat;
};

void AddConstruction(QWidget* s, const char* name, bool window, const char* outer, const char* inner,
                     std::initializer_list<Layer> layers) {
  Set(s, "txtConsNam", name);
  Click(s, window ? "OptWindow" : "OptWall");
  SetAt(s, "txtAbs", 0, outer);
  SetAt(s, "txtAbs", 1, inner);
  Set(s, "txtNElmInC", QString::number(layers.size()));
  Click(s, "cmdEntNo");
  int j = 0;
  for (const Layer& l : layers) {
    Pick(s, "cboElmNo", QString::number(++j));
    Set(s, "txtMatNo", l.number);
    Set(s, "txtMatNam", l.name);
    Set(s, "txtMatThk", l.thickness);
    SetAt(s, "txtProp", 0, l.density);
    SetAt(s, "txtProp", 1, l.conductivity);
    SetAt(s, "txtProp", 2, l.specificHeat);
  }
  Click(s, "cmdAdd");
}

// The component shown gets its name, area, type, orientation and construction (picked in select mode).
void DescribeComponent(QWidget* s, const char* name, const char* area, const char* type, const char* orientation,
                       int construction) {
  Set(s, "txtCompL", name);
  Set(s, "txtCompA", area);
  Pick(s, "cboCompTyp", type);
  if (orientation) Pick(s, "cboOrient", orientation);
  WhenModalOpens([construction](QWidget* select) {
    auto* list = Find<QListWidget>(select, "lstCons");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(construction - 1)).center());
    Click(select, "cmdOkay");
  });
  Click(s, "cmdSelCons");
  Click(s, "cmdEntComp");
}

void DescribeRoom(QWidget* s, const char* name, const char* area, int components) {
  Set(s, "txtRmNam", name);
  Pick(s, "cboRmTyp", "Office");
  const std::array<const char*, kelca::kRoomBoxes> values = {"1", area, "3", "6", "8", "24", "55", "15", "20"};
  const std::array<const char*, kelca::kRoomBoxes> boxes = {"txtNIdRm", "txtRmArea", "txtRmHgt", "txtNOcc", "txtVent",
                                                            "txtTemp",  "txtRH",     "txtLgtW",  "txtEqpW"};
  for (int i = 0; i < kelca::kRoomBoxes; ++i) Set(s, boxes[i], values[i]);
  Set(s, "txtNFabComp", QString::number(components));
  Click(s, "cmdEntRmChar");
}

void EnterGridValues(QWidget* plant, const QStringList& values) {
  auto* grid = Find<QTableWidget>(plant, "msgPlt");
  for (int r = 0; r < values.size(); ++r) {
    if (!values[r].isEmpty()) grid->item(r, 2)->setText(values[r]);
  }
}

void DescribePlant(QWidget* p) {
  Menu(p, "mnuEType");  // air-cooled, single loop
  EnterGridValues(p, {"7", "19", "35"});
  Click(p, "cmdOK");
  Menu(p, "mnuEChillers");
  Set(p, "txtNoEq", "1");
  Click(p, "cmdNoEq");
  EnterGridValues(p, {"", "60", "18", "2.9"});
  Click(p, "cmdOK");
  Menu(p, "mnuEPLPs");
  Set(p, "txtNoEq", "1");
  Click(p, "cmdNoEq");
  EnterGridValues(p, {"2.9", "150", "1.2"});
  Click(p, "cmdOK");
  Menu(p, "mnuELiftS");
  Set(p, "txtNoEq", "1");
  Click(p, "cmdNoEq");
  Set(p, "txtSysNam", "Passenger lift");
  EnterGridValues(p, {"15", "3000", "0.4"});
  Click(p, "cmdOK");
}

}  // namespace

class TestEnergyModelThroughScreens : public QObject {
  Q_OBJECT

 private slots:
  void aSmallModelDescribedOnTheScreensRunsInKelcaCli() {
    kelca::testing::MainWindowFixture f;
    f.OpenProject();
    f.ws->CurrentFolder = f.ws->Project.ProjDir;  // as opening the project leaves it
    f.ws->Project.ProjName = "Screens";
    QVERIFY(kelca::WriteProjectFile(f.tmp.File("OFFICE.PRJ"), f.ws->Project).ok);
    const std::string folder = f.tmp.Folder();
    bool described = false;
    WhenModalOpens([&](QWidget* s) {
      QCOMPARE(s->objectName(), QString("frmEgyCalInput"));
      WhenModalOpens([&](QWidget* cons) {
        AddConstruction(cons, "Wall", false, "0.6", "0.5",
                        {{"101", "Concrete", "0.2", "2400", "1.4", "880"}, {"102", "Plaster", "0.01", "1200", "0.5", "840"}});
        AddConstruction(cons, "Glazing", true, "0.1", "0.7", {{"103", "Glass", "0.006", "2500", "1", "840"}});
        AddConstruction(cons, "Slab", false, "0.7", "0.6", {{"101", "Concrete", "0.15", "2400", "1.4", "880"}});
        f.prompts.QueueAnswer(Answer::Yes);  // save first, then close
        Menu(cons, "mnuExit");
      });
      Menu(s, "mnuEConstr");
      WhenModalOpens([](QWidget* mask) {
        Pick(mask, "cboOri", "S");
        Set(mask, "txtWW", "2");
        Set(mask, "txtWH", "1.5");
        Set(mask, "txtOP", "0.6");
        Set(mask, "txtShMaskFNam", "WIN_S");
        Click(mask, "cmdGO");
        Menu(mask, "mnuAExit");
      });
      Menu(s, "mnuEShMask");

      Set(s, "txtNZn", "1");
      Click(s, "cmdEntNZn");
      Set(s, "txtZnNam", "Office floor");
      Set(s, "txtNIZn", "1");
      Set(s, "txtNRmIZ", "2");
      Click(s, "cmdEntNRm");
      DescribeRoom(s, "South office", "40", 3);
      DescribeComponent(s, "South wall", "12", "External Wall", "S", 1);
      Pick(s, "cboFabComp", "2");
      f.prompts.QueueFile(folder + "WIN_S.SHM");
      Click(s, "cmdSelShM");
      DescribeComponent(s, "South window", "6", "Window", "S", 2);
      Pick(s, "cboFabComp", "3");
      DescribeComponent(s, "Floor", "40", "Floor/Ceiling", nullptr, 3);
      Pick(s, "cboRmNo", "2");
      DescribeRoom(s, "North office", "30", 2);
      DescribeComponent(s, "North wall", "10", "External Wall", "N", 1);
      Pick(s, "cboFabComp", "2");
      DescribeComponent(s, "Floor", "30", "Floor/Ceiling", nullptr, 3);

      WhenModalOpens([](QWidget* air) {
        Pick(air, "cboASTyp", "CAV or FCU System");
        Pick(air, "cboFATyp", "Local Outdoor Air Intake");
        const QStringList zone = {"9", "11", "0.8", "500", "1", "0.5"};
        for (int i = 0; i < zone.size(); ++i) SetAt(air, "txtZnRmD", i, zone[i]);
        for (const QStringList& room : {QStringList{"5", "6", "0.45"}, QStringList{"4", "5", "0.35"}}) {
          Click(air, "cmdNxRm");
          for (int i = 0; i < room.size(); ++i) SetAt(air, "txtZnRmD", i, room[i]);
        }
        Click(air, "cmdSaQ");
      });
      Click(s, "cmdEAC");
      WhenModalOpens([&](QWidget* plant) {
        DescribePlant(plant);
        f.prompts.QueueFile(folder + "OFFICE.WSS");
        f.prompts.QueueFile(folder + "OFFICE.NAC");
        Menu(plant, "mnuFSave");
        Menu(plant, "mnuDirExit");
      });
      Menu(s, "mnuECPlt");

      f.prompts.QueueAnswer(Answer::Yes);  // Return: save first
      f.prompts.QueueFile(folder + "OFFICE.ECI");
      f.prompts.QueueFile(folder + "OFFICE.ASS");
      Menu(s, "mnuDirRet");
      described = !s->isVisible();
    });
    f.Find<QAction>("mnuEditBEUInput")->trigger();
    QVERIFY(described);
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{});
    QCOMPARE(f.ws->Energy.Zone[1].Room[1].Component[2].ShadingMaskFile, folder + "WIN_S.SHM");
    QCOMPARE(f.ws->Energy.Zone[1].Room[1].Component[3].Orientation, kelca::kHorizontal);

    const kelca::testing::CliRun run = kelca::testing::RunCli(
        "energy " + kelca::testing::Quote(f.tmp.File("OFFICE.PRJ")) + " --db " +
        kelca::testing::Quote(KELCA_SOURCE_DIR "/data/db"));
    QVERIFY2(run.status == 0, run.output.c_str());
    for (const char* text : {"Cooling load calculation completed", "A/C energy use calculation completed",
                             "1: Passenger lift (kWh)", "Results written to"}) {
      QVERIFY2(run.output.find(text) != std::string::npos, text);
    }
  }
};

QTEST_MAIN(TestEnergyModelThroughScreens)
#include "tst_energyModelThroughScreens.moc"
