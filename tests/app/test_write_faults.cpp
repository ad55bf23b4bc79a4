// Every writer of the program, made to fail at its first, middle and last byte
// through the file seam: the file it would have replaced stays as it was, byte
// for byte, and the message names the file.
#include <gtest/gtest.h>

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

  return {
      {"project", "P.PRJ", [=](const std::string& f) { return WriteProjectFile(f + "P.PRJ", *project); }},
      {"group", "G.FLR",
       [=](const std::string& f) {
         GroupRecord g;
         g.GrpFile = "G.FLR";
         g.GrpName = "Typical floor";
         return WriteGroupFile(f, kFloor, g);
       }},
      {"component", "C.FLC",
       [=](const std::string& f) {
         ComponentRecord c;
         c.CompFile = "C.FLC";
         c.CompName = "Envelope";
         return WriteCompFile(f, CompFileTypeCode(kFloor), c);
       }},
      {"element", "E.FLE",
       [=](const std::string& f) {
         ElementRecord e;
         e.ElmFile = "E.FLE";
         e.ElmName = "Wall";
         e.ElmValue[0] = "12";
         return WriteElmFile(f, ElmFileTypeCode(kFloor), e);
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
       [=](const std::string& f) {
         ShadingMaskInput in;
         in.Orientation = 5;
         in.W = 2;
         in.H = 1.5f;
         in.OP = 0.6f;
         in.Name = "S";
         ShadingMask mask;
         return SaveShadingMask(f, in, mask);
       }},
      {"AnHSpCL.TXT", "AnHSpCL.TXT",
       [=](const std::string& f) {
         HourlyLoadWriter writer;
         HourlyLoadRecord hour;
         hour.Month = hour.Day = hour.Hour = 1;
         writer.AddHour(hour);
         return writer.Save(f + "AnHSpCL.TXT");
       }},
      {"input summary", "IN.TXT",
       [=](const std::string& f) { return WriteInputSummary({*project, *db, kOffice}, f + "IN.TXT"); }},
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
    }
  }
}
