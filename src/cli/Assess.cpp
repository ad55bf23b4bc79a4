// kelca-cli assess PROJECT.PRJ --db DBFOLDER [--wgt FILE.WGT] [--eur FILE.EUR]
//   [--energy V0,V1,V2,V3,V4,V5] [--res OUT.RES] [--csv OUT.CSV] [--table OUT.CSV] [--lcc OUT.LCC]
// Opens the project and the database as the desktop program does, takes the
// energy from --energy or the ".EUR" file (by default the project's), runs the
// impact and then the cost calculation, and prints the whole building's
// results by life cycle stage, then per m2 of floor area. The result, table and
// LCC files are written by the same commands as on the result and LCC screens.
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/AssessmentRuns.h"
#include "app/Workspace.h"
#include "building/ProjectState.h"
#include "cli/Command.h"
#include "cli/DatabaseArgument.h"
#include "cli/NamedOptions.h"
#include "cli/ProjectArgument.h"
#include "common/FileIO.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/ScriptedPrompts.h"
#include "lca/ResultTable.h"
#include "plant/AnnualEnergy.h"
#include "plant/EnergyResultFile.h"
#include "plant/NonACServices.h"
#include "screens/LccScreen.h"
#include "screens/ResultScreen.h"
#include "screens/CostParameterScreen.h"
#include "screens/WeightingScreen.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage =
    "PROJECT.PRJ --db DBFOLDER [--wgt FILE.WGT] [--eur FILE.EUR] [--energy V0,V1,V2,V3,V4,V5] [--res OUT.RES] "
    "[--csv OUT.CSV] [--table OUT.CSV] [--lcc OUT.LCC]";

struct AssessOptions {
  std::string project, db, wgt, eur, res, csv, table, lcc;
  std::optional<std::array<float, kEnergyUseEntries>> energy;
};

