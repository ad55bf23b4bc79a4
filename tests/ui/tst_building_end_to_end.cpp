// A new project built entirely through the screens: a floor group with one
// component of a type 0 element (its material from the material picker) and a
// library element (its type from the element picker), saved, closed, opened
// again and assessed; its As Built global warming checked by hand.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "ui/BuildingTestSupport.h"

using kelca::testing::Click;
using kelca::testing::ClickCell;
using kelca::testing::Find;
using kelca::testing::SearchAndClose;
using kelca::testing::Type;
using kelca::testing::WhenModalOpens;

namespace {
// The main window started over the sample database, and the new project's folder.
struct Fixture : kelca::testing::MainWindowFixture {
  Fixture() : MainWindowFixture(kelca::testing::kSampleDb) {}
  std::string InProject(const std::string& name) const { return tmp.File("NEWPROJ/" + name); }

  void TypeCell(QWidget* editor, int row, const QString& value) {
    ClickCell(editor, "msgElm", row, 2);
    Type(kelca::testing::Find<QLineEdit>(editor, "txtmsgCell"), value);
    Click(editor, "cmdEnter");
  }
  // Starts an element, picks its type in the element picker.
  void StartElement(QWidget* editor, const QString& name, const QString& typeSearch) {
    Click(editor, "cmdAddElm");
    Type(kelca::testing::Find<QLineEdit>(editor, "txtElmName"), name);
    WhenModalOpens([typeSearch](QWidget* picker) { SearchAndClose(picker, typeSearch, "cmdOK"); });
    Click(editor, "cmdElmType");
  }
  void SaveElement(QWidget* editor, const std::string& file) {
    prompts.QueueFile(InProject(file));
    Click(editor, "cmdSaveElm");
  }
  // The component editor: 10 m3 of concrete C30/37 (5 % wastage, 60 years)
  // listed by a type 0 element, and a 100 m2 slab of 0.2 m with 120 kg/m3.
  void BuildComponent(QWidget* editor) {
    Type(kelca::testing::Find<QLineEdit>(editor, "txtCompName"), "Structure");
    kelca::testing::Choose(kelca::testing::Find<QComboBox>(editor, "cboCompType"), "Frame");
    Type(kelca::testing::Find<QLineEdit>(editor, "txtCompNo"), "2");
    StartElement(editor, "Screed", "listed materials");
    WhenModalOpens([](QWidget* picker) { SearchAndClose(picker, "c30/37", "cmdClose"); });
    ClickCell(editor, "msgElm", 0, 2);
    TypeCell(editor, 1, "10");
    TypeCell(editor, 2, "5");
    TypeCell(editor, 3, "60");
    SaveElement(editor, "SCREED.FLE");
    StartElement(editor, "Slab", "floor slab");
    TypeCell(editor, 0, "100");
    TypeCell(editor, 1, "0.2");
    TypeCell(editor, 2, "120");
    SaveElement(editor, "SLAB.FLE");
    prompts.QueueFile(InProject("STRUCT.FLC"));
    kelca::testing::Find<QAction>(editor, "mnuFSComp")->trigger();
    kelca::testing::Find<QAction>(editor, "mnuDirRet")->trigger();
  }
  // The group editor: "Level 1", 3 in the building.
  void BuildGroup(QWidget* group) {
    Type(kelca::testing::Find<QLineEdit>(group, "txtGroupName"), "Level 1");
    Type(kelca::testing::Find<QLineEdit>(group, "txtGroupNo"), "3");
    WhenModalOpens([this](QWidget* editor) { BuildComponent(editor); });
    Click(group, "cmdAddGrpComp");
    prompts.QueueFile(InProject("LEVEL1.FLR"));
    Click(group, "cmdSaveGroup");
    Click(group, "cmdReturn");
  }
};

// Stage 1 of one material: made (1 + w) q, wasted w q (all of it with no life).
struct Use {
  int matNo;
  float quantity, wastage, life;
};
double AsBuiltGlobalWarming(const kelca::MaterialTable& m, const Use& u) {
  const int row = kelca::RowOfMaterial(m, u.matNo);
  const double w = u.wastage / 100.0;
  const double made = (1 + w) * u.quantity;
  const double waste = u.life > 0 ? w * u.quantity : made;
  return m.MatImpact[row][1] * made + m.MatWasteImpact[row][1] * waste;
}
}  // namespace

class TestBuildingEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void aProjectBuiltThroughTheScreensIsSavedReopenedAndAssessed() {
    Fixture f;
    QVERIFY(f.Menu("mnuOpenData")->isChecked());
    f.prompts.QueueFile(f.tmp.File("NEWPROJ"));
    f.prompts.QueueFile(f.InProject("NEW.PRJ"));
    f.Menu("mnuFNew")->trigger();
    Type(Find<QLineEdit>(f.window.get(), "txtProjName"), "New office");
    Click(f.window.get(), "cmdEnterProjName");
    auto* building = f.window->findChild<QDialog*>("frmBldgSysInput");
    QVERIFY(building && building->isVisible());
    Type(Find<QLineEdit>(building, "txtCFA"), "1500");
    WhenModalOpens([&f](QWidget* group) { f.BuildGroup(group); });
    Click(building, "cmdAddFloor");
    QCOMPARE(kelca::testing::Lines(Find<QListWidget>(building, "lstFloorName")), QStringList({"Level 1"}));
    Click(building, "cmdReturn");
    f.prompts.QueueFile(f.InProject("NEW.PRJ"));
    f.Menu("mnuFileSave")->trigger();
    QVERIFY(f.prompts.Messages().empty());

    f.Menu("mnuFileClose")->trigger();
    f.ws->Project.FlrCount = 0;
    f.prompts.QueueFile(f.InProject("NEW.PRJ"));
    f.Menu("mnuFileOpen")->trigger();
    QCOMPARE(f.ws->Project.FlrCount, 1);
    QCOMPARE(f.ws->Project.CFA, 1500.0f);
    QCOMPARE(f.ws->Project.FlrFile[0], std::string("LEVEL1.FLR"));
    f.Menu("mnuRunLCA")->trigger();
    QVERIFY(f.prompts.Messages().empty());
    QVERIFY(f.Menu("mnuRunLCA")->isChecked());

    // 3 groups of 2 components: the listed concrete, and the slab's concrete
    // C35/45 (4 %), reinforcement (3 %) and single-use share of plywood formwork.
    const kelca::MaterialTable& m = f.ws->Materials;
    const double element = AsBuiltGlobalWarming(m, {3, 10, 5, 60});
    const double slab = AsBuiltGlobalWarming(m, {4, 100 * 0.2f, 4, 100}) +
                        AsBuiltGlobalWarming(m, {25, 100 * 0.2f * 120, 3, 100}) +
                        AsBuiltGlobalWarming(m, {42, 100 * 0.018f / 6, 0, 0});
    QVERIFY(element > 0 && slab > element);
    QVERIFY(f.tmp.Read("NEWPROJ/SCREED.FLE").find("\"3\",\"Concrete C30/37 (m3)\"") != std::string::npos);
    const double expected = 3 * 2 * (element + slab);
    const float result = f.ws->Results.Flr.Impact[kelca::kAsBuilt][2];
    QVERIFY2(std::abs(result - expected) <= 1e-5 * expected, qPrintable(QString("%1 %2").arg(result).arg(expected)));
    QCOMPARE(f.ws->Results.Bldg.Impact[kelca::kAsBuilt][2], result);
  }
};

QTEST_MAIN(TestBuildingEndToEnd)
#include "tst_building_end_to_end.moc"
