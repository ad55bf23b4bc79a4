#include "screens/ShadingMaskScreen.h"

#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "energy/EnergyModel.h"

namespace kelca {

const char* const kMaskGeneratingText = "Shading mask generation in progress ...";
const char* const kMaskSavedText = "Shading mask generated and saved.";

ShadingMaskScreenModel::ShadingMaskScreenModel(std::string folder)
    : FolderLabel(folder), folder_(std::move(folder)) {
  Boxes.fill("0");
}

std::array<std::string, 9> ShadingMaskScreenModel::OrientationEntries() {
  std::array<std::string, 9> entries;
  for (int o = 0; o <= 8; ++o) entries[o] = kOrientationNames[o];
  return entries;
}

ShadingMaskInput ShadingMaskScreenModel::Input() const {
  const auto number = [&](MaskBox box) { return SingleOf(Val(Boxes[box])); };
  ShadingMaskInput in;
  in.Orientation = Orientation;
  in.W = number(kBoxW);
  in.H = number(kBoxH);
  in.OP = number(kBoxOP);
  in.DT = number(kBoxDT);
  in.LP = number(kBoxLP);
  in.DL = number(kBoxDL);
  in.RP = number(kBoxRP);
  in.DR = number(kBoxDR);
  in.Name = NameBox;
  return in;
}

bool ShadingMaskScreenModel::Generate(Prompts& prompts) {
  StatusLabel = kMaskGeneratingText;
  ShadingMask computed;
  if (Status status = GenerateShadingMask(Input(), computed); !status) {
    StatusLabel.clear();
    prompts.Message(status.message);
    return false;
  }
  mask_ = computed;
  StatusLabel = "Shading mask generated.";
  return true;
}

bool ShadingMaskScreenModel::Save(Prompts& prompts) {
  const ShadingMaskInput in = Input();
  if (in.Name.empty()) {
    prompts.Message("No name given to shading mask yet!");
    return false;
  }
  if (!Generate(prompts)) return false;
  if (Status saved = SaveShadingMask(folder_, in, mask_); !saved) {
    prompts.Message(saved.message);
    return false;
  }
  SavedFile = ResolvePath(folder_, in.Name + ".SHM");
  FolderLabel = kMaskSavedText;
  return true;
}

}  // namespace kelca
