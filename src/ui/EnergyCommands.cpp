#include "EnergyCommands.h"

#include "frmEgyCal.h"
#include "frmEgyResult.h"

void EnergyCommands::CalculateOperatingEnergy() {
  shell_.ShowStatus("   Proceeded to calculate operating energy use");
  {
    frmEgyCal screen(ws_, prompts_, window_);
    if (!screen.Open()) return;
    screen.exec();
  }
  shell_.ShowStatus("   Returned from operating energy calculation");
  shell_.Fields.RunOprEgyChecked = true;
  ViewEnergyResults();
}

void EnergyCommands::ViewEnergyResults() {
  frmEgyResult screen(ws_, prompts_, window_);
  screen.exec();
}
