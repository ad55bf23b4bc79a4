#include <gtest/gtest.h>

#include "app/StartupSettings.h"
#include "app/StatusPanel.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

// How long the header stays is checked through the main window.
TEST(StatusPanel, StartupTextReplacesWhatWasShownAndScrollsUp) {
  StatusPanel panel;
  panel.Lines[0] = "left over";
  FillStartupPanel(panel);
  const StatusPanel start = panel;
  EXPECT_EQ(start.Lines[0], "");
  EXPECT_EQ(start.Lines[1], " " + std::string(72, '-') + " ");
  EXPECT_NE(start.Lines[2].find("Kelca"), std::string::npos);
  for (int i = 0; i < 3; ++i) ShowStatus(panel, "   m" + std::to_string(i));
  EXPECT_EQ(panel.Lines[20], "   m0");
  EXPECT_EQ(panel.Lines[18], start.Lines[21]);  // the about text moved up by three
}

TEST(StartupSettings, FolderComesFromKelcaThenXdgThenHome) {
  EXPECT_EQ(SettingsFolderFrom("/k", "/x", "/h"), "/k/");
  EXPECT_EQ(SettingsFolderFrom("", "/x/", "/h"), "/x/kelca/");
  EXPECT_EQ(SettingsFolderFrom(nullptr, nullptr, "/h"), "/h/.config/kelca/");
  EXPECT_EQ(SettingsFolderFrom(nullptr, "", ""), "");
}

TEST(StartupSettings, DatabaseFolderRoundTripsAsOneQuotedLineAndAMissingFileIsNoError) {
  TempFolder tmp;
  const std::string config = tmp.Folder() + "new/config/";
  ASSERT_TRUE(WriteStartupSettings(config, "/data/db/"));
  EXPECT_EQ(tmp.Read("new/config/LCA_ZQ_Str.TXT"), "\"/data/db/\"\r\n");
  std::string folder;
  Status status;
  ASSERT_TRUE(ReadStartupSettings(config, folder, status));
  EXPECT_EQ(folder, "/data/db/");

  EXPECT_FALSE(ReadStartupSettings(tmp.Folder(), folder, status));
  EXPECT_TRUE(status);
  EXPECT_EQ(folder, "");
  tmp.Write("LCA_ZQ_Str.TXT", "\r\n");
  EXPECT_FALSE(ReadStartupSettings(tmp.Folder(), folder, status));
  EXPECT_NE(status.message.find("LCA_ZQ_Str.TXT"), std::string::npos);
  tmp.Write("LCA_ZQ_Str.TXT", "\"/db\"\r\n");  // written by hand without the trailing "/"
  EXPECT_TRUE(ReadStartupSettings(tmp.Folder(), folder, status));
  EXPECT_EQ(folder, "/db/");
}
