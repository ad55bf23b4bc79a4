#include "screens/EnergyCalculationScreen.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/TextWriter.h"
#include "energy/BCLSim.h"
#include "energy/HourlyLoadFile.h"
#include "energy/WeatherFile.h"
#include "plant/AnnualEnergy.h"
#include "plant/EnergyResultFile.h"
#include "plant/PlantSimulation.h"
#include "screens/FileChoice.h"

namespace kelca {

const char* const kSelectSystemNote = "Select System from Menu for Calculation";
const char* const kCalculateNote = "Click Calculate to Proceed.";
const char* const kNoSystemsNote = "No such systems defined";

namespace {

constexpr std::array<const char*, 8> kAirConditioningItems = {
    "Whole Air Conditioning System (kWh)",     "Air Side Systems (Fans) (kWh)",
    "Chillers (kWh)",                          "Primary Loop Chilled Water Pumps (kWh)",
    "Secondary Loop Chilled Water Pumps (kWh)", "Condenser Water Pumps (kWh)",
    "Seawater Pumps (kWh)",                    "Cooling Towers (kWh)"};
constexpr std::array<const char*, 3> kZoneItems = {"Annual Electricity Consumption (kWh)", "Lighting in Zones(kWh)",
                                                   "Equipment in Zones (kWh)"};

const char* Heading(int code) {
  static constexpr std::array<const char*, 9> kHeadings = {
      "",
      "Annual Energy Use for Air Conditioning",
      "Annual Energy Use of Additional HVAC Systems",
      "Annual Energy Use for Lighting && Equipment in Building Zones",
      "Annual Energy Use of Additional Elec. && Lgt. Systems",
      "Annual Energy Use of Fire Services Systems",
      "Annual Energy Use of Lift and Escalator Systems",
      "Annual Energy Use of P && D Systems",
      "Annual Energy Use of Systems using Town Gas"};
  return kHeadings[code];
}

// The electric group of a system code (const or not, as the workspace), or null.
template <class W>
auto ElectricGroupOf(W& ws, int code) -> decltype(&ws.Plant.AdditionalHvac) {
  if (code == kAdditionalHvacSystems) return &ws.Plant.AdditionalHvac;
  if (code >= kAdditionalElecLightingSystems && code <= kPlumbingDrainageSystems) {
    return &ws.NonAC.Electric[code - kAdditionalElecLightingSystems];
  }
  return nullptr;
}

template <class Group, class Result>
void ListSystems(const Group& group, const char* unit, Result result, SystemResults& out) {
  out.Items.push_back({std::string("Total of all Systems ") + unit, result(group.System[0])});
  for (int i = 1; i <= group.Count; ++i) {
    out.Items.push_back({std::to_string(i) + ": " + group.System[i].Name + " " + unit, result(group.System[i])});
  }
  out.NoSystems = group.Count == 0;
}

// Values 1..n from typed texts; slot 0 their sum.
template <class Slot>
void TakeTyped(const std::vector<std::string>& typed, int n, Slot slot) {
  float total = 0;
  for (int i = 1; i <= n; ++i) {
    if (static_cast<size_t>(i) <= typed.size()) slot(i) = static_cast<float>(Val(typed[i - 1]));
    total += slot(i);
  }
  slot(0) = total;
}

// A run reads its input files by name: one left unknown at the opening is reported.
bool InputNamed(const std::string& file, const char* what, Prompts& prompts) {
  if (!file.empty()) return true;
  prompts.Message(std::string("No ") + what + " chosen. Leave this screen and open it again to choose one.");
  return false;
}

}  // namespace

SystemResults ResultsOfSystem(const Workspace& ws, int code) {
  SystemResults out;
  if (code < kAirConditioningSystem || code > kTownGasSystems) return out;
  out.Heading = Heading(code);
  if (code == kAirConditioningSystem) {
    for (size_t i = 0; i < kAirConditioningItems.size(); ++i) {
      out.Items.push_back({kAirConditioningItems[i], ws.ACEnergy.Value[i]});
    }
  } else if (code == kZoneLightingEquipment) {
    for (size_t i = 0; i < kZoneItems.size(); ++i) out.Items.push_back({kZoneItems[i], ws.ZoneElec.Value[i]});
  } else if (code == kTownGasSystems) {
    ListSystems(ws.NonAC.TownGas, "(MJ)", [](const GasSystem& s) { return s.AnnualUse; }, out);
  } else {
    ListSystems(*ElectricGroupOf(ws, code), "(kWh)",
                [](const ElectricSystem& s) { return s.AnnualEnergy; }, out);
  }
  return out;
}

std::string ShownCaption(std::string caption) {
  for (size_t at = caption.find("&&"); at != std::string::npos; at = caption.find("&&", at + 1)) caption.erase(at, 1);
  return caption;
}

std::string HourlyLoadFilePath(const Workspace& ws) { return ResolvePath(ws.CurrentFolder, kHourlyLoadFileName); }
std::string PlantOutputFilePath(const Workspace& ws) { return ResolvePath(ws.CurrentFolder, kPlantOutputFileName); }

void RunStepHere(const std::string&, const LongStep& step, ProgressSink& log) { step(log); }

bool CalculateAirConditioning(Workspace& ws, Prompts& prompts, ProgressSink& log, const StepRunner& run,
                              const LoadRunOptions& options) {
  ws.Sim.Clear();
  if (!InputNamed(ws.EnergyFiles.AssFile, "Air Side AC System Input File", prompts) ||
      !InputNamed(ws.PlantFiles.WssFile, "Central Plant Input Data File", prompts)) {
    return false;
  }
  const std::string loadFile = HourlyLoadFilePath(ws);
  auto year = std::make_unique<HourlyLoadYear>();  // the loads calculated here, for the plant
  // New hourly loads stand once the plant simulation has used them, or when
  // the user stops after them; a failed plant run puts the previous ones back.
  std::optional<PreviousFileKeeper> previousLoads;
  bool calculateLoads = true;
  if (FileExists(loadFile)) {
    const Answer a =
        prompts.AskYesNoCancel("Cooling load data file already exits. Re-calculate and overwrite the file?");
    if (a == Answer::Cancel) return false;
    calculateLoads = a == Answer::Yes;
  }
  if (calculateLoads) {
    if (!InputNamed(ws.EnergyFiles.EciFile, "Energy Calculation Input File", prompts) ||
        !InputNamed(ws.EnergyFiles.ConFile, "Construction File", prompts)) {
      return false;
    }
    previousLoads.emplace(loadFile);
    log.AddLine("Started to calculate cooling load");
    LoadRunFiles files;
    files.EciFile = ws.EnergyFiles.EciFile;
    files.ConFile = ws.EnergyFiles.ConFile;
    files.WeatherFile = ws.Db.LcaDbFolder + kWeatherFileName;
    files.CurrentFolder = ws.CurrentFolder;
    files.ProjectFolder = ws.Project.ProjDir;
    bool done = false;
    run("Cooling Load Calculation",
        [&](ProgressSink& progress) { done = BCLSim(files, ws.AirSide, progress, ws.Sim, options, year.get()); },
        log);
    if (!done) {
      log.AddLine("Cooling load calculation terminated.");
      log.AddLine(ws.Sim.SimMessage);
      return false;
    }
    log.AddLine("Cooling load calculation completed");
  }
  if (!prompts.AskYesNo("Proceed to predict air-conditioning energy use?")) {
    if (previousLoads) previousLoads->Accept();
    return false;
  }

  log.AddLine("Started to calculate A/C energy use");
  PlantRunFiles files;
  files.AirSideFile = ws.EnergyFiles.AssFile;
  files.PlantFile = ws.PlantFiles.WssFile;
  files.LoadFile = loadFile;
  files.Loads = calculateLoads ? year.get() : nullptr;
  files.OutputFile = PlantOutputFilePath(ws);
  // A run that stops part-way leaves the sums of the hours it did: those are no
  // year's energy, so the results before the run stay.
  const AnnualACEnergy before = ws.ACEnergy;
  bool done = false;
  run("A/C Energy Use Calculation",
      [&](ProgressSink& progress) {
        done = RunPlantSimulation(ws.Energy, ws.AirSide, ws.Plant, files, ws.ACEnergy, ws.Sim, progress);
      },
      log);
  if (!done) {
    ws.ACEnergy = before;
    log.AddLine("A/C energy use calculation terminated.");
    log.AddLine(ws.Sim.SimMessage);
    return false;
  }
  if (previousLoads) previousLoads->Accept();
  log.AddLine("A/C energy use calculation completed");
  return true;
}

bool CalculateSystem(Workspace& ws, int code, Prompts& prompts, ProgressSink& log, const StepRunner& run,
                     const LoadRunOptions& options) {
  if (code == kAirConditioningSystem) return CalculateAirConditioning(ws, prompts, log, run, options);
  if (code == kZoneLightingEquipment) {
    ws.ZoneElec = CalculateZoneElectricity(ws.Energy);
    return true;
  }
  if (code == kTownGasSystems) {
    std::string message;
    if (CalculateTownGas(ws.NonAC.TownGas, message)) return true;
    prompts.Message(message);
    return false;
  }
  ElectricSystemGroup* group = ElectricGroupOf(ws, code);
  if (group == nullptr) return false;
  CalculateElectricSystems(*group);
  return true;
}

void EnterTypedResults(Workspace& ws, int code, const std::vector<std::string>& typed) {
  if (code == kAirConditioningSystem) {
    TakeTyped(typed, 7, [&](int i) -> float& { return ws.ACEnergy.Value[i]; });
  } else if (code == kZoneLightingEquipment) {
    TakeTyped(typed, 2, [&](int i) -> float& { return ws.ZoneElec.Value[i]; });
  } else if (code == kTownGasSystems) {
    TakeTyped(typed, ws.NonAC.TownGas.Count, [&](int i) -> float& { return ws.NonAC.TownGas.System[i].AnnualUse; });
  } else if (ElectricSystemGroup* group = ElectricGroupOf(ws, code)) {
    TakeTyped(typed, group->Count, [&](int i) -> float& { return group->System[i].AnnualEnergy; });
  }
}

void LeaveEnergyCalculation(Workspace& ws) {
  ws.EnergyUse = PredictedEnergyUse(ws.ACEnergy, ws.ZoneElec, ws.Plant, ws.NonAC);
}

// The screen's run log: each line is kept and shown as it comes.
class EnergyCalculationScreen::RunLogSink : public ProgressSink {
 public:
  explicit RunLogSink(EnergyCalculationScreen& screen) : screen_(screen) {}
  void AddLine(const std::string& line) override { screen_.AddLogLine(line); }

