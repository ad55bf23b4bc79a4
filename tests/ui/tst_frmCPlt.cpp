// The central plant screen: the menus and design-temperature rows of each
// plant type, counts and limits, units inserted with every field kept, cell
// entry, Same, and the two files with Exit's question.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <tuple>

#include "ui/ScreenTestSupport.h"
#include "ui/frmCPlt.h"

using kelca::Answer;
using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Type;

namespace {
QStringList Column(QWidget* screen, int column) {
  auto* grid = Find<QTableWidget>(screen, "msgPlt");
  QStringList texts;
  for (int r = 0; r < grid->rowCount(); ++r) texts << grid->item(r, column)->text();
  return texts;
}

void Menu(QWidget* screen, const char* name) { Find<QAction>(screen, name)->trigger(); }

auto Fields(const kelca::ChillerUnit& c) {
  return std::tuple(c.Type, c.RatedCapacity, c.RatedPower, c.ChwFlow, c.CwFlow, c.Capacity, c.Power);
}

void EnterCell(QWidget* screen, int row, const QString& text) {
  Find<QTableWidget>(screen, "msgPlt")->setCurrentCell(row, 2);
  Type(Find<QLineEdit>(screen, "txtEntCell"), text);
  Click(screen, "cmdEntCell");
}
}  // namespace

class TestCentralPlantScreen : public QObject {
  Q_OBJECT

 private slots:
  void menusAndDesignTemperatureRowsFollowThePlantType_data() {
    QTest::addColumn<int>("plantType");
    QTest::addColumn<int>("pumping");
    QTest::addColumn<QString>("enabled");  // SLPs, CWPs, SWPs, towers
    QTest::addColumn<QStringList>("temperatures");
    QTest::newRow("air-cooled") << 0 << 0 << "----" << QStringList{"Design air temp. entering condenser"};
    QTest::newRow("towers") << 1 << 2 << "SC-T"
                            << QStringList{"Design water temp. entering condenser",
                                           "Design water temp. leaving condenser"};
    QTest::newRow("indirect seawater") << 2 << 1 << "SCS-"
                                       << QStringList{"Design water temp. entering condenser",
                                                      "Design water temp. leaving condenser",
                                                      "Design SW temp. entering HX", "Design SW temp. leaving HX"};
    QTest::newRow("direct seawater") << 3 << 0 << "--S-"
                                     << QStringList{"Design SW temp. entering condenser",
                                                    "Design SW temp. leaving condenser"};
    QTest::newRow("indirect with towers") << 4 << 0 << "-CST"
                                          << QStringList{"Design water temp. entering condenser",
                                                         "Design water temp. leaving condenser",
                                                         "Design SW temp. entering HX", "Design SW temp. leaving HX"};
  }
  void menusAndDesignTemperatureRowsFollowThePlantType() {
    QFETCH(int, plantType);
    QFETCH(int, pumping);
    QFETCH(QString, enabled);
    QFETCH(QStringList, temperatures);
    kelca::testing::ScreenFixture f;
    f.ws->Plant.DesignTemp3 = 28;  // a hidden row keeps its value
    frmCPlt screen(*f.ws, f.prompts);
    screen.show();
    QCOMPARE(Find<QLabel>(&screen, "lblHead")->text(), QString("Load previous input File or Select item to Edit"));
    QVERIFY(!Find<QAction>(&screen, "mnuEChillers")->isEnabled());  // until a type is known
    QVERIFY(Find<QAction>(&screen, "mnuEGasS")->isEnabled());
    Menu(&screen, "mnuEType");
    auto* heatRejection = Find<QComboBox>(&screen, "cboACHRS");
    heatRejection->setCurrentIndex(plantType);
    emit heatRejection->activated(plantType);
    auto* pumps = Find<QComboBox>(&screen, "cboChWPS");
    pumps->setCurrentIndex(pumping);
    emit pumps->activated(pumping);
    QCOMPARE(Column(&screen, 0), QStringList({"Plant Start Hour (0-23)", "Plant Stop Hour (1-24)"}) + temperatures);
    EnterCell(&screen, 2, "33");
    Click(&screen, "cmdOK");
    QCOMPARE(Find<QLabel>(&screen, "lblHead")->text(), QString("Select item to Edit"));
    QCOMPARE(std::pair(screen.Model().Plant().PlantType, screen.Model().Plant().PumpingType),
             std::pair(plantType, pumping));
    QCOMPARE(screen.Model().Plant().DesignTemp1, 33.0f);
    QCOMPARE(screen.Model().Plant().DesignTemp3, 28.0f);
    for (const char* always : {"mnuEChillers", "mnuEPLPs", "mnuEAHVAC", "mnuEFAUs"}) {
      QVERIFY(Find<QAction>(&screen, always)->isEnabled());
    }
    QString shown;
    for (const auto& [name, letter] : {std::pair("mnuESLPs", 'S'), std::pair("mnuECWPs", 'C'),
                                       std::pair("mnuESWPs", 'S'), std::pair("mnuECTrs", 'T')}) {
      shown += Find<QAction>(&screen, name)->isEnabled() ? letter : '-';
    }
    QCOMPARE(shown, enabled);
    // The condenser water flow of a chiller only where there is condenser water.
    Menu(&screen, "mnuEChillers");
    Type(Find<QLineEdit>(&screen, "txtNoEq"), "1");
    Click(&screen, "cmdNoEq");
    QCOMPARE(Column(&screen, 0).contains("Condenser water flow rate"), plantType != 0);
    f.prompts.QueueAnswer(Answer::No);
    screen.close();
    QCOMPARE(f.prompts.log, std::vector<std::string>{"YesNoCancel: Save data before closing this form?"});
  }

