// Shading-mask generation against hand-worked geometry, and the ".SHM" file.
#include <gtest/gtest.h>

#include <cmath>

#include "energy/ShadingMask.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
ShadingMaskInput Window(int orientation, float w, float h) {
  ShadingMaskInput in;
  in.Orientation = orientation;
  in.W = w;
  in.H = h;
  in.Name = "WIN";
  return in;
}
}  // namespace

TEST(ShadingMask, AnUnshadedWindowIsSunlitFromTheFrontOnlyAndSeesTheWholeSky) {
  ShadingMask mask;
  ASSERT_TRUE(GenerateShadingMask(Window(5, 2, 1.5f), mask));  // south
  for (int i = 0; i < 36; ++i) {
    const int centre = 10 * i + 5;
    const bool front = centre < 90 || centre > 270;  // 95..265 deg from south lie behind
    for (int j = 0; j < 9; ++j) EXPECT_EQ(mask.Mask[j][i], front ? 1.0f : 0.0f) << i << "," << j;
  }
  FinishShadingMask(mask);
  EXPECT_FLOAT_EQ(mask.DiffuseFraction, 1.0f);

  ASSERT_TRUE(GenerateShadingMask(Window(3, 1, 1), mask));  // east: normal at 270 deg from south
  EXPECT_EQ(mask.Mask[4][18], 1.0f);                        // 185 deg: 85 deg off the normal
  EXPECT_EQ(mask.Mask[4][17], 0.0f);                        // 175 deg: 95 deg off
  EXPECT_EQ(mask.Mask[4][35], 1.0f);                        // 355 deg: 85 deg off the other way
  EXPECT_EQ(mask.Mask[4][0], 0.0f);
  ASSERT_TRUE(GenerateShadingMask(Window(6, 1, 1), mask));  // south-west: 135 deg lies exactly 90 off
  EXPECT_EQ(mask.Mask[0][13], 0.0f);
  EXPECT_EQ(mask.Mask[0][12], 1.0f);
}

TEST(ShadingMask, OverhangShadowFollowsTheProfileAngle) {
  ShadingMaskInput in = Window(5, 2, 1.5f);
  in.OP = 0.6f;
  ShadingMask mask;
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  for (int j : {0, 3, 6}) {
    for (int i : {0, 4, 33}) {
      const double beta = (10 * j + 5) * M_PI / 180, delta = (i < 18 ? 10 * i + 5 : 10 * i + 5 - 360) * M_PI / 180;
      const double v = 0.6 * std::tan(beta) / std::cos(delta);
      EXPECT_NEAR(mask.Mask[j][i], std::max(0.0, 1.5 - v) / 1.5, 1e-5) << i << "," << j;
    }
  }
  EXPECT_EQ(mask.Mask[8][0], 0.0f);  // 85 deg high sun: the window lies wholly in the shadow

  in.DT = 100;  // an overhang far above the window casts no shadow on it
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  EXPECT_EQ(mask.Mask[8][0], 1.0f);
  in.DT = 0.3f;  // the shadow starts 0.3 m above the window top
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  const double v = 0.6 * std::tan(45 * M_PI / 180) / std::cos(5 * M_PI / 180);
  EXPECT_NEAR(mask.Mask[4][0], (1.5 + 0.3 - v) / 1.5, 1e-5);
}

TEST(ShadingMask, SideFinsShadeFromTheirOwnSideOnly) {
  ShadingMaskInput in = Window(5, 2, 1);
  in.LP = 0.5f;  // left fin at the window's left edge
  in.RP = 0.4f;
  in.DR = 0.2f;  // right fin 0.2 m beyond the right edge
  ShadingMask mask;
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  // Sun 45 deg towards the west: the left fin's shadow is 0.5 m wide.
  EXPECT_NEAR(mask.Mask[2][4], 1.5 / 2, 1e-6);
  // Sun 45 deg towards the east: the right fin's 0.4 m shadow starts 0.2 m off the window.
  EXPECT_NEAR(mask.Mask[2][31], (2 + 0.2 - 0.4) / 2, 1e-6);
  // Sun 85 deg towards the east, beyond the fin's cut-off angle atan(2.2 / 0.4): the whole width is shaded.
  EXPECT_EQ(mask.Mask[2][27], 0.0f);
  // 75 deg, within the cut-off: the shadow is 0.4 tan 75 wide.
  EXPECT_NEAR(mask.Mask[2][28], (2.2 - 0.4 * std::tan(75 * M_PI / 180)) / 2, 1e-5);
}

TEST(ShadingMask, BadInputIsRefusedAndNothingIsWritten) {
  TempFolder dir;
  ShadingMask mask;
  // The mask command's test covers an unknown orientation, an area of 0 and a missing name.
  EXPECT_EQ(GenerateShadingMask(Window(9, 1, 1), mask).message, "Window orientation not yet set !");
  EXPECT_EQ(GenerateShadingMask(Window(1, -2, -1.5f), mask).message, "Window area <= 0!");
  EXPECT_EQ(GenerateShadingMask(Window(1, 1e20f, 1e20f), mask).message, "Window area too large!");
  ShadingMaskInput unnamed = Window(1, 1, 1);
  unnamed.Name = "";
  ASSERT_TRUE(GenerateShadingMask(unnamed, mask));
  EXPECT_EQ(SaveShadingMask(dir.Folder(), unnamed, mask).message, "No name given to shading mask yet!");
  EXPECT_FALSE(std::filesystem::exists(dir.File(".SHM")));
}

TEST(ShadingMaskFile, WrittenRoundedWithItsDescriptionAndReadBack) {
  TempFolder dir;
  ShadingMaskInput in = Window(2, 1.2f, 1.8f);
  in.OP = 0.45f;
  in.LP = 0.3f;
  in.Name = "NE_W1";
  ShadingMask mask;
  ASSERT_TRUE(GenerateShadingMask(in, mask));
  ASSERT_TRUE(SaveShadingMask(dir.Folder(), in, mask));
  float sum = 0;
  for (const auto& row : mask.Mask) {
    for (float v : row) {
      EXPECT_FLOAT_EQ(v, std::nearbyint(v * 10000) / 10000);
      sum += v;
    }
  }
  EXPECT_NEAR(mask.DiffuseFraction, sum / 162, 5e-5);

  const std::string text = dir.Read("NE_W1.SHM");
  EXPECT_NE(text.find("\r\n\r\nThe above shading mask is for:\r\n"
                      "Window orientation                   NE \r\n"
                      "Window Width (m)                      1.2 \r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Filename for this set of data        NE_W1.SHM \r\n"), std::string::npos);

  ShadingMask back;
  ASSERT_TRUE(ReadShadingMaskFile(dir.File("NE_W1.SHM"), back));
  EXPECT_EQ(back.Mask, mask.Mask);
  EXPECT_EQ(back.DiffuseFraction, mask.DiffuseFraction);

  dir.Write("SHORT.SHM", "1,1,1\r\n");
  EXPECT_NE(ReadShadingMaskFile(dir.File("SHORT.SHM"), back).message.find("SHORT.SHM"), std::string::npos);
  EXPECT_EQ(back.Mask, mask.Mask);
}
