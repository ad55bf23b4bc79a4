#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "energy/Psychrometrics.h"
#include "plant/EquipmentModels.h"
#include "plant/PlantCurves.h"
#include "plant/Solvers.h"

using namespace kelca;

namespace {

Polynomial Poly(std::initializer_list<float> c) {
  Polynomial p;
  for (float v : c) p.C[p.Terms++] = v;
  return p;
}

// The speed ratio N at which a machine of full-speed head curve f meets head h
// at flow ratio q: N^2 f(q/N) = h, found by bisection in double precision.
double AffinitySpeed(const Polynomial& f, double q, double h) {
  auto excess = [&](double n) {
    const double z = q / n;
    return n * n * (f.C[0] + f.C[1] * z + f.C[2] * z * z) - h;
  };
  double lo = q, hi = 2.0;  // z = q/N stays within 0..1 on the curves used
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    (excess(mid) > 0) == (excess(hi) > 0) ? hi = mid : lo = mid;
  }
  return (lo + hi) / 2;
}

double PolyAt(const Polynomial& p, double x) { return p.C[0] + p.C[1] * x + p.C[2] * x * x; }

}  // namespace

TEST(Psychrometrics, SteamTablesAndRoomAir) {
  // Saturation pressures of water, kPa (steam tables).
  for (const auto& [t, p, tolerance] : {std::tuple{0.01f, 0.6117f, 0.001f}, {20.0f, 2.3392f, 0.002f},
                                        {24.0f, 2.9852f, 0.003f}, {50.0f, 12.352f, 0.01f}, {100.0f, 101.42f, 0.1f}}) {
    EXPECT_NEAR(SatPressure(t), p, tolerance) << t;
  }
  // 24 deg C, 55 % RH: about 0.0103 kg/kg and 50.3 kJ/kg.
  const float w = VapourHumidityRatio(0.55f * SatPressure(24.0f));
  EXPECT_NEAR(w, 0.0103f, 0.0002f);
  EXPECT_NEAR(MoistAirEnthalpy(24.0f, w), 50.3f, 0.4f);
  EXPECT_FLOAT_EQ(MoistAirEnthalpy(0.0f, 0.0f), 0.0f);
}

TEST(Solvers, NewtonFindsRootAndReportsFailuresWordForWord) {
  SimStatus ok;
  float x = 0;
  ASSERT_TRUE(SZ1N(Poly({-2, 0, 1}), 1.0f, x, ok));
  EXPECT_NEAR(x, std::sqrt(2.0f), 1e-4f);
  EXPECT_FALSE(ok.SimError);

  SimStatus flat;  // slope 0 at the start value: x^2 - 2x + 2 at x = 1
  EXPECT_FALSE(SZ1N(Poly({2, -2, 1}), 1.0f, x, flat));
  EXPECT_TRUE(flat.SimError);
  EXPECT_EQ(flat.SimMessage, "SZ1N: dz/dx = 0; function not solvable!");

  SimStatus none;  // x^2 + 1 has no real root
  EXPECT_FALSE(SZ1N(Poly({1, 0, 1}), 0.3f, x, none));
  EXPECT_EQ(none.SimMessage, "SZ1N: No solution found within 1000 steps!");
}

TEST(Solvers, BiquadraticInverseTakesLargerRootAndReportsFailures) {
  Biquadratic q;
  q.C = {1, 2, 0, 0, 1, 0, 0, 0, 0};  // z = 1 + 2x + y^2
  SimStatus ok;
  float y = 0;
  ASSERT_TRUE(SYZ29(q, 1.0f, y, 7.0f, ok));
  EXPECT_FLOAT_EQ(y, 2.0f);

  SimStatus imaginary;
  y = 42.0f;
  EXPECT_FALSE(SYZ29(q, 1.0f, y, 0.0f, imaginary));
  EXPECT_EQ(imaginary.SimMessage, "SYZ29: Imaginary solution found!");
  EXPECT_FLOAT_EQ(y, 42.0f);

  Biquadratic shifted;
  shifted.C = {2, 0, 0, 3, 1, 0, 0, 0, 0};  // y^2 + 3y + 2: roots -1 and -2
  SimStatus negative;
  EXPECT_FALSE(SYZ29(shifted, 0.5f, y, 0.0f, negative));
  EXPECT_EQ(negative.SimMessage, "SYZ29: Negative solution found!");
  EXPECT_FLOAT_EQ(y, -1.0f);

  q.C = {1, 0, 0, 2, 0, 0, 0, 0, 0};  // linear in y: z = 1 + 2y
  ASSERT_TRUE(SYZ29(q, 0.3f, y, 5.0f, ok));
  EXPECT_FLOAT_EQ(y, 2.0f);
}

TEST(EquipmentModels, SeawaterTemperatureTellingValues) {
  for (const auto& [day, t] : {std::pair{1, 20.46f}, {32, 16.48f}, {182, 27.43f}, {213, 27.57f}, {365, 19.59f}}) {
    EXPECT_NEAR(SeawaterTemp(day), t, 0.005f) << day;
  }
}