  void countsAndLimitsAndAUnitInsertedInTheMiddleKeepsEveryField() {
    kelca::testing::ScreenFixture f;
    kelca::PlantInput& p = f.ws->Plant;
    p.ChillerCount = 3;
    for (int i = 1; i <= 3; ++i) p.Chiller[i] = {i % 3, 100.0f * i, 20.0f * i, 4.1f * i, 5.3f * i, 7.0f * i, 2.0f * i};
    const kelca::PlantInput before = p;
    frmCPlt screen(*f.ws, f.prompts);
    screen.show();
    Menu(&screen, "mnuEChillers");  // air-cooled: the condenser water flow is not shown
    QCOMPARE(Find<QLineEdit>(&screen, "txtNoEq")->text(), QString("3"));
    QCOMPARE(Column(&screen, 2), QStringList({"Recip.", "100", "20", "4.1"}));
    for (const char* count : {"0", "11"}) {
      Type(Find<QLineEdit>(&screen, "txtNoEq"), count);
      QVERIFY(Find<QPushButton>(&screen, "cmdNoEq")->font().bold());
      Click(&screen, "cmdNoEq");
    }
    Click(&screen, "cmdAddEq");  // after chiller 1
    QCOMPARE(Find<QComboBox>(&screen, "cboEqNo")->currentText(), QString("2"));
    QCOMPARE(Column(&screen, 2), QStringList({"Centri.", "0", "0", "0"}));
    const kelca::PlantInput& shown = screen.Model().Plant();
    QCOMPARE(Fields(shown.Chiller[1]), Fields(before.Chiller[1]));
    QCOMPARE(Fields(shown.Chiller[3]), Fields(before.Chiller[2]));
    QCOMPARE(Fields(shown.Chiller[4]), Fields(before.Chiller[3]));
    QCOMPARE(shown.Chiller[0].RatedCapacity, 0.0f);  // the totals' slot stays out of it

    // Same takes the previous unit's values; typed values and types are stored with the unit.
    Click(&screen, "cmdSame");
    EnterCell(&screen, 1, "150");
    Choose(Find<QComboBox>(&screen, "cboEqTyp"), "Screw");
    Choose(Find<QComboBox>(&screen, "cboEqNo"), "1");
    QCOMPARE(Fields(shown.Chiller[2]), std::tuple(2, 150.0f, 20.0f, 4.1f, 0.0f, 0.0f, 0.0f));
    for (int i = 0; i < 7; ++i) Click(&screen, "cmdAddEq");
    Menu(&screen, "mnuEFAUs");
    Type(Find<QLineEdit>(&screen, "txtNoEq"), "12");
    Click(&screen, "cmdOK");  // OK applies the typed count too
    Menu(&screen, "mnuEGasS");
    QCOMPARE(Column(&screen, 0), QStringList());
    QCOMPARE(f.prompts.Messages(),
             (std::vector<std::string>{"No. of Chillers must be within 1 to 10", "No. of Chillers must be within 1 to 10",
                                       "No. of chillers defined already the maximum allowable!!",
                                       "No. of Systems must be within 1 to 10"}));
    QCOMPARE(shown.ChillerCount, 10);
  }

  void plantAndNonACFilesAreSavedAndLoadedOneAfterTheOther() {
    kelca::testing::ScreenFixture f;
    f.OpenProject();
    frmCPlt screen(*f.ws, f.prompts);
    screen.show();
    QVERIFY(f.prompts.log.empty());  // no ".WSS" file yet
    Menu(&screen, "mnuEType");
    EnterCell(&screen, 1, "18");
    Click(&screen, "cmdOK");
    Menu(&screen, "mnuELiftS");
    Type(Find<QLineEdit>(&screen, "txtNoEq"), "1");
    Click(&screen, "cmdNoEq");
    Type(Find<QLineEdit>(&screen, "txtSysNam"), "Lifts");
    auto* grid = Find<QTableWidget>(&screen, "msgPlt");
    grid->item(0, 2)->setText("12.5");  // typed into the grid itself
    f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
    Find<QAction>(&screen, "mnuFSave")->trigger();
    QCOMPARE(f.prompts.dialogs[0].proposedName, std::string("OFFICE.WSS"));
    QCOMPARE(f.prompts.dialogs[1].title, std::string("Save Input Data For Non-AC Services"));
    screen.close();  // saved: no question
    QVERIFY(!screen.isVisible());
    QCOMPARE(f.ws->NonAC.Electric[kelca::kLiftsEscalators].System[1].PowerDemand, 12.5f);
    // An air-cooled plant still writes the empty lists; five empty non-AC groups are five zeros.
    QVERIFY(f.tmp.Read("OFFICE.WSS").find("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n") != std::string::npos);
    QCOMPARE(f.tmp.Read("OFFICE.NAC"),
             std::string("\"Non-AC Services Data for Project: \"\r\n0\r\n0\r\n1\r\n\"Lifts\"\r\n12.5,0,0\r\n0\r\n0\r\n"));

    f.ws->Plant = {};
    f.ws->NonAC = {};
    f.prompts = {};
    f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
    f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
    frmCPlt again(*f.ws, f.prompts);
    QCOMPARE(f.prompts.log, (std::vector<std::string>{"Open: Read Central Plant Input Data",
                                                      "Open: Read Input Data For Non-AC Services"}));
    QCOMPARE(again.Model().Plant().StopHour, 18);
    QCOMPARE(again.Model().NonAC().Electric[kelca::kLiftsEscalators].System[1].Name, std::string("Lifts"));
    QVERIFY(Find<QAction>(&again, "mnuEChillers")->isEnabled());
  }
};

QTEST_MAIN(TestCentralPlantScreen)
#include "tst_frmCPlt.moc"
