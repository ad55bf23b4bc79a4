#include "screens/ElmSelectScreen.h"

#include "building/ElementTypes.h"

namespace kelca {

ElmSelectScreenModel::ElmSelectScreenModel(ElementLibrary& lib, const DbLocations& db, int grpType, int compType,
                                           int currentType)
    : search_(0, -1, {}) {
  loaded_ = LoadElmLib(db, grpType, compType, lib);
  head_ = lib.ElmLibTitle;
  if (NeedsOwnMaterialsType(lib)) {
    names_.push_back(kOwnMaterialsTypeName);
    codes_.push_back(kOwnMaterialsType);
  }
  for (int r = 0; r < kElmLibRows && !lib.ElmLibName[r].empty(); ++r) {
    names_.push_back(lib.ElmLibName[r]);
    codes_.push_back(lib.ElmLibCodeOfRow[r]);
  }
  for (size_t line = 0; line < codes_.size(); ++line) {
    if (codes_[line] == currentType) picked_ = static_cast<int>(line);
  }
  search_ = ListSearch(0, static_cast<int>(names_.size()) - 1, [this](int row) { return names_[row]; });
}

void ElmSelectScreenModel::Pick(int line) { picked_ = line >= 0 && line < static_cast<int>(names_.size()) ? line : -1; }

void ElmSelectScreenModel::Find(const std::string& text) {
  if (const int row = search_.Find(text); row >= 0) picked_ = row;
}

void ElmSelectScreenModel::Next(const std::string& text) {
  if (const int row = search_.Next(text); row >= 0) picked_ = row;
}

void ElmSelectScreenModel::Ignore() {
  picked_ = -1;
  search_.Clear();
}

PickResult ElmSelectScreenModel::Ok() const {
  if (picked_ < 0) return {};
  return {codes_[picked_], names_[picked_], 0};
}

}  // namespace kelca
