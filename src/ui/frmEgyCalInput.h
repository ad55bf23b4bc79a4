#pragma once
// The energy input screen: zones, rooms and fabric components of the energy
// model with their counts, selectors, insert and delete; the ".ECI" and ".ASS"
// files; and the way to the constructions, shading masks, air-side and
// central plant screens.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/ConstructionScreen.h"
#include "screens/EnergyInputScreen.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmEgyCalInput : public QDialog {
  Q_OBJECT

 public:
  // Opening loads the project's energy input files when they exist (with their dialogs).
  frmEgyCalInput(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  // The material choice of the construction screens opened from here.
  void SetMaterialPicker(kelca::MaterialPicker picker) { picker_ = std::move(picker); }
  const kelca::EnergyInputScreenModel& Model() const { return model_; }

 public slots:
  // Closing the window is Return: it asks whether to save.
  void reject() override;

 private:
  void BuildMenu();
  QGroupBox* BuildZones();
  QGroupBox* BuildRooms();
  QGroupBox* BuildComponents();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void PullBoxes();
  void Refresh();
  void RefreshSelectors();
  void EditConstructions();
  void SelectConstruction();
  void EditShadingMask();
  void EditAirSide();
  void EditCentralPlant();
  void Return();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::EnergyInputScreenModel model_;
  kelca::MaterialPicker picker_;

  QMenu *mnuF, *mnuE;
  QAction *mnuFLoad, *mnuFSave, *mnuFReturn, *mnuEConstr, *mnuEShMask, *mnuESIZn, *mnuECPlt, *mnuDirRet;
  QLineEdit *txtNZn, *txtZnNam, *txtNIZn;
  QPushButton *cmdEntNZn, *cmdAZn, *cmdDZn, *cmdEAC;
  QComboBox* cboZNo;
  QLineEdit *txtNRmIZ, *txtRmNam, *txtNFabComp;
  QPushButton *cmdEntNRm, *cmdARm, *cmdDRm, *cmdEntRmChar;
  QComboBox *cboRmNo, *cboRmTyp;
  // txtNIdRm, txtRmArea, txtRmHgt, txtNOcc, txtVent, txtTemp, txtRH, txtLgtW, txtEqpW.
  std::array<QLineEdit*, kelca::kRoomBoxes> txtRoom{};
  QComboBox *cboFabComp, *cboCompTyp, *cboOrient;
  QLineEdit *txtCompL, *txtCompA, *txtShMask;
  std::array<QLineEdit*, 2> txtCompC{};
  QPushButton *cmdAExWall, *cmdDExWall, *cmdEntComp, *cmdSelCons, *cmdSelShM;
};
