#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/ListEditing.h"
#include "common/Paths.h"
#include "common/ScriptedPrompts.h"
#include "support/TempFolder.h"

using namespace kelca;

TEST(Paths, FolderAndFileNameSplitAtEitherSeparator) {
  for (const auto& [path, folder, name] : {std::tuple{"/home/u/proj/OFFICE.PRJ", "/home/u/proj/", "OFFICE.PRJ"},
                                           {"C:\\LCA\\proj\\G1.FLR", "C:\\LCA\\proj\\", "G1.FLR"},
                                           {"G1.FLR", "", "G1.FLR"}, {"dir/", "dir/", ""}}) {
    EXPECT_EQ(FolderOf(path), folder);
    EXPECT_EQ(FileNameOf(path), name);
  }
}

TEST(Paths, ResolveAndReplaceExtension) {
  for (const auto& [folder, name, path] : {std::tuple{"/p/", "G1.FLR", "/p/G1.FLR"},
                                           {"/p", "Ch1\\Ch1Slides.txt", "/p/Ch1/Ch1Slides.txt"},
                                           {"/p/", "/abs/X.TXT", "/abs/X.TXT"}, {"", "X.TXT", "X.TXT"}}) {
    EXPECT_EQ(ResolvePath(folder, name), path);
  }
  EXPECT_EQ(ReplaceLastThree("/p/OFFICE.PRJ", "ECI"), "/p/OFFICE.ECI");
  EXPECT_EQ(ReplaceLastThree("AB", "ECI"), "ECI");
  EXPECT_EQ(WithTrailingSlash("/p"), "/p/");
  EXPECT_EQ(WithTrailingSlash("/p/"), "/p/");
}

TEST(Paths, CaseInsensitiveFallbackFindsFilesAndTheirFolders) {
  kelca::testing::TempFolder tmp;
  tmp.Write("MATLCIA.IDB", "x");
  std::filesystem::create_directories(tmp.File("Found/sub"));
  tmp.Write("Found/e7.imp", "x");
  tmp.Write("Found/sub/A.TXT", "x");
  for (const auto& [asked, found] : std::vector<std::pair<std::string, std::string>>{
           {"matlcia.idb", "MATLCIA.IDB"}, {"MATLCIA.IDB", "MATLCIA.IDB"}, {"OTHER.IDB", "OTHER.IDB"},
           {"nofolder/x", "nofolder/x"}, {"FOUND/E7.IMP", "Found/e7.imp"}, {"found/SUB/a.txt", "Found/sub/A.TXT"},
           {"FOUND/GONE.IMP", "FOUND/GONE.IMP"}, {"found", "found"}}) {  // a folder is no file
    EXPECT_EQ(FindExistingFile(tmp.File(asked)), tmp.File(found)) << asked;
  }
  // A finder that lists each folder once finds the same files, the second time from its listing.
  FileFinder finder;
  for (int pass = 0; pass < 2; ++pass) {
    for (const char* asked : {"matlcia.idb", "MATLCIA.IDB", "OTHER.IDB", "nofolder/x", "FOUND/E7.IMP",
                              "Found/E7.IMP", "found/SUB/a.txt", "FOUND/GONE.IMP", "found", "Found/sub"}) {
      const std::string expected = FindExistingFile(tmp.File(asked));
      const bool exists = std::filesystem::is_regular_file(expected);
      EXPECT_EQ(finder.Find(tmp.File(asked)), exists ? std::optional(expected) : std::nullopt) << asked;
    }
  }
}

// Save dialogs: a name without an extension, typed or proposed, takes the filter's.
TEST(SaveDialogs, ANameWithoutAnExtensionTakesTheFilters) {
  const struct {
    std::string filter, proposed, typed, shown, saved;
  } cases[] = {
      {"LCA/LCC Results (*.RES)|*.RES", "OFFICE_R", "/p/OFFICE_R", "OFFICE_R.RES", "/p/OFFICE_R.RES"},
      {"Weights (*.WGT)|*.WGT", "", "/p/my.v2/W", "", "/p/my.v2/W.WGT"},
      {"Weights (*.WGT)|*.WGT", "", "/p/W.wgt", "", "/p/W.wgt"},       // an extension of its own stays
      {"Weights (*.WGT)|*.WGT", "", "/p/W.", "", "/p/W.WGT"},          // a bare dot is none
      {"PNG Picture (*.PNG)|*.PNG|SVG Drawing (*.SVG)|*.SVG", "", "/p/C", "", "/p/C.PNG"},
      {"", "", "/p/New", "", "/p/New"},                                // no filter: a folder name
      {"All (*.*)|*.*", "X", "/p/New", "X", "/p/New"},
      {"Runs (*.EUR)|*.EUR", "/p/A.EUR", "", "/p/A.EUR", ""}};         // cancelled
  for (const auto& c : cases) {
    ScriptedPrompts prompts;
    prompts.QueueFile(c.typed);
    EXPECT_EQ(prompts.SaveFileName({"Save", c.filter, "", c.proposed}), c.saved) << c.typed;
    EXPECT_EQ(prompts.dialogs.back().proposedName, c.shown) << c.proposed;
  }
}

