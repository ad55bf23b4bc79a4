// The keyboard mnemonics of every screen: Alt and the letter opens a menu or
// presses a button, the letter picks an entry of an open menu, and no two
// captions of one place share a letter (Qt then presses neither).
#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "support/BuildingProject.h"
#include "support/SampleModels.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmAddGroup.h"
#include "ui/frmBldgSysInput.h"
#include "ui/frmCPlt.h"
#include "ui/frmCharts.h"
#include "ui/frmCostPara.h"
#include "ui/frmEgyCal.h"
#include "ui/frmEgyCalInput.h"
#include "ui/frmEgyResult.h"
#include "ui/frmElmSelect.h"
#include "ui/frmGroupComp.h"
#include "ui/frmInpMatData.h"
#include "ui/frmLCCResult.h"
#include "ui/frmMatLib.h"
#include "ui/frmNormWgt.h"
#include "ui/frmResult.h"
#include "ui/frmSIZn.h"
#include "ui/frmSelCons.h"
#include "ui/frmShMask.h"

namespace {
using Fixture = kelca::testing::BuildingProject;
using Factory = std::function<std::unique_ptr<QWidget>(Fixture&)>;

template <class Form, class... Args>
Factory Make(Args... args) {
  return [=](Fixture& f) { return std::unique_ptr<QWidget>(new Form(*f.ws, f.prompts, args...)); };
}

const std::map<QString, Factory>& Forms() {
  static const std::map<QString, Factory> forms = {
      {"frmMain", [](Fixture& f) -> std::unique_ptr<QWidget> {
         return std::make_unique<frmMain>(*f.ws, f.prompts, kelca::StartupFolders{.Settings = f.tmp.File("")});
       }},
      {"frmAddGroup", Make<frmAddGroup>()},
      {"frmBldgSysInput", Make<frmBldgSysInput>()},
      {"frmCPlt", Make<frmCPlt>()},
      {"frmCharts", Make<frmCharts>()},
      {"frmCostPara", [](Fixture& f) -> std::unique_ptr<QWidget> { return std::make_unique<frmCostPara>(f.ws->Params, f.prompts); }},
      {"frmEgyCal", Make<frmEgyCal>()},
      {"frmEgyCalInput", Make<frmEgyCalInput>()},
      {"frmEgyResult", Make<frmEgyResult>()},
      {"frmElmSelect", Make<frmElmSelect>(2, 3, nullptr)},
      {"frmGroupComp", Make<frmGroupComp>()},
      {"frmInpMatData", [](Fixture& f) -> std::unique_ptr<QWidget> {
         return std::make_unique<frmInpMatData>(f.ws->Materials, kelca::MatDataMode::Material, "Wall");
       }},
      {"frmLCCResult", Make<frmLCCResult>()},
      {"frmMatLib", [](Fixture& f) -> std::unique_ptr<QWidget> { return std::make_unique<frmMatLib>(f.ws->Materials); }},
      {"frmNormWgt", [](Fixture& f) -> std::unique_ptr<QWidget> {
         return std::make_unique<frmNormWgt>(kelca::ParameterScreenContext{f.ws->Params, f.ws->CurrentFolder, f.ws->Project},
                                             f.prompts);
       }},
      {"frmResult", Make<frmResult>()},
      {"frmSIZn", Make<frmSIZn>(1)},
      {"frmSelCons", Make<frmSelCons>(kelca::ConstructionScreenMode::Edit, 0, nullptr)},
      {"frmShMask", [](Fixture& f) -> std::unique_ptr<QWidget> { return std::make_unique<frmShMask>(f.tmp.Folder(), f.prompts); }},
  };
  return forms;
}

QChar Letter(const QString& caption) {
  const QKeySequence key = QKeySequence::mnemonic(caption);
  return key.isEmpty() ? QChar() : QChar(key[0].key()).toUpper();
}

// Cuts a control loose from the screen, so that the test sees the signal and the screen does nothing.
template <class Control, class Signal>
std::unique_ptr<QSignalSpy> Spy(Control* control, Signal signal) {
  QObject::disconnect(control, signal, nullptr, nullptr);
  return std::make_unique<QSignalSpy>(control, signal);
}

// Adds the captions' letters to count; returns the letters used twice.
QString Repeated(const QStringList& captions, int& count) {
  QSet<QChar> used;
  QString repeated;
  for (const QString& caption : captions) {
    const QChar letter = Letter(caption);
    if (letter.isNull()) continue;
    if (used.contains(letter)) repeated += letter;
    used.insert(letter);
    ++count;
  }
  return repeated;
}
}  // namespace

