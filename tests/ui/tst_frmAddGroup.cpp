// The group editor: captions by group type, components added through the
// component editor, the selection options, loading and saving the group file.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/BuildingTestSupport.h"
#include "ui/frmAddGroup.h"

using kelca::Answer;
using kelca::kFloor;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Lines;
using kelca::testing::PickLine;
using kelca::testing::Type;
using kelca::testing::WhenModalOpens;

namespace {
struct Fixture : kelca::testing::BuildingFixture {
  // The editor for floor group g (-1: a group being added), of the group file given.
  std::unique_ptr<frmAddGroup> Open(int g, const std::string& groupFile = "") {
    EditingGroup(kFloor, g);
    ws->Group = kelca::GroupRecord{};
    ws->Group.GrpFile = groupFile;
    auto screen = std::make_unique<frmAddGroup>(*ws, prompts);
    screen->show();
    return screen;
  }
  // Adds a component through the component editor, saved as file.
  void AddComponent(QWidget* screen, const QString& name, const QString& type, const QString& number) {
    WhenModalOpens([this, name, type, number](QWidget* editor) {
      Type(Find<QLineEdit>(editor, "txtCompName"), name);
      kelca::testing::Choose(Find<QComboBox>(editor, "cboCompType"), type);
      Type(Find<QLineEdit>(editor, "txtCompNo"), number);
      prompts.QueueFile(tmp.File(name.toStdString() + ".FLC"));
      Find<QAction>(editor, "mnuFSComp")->trigger();
      Find<QAction>(editor, "mnuDirRet")->trigger();
    });
    Click(screen, "cmdAddGrpComp");
  }
};
}  // namespace

class TestAddGroup : public QObject {
  Q_OBJECT

 private slots:
  void aNewGroupTakesComponentsBelowThePickedLineAndReturnAsksToSave() {
    Fixture f;
    auto screen = f.Open(-1);
    QWidget* s = screen.get();
    QVERIFY(Find<QPushButton>(s, "cmdLoadGroup")->isEnabled());
    QVERIFY(!Find<QRadioButton>(s, "Option1")->isEnabled());

    Type(Find<QLineEdit>(s, "txtGroupName"), "Typical floor");
    f.AddComponent(s, "Frame", "Frame", "1");
    f.AddComponent(s, "Walls", "Envelope", "4");  // Frame, the last line, picked: appended
    PickLine(s, "lstGrpComp", -1);
    f.AddComponent(s, "Fitout", "Contents", "2");  // nothing picked: first
    QCOMPARE(Lines(Find<QListWidget>(s, "lstGrpComp")), QStringList({"Fitout", "Frame", "Walls"}));
    QCOMPARE(Lines(Find<QListWidget>(s, "lstGrpType")), QStringList({"Contents", "Frame", "Envelope"}));
    QCOMPARE(Lines(Find<QListWidget>(s, "lstGrpCNo")), QStringList({"2", "1", "4"}));
    PickLine(s, "lstGrpCNo", 2);
    QCOMPARE(Find<QListWidget>(s, "lstGrpComp")->currentRow(), 2);
    Click(s, "cmdGrpCUp");
    QCOMPARE(Lines(Find<QListWidget>(s, "lstGrpComp")), QStringList({"Fitout", "Walls", "Frame"}));

    Click(s, "cmdSaveGroup");
    QCOMPARE(f.prompts.Messages().back(), std::string("Missing no. of identical Floor(s) in Building!"));
    f.prompts.QueueAnswer(Answer::Cancel);
    Click(s, "cmdReturn");
    QVERIFY(s->isVisible());
    QCOMPARE(f.prompts.log.back(), std::string("YesNoCancel: Save data before closing this form?"));
    f.prompts.QueueAnswer(Answer::No);
    Click(s, "cmdReturn");
    QVERIFY(!s->isVisible());
    QVERIFY(!std::filesystem::exists(f.tmp.File("Typical floor.FLR")));
    QCOMPARE(f.ws->Group.GrpName, std::string("Typical floor"));  // taken by Add Component
    QCOMPARE(f.ws->Group.GrpCompCount, 3);
    QCOMPARE(f.ws->Group.GrpCompFile[2], std::string("Frame.FLC"));
  }

