// The confirmation of the annual operating energy: the ways out without a
// change, the refusal of an empty cell, copies and typed cells.
#include <QLineEdit>
#include <QtTest>
#include <array>
#include <memory>

#include "ui/ScreenTestSupport.h"
#include "ui/frmEgyResult.h"

using kelca::testing::FindAt;
using kelca::testing::Type;

namespace {
using Values = std::array<float, kelca::kEnergyUseEntries>;

struct Fixture : kelca::testing::ScreenFixture {
  explicit Fixture(const Values& values) {
    ws->EnergyUse.Value = values;
    Reopen();
  }
  void Reopen() {
    screen = std::make_unique<frmEgyResult>(*ws, prompts);
    screen->show();
  }
  QLineEdit* Predicted(int row) const { return FindAt<QLineEdit>(screen.get(), "txtAEC", row); }
  QLineEdit* Confirmed(int row) const { return FindAt<QLineEdit>(screen.get(), "txtAAEC", row); }
  void Copy(int button) const {
    kelca::testing::Click(screen.get(), qPrintable(QString("cmdChgTo_%1").arg(button)));
  }
  void Click(const char* name) const { kelca::testing::Click(screen.get(), name); }

  std::unique_ptr<frmEgyResult> screen;
};

const Values kPredicted{2476820, 200.5f, 0, 3, 4, 1e7f};
}  // namespace

class TestFrmEgyResult : public QObject {
  Q_OBJECT

 private slots:
  // The copy and confirmation rules are the core's; here the buttons and cells reach them.
  void copyButtonsAndTypedCellsReachTheConfirmation() {
    Fixture f(kPredicted);
    QCOMPARE(f.Predicted(5)->text(), QString("1E+07"));
    f.Copy(kelca::kCopyAllRows);
    Type(f.Confirmed(0), "1");
    f.Click("cmdExit");  // Return, and closing the window, change nothing
    f.Reopen();
    f.Copy(kelca::kCopyAllRows);
    f.screen->close();
    QCOMPARE(f.ws->EnergyUse.Value, kPredicted);

    f.Reopen();
    f.Copy(4);
    QCOMPARE(f.Confirmed(4)->text(), QString("4"));
    QVERIFY(f.Confirmed(3)->text().isEmpty());
    f.Click("cmdOkay");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Missing confirmed energy use value(s)"});
    QVERIFY(f.screen->isVisible());
    f.Copy(kelca::kCopyAllRows);
    Type(f.Confirmed(1), "abc");
    Type(f.Confirmed(2), " 7.5 kWh");
    f.Click("cmdOkay");
    QCOMPARE(f.screen->result(), int(QDialog::Accepted));
    QCOMPARE(f.ws->EnergyUse.Value, (Values{2476820, 0, 7.5f, 3, 4, 1e7f}));
    f.Reopen();  // showing the values last confirmed
    QCOMPARE(f.Predicted(2)->text(), QString("7.5"));
  }
};

QTEST_MAIN(TestFrmEgyResult)
#include "tst_frmEgyResult.moc"
