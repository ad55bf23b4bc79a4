#pragma once
// The operating energy calculation screen: a system chosen from the menu shows
// its heading and result items; Calculate runs it (air conditioning behind a
// progress window), Enter Changes takes the typed items; the run log grows as
// a run goes and can be saved; results are loaded from and saved to ".EUR"
// files. Leaving the screen, however it is closed, hands the predicted energy on.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "plant/ServiceSystems.h"
#include "screens/EnergyCalculationScreen.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;

class frmEgyCal : public QDialog {
  Q_OBJECT

 public:
  frmEgyCal(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  // The opening steps; false when the screen is not to be shown.
  bool Open();
  const kelca::EnergyCalculationScreen& Model() const { return model_; }

 public slots:
  // Closing the window is Exit.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Total and systems 1..10; air conditioning has 8 items.
  static constexpr int kItemRows = kelca::kPlantSlots;

  void BuildMenu();
  void BuildControls();
  QWidget* BuildRunLog();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void TakeItems();
  void Refresh();
  void ShowLogLine(const std::string& line);

  kelca::EnergyCalculationScreen model_;

  QMenu *mnuFile, *mnuSystem;
  QAction *mnuFLoad, *mnuFSave, *mnuFExit, *mnuDirExit;
  QAction *mnuMAC, *mnuMAAC, *mnuMElec, *mnuMAElec, *mnuMFSer, *mnuMLift, *mnuMPaD, *mnuMGasS, *mnuMAll;
  QLabel *lblHeading, *lblNote;
  std::array<QLabel*, kItemRows> lblItem{};
  std::array<QLineEdit*, kItemRows> txtItem{};
  QPushButton *cmdGO, *cmdAsTyped, *cmdOK;
  QWidget* fraRun;
  QListWidget *lstRun, *lstRunRpt;
  QPushButton* cmdEndRun;
};
