#pragma once
// What the material data screen does: for one element of a component being
// turned into a construction it asks either for the element's thickness or
// for its dominant material (picked in the material picker).
#include <array>
#include <string>

#include "database/MaterialTable.h"
#include "screens/PickResult.h"

namespace kelca {

enum class MatDataMode { Thickness, Material };

class InpMatDataScreenModel {
 public:
  InpMatDataScreenModel(const MaterialTable& materials, MatDataMode mode, const std::string& elmName);

  MatDataMode Mode() const { return mode_; }
  const std::string& ElementCaption() const { return elementCaption_; }  // lblElmNam
  const std::string& ValueCaption() const { return valueCaption_; }      // lblMatProp
  const std::string& Remark() const { return remark_; }                  // lblRem
  // The material name, the three property boxes and Select are shown in material mode only.
  bool ShowsMaterial() const { return mode_ == MatDataMode::Material; }

  // What the material picker handed back after Select (cmdSel).
  void TakeMaterial(const PickResult& picked);
  // cmdReturn (OK): the thickness (the leading number of the box) or the
  // material. A material number that is no material of the table is no pick.
  PickResult Ok() const;

  std::string ValueBox;                     // txtMatProp
  std::string NameBox;                      // txtMatNam
  std::array<std::string, 3> PropertyBoxes;  // txtProp: density, conductivity, specific heat

 private:
  const MaterialTable& materials_;
  MatDataMode mode_;
  std::string elementCaption_, valueCaption_, remark_;
};

// The row of a material number when a material of the table carries it; -1 otherwise.
int MaterialRowOrNone(const MaterialTable& materials, int matNo);

}  // namespace kelca