class TestMnemonics : public QObject {
  Q_OBJECT

 private slots:
  void everyMnemonicWorks_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("letters");  // how many captions of the screen have a mnemonic
    const std::map<QString, int> letters = {{"frmMain", 24},  {"frmEgyCal", 3},  {"frmGroupComp", 1}, {"frmLCCResult", 1},
                                            {"frmNormWgt", 1}, {"frmResult", 10}, {"frmSelCons", 1},   {"frmCharts", 1}};
    for (const auto& [name, factory] : Forms()) {
      QTest::newRow(qPrintable(name)) << name << (letters.contains(name) ? letters.at(name) : 0);
    }
  }
  void everyMnemonicWorks() {
    QFETCH(QString, form);
    QFETCH(int, letters);
    Fixture f;
    kelca::testing::AddRoom(kelca::testing::AddZone(f.ws->Energy, "Floor"), kelca::testing::MakeRoom("Room", kelca::kOffice));
    f.EditingGroup(kelca::kFloor, 0);
    std::unique_ptr<QWidget> screen = Forms().at(form)(f);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));

    // Alt and a letter: the menu bar's titles and entries, and the buttons of the screen.
    QStringList altCaptions;
    int found = 0;
    for (QMenuBar* bar : screen->findChildren<QMenuBar*>()) {
      for (QAction* entry : bar->actions()) altCaptions << entry->text();
    }
    const QList<QAbstractButton*> buttons = screen->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) altCaptions << button->text();
    QCOMPARE(Repeated(altCaptions, found), QString());
    for (QAbstractButton* button : buttons) {
      const QChar letter = Letter(button->text());
      if (letter.isNull()) continue;
      button->setVisible(true);
      button->setEnabled(true);
      auto clicked = Spy(button, &QAbstractButton::clicked);
      QTest::keyClick(screen.get(), letter.toLatin1(), Qt::AltModifier);
      QTRY_COMPARE_WITH_TIMEOUT(clicked->count(), 1, 1000);
    }
    for (QMenuBar* bar : screen->findChildren<QMenuBar*>()) {
      for (QAction* entry : bar->actions()) {
        const QChar title = Letter(entry->text());
        QMenu* menu = entry->menu();
        if (!menu) {
          if (title.isNull()) continue;
          auto triggered = Spy(entry, &QAction::triggered);
          QTest::keyClick(screen.get(), title.toLatin1(), Qt::AltModifier);
          QVERIFY2(triggered->count() == 1, qPrintable(entry->text()));
          continue;
        }
        menu->setEnabled(true);
        entry->setEnabled(true);
        // The entries of an open menu: the letter alone.
        QStringList captions;
        for (QAction* item : menu->actions()) captions << item->text();
        QCOMPARE(Repeated(captions, found), QString());
        const auto open = [&] {
          if (title.isNull()) {
            menu->popup(screen->mapToGlobal(QPoint(0, 0)));
          } else {
            QTest::keyClick(screen.get(), title.toLatin1(), Qt::AltModifier);
          }
          QTRY_VERIFY2(menu->isVisible(), qPrintable(entry->text()));
        };
        for (QAction* item : menu->actions()) {
          const QChar letter = Letter(item->text());
          if (letter.isNull() || item->menu()) continue;
          item->setEnabled(true);
          auto triggered = Spy(item, &QAction::triggered);
          open();
          QTest::keyClick(menu, letter.toLatin1());
          QVERIFY2(triggered->count() == 1, qPrintable(item->text()));
        }
        open();
        QTest::keyClick(menu, Qt::Key_Escape);
      }
    }
    QCOMPARE(found, letters);
  }
};

QTEST_MAIN(TestMnemonics)
#include "tst_mnemonics.moc"
