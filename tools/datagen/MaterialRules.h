#pragma once
// How the rows of the material source table become database records: unit
// conversion, the characterisation steps the sources leave out, the landfill
// (waste) factors, and Kelport electricity as the normalisation reference.
#include <array>
#include <string>
#include <vector>

#include "common/Status.h"
#include "datagen/CsvTable.h"

namespace kelca::datagen {

constexpr int kCategories = 10;  // impact categories 1..10 at index 0..9
constexpr int kGwpIndex = 1;
// CML 2001 characterisation of fossil energy carriers for abiotic depletion,
// kg Sb eq. per MJ: ADP = ADP elements + ADP fossil x this factor.
constexpr double kFossilAdpPerMJ = 4.81e-4;
// The impacts of 1 TJ of electricity are the normalisation factors.
constexpr double kMJPerTJ = 1e6;

// The program's default normalisation factors of categories 1..10 (at 0..9).
struct NormalisationFactors {
  std::array<float, kCategories> Factor{};
};
NormalisationFactors DefaultNormalisation();

struct MaterialRecord {
  int Section = 0;
  int No = 0;
  std::string Name, Unit;
  std::array<float, 3> Prop{};  // density, conductivity, specific heat
  std::array<float, kCategories> Impact{};
  float Energy = 0;
  float Cost = 0;
  std::array<float, kCategories> WasteImpact{};
  // Where the figures came from, for the citation table.
  std::string Source, SourceName, SourceUnit, Modules, Landfill;
  double Factor = 1, UnitMass = 0;
  std::vector<int> DerivedCategories;  // 1-based categories taken by the GWP rule
};

// Builds every record of the material table from the waste-process table; the
// rows are checked (sections 1..3 in order, numbers rising and in range,
// section 1 below 100 so that constructions can name them, non-negative
// properties and costs).
Status BuildMaterials(const CsvTable& materials, const CsvTable& wasteProcesses, const NormalisationFactors& nf,
                      std::vector<MaterialRecord>& records);

}  // namespace kelca::datagen
