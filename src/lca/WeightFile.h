#pragma once
// The weighting and cost parameter file (".WGT"): one bare number per line,
// the 11 weights (cost weight first) and then the 3 cost parameters.
#include <string>

#include "common/FileIO.h"
#include "common/Status.h"
#include "lca/AssessmentParameters.h"

namespace kelca {

// Reads the 14 values; on any failure weights and cost stay as they were and
// the status names the file.
Status ReadWeightFile(const std::string& path, WeightFactors& weights, CostParams& cost);
Status WriteWeightFile(const std::string& path, const WeightFactors& weights, const CostParams& cost,
                       const WriteFault* fault = nullptr);

}  // namespace kelca
