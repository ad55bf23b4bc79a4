// kelca-cli mask, run as a user would in a folder of their own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/CliRun.h"
#include "support/TempFolder.h"

using namespace kelca::testing;

namespace {
CliRun RunIn(const TempFolder& dir, const std::string& args) { return RunCli("mask " + args, dir.Folder()); }
}  // namespace

TEST(MaskCommand, WritesTheMaskInTheCurrentFolderAndPrintsTheDiffuseFraction) {
  TempFolder dir;
  const CliRun run = RunIn(dir, "--orient S --width 2 --height 1.5 --op 0.6 --name SOUTH");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Diffuse fraction: 0.3625"), std::string::npos) << run.output;
  const std::string text = dir.Read("SOUTH.SHM");
  EXPECT_TRUE(text.starts_with("0.9649,0.8924,0.8128,"));  // 1.5 m window under a 0.6 m overhang
  EXPECT_NE(text.find("Overhang Projection (m)               0.6 \r\n"), std::string::npos);
}

// The generator's and the writer's refusals are printed word for word; a value
// that is no number reads as 0.
TEST(MaskCommand, BadInputGivesTheMessagesAndWritesNothing) {
  TempFolder dir;
  for (const auto& [args, printed] : std::vector<std::pair<std::string, std::string>>{
           {"--orient UP --width 2 --height 1 --name A", "Window orientation not yet set !\n"},
           {"--orient NW --width 2 --height x --name A", "Window area <= 0!\n"},
           {"--orient NW --width 2 --height 1", "No name given to shading mask yet!\n"}}) {
    const CliRun run = RunIn(dir, args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_EQ(run.output, printed);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Folder()));
  const CliRun run = RunIn(dir, "--orient NW --width");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("no value after --width"), std::string::npos);
}
