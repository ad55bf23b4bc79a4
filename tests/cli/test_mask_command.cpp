// kelca-cli mask, run as a user would in a folder of their own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

TEST(MaskCommand, BadInputGivesTheMessagesAndWritesNothing) {
  TempFolder dir;
  CliRun run = RunIn(dir, "--orient UP --width 2 --height 1 --name A");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "Window orientation not yet set !\n");
  run = RunIn(dir, "--orient NW --width 2 --height x --name A");
  EXPECT_EQ(run.output, "Window area <= 0!\n");
  run = RunIn(dir, "--orient NW --width -2 --height -1 --name A");
  EXPECT_EQ(run.output, "Window area <= 0!\n");
  run = RunIn(dir, "--orient NW --width 1e20 --height 1e20 --name A");
  EXPECT_EQ(run.output, "Window area too large!\n");
  run = RunIn(dir, "--orient NW --width 2 --height 1");
  EXPECT_EQ(run.output, "No name given to shading mask yet!\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir.Folder()));
  run = RunIn(dir, "--orient NW --width");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("no value after --width"), std::string::npos);
}
