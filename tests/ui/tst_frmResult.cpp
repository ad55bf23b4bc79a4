// The results screen: selectors, shown values, cases set, saved and loaded, the table export.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ui/ScreenTestSupport.h"
#include "ui/frmResult.h"

using kelca::testing::Choose;
using kelca::testing::Entries;
using kelca::testing::Find;
using kelca::testing::FindAt;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  Fixture() {
    OpenProject();
    kelca::ProjectState& p = ws->Project;
    p.ProjName = "Office";
    p.FlrCount = 2;
    p.FlrFile = {"TYP.FLR", "ROOF.FLR"};
    p.FlrName = {"Typical", "Roof"};
    p.FlrQty = {10, 1};
    // As built: global warming of 197000 kg (normalised 1, weighted 0.3) and a
    // cost that buys 1 TJ of electricity (weighted 0.55556).
    kelca::LcaResultSet& r = ws->Results;
    r.Bldg.Impact[kelca::kAsBuilt][2] = 197000;
    r.Bldg.Cost[kelca::kAsBuilt] = 0.92f * 277778;
    r.Bldg.Energy[kelca::kAsBuilt] = 5400;
    r.Bldg.Waste[kelca::kAsBuilt] = 12.5f;
    r.Bldg.Impact[kelca::kWholeLife][2] = 394000;
    r.FlrPortion[1].Impact[kelca::kAsBuilt][10] = 65.9f;  // Frame: eutrophication normalised 1
    r.FlrGroup[1].Energy[kelca::kAsBuilt] = 777;           // the roof group
    screen = std::make_unique<frmResult>(*ws, prompts);
    screen->show();
  }
  QString Box(const char* name, int index) const { return FindAt<QLineEdit>(screen.get(), name, index)->text(); }
  QString Box(const char* name) const { return Find<QLineEdit>(screen.get(), name)->text(); }
  QComboBox* Combo(const char* name) const { return Find<QComboBox>(screen.get(), name); }
  void Show(const QString& part, const QString& stage) {
    Choose(Combo("cboPortion"), part);
    Choose(Combo("cboStage"), stage);
    QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdShowRes"), Qt::LeftButton);
  }
  QAction* Menu(const char* name) const { return Find<QAction>(screen.get(), name); }

  std::unique_ptr<frmResult> screen;
};
}  // namespace

