#pragma once
// The air-side screen: the air-conditioning and fresh-air systems and the
// design loads of one zone and of each of its rooms.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/AirSideScreen.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmSIZn : public QDialog {
  Q_OBJECT

 public:
  frmSIZn(kelca::Workspace& ws, kelca::Prompts& prompts, int zone, QWidget* parent = nullptr);

  const kelca::AirSideScreenModel& Model() const { return model_; }

 public slots:
  // Closing the window is Exit: it asks before changed data are dropped.
  void reject() override;

 private:
  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Exit();
  void SaveAndExit();

  kelca::AirSideScreenModel model_;
  kelca::Prompts& prompts_;

  QMenu* mnuF;
  QAction *mnuFSave, *mnuFExit;
  QLabel* lblZnNam;
  QComboBox *cboASTyp, *cboFATyp, *cboZnRm;
  QLineEdit* txtRmNam;
  std::array<QLabel*, kelca::kAirSideBoxes> lblZnRmD{};
  std::array<QLineEdit*, kelca::kAirSideBoxes> txtZnRmD{};
  QPushButton *cmdPrRm, *cmdNxRm, *cmdPrZn, *cmdNxZn, *cmdSaQ;
};
