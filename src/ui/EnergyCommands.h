#pragma once
// The operating-energy commands of the main window: the energy calculation
// screen, followed by the confirmation of its results, and the confirmation
// screen on its own.
#include <QWidget>

#include "app/MainShell.h"

class EnergyCommands {
 public:
  EnergyCommands(QWidget* window, kelca::Workspace& ws, kelca::Prompts& prompts, kelca::MainShell& shell)
      : window_(window), ws_(ws), prompts_(prompts), shell_(shell) {}

  // mnuRunOprEgy: the calculation screen, its check mark once it has been
  // left, then the confirmation. Without an open project the screen says so
  // and nothing follows.
  void CalculateOperatingEnergy();
  void ViewEnergyResults();  // mnuViewEgy

 private:
  QWidget* window_;
  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::MainShell& shell_;
};
