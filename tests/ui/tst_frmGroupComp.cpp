// The component editor: elements added, saved, edited and moved through its
// controls, the value grid, the component's file, and the material override frame.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "database/UserValues.h"
#include "ui/BuildingTestSupport.h"
#include "ui/frmGroupComp.h"

using kelca::Answer;
using kelca::kFloor;
using kelca::testing::Click;
using kelca::testing::ClickCell;
using kelca::testing::Find;
using kelca::testing::Lines;
using kelca::testing::PickLine;
using kelca::testing::Type;
using kelca::testing::WhenModalOpens;

namespace {
struct Fixture : kelca::testing::BuildingFixture {
  // The editor for floor group 0 and its component 0: a new one, or the component file given.
  std::unique_ptr<frmGroupComp> Open(const std::string& compFile = "") {
    EditingGroup(kFloor, 0);
    ws->CurComp = 0;
    ws->Group.GrpName = "Typical floor";
    ws->Component = kelca::ComponentRecord{};
    ws->Component.CompFile = compFile;
    auto screen = std::make_unique<frmGroupComp>(*ws, prompts);
    screen->show();
    return screen;
  }
  // Adds an element of a FABRIC type, picked by a search in the element
  // picker, and saves it as name.FLE.
  void AddElement(QWidget* screen, const QString& name, const QString& typeSearch) {
    Click(screen, "cmdAddElm");
    Type(Find<QLineEdit>(screen, "txtElmName"), name);
    WhenModalOpens([typeSearch](QWidget* picker) { kelca::testing::SearchAndClose(picker, typeSearch, "cmdOK"); });
    Click(screen, "cmdElmType");
    prompts.QueueFile(tmp.File(name.toStdString() + ".FLE"));
    Click(screen, "cmdSaveElm");
  }
  void TypeCell(QWidget* screen, int row, int column, const QString& text) {
    ClickCell(screen, "msgElm", row, column);
    Type(Find<QLineEdit>(screen, "txtmsgCell"), text);
    Click(screen, "cmdEnter");
  }
};
}  // namespace

class TestGroupComp : public QObject {
  Q_OBJECT

 private slots:
  void newElementsGoBelowThePickedLineAndTheirFlagsMoveWithThem() {
    Fixture f;
    auto screen = f.Open();
    QWidget* s = screen.get();
    QVERIFY(Find<QAction>(s, "mnuFLComp")->isEnabled());
    kelca::testing::Choose(Find<QComboBox>(s, "cboCompType"), "Frame");

    f.AddElement(s, "A", "floor SLAB");  // nothing picked: first
    f.AddElement(s, "B", "beam");        // A, the last line, picked: appended
    PickLine(s, "lstElm", -1);
    f.AddElement(s, "C", "beam");  // nothing picked: first again
    PickLine(s, "lstElm", 1);
    f.AddElement(s, "D", "beam");  // below A
    auto* list = Find<QListWidget>(s, "lstElm");
    QCOMPARE(Lines(list), QStringList({"C", "A", "D", "B"}));
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(f.ws->Component.CompElmType[1], 1);
    QCOMPARE(f.ws->Component.CompElmFile[3], std::string("B.FLE"));

    // B is not assessed; moving it up and deleting D above it keep its choice.
    PickLine(s, "lstElm", 3);
    QVERIFY(Find<QGroupBox>(s, "Frame1")->isVisible());
    Click(s, "Option2");
    QVERIFY(!f.ws->Selection.Flr.ElmSel[0][0][3]);
    Click(s, "cmdElmUp");
    PickLine(s, "lstElm", 3);
    Click(s, "cmdDeleteElm");
    QCOMPARE(Lines(list), QStringList({"C", "A", "B"}));
    QVERIFY(!f.ws->Selection.Flr.ElmSel[0][0][2]);
    QVERIFY(f.ws->Selection.Flr.ElmSel[0][0][1]);
    PickLine(s, "lstElm", 2);
    QVERIFY(Find<QRadioButton>(s, "Option2")->isChecked());
    QVERIFY(f.prompts.Messages().empty());
  }

