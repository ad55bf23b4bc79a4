// The element type picker, the material picker and the material data screen.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "ui/BuildingTestSupport.h"
#include "ui/frmElmSelect.h"
#include "ui/frmInpMatData.h"
#include "ui/frmMatLib.h"

using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Type;

namespace {
int PickedRow(QWidget* picker, const char* list) { return Find<QListWidget>(picker, list)->currentRow(); }

void Search(QWidget* picker, const char* button, const QString& text) {
  Type(Find<QLineEdit>(picker, "txtSrch"), text);
  Click(picker, button);
}
}  // namespace

class TestPickers : public QObject {
  Q_OBJECT

 private slots:
  // Rows 1.. are the building materials (1 to 5 the concretes), then the services materials.
  void materialSearchIgnoresCapitalsAndNextStopsAtTheLastMatch() {
    kelca::testing::BuildingFixture f;
    frmMatLib picker(f.ws->Materials);
    picker.show();
    auto* list = Find<QListWidget>(&picker, "lstMatData");
    QCOMPARE(list->item(0)->text(), QString("81 Building Materials in Library"));
    QCOMPARE(list->item(1)->text(), QString("1    Concrete C20/25                      m3        "));
    QCOMPARE(list->item(82)->text(), QString("36 Services Materials in Library"));
    QCOMPARE(list->count(), 1 + 81 + 1 + 36);

    const struct {
      const char* button;
      QString text;
      int row;
    } steps[] = {{"cmdSrch", "CONCRETE C3", 3}, {"cmdNX", "CONCRETE C3", 4}, {"cmdNX", "CONCRETE C3", 4},
                 {"cmdSrch", "", 4},            {"cmdSrch", "no such", 4},   {"cmdSrch", "copper PIPE", 83}};
    for (const auto& step : steps) {
      Search(&picker, step.button, step.text);
      QCOMPARE(PickedRow(&picker, "lstMatData"), step.row);
    }
    Click(&picker, "cmdClose");
    QCOMPARE(picker.Picked().PickedNo, 101);
    QCOMPARE(picker.Picked().PickedName, std::string("Copper pipe bare (kg)"));
  }

  void closingOnASectionHeadPicksNothing() {
    kelca::testing::BuildingFixture f;
    for (const char* head : {"cmdSM", "cmdBM", "cmdIgnore"}) {
      frmMatLib picker(f.ws->Materials);
      picker.show();
      Click(&picker, head);
      QCOMPARE(PickedRow(&picker, "lstMatData"), QString(head) == "cmdSM" ? 82 : 0);
      Click(&picker, "cmdClose");
      QVERIFY(!picker.isVisible());
      QVERIFY(!picker.Picked().Picked());
    }
  }

  void elementPickerListsTheLibraryOfTheComponentTypeAndOffersType0() {
    kelca::testing::BuildingFixture f;
    f.EditingGroup(kelca::kFloor, 0);
    frmElmSelect picker(*f.ws, f.prompts, 2, 3, nullptr);  // Contents, the current type 3
    picker.show();
    QCOMPARE(Find<QLineEdit>(&picker, "txtElmTypHead")->text(), QString("Floor Contents Elements"));
    auto* list = Find<QListWidget>(&picker, "lstElmTypNam");
    QCOMPARE(list->item(0)->text(), QString("Element of Listed Materials"));
    QCOMPARE(list->item(1)->text(), QString("Drywall partition, steel studs"));
    QCOMPARE(list->currentItem()->text(), QString("Glazed office partition"));
    Search(&picker, "cmdSrch", "PARTITION");
    QCOMPARE(PickedRow(&picker, "lstElmTypNam"), 1);
    Search(&picker, "cmdNX", "PARTITION");
    QCOMPARE(PickedRow(&picker, "lstElmTypNam"), 2);
    Click(&picker, "cmdIgnore");
    QCOMPARE(PickedRow(&picker, "lstElmTypNam"), -1);
    Search(&picker, "cmdNX", "PARTITION");  // after Ignore, Next starts at the top
    QCOMPARE(PickedRow(&picker, "lstElmTypNam"), 1);
    Click(&picker, "cmdOK");
    QCOMPARE(picker.Picked().PickedNo, 1);
    QCOMPARE(picker.Picked().PickedName, std::string("Drywall partition, steel studs"));
    QVERIFY(f.prompts.log.empty());
  }

  void materialDataScreenAsksForAThicknessOrForAMaterial() {
    kelca::testing::BuildingFixture f;
    frmInpMatData thickness(f.ws->Materials, kelca::MatDataMode::Thickness, "Wall");
    thickness.show();
    QCOMPARE(Find<QLabel>(&thickness, "lblElmNam")->text(), QString("Input Thickness of Element: Wall"));
    QCOMPARE(Find<QLabel>(&thickness, "lblMatProp")->text(), QString("Thickness (m):"));
    QVERIFY(!Find<QPushButton>(&thickness, "cmdSel")->isVisible());
    QVERIFY(!Find<QWidget>(&thickness, "txtProp_0")->isVisible());
    Type(Find<QLineEdit>(&thickness, "txtMatProp"), "0.25 m");
    Click(&thickness, "cmdReturn");
    QCOMPARE(thickness.Picked().PickedThickness, 0.25f);

    frmInpMatData material(f.ws->Materials, kelca::MatDataMode::Material, "Wall");
    material.show();
    QCOMPARE(Find<QLabel>(&material, "lblRem")->text(),
             QString("Use the Select Button to select material and then press OK to confirm"));
    kelca::testing::WhenModalOpens(
        [](QWidget* picker) { kelca::testing::SearchAndClose(picker, "c30/37", "cmdClose"); });
    Click(&material, "cmdSel");
    QCOMPARE(Find<QLineEdit>(&material, "txtMatProp")->text(), QString("3"));
    QCOMPARE(Find<QLineEdit>(&material, "txtMatNam")->text(), QString("Concrete C30/37"));
    QCOMPARE(Find<QLineEdit>(&material, "txtProp_0")->text(), QString("2400"));
    Click(&material, "cmdReturn");
    QCOMPARE(material.Picked().PickedNo, 3);

    frmInpMatData unknown(f.ws->Materials, kelca::MatDataMode::Material, "Wall");
    unknown.show();
    Type(Find<QLineEdit>(&unknown, "txtMatProp"), "90");  // no material has the number
    Click(&unknown, "cmdReturn");
    QVERIFY(!unknown.Picked().Picked());
  }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
