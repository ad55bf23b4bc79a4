#pragma once
// The component editor: one component with its elements, each edited in
// place with its values in the grid msgElm, and the frame fraChgElmD that
// overrides the default values of the element's materials.
#include <QDialog>
#include <array>

#include "app/Workspace.h"
#include "common/Prompts.h"
#include "screens/GroupCompScreen.h"

class DoubleClickLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableWidget;

class frmGroupComp : public QDialog {
  Q_OBJECT

 public:
  frmGroupComp(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  kelca::GroupCompScreenModel& Model() { return model_; }

 public slots:
  // Closing the window is Return: it asks before unsaved changes are dropped.
  void reject() override;

 private:
  void BuildMenu();
  QWidget* BuildComponentBox();
  QWidget* BuildElementList();
  QWidget* BuildElementEditor();
  QWidget* BuildOverrideFrame();
  void ConnectCommands();
  void ConnectOverrideFrame();
  void SetHooks();
  template <class Command>
  void Run(Command command);
  void PullTexts();
  void Refresh();
  void RefreshGrid();
  void RefreshOverrideFrame();
  void Return();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::GroupCompScreenModel model_;

  QMenu* mnuFile;
  QAction *mnuFLComp, *mnuFSComp, *mnuFSCons, *mnuFReturn, *mnuDirRet;
  QLabel *lblGrpName, *lblCompName, *lblCompType, *lblCompNo, *lblCompElm, *lblElmName, *Label2, *Label3,
      *lblEditmsgCell, *lblChgElmD;
  QLineEdit *txtGrpName, *txtCompName, *txtCompNo, *txtElmName, *txtmsgCell;
  QComboBox* cboCompType;
  QListWidget* lstElm;
  QPushButton *cmdAddElm, *cmdEditElm, *cmdDeleteElm, *cmdElmUp, *cmdElmDn;
  QGroupBox* Frame1;
  QRadioButton *Option1, *Option2;
  DoubleClickLabel* lblElmType;
  QPushButton *cmdElmType, *cmdLoadElm, *cmdSaveElm, *cmdEnter, *cmdClrTxt, *cmdChgElmD;
  QTableWidget* msgElm;

  QGroupBox* fraChgElmD;
  QComboBox* cboMNoInElm;
  QLabel *lblMatD, *lblUnitD, *lblUnitU;
  DoubleClickLabel* lblMatU;
  QLineEdit *txtLifeD, *txtLifeU, *txtWasD, *txtWasU, *txtUCostD, *txtUCostU;
  QPushButton *cmdSelMat, *cmdUseDV, *cmdUseUIV, *cmdXFraChgElmD;
};
