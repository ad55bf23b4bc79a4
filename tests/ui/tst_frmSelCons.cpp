// The construction screen in both modes: the layer list lines, the layer
// editor with its material choice, the table commands and their questions,
// the construction file, and the component editor's hand-over of layers.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmSelCons.h"

using kelca::Answer;
using kelca::ConstructionScreenMode;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
QStringList Lines(QWidget* screen, const char* name) {
  QStringList lines;
  auto* list = Find<QListWidget>(screen, name);
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

struct Fixture : kelca::testing::ScreenFixture {
  Fixture() {
    OpenProject();
    ws->EnergyFiles = kelca::DeriveEnergyFileNames(tmp.File("OFFICE.PRJ"));
    using kelca::testing::AddConstruction;
    AddConstruction(ws->Constructions, "Wall", 0, 0.6f, 0.5f,
                    {kelca::testing::Concrete(0.2f), kelca::testing::AirGap(0.05f), kelca::testing::Plaster(0.01f)});
    AddConstruction(ws->Constructions, "Glazing", 1, 0.1f, 0.7f, {kelca::testing::Glass(0.006f)});
    AddConstruction(ws->Constructions, "Slab", 0, 0.7f, 0.4f, {kelca::testing::Concrete(0.15f)});
    // Material 12 is row 5 of the material table.
    ws->Materials.MatRowOf[12] = 5;
    ws->Materials.MatName[5] = "Concrete (dense)";
    ws->Materials.MatProp[5] = {2300, 1.6f, 900};
  }
};
}  // namespace

class TestConstructionScreen : public QObject {
  Q_OBJECT

