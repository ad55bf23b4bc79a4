// kelca-cli energy PROJECT.PRJ --db DBFOLDER [--eci F] [--ass F] [--con F]
//   [--wss F] [--nac F] [--reuse-loads] [--sequential] [--eur OUT.EUR]
//   [--log FILE] [--quiet]
// Runs the operating-energy calculation of a project as "All Systems,
// One-by-one" with Calculate on each system: the hourly cooling loads and the
// plant simulation, lighting and equipment in the zones, the additional and
// non-AC systems and town gas. The run log goes to stderr as it grows (on a
// terminal its room-month steps share one progress line; --quiet leaves out
// all but a run error), and --log writes all of it to a file; each
// system's results and the six predicted annual values go to stdout; the
// results are written to the ".EUR" file. The working files ("AnHSpCL.TXT",
// "BCLnEQW.SDF") are written in the project folder. Input files not named are
// the project's own ("OFFICE.ECI", ...), except the constructions, which are
// the energy input file's ("B.ECI": "B.CON"). --sequential runs the rooms of
// the load calculation one after the other on one thread, the plain way that
// the parallel run must match to the last bit.
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>

#include "app/Workspace.h"
#include "cli/Command.h"
#include "cli/DatabaseArgument.h"
#include "cli/NamedOptions.h"
#include "cli/ProjectArgument.h"
#include "cli/RunLog.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/ScriptedPrompts.h"
#include "plant/EnergyConfirmation.h"
#include "plant/EnergyResultFile.h"
#include "screens/EnergyCalculationScreen.h"

