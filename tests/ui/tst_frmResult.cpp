// The results screen: selectors, shown values, the case menus and the per-CFA option.
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
    Click("cmdShowRes");
  }
  void Click(const char* name) const { QTest::mouseClick(Find<QPushButton>(screen.get(), name), Qt::LeftButton); }
  QAction* Menu(const char* name) const { return Find<QAction>(screen.get(), name); }

  std::unique_ptr<frmResult> screen;
};
}  // namespace

class TestFrmResult : public QObject {
  Q_OBJECT

 private slots:
  // The values themselves are the result model's; here the boxes and selectors show them.
  void showFillsTheBoxesOfTheChosenPartStageAndGroup() {
    Fixture f;
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Current Case"));
    for (const char* off : {"mnuSaveBC", "mnuSaveAlt", "mnuExpTab"}) QVERIFY2(!f.Menu(off)->isEnabled(), off);
    f.Show("Whole Bldg.", "As Built");
    const QStringList shown = {f.Box("txtBN", 2), f.Box("txtWN", 2), f.Box("txtAW", 2),    f.Box("txtAW", 0),
                               f.Box("txtLCEA"),  f.Box("txtLCWA"),  f.Box("txtProjScore")};
    QCOMPARE(shown, QStringList({"197000", "1", "0.3", "0.3", "5400", "12.5", "0.85556"}));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblMsg", 2)->text(), QString("Data computed for the CURRENT Case."));
    QVERIFY(f.Menu("mnuExpTab")->isEnabled());
    Choose(f.Combo("cboStage"), "Whole Life Cycle");  // clears the values and the message until Show
    QVERIFY(f.Box("txtBN", 2).isEmpty() && FindAt<QLabel>(f.screen.get(), "lblMsg", 2)->text().isEmpty());
    f.Click("cmdShowRes");
    QCOMPARE(f.Box("txtBN", 2), QString("394000"));

    f.Show("Floors", "As Built");  // no portion entry yet: nothing is shown
    QVERIFY(f.Box("txtBN", 2).isEmpty());
    QCOMPARE(Entries(f.Combo("cboClass")), QStringList({"All Flrs.", "Envelope", "Frame", "Contents", "Select ........"}));
    Choose(f.Combo("cboClass"), "Frame");
    f.Click("cmdShowRes");
    QCOMPARE(f.Box("txtWN", 10), QString("1"));
    QCOMPARE(f.Combo("cboCGNo")->count(), 0);
    Choose(f.Combo("cboClass"), "Select ........");
    QCOMPARE(Entries(f.Combo("cboCGNo")), QStringList({"Typical", "Roof"}));
    Choose(f.Combo("cboCGNo"), "Roof");
    f.Click("cmdShowRes");
    QCOMPARE(f.Box("txtLCEA"), QString("777"));
    Choose(f.Combo("cboPortion"), "Services");  // a new part clears the entry and the groups
    QCOMPARE(f.Combo("cboClass")->currentIndex(), -1);
    QCOMPARE(f.Combo("cboCGNo")->count(), 0);
  }

  void theCaseMenusTheCaseBoxAndPerCfaFollowTheModel() {
    Fixture f;
    f.ws->Project.CFA = 1000;
    Choose(f.Combo("cboSelCase"), "Current Case");  // takes the live project again
    f.Show("Whole Bldg.", "As Built");
    auto* perCfa = Find<QCheckBox>(f.screen.get(), "chkPerCFA");
    perCfa->click();
    QCOMPARE(f.Box("txtBN", 2), QString("197"));
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblUnit", 2)->text(), QString("kg CO2 eq./m²"));
    QCOMPARE(Find<QLabel>(f.screen.get(), "lblCost")->text(), QString("Life Cycle Cost (ZQ$/m²)"));
    perCfa->click();
    QCOMPARE(f.Box("txtBN", 2), QString("197000"));
    f.Menu("mnuSetBC")->trigger();
    QVERIFY(f.Menu("mnuSaveBC")->isEnabled());
    f.prompts.QueueFile(f.tmp.File("OFFICE_R.RES"));
    f.Menu("mnuSaveBC")->trigger();
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Reference Case"));
    f.prompts.QueueFile(f.tmp.File("OFFICE_R.RES"));
    f.Menu("mnuLoadAlt")->trigger();
    QCOMPARE(f.Combo("cboSelCase")->currentText(), QString("Alternative Case"));
    QVERIFY(f.Menu("mnuSaveAlt")->isEnabled());
    f.Click("cmdShowRes");
    QCOMPARE(FindAt<QLabel>(f.screen.get(), "lblMsg", 1)->text(), QString("Data computed for the ALTERNATIVE Case."));

    QVERIFY(f.prompts.Messages().empty());
    f.Menu("mnuExpTab")->trigger();  // the dialog cancelled
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Failed to write results in table!!"});
  }
};

QTEST_MAIN(TestFrmResult)
#include "tst_frmResult.moc"
