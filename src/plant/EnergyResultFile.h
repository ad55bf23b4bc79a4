#pragma once
// The energy use result file (".EUR"): every annual result of the energy
// calculation, one value per line, no header. Group totals are not stored;
// reading recomputes them as sums and takes the system counts from the file.
#include <string>

#include "common/Status.h"
#include "plant/EnergyResults.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca {

Status WriteEnergyResultFile(const std::string& path, const AnnualACEnergy& ac, const ZoneElecEnergy& zones,
                             const PlantInput& plant, const NonACServices& services);
// On failure every table is left as it was and the status names the file.
Status ReadEnergyResultFile(const std::string& path, AnnualACEnergy& ac, ZoneElecEnergy& zones, PlantInput& plant,
                            NonACServices& services);

}  // namespace kelca
