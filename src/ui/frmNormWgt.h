#pragma once
// The weighting screen: the weighting factors (default or the user's own,
// opened from and saved to ".WGT" files), the normalisation factors for
// reference, and the way to the cost parameter screen.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/CostParameterScreen.h"
#include "screens/WeightingScreen.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

class frmNormWgt : public QDialog {
  Q_OBJECT

 public:
  frmNormWgt(kelca::ParameterScreenContext context, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::WeightingScreenModel& Model() const { return model_; }

 public slots:
  // Closing the window is Return: it asks before changed values are dropped.
  void reject() override;

 private:
  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Return();
  void ShowCostParameters();

  kelca::WeightingScreenModel model_;
  kelca::AssessmentParameters& params_;
  kelca::Prompts& prompts_;

  QMenu *mnuFile, *mnuCost;
  QAction *mnuFOpen, *mnuFSave, *mnuFReturn, *mnuCostPara;
  std::array<QLabel*, kelca::kWeightEntries> lblCategory{};
  std::array<QLineEdit*, kelca::kWeightEntries> txtNormFtr{};
  std::array<QLineEdit*, kelca::kWeightEntries> txtWgtFtr{};
  QLabel* lblNote;
  QRadioButton *Option1, *Option2;
  QPushButton* cmdOkay;
};
