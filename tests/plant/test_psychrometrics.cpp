#include <gtest/gtest.h>

#include "plant/Psychrometrics.h"

using namespace kelca;

TEST(Psychrometrics, SatPressureMatchesSteamTables) {
  // Saturation pressures of water, kPa (steam tables).
  EXPECT_NEAR(SatPressure(0.01f), 0.6117f, 0.001f);
  EXPECT_NEAR(SatPressure(20.0f), 2.3392f, 0.002f);
  EXPECT_NEAR(SatPressure(24.0f), 2.9852f, 0.003f);
  EXPECT_NEAR(SatPressure(50.0f), 12.352f, 0.01f);
  EXPECT_NEAR(SatPressure(100.0f), 101.42f, 0.1f);
}

TEST(Psychrometrics, HumidityRatioAndEnthalpyOfRoomAir) {
  // 24 deg C, 55 % RH: about 0.0103 kg/kg and 50.3 kJ/kg.
  const float w = VapourHumidityRatio(0.55f * SatPressure(24.0f));
  EXPECT_NEAR(w, 0.0103f, 0.0002f);
  EXPECT_NEAR(MoistAirEnthalpy(24.0f, w), 50.3f, 0.4f);
  EXPECT_FLOAT_EQ(MoistAirEnthalpy(0.0f, 0.0f), 0.0f);
}
