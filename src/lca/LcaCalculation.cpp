#include "lca/LcaCalculation.h"

#include <array>
#include <cmath>
#include <vector>

#include "lca/Discounting.h"
#include "lca/ElementMaterials.h"

namespace kelca {

const char* const kOpenProjectFirstRunMessage = "Open a project file first!!";
const char* const kNoDatabaseRunMessage = "Directory for main LCIA database file not set!!";

namespace {

const char* const kTerminated = " Impacting calculation terminated!!";
const char* const kErrWith = " Err with ";

// The working sums of an element, a component or a group.
struct Sums {
  std::array<float, kImpactSlots> Impact{};  // 1..10
  float Energy = 0, Waste = 0, Cost = 0;
};

void AddScaled(Sums& to, const Sums& from, float k) {
  for (int c = 1; c < kImpactSlots; ++c) to.Impact[c] += from.Impact[c] * k;
  to.Energy += from.Energy * k;
  to.Waste += from.Waste * k;
  to.Cost += from.Cost * k;
}

bool AllFinite(const Sums& s) {
  for (float v : s.Impact) {
    if (!std::isfinite(v)) return false;
  }
  return std::isfinite(s.Energy) && std::isfinite(s.Waste) && std::isfinite(s.Cost);
}

// Sets (or adds) the values of one run mode at one stage of a part.
void PutStage(PartResult& part, int stage, const Sums& v, RunMode mode, bool add) {
  if (mode == RunMode::Cost) {
    part.Cost[stage] = (add ? part.Cost[stage] : 0) + v.Cost;
    return;
  }
  for (int c = 1; c < kImpactSlots; ++c) part.Impact[stage][c] = (add ? part.Impact[stage][c] : 0) + v.Impact[c];
  part.Energy[stage] = (add ? part.Energy[stage] : 0) + v.Energy;
  part.Waste[stage] = (add ? part.Waste[stage] : 0) + v.Waste;
}

// Adds v at the stage and at the whole life cycle.
void AddToStageAndWhole(PartResult& part, int stage, const Sums& v, RunMode mode) {
  PutStage(part, stage, v, mode, true);
  PutStage(part, kWholeLife, v, mode, true);
}

void SumWholeBuilding(LcaResultSet& r, int stage, RunMode mode) {
  for (int s : {stage, static_cast<int>(kWholeLife)}) {
    if (mode == RunMode::Cost) {
      r.Bldg.Cost[s] = r.Fdn.Cost[s] + r.Flr.Cost[s] + r.Ser.Cost[s];
      continue;
    }
    for (int c = 1; c < kImpactSlots; ++c) r.Bldg.Impact[s][c] = r.Fdn.Impact[s][c] + r.Flr.Impact[s][c] + r.Ser.Impact[s][c];
    r.Bldg.Energy[s] = r.Fdn.Energy[s] + r.Flr.Energy[s] + r.Ser.Energy[s];
    r.Bldg.Waste[s] = r.Fdn.Waste[s] + r.Flr.Waste[s] + r.Ser.Waste[s];
  }
}

// A number as the code texts show it: a leading blank when not negative (" 210").
std::string CodeText(int code) { return (code < 0 ? "" : " ") + std::to_string(code); }

// One group type as the walk sees it.
struct TypeWalk {
  int Code = 0;
  const char* Label = "";
  bool Skip = false;
  int Count = 0;
  const std::string* Files = nullptr;
  const float* Qty = nullptr;
  const float* GrpSel = nullptr;
  const std::array<float, kMaxGroupComponents>* CompSel = nullptr;
  const std::array<std::array<bool, kElementSlots>, kMaxGroupComponents>* ElmSel = nullptr;
  PartResult* TypePart = nullptr;
  PartResult* Groups = nullptr;
  PartResult* Portions = nullptr;  // none for foundations
  int PortionCount = 0;
};

template <size_t N, int G>
TypeWalk MakeWalk(int code, const char* label, int skip, int count, const std::array<std::string, N>& files,
                  const std::array<float, N>& qty, const TypeSelection<G>& sel, PartResult& typePart,
                  std::array<PartResult, N>& groups) {
  static_assert(N == static_cast<size_t>(G));
  TypeWalk w;
  w.Code = code;
  w.Label = label;
  w.Skip = skip != 0;
  w.Count = count < 0 ? 0 : (count > static_cast<int>(N) ? static_cast<int>(N) : count);
  w.Files = files.data();
  w.Qty = qty.data();
  w.GrpSel = sel.GrpSel.data();
  w.CompSel = sel.CompSel.data();
  w.ElmSel = sel.ElmSel.data();
  w.TypePart = &typePart;
  w.Groups = groups.data();
  return w;
}

std::array<TypeWalk, 3> TypeWalks(const CalculationInputs& in, LcaResultSet& r) {
  const ProjectState& p = in.Project;
  const SelectionTables& s = in.Selection;
  std::array<TypeWalk, 3> walks{
      MakeWalk(kFoundation, "Foundations", s.FdnSkip, p.FdnCount, p.FdnFile, p.FdnQty, s.Fdn, r.Fdn, r.FdnGroup),
      MakeWalk(kFloor, "Floors", s.FlrSkip, p.FlrCount, p.FlrFile, p.FlrQty, s.Flr, r.Flr, r.FlrGroup),
      MakeWalk(kServices, "Services", s.SerSkip, p.SerCount, p.SerFile, p.SerQty, s.Ser, r.Ser, r.SerGroup)};
  walks[1].Portions = r.FlrPortion.data();
  walks[1].PortionCount = kFlrPortions;
  walks[2].Portions = r.SerPortion.data();
  walks[2].PortionCount = kSerPortions;
  return walks;
}

class StageWalk {
 public:
  StageWalk(RunMode mode, int stage, const CalculationInputs& in, LcaResultSet& results, RunFiles& files,
            const ProgressSink* progress)
      : mode_(mode), stage_(stage), in_(in), results_(results), files_(files), progress_(progress),
        rates_(RatesFromPercent(in.Params.CurrentCost[0], in.Params.CurrentCost[1], in.Params.CurrentCost[2])) {}

