#include "plant/Solvers.h"

#include <cmath>

namespace kelca {

float EvalPoly(const Polynomial& p, float x) {
  float t = 1;
  float s = p.C[0];
  for (int k = 1; k < p.Terms; ++k) {
    t = t * x;
    s = s + t * p.C[k];
  }
  return s;
}

float EvalPolyDeriv(const Polynomial& p, float x) {
  float s = p.C[1];
  float t = 1;
  for (int k = 2; k < p.Terms; ++k) {
    t = t * x;
    s = s + static_cast<float>(k) * p.C[k] * t;
  }
  return s;
}

bool SZ1N(const Polynomial& p, float x0, float& x, SimStatus& status) {
  constexpr int kMaxSteps = 1000;
  const float tolerance = 0.0001f * x0;
  x = x0;
  for (int step = 0; step < kMaxSteps; ++step) {
    const float d = EvalPolyDeriv(p, x);
    if (d == 0) return status.Fail("SZ1N: dz/dx = 0; function not solvable!");
    const float dx = -EvalPoly(p, x) / d;
    x = x + dx;
    if (std::fabs(dx) < tolerance) return true;
  }
  return status.Fail("SZ1N: No solution found within 1000 steps!");
}

QuadraticRoots SolveQuadratic(float a, float b, float c) {
  QuadraticRoots r;
  const float d = b * b - 4.0f * a * c;
  if (d < 0) {
    r.Complex = true;
    r.Re1 = r.Re2 = -b / (2.0f * a);
    r.Im1 = std::sqrt(std::fabs(d)) / (2.0f * a);
    r.Im2 = -r.Im1;
  } else {
    r.Re1 = (std::sqrt(d) - b) / (2.0f * a);
    r.Re2 = -(std::sqrt(d) + b) / (2.0f * a);
  }
  return r;
}

float EvalBiquadratic(const Biquadratic& q, float x, float y) {
  const auto& c = q.C;
  const float x2 = x * x;
  const float y2 = y * y;
  return c[0] + c[1] * x + c[2] * x2 + c[3] * y + c[4] * y2 + c[5] * x * y + c[6] * x2 * y + c[7] * x * y2 +
         c[8] * x2 * y2;
}

bool SYZ29(const Biquadratic& q, float x, float& y, float z, SimStatus& status) {
  const auto& c = q.C;
  const float x2 = x * x;
  const float a = c[8] * x2 + c[7] * x + c[4];
  const float b = c[6] * x2 + c[5] * x + c[3];
  const float k = c[2] * x2 + c[1] * x + c[0] - z;
  if (a == 0) {
    // The surface is linear in y here; a quadratic formula would divide by zero.
    if (b == 0) return status.Fail("SYZ29: Imaginary solution found!");
    y = -k / b;
  } else {
    const QuadraticRoots roots = SolveQuadratic(a, b, k);
    if (roots.Complex) return status.Fail("SYZ29: Imaginary solution found!");
    y = roots.Re1 > roots.Re2 ? roots.Re1 : roots.Re2;
  }
  if (y < 0) return status.Fail("SYZ29: Negative solution found!");
  return true;
}

}  // namespace kelca
