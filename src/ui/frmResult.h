#pragma once
// The results screen: a case, a building part with its portion or group, and
// a stage are chosen; the characterised, normalised and weighted impacts, the
// energy, waste, cost and single score are shown. Cases are set, saved and
// loaded here, the shown values exported, and the charts opened.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/ResultScreen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmResult : public QDialog {
  Q_OBJECT

 public:
  frmResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::ResultScreenModel& Model() const { return model_; }

 private:
  void BuildMenu();
  void BuildSelectors();
  void BuildTable();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void ShowCharts();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::ResultScreenModel model_;

  QMenu *mnuFile, *mnuCases;
  QAction *mnuExpTab, *mnuExpAll, *mnuQuit, *mnuDirRet;
  QAction *mnuSetBC, *mnuSetAlt, *mnuSaveBC, *mnuSaveAlt, *mnuSaveCur, *mnuLoadBC, *mnuLoadAlt;
  QComboBox *cboSelCase, *cboPortion, *cboClass, *cboCGNo, *cboStage;
  QPushButton *cmdShowRes, *cmdShowChart;
  // Index 0 of txtBN and txtWN is not used; txtAW(0) holds the sum of the weighted values.
  std::array<QLineEdit*, kelca::kImpactSlots> txtBN{}, txtWN{}, txtAW{};
  QLineEdit *txtLCEA, *txtLCWA, *txtLCCA, *txtProjScore;
  std::array<QLabel*, kelca::kResultCases> lblMsg{};
  QCheckBox* chkPerCFA;
  QLabel* lblCFA;                       // the floor area in use, or why there is none
  std::array<QLabel*, 13> lblUnit{};    // units of categories 1..12 (index 0 unused)
  QLabel* lblCost;
};