  void saveAsConstructionHandsTheLayersToTheConstructionScreen() {
    Fixture f;
    auto screen = f.Open();
    QWidget* s = screen.get();
    kelca::testing::Choose(Find<QComboBox>(s, "cboCompType"), "Frame");
    f.AddElement(s, "A", "floor SLAB");
    // The material data screen asks for what the element does not give; then
    // the construction screen opens with the layer.
    QStringList layers;
    std::function<void(QWidget*)> answer = [&](QWidget* modal) {
      if (modal->objectName() == "frmSelCons") {
        layers = Lines(Find<QListWidget>(modal, "lstElmIC"));
        static_cast<QDialog*>(modal)->reject();
        return;
      }
      const bool thickness = !Find<QPushButton>(modal, "cmdSel")->isVisible();
      Type(Find<QLineEdit>(modal, "txtMatProp"), thickness ? "0.2" : "3");
      WhenModalOpens(answer);
      Click(modal, "cmdReturn");
    };
    QVERIFY(Find<QAction>(s, "mnuFSCons")->isEnabled());
    f.prompts.QueueAnswer(kelca::Answer::No);  // "Save data first?" on leaving the construction screen
    WhenModalOpens(answer);
    Find<QAction>(s, "mnuFSCons")->trigger();
    QCOMPARE(layers.size(), 1);
    QVERIFY2(layers[0].contains("; Thk. "), qPrintable(layers[0]));
  }

