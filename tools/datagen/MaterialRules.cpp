#include "datagen/MaterialRules.h"

#include <map>
#include <optional>

#include "lca/AssessmentParameters.h"

namespace kelca::datagen {
namespace {

using Impacts = std::array<std::optional<double>, kCategories>;

constexpr int kLastBuildingMaterialNo = 99;  // constructions name table materials 1..99
constexpr int kMaxMaterialNo = 510;

std::optional<double> Optional(const CsvTable& t, size_t row, const std::string& column, Status& status) {
  if (!t.Has(row, column)) return std::nullopt;
  double v = 0;
  if (Status s = t.Number(row, column, v); !s) status = s;
  return v;
}

// The ten categories of one source row per database unit; absent ones stay empty.
Status ReadImpacts(const CsvTable& t, size_t row, double factor, Impacts& out, std::optional<double>& energy) {
  Status status;
  auto get = [&](const char* column) {
    auto v = Optional(t, row, column, status);
    if (v) *v *= factor;
    return v;
  };
  const auto adpe = get("ADPE"), adpf = get("ADPF");
  out = Impacts{};
  if (adpe && adpf) out[0] = *adpe + kFossilAdpPerMJ * *adpf;
  out[1] = get("GWP");
  out[2] = get("ODP");
  out[7] = get("POCP");
  out[8] = get("AP");
  out[9] = get("EP");
  energy = get("PE");
  return status;
}

// A category the source does not give takes the row's global warming potential
// scaled by the normalisation factors: its normalised value equals the
// normalised global warming of the same row.
Status CompleteByGwpRule(const std::string& where, const NormalisationFactors& nf, Impacts& impacts,
                         std::vector<int>* derived) {
  if (!impacts[kGwpIndex]) return Status::Error(where + ": no GWP, so the missing categories cannot be derived");
  const double normalisedGwp = *impacts[kGwpIndex] / nf.Factor[kGwpIndex];
  for (int c = 0; c < kCategories; ++c) {
    if (impacts[c]) continue;
    impacts[c] = normalisedGwp * nf.Factor[c];
    if (derived) derived->push_back(c + 1);
  }
  return Status::Ok();
}

// Per kg of waste: transport to landfill plus the landfill of its class.
Status LoadWastePerKg(const CsvTable& t, const NormalisationFactors& nf,
                      std::map<std::string, std::array<double, kCategories>>& perKg) {
  std::map<std::string, Impacts> processes;
  for (size_t r = 0; r < t.RowCount(); ++r) {
    double factor = 0;
    if (Status s = t.Number(r, "factor", factor); !s) return s;
    Impacts impacts;
    std::optional<double> energy;
    if (Status s = ReadImpacts(t, r, factor, impacts, energy); !s) return s;
    if (Status s = CompleteByGwpRule(t.Where(r), nf, impacts, nullptr); !s) return s;
    processes[t.Text(r, "process")] = impacts;
  }
  if (!processes.count("transport")) return Status::Error("waste processes: no transport row");
  for (const auto& [name, impacts] : processes) {
    if (name == "transport") continue;
    auto& sum = perKg[name];
    for (int c = 0; c < kCategories; ++c) sum[c] = *impacts[c] + *processes["transport"][c];
  }
  perKg["none"] = {};
  return Status::Ok();
}

Status CheckRowPlace(const MaterialRecord& m, const MaterialRecord* previous, const std::string& where) {
  if (m.Section < 1 || m.Section > 3) return Status::Error(where + ": section must be 1, 2 or 3");
  if (m.No < 1 || m.No > kMaxMaterialNo) return Status::Error(where + ": material number outside 1..510");
  if (m.Section == 1 && m.No > kLastBuildingMaterialNo) {
    return Status::Error(where + ": building materials need numbers below 100");
  }
  if (previous && (m.Section < previous->Section || m.No <= previous->No)) {
    return Status::Error(where + ": rows must follow the sections in order with rising numbers");
  }
  if (m.Name.empty() || m.Name.find('"') != std::string::npos) {
    return Status::Error(where + ": the name must be given and hold no double quote");
  }
  for (float p : m.Prop) {
    if (p < 0) return Status::Error(where + ": negative physical property");
  }
  if (m.Cost < 0) return Status::Error(where + ": negative cost");
  return Status::Ok();
}

Status ReadRecordHead(const CsvTable& t, size_t r, MaterialRecord& m) {
  double section = 0, no = 0, cost = 0;
  const char* props[3] = {"density", "conductivity", "specific_heat"};
  for (int i = 0; i < 3; ++i) {
    double v = 0;
    if (Status s = t.Number(r, props[i], v); !s) return s;
    m.Prop[i] = static_cast<float>(v);
  }
  if (Status s = t.Number(r, "section", section); !s) return s;
  if (Status s = t.Number(r, "no", no); !s) return s;
  if (Status s = t.Number(r, "cost", cost); !s) return s;
  if (Status s = t.Number(r, "factor", m.Factor); !s) return s;
  if (Status s = t.Number(r, "unit_mass", m.UnitMass); !s) return s;
  m.Section = static_cast<int>(section);
  m.No = static_cast<int>(no);
  m.Cost = static_cast<float>(cost);
  m.Name = t.Text(r, "name");
  m.Unit = t.Text(r, "unit");
  m.Source = t.Text(r, "source");
  m.SourceName = t.Text(r, "source_name");
  m.SourceUnit = t.Text(r, "source_unit");
  m.Modules = t.Text(r, "modules");
  if (t.Has(r, "gwp_add")) m.Modules += " (GWP + " + t.Text(r, "gwp_add") + ")";
  m.Landfill = t.Text(r, "landfill");
  return Status::Ok();
}

// Kelport grid electricity: per MJ, the normalisation factors (impacts of 1 TJ) / 10^6.
void SetElectricity(const NormalisationFactors& nf, MaterialRecord& m) {
  for (int c = 0; c < kCategories; ++c) {
    m.Impact[c] = static_cast<float>(static_cast<double>(nf.Factor[c]) / kMJPerTJ);
  }
}

}  // namespace

NormalisationFactors DefaultNormalisation() {
  AssessmentParameters params;
  SetDefaultParameters(params);
  NormalisationFactors nf;
  for (int c = 0; c < kCategories; ++c) nf.Factor[c] = params.DefaultNorms[c + 1];
  return nf;
}

Status BuildMaterials(const CsvTable& t, const CsvTable& wasteProcesses, const NormalisationFactors& nf,
                      std::vector<MaterialRecord>& records) {
  std::map<std::string, std::array<double, kCategories>> wastePerKg;
  if (Status s = LoadWastePerKg(wasteProcesses, nf, wastePerKg); !s) return s;
  records.clear();
  for (size_t r = 0; r < t.RowCount(); ++r) {
    MaterialRecord m;
    if (Status s = ReadRecordHead(t, r, m); !s) return s;
    if (Status s = CheckRowPlace(m, records.empty() ? nullptr : &records.back(), t.Where(r)); !s) return s;
    if (m.Source == "NORM") {
      SetElectricity(nf, m);
    } else {
      Impacts impacts;
      std::optional<double> energy;
      if (Status s = ReadImpacts(t, r, m.Factor, impacts, energy); !s) return s;
      if (Status s = CompleteByGwpRule(t.Where(r), nf, impacts, &m.DerivedCategories); !s) return s;
      if (!energy) return Status::Error(t.Where(r) + ": no primary energy figure");
      for (int c = 0; c < kCategories; ++c) m.Impact[c] = static_cast<float>(*impacts[c]);
      m.Energy = static_cast<float>(*energy);
    }
    if (m.Section == 3) m.Energy = 1;  // an energy carrier counts the delivered MJ itself
    const auto waste = wastePerKg.find(m.Landfill);
    if (waste == wastePerKg.end()) return Status::Error(t.Where(r) + ": landfill class must be inert, mixed or none");
    for (int c = 0; c < kCategories; ++c) m.WasteImpact[c] = static_cast<float>(m.UnitMass * waste->second[c]);
    records.push_back(m);
  }
  return Status::Ok();
}

}  // namespace kelca::datagen