 private:
  EnergyCalculationScreen& screen_;
};

EnergyCalculationScreen::EnergyCalculationScreen(Workspace& ws, Prompts& prompts, StepRunner run)
    : ws_(ws), prompts_(prompts), run_(std::move(run)) {}

bool EnergyCalculationScreen::ProjectIsOpenFor() const {
  if (ProjectIsOpen(ws_.Project)) return true;
  prompts_.Message("Open a Project File first!");
  return false;
}

// An input already named is taken as loaded. A file chosen is named only once it has been read.
bool EnergyCalculationScreen::AskAndRead(const FileDialogRequest& request, std::string& name,
                                         const std::function<Status(const std::string&)>& read) {
  if (!name.empty()) return true;
  const std::string path = ChooseFileToOpen(prompts_, request, ws_.CurrentFolder);
  if (path.empty()) return false;
  if (read) {
    if (Status s = read(path); !s) {
      prompts_.Message(s.message);
      return false;
    }
  }
  name = path;
  return true;
}

bool EnergyCalculationScreen::Open() {
  if (!ProjectIsOpenFor()) return false;
  const std::string project = FileNameOf(ws_.Project.ProjFileName);
  const auto dialog = [&](const char* title, const char* filter, const char* extension) {
    return FileDialogRequest{.title = title, .filter = filter, .proposedName = ReplaceLastThree(project, extension)};
  };
  // The tables are replaced only by a file read in full.
  const auto readEci = [this](const std::string& path) {
    auto model = std::make_unique<EnergyModel>();
    Status s = ReadEnergyInputFile(path, *model);
    if (s) ws_.Energy = std::move(*model);
    return s;
  };
  const auto readAss = [this](const std::string& path) {
    auto airSide = std::make_unique<AirSideData>(ws_.AirSide);
    Status s = ReadAirSideFile(path, ws_.Energy, *airSide);
    if (s) ws_.AirSide = std::move(*airSide);
    return s;
  };
  const auto readNac = [this](const std::string& path) { return ReadNonACFile(path, ws_.NonAC); };

  EnergyFileNames& energy = ws_.EnergyFiles;
  if (!AskAndRead(dialog("Open Energy Calculation Input File", "Energy Calculation Input File (*.ECI)|*.ECI", "ECI"),
                  energy.EciFile, readEci)) {
    return true;
  }
  if (energy.ConFile.empty()) energy.ConFile = ReplaceLastThree(energy.EciFile, "CON");
  if (!AskAndRead(dialog("Air Side Air-conditioning System Input File",
                         "Air Side AC System Input File (*.ASS)|*.ASS", "ASS"),
                  energy.AssFile, readAss) ||
      !AskAndRead(dialog("Read Central Plant Input Data", "Central Plant Input Data File (*.WSS)|*.WSS", "WSS"),
                  ws_.PlantFiles.WssFile, nullptr)) {
    return true;
  }
  AskAndRead(dialog("Read Input Data For Non-AC Services", "Non-AC Services Input Data File (*.NAC)|*.NAC", "NAC"),
             ws_.PlantFiles.NacFile, readNac);
  return true;
}

void EnergyCalculationScreen::ShowResults() {
  const SystemResults r = ResultsOfSystem(ws_, Code);
  Heading = ShownCaption(r.Heading);
  Note = r.NoSystems ? kNoSystemsNote : kCalculateNote;
  ItemLabels.clear();
  ItemTexts.clear();
  if (r.NoSystems) return;
  for (const SystemResultItem& item : r.Items) {
    ItemLabels.push_back(item.Label);
    ItemTexts.push_back(FormatSingle(item.Value));
  }
}

void EnergyCalculationScreen::ChooseSystem(int code) {
  if (code < kAirConditioningSystem || code > kTownGasSystems) return;
  Code = code;
  ShowResults();
}

void EnergyCalculationScreen::StartAllSystems() {
  WalkingAll = true;
  ChooseSystem(kAllSystemsOrder.front());
}

void EnergyCalculationScreen::NextSystem() {
  const auto at = std::find(kAllSystemsOrder.begin(), kAllSystemsOrder.end(), Code);
  if (!WalkingAll || at == kAllSystemsOrder.end()) return;
  if (at + 1 == kAllSystemsOrder.end()) {
    WalkingAll = false;
    return;
  }
  ChooseSystem(*(at + 1));
}

void EnergyCalculationScreen::Calculate() {
  if (Code == 0) return;
  RunLogSink log(*this);
  // Air-conditioning results are shown only when the run went through.
  if (CalculateSystem(ws_, Code, prompts_, log, run_) || Code != kAirConditioningSystem) ShowResults();
}

void EnergyCalculationScreen::EnterChanges() {
  if (Code == 0) return;
  const std::vector<std::string> typed(ItemTexts.begin() + (ItemTexts.empty() ? 0 : 1), ItemTexts.end());
  EnterTypedResults(ws_, Code, typed);
  ShowResults();
}

void EnergyCalculationScreen::AddLogLine(const std::string& line) {
  RunLog.push_back(line);
  LogShown = true;
  if (LineAdded) LineAdded(line);
}

void EnergyCalculationScreen::ShowLogMenu() { LogMenuShown = true; }
void EnergyCalculationScreen::HideLogMenu() { LogMenuShown = false; }

void EnergyCalculationScreen::CloseLog() {
  LogShown = false;
  LogMenuShown = false;
}

void EnergyCalculationScreen::SaveRunLog() {
  LogMenuShown = false;
  const std::string path =
      ChooseFileToSave(prompts_, {.title = "Save Run Log", .filter = "Run Log File (*.TXT)|*.TXT"}, ws_.CurrentFolder);
  if (path.empty()) return;
  TextWriter out;
  for (const std::string& line : RunLog) out.PrintLine(line);
  if (Status saved = out.Save(path); !saved) prompts_.Message(saved.message);
}

FileDialogRequest EnergyCalculationScreen::ResultFileDialog(const char* title) const {
  return {.title = title,
          .filter = "Energy User Calculation Result File (*.EUR)|*.EUR",
          .proposedName = ReplaceLastThree(ws_.Project.ProjFileName, "EUR")};
}

void EnergyCalculationScreen::LoadResults() {
  if (!ProjectIsOpenFor()) return;
  const std::string path =
      ChooseFileToOpen(prompts_, ResultFileDialog("Load Energy Use Calculation Results"), ws_.CurrentFolder);
  if (path.empty()) return;
  if (Status read = ReadEnergyResultFile(path, ws_.ACEnergy, ws_.ZoneElec, ws_.Plant, ws_.NonAC); !read) {
    prompts_.Message(read.message);
    return;
  }
  if (Code != 0) ShowResults();
}

void EnergyCalculationScreen::SaveResults() {
  if (!ProjectIsOpenFor()) return;
  const std::string path =
      ChooseFileToSave(prompts_, ResultFileDialog("Save Energy Use Calculation Results"), ws_.CurrentFolder);
  if (path.empty()) return;
  if (Status saved = WriteEnergyResultFile(path, ws_.ACEnergy, ws_.ZoneElec, ws_.Plant, ws_.NonAC); !saved) {
    prompts_.Message(saved.message);
  }
}

void EnergyCalculationScreen::Exit() { LeaveEnergyCalculation(ws_); }

}  // namespace kelca
