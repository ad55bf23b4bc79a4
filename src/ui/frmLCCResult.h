#pragma once
// The LCC results screen: the predicted (last confirmed) costs and the values
// for the LCC assessment, twelve rows by five stages; copied, edited, updated
// and confirmed back into the results, saved to and loaded from ".LCC" files
// and exported as a ".CSV" table.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/LccScreen.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

class frmLCCResult : public QDialog {
  Q_OBJECT

 public:
  frmLCCResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::LccScreenModel& Model() const { return model_; }

 private:
  using RowBoxes = std::array<QLineEdit*, kelca::kStages>;  // a row's boxes, by stage

  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void TakeBoxes();
  void Refresh();
  void Confirm();
  std::array<RowBoxes*, kelca::kLccRows> Rows();

  kelca::LccScreenModel model_;
  kelca::Prompts& prompts_;

  QMenu* mnuFile;
  QAction *mnuFSave, *mnuFLoad, *mnuFExp, *mnuFExit, *mnuFRet;
  QLabel* lblHeading;
  QRadioButton *Option1, *Option2;
  QPushButton *cmdCopy, *cmdUpDate, *cmdOkay, *cmdExit;
  RowBoxes txtFdn{}, txtEnv{}, txtFram{}, txtCont{}, txtFlrs{}, txtHVAC{}, txtELec{}, txtFSer{}, txtLift{}, txtPaD{},
      txtSers{}, txtBldg{};
};
