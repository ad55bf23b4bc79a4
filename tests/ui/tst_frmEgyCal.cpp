// The operating energy calculation form on a copy of the sample office: Cancel
// in the progress window of the air-conditioning run, the run log and its menu,
// typed items and headings shown.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
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
  // The office's zones repeated up to the most a model holds, so that the
  // cooling load run lasts well beyond the moment its progress window opens.
  void ManyZones() const {
    auto model = std::make_unique<kelca::EnergyModel>();
    auto air = std::make_unique<kelca::AirSideData>();
    QVERIFY(kelca::ReadEnergyInputFile(Office("OFFICE.ECI"), *model).ok);
    QVERIFY(kelca::ReadAirSideFile(Office("OFFICE.ASS"), *model, *air).ok);
    for (int z = model->ZoneCount + 1; z <= kelca::kMaxZones; ++z) {
      model->Zone[z] = model->Zone[z - model->ZoneCount];
      air->Zone[z] = air->Zone[z - model->ZoneCount];
    }
    model->ZoneCount = kelca::kMaxZones;
    QVERIFY(kelca::WriteEnergyInputFile(Office("OFFICE.ECI"), "Office", *model).ok);
    QVERIFY(kelca::WriteAirSideFile(Office("OFFICE.ASS"), "Office", *model, *air).ok);
  }
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

}  // namespace

class TestFrmEgyCal : public QObject {
  Q_OBJECT

 private slots:
  void cancelInTheProgressWindowKeepsTheLoadFileAndTheLogIsSaved() {
    Fixture f;
    f.ManyZones();
    QVERIFY(f.OpenWithAllInputs());
    QVERIFY(kelca::testing::WriteConstantLoads(f.Office("AnHSpCL.TXT"), f.ws->Energy, {20000, 3000, 24}));
    const std::string loads = f.tmp.Read("office/AnHSpCL.TXT");
    f.Menu("mnuMAC");
    QVERIFY(f.Item(7)->isVisible() && !f.Item(8)->isVisible());

    QVERIFY(!Find<QWidget>(f.screen.get(), "fraRun")->isVisible());
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

  // The typed items reach the model; && in a heading shows as &; closing is Exit.
  void typedItemsTheWalkAndClosing() {
    Fixture f;
    QVERIFY(f.OpenWithAllInputs());
    QCOMPARE(f.prompts.dialogs.size(), size_t{4});
    f.Menu("mnuMLift");
    Type(f.Item(1), "1000");
    Type(f.Item(3), "2.5e3 kWh");
    f.Click("cmdAsTyped");
    QCOMPARE(f.Item(0)->text(), QString("3500"));
    f.Menu("mnuMAll");
    f.Click("cmdOK");
    QCOMPARE(f.Text("lblHeading"), QString("Annual Energy Use for Lighting & Equipment in Building Zones"));
    f.screen->close();
    QCOMPARE(f.ws->EnergyUse.Value[3], 3500.0f);
  }
};

QTEST_MAIN(TestFrmEgyCal)
#include "tst_frmEgyCal.moc"
