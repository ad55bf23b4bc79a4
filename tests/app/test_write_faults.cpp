// Every writer of the program, made to fail at its first, middle and last byte
// through the file seam: the file it would have replaced stays as it was, byte
// for byte, no working file is left beside it, and the message names the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/GroupTypes.h"
#include "building/ProjectState.h"
#include "building/SummaryReports.h"
#include "common/FileIO.h"
#include "common/Paths.h"
#include "database/ElementLibraries.h"
#include "database/UserValues.h"
#include "energy/AirSideData.h"
#include "energy/ConstructionTable.h"
#include "energy/EnergyModel.h"
#include "energy/HourlyLoadFile.h"
#include "energy/ShadingMask.h"
#include "lca/LcaResults.h"
#include "lca/LccTable.h"
#include "lca/ResultFile.h"
#include "lca/WeightFile.h"
#include "plant/EnergyResultFile.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {

const std::string kSource = KELCA_SOURCE_DIR;
const std::string kOffice = kSource + "/samples/office/";
const std::string kSeeds = kSource + "/tests/fuzz/seeds/";

// Writes its file (named FileName) into a folder; the data come from the sample office.
struct WriterCase {
  std::string Name;
  std::string FileName;
  std::function<Status(const std::string& folder)> Write;
};

template <class T>
std::shared_ptr<T> Loaded(const std::function<Status(T&)>& read) {
  auto value = std::make_shared<T>();
  EXPECT_TRUE(read(*value));
  return value;
}

std::vector<WriterCase> Writers() {
  auto project = Loaded<ProjectState>([](ProjectState& p) { return ReadProjectFile(kOffice + "OFFICE.PRJ", p); });
  auto model = Loaded<EnergyModel>([](EnergyModel& m) { return ReadEnergyInputFile(kOffice + "OFFICE.ECI", m); });
  auto airSide = Loaded<AirSideData>([&](AirSideData& a) { return ReadAirSideFile(kOffice + "OFFICE.ASS", *model, a); });
  auto cons = Loaded<ConstructionTable>([](ConstructionTable& c) { return ReadConstructionFile(kOffice + "OFFICE.CON", c); });
  auto plant = Loaded<PlantInput>([](PlantInput& p) { return ReadPlantFile(kOffice + "OFFICE.WSS", p); });
  auto nonAC = Loaded<NonACServices>([](NonACServices& n) { return ReadNonACFile(kOffice + "OFFICE.NAC", n); });
  auto results = std::make_shared<LcaResultSet>();
  auto resInfo = Loaded<ProjectState>([&](ProjectState& p) { return ReadResultFile(kSeeds + "OFFICE_R.RES", p, *results); });
  auto lcc = Loaded<LccFileValues>([](LccFileValues& v) { return ReadLccFile(kSeeds + "OFFICE.LCC", v); });
  auto user = Loaded<UserValues>([](UserValues& u) { return ReadUserValues(kOffice + "TYCON01_.FLE", u); });
  auto db = std::make_shared<DbLocations>();
  db->LcaDbFolder = kSource + "/data/db/";
  SetLibraryLocations(*db);
  auto selection = std::make_shared<SelectionTables>();
  ResetAllSel(*selection);

  return {
      {"project", "P.PRJ", [=](const std::string& f) { return WriteProjectFile(f + "P.PRJ", *project); }},
      {"group", "G.FLR",
       [](const std::string& f) {
         return WriteGroupFile(f, kFloor, {.GrpFile = "G.FLR", .GrpName = "", .GrpCompFile = {}, .GrpCompName = {}});
       }},
      {"component", "C.FLC",
       [](const std::string& f) {
         return WriteCompFile(f, 210, {.CompFile = "C.FLC", .CompName = "", .CompElmFile = {}, .CompElmName = {}});
       }},
      {"element", "E.FLE",
       [](const std::string& f) {
         return WriteElmFile(f, 220, {.ElmFile = "E.FLE", .ElmName = "", .ElmValue = {"12"}, .ElmRemark = {}});
       }},
      {"user values", "E_.FLE", [=](const std::string& f) { return WriteUserValues(f + "E_.FLE", *user, true); }},
      {".WGT", "W.WGT", [=](const std::string& f) { return WriteWeightFile(f + "W.WGT", WeightFactors{1}, CostParams{8}); }},
      {".RES", "R.RES", [=](const std::string& f) { return WriteResultFile(f + "R.RES", *resInfo, *results); }},
      {".LCC", "L.LCC", [=](const std::string& f) { return WriteLccFile(f + "L.LCC", *lcc); }},
      {".EUR", "U.EUR",
       [=](const std::string& f) { return WriteEnergyResultFile(f + "U.EUR", AnnualACEnergy{}, ZoneElecEnergy{}, *plant, *nonAC); }},
      {".ECI", "M.ECI", [=](const std::string& f) { return WriteEnergyInputFile(f + "M.ECI", "M", *model); }},
      {".ASS", "M.ASS", [=](const std::string& f) { return WriteAirSideFile(f + "M.ASS", "M", *model, *airSide); }},
      {".CON", "M.CON", [=](const std::string& f) { return WriteConstructionFile(f + "M.CON", *cons); }},
      {".WSS", "M.WSS", [=](const std::string& f) { return WritePlantFile(f + "M.WSS", "M", *plant); }},
      {".NAC", "M.NAC", [=](const std::string& f) { return WriteNonACFile(f + "M.NAC", "M", *nonAC); }},
      {".SHM", "S.SHM",
       [](const std::string& f) {
         ShadingMask mask;
         return SaveShadingMask(f, {.Orientation = 5, .W = 2, .H = 1.5f, .OP = 0.6f, .Name = "S"}, mask);
       }},
      {"AnHSpCL.TXT", "AnHSpCL.TXT",
       [](const std::string& f) {
         HourlyLoadWriter writer;
         writer.AddHour({.Month = 1, .Day = 1, .Hour = 1});
         return writer.Save(f + "AnHSpCL.TXT");
       }},
      {"input summary", "IN.TXT",
       [=](const std::string& f) { return WriteInputSummary({*project, *db, kOffice}, f + "IN.TXT"); }},
      {"selection summary", "SEL.TXT",
       [=](const std::string& f) {
         return WriteSelectionSummary({*project, *db, kOffice}, *selection, f + "SEL.TXT");
       }},
  };
}

}  // namespace

TEST(WriteFaults, AFailedWriteKeepsTheOldFileAndNamesIt) {
  for (const WriterCase& writer : Writers()) {
    SCOPED_TRACE(writer.Name);
    TempFolder dir;
    ASSERT_TRUE(writer.Write(dir.Folder()));  // the whole new file, for its size
    std::string written;
    ASSERT_TRUE(ReadFileBytes(dir.File(writer.FileName), written));
    ASSERT_GT(written.size(), 1u);
    const std::string old = "the file as it was before\r\n";
    for (size_t failAfter : {size_t{0}, written.size() / 2, written.size() - 1}) {
      ASSERT_TRUE(ReplaceFile(dir.File(writer.FileName), old));
      Status status;
      {
        PlannedWriteFault fault({failAfter});
        status = writer.Write(dir.Folder());
      }
      EXPECT_FALSE(status) << "failing after " << failAfter << " bytes";
      EXPECT_NE(status.message.find(writer.FileName), std::string::npos) << status.message;
      std::string after;
      ASSERT_TRUE(ReadFileBytes(dir.File(writer.FileName), after));
      EXPECT_EQ(after, old) << "failing after " << failAfter << " bytes";
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);
    }
  }
}
