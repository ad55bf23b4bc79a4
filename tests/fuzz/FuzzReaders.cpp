#include "FuzzReaders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/GroupTypes.h"
#include "building/ProjectState.h"
#include "common/FileIO.h"
#include "common/TextReader.h"
#include "database/ElementLibrary.h"
#include "database/MaterialTable.h"
#include "database/OperationsFile.h"
#include "database/StackProgram.h"
#include "database/UserValues.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/HourlyLoadFile.h"
#include "energy/ShadingMask.h"
#include "energy/WeatherFile.h"
#include "energy/WeatherImport.h"
#include "lca/LccTable.h"
#include "lca/LcaResults.h"
#include "lca/ResultFile.h"
#include "lca/WeightFile.h"
#include "plant/EnergyResultFile.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"

namespace kelca::fuzz {
namespace {

const std::string kSource = KELCA_SOURCE_DIR;
const std::string kDb = kSource + "/data/db/";
const std::string kOffice = kSource + "/samples/office/";

// The sample office's zones and rooms: the air-side and hourly load files
// are read against them.
const EnergyModel& OfficeModel() {
  static const std::unique_ptr<EnergyModel> model = [] {
    auto m = std::make_unique<EnergyModel>();
    (void)ReadEnergyInputFile(kOffice + "OFFICE.ECI", *m);
    return m;
  }();
  return *model;
}

const MaterialTable& Materials() {
  static const std::unique_ptr<MaterialTable> table = [] {
    auto t = std::make_unique<MaterialTable>();
    (void)LoadMaterialDatabase(kDb + "MATLCIA.ILF", kDb + "MATLCIA.IDB", *t);
    return t;
  }();
  return *table;
}

std::string ReadText(const std::string&, const std::string& path) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened.message;
  std::string s;
  float f = 0;
  double d = 0;
  int n = 0;
  for (int field = 0; !in.AtEnd() && field < 100000; ++field) {
    const bool ok = field % 4 == 0 ? in.ReadString(s) : field % 4 == 1 ? in.ReadSingle(f)
                  : field % 4 == 2 ? in.ReadDouble(d) : in.ReadCount(n, 0, 20, "count");
    if (!ok) return in.Error();
  }
  return {};
}

std::string ReadIdb(const std::string&, const std::string& path) {
  auto t = std::make_unique<MaterialTable>();
  return LoadMaterialDatabase(kDb + "MATLCIA.ILF", path, *t).message;
}

std::string ReadIlf(const std::string&, const std::string& path) {
  auto t = std::make_unique<MaterialTable>();
  return LoadMaterialDatabase(path, kDb + "MATLCIA.IDB", *t).message;
}

std::string ReadElb(const std::string&, const std::string& path) {
  auto lib = std::make_unique<ElementLibrary>();
  return LoadElmLibFile(path, *lib).message;
}

// An operations file, and its blocks run on an element of ten values.
std::string ReadOperations(const std::string&, const std::string& path) {
  OperationsFile ops;
  if (OperationsStatus read = ReadOperationsFile(path, ops); !read) return read.detail;
  ElementValues values{};
  for (int k = 0; k < 10; ++k) values[k] = std::to_string(k + 1);
  UserValues user;
  const MaterialSubstitution substitution = SubstitutionFor(ops, user);
  for (const MaterialBlock& block : ops.Blocks) {
    (void)EvaluateOperations(block.Lines, values, Materials(), substitution);
  }
  return {};
}

std::string ReadUser(const std::string&, const std::string& path) {
  UserValues values;
  return ReadUserValues(path, values).message;
}

std::string ReadProject(const std::string&, const std::string& path) {
  ProjectState project;
  return ReadProjectFile(path, project).message;
}

std::string ReadGroup(const std::string& folder, const std::string& path) {
  GroupRecord group;
  group.GrpFile = std::filesystem::path(path).filename().string();
  return ReadGroupFile(folder, kFloor, "Floor", group).message;
}

std::string ReadComponent(const std::string& folder, const std::string& path) {
  ComponentRecord comp;
  comp.CompFile = std::filesystem::path(path).filename().string();
  return ReadCompFile(folder, CompFileTypeCode(kFloor), comp).message;
}

std::string ReadElement(const std::string& folder, const std::string& path) {
  ElementRecord elm;
  elm.ElmFile = std::filesystem::path(path).filename().string();
  return ReadElmFile(folder, ElmFileTypeCode(kFloor), "Floor", elm).message;
}

std::string ReadWgt(const std::string&, const std::string& path) {
  WeightFactors weights{};
  CostParams cost{};
  return ReadWeightFile(path, weights, cost).message;
}

std::string ReadRes(const std::string&, const std::string& path) {
  ProjectState info;
  auto results = std::make_unique<LcaResultSet>();
  return ReadResultFile(path, info, *results).message;
}

std::string ReadLcc(const std::string&, const std::string& path) {
  LccFileValues values{};
  return ReadLccFile(path, values).message;
}

std::string ReadEur(const std::string&, const std::string& path) {
  AnnualACEnergy ac;
  ZoneElecEnergy zones;
  auto plant = std::make_unique<PlantInput>();
  auto services = std::make_unique<NonACServices>();
  return ReadEnergyResultFile(path, ac, zones, *plant, *services).message;
}

std::string ReadEci(const std::string&, const std::string& path) {
  auto model = std::make_unique<EnergyModel>();
  return ReadEnergyInputFile(path, *model).message;
}

std::string ReadAss(const std::string&, const std::string& path) {
  auto airSide = std::make_unique<AirSideData>();
  return ReadAirSideFile(path, OfficeModel(), *airSide).message;
}

std::string ReadCon(const std::string&, const std::string& path) {
  auto table = std::make_unique<ConstructionTable>();
  return ReadConstructionFile(path, *table).message;
}

std::string ReadShm(const std::string&, const std::string& path) {
  ShadingMask mask;
  return ReadShadingMaskFile(path, mask).message;
}

std::string ReadWss(const std::string&, const std::string& path) {
  auto plant = std::make_unique<PlantInput>();
  return ReadPlantFile(path, *plant).message;
}

std::string ReadNac(const std::string&, const std::string& path) {
  auto services = std::make_unique<NonACServices>();
  return ReadNonACFile(path, *services).message;
}

std::string ReadWeather(const std::string&, const std::string& path) {
  std::vector<WeatherRecord> hours;
  return ReadWeatherFile(path, hours).message;
}

std::string ReadHourlyLoads(const std::string&, const std::string& path) {
  HourlyLoadReader reader;
  if (Status opened = HourlyLoadReader::Open(path, OfficeModel(), reader); !opened) return opened.message;
  auto hour = std::make_unique<HourlyLoadRecord>();
  for (int h = 0; h < 8760; ++h) {
    if (!reader.ReadHour(*hour)) return reader.Result().message;
  }
  return {};
}

std::string ReadEpw(const std::string&, const std::string& path) {
  std::string text;
  if (!ReadFileBytes(path, text)) return "cannot read " + path;
  EpwWeather epw;
  Status parsed = ParseEpw(path, text, epw);
  if (parsed) (void)ConvertEpwHours(epw);
  return parsed.message;
}

}  // namespace

