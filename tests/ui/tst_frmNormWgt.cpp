// The weighting screen and the cost parameter screen, driven through their controls.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/ScreenTestSupport.h"
#include "ui/frmCostPara.h"
#include "ui/frmNormWgt.h"

using kelca::Answer;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  Fixture() { OpenProject(); }
  std::unique_ptr<frmNormWgt> OpenWeights() {
    auto screen = std::make_unique<frmNormWgt>(kelca::ParameterScreenContext{ws->Params, ws->CurrentFolder, ws->Project},
                                               prompts);
    screen->show();
    return screen;
  }
  std::unique_ptr<frmCostPara> OpenCost() {
    auto screen = std::make_unique<frmCostPara>(ws->Params, prompts);
    screen->show();
    return screen;
  }
  QStringList WeightTexts(QWidget* screen) const {
    QStringList texts;
    for (int i = 0; i < kelca::kWeightEntries; ++i) texts << FindAt<QLineEdit>(screen, "txtWgtFtr", i)->text();
    return texts;
  }
};

const QStringList kDefaultWeightTexts = {"0.55556", "0.13",  "0.3",    "0.0475", "0.095", "0.095",
                                         "0.095",   "0.095", "0.0475", "0.0475", "0.0475"};
}  // namespace

class TestWeightingScreens : public QObject {
  Q_OBJECT

 private slots:
  void openingShowsTheCurrentFactorsAndTheOptionsShowDefaultOrUserValues() {
    Fixture f;
    f.ws->Params.CurrentWeights[2] = 0.25f;
    f.ws->Params.UserWeights[0] = 0.7f;
    f.ws->Params.UserCost = {6, 2, 1};
    f.ws->Params.WgtOptUser = true;
    auto screen = f.OpenWeights();
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtWgtFtr", 2)->text(), QString("0.25"));
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtNormFtr", 6)->text(), QString("1.98E+08"));
    auto* defaults = Find<QRadioButton>(screen.get(), "Option1");
    auto* user = Find<QRadioButton>(screen.get(), "Option2");
    QVERIFY(!f.ws->Params.WgtOptUser && !defaults->isChecked() && !user->isChecked());

    QTest::mouseClick(user, Qt::LeftButton);
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtWgtFtr", 0)->text(), QString("0.7"));
    QVERIFY(user->isChecked() && user->font().bold() && !defaults->font().bold());
    QCOMPARE(f.ws->Params.CurrentCost, (kelca::CostParams{6, 2, 1}));
    QTest::mouseClick(defaults, Qt::LeftButton);
    QCOMPARE(f.WeightTexts(screen.get()), kDefaultWeightTexts);
    QVERIFY(defaults->font().bold() && !user->font().bold());
    QCOMPARE(f.ws->Params.CurrentCost, f.ws->Params.DefaultCost);
  }

  void returnAsksOnlyAfterAnEditAndCancelNoAndYesDoWhatTheySay() {
    Fixture f;
    auto untouched = f.OpenWeights();
    Click(untouched.get(), "cmdOkay");
    QVERIFY(f.prompts.log.empty() && !untouched->isVisible());

    auto screen = f.OpenWeights();
    Type(FindAt<QLineEdit>(screen.get(), "txtWgtFtr", 2), "0.4");
    f.prompts.QueueAnswer(Answer::Cancel);
    Find<QAction>(screen.get(), "mnuFReturn")->trigger();
    const std::string question = "YesNoCancel: Save and Apply Weighting Factor/Cost Para. Values?";
    QCOMPARE(f.prompts.log, std::vector<std::string>{question});
    QVERIFY(screen->isVisible());
    screen->close();  // closing the window is Return: Cancel again, the screen stays
    QCOMPARE(f.prompts.log.size(), size_t{2});
    QVERIFY(screen->isVisible());
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtWgtFtr", 2)->text(), QString("0.4"));

    f.prompts.QueueAnswer(Answer::No);
    Find<QAction>(screen.get(), "mnuFReturn")->trigger();
    QVERIFY(!screen->isVisible());
    QCOMPARE(f.ws->Params.CurrentWeights[2], 0.3f);

    auto again = f.OpenWeights();
    Type(FindAt<QLineEdit>(again.get(), "txtWgtFtr", 2), "0.4");
    f.prompts.QueueAnswer(Answer::Yes);
    f.prompts.QueueFile(f.tmp.File("MINE.WGT"));
    Click(again.get(), "cmdOkay");
    QVERIFY(!again->isVisible());
    QCOMPARE(f.ws->Params.CurrentWeights[2], 0.4f);
    QCOMPARE(QString::fromStdString(f.tmp.Read("MINE.WGT")).split("\r\n", Qt::SkipEmptyParts).size(), 14);
  }

  void costScreenShowsItsOptionsAndRefusesAnElectricityPriceNotAbove0() {
    Fixture f;
    f.ws->Params.CurrentPrices = {1.1f, 0.3f};
    f.ws->Params.WgtOptUser = true;
    auto screen = f.OpenCost();
    QVERIFY(Find<QRadioButton>(screen.get(), "Option2")->isChecked());
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtEgyPrice", 0)->text(), QString("1.1"));
    Click(screen.get(), "Option1");
    QCOMPARE(FindAt<QLineEdit>(screen.get(), "txtEgyPrice", 0)->text(), QString("0.92"));
    QVERIFY(Find<QRadioButton>(screen.get(), "Option1")->font().bold());

    Type(FindAt<QLineEdit>(screen.get(), "txtEgyPrice", 0), "0");
    Click(screen.get(), "Command1");
    QCOMPARE(f.prompts.Messages().size(), size_t{1});
    QVERIFY(QString::fromStdString(f.prompts.Messages()[0]).contains("Price of Electricity"));
    QVERIFY(screen->isVisible());
    QVERIFY(!f.ws->Params.ParamsChanged);

    Type(FindAt<QLineEdit>(screen.get(), "txtEgyPrice", 0), "1.25");
    Click(screen.get(), "Command1");
    QVERIFY(!screen->isVisible());
    QCOMPARE(f.ws->Params.UserPrices[kelca::kElectricityPrice], 1.25f);
    QCOMPARE(f.ws->Params.CurrentPrices[kelca::kElectricityPrice], 1.1f);  // until Yes on the weighting screen
  }

  void aPriceEditedFromTheWeightingScreenTakesEffectWithYes() {
    Fixture f;
    auto screen = f.OpenWeights();
    kelca::testing::WhenModalOpens([](QWidget* cost) {
      QCOMPARE(cost->objectName(), QString("frmCostPara"));
      Type(FindAt<QLineEdit>(cost, "txtEgyPrice", 1), "0.5");
      Click(cost, "Command1");
    });
    Find<QAction>(screen.get(), "mnuCostPara")->trigger();
    QCOMPARE(f.ws->Params.UserPrices[kelca::kTownGasPrice], 0.5f);
    f.prompts.QueueAnswer(Answer::Yes);  // and cancel the save dialog
    Click(screen.get(), "cmdOkay");
    QCOMPARE(f.prompts.log.front(), std::string("YesNoCancel: Save and Apply Weighting Factor/Cost Para. Values?"));
    QCOMPARE(f.ws->Params.CurrentPrices[kelca::kTownGasPrice], 0.5f);
    QVERIFY(!screen->isVisible());
  }
};

QTEST_MAIN(TestWeightingScreens)
#include "tst_frmNormWgt.moc"
