#pragma once
// The life cycle cost table: twelve rows (building parts and portions) by five
// stages, in two sets: the predicted (last confirmed) costs and the values the
// user edits for the assessment.
#include <array>
#include <string>

#include "common/FileIO.h"
#include "common/Status.h"
#include "lca/LcaResults.h"

namespace kelca {

constexpr int kLccRows = 12;
constexpr int kLccSets = 2;
enum LccSet : int { kPredictedSet = 0, kAssessmentSet = 1 };
// Rows, 0-based, in table order.
enum LccRow : int {
  kLccFoundation = 0,
  kLccEnvelope = 1,
  kLccFrame = 2,
  kLccContents = 3,
  kLccFloorsTotal = 4,
  kLccHvac = 5,
  kLccElec = 6,
  kLccFire = 7,
  kLccLifts = 8,
  kLccPandD = 9,
  kLccServicesTotal = 10,
  kLccBuildingTotal = 11
};

using LccValues = std::array<std::array<float, kStages>, kLccRows>;         // [row][stage]
using LccFileValues = std::array<std::array<double, kStages>, kLccRows>;    // as the ".LCC" file holds them

struct LccTable {
  std::array<LccValues, kLccSets> Set{};
};

// Captions with "&&" for a shown "&" (as on the screen), and as shown.
const std::string& LccRowCaption(int row);
std::string LccRowShownCaption(int row);
const std::string& LccStageCaption(int stage);  // "Life Cycle", "As Built", ...
bool IsLccInputRow(int row);                    // every row but the three totals

// The cost values a row stands for in the results.
PartResult& LccRowSource(LcaResultSet& results, int row);
const PartResult& LccRowSource(const LcaResultSet& results, int row);

// The costs of the results, row by row and stage by stage.
LccValues LccValuesOf(const LcaResultSet& results);
// Recomputes the three total rows at stages 1..4, then stage 0 of every row as the sum of 1..4.
void RecomputeLccTotals(LccValues& values);
// Writes every row and stage into the Cost values of the results.
void WriteLccIntoResults(const LccValues& values, LcaResultSet& results);

// The ".LCC" file: 60 numbers, stage by stage, the rows in table order.
Status WriteLccFile(const std::string& path, const LccFileValues& values,
                    const WriteFault* fault = nullptr);
// On failure values stay as they were and the status names the file.
Status ReadLccFile(const std::string& path, LccFileValues& values);
// The comma-separated export: a caption row, then one row per table row.
std::string LccTableText(const LccValues& values);

}  // namespace kelca
