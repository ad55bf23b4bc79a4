// kelca-cli energy on a copy of the sample office project.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/Paths.h"
#include "common/TextReader.h"
#include "plant/EnergyResultFile.h"
#include "plant/NonACServices.h"
#include "plant/PlantInput.h"
#include "support/CliRun.h"
#include "support/SmallProject.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {

const std::string kOffice = KELCA_SOURCE_DIR "/samples/office";
const std::string kDb = KELCA_SOURCE_DIR "/data/db";

void CopyOffice(const TempFolder& tmp) {
  std::filesystem::copy(kOffice, tmp.File("office"), std::filesystem::copy_options::recursive);
}

CliRun RunEnergy(const TempFolder& tmp, const std::string& extra = "") {
  return RunCli("energy " + Quote(tmp.File("office/OFFICE.PRJ")) + " --db " + Quote(kDb) + " " + extra);
}

}  // namespace

// The rooms' loads all at once (the default) and one after the other give
// the same working files, results and output to the last byte.
TEST(EnergyCommand, RunsEverySystemWithTheBytesOfSequentialAndWritesTheWorkingAndResultFiles) {
  TempFolder tmp;
  CopyOffice(tmp);
  const char* files[] = {"office/AnHSpCL.TXT", "office/BCLnEQW.SDF", "office/OFFICE.EUR"};
  const CliRun sequential = RunEnergy(tmp, "--sequential");
  ASSERT_EQ(sequential.status, 0) << sequential.output;
  std::vector<std::string> reference;
  for (const char* file : files) reference.push_back(tmp.Read(file));
  for (const char* file : files) std::filesystem::remove(tmp.File(file));
  const CliRun run = RunEnergy(tmp);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, sequential.output);
  for (size_t i = 0; i < std::size(files); ++i) {
    EXPECT_TRUE(tmp.Read(files[i]) == reference[i]) << files[i] << " differs";
  }

  for (const char* text : {"Started to calculate cooling load", "Cooling load calculation completed",
                           "A/C energy use calculation completed", "Annual Energy Use for Air Conditioning",
                           "Annual Energy Use of P & D Systems",
                           "Systems using Town Gas (MJ)*"}) {
    EXPECT_NE(run.output.find(text), std::string::npos) << text;
  }
  // Every plant hour's chillers draw power, at a coefficient of performance a chiller can reach.
  TextReader sdf("BCLnEQW.SDF", tmp.Read("office/BCLnEQW.SDF"));
  int plantHours = 0;
  for (std::array<float, 12> f{}; !sdf.AtEnd(); ++plantHours) {
    for (float& v : f) ASSERT_TRUE(sdf.ReadSingle(v)) << sdf.Error();
    const float load = f[3], chillers = f[6];
    ASSERT_GT(chillers, 0.0f) << "month " << f[0] << " day " << f[1] << " hour " << f[2];
    EXPECT_LE(load / chillers, 12.0f) << "month " << f[0] << " day " << f[1] << " hour " << f[2];
  }
  EXPECT_GT(plantHours, 2000);
  // 26,400 m2 air-conditioned: 30 to 300 kWh/m2 a year for air conditioning.
  const size_t hvac = run.output.find("HVAC (kWh)");
  ASSERT_NE(hvac, std::string::npos) << run.output;
  const double kWh = std::stod(run.output.substr(hvac + 10));
  EXPECT_GT(kWh, 30 * 26400.0);
  EXPECT_LT(kWh, 300 * 26400.0);

  AnnualACEnergy ac;
  ZoneElecEnergy zones;
  PlantInput plant;
  NonACServices services;
  ASSERT_TRUE(ReadEnergyResultFile(tmp.File("office/OFFICE.EUR"), ac, zones, plant, services));
  // Every plant component of a water-cooled tower plant takes its share.
  for (int i : {1, 2, 3, 5, 7}) EXPECT_GT(ac.Value[i], 0.0f) << "slot " << i;
  EXPECT_NEAR(ac.Value[0], ac.Value[1] + ac.Value[2] + ac.Value[3] + ac.Value[4] + ac.Value[5] + ac.Value[6] +
                               ac.Value[7], ac.Value[0] * 1e-5f);
  EXPECT_FLOAT_EQ(zones.Value[0], zones.Value[1] + zones.Value[2]);
  EXPECT_GT(services.TownGas.System[0].AnnualUse, 0.0f);

  // Reusing the hourly loads keeps their file and gives the same results.
  const std::string loads = tmp.Read("office/AnHSpCL.TXT");
  ASSERT_FALSE(loads.empty());
  const CliRun again = RunEnergy(tmp, "--reuse-loads --eur " + Quote(tmp.File("again.EUR")));
  ASSERT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(again.output.find("Started to calculate cooling load"), std::string::npos);
  EXPECT_EQ(tmp.Read("office/AnHSpCL.TXT"), loads);
  EXPECT_EQ(tmp.Read("again.EUR"), tmp.Read("office/OFFICE.EUR"));
}

