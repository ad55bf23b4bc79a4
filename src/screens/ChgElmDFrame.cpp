#include "screens/ChgElmDFrame.h"

#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "database/UserValues.h"

namespace kelca {

const char* const kResetToDefaultsQuestion =
    "Previously entered user input data will be saved but ignored; default values will be used instead! Go ahead?";
const char* const kAfterResetMessage = "Make sure corresponding changes are made to the element inputs!";
const char* const kAfterApplyMessage =
    "Default values will be replaced by the user input. Make sure corresponding changes are made to the element "
    "inputs!";

namespace {

enum Box { kLife, kWastage, kCost };

// A user value as typed, or the default when the box is blank.
float ValueOr(const std::string& typed, float fallback) { return typed.empty() ? fallback : SingleOf(Val(typed)); }

}  // namespace

bool ChgElmDFrameModel::Open(const ElementRecord& elm, const std::string& elmPath, int fileTypeCode, int compType,
                             const DbLocations& db, Prompts& prompts) {
  user_ = {};
  UserBoxes = {};
  shown_ = -1;
  if (Status loaded = LoadMaterialDefaults(elm, fileTypeCode, compType, db, materials_, defaults_); !loaded) {
    prompts.Message(loaded.message);
    return false;
  }
  userValuesPath_ = UserValuesPathOf(elmPath);
  UserValues kept;
  if (Status read = ReadKeptUserValues(userValuesPath_, defaults_.Count, kept); !read) prompts.Message(read.message);
  for (int i = 0; i < kept.Count; ++i) {
    user_[i] = {kept.MatNo[i], FormatGeneral(kept.Wastage[i]), FormatGeneral(kept.Life[i]), FormatGeneral(kept.Cost[i])};
  }
  useUserValues_ = kept.UseUserValues;
  visible_ = true;
  if (defaults_.Count > 0) ShowPosition(0);
  return true;
}

std::vector<std::string> ChgElmDFrameModel::Positions() const {
  std::vector<std::string> positions;
  for (int i = 0; i < defaults_.Count; ++i) positions.push_back(std::to_string(i + 1));
  return positions;
}

void ChgElmDFrameModel::StoreUserBoxes() {
  if (shown_ < 0) return;
  UserEntry& u = user_[shown_];
  u.Life = UserBoxes[kLife];
  u.Wastage = UserBoxes[kWastage];
  u.Cost = UserBoxes[kCost];
}

void ChgElmDFrameModel::ShowPosition(int position) {
  if (position < 0 || position >= defaults_.Count) return;
  StoreUserBoxes();
  shown_ = position;
  const UserEntry& u = user_[position];
  UserBoxes = {u.Life, u.Wastage, u.Cost};
}

int ChgElmDFrameModel::UserMaterialNo(int position) const {
  return user_[position].MatNo >= 0 ? user_[position].MatNo : defaults_.Value[position].MatNo;
}

void ChgElmDFrameModel::TakeMaterial(const PickResult& picked) {
  if (shown_ >= 0 && picked.Picked()) user_[shown_].MatNo = picked.PickedNo;
}

std::string ChgElmDFrameModel::DefaultMaterial() const {
  return shown_ < 0 ? "" : materials_.MatName[RowOfMaterial(materials_, defaults_.Value[shown_].MatNo)];
}

std::string ChgElmDFrameModel::UserMaterial() const {
  return shown_ < 0 || user_[shown_].MatNo < 0 ? "" : materials_.MatName[RowOfMaterial(materials_, user_[shown_].MatNo)];
}

std::string ChgElmDFrameModel::DefaultUnit() const {
  return shown_ < 0 ? "" : materials_.MatUnit[RowOfMaterial(materials_, defaults_.Value[shown_].MatNo)];
}

std::string ChgElmDFrameModel::UserUnit() const {
  return shown_ < 0 || user_[shown_].MatNo < 0 ? "" : materials_.MatUnit[RowOfMaterial(materials_, user_[shown_].MatNo)];
}

std::array<std::string, 3> ChgElmDFrameModel::DefaultBoxes() const {
  if (shown_ < 0) return {};
  const MaterialValues& d = defaults_.Value[shown_];
  return {FormatGeneral(d.Life), FormatGeneral(d.Wastage), FormatGeneral(d.Cost)};
}

// Every position is written; a value the user left blank is written as its default.
bool ChgElmDFrameModel::Write(bool inForce, Prompts& prompts) {
  StoreUserBoxes();
  if (defaults_.Count == 0) return true;
  UserValues values;
  values.Count = defaults_.Count;
  for (int i = 0; i < defaults_.Count; ++i) {
    const MaterialValues& d = defaults_.Value[i];
    values.MatNo[i] = UserMaterialNo(i);
    values.Wastage[i] = ValueOr(user_[i].Wastage, d.Wastage);
    values.Life[i] = ValueOr(user_[i].Life, d.Life);
    values.Cost[i] = ValueOr(user_[i].Cost, d.Cost);
  }
  if (Status written = WriteUserValues(userValuesPath_, values, inForce); !written) {
    prompts.Message(written.message);
    return false;
  }
  useUserValues_ = inForce;
  return true;
}

void ChgElmDFrameModel::ResetToDefaults(Prompts& prompts) {
  if (!prompts.AskOkCancel(kResetToDefaultsQuestion)) return;
  if (!Write(false, prompts)) return;
  prompts.Message(kAfterResetMessage);
  visible_ = false;
}

void ChgElmDFrameModel::ApplyChanges(Prompts& prompts) {
  if (!Write(true, prompts)) return;
  prompts.Message(kAfterApplyMessage);
  visible_ = false;
}

}  // namespace kelca
