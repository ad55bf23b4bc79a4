// The operating energy calculation screen on a copy of the sample office:
// its opening dialogs, Cancel in the air-conditioning run, typed results, the
// run log and the ".EUR" file.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmEgyCal.h"

using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  Fixture() {
    std::filesystem::copy(KELCA_SOURCE_DIR "/samples/office", tmp.File("office"),
                          std::filesystem::copy_options::recursive);
    OpenProject();
    ws->Project.ProjDir = ws->CurrentFolder = Office("");
    ws->Db.LcaDbFolder = KELCA_SOURCE_DIR "/data/db/";
    screen = std::make_unique<frmEgyCal>(*ws, prompts);
  }
  std::string Office(const std::string& name) const { return tmp.File("office/" + name); }
  // Opens the screen with the four inputs chosen in their dialogs.
  bool OpenWithAllInputs() {
    for (const char* file : {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}) prompts.QueueFile(Office(file));
    const bool opened = screen->Open();
    screen->show();
    return opened;
  }
  QLineEdit* Item(int i) const { return FindAt<QLineEdit>(screen.get(), "txtItem", i); }
  QString Text(const char* label) const { return Find<QLabel>(screen.get(), label)->text(); }
  void Click(const char* name) const { kelca::testing::Click(screen.get(), name); }
  void Menu(const char* name) const { Find<QAction>(screen.get(), name)->trigger(); }
  QStringList Log() const {
    QStringList lines;
    auto* log = Find<QListWidget>(screen.get(), "lstRun");
    for (int i = 0; i < log->count(); ++i) lines << log->item(i)->text();
    return lines;
  }

  std::unique_ptr<frmEgyCal> screen;
};

std::vector<std::string> Titles(const kelca::ScriptedPrompts& prompts) {
  std::vector<std::string> titles;
  for (const kelca::FileDialogRequest& d : prompts.dialogs) titles.push_back(d.title);
  return titles;
}

const std::vector<std::string> kAllTitles{"Open Energy Calculation Input File",
                                          "Air Side Air-conditioning System Input File",
                                          "Read Central Plant Input Data", "Read Input Data For Non-AC Services"};
}  // namespace

class TestFrmEgyCal : public QObject {
  Q_OBJECT