TEST(ListEditing, InsertAfterPickedLineWithinBoundAndDeleteShiftsUp) {
  int count = 2;
  std::array<std::string, 4> names{"a", "b"};
  std::array<float, 4> qty{1, 2};
  EXPECT_EQ(list::InsertAfter(count, 4, 0, names, qty), 1);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(names, (std::array<std::string, 4>{"a", "", "b"}));
  EXPECT_EQ(qty[2], 2);
  EXPECT_EQ(list::InsertAfter(count, 4, -1, names, qty), 3);  // nothing picked: at the end
  EXPECT_EQ(list::InsertAfter(count, 4, 0, names, qty), -1);  // full
  EXPECT_EQ(count, 4);

  // Deleting shifts the later lines up and clears the last slot.
  count = 3;
  std::array<std::string, 3> three{"a", "b", "c"};
  EXPECT_TRUE(list::DeleteAt(count, 0, three));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(three, (std::array<std::string, 3>{"b", "c", ""}));
  EXPECT_FALSE(list::DeleteAt(count, 2, three));
  EXPECT_FALSE(list::DeleteAt(count, -1, three));
}

TEST(ListEditing, MoveUpAndDownStayInsideTheList) {
  std::array<int, 5> v{1, 2, 3, 0, 0};
  std::array<std::string, 5> s{"x", "y", "z"};
  EXPECT_FALSE(list::MoveUp(3, 0, v, s));
  EXPECT_TRUE(list::MoveUp(3, 2, v, s));
  EXPECT_EQ(std::pair(v[1], s[1]), std::pair(3, std::string("z")));
  EXPECT_FALSE(list::MoveDown(3, 2, v, s));  // the last used entry does not move into an empty slot
  EXPECT_TRUE(list::MoveDown(3, 0, v, s));
  EXPECT_EQ(v, (std::array<int, 5>{3, 1, 2, 0, 0}));
}

TEST(ListEditing, ListsNumberedFrom1KeepSlot0AndStayInsideTheirBounds) {
  // Slot 0 holds a total that no edit may move.
  int count = 3;
  std::array<std::string, 5> names{"total", "a", "b", "c"};
  std::array<float, 5> qty{6, 1, 2, 3};
  EXPECT_EQ(list::InsertAfterFrom1(count, 4, 1, names, qty), 2);
  EXPECT_EQ(names, (std::array<std::string, 5>{"total", "a", "", "b", "c"}));
  EXPECT_EQ(qty, (std::array<float, 5>{6, 1, 0, 2, 3}));
  EXPECT_EQ(list::InsertAfterFrom1(count, 4, 1, names, qty), -1);  // full
  EXPECT_TRUE(list::DeleteAtFrom1(count, 1, names, qty));
  EXPECT_EQ(names, (std::array<std::string, 5>{"total", "", "b", "c", ""}));
  EXPECT_EQ(list::InsertAfterFrom1(count, 4, 0, names, qty), 4);  // nothing picked: at the end
  for (int bad : {0, 5}) EXPECT_FALSE(list::DeleteAtFrom1(count, bad, names, qty));
  // A bound beyond an array is refused rather than written past its end.
  EXPECT_EQ(list::InsertAfterFrom1(count, 5, 1, names, qty), -1);

  // A count outside its range changes nothing; a smaller one clears what it drops.
  for (int bad : {0, 5}) EXPECT_FALSE(list::SetCountFrom1(count, bad, 1, 4, names, qty));
  EXPECT_EQ(count, 4);
  EXPECT_TRUE(list::SetCountFrom1(count, 2, 1, 4, names, qty));
  EXPECT_TRUE(list::SetCountFrom1(count, 4, 1, 4, names, qty));
  EXPECT_EQ(names, (std::array<std::string, 5>{"total", "", "b", "", ""}));
  EXPECT_EQ(qty[0], 6);
}
