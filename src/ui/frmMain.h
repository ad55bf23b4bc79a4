#pragma once
// The main window: the menu, the project name and file boxes, the status
// panel with the picture area over it, and the slide show controls. Every
// command is the shell's; the window copies its boxes into the shell before a
// command and shows the shell's state after it.
#include <QMainWindow>
#include <string>
#include <vector>

#include "AssessmentCommands.h"
#include "EnergyCommands.h"
#include "app/MainShell.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class ClickableLabel;
class StatusPanelView;

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  frmMain(kelca::Workspace& ws, kelca::Prompts& prompts, kelca::StartupFolders folders, QWidget* parent = nullptr);

  // The start-up steps; run once the window is shown.
  void Startup();
  // The report writers (the summary reports unless replaced); their Write menu
  // entries are offered while they are given.
  void SetReportWriters(kelca::ReportWriter inputSummary, kelca::ReportWriter selectionSummary);

  kelca::MainShell& Shell() { return shell_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void PullFields();
  void Refresh();
  void RefreshSlideControls();
  void RefreshPicture();
  // Opens the building input screen after Enter; it keeps the main window
  // out of reach until its Return.
  void ShowBuildingInputScreen();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::MainShell shell_;
  AssessmentCommands assessment_;
  EnergyCommands energy_;
  std::vector<std::string> shownTitles_;
  std::string shownPicture_;

  QMenu *mnuFile, *mnuEdit, *MnuPrint, *mnuRun, *mnuRL1, *mnuViewSS;
  QAction *mnuOpenData, *OpenL0, *mnuFNew, *mnuFileOpen, *mnuFileSave, *mnuL1, *mnuFileClose, *FileL2, *mnuFileExit;
  QAction *mnuEditBldg, *mnuEditBEUInput, *EditL1, *mnuRunReset, *EditL2, *mnuEditWeights;
  QAction *MnuPrintInSum, *mnuWSelected;
  QAction *mnuRunOprEgy, *mnuRunLCA, *mnuRunLCC;
  QAction *mnuViewEgy, *mnuViewLCC, *mnuViewRes;
  QAction *mnuSSCh1, *mnuSSCh2, *mnuSSEnd;

  QLineEdit *txtProjName, *txtProjFName;
  QLabel *lblProjName, *lblProjFName;
  QPushButton* cmdEnterProjName;
  StatusPanelView* PicMain;
  ClickableLabel* Image1;
  QComboBox* cboSldLst;
  QPushButton *cmdLsSld, *cmdNxSld, *cmdEndSldShow;
  ClickableLabel *lblLsSld, *lblNxSld;
};
