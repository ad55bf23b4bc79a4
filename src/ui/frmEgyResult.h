#pragma once
// The confirmation of the annual operating energy: six rows of predicted (or
// last confirmed) values, copied or typed into the cells of the values the
// impact and cost calculation are to use, and confirmed. Closing the window
// is "Return (no change)".
#include <QDialog>
#include <array>

#include "common/Prompts.h"
#include "screens/EnergyResultScreen.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmEgyResult : public QDialog {
  Q_OBJECT

 public:
  frmEgyResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

 private:
  void BuildControls();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Confirm();

  kelca::EnergyResultScreen model_;

  QLabel *lblHeading, *lblPredicted, *lblConfirmed, *lblNote1, *lblNote2;
  std::array<QLabel*, kelca::kEnergyUseEntries> lblAEC{};
  std::array<QLineEdit*, kelca::kEnergyUseEntries> txtAEC{}, txtAAEC{};
  std::array<QPushButton*, kelca::kCopyAllRows + 1> cmdChgTo{};
  QPushButton *cmdOkay, *cmdExit;
};
