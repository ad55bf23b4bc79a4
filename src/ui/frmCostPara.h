#pragma once
// The cost parameter screen: interest, inflation and energy price escalation
// rates and the two energy prices, as defaults or the user's own values.
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/CostParameterScreen.h"
#include "screens/WeightingScreen.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmCostPara : public QDialog {
  Q_OBJECT

 public:
  frmCostPara(kelca::AssessmentParameters& params, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::CostScreenModel& Model() const { return model_; }

 private:
  void BuildControls();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Confirm();

  kelca::CostScreenModel model_;
  kelca::Prompts& prompts_;

  QGroupBox* Frame1;
  QRadioButton *Option1, *Option2;
  std::array<QLabel*, kelca::kCostParamEntries> lblCostPara{};
  std::array<QLineEdit*, kelca::kCostParamEntries> txtCostPara{};
  std::array<QLabel*, kelca::kEnergyPriceEntries> lblEgyPrice{};
  std::array<QLineEdit*, kelca::kEnergyPriceEntries> txtEgyPrice{};
  QPushButton* Command1;
};