namespace kelca::cli {
namespace {

constexpr const char* kUsage =
    "PROJECT.PRJ --db DBFOLDER [--eci F] [--ass F] [--con F] [--wss F] [--nac F] [--reuse-loads] [--sequential] "
    "[--eur OUT.EUR] [--log FILE] [--quiet]";

struct EnergyOptions {
  std::string project, db, eci, ass, con, wss, nac, eur, log;
  bool reuseLoads = false, quiet = false, sequential = false;
};

bool ParseOptions(const std::vector<std::string>& args, EnergyOptions& o) {
  const NamedOptions named{
      {"--db", &o.db},   {"--eci", &o.eci}, {"--ass", &o.ass}, {"--con", &o.con},
      {"--wss", &o.wss}, {"--nac", &o.nac}, {"--eur", &o.eur}, {"--log", &o.log}};
  for (size_t i = 0; i < args.size(); ++i) {
    if (TakeNamedOption(args, i, named)) continue;
    const std::string& a = args[i];
    if (a == "--reuse-loads") {
      o.reuseLoads = true;
    } else if (a == "--sequential") {
      o.sequential = true;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else if (o.project.empty() && a.rfind("--", 0) != 0) {
      o.project = a;
    } else {
      return false;
    }
  }
  return !o.project.empty() && !o.db.empty();
}

// A file named on the command line (from the working folder), else the one
// named like ownerFile (the project file or the energy input file).
std::string FileOrDefault(const std::string& given, const std::string& ownerFile, const char* extension) {
  if (given.empty()) return ReplaceLastThree(ownerFile, extension);
  return std::filesystem::absolute(given).string();
}

void PrintSystem(const Workspace& ws, int code) {
  const SystemResults r = ResultsOfSystem(ws, code);
  std::cout << "\n" << ShownCaption(r.Heading) << "\n";
  if (r.NoSystems) {
    std::cout << "  No such systems defined\n";
    return;
  }
  for (const SystemResultItem& item : r.Items) {
    std::cout << "  " << std::left << std::setw(46) << item.Label << std::right << std::setw(14)
              << FormatGeneral(item.Value) << "\n";
  }
}

int RoomCount(const EnergyModel& model) {
  int rooms = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) rooms += model.Zone[z].RoomCount;
  return rooms;
}

// Floor area of the air-conditioned rooms, m2, with their multipliers.
float ConditionedFloorArea(const EnergyModel& model) {
  float area = 0;
  for (int z = 1; z <= model.ZoneCount; ++z) {
    const EnergyZone& zone = model.Zone[z];
    for (int r = 1; r <= zone.RoomCount; ++r) {
      const EnergyRoom& room = zone.Room[r];
      if (room.RoomType != kNonAC) area += room.FloorArea * room.IdenticalRooms * zone.IdenticalZones;
    }
  }
  return area;
}

void PrintSummary(const Workspace& ws) {
  const float area = ConditionedFloorArea(ws.Energy);
  std::cout << "\nAnnual Operating Energy Use of Services Systems\n";
  std::cout << "  Conditioned floor area (m2): " << FormatGeneral(area) << "\n";
  for (int i = 0; i < kEnergyUseEntries; ++i) {
    const float v = ws.EnergyUse.Value[i];
    std::cout << "  " << std::left << std::setw(32) << EnergyUseLabel(i) << std::right << std::setw(14)
              << FormatGeneral(v);
    if (area > 0) std::cout << std::setw(12) << FormatGeneral(v / area) << " per m2";
    std::cout << "\n";
  }
}

int Fail(const std::string& message) {
  std::cerr << "kelca-cli energy: " << message << "\n";
  return 1;
}

Status ReadInputs(Workspace& ws) {
  if (Status s = ReadEnergyInputFile(ws.EnergyFiles.EciFile, ws.Energy); !s) return s;
  if (Status s = ReadAirSideFile(ws.EnergyFiles.AssFile, ws.Energy, ws.AirSide); !s) return s;
  return ReadNonACFile(ws.PlantFiles.NacFile, ws.NonAC);
}

int RunEnergy(const std::vector<std::string>& args) {
  EnergyOptions o;
  if (!ParseOptions(args, o)) {
    std::cerr << "Usage: kelca-cli energy " << kUsage << "\n";
    return 2;
  }
  auto ws = std::make_unique<Workspace>();
  if (Status db = OpenDatabaseArgument(o.db, ws->Db, ws->Materials); !db) return Fail(db.message);
  if (Status project = OpenProjectArgument(o.project, *ws); !project) return Fail(project.message);
  const std::string projectFile = ws->Project.ProjDir + ws->Project.ProjFileName;
  const std::string eciFile = FileOrDefault(o.eci, projectFile, "ECI");
  // The constructions belong with the energy input file, as when the screen opens it.
  ws->EnergyFiles = {FileOrDefault(o.con, eciFile, "CON"), eciFile, FileOrDefault(o.ass, projectFile, "ASS")};
  ws->PlantFiles = {FileOrDefault(o.wss, projectFile, "WSS"), FileOrDefault(o.nac, projectFile, "NAC")};
  const std::string eurFile = FileOrDefault(o.eur, projectFile, "EUR");
  if (Status read = ReadInputs(*ws); !read) return Fail(read.message);

  CliRunLog log(LogDisplayForStderr(o.quiet), std::cerr, RoomCount(ws->Energy), StderrColumns());
  if (!o.log.empty()) {
    if (Status opened = log.OpenLogFile(std::filesystem::absolute(o.log).string()); !opened) {
      return Fail(opened.message);
    }
  }
  ScriptedPrompts prompts;
  LoadRunOptions options;
  options.Sequential = o.sequential;
  for (int code : kAllSystemsOrder) {
    prompts.answers.clear();
    if (code == kAirConditioningSystem) {
      if (FileExists(HourlyLoadFilePath(*ws))) prompts.QueueAnswer(o.reuseLoads ? Answer::No : Answer::Yes);
      prompts.QueueAnswer(Answer::Yes);  // proceed to the plant simulation
    }
    const bool done = CalculateSystem(*ws, code, prompts, log, RunStepHere, options);
    log.EndProgressLine();
    if (!done) {
      // A run error is in the run log already, unless the log is not shown.
      if (ws->Sim.SimError) {
        if (!log.ShowsRunErrors()) std::cerr << ws->Sim.SimMessage << "\n";
      } else {
        const auto messages = prompts.Messages();
        std::cerr << (messages.empty() ? std::string("The calculation was stopped.") : messages.back()) << "\n";
      }
      return 1;
    }
    PrintSystem(*ws, code);
  }
  LeaveEnergyCalculation(*ws);
  PrintSummary(*ws);
  if (Status saved = WriteEnergyResultFile(eurFile, ws->ACEnergy, ws->ZoneElec, ws->Plant, ws->NonAC); !saved) {
    return Fail(saved.message);
  }
  std::cout << "\nResults written to " << eurFile << "\n";
  return 0;
}

const CommandRegistration kRegistration{"energy", kUsage,
                                        "runs the operating-energy calculation of a project and writes its .EUR",
                                        &RunEnergy};

}  // namespace
}  // namespace kelca::cli