 private slots:
  void layerLinesOfAWallAWindowAndAOneLayerConstruction() {
    Fixture f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Edit);
    auto* list = Find<QListWidget>(&screen, "lstCons");
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("3"));
    const QStringList hints = {"Click Clear Data Button before selecting another construction",
                               "to view or edit. Any changes made should be saved as a New",
                               "construction or Changes to the selected construction."};
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(Lines(&screen, "lstElmIC"), QStringList({"Concrete; Thk. 0.2(m); Abs. Out 0.6", "Air Gap; Thk. 0.05(m)",
                                                      "Plaster; Thk. 0.01(m); Abs. In 0.5"}) + hints);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(Lines(&screen, "lstElmIC"),
             QStringList({"Glass; Thk. 0.006(m); Abs. Out 0.1", "Shading Coefficient 0.7"}) + hints);
    QVERIFY(Find<QRadioButton>(&screen, "OptWindow")->isChecked());
    QCOMPARE(FindAt<QLabel>(&screen, "lblAbs", 1)->text(), QString("Window SC"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(Lines(&screen, "lstElmIC").first(), QString("Concrete; Thk. 0.15(m); Abs. Out 0.7; Abs. In 0.4"));
    Click(&screen, "OptWindow");
    QCOMPARE(FindAt<QLabel>(&screen, "lblAbs", 1)->text(), QString("Window SC"));
    QCOMPARE(FindAt<QLineEdit>(&screen, "txtAbs", 1)->text(), QString("0.4"));  // the same field
  }

  void aNewConstructionIsBuiltLayerByLayerAddedDeletedAndSaved() {
    Fixture f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Edit);
    for (const char* count : {"0", "21", "20"}) {
      Type(Find<QLineEdit>(&screen, "txtNElmInC"), count);
      QVERIFY(Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
      Click(&screen, "cmdEntNo");
    }
    Click(&screen, "cmdAddLay");
    Type(Find<QLineEdit>(&screen, "txtNElmInC"), "2");
    Click(&screen, "cmdEntNo");
    QVERIFY(!Find<QPushButton>(&screen, "cmdEntNo")->font().bold());
    QCOMPARE(Find<QComboBox>(&screen, "cboElmNo")->count(), 2);
    // The typed number brings the material's name and properties; 0 is an air gap.
    Type(Find<QLineEdit>(&screen, "txtMatNo"), "12");
    Click(&screen, "cmdSelMat");
    QCOMPARE(Find<QLineEdit>(&screen, "txtMatNam")->text(), QString("Concrete (dense)"));
    QCOMPARE(FindAt<QLineEdit>(&screen, "txtProp", 1)->text(), QString("1.6"));
    Type(Find<QLineEdit>(&screen, "txtMatThk"), "0.1");
    kelca::testing::Choose(Find<QComboBox>(&screen, "cboElmNo"), "2");
    Type(Find<QLineEdit>(&screen, "txtMatNo"), "0");
    Type(Find<QLineEdit>(&screen, "txtMatThk"), "0.03");
    // A picker plugged in chooses instead of the number box.
    screen.SetMaterialPicker([](int current) { return current == 0 ? 12 : -1; });
    Click(&screen, "cmdAddLay");  // a third layer after the second, material 0 until chosen
    Click(&screen, "cmdSelMat");
    QCOMPARE(Find<QLineEdit>(&screen, "txtMatNam")->text(), QString("Concrete (dense)"));
    Type(Find<QLineEdit>(&screen, "txtConsNam"), "Cavity wall");
    Type(FindAt<QLineEdit>(&screen, "txtAbs", 0), "0.55");
    Type(FindAt<QLineEdit>(&screen, "txtAbs", 1), "0.45");
    Click(&screen, "cmdAdd");
    QCOMPARE(Find<QLineEdit>(&screen, "txtNCons")->text(), QString("4"));
    QVERIFY(Lines(&screen, "lstElmIC").isEmpty());

    // Deleting the second construction asks first; Cancel keeps it.
    auto* list = Find<QListWidget>(&screen, "lstCons");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    Click(&screen, "cmdDel");
    QCOMPARE(list->count(), 4);
    f.prompts.QueueAnswer(Answer::Ok);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    Click(&screen, "cmdDel");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QString("Cavity wall"));

    // Exit: Cancel stays, Yes saves the file and closes.
    f.prompts.QueueAnswer(Answer::Cancel);
    Find<QAction>(&screen, "mnuExit")->trigger();
    f.prompts.QueueAnswer(Answer::Yes);
    screen.show();
    screen.close();
    QVERIFY(!screen.isVisible());
    const std::vector<std::string> expected = {
        "Message: No. of Layers outside range!",
        "Message: No. of Layers outside range!",
        "Message: No. of layers already the maximum allowable.",
        "OkCancel: This may affect reference to Constructions in Room Input. Go ahead ?",
        "OkCancel: This may affect reference to Constructions in Room Input. Go ahead ?",
        "YesNoCancel: Save data first?",
        "YesNoCancel: Save data first?"};
    QCOMPARE(f.prompts.log, expected);
    kelca::ConstructionTable saved;
    QVERIFY(kelca::ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
    QCOMPARE(saved, f.ws->Constructions);
    QCOMPARE(saved.ConstructionCount, 3);
    const kelca::Construction& wall = saved.Item[3];
    QCOMPARE(wall.LayerCount, 3);
    QCOMPARE(wall.Layer[1], (kelca::ConstructionLayer{12, "Concrete (dense)", 0.1f, 2300, 1.6f, 900}));
    QCOMPARE(std::pair(wall.Layer[2].MaterialName, wall.Layer[2].Thickness), std::pair(std::string("Air Gap"), 0.03f));
    QCOMPARE(wall.Layer[3].MaterialNo, 12);
    QCOMPARE(wall.SurfaceValue, (std::array<float, 2>{0.55f, 0.45f}));
  }

  void selectModeReturnsThePickedConstruction() {
    Fixture f;
    frmSelCons screen(*f.ws, f.prompts, ConstructionScreenMode::Select, 2);
    screen.show();
    QVERIFY(!Find<QMenu>(&screen, "mnuFile")->isEnabled());
    QVERIFY(Find<QLabel>(&screen, "lblHint")->isVisible());
    QCOMPARE(Find<QLineEdit>(&screen, "txtConsNam")->text(), QString("Glazing"));
    auto* list = Find<QListWidget>(&screen, "lstCons");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    Click(&screen, "cmdOkay");
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QCOMPARE(std::pair(screen.PickedNumber(), screen.PickedName()), std::pair(3, std::string("Slab")));
    QVERIFY(f.prompts.log.empty());
  }

  void handedOverLayersJoinTheProjectsConstructions() {
    Fixture f;
    QVERIFY(kelca::WriteConstructionFile(f.ws->EnergyFiles.ConFile, f.ws->Constructions).ok);
    f.ws->Constructions = {};
    QVERIFY(!ShowConstructionWithLayers(*f.ws, f.prompts, {}));
    kelca::testing::WhenModalOpens([&](QWidget* screen) {
      QCOMPARE(Find<QLineEdit>(screen, "txtNCons")->text(), QString("3"));  // read from the project's file
      QCOMPARE(Find<QLineEdit>(screen, "txtNElmInC")->text(), QString("2"));
      QCOMPARE(Lines(screen, "lstElmIC"),
               QStringList({"Concrete; Thk. 0.25(m); Abs. Out 0", "Mineral wool; Thk. 0.05(m); Abs. In 0"}));
      Type(Find<QLineEdit>(screen, "txtConsNam"), "Floor slab");
      Type(FindAt<QLineEdit>(screen, "txtAbs", 0), "0.7");
      Click(screen, "cmdAdd");
      Find<QAction>(screen, "mnuFSaveAll")->trigger();
      f.prompts.QueueAnswer(Answer::No);
      Find<QAction>(screen, "mnuExit")->trigger();
    });
    QVERIFY(ShowConstructionWithLayers(*f.ws, f.prompts, {kelca::testing::Concrete(0.25f), kelca::testing::Insulation(0.05f)}));
    kelca::ConstructionTable saved;
    QVERIFY(kelca::ReadConstructionFile(f.ws->EnergyFiles.ConFile, saved).ok);
    QCOMPARE(saved.ConstructionCount, 4);
    QCOMPARE(saved.Item[4].Name, std::string("Floor slab"));
    QCOMPARE(saved.Item[4].Layer[2], kelca::testing::Insulation(0.05f));
    QCOMPARE(saved.Item[4].SurfaceValue[0], 0.7f);
  }
};

QTEST_MAIN(TestConstructionScreen)
#include "tst_frmSelCons.moc"
