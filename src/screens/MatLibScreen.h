#pragma once
// What the material picker does: it lists the building and the services
// materials of the material table in fixed-width columns under a head line
// per section, searches their names and hands back the picked material.
#include <string>
#include <vector>

#include "database/MaterialTable.h"
#include "screens/ListSearch.h"
#include "screens/PickResult.h"

namespace kelca {

// The heading over the list (lblNo).
extern const char* const kMaterialListHeading;
// A material as a list line: number, name and unit padded to 5, 37 and 10
// characters. A name too long for its column is cut to leave one blank.
std::string MaterialLine(int matNo, const std::string& name, const std::string& unit);

class MatLibScreenModel {
 public:
  // Opening: list line i shows row i of the table, up to the last services material.
  explicit MatLibScreenModel(const MaterialTable& materials);
  MatLibScreenModel(const MatLibScreenModel&) = delete;
  MatLibScreenModel& operator=(const MatLibScreenModel&) = delete;

  const std::vector<std::string>& Lines() const { return lines_; }  // lstMatData
  int ServicesHeadLine() const { return servicesHead_; }
  int PickedLine() const { return picked_; }

  void Pick(int line);
  void ShowBuildingMaterials();  // cmdBM
  void ShowServicesMaterials();  // cmdSM
  void Ignore();                 // cmdIgnore
  void Find(const std::string& text);  // cmdSrch
  void Next(const std::string& text);  // cmdNX
  // cmdClose: the material of the picked line; nothing for a section head.
  PickResult Close() const;

 private:
  const MaterialTable& materials_;
  std::vector<std::string> lines_;
  int servicesHead_ = 0;
  int picked_ = -1;
  ListSearch search_;
};

}  // namespace kelca