  void theGridHoldsSixteenValuesThroughTheFileAndAPendingCellShowsItsMark() {
    Fixture f;
    auto screen = f.Open();
    QWidget* s = screen.get();
    kelca::testing::Choose(Find<QComboBox>(s, "cboCompType"), "Envelope");
    Click(s, "cmdAddElm");
    Type(Find<QLineEdit>(s, "txtElmName"), "Sixteen");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "CURTAIN", "cmdOK"); });
    Click(s, "cmdElmType");
    auto* grid = Find<QTableWidget>(s, "msgElm");
    QCOMPARE(Find<QLabel>(s, "lblElmType")->text(), QString("Unitised curtain wall"));
    QCOMPARE(grid->item(0, 0)->text(), QString("Curtain wall area"));
    QCOMPARE(grid->item(0, 1)->text(), QString("m2"));

    ClickCell(s, "msgElm", 0, 2);
    QCOMPARE(grid->item(0, 2)->text(), QString(">_"));
    QCOMPARE(Find<QLabel>(s, "lblEditmsgCell")->text(), QString("Click Enter when finished"));
    ClickCell(s, "msgElm", 1, 2);  // another cell waits until Enter
    QCOMPARE(grid->item(1, 2)->text(), QString());
    Type(Find<QLineEdit>(s, "txtmsgCell"), "wrong");
    Click(s, "cmdClrTxt");
    QCOMPARE(Find<QLineEdit>(s, "txtmsgCell")->text(), QString());
    Type(Find<QLineEdit>(s, "txtmsgCell"), "v1");
    Click(s, "cmdEnter");
    QCOMPARE(Find<QLabel>(s, "lblEditmsgCell")->text(), QString("Click Cell then Edit Here >"));
    for (int row = 1; row < 16; ++row) f.TypeCell(s, row, 2, QString("v%1").arg(row + 1));
    f.TypeCell(s, 15, 3, "last remark");
    f.prompts.QueueFile(f.tmp.File("SIXTEEN.FLE"));
    Click(s, "cmdSaveElm");
    QCOMPARE(grid->item(0, 2)->text(), QString());  // the editing has ended

    const QStringList lines = QString::fromStdString(f.tmp.Read("SIXTEEN.FLE")).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4 + 17);
    QCOMPARE(lines[4 + 15], QString("\"v16\",\"last remark\""));
    QCOMPARE(lines.last(), QString("\"\",\"\""));

    Click(s, "cmdEditElm");
    for (int row = 0; row < 16; ++row) QCOMPARE(grid->item(row, 2)->text(), QString("v%1").arg(row + 1));
    QCOMPARE(grid->item(15, 3)->text(), QString("last remark"));
    QCOMPARE(Find<QLineEdit>(s, "txtElmName")->text(), QString("Sixteen"));
    QVERIFY(!Find<QListWidget>(s, "lstElm")->isEnabled());
  }

  void badElementsAndComponentsAreRefusedAndAFailedSaveKeepsTheEditorAndItsData() {
    Fixture f;
    auto screen = f.Open();
    QWidget* s = screen.get();
    kelca::testing::Choose(Find<QComboBox>(s, "cboCompType"), "Envelope");
    Click(s, "cmdAddElm");
    Click(s, "cmdSaveElm");
    Type(Find<QLineEdit>(s, "txtElmName"), "Slab 1/2");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "floor slab", "cmdOK"); });
    Click(s, "cmdElmType");
    f.TypeCell(s, 0, 2, "1200");
    f.TypeCell(s, 2, 2, "110");  // a gap at item 2
    Click(s, "cmdSaveElm");
    f.TypeCell(s, 1, 2, "0.2");
    Click(s, "cmdSaveElm");  // the name makes no file name: no dialog
    Type(Find<QLineEdit>(s, "txtElmName"), "Slab");
    f.prompts.QueueFile(f.tmp.File("bad\\name.FLE"));
    Click(s, "cmdSaveElm");
    f.BlockFile("SLAB.FLE");
    f.prompts.QueueFile(f.tmp.File("SLAB"));  // the extension is added
    Click(s, "cmdSaveElm");                    // fails, and Cancel goes on editing
    const std::vector<std::string> messages = f.prompts.Messages();
    QCOMPARE(messages.size(), size_t{5});
    QCOMPARE(messages[0], std::string("Element Type or Name missing!!"));
    QVERIFY(QString::fromStdString(messages[1]).startsWith("Item 2 has no value"));
    QVERIFY(QString::fromStdString(messages[2]).contains("Slab 1/2"));
    QVERIFY(QString::fromStdString(messages[3]).contains("bad\\name.FLE"));
    QVERIFY(QString::fromStdString(messages[4]).contains(QString::fromStdString(f.tmp.File("SLAB.FLE"))));
    QCOMPARE(f.prompts.log.back(), std::string("OkCancel: ") + kelca::kElementSaveFailedQuestion);
    QCOMPARE(f.prompts.dialogs.size(), size_t{2});
    QCOMPARE(f.prompts.dialogs[0].proposedName, std::string("Slab.FLE"));
    QCOMPARE(f.prompts.dialogs[0].initialFolder, f.tmp.Folder());
    QCOMPARE(Find<QTableWidget>(s, "msgElm")->item(2, 2)->text(), QString("110"));
    QVERIFY(Find<QPushButton>(s, "cmdSaveElm")->isEnabled());
    QVERIFY(std::filesystem::is_directory(f.tmp.File("SLAB.FLE/inside")));

    f.prompts.QueueFile(f.tmp.File("SLAB2.FLE"));
    Click(s, "cmdSaveElm");
    QCOMPARE(Lines(Find<QListWidget>(s, "lstElm")), QStringList({"Slab"}));

    // The component: its checks, then a save that fails and a Return that stays.
    Type(Find<QLineEdit>(s, "txtCompName"), "Frame");
    Find<QAction>(s, "mnuFSComp")->trigger();
    QCOMPARE(f.prompts.Messages().back(), std::string("No. of Identical Components not defined!!"));
    Type(Find<QLineEdit>(s, "txtCompNo"), "2 per floor");
    f.BlockFile("FRAME.FLC");
    f.prompts.QueueAnswer(Answer::Yes);
    f.prompts.QueueFile(f.tmp.File("FRAME.FLC"));
    Find<QAction>(s, "mnuDirRet")->trigger();
    QVERIFY(s->isVisible());
    QCOMPARE(f.prompts.log[f.prompts.log.size() - 3], std::string("YesNoCancel: ") + kelca::kCompReturnQuestion);
    QVERIFY(f.ws->Component.CompName.empty());
    f.prompts.QueueAnswer(Answer::Yes);
    f.prompts.QueueFile(f.tmp.File("FRAME2.FLC"));
    Find<QAction>(s, "mnuFReturn")->trigger();
    QVERIFY(!s->isVisible());
    QCOMPARE(f.ws->Component.CompName, std::string("Frame"));
    QCOMPARE(f.ws->Component.CompQty, 2.0f);
    QCOMPARE(f.ws->Component.CompFile, std::string("FRAME2.FLC"));
  }

  void aFullComponentRefusesThe21stElementAndReturnAsksNothingWhenNothingChanged() {
    Fixture f;
    std::vector<std::tuple<std::string, std::string, int>> twenty;
    for (int e = 0; e < 20; ++e) twenty.emplace_back("E.FLE", "Element " + std::to_string(e + 1), 1);
    f.WriteComponent(kFloor, "FULL.FLC", "Full", 1, twenty);
    auto screen = f.Open("FULL.FLC");
    QWidget* s = screen.get();
    QCOMPARE(Find<QListWidget>(s, "lstElm")->count(), 20);
    QCOMPARE(Find<QComboBox>(s, "cboCompType")->currentText(), QString("Frame"));
    QVERIFY(!Find<QAction>(s, "mnuFLComp")->isEnabled());
    Click(s, "cmdAddElm");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{kelca::kElementLimitMessage});
    QVERIFY(Find<QListWidget>(s, "lstElm")->isEnabled());
    Find<QAction>(s, "mnuDirRet")->trigger();
    QCOMPARE(f.prompts.log.size(), size_t{1});
    QVERIFY(!s->isVisible());
  }

  // Reset to Default Values keeps the user's values in the file with the count 0.
  void theOverrideFrameWritesTheUserValuesInForceOrKeptAside() {
    Fixture f;
    f.WriteElement(kFloor, "SLAB.FLE", "Slab", 1, {"1000", "0.2", "120"});
    f.WriteComponent(kFloor, "SLABS.FLC", "Slabs", 1, {{"SLAB.FLE", "Slab", 1}});
    auto screen = f.Open("SLABS.FLC");
    QWidget* s = screen.get();
    PickLine(s, "lstElm", 0);
    Click(s, "cmdEditElm");
    Click(s, "cmdChgElmD");
    QVERIFY(Find<QGroupBox>(s, "fraChgElmD")->isVisible());
    auto* positions = Find<QComboBox>(s, "cboMNoInElm");
    QCOMPARE(kelca::testing::Entries(positions), QStringList({"1", "2", "3"}));
    QCOMPARE(Find<QLabel>(s, "lblMatD")->text(), QString("Concrete C35/45"));
    QCOMPARE(Find<QLabel>(s, "lblUnitD")->text(), QString("m3"));
    QCOMPARE(Find<QLineEdit>(s, "txtLifeD")->text(), QString("100"));
    QCOMPARE(Find<QLineEdit>(s, "txtWasD")->text(), QString("4"));
    QCOMPARE(Find<QLineEdit>(s, "txtUCostD")->text(), QString("1400"));
    QCOMPARE(Find<QLineEdit>(s, "txtLifeU")->text(), QString());

    Type(Find<QLineEdit>(s, "txtLifeU"), "60 years");
    kelca::testing::Choose(positions, "2");
    QCOMPARE(Find<QLineEdit>(s, "txtLifeU")->text(), QString());
    Type(Find<QLineEdit>(s, "txtWasU"), "7");
    WhenModalOpens([](QWidget* picker) { kelca::testing::SearchAndClose(picker, "C45/55", "cmdClose"); });
    Click(s, "cmdSelMat");
    QCOMPARE(Find<QLabel>(s, "lblMatU")->text(), QString("Concrete C45/55"));
    Click(s, "cmdUseUIV");
    QVERIFY(!Find<QGroupBox>(s, "fraChgElmD")->isVisible());
    QCOMPARE(f.prompts.Messages().back(), std::string(kelca::kAfterApplyMessage));
    kelca::UserValues inForce;
    QVERIFY(kelca::ReadUserValues(f.tmp.File("SLAB_.FLE"), inForce).ok);
    QVERIFY(inForce.UseUserValues);
    QCOMPARE(inForce.Count, 3);
    QCOMPARE(inForce.Life[0], 60.0f);
    QCOMPARE(inForce.Wastage[0], 4.0f);  // left blank: the default
    QCOMPARE(inForce.MatNo[1], 5);
    QCOMPARE(inForce.Wastage[1], 7.0f);

    Click(s, "cmdChgElmD");
    QCOMPARE(Find<QLineEdit>(s, "txtLifeU")->text(), QString("60"));
    f.prompts.QueueAnswer(Answer::Ok);
    Click(s, "cmdUseDV");
    QCOMPARE(f.prompts.log[f.prompts.log.size() - 2], std::string("OkCancel: ") + kelca::kResetToDefaultsQuestion);
    kelca::UserValues kept;
    QVERIFY(kelca::ReadUserValues(f.tmp.File("SLAB_.FLE"), kept).ok);
    QVERIFY(!kept.UseUserValues);
    QVERIFY(f.tmp.Read("SLAB_.FLE").starts_with("0\r\n4,4,60,1400\r\n5,7,100,"));
    Click(s, "cmdChgElmD");
    QCOMPARE(Find<QLineEdit>(s, "txtLifeU")->text(), QString("60"));
  }
};

QTEST_MAIN(TestGroupComp)
#include "tst_frmGroupComp.moc"
