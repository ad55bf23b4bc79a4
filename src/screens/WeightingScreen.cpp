#include "screens/WeightingScreen.h"

#include "common/FiniteRead.h"
#include "common/ValueBoxes.h"
#include "lca/WeightFile.h"
#include "screens/FileChoice.h"

namespace kelca {

const char* const kNormFactorNote =
    "* Normalisation factors are based on consumption of 1TJ of electricity in Kelport. No changes to these factors "
    "allowed.";
const char* const kSaveAndApplyQuestion = "Save and Apply Weighting Factor/Cost Para. Values?";

const std::array<std::string, kWeightEntries>& WeightCaptions() {
  static const std::array<std::string, kWeightEntries> captions{
      "Equivalent % Increase in Life Cycle Impact for each % Increase in Life Cycle Cost",
      "1. Abiotic Depletion",
      "2. Global Warming",
      "3. Ozone Layer Depletion",
      "4. Human Toxicity",
      "5. Fresh Water Aquatic Ecotoxicity",
      "6. Marine Aquatic Ecotoxicity",
      "7. Terrestrial Ecotoxicity",
      "8. Photochemical Oxidation",
      "9. Acidification",
      "10. Eutrophication"};
  return captions;
}

namespace {
const FileDialogRequest kOpenWeightsDialog{"Open Weighting Data File", "Weighting Data Files (*.WGT)|*.WGT", "", ""};
const FileDialogRequest kSaveWeightsDialog{"Save Weighting / Cost Para. File",
                                           "Weighting/Cost Para. Data Files (*.WGT)|*.WGT", "", ""};
}  // namespace

WeightingScreenModel::WeightingScreenModel(ParameterScreenContext context) : ctx_(context) {
  ShowWeights(ctx_.Params.CurrentWeights);
  ShowValues(NormBoxes, ctx_.Params.CurrentNorms);
  ctx_.Params.ParamsChanged = ctx_.Params.WgtOptDefault = ctx_.Params.WgtOptUser = false;
}

void WeightingScreenModel::ShowWeights(const WeightFactors& weights) { ShowValues(WeightBoxes, weights); }

void WeightingScreenModel::TakeBoxesIntoUserWeights() { ctx_.Params.UserWeights = BoxValues(WeightBoxes); }

void WeightingScreenModel::ChooseDefaultValues() {
  ShowWeights(ctx_.Params.DefaultWeights);
  ctx_.Params.CurrentCost = ctx_.Params.DefaultCost;
  ctx_.Params.WgtOptDefault = true;
  ctx_.Params.WgtOptUser = false;
  Option = kDefaultOption;
}

void WeightingScreenModel::ChooseUserValues() {
  ShowWeights(ctx_.Params.UserWeights);
  ctx_.Params.CurrentCost = ctx_.Params.UserCost;
  ctx_.Params.WgtOptUser = true;
  ctx_.Params.WgtOptDefault = false;
  Option = kUserOption;
}

void WeightingScreenModel::OpenUserValues(Prompts& prompts) {
  const std::string path = ChooseFileToOpen(prompts, kOpenWeightsDialog, ctx_.CurrentFolder);
  if (path.empty()) return;
  const Status read = ReadWeightFile(path, ctx_.Params.UserWeights, ctx_.Params.UserCost);
  ReturnToProjectFolder(ctx_.CurrentFolder, ctx_.Project);
  if (!read) {
    prompts.Message("Weighting data file not loaded: " + read.message);
    return;
  }
  ChooseUserValues();
}

void WeightingScreenModel::SaveUserValues(Prompts& prompts) {
  TakeBoxesIntoUserWeights();
  const std::string path = ChooseFileToSave(prompts, kSaveWeightsDialog, ctx_.CurrentFolder);
  if (path.empty()) return;
  const Status written = WriteWeightFile(path, ctx_.Params.UserWeights, ctx_.Params.UserCost);
  ReturnToProjectFolder(ctx_.CurrentFolder, ctx_.Project);
  if (!written) prompts.Message("Weighting data file not saved: " + written.message);
}

bool WeightingScreenModel::Return(Prompts& prompts) {
  AssessmentParameters& p = ctx_.Params;
  TakeBoxesIntoUserWeights();
  if (p.UserWeights != p.CurrentWeights) p.ParamsChanged = true;
  if (!p.ParamsChanged) return true;
  switch (prompts.AskYesNoCancel(kSaveAndApplyQuestion)) {
    case Answer::Yes:
      SaveUserValues(prompts);
      p.CurrentWeights = p.UserWeights;
      p.CurrentCost = p.UserCost;
      p.CurrentPrices = p.UserPrices;
      return true;
    case Answer::No: return true;
    default: return false;
  }
}

}  // namespace kelca