TEST(EnergyCommand, FaultsPrintTheirMessagesAndWriteNoResults) {
  TempFolder tmp;
  CopyOffice(tmp);
  PlantInput plant;
  ASSERT_TRUE(ReadPlantFile(tmp.File("office/OFFICE.WSS"), plant));
  plant.ChillerCount = 0;
  ASSERT_TRUE(WritePlantFile(tmp.File("empty.WSS"), "Office", plant));
  // The loads are calculated anew and the plant then fails: the previous
  // hourly loads stay, and with none before, none are left.
  const std::string previousLoads = "hourly loads of an earlier run\r\n";
  for (const bool hadLoads : {false, true}) {
    if (hadLoads) tmp.Write("office/AnHSpCL.TXT", previousLoads);
    const CliRun run = RunEnergy(tmp, "--wss " + Quote(tmp.File("empty.WSS")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("A/C energy use calculation terminated.\nSimPrep: No Chillers?"), std::string::npos)
        << run.output;
    EXPECT_FALSE(FileExists(tmp.File("office/OFFICE.EUR")) || FileExists(tmp.File("office/BCLnEQW.SDF")));
    if (hadLoads) {
      EXPECT_EQ(tmp.Read("office/AnHSpCL.TXT"), previousLoads);
    } else {
      EXPECT_FALSE(FileExists(tmp.File("office/AnHSpCL.TXT")));
    }
  }

  NonACServices services;
  ASSERT_TRUE(ReadNonACFile(tmp.File("office/OFFICE.NAC"), services));
  ASSERT_GE(services.TownGas.Count, 1);
  services.TownGas.System[1].Efficiency = 0;
  ASSERT_TRUE(WriteNonACFile(tmp.File("office/OFFICE.NAC"), "Office", services));
  const CliRun gas = RunEnergy(tmp);
  EXPECT_EQ(gas.status, 1);
  EXPECT_NE(gas.output.find("Error: Zero Eff. for Gas System No.1"), std::string::npos) << gas.output;
  EXPECT_EQ(RunCli("energy " + Quote(tmp.File("office/OFFICE.PRJ"))).status, 2);  // no --db
}

TEST(EnergyCommand, AnEnergyInputFileBringsItsOwnConstructionsAndARunFaultIsPrintedOnce) {
  TempFolder tmp;
  CopyOffice(tmp);
  std::filesystem::create_directories(tmp.File("other"));
  std::filesystem::copy_file(tmp.File("office/OFFICE.ECI"), tmp.File("other/B.ECI"));
  std::filesystem::remove(tmp.File("office/OFFICE.CON"));
  // Without --con the constructions are B.CON beside B.ECI, which is missing.
  const CliRun run = RunEnergy(tmp, "--eci " + Quote(tmp.File("other/B.ECI")));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Reading " + tmp.File("other/B.CON") + "\n"), std::string::npos) << run.output;
  const std::string fault = "BCLSim: Cannot open ";
  const size_t first = run.output.find(fault);
  ASSERT_NE(first, std::string::npos) << run.output;
  EXPECT_EQ(run.output.find(fault, first + 1), std::string::npos) << run.output;  // printed once
  EXPECT_EQ(run.output.find(tmp.File("other/B.CON"), first), first + fault.size()) << run.output;
}

// On a terminal the room-months and plant months share one line rewritten in
// place; a pipe gets every log line as before; --quiet leaves only the results
// and a run error; --log keeps the whole log. All give the same results.
TEST(EnergyCommand, ShowsAProgressLineOnATerminalAndKeepsTheWholeLogInAFile) {
  TempFolder tmp;
  WriteSmallProject(tmp.Folder());
  const std::string energy = "'" KELCA_CLI_PATH "' energy STARTER.PRJ --db '" + kDb + "'";
  // script runs the command on a pseudo-terminal and passes on what it shows.
  const CliRun tty = RunShell("script -q -e -c \"" + energy + " --log run.log --eur TTY.EUR\" /dev/null", tmp.Folder());
  ASSERT_EQ(tty.status, 0) << tty.output;
  EXPECT_EQ(CountOf(tty.output, "Processing Month"), 0u) << tty.output;
  for (const auto& [shown, times] : std::vector<std::pair<std::string, size_t>>{
           {"\rCooling loads: room 1 of 2, month 1 of 12, 0:", 1},
           {" elapsed (Office north)\x1b[K", 12},
           {"\rCooling loads: room 2 of 2, month 12 of 12, 0:", 1},
           {" elapsed (Office interior)\x1b[K", 12},
           {"\rPlant simulation: month 12 of 12, 0:", 1},
           {"Space Load Calculations Finished!", 1},
           {"Annual Energy Use for Air Conditioning", 1}}) {
    EXPECT_EQ(CountOf(tty.output, shown), times) << shown << "\n" << tty.output;
  }
  const std::string log = tmp.Read("run.log");
  EXPECT_EQ(log.rfind("Started to calculate cooling load\r\n", 0), 0u) << log;
  EXPECT_EQ(CountOf(log, "Modelling Office north - Processing Month No."), 12u);
  EXPECT_EQ(CountOf(log, "Modelling Office interior - Processing Month No.12....\r\n"), 1u);
  EXPECT_EQ(CountOf(log, "Plant Simulation - Processing Month No."), 12u);
  EXPECT_EQ(CountOf(log, "\r\n"), CountOf(log, "\n"));

  const CliRun piped = RunCli("energy STARTER.PRJ --db " + Quote(kDb) + " --eur PIPED.EUR", tmp.Folder());
  ASSERT_EQ(piped.status, 0) << piped.output;
  EXPECT_EQ(CountOf(piped.output, "\r"), 0u);
  EXPECT_EQ(CountOf(piped.output, "Processing Month No."), 36u);
  const CliRun quiet = RunCli("energy STARTER.PRJ --db " + Quote(kDb) + " --quiet --eur QUIET.EUR", tmp.Folder());
  ASSERT_EQ(quiet.status, 0) << quiet.output;
  EXPECT_EQ(quiet.output.rfind("\nAnnual Energy Use for Air Conditioning", 0), 0u) << quiet.output;
  EXPECT_EQ(CountOf(quiet.output, "calculat"), 0u) << quiet.output;
  EXPECT_EQ(tmp.Read("TTY.EUR"), tmp.Read("PIPED.EUR"));
  EXPECT_EQ(tmp.Read("TTY.EUR"), tmp.Read("QUIET.EUR"));

  PlantInput plant;
  ASSERT_TRUE(ReadPlantFile(tmp.File("STARTER.WSS"), plant));
  plant.ChillerCount = 0;
  ASSERT_TRUE(WritePlantFile(tmp.File("STARTER.WSS"), "Starter", plant));
  const CliRun fault = RunCli("energy STARTER.PRJ --db " + Quote(kDb) + " --quiet --reuse-loads", tmp.Folder());
  EXPECT_EQ(fault.status, 1);
  EXPECT_EQ(fault.output, "SimPrep: No Chillers?\n");
  EXPECT_EQ(RunCli("energy STARTER.PRJ --db " + Quote(kDb) + " --log " + Quote(tmp.File("no/such/run.log")),
                   tmp.Folder()).output,
            "kelca-cli energy: cannot write the run log " + tmp.File("no/such/run.log") + "\n");
}