class TestFrmResult : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheCurrentCaseWithSaveAndExportDisabled() {
    Fixture f;
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Current Case"));
    QCOMPARE(Entries(f.Combo("cboPortion")), QStringList({"Whole Bldg.", "Foundations", "Floors", "Services"}));
    for (const char* off : {"mnuSaveBC", "mnuSaveAlt", "mnuExpTab"}) QVERIFY2(!f.Menu(off)->isEnabled(), off);
    QVERIFY(f.Menu("mnuSaveCur")->isEnabled());
    QVERIFY(f.Box("txtProjScore").isEmpty());
    f.Menu("mnuDirRet")->trigger();
    QVERIFY(!f.screen->isVisible());
  }

  void showFillsTheBoxesWithTheCharacterisedNormalisedAndWeightedValues() {
    Fixture f;
    f.Show("Whole Bldg.", "As Built");
    QCOMPARE(f.Box("txtBN", 2), QString("197000"));
    QCOMPARE(f.Box("txtWN", 2), QString("1"));
    QCOMPARE(f.Box("txtAW", 2), QString("0.3"));
    QCOMPARE(f.Box("txtAW", 0), QString("0.3"));
    QCOMPARE(f.Box("txtLCEA"), QString("5400"));
    QCOMPARE(f.Box("txtLCWA"), QString("12.5"));
    QCOMPARE(f.Box("txtProjScore"), QString("0.85556"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblMsg", 2)->text(), QString("Data computed for the CURRENT Case."));
    QVERIFY(f.Menu("mnuExpTab")->isEnabled());
    // Another stage clears the values and the message until Show.
    Choose(f.Combo("cboStage"), "Whole Life Cycle");
    QVERIFY(f.Box("txtBN", 2).isEmpty());
    QVERIFY(FindAt<QLabel>(f.screen.get(), "lblMsg", 2)->text().isEmpty());
    QTest::mouseClick(Find<QPushButton>(f.screen.get(), "cmdShowRes"), Qt::LeftButton);
    QCOMPARE(f.Box("txtBN", 2), QString("394000"));
    // A case never set shows zeros.
    Choose(f.Combo("cboSelCase"), "Reference Case");
    QTest::mouseClick(Find<QPushButton>(f.screen.get(), "cmdShowRes"), Qt::LeftButton);
    QCOMPARE(f.Box("txtBN", 2), QString("0"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblMsg", 0)->text(), QString("Data computed for the REFERENCE Case."));
  }

  void partEntriesAndGroupsChooseWhatIsShown() {
    Fixture f;
    f.Show("Floors", "As Built");  // no portion entry yet: nothing is shown
    QVERIFY(f.Box("txtBN", 2).isEmpty());
    QCOMPARE(Entries(f.Combo("cboClass")), QStringList({"All Flrs.", "Envelope", "Frame", "Contents", "Select ........"}));
    Choose(f.Combo("cboClass"), "Frame");
    QTest::mouseClick(Find<QPushButton>(f.screen.get(), "cmdShowRes"), Qt::LeftButton);
    QCOMPARE(f.Box("txtWN", 10), QString("1"));
    QCOMPARE(f.Box("txtAW", 10), QString("0.0475"));
    QCOMPARE(f.Combo("cboCGNo")->count(), 0);

    Choose(f.Combo("cboClass"), "Select ........");
    QCOMPARE(Entries(f.Combo("cboCGNo")), QStringList({"Typical", "Roof"}));
    Choose(f.Combo("cboCGNo"), "Roof");
    QTest::mouseClick(Find<QPushButton>(f.screen.get(), "cmdShowRes"), Qt::LeftButton);
    QCOMPARE(f.Box("txtLCEA"), QString("777"));
    QCOMPARE(f.Box("txtWN", 10), QString("0"));
    QCOMPARE(f.ws->Cases.Case[kelca::kCurrentCase].View.GroupText, std::string("Roof"));

    Choose(f.Combo("cboPortion"), "Services");  // a new part clears the entry and the groups
    QCOMPARE(f.Combo("cboClass")->currentIndex(), -1);
    QCOMPARE(f.Combo("cboCGNo")->count(), 0);
    QCOMPARE(Entries(f.Combo("cboClass")).first(), QString("All Services."));
  }

  // The files and the view they give back are the result model's; here the menus and the case box follow them.
  void aReferenceSavedAndLoadedAsAlternativeIsShownAsThatCase() {
    Fixture f;
    f.Show("Whole Bldg.", "As Built");
    f.Menu("mnuSetBC")->trigger();
    QVERIFY(f.Menu("mnuSaveBC")->isEnabled());
    f.prompts.QueueFile(f.tmp.File("OFFICE_R.RES"));
    f.Menu("mnuSaveBC")->trigger();
    QCOMPARE(f.prompts.dialogs.back().proposedName, std::string("OFFICE_R.RES"));
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Reference Case"));
    f.ws->Results.Bldg.Impact[kelca::kAsBuilt][2] = 1;
    f.prompts.QueueFile(f.tmp.File("OFFICE_R.RES"));
    f.Menu("mnuLoadAlt")->trigger();
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Alternative Case"));
    QVERIFY(f.Menu("mnuSaveAlt")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(f.screen.get(), "cmdShowRes"), Qt::LeftButton);
    QCOMPARE(f.Box("txtBN", 2), QString("197000"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblMsg", 1)->text(), QString("Data computed for the ALTERNATIVE Case."));
    QVERIFY(f.prompts.Messages().empty());
  }

  void perCfaShowsValuesPerSquareMetreAndExportAllWritesTheTable() {
    Fixture f;
    f.ws->Project.CFA = 1000;
    Choose(f.Combo("cboSelCase"), "Current Case");  // takes the live project again
    f.Show("Whole Bldg.", "As Built");
    auto* perCfa = Find<QCheckBox>(f.screen.get(), "chkPerCFA");
    QCOMPARE(perCfa->text(), QString("per m² CFA"));
    perCfa->click();
    QCOMPARE(f.Box("txtBN", 2), QString("197"));
    QCOMPARE(f.Box("txtWN", 2), QString("1"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblUnit", 2)->text(), QString("kg CO2 eq./m²"));
    QCOMPARE(Find<QLabel>(f.screen.get(), "lblCost")->text(), QString("Life Cycle Cost (ZQ$/m²)"));
    perCfa->click();
    QCOMPARE(f.Box("txtBN", 2), QString("197000"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblUnit", 2)->text(), QString("kg CO2 eq."));

    QCOMPARE(f.Menu("mnuExpAll")->text(), QString("Export &All Results (.CSV)"));
    f.prompts.QueueFile(f.tmp.File("ALL.CSV"));
    f.Menu("mnuExpAll")->trigger();
    QVERIFY(QString::fromStdString(f.tmp.Read("ALL.CSV")).contains("\"Floors\",\"Roof\",\"As Built\",\"A1-A5\",\"Energy Use\",\"MJ\",777,"));
    QVERIFY(f.prompts.Messages().empty());
  }

  void aCancelledTableExportSaysItFailed() {
    Fixture f;
    f.Show("Whole Bldg.", "As Built");
    f.Menu("mnuExpTab")->trigger();
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Failed to write results in table!!"});
  }
};

QTEST_MAIN(TestFrmResult)
#include "tst_frmResult.moc"
