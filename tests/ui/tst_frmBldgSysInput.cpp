// The building and system input screen: the three group lists with their
// insertion and bounds rules, the selection options and "Skip All", CFA.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/BuildingTestSupport.h"
#include "ui/frmBldgSysInput.h"

using kelca::Answer;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Lines;
using kelca::testing::PickLine;
using kelca::testing::Type;
using kelca::testing::WhenModalOpens;

namespace {
struct Fixture : kelca::testing::BuildingFixture {
  std::unique_ptr<frmBldgSysInput> Open() {
    auto screen = std::make_unique<frmBldgSysInput>(*ws, prompts);
    screen->show();
    return screen;
  }
  // Adds a floor group through the group editor, saved as name.FLR (or left unnamed).
  void AddFloor(QWidget* screen, const QString& name, const QString& number) {
    WhenModalOpens([this, name, number](QWidget* editor) {
      if (!name.isEmpty()) {
        Type(Find<QLineEdit>(editor, "txtGroupName"), name);
        Type(Find<QLineEdit>(editor, "txtGroupNo"), number);
        prompts.QueueFile(tmp.File(name.toStdString() + ".FLR"));
        Click(editor, "cmdSaveGroup");
      }
      Click(editor, "cmdReturn");
    });
    Click(screen, "cmdAddFloor");
  }
  // A group file of one component weighted by the group editor's options.
  void Floors(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const int g = ws->Project.FlrCount++;
      ws->Project.FlrName[g] = name;
      ws->Project.FlrFile[g] = std::string(name) + ".FLR";
      ws->Project.FlrQty[g] = 1;
      tmp.Write(ws->Project.FlrFile[g], "\"" + ws->Project.FlrFile[g] +
                                            "\"\r\n200\r\n\"" + name + "\"\r\n1\r\n2\r\n\"A.FLC\",\"A\",0,1\r\n\"B.FLC\",\"B\",1,1\r\n");
    }
  }
};
}  // namespace

class TestBldgSysInput : public QObject {
  Q_OBJECT

 private slots:
  void addedGroupsGoBelowThePickedLineAndResetTheSelections() {
    Fixture f;
    auto screen = f.Open();
    QWidget* s = screen.get();
    QVERIFY(!Find<QPushButton>(s, "cmdEditFloor")->isEnabled());
    f.ws->Selection.Flr.GrpSel[0] = 0.5f;
    f.AddFloor(s, "", "");  // the editor closed without a name: nothing added, nothing reset
    QCOMPARE(f.ws->Project.FlrCount, 0);
    QCOMPARE(f.ws->Selection.Flr.GrpSel[0], 0.5f);

    f.AddFloor(s, "Second", "3");  // nothing picked: first
    f.AddFloor(s, "Fourth", "1");  // the last line picked: appended
    PickLine(s, "lstFloorName", -1);
    f.AddFloor(s, "First", "1");
    PickLine(s, "lstFlrNo", 1);
    f.AddFloor(s, "Third", "2");
    QCOMPARE(Lines(Find<QListWidget>(s, "lstFloorName")), QStringList({"First", "Second", "Third", "Fourth"}));
    QCOMPARE(Lines(Find<QListWidget>(s, "lstFlrNo")), QStringList({"1", "3", "2", "1"}));
    QCOMPARE(f.ws->Project.FlrFile[2], std::string("Third.FLR"));
    QCOMPARE(f.ws->Selection.Flr.GrpSel[0], 1.0f);
    QVERIFY(Find<QPushButton>(s, "cmdEditFloor")->isEnabled());

    PickLine(s, "lstFloorName", 3);
    Click(s, "cmdFlrDn");  // the last line stays
    Click(s, "cmdFlrUp");
    QCOMPARE(Lines(Find<QListWidget>(s, "lstFloorName")), QStringList({"First", "Second", "Fourth", "Third"}));
    QCOMPARE(Find<QListWidget>(s, "lstFloorName")->currentRow(), 2);

    Click(s, "cmdDeleteFloor");  // Cancel
    QCOMPARE(f.prompts.log.back(), std::string("OkCancel: Fourth will be removed from the Project. Continue?"));
    QCOMPARE(f.ws->Project.FlrCount, 4);
    f.prompts.QueueAnswer(Answer::Ok);
    Click(s, "cmdDeleteFloor");
    QCOMPARE(Lines(Find<QListWidget>(s, "lstFloorName")), QStringList({"First", "Second", "Third"}));
    QVERIFY(f.ws->Project.FlrName[3].empty());
  }

  void theEleventhFoundationGroupIsRefusedBeforeTheEditorOpens() {
    Fixture f;
    f.ws->Project.FdnCount = 10;
    auto screen = f.Open();
    Click(screen.get(), "cmdAddFoundation");
    QCOMPARE(f.prompts.Messages(),
             std::vector<std::string>{"No. of Foundation groups defined already reached the Max. (10)!"});
    QCOMPARE(Find<QListWidget>(screen.get(), "lstFoundationName")->count(), 10);
  }

  // None keeps the components' choices; All selects everything again; an
  // edited group follows its components.
  void optionsFollowTheGroupWeightAndAreReDerivedAfterAnEdit() {
    Fixture f;
    f.Floors({"GF", "TYP"});
    auto screen = f.Open();
    QWidget* s = screen.get();
    QVERIFY(!Find<QRadioButton>(s, "Option4")->isEnabled());
    PickLine(s, "lstFloorName", 1);
    QVERIFY(Find<QRadioButton>(s, "Option4")->isChecked() && !Find<QRadioButton>(s, "Option5")->isEnabled());
    f.ws->Selection.Flr.CompSel[1][1] = 0;
    Click(s, "Option6");
    QCOMPARE(f.ws->Selection.Flr.GrpSel[1], 0.0f);
    QCOMPARE(f.ws->Selection.Flr.CompSel[1][1], 0.0f);
    Click(s, "Option4");
    QCOMPARE(f.ws->Selection.Flr.CompSel[1][1], 1.0f);

    for (const char* componentOption : {"Option3", "Option1"}) {
      WhenModalOpens([componentOption](QWidget* editor) {
        PickLine(editor, "lstGrpComp", 1);
        Click(editor, componentOption);
        Click(editor, "cmdReturn");
      });
      Click(s, "cmdEditFloor");
      const bool some = QString(componentOption) == "Option3";
      QCOMPARE(f.ws->Selection.Flr.GrpSel[1], some ? 0.5f : 1.0f);
      QCOMPARE(Find<QRadioButton>(s, "Option5")->isChecked(), some);
    }
    QVERIFY(f.prompts.log.empty());

    Click(s, "chkSer");
    QCOMPARE(f.ws->Selection.SerSkip, 1);
  }

  void returnTakesTheLeadingNumberOfTheFloorArea() {
    Fixture f;
    for (const auto& [typed, cfa] : {std::pair<QString, float>{"1250.5 sqm", 1250.5f}, {"abc", 0}, {"", 0}}) {
      auto screen = f.Open();
      Type(Find<QLineEdit>(screen.get(), "txtCFA"), typed);
      Click(screen.get(), "cmdReturn");
      QVERIFY(!screen->isVisible());
      QCOMPARE(f.ws->Project.CFA, cfa);
    }
  }
};

QTEST_MAIN(TestBldgSysInput)
#include "tst_frmBldgSysInput.moc"