  StageOutcome Run() {
    for (const TypeWalk& type : TypeWalks(in_, results_)) {
      if (type.Skip) continue;
      for (int g = 0; g < type.Count; ++g) {
        if (!(type.GrpSel[g] > 0)) continue;
        if (Stopped()) return {"", true};
        if (std::string e = AssessGroup(type, g); !e.empty()) return {e + kTerminated, false};
        if (cancelled_) return {"", true};
      }
    }
    SumWholeBuilding(results_, stage_, mode_);
    return {};
  }

 private:
  // The sums of the components of a group that took part in the pass, by position.
  struct ComponentSums {
    std::array<Sums, kMaxGroupComponents> Sum;
    std::array<int, kMaxGroupComponents> Position{};
    int Count = 0;
  };

  bool Stopped() {
    if (progress_ && progress_->Cancelled()) cancelled_ = true;
    return cancelled_;
  }

  std::string AssessGroup(const TypeWalk& type, int g) {
    Sums group;
    GroupEntry& entry = files_.Group(type.Files[g]);
    if (std::string e = ProcessGroup(type, g, entry, group); !e.empty()) return e;
    if (cancelled_) return "";
    const GroupRecord& record = entry.Data;
    const float q = type.Qty[g];
    Sums v;
    AddScaled(v, group, q);
    if (!AllFinite(v)) return type.Files[g] + ": the results are beyond the range of single-precision numbers";
    PutStage(type.Groups[g], stage_, v, mode_, false);
    PutStage(type.Groups[g], kWholeLife, v, mode_, true);
    AddToStageAndWhole(*type.TypePart, stage_, v, mode_);
    if (!type.Portions) return "";
    for (int i = 0; i < components_.Count; ++i) {
      const int k = components_.Position[i];
      Sums pv;
      AddScaled(pv, components_.Sum[i], record.GrpCompQty[k] * q);
      AddToStageAndWhole(type.Portions[record.GrpCompType[k]], stage_, pv, mode_);
    }
    return "";
  }

  std::string ProcessGroup(const TypeWalk& type, int g, GroupEntry& entry, Sums& group) {
    const std::string& file = type.Files[g];
    if (!entry.Head) return entry.Head.message;
    if (entry.Code != type.Code) return file + " is not a " + type.Label + " file!";
    if (!entry.Rest) return entry.Rest.message;
    const GroupRecord& record = entry.Data;
    components_.Count = 0;
    for (int k = 0; k < record.GrpCompCount; ++k) {
      if (!(type.CompSel[g][k] > 0)) continue;
      if (type.Portions && (record.GrpCompType[k] < 0 || record.GrpCompType[k] >= type.PortionCount)) {
        return file + kErrWith + record.GrpCompFile[k] + ": component type " + std::to_string(record.GrpCompType[k]) +
               " is not one of the " + type.Label + " component types";
      }
      Sums comp;
      const std::string& compFile = record.GrpCompFile[k];
      if (std::string e = ProcessComponent(type, g, k, compFile, files_.ComponentOf(entry, k), comp); !e.empty()) {
        return file + kErrWith + e;
      }
      if (cancelled_) return "";
      components_.Sum[components_.Count] = comp;
      components_.Position[components_.Count++] = k;
      AddScaled(group, comp, record.GrpCompQty[k]);
    }
    return "";
  }