const std::vector<FuzzReader>& FuzzReaders() {
  static const std::vector<FuzzReader> readers = {
      {"text", "F.TXT", {"samples/starter"}, ".PRJ", ReadText},
      {"idb", "MATLCIA.IDB", {"data/db"}, ".IDB", ReadIdb},
      {"ilf", "MATLCIA.ILF", {"data/db"}, ".ILF", ReadIlf},
      {"elb", "F.ELB", {"data/db/FOUND", "data/db/FABRIC", "data/db/CONTENTS", "data/db/MECHASER", "data/db/ELECTSER"},
       ".ELB", ReadElb},
      {"operations", "E1.IMP", {"data/db/FABRIC", "data/db/MECHASER"}, ".IMP", ReadOperations},
      {"uservalues", "F_.FLE", {"samples/office"}, "_.FLE", ReadUser},
      {"project", "F.PRJ", {"samples/starter", "samples/office"}, ".PRJ", ReadProject},
      {"group", "F.FLR", {"samples/starter", "samples/office"}, ".FLR", ReadGroup},
      {"component", "F.FLC", {"samples/starter", "samples/office"}, ".FLC", ReadComponent},
      {"element", "F.FLE", {"samples/starter", "samples/office"}, ".FLE", ReadElement},
      {"wgt", "F.WGT", {"tests/fuzz/seeds"}, ".WGT", ReadWgt},
      {"res", "F.RES", {"tests/fuzz/seeds"}, ".RES", ReadRes},
      {"lcc", "F.LCC", {"tests/fuzz/seeds"}, ".LCC", ReadLcc},
      {"eur", "F.EUR", {"tests/fuzz/seeds"}, ".EUR", ReadEur},
      {"eci", "F.ECI", {"samples/office"}, ".ECI", ReadEci},
      {"ass", "F.ASS", {"samples/office"}, ".ASS", ReadAss},
      {"con", "F.CON", {"samples/office"}, ".CON", ReadCon},
      {"shm", "F.SHM", {"samples/office"}, ".SHM", ReadShm},
      {"wss", "F.WSS", {"samples/office"}, ".WSS", ReadWss},
      {"nac", "F.NAC", {"samples/office"}, ".NAC", ReadNac},
      {"weather", "ZQW1989.TXT", {"tests/fuzz/seeds"}, ".W19", ReadWeather},
      {"hourlyloads", "AnHSpCL.TXT", {"tests/fuzz/seeds"}, "AnHSpCL_3h.TXT", ReadHourlyLoads},
      {"epw", "F.epw", {"tests/data/files"}, ".epw", ReadEpw},
  };
  return readers;
}

const FuzzReader* FindFuzzReader(const std::string& name) {
  for (const FuzzReader& reader : FuzzReaders()) {
    if (reader.Name == name) return &reader;
  }
  return nullptr;
}

std::vector<std::string> SeedFiles(const FuzzReader& reader) {
  std::vector<std::string> files;
  for (const std::string& folder : reader.SeedFolders) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(kSource + "/" + folder, ec)) {
      const std::string name = entry.path().filename().string();
      if (name.size() >= reader.SeedSuffix.size() &&
          name.compare(name.size() - reader.SeedSuffix.size(), std::string::npos, reader.SeedSuffix) == 0) {
        files.push_back(entry.path().string());
      }
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string RunFuzzReader(const FuzzReader& reader, const std::string& folder, const std::string& bytes) {
  // A plain write: the fuzzer writes thousands of files a second, and the
  // program's own file replacement waits for each to reach the disk.
  const std::string path = folder + reader.FileName;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return "cannot write " + path;
  }
  return reader.Read(folder, path);
}

}  // namespace kelca::fuzz
