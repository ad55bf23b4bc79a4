#pragma once
// What the frame "Change Default Values of Element Parameters" of the
// component editor does: per material position of the element being edited,
// the default material, wastage, life and unit cost beside the user's own
// values, which Apply Changes puts in force in the element's user-values file
// and Reset to Default Values keeps there out of force.
#include <array>
#include <string>
#include <vector>

#include "building/MaterialOverrides.h"
#include "common/Prompts.h"
#include "screens/PickResult.h"

namespace kelca {

extern const char* const kResetToDefaultsQuestion;
extern const char* const kAfterResetMessage;
extern const char* const kAfterApplyMessage;

// The user's values of one position as shown: blank until given.
struct UserEntry {
  int MatNo = -1;  // -1: the default material
  std::string Wastage, Life, Cost;
};

class ChgElmDFrameModel {
 public:
  explicit ChgElmDFrameModel(const MaterialTable& materials) : materials_(materials) {}

  // Opens the frame for an element (its values as being edited) whose file is
  // elmPath: the defaults, then the values kept in its user-values file.
  // False, with a message, when the defaults cannot be had.
  bool Open(const ElementRecord& elm, const std::string& elmPath, int fileTypeCode, int compType,
            const DbLocations& db, Prompts& prompts);
  bool Visible() const { return visible_; }

  // cboMNoInElm: the positions "1", "2", ...; the one shown (0-based, -1 none).
  std::vector<std::string> Positions() const;
  int ShownPosition() const { return shown_; }
  // Stores the user boxes into the position shown so far, then shows another.
  void ShowPosition(int position);
  // "<" (cmdSelMat): the picked material becomes the user material of the shown position.
  void TakeMaterial(const PickResult& picked);
  void ResetToDefaults(Prompts& prompts);  // cmdUseDV
  void ApplyChanges(Prompts& prompts);     // cmdUseUIV
  void Exit() { visible_ = false; }         // cmdXFraChgElmD

  bool UseUserValues() const { return useUserValues_; }

  // Shown texts of the position shown.
  std::string DefaultMaterial() const;  // lblMatD
  std::string UserMaterial() const;     // lblMatU
  std::string DefaultUnit() const;      // lblUnitD
  std::string UserUnit() const;         // lblUnitU
  std::array<std::string, 3> DefaultBoxes() const;            // txtLifeD, txtWasD, txtUCostD
  std::array<std::string, 3> UserBoxes;                       // txtLifeU, txtWasU, txtUCostU

 private:
  void StoreUserBoxes();
  bool Write(bool inForce, Prompts& prompts);
  int UserMaterialNo(int position) const;

  const MaterialTable& materials_;
  MaterialDefaults defaults_;
  std::array<UserEntry, kMaxElementMaterials> user_{};
  std::string userValuesPath_;
  bool visible_ = false;
  bool useUserValues_ = false;
  int shown_ = -1;
};

}  // namespace kelca
