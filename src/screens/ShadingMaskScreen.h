#pragma once
// What the shading mask screen (frmShMask) does: the window and shading-device
// dimensions typed into its boxes, Generate, Save, and both in one step. The
// screen stores typed texts into the boxes before each command and shows the
// boxes and the two status labels afterwards.
#include <array>
#include <string>

#include "common/Prompts.h"
#include "energy/ShadingMask.h"

namespace kelca {

// The dimension boxes in the order of the screen.
enum MaskBox : int { kBoxW, kBoxH, kBoxOP, kBoxDT, kBoxLP, kBoxDL, kBoxRP, kBoxDR, kMaskBoxes };

extern const char* const kMaskGeneratingText;  // shown while the mask is computed
extern const char* const kMaskSavedText;

class ShadingMaskScreenModel {
 public:
  // The file is written in folder (the current folder), which lblCurDir shows.
  explicit ShadingMaskScreenModel(std::string folder);

  // The orientation list: blank, then "N" .. "NW" (no horizontal).
  static std::array<std::string, 9> OrientationEntries();

  // mnuACal: false after a refusal (its message shown, nothing computed).
  bool Generate(Prompts& prompts);
  // mnuASave: the mask is computed from the dimensions shown (so the file and
  // its description always agree) and written as Name + ".SHM"; false after
  // a refusal or a failed write (its message shown, nothing written).
  bool Save(Prompts& prompts);
  // cmdGO: both in one step.
  bool GenerateAndSave(Prompts& prompts) { return Save(prompts); }

  std::array<std::string, kMaskBoxes> Boxes;  // txtWW, txtWH, txtOP, txtDT, txtLP, txtDL, txtRP, txtDR
  std::string NameBox;                        // txtShMaskFNam
  int Orientation = 0;                        // cboOri index
  std::string FolderLabel;                    // lblCurDir
  std::string StatusLabel;                    // lblStatus
  std::string SavedFile;                      // full path of the file last written
  const ShadingMask& Mask() const { return mask_; }

 private:
  ShadingMaskInput Input() const;

  std::string folder_;
  ShadingMask mask_;
};

}  // namespace kelca
