// Every file of the bundled starter project is exactly what the project's own
// writers write.
#include <gtest/gtest.h>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/ProjectState.h"
#include "common/FileIO.h"
#include "common/Paths.h"
#include "database/UserValues.h"
#include "support/TempFolder.h"

using namespace kelca;
using namespace kelca::testing;

namespace {
const std::string kStarter = KELCA_SOURCE_DIR "/samples/starter/";

std::string Bytes(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
  return bytes;
}

// Reads each file of the project with the readers, writes it again with the
// writers into out, and compares the bytes.
struct RoundTrip {
  void Group(int grpType, const std::string& file) {
    GroupRecord g;
    g.GrpFile = file;
    ASSERT_TRUE(ReadGroupFile(kStarter, grpType, GroupTypeName(grpType), g));
    ASSERT_TRUE(WriteGroupFile(out_.Folder(), grpType, g));
    Compare(file);
    for (int c = 0; c < g.GrpCompCount; ++c) Component(grpType, g.GrpCompFile[c]);
  }
  void Component(int grpType, const std::string& file) {
    ComponentRecord c;
    c.CompFile = file;
    ASSERT_TRUE(ReadCompFile(kStarter, CompFileTypeCode(grpType), c));
    ASSERT_TRUE(WriteCompFile(out_.Folder(), CompFileTypeCode(grpType), c));
    Compare(file);
    for (int e = 0; e < c.CompElmCount; ++e) Element(grpType, c.CompElmFile[e]);
  }

  void Element(int grpType, const std::string& file) {
    ElementRecord e;
    e.ElmFile = file;
    ASSERT_TRUE(ReadElmFile(kStarter, ElmFileTypeCode(grpType), GroupTypeName(grpType), e));
    ASSERT_TRUE(WriteElmFile(out_.Folder(), ElmFileTypeCode(grpType), e));
    Compare(file);
    UserValues u;
    ASSERT_TRUE(ReadUserValues(UserValuesPathOf(kStarter + file), u));
    if (u.UseUserValues) {
      ASSERT_TRUE(WriteUserValues(UserValuesPathOf(out_.File(file)), u, true));
      Compare(FileNameOf(UserValuesPathOf(file)));
    }
  }

  void Compare(const std::string& file) { EXPECT_EQ(out_.Read(file), Bytes(kStarter + file)) << file; }

  const TempFolder& out_;
};
}  // namespace

TEST(StarterSample, EveryFileIsInTheWritersForm) {
  TempFolder out;
  ProjectState p;
  ASSERT_TRUE(ReadProjectFile(kStarter + "STARTER.PRJ", p));
  p.ProjFileName = "STARTER.PRJ";
  ASSERT_TRUE(WriteProjectFile(out.File("STARTER.PRJ"), p));
  EXPECT_EQ(out.Read("STARTER.PRJ"), Bytes(kStarter + "STARTER.PRJ"));
  ASSERT_TRUE(p.FdnCount > 0 && p.FlrCount > 0 && p.SerCount > 0);
  RoundTrip trip{out};
  for (int g = 0; g < p.FdnCount; ++g) trip.Group(kFoundation, p.FdnFile[g]);
  for (int g = 0; g < p.FlrCount; ++g) trip.Group(kFloor, p.FlrFile[g]);
  for (int g = 0; g < p.SerCount; ++g) trip.Group(kServices, p.SerFile[g]);
}
