#pragma once
// What the weighting screen and the cost parameter screen do. The screens
// show the box texts and option states held here and forward every command;
// texts typed into a box are stored into the box text before a command runs.
#include <array>
#include <string>

#include "app/Prompts.h"
#include "building/ProjectState.h"
#include "lca/AssessmentParameters.h"

namespace kelca {

enum ValueOption : int { kNoOption = 0, kDefaultOption = 1, kUserOption = 2 };

extern const char* const kNormFactorNote;
extern const char* const kSaveAndApplyQuestion;
const std::array<std::string, kWeightEntries>& WeightCaptions();   // "1. Abiotic Depletion", ...; 0 the cost weight
const std::array<std::string, kCostParamEntries>& CostParamCaptions();
const std::array<std::string, kEnergyPriceEntries>& EnergyPriceCaptions();

// The tables a parameter screen works on.
struct ParameterScreenContext {
  AssessmentParameters& Params;
  std::string& CurrentFolder;
  const ProjectState& Project;
};

class WeightingScreenModel {
 public:
  // Opening: the boxes show the current weights and normalisation factors; the flags are cleared.
  explicit WeightingScreenModel(ParameterScreenContext context);

  void ChooseDefaultValues();  // Option1
  void ChooseUserValues();     // Option2
  void OpenUserValues(Prompts& prompts);  // mnuFOpen
  void SaveUserValues(Prompts& prompts);  // mnuFSave
  // cmdOkay / mnuFReturn: true when the screen closes.
  bool Return(Prompts& prompts);

  std::array<std::string, kWeightEntries> WeightBoxes;  // txtWgtFtr
  std::array<std::string, kWeightEntries> NormBoxes;    // txtNormFtr (shown only)
  ValueOption Option = kNoOption;                       // the caption shown bold

 private:
  void ShowWeights(const WeightFactors& weights);
  void TakeBoxesIntoUserWeights();
  ParameterScreenContext ctx_;
};

class CostScreenModel {
 public:
  // Opening: the option last chosen on the weighting screen is marked; the
  // boxes show the current cost parameters and prices.
  explicit CostScreenModel(AssessmentParameters& params);

  void ChooseDefaultValues();  // Option1
  void ChooseUserValues();     // Option2
  // Command1 (OK): true when the screen closes. A price of electricity that is
  // not above 0 is refused with a message and the screen stays open.
  bool Confirm(Prompts& prompts);

  std::array<std::string, kCostParamEntries> CostBoxes;     // txtCostPara
  std::array<std::string, kEnergyPriceEntries> PriceBoxes;  // txtEgyPrice
  ValueOption Option = kNoOption;

 private:
  void Show(const CostParams& cost, const EnergyPrices& prices);
  AssessmentParameters& params_;
};

}  // namespace kelca