  std::string ProcessComponent(const TypeWalk& type, int g, int k, const std::string& file, ComponentEntry& entry,
                               Sums& comp) {
    const int expected = type.Code + 10;
    if (!entry.Head) return file + kErrWith + entry.Head.message;
    if (entry.Code != expected) {
      return file + kErrWith + file + " is for type " + CodeText(entry.Code) + " but not " + CodeText(expected);
    }
    if (!entry.Rest) return file + kErrWith + entry.Rest.message;
    const ComponentRecord& record = entry.Data;
    for (int e = 0; e < record.CompElmCount; ++e) {
      if (!type.ElmSel[g][k][e]) continue;
      if (Stopped()) return "";
      Sums element;
      const std::string& elmFile = record.CompElmFile[e];
      if (std::string err = ProcessElement(type, record.CompType, elmFile, files_.ElementOf(entry, e), element);
          !err.empty()) {
        return file + kErrWith + err;
      }
      AddScaled(comp, element, 1);
    }
    return "";
  }

  std::string ProcessElement(const TypeWalk& type, int compType, const std::string& file, ElementEntry& entry,
                             Sums& element) {
    if (!entry.Head) return entry.Head.message;
    if (entry.Code != type.Code + 20) return file + " is not for a " + type.Label + " element!";
    if (!entry.Rest) return entry.Rest.message;
    const ElementMaterials& materials = MaterialsOf(entry, type.Code, compType);
    if (!materials.Error.empty()) return materials.Error;
    for (int m = 0; m < materials.Count; ++m) AddMaterial(materials.Use[m], element);
    if (!AllFinite(element)) return file + ": the results are beyond the range of single-precision numbers";
    return "";
  }

  // The element's materials for the library of its component, listed at their first use in the run.
  const ElementMaterials& MaterialsOf(ElementEntry& entry, int grpType, int compType) {
    const OperationsKind kind = mode_ == RunMode::Impact ? OperationsKind::Impact : OperationsKind::Cost;
    std::unique_ptr<ElementMaterials>& slot =
        entry.Materials[static_cast<size_t>(kind)][static_cast<size_t>(LibraryFor(grpType, compType))];
    if (slot) return *slot;
    slot = std::make_unique<ElementMaterials>();
    const ElementRecord& elm = entry.Data;
    const UserValues& user = files_.UserValuesOf(entry);
    if (elm.ElmType == 0) {
      ListOwnMaterials(elm, user, in_.Materials, *slot);
    } else {
      const OperationsEntry& ops = files_.Operations(grpType, compType, elm.ElmType, kind);
      ListOperationsMaterials(ops.Read, ops.File, ops.Path, elm, user, in_.Materials, *slot);
    }
    return *slot;
  }

  void AddMaterial(const MaterialUse& m, Sums& element) const {
    const float w = m.Wastage / 100;
    const float q = m.Quantity;
    const float life = std::fabs(m.Life) > kAssessmentYears ? std::copysign(float(kAssessmentYears), m.Life) : m.Life;
    const long long n = ReplacementCount(life);
    const float built = (1 + w) * q;
    if (mode_ == RunMode::Cost) {
      if (!(built > 0)) return;
      if (stage_ == kAsBuilt) element.Cost += m.UnitCost * built;
      if (stage_ == kOperatingMaterial) {
        element.Cost += m.UnitCost * built * ReplacementDiscountSum(rates_, life, n);
      }
      return;
    }
    float made = 0, waste = 0;
    switch (stage_) {
      case kAsBuilt:
        made = built;
        waste = life > 0 ? w * q : built;
        break;
      case kOperatingMaterial: made = waste = built * static_cast<float>(n); break;
      case kDemolition: waste = life > 0 ? q : 0; break;
      default: break;
    }
    const int row = RowOfMaterial(in_.Materials, m.MatNo);
    if (made > 0) {
      for (int c = 1; c < kImpactSlots; ++c) element.Impact[c] += in_.Materials.MatImpact[row][c - 1] * made;
      element.Energy += in_.Materials.MatEnergy[row] * made;
    }
    if (waste > 0) {
      element.Waste += waste;
      for (int c = 1; c < kImpactSlots; ++c) element.Impact[c] += in_.Materials.MatWasteImpact[row][c - 1] * waste;
    }
  }

