#pragma once
// What the weighting screen does. The form shows the box texts and the option
// state held here and forwards every command; texts typed into a box are
// stored into the box text before a command runs.
#include <array>
#include <string>

#include "building/ProjectState.h"
#include "common/Prompts.h"
#include "lca/AssessmentParameters.h"

namespace kelca {

enum ValueOption : int { kNoOption = 0, kDefaultOption = 1, kUserOption = 2 };

extern const char* const kNormFactorNote;
extern const char* const kSaveAndApplyQuestion;
const std::array<std::string, kWeightEntries>& WeightCaptions();   // "1. Abiotic Depletion", ...; 0 the cost weight

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

}  // namespace kelca