  // The group's weight for component 0 follows its elements after each edit.
  void editingAComponentReDerivesItsOptionAndSavingWritesTheGroup() {
    Fixture f;
    f.WriteElement(kFloor, "A.FLE", "A", 1, {"1"});
    f.WriteElement(kFloor, "B.FLE", "B", 1, {"2"});
    f.WriteComponent(kFloor, "SLABS.FLC", "Slabs", 1, {{"A.FLE", "A", 1}, {"B.FLE", "B", 1}});
    f.tmp.Write("GF.FLR", "\"GF.FLR\"\r\n200\r\n\"Ground floor\"\r\n1\r\n1\r\n\"SLABS.FLC\",\"Slabs\",1,2\r\n");
    auto screen = f.Open(0, "GF.FLR");
    QWidget* s = screen.get();
    QCOMPARE(Find<QLineEdit>(s, "txtGroupName")->text(), QString("Ground floor"));
    QVERIFY(!Find<QPushButton>(s, "cmdLoadGroup")->isEnabled());
    PickLine(s, "lstGrpComp", 0);
    QVERIFY(Find<QRadioButton>(s, "Option1")->isChecked() && !Find<QRadioButton>(s, "Option2")->isEnabled());

    for (const bool assessB : {false, true}) {
      WhenModalOpens([assessB](QWidget* editor) {
        PickLine(editor, "lstElm", 1);
        Click(editor, assessB ? "Option1" : "Option2");
        Find<QAction>(editor, "mnuDirRet")->trigger();
      });
      Click(s, "cmdEditGrpComp");
      QCOMPARE(f.ws->Selection.Flr.CompSel[0][0], assessB ? 1.0f : 0.5f);
      QCOMPARE(Find<QRadioButton>(s, "Option2")->isChecked(), !assessB);
      QCOMPARE(Find<QRadioButton>(s, "Option2")->isEnabled(), !assessB);
    }
    Click(s, "Option3");
    QCOMPARE(f.ws->Selection.Flr.CompSel[0][0], 0.0f);
    QVERIFY(f.ws->Selection.Flr.ElmSel[0][0][1]);  // None leaves the elements' flags

    Type(Find<QLineEdit>(s, "txtGroupNo"), "3");
    f.prompts.QueueFile(f.tmp.File("GF.FLR.new"));  // the extension is added: GF.FLR.new.FLR
    Click(s, "cmdSaveGroup");
    QVERIFY(std::filesystem::exists(f.tmp.File("GF.FLR.new.FLR")));
    QCOMPARE(f.prompts.dialogs.back().proposedName, std::string("GF.FLR"));
    QCOMPARE(f.prompts.dialogs.back().filter, std::string("Floor Component Group Files (*.FLR)|*.FLR"));
    f.BlockFile("GF2.FLR");
    f.prompts.QueueFile(f.tmp.File("GF2.FLR"));
    Click(s, "cmdSaveGroup");  // cannot be written: said so, nothing lost
    QVERIFY(QString::fromStdString(f.prompts.Messages().back()).startsWith("Cannot write " + QString::fromStdString(f.tmp.File("GF2.FLR"))));
    QCOMPARE(Find<QLineEdit>(s, "txtGrpFileName")->text(), QString("GF.FLR.new.FLR"));
    Click(s, "cmdReturn");
    QVERIFY(!s->isVisible());
    QCOMPARE(f.ws->Group.GrpQty, 3.0f);
  }

  void aNewGroupLoadsOnlyAGroupFileOfItsType() {
    Fixture f;
    f.tmp.Write("PLANT.SER", "\"PLANT.SER\"\r\n300\r\n\"Plant\"\r\n1\r\n0\r\n");
    f.tmp.Write("GF.FLR", "\"GF.FLR\"\r\n200\r\n\"Ground floor\"\r\n2\r\n0\r\n");
    auto screen = f.Open(-1);
    QWidget* s = screen.get();
    f.prompts.QueueFile(f.tmp.File("PLANT.SER"));
    Click(s, "cmdLoadGroup");
    QCOMPARE(f.prompts.Messages().back(), f.tmp.File("PLANT.SER") + " is not a Floor file!");
    QCOMPARE(f.prompts.dialogs.back().title, std::string("Load a Floor File"));
    QCOMPARE(Find<QLineEdit>(s, "txtGroupName")->text(), QString());
    f.prompts.QueueFile(f.tmp.File("GF.FLR"));
    Click(s, "cmdLoadGroup");
    QCOMPARE(Find<QLineEdit>(s, "txtGroupNo")->text(), QString("2"));
    const size_t asked = f.prompts.log.size();
    Click(s, "cmdReturn");  // just loaded from the project folder: nothing to ask
    QCOMPARE(f.prompts.log.size(), asked);
    QCOMPARE(f.ws->Group.GrpName, std::string("Ground floor"));

    std::filesystem::create_directories(f.tmp.File("templates"));
    std::filesystem::copy(f.tmp.File("GF.FLR"), f.tmp.File("templates/GF.FLR"));
    auto again = f.Open(-1);
    f.prompts.QueueFile(f.tmp.File("templates/GF.FLR"));
    Click(again.get(), "cmdLoadGroup");
    Click(again.get(), "cmdReturn");  // from another folder: to be saved in the project (Cancel)
    QCOMPARE(f.prompts.log.back(), std::string("YesNoCancel: Save data before closing this form?"));
    QVERIFY(again->isVisible());
  }
};

QTEST_MAIN(TestAddGroup)
#include "tst_frmAddGroup.moc"