TEST(EquipmentModels, PumpsDrawRatedPowerAtOrAboveRatedFlowAndFollowCurvesAndAffinityLawsBelow) {
  const PlantCurves k = InitCoefficients();
  SimStatus s;
  PumpPoint p;
  for (int code : {0, 1, 2}) {
    for (float q : {1.0f, 1.4f}) {
      ASSERT_TRUE(PmpWCal(k, code, q, 0.7f, p, s));
      EXPECT_EQ(std::pair(p.PowerRatio, p.HeadRatio), std::pair(1.0f, 0.0f)) << "code " << code << " q " << q;
    }
  }
  ASSERT_TRUE(PmpWCal(k, 0, 0.2f, 0.2f, p, s));  // constant flow
  EXPECT_FLOAT_EQ(p.PowerRatio, 1.0f);
  PumpPoint unknown{5, 5};
  ASSERT_TRUE(PmpWCal(k, 7, 0.5f, 0.5f, unknown, s));
  EXPECT_FLOAT_EQ(unknown.PowerRatio, 0.0f);

  PumpPoint throttled;
  ASSERT_TRUE(PmpWCal(k, 1, 0.5f, 0.5f, throttled, s));
  EXPECT_NEAR(throttled.PowerRatio, PolyAt(k.PumpPower, 0.5), 1e-5);
  // Variable speed at 60 % flow against the system head 0.5 + 0.5 qs^2.
  PumpPoint vs;
  ASSERT_TRUE(PmpWCal(k, 2, 0.6f, 0.6f, vs, s));
  const double head = 0.5 + 0.5 * 0.36;
  EXPECT_NEAR(vs.HeadRatio, head, 1e-6);
  const double n = AffinitySpeed(k.PumpHeadVariableSpeed, 0.6, head);
  EXPECT_NEAR(vs.PowerRatio, n * n * n * PolyAt(k.PumpPower, 0.6 / n), 1e-4);
  EXPECT_LT(vs.PowerRatio, throttled.PowerRatio);
  // Without flow the variable-speed pump holds the system head at low speed: finite, near a trickle's power.
  PumpPoint still, trickle;
  ASSERT_TRUE(PmpWCal(k, 2, 0.0f, 0.0f, still, s));
  ASSERT_TRUE(PmpWCal(k, 2, 0.001f, 0.0f, trickle, s));
  EXPECT_GT(still.PowerRatio, 0.0f);
  EXPECT_NEAR(still.PowerRatio, trickle.PowerRatio, 2e-3f);
  EXPECT_FLOAT_EQ(still.HeadRatio, 0.5f);
  EXPECT_FALSE(s.SimError);
}

TEST(EquipmentModels, FanPowerByControlCodeAndCoilChilledWaterFlow) {
  const PlantCurves k = InitCoefficients();
  SimStatus s;
  FanCoilPoint p;
  // No fan, a constant fan, and variable fans at design flow (not solved): power ratio 0, 1, 1, 1.
  for (int code : {0, 1, 2, 3}) {
    ASSERT_TRUE(ASSFWCF(k, code, 10, 2, 5, 1, code < 2 ? 1 : 2, p, s));
    EXPECT_FLOAT_EQ(p.FanPowerRatio, code == 0 ? 0.0f : 1.0f) << code;
  }

  // Inlet guide vanes at half flow: the power of the vane setting that meets the system pressure.
  ASSERT_TRUE(ASSFWCF(k, 2, 10, 2, 5, 1, 1, p, s));
  const float pressure = EvalPoly(k.FanSystemPressure, 0.5f);
  float vane = 0;
  ASSERT_TRUE(SYZ29(k.IgvFanPressure, 0.5f, vane, pressure, s));
  EXPECT_FLOAT_EQ(p.FanPowerRatio, EvalBiquadratic(k.IgvFanPower, 0.5f, vane));
  const float igv = p.FanPowerRatio;

  // Variable speed at half flow follows the affinity laws and beats the vanes.
  ASSERT_TRUE(ASSFWCF(k, 3, 10, 2, 5, 1, 1, p, s));
  const double n = AffinitySpeed(k.VsFanPressure, 0.5, pressure);
  EXPECT_NEAR(p.FanPowerRatio, n * n * n * PolyAt(k.VsFanPower, 0.5 / n), 1e-4);
  EXPECT_LT(p.FanPowerRatio, igv);
  EXPECT_FALSE(s.SimError);

  // The coil's chilled water follows its curve up to full flow.
  ASSERT_TRUE(ASSFWCF(k, 1, 10, 2, 4, 1, 2, p, s));
  EXPECT_NEAR(p.ChwFlowRatio, PolyAt(k.CoilChwFlow, 0.5), 1e-6);
  ASSERT_TRUE(ASSFWCF(k, 1, 10, 2, 9, 3, 2, p, s));
  EXPECT_FLOAT_EQ(p.ChwFlowRatio, 1.0f);
  ASSERT_TRUE(ASSFWCF(k, 1, 0, 2, 1, 0, 2, p, s));  // no design load: full flow, never NaN
  EXPECT_FLOAT_EQ(p.ChwFlowRatio, 1.0f);
}

TEST(EquipmentModels, FailedFanSolveAppendsItsTextAndKeepsResult) {
  PlantCurves k = InitCoefficients();
  k.IgvFanPressure.C = {5, 0, 0, 0, 1, 0, 0, 0, 0};  // pressure 5 + y^2 never meets the system curve
  SimStatus s;
  FanCoilPoint p{0.25f, 0.75f};
  EXPECT_FALSE(ASSFWCF(k, 2, 10, 2, 5, 1, 1, p, s));
  EXPECT_EQ(s.SimMessage, "SYZ29: Imaginary solution found! ASSFWCF: Failed to solve for IGV angle!");
  EXPECT_EQ(std::pair(p.ChwFlowRatio, p.FanPowerRatio), std::pair(0.25f, 0.75f));

  k = InitCoefficients();
  k.VsFanPressure = Poly({-1, 0, 0});  // -1 - (P/fr^2) z^2 = 0 has no real root
  SimStatus s2;
  EXPECT_FALSE(ASSFWCF(k, 3, 10, 2, 5, 1, 1, p, s2));
  EXPECT_EQ(s2.SimMessage, "SZ1N: No solution found within 1000 steps! ASSFWCF: Failed to solve for fan speed!");
}

