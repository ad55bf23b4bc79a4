// The shading mask screen: its three refusals write nothing; Generate and Save
// writes the mask of the dimensions shown.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>

#include "energy/ShadingMask.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmShMask.h"

using kelca::testing::Choose;
using kelca::testing::Click;
using kelca::testing::Find;
using kelca::testing::Type;

class TestShadingMaskScreen : public QObject {
  Q_OBJECT

 private slots:
  void refusalsWriteNothingAndGenerateAndSaveWritesTheMaskShown() {
    kelca::testing::ScreenFixture f;
    frmShMask screen(f.ws->CurrentFolder, f.prompts);
    screen.show();
    auto* orientation = Find<QComboBox>(&screen, "cboOri");

    // No name, no orientation, no area: each refused by its message, in this order.
    Click(&screen, "cmdGO");
    Type(Find<QLineEdit>(&screen, "txtShMaskFNam"), "S1");
    Click(&screen, "cmdGO");
    Choose(orientation, "S");
    Type(Find<QLineEdit>(&screen, "txtWW"), "2");
    Click(&screen, "cmdGO");
    QCOMPARE(f.prompts.Messages(), (std::vector<std::string>{"No name given to shading mask yet!",
                                                              "Window orientation not yet set !",
                                                              "Window area <= 0!"}));
    QVERIFY(std::filesystem::is_empty(f.tmp.Folder()));

    // A deep overhang right at the window top shades the high sun; the file holds what was shown.
    Type(Find<QLineEdit>(&screen, "txtWH"), "1.5 m");
    Type(Find<QLineEdit>(&screen, "txtOP"), "1");
    Find<QAction>(&screen, "mnuACal")->trigger();
    QCOMPARE(Find<QLabel>(&screen, "lblStatus")->text(), QString("Shading mask generated."));
    QVERIFY(std::filesystem::is_empty(f.tmp.Folder()));
    Find<QAction>(&screen, "mnuASave")->trigger();
    QCOMPARE(Find<QLabel>(&screen, "lblCurDir")->text(), QString("Shading mask generated and saved."));
    kelca::ShadingMask saved;
    QVERIFY(kelca::ReadShadingMaskFile(f.tmp.File("S1.SHM"), saved).ok);
    QVERIFY(saved.Mask[0][0] > 0.9f);   // 5 deg up, straight ahead: mostly sunlit
    QCOMPARE(saved.Mask[8][0], 0.0f);   // 85 deg up: all under the overhang
    QVERIFY(saved.DiffuseFraction > 0 && saved.DiffuseFraction < 1);
    const std::string text = f.tmp.Read("S1.SHM");
    QVERIFY(text.find(" 1.5 ", text.find("Window Height (m)")) != std::string::npos);
  }
};

QTEST_MAIN(TestShadingMaskScreen)
#include "tst_frmShMask.moc"
