#include "plant/PlantCurves.h"

#include <initializer_list>

namespace kelca {

namespace {
Polynomial Poly(std::initializer_list<float> c) {
  Polynomial p;
  for (float v : c) p.C[p.Terms++] = v;
  return p;
}
}  // namespace

PlantCurves InitCoefficients() {
  PlantCurves k;
  k.FanSystemPressure = Poly({0.44491f, 0.21581f, 0.33305f});
  k.IgvFanPressure.C = {1.69153f, -8.39839f, 3.51603f, 1.04f, -0.85744f, 23.742979f, -15.718f, -14.70191f, 10.72223f};
  k.IgvFanPower.C = {0.46447f, -0.31239f, 0.0357f, -0.08436f, 0.05953f, 3.8802f, -2.8133f, -2.5911f, 2.3872f};
  k.VsFanPressure = Poly({1.913925f, 0.730755f, -1.600055f});
  k.VsFanPower = Poly({0.4225907f, 1.122311f, -0.5531181f});
  k.CoilChwFlow = Poly({0.0266174f, 0.0953265f, 0.855754f});
  k.PumpSystemHead = Poly({0.5f, 0.0f, 0.5f});
  k.PumpHeadConstantSpeed = Poly({1.0f, 0.0f, 0.0f});
  k.PumpHeadVariableSpeed = Poly({1.4636f, 0.54606f, -1.00145f});
  k.PumpPower = Poly({0.338249f, 0.972488f, -0.291451f});
  k.TowerLeavingWater.C = {2.526397f,     0.8566179f, 0.002753765f,  2.184939f,    -0.060394f,
                           -0.07446829f, 0.0004228827f, 0.002494468f, -2.104661E-05f};

  auto& air = k.ChillerPower[kAirCooledCondenser];
  auto& water = k.ChillerPower[kWaterCooledCondenser];
  air[0].C = {0.2176147f,    0.03970316f,   0.4466515f,     -0.003194077f, 0.000135337f,
              0.009742481f,  -0.009199176f, -0.0001260595f, 0.0003080731f};
  water[0].C = {0.2365104f,  0.5541562f,  -0.2740942f,   -0.007579433f, 0.0002576668f,
                -0.01010772f, 0.02600815f, 0.0002958254f, -0.0003759683f};
  air[1].C = {0.3180071f,  -0.3507387f,  0.4613133f,     -0.01497708f, 0.0002561969f,
              0.04304826f, -0.01474649f, -0.0003886984f, 0.0002155489f};
  water[1].C = {0.04935148f, -0.1874186f,   0.5688225f,     -0.00097063f, 2.560496E-05f,
                0.02906335f, -0.007051698f, -0.0002066242f, 8.163767E-05f};
  air[2].C = {0.0933892f,     0.3604203f,    0.09226552f,   -0.002914894f, 8.828761E-05f,
              0.0006493452f, 0.0003963624f, 1.662222E-05f, 0.0006363468f};
  water[2].C = {-0.7047963f,  1.356044f,    0.1971014f,   0.06228124f,  -0.0007257236f,
                -0.07754372f, -0.01013358f, 0.001038016f, 0.0006371024f};
  return k;
}

}  // namespace kelca
