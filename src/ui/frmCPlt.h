#pragma once
// The central plant screen: plant and pumping type, the equipment lists, the
// additional HVAC systems, the fresh-air units and the non-AC services, unit
// by unit in a grid; the ".WSS" and ".NAC" files.
#include <QDialog>
#include <utility>
#include <vector>

#include "common/Prompts.h"
#include "screens/PlantScreen.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

class frmCPlt : public QDialog {
  Q_OBJECT

 public:
  // Opening loads the project's plant files when they exist (with their dialogs).
  frmCPlt(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::PlantScreenModel& Model() const { return model_; }

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
  void RefreshGrid();
  void Exit();

  kelca::PlantScreenModel model_;
  kelca::Prompts& prompts_;

  QMenu *mnuF, *mnuE, *mnuEHVAC, *mnuEOthers;
  QAction *mnuFLoad, *mnuFSave, *mnuFExit, *mnuDirExit;
  std::vector<std::pair<QAction*, int>> itemEntries_;  // the item menus and their item codes
  QLabel *lblHead, *lblACHRS, *lblChWPS, *lblNoEq, *lblEqNo, *lblSysNam, *lblEqTyp, *lblGrid;
  QComboBox *cboACHRS, *cboChWPS, *cboEqNo, *cboEqTyp;
  QLineEdit *txtNoEq, *txtSysNam, *txtEntCell;
  QPushButton *cmdNoEq, *cmdAddEq, *cmdDelEq, *cmdSame, *cmdEntCell, *cmdOK;
  QTableWidget* msgPlt;
};
