#include "screens/MatLibScreen.h"

#include <algorithm>

namespace kelca {

const char* const kMaterialListHeading = "No.  Material Name                           Unit";

namespace {

constexpr size_t kNoWidth = 5, kNameWidth = 37, kUnitWidth = 10;

std::string Padded(std::string text, size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

}  // namespace

std::string MaterialLine(int matNo, const std::string& name, const std::string& unit) {
  const std::string shownName = name.size() < kNameWidth ? name : name.substr(0, kNameWidth - 1);
  return Padded(std::to_string(matNo), kNoWidth) + Padded(shownName, kNameWidth) + Padded(unit, kUnitWidth);
}

MatLibScreenModel::MatLibScreenModel(const MaterialTable& materials) : materials_(materials), search_(0, -1, {}) {
  const std::array<int, kMaterialSections> counts = SectionCounts(materials);
  const int buildingCount = std::clamp(counts[0], 0, kMaterialRows - 1);
  servicesHead_ = buildingCount + 1;
  const int servicesCount = std::clamp(counts[1], 0, std::max(0, kMaterialRows - 1 - servicesHead_));
  lines_.push_back(std::to_string(buildingCount) + " Building Materials in Library");
  for (int row = 1; row < servicesHead_; ++row) {
    lines_.push_back(MaterialLine(materials.MatNo[row], materials.MatName[row], materials.MatUnit[row]));
  }
  if (servicesHead_ < kMaterialRows) {
    lines_.push_back(std::to_string(servicesCount) + " Services Materials in Library");
    for (int row = servicesHead_ + 1; row <= servicesHead_ + servicesCount; ++row) {
      lines_.push_back(MaterialLine(materials.MatNo[row], materials.MatName[row], materials.MatUnit[row]));
    }
  }
  search_ = ListSearch(1, static_cast<int>(lines_.size()) - 1, [this](int row) { return materials_.MatName[row]; });
}

void MatLibScreenModel::Pick(int line) { picked_ = line >= 0 && line < static_cast<int>(lines_.size()) ? line : -1; }

void MatLibScreenModel::ShowBuildingMaterials() { picked_ = 0; }

void MatLibScreenModel::ShowServicesMaterials() { Pick(servicesHead_); }

void MatLibScreenModel::Ignore() {
  picked_ = 0;
  search_.Clear();
}

void MatLibScreenModel::Find(const std::string& text) {
  if (const int row = search_.Find(text); row >= 0) picked_ = row;
}

void MatLibScreenModel::Next(const std::string& text) {
  if (const int row = search_.Next(text); row >= 0) picked_ = row;
}

PickResult MatLibScreenModel::Close() const {
  if (picked_ < 1 || picked_ == servicesHead_) return {};
  return {materials_.MatNo[picked_], materials_.MatName[picked_] + " (" + materials_.MatUnit[picked_] + ")", 0};
}

}  // namespace kelca