std::optional<std::array<float, kEnergyUseEntries>> ParseEnergy(const std::string& text) {
  std::array<float, kEnergyUseEntries> values{};
  std::stringstream in(text);
  std::string field;
  size_t n = 0;
  while (std::getline(in, field, ',')) {
    const auto value = ParseNumber(field);
    if (n == values.size() || !value || field.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    values[n++] = static_cast<float>(*value);
  }
  if (n != values.size()) return std::nullopt;
  return values;
}

bool ParseOptions(const std::vector<std::string>& args, AssessOptions& o) {
  const NamedOptions named{{"--db", &o.db},   {"--wgt", &o.wgt}, {"--eur", &o.eur},     {"--res", &o.res},
                           {"--csv", &o.csv}, {"--lcc", &o.lcc}, {"--table", &o.table}};
  for (size_t i = 0; i < args.size(); ++i) {
    if (TakeNamedOption(args, i, named)) continue;
    const std::string& a = args[i];
    if (a == "--energy" && i + 1 < args.size()) {
      o.energy = ParseEnergy(args[++i]);
      if (!o.energy) {
        std::cerr << "kelca-cli assess: --energy needs six numbers separated by commas\n";
        return false;
      }
    } else if (o.project.empty() && a.rfind("--", 0) != 0) {
      o.project = a;
    } else {
      return false;
    }
  }
  if (o.project.empty() || o.db.empty()) return false;
  // Names are relative to the folder the command runs in, not to the project's.
  for (std::string* path : {&o.project, &o.wgt, &o.eur, &o.res, &o.csv, &o.table, &o.lcc}) {
    if (!path->empty()) *path = std::filesystem::absolute(*path).string();
  }
  return true;
}

// Prints the run's status lines as they come.
class PrintingProgress : public ProgressSink {
 public:
  void AddLine(const std::string& line) override { std::cout << line << "\n"; }
};

// The first message a screen command gave, as a failed status.
Status FirstMessage(const ScriptedPrompts& prompts) {
  const auto messages = prompts.Messages();
  return messages.empty() ? Status::Ok() : Status::Error(messages.front());
}

// Opens a ".WGT" file on the weighting screen and returns with Yes, without saving it again.
Status ApplyWeightFile(const std::string& file, Workspace& ws) {
  ScriptedPrompts prompts;
  WeightingScreenModel screen({ws.Params, ws.CurrentFolder, ws.Project});
  prompts.QueueFile(ResolvePath(ws.CurrentFolder, file));
  screen.OpenUserValues(prompts);
  if (Status opened = FirstMessage(prompts); !opened) return opened;
  prompts.QueueAnswer(Answer::Yes);
  screen.Return(prompts);
  return Status::Ok();
}

// The energy results of a ".EUR" file as Load Previous Results reads them, with
// the project's ".NAC" for the services portions of the town gas systems.
Status LoadEnergyResults(const std::string& eurPath, const std::string& projectPath, Workspace& ws) {
  const std::string nac = FindExistingFile(ReplaceLastThree(projectPath, "NAC"));
  if (FileExists(nac)) {
    if (Status read = ReadNonACFile(nac, ws.NonAC); !read) return read;
  } else {
    std::cerr << "kelca-cli assess: " << nac << " not found: the town gas systems count as HVAC\n";
  }
  return ReadEnergyResultFile(eurPath, ws.ACEnergy, ws.ZoneElec, ws.Plant, ws.NonAC);
}

// Energy by --energy, else from the named or the project's ".EUR" file when there is one.
Status HandOverEnergy(const AssessOptions& o, Workspace& ws) {
  const std::string projectPath = ws.Project.ProjDir + ws.Project.ProjFileName;
  const std::string eur = o.eur.empty() ? FindExistingFile(ReplaceLastThree(projectPath, "EUR"))
                                        : ResolvePath(ws.CurrentFolder, o.eur);
  const bool load = !o.eur.empty() || (!o.energy && FileExists(eur));
  if (load) {
    if (Status read = LoadEnergyResults(eur, projectPath, ws); !read) return read;
    ws.EnergyUse = PredictedEnergyUse(ws.ACEnergy, ws.ZoneElec, ws.Plant, ws.NonAC);
  }
  if (o.energy) ws.EnergyUse.Value = *o.energy;
  std::cout << "Energy use: " << (o.energy ? "as given" : load ? "from " + eur : "none (no energy results)");
  if (o.energy && load) std::cout << ", town gas systems from " << eur;
  std::cout << "\n";
  return Status::Ok();
}

void PrintRow(const std::string& label, const std::array<float, kStages>& values) {
  // The label column is 40 characters wide; a UTF-8 character ("m²") counts once.
  const auto shown = std::count_if(label.begin(), label.end(), [](char c) { return (c & 0xC0) != 0x80; });
  std::cout << label << std::string(shown < 40 ? 40 - shown : 0, ' ');
  for (float v : values) std::cout << std::setw(20) << FormatGeneral(v);
  std::cout << "\n";
}

void PrintStageHeading() {
  std::cout << std::left << std::setw(40) << "" << std::right;
  for (const std::string& stage : StageNames()) std::cout << std::setw(20) << stage;
  std::cout << "\n";
}

// Rows 1..12 (the categories) and 13 (the cost) of a view, per m2 when an area is given.
void PrintCategoryRows(const CaseView& view, std::optional<float> area) {
  for (int c = 1; c <= 13; ++c) {
    std::array<float, kStages> row{};
    for (int s = 0; s < kStages; ++s) {
      const float v = c <= 10 ? view.Table[s][c].Characterised
                              : (c == 11 ? view.Energy[s] : (c == 12 ? view.Waste[s] : view.Cost[s]));
      row[s] = area ? PerArea(v, *area).value_or(0) : v;
    }
    const std::string name = c <= 12 ? CategoryName(c) : "Life Cycle Cost";
    const std::string unit = c <= 12 ? CategoryUnit(c) : "ZQ$";
    PrintRow(std::to_string(c) + ". " + name + " (" + unit + (area ? "/m²" : "") + ")", row);
  }
}

void PrintWholeBuilding(const Workspace& ws) {
  const CaseView& view = ws.Cases.Case[kCurrentCase].View;
  std::cout << "\nWhole building results, project \"" << ws.Project.ProjName << "\"\n";
  PrintStageHeading();
  PrintCategoryRows(view, std::nullopt);
  PrintRow("Total LCA/LCC Score", ws.Cases.Score);
  if (!(ws.Project.CFA > 0)) {
    std::cout << "\nNo figures per m2: the project's floor area (CFA) is 0\n";
    return;
  }
  std::cout << "\nWhole building results per m2 of floor area (CFA " << FormatGeneral(ws.Project.CFA) << " m2)\n";
  PrintStageHeading();
  PrintCategoryRows(view, ws.Project.CFA);
}

// Writes the files asked for through the result and LCC screens' own commands.
Status WriteOutputs(const AssessOptions& o, Workspace& ws, ResultScreenModel& results) {
  ScriptedPrompts prompts;
  if (!o.res.empty()) {
    prompts.QueueFile(ResolvePath(ws.CurrentFolder, o.res));
    results.SaveCase(kCurrentCase, prompts);
  }
  if (!o.csv.empty()) {
    results.SelectPart(kWholeBldg);
    results.SelectStage(kWholeLife);
    results.ShowResults();
    prompts.QueueFile(ResolvePath(ws.CurrentFolder, o.csv));
    results.ExportTable(prompts);
  }
  if (!o.table.empty()) {
    const std::string path = ResolvePath(ws.CurrentFolder, o.table);
    if (Status written = ReplaceFile(path, AllResultsTableText(ws.Project, ws.Results, ws.Params)); !written) {
      return written;
    }
  }
  if (!o.lcc.empty()) {
    LccScreenModel lcc(ws);
    prompts.QueueFile(ResolvePath(ws.CurrentFolder, o.lcc));
    lcc.Save(prompts);
  }
  return FirstMessage(prompts);
}

int Fail(const std::string& message) {
  std::cerr << "kelca-cli assess: " << message << "\n";
  return 1;
}

int RunAssess(const std::vector<std::string>& args) {
  AssessOptions o;
  if (!ParseOptions(args, o)) {
    std::cerr << "Usage: kelca-cli assess " << kUsage << "\n";
    return 2;
  }
  auto ws = std::make_unique<Workspace>();
  SetDefaultParameters(ws->Params);
  if (Status db = OpenDatabaseArgument(o.db, ws->Db, ws->Materials); !db) return Fail(db.message);
  if (Status project = OpenProjectArgument(o.project, *ws); !project) return Fail(project.message);
  if (!o.wgt.empty()) {
    if (Status weights = ApplyWeightFile(o.wgt, *ws); !weights) return Fail(weights.message);
  }
  if (Status energy = HandOverEnergy(o, *ws); !energy) return Fail(energy.message);

  PrintingProgress progress;
  for (auto run : {&RunImpactCalculation, &RunCostCalculation}) {
    const CalculationOutcome outcome = run(*ws, progress);
    if (!outcome.Completed) {
      std::cerr << outcome.Message << "\n";
      return 1;
    }
  }
  ResultScreenModel results(*ws);
  results.SelectPart(kWholeBldg);
  results.SelectStage(kWholeLife);
  results.ShowResults();
  PrintWholeBuilding(*ws);
  if (Status written = WriteOutputs(o, *ws, results); !written) return Fail(written.message);
  return 0;
}

const CommandRegistration kRegistration{
    "assess", kUsage,
    "runs the impact and the cost calculation of a project and prints the whole building's results by stage",
    &RunAssess};

}  // namespace
}  // namespace kelca::cli
