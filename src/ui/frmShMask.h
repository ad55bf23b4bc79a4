#pragma once
// The shading mask screen: a window's size and its overhang and side fins;
// the mask is generated and saved as a ".SHM" file in the current folder.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/ShadingMaskScreen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmShMask : public QDialog {
  Q_OBJECT

 public:
  frmShMask(std::string folder, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::ShadingMaskScreenModel& Model() const { return model_; }

 private:
  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();

  kelca::ShadingMaskScreenModel model_;
  kelca::Prompts& prompts_;

  QMenu* mnuA;
  QAction *mnuACal, *mnuASave, *mnuAExit;
  QComboBox* cboOri;
  // txtWW, txtWH, txtOP, txtDT, txtLP, txtDL, txtRP, txtDR in the order of kelca::MaskBox.
  std::array<QLineEdit*, kelca::kMaskBoxes> txtDim{};
  QLineEdit* txtShMaskFNam;
  QPushButton* cmdGO;
  QLabel *lblCurDir, *lblStatus;
};