  RunMode mode_;
  int stage_;
  const CalculationInputs& in_;
  LcaResultSet& results_;
  RunFiles& files_;
  const ProgressSink* progress_;
  DiscountRates rates_;
  ComponentSums components_;
  bool cancelled_ = false;
};

// Stage 3 of one carrier (electricity or town gas) of a services portion.
struct EnergyCarrier {
  float DeliveredMJ = 0;  // over the assessment period
  float Bought = 0;       // per year, in the unit of the price (kWh or MJ)
  float Price = 0;
  int Row = 0;            // its material row (501 electricity, 502 town gas)
};

Sums OperatingEnergyOf(const EnergyCarrier& carrier, RunMode mode, float presentValueFactor, const MaterialTable& mats) {
  Sums v;
  if (mode == RunMode::Cost) {
    v.Cost = presentValueFactor * carrier.Bought * carrier.Price;
    return v;
  }
  v.Energy = carrier.DeliveredMJ;
  for (int c = 1; c < kImpactSlots; ++c) v.Impact[c] = mats.MatImpact[carrier.Row][c - 1] * carrier.DeliveredMJ;
  return v;
}

// Stage 3: the confirmed electricity of each services portion and the town gas of its systems.
StageOutcome RunOperatingEnergy(RunMode mode, const CalculationInputs& in, LcaResultSet& r) {
  const float years = kAssessmentYears;
  const AssessmentParameters& p = in.Params;
  const float factor = mode == RunMode::Cost ? EnergyPresentValueFactor(RatesFromPercent(
                                                   p.CurrentCost[0], p.CurrentCost[1], p.CurrentCost[2]))
                                             : 0;
  for (int portion = 0; portion < kSerPortions; ++portion) {
    const float kWh = in.EnergyUse.Value[portion];
    const float gasMJ = TownGasUseOfPortion(in.NonAC, portion);
    const EnergyCarrier carriers[] = {
        {kWh * 3.6f * years, kWh, p.CurrentPrices[kElectricityPrice], RowOfMaterial(in.Materials, kElectricityMat)},
        {gasMJ * years, gasMJ, p.CurrentPrices[kTownGasPrice], RowOfMaterial(in.Materials, kTownGasMat)}};
    for (const EnergyCarrier& carrier : carriers) {
      const Sums v = OperatingEnergyOf(carrier, mode, factor, in.Materials);
      if (!AllFinite(v)) return {"Operating energy: the results are beyond the range of single-precision numbers", false};
      AddToStageAndWhole(r.SerPortion[portion], kOperatingEnergy, v, mode);
      AddToStageAndWhole(r.Ser, kOperatingEnergy, v, mode);
    }
  }
  SumWholeBuilding(r, kOperatingEnergy, mode);
  return {};
}

}  // namespace

StageOutcome RunStage(RunMode mode, int stage, const CalculationInputs& in, LcaResultSet& results, RunFiles& files,
                      const ProgressSink* progress) {
  if (stage == kOperatingEnergy) return RunOperatingEnergy(mode, in, results);
  const bool materialStage = stage == kAsBuilt || stage == kOperatingMaterial || (stage == kDemolition && mode == RunMode::Impact);
  if (!materialStage) return {"Stage " + std::to_string(stage) + " is not a stage of this calculation", false};
  return StageWalk(mode, stage, in, results, files, progress).Run();
}

namespace {

// Discounting needs 1 + i and 1 + f above 0.
Status CheckDiscountRates(const CostParams& cost) {
  if (1 + cost[0] / 100 > 0 && 1 + cost[1] / 100 > 0) return Status::Ok();
  return Status::Error("The Nominal Interest Rate and the Inflation Rate must be above -100 % per annum!");
}

}  // namespace

CalculationOutcome RunCalculation(RunMode mode, const CalculationInputs& in, LcaResultSet& results,
                                  ProgressSink& progress) {
  if (!ProjectIsOpen(in.Project)) return {false, false, kOpenProjectFirstRunMessage};
  if (in.Db.LcaDbFolder.empty()) return {false, false, kNoDatabaseRunMessage};
  const bool impact = mode == RunMode::Impact;
  if (!impact) {
    if (Status rates = CheckDiscountRates(in.Params.CurrentCost); !rates) return {false, false, rates.message};
  }
  progress.AddLine("");
  progress.AddLine(impact ? "   Impact calculation commenced ..." : "   LCC calculation commenced ...");
  if (impact) {
    ClearImpactResults(results);
  } else {
    ClearCostResults(results);
  }
  const std::vector<int> stages = impact ? std::vector<int>{1, 2, 3, 4} : std::vector<int>{1, 2, 3};
  RunFiles files(in.Folder, in.Db);  // every file is read at its first use in this run, and only then
  for (size_t i = 0; i < stages.size(); ++i) {
    progress.AddLine("   Stage " + std::to_string(stages[i]) + " in progress");
    const StageOutcome outcome = RunStage(mode, stages[i], in, results, files, &progress);
    if (outcome.Cancelled) {
      progress.AddLine(impact ? "   Impact calculation cancelled" : "   LCC calculation cancelled");
      return {false, true, ""};
    }
    if (!outcome) return {false, false, outcome.Error};
    progress.SetProgress(static_cast<double>(i + 1) / static_cast<double>(stages.size()));
  }
  progress.AddLine(impact ? "   Impact calculation completed" : "   LCC calculation completed");
  return {true, false, ""};
}

}  // namespace kelca