 private slots:
  void openingAsksForEachInputNotYetNamed() {
    struct Case {
      const char* name;
      std::function<void(Fixture&)> before;
      std::vector<const char*> chosen;
      std::vector<std::string> titles;
      const char* message;  // a part of the one message shown, or null
      std::function<void(Fixture&)> check;
    };
    const std::vector<Case> cases{
        {"all four", nullptr, {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"}, kAllTitles, nullptr,
         [](Fixture& f) {
           QCOMPARE(f.prompts.dialogs[3].proposedName, std::string("OFFICE.NAC"));
           QCOMPARE(f.ws->EnergyFiles.ConFile, f.Office("OFFICE.CON"));
           QCOMPARE(f.ws->PlantFiles.WssFile, f.Office("OFFICE.WSS"));
           QCOMPARE(f.ws->Energy.ZoneCount, 3);
           QCOMPARE(f.ws->NonAC.TownGas.Count, 1);
           QCOMPARE(f.ws->Plant.ChillerCount, 0);  // the central plant file is only named
         }},
        {"energy input named already",
         [](Fixture& f) {
           f.ws->EnergyFiles.EciFile = f.Office("OFFICE.ECI");
           f.ws->EnergyFiles.ConFile = f.Office("OTHER.CON");
           QVERIFY(kelca::ReadEnergyInputFile(f.Office("OFFICE.ECI"), f.ws->Energy));
         },
         {"OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"},
         {kAllTitles.begin() + 1, kAllTitles.end()},
         nullptr,
         [](Fixture& f) { QCOMPARE(f.ws->EnergyFiles.ConFile, f.Office("OTHER.CON")); }},
        {"malformed air-side file", [](Fixture& f) { f.tmp.Write("office/OFFICE.ASS", "\"Office\"\r\n1,"); },
         {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS"}, {kAllTitles[0], kAllTitles[1]}, "OFFICE.ASS",
         [](Fixture& f) {
           QVERIFY(f.ws->EnergyFiles.AssFile.empty() && f.ws->PlantFiles.WssFile.empty());
           QCOMPARE(f.ws->AirSide.Zone[1].AcSystemType, 0);
         }},
        {"dialog cancelled", nullptr, {}, {kAllTitles[0]}, nullptr,
         [](Fixture& f) { QVERIFY(f.ws->EnergyFiles.EciFile.empty() && f.ws->EnergyFiles.ConFile.empty()); }},
    };
    for (const Case& c : cases) {
      Fixture f;
      if (c.before) c.before(f);
      for (const char* file : c.chosen) f.prompts.QueueFile(f.Office(file));
      QVERIFY2(f.screen->Open(), c.name);
      QCOMPARE(Titles(f.prompts), c.titles);
      const auto messages = f.prompts.Messages();
      QCOMPARE(messages.size(), size_t{c.message ? 1u : 0u});
      if (c.message) QVERIFY2(messages[0].find(c.message) != std::string::npos, messages[0].c_str());
      c.check(f);
      QCOMPARE(f.Text("lblNote"), QString("Select System from Menu for Calculation"));
    }
    Fixture closed;
    closed.ws->Project = {};
    QVERIFY(!closed.screen->Open());
    QCOMPARE(closed.prompts.Messages(), std::vector<std::string>{"Open a Project File first!"});
    QVERIFY(closed.prompts.dialogs.empty());
  }

  void airConditioningAsksFirstCancelKeepsTheLoadFileAndTheLogIsSaved() {
    Fixture f;
    QVERIFY(f.OpenWithAllInputs());
    QVERIFY(kelca::testing::WriteConstantLoads(f.Office("AnHSpCL.TXT"), f.ws->Energy, {20000, 3000, 24}));
    const std::string loads = f.tmp.Read("office/AnHSpCL.TXT");
    f.Menu("mnuMAC");
    QCOMPARE(f.Text("lblHeading"), QString("Annual Energy Use for Air Conditioning"));
    QCOMPARE(f.Text("lblNote"), QString("Click Calculate to Proceed."));
    QVERIFY(f.Item(7)->isVisible() && !f.Item(8)->isVisible());

    f.prompts.QueueAnswer(kelca::Answer::Cancel);
    f.Click("cmdGO");
    QVERIFY(f.Log().isEmpty() && !Find<QWidget>(f.screen.get(), "fraRun")->isVisible());

    // Cancel in the progress window stops the load calculation; the old file stays.
    f.prompts.QueueAnswer(kelca::Answer::Yes);
    bool sawLines = false;
    kelca::testing::WhenModalOpens([&sawLines](QWidget* progress) {
      QCOMPARE(progress->objectName(), QString("frmProgress"));
      QTRY_VERIFY((sawLines = Find<QListWidget>(progress, "lstLog")->count() > 0));
      kelca::testing::Click(progress, "cmdCancel");
    });
    f.Click("cmdGO");
    QVERIFY(sawLines);
    QCOMPARE(f.tmp.Read("office/AnHSpCL.TXT"), loads);
    QCOMPARE(f.Log().first(), QString("Started to calculate cooling load"));
    QCOMPARE(f.Log().mid(f.Log().size() - 2),
             QStringList({"Cooling load calculation terminated.", "BCLSim: The calculation was cancelled."}));
    QCOMPARE(f.prompts.log.back(),
             std::string("YesNoCancel: Cooling load data file already exits. Re-calculate and overwrite the file?"));
    QCOMPARE(f.Item(0)->text(), QString("0"));

    // The log's menu saves every line as printed; Close hides the log.
    auto* log = Find<QListWidget>(f.screen.get(), "lstRun");
    auto* menu = Find<QListWidget>(f.screen.get(), "lstRunRpt");
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(log->viewport(), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    f.prompts.QueueFile(f.tmp.File("RUN.TXT"));
    QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, menu->visualItemRect(menu->item(0)).center());
    QCOMPARE(f.prompts.dialogs.back().title, std::string("Save Run Log"));
    QCOMPARE(QString::fromStdString(f.tmp.Read("RUN.TXT")), f.Log().join("\r\n") + "\r\n");
    QVERIFY(!menu->isVisible());
    f.Click("cmdEndRun");
    QVERIFY(!Find<QWidget>(f.screen.get(), "fraRun")->isVisible());
  }

  void typedResultsTheWalkAndTheResultFile() {
    Fixture f;
    QVERIFY(f.OpenWithAllInputs());
    f.Menu("mnuMAAC");  // the central plant file, with its systems, is read by the plant run only
    QCOMPARE(f.Text("lblNote"), QString("No such systems defined"));
    QVERIFY(!f.Item(0)->isVisible());

    // Enter Changes: the total is the sum of the typed items; text without a number is 0.
    f.Menu("mnuMLift");
    Type(f.Item(1), "1000");
    Type(f.Item(2), "abc");
    Type(f.Item(3), "2.5e3 kWh");
    f.Click("cmdAsTyped");
    QCOMPARE(QStringList({f.Item(0)->text(), f.Item(2)->text(), f.Item(3)->text()}),
             QStringList({"3500", "0", "2500"}));

    // The results file: saved, overwritten by a change, loaded back.
    f.prompts.QueueFile(f.tmp.File("R.EUR"));
    f.Menu("mnuFSave");
    QCOMPARE(f.prompts.dialogs.back().proposedName, std::string("OFFICE.EUR"));
    Type(f.Item(1), "9");
    f.Click("cmdAsTyped");
    f.prompts.QueueFile(f.tmp.File("R.EUR"));
    f.Menu("mnuFLoad");
    QCOMPARE(f.Item(0)->text(), QString("3500"));

    // All systems one by one, town gas last; && in a heading shows as &.
    f.Menu("mnuMAll");
    auto* next = Find<QPushButton>(f.screen.get(), "cmdOK");
    QVERIFY(next->isVisible());
    f.Click("cmdOK");
    QCOMPARE(f.Text("lblHeading"), QString("Annual Energy Use for Lighting & Equipment in Building Zones"));
    for (int i = 0; i < 6; ++i) f.Click("cmdOK");
    QCOMPARE(f.Text("lblHeading"), QString("Annual Energy Use of Systems using Town Gas"));
    f.Click("cmdOK");
    QVERIFY(!next->isVisible());

    // Closing by the title bar is Exit: the predicted values are handed on.
    f.screen->close();
    QCOMPARE(f.ws->EnergyUse.Value[3], 3500.0f);
  }
};

QTEST_MAIN(TestFrmEgyCal)
#include "tst_frmEgyCal.moc"
