#pragma once
// Curve evaluation and the two root finders of the equipment models. All
// arithmetic is single precision, in the order written.
#include <array>

#include "energy/SimStatus.h"

namespace kelca {

// A polynomial of up to 9 terms: C[k] is the coefficient of x^k, k < Terms.
struct Polynomial {
  int Terms = 0;
  std::array<float, 9> C{};
};

// z(x, y) = c1 + c2 x + c3 x^2 + c4 y + c5 y^2 + c6 x y + c7 x^2 y + c8 x y^2 + c9 x^2 y^2,
// with c1..c9 in C[0..8].
struct Biquadratic {
  std::array<float, 9> C{};
};

float EvalPoly(const Polynomial& p, float x);
float EvalPolyDeriv(const Polynomial& p, float x);
// Newton's method on p(x) = 0 from x0 (> 0), to |dx| < 0.0001 x0. On failure sets
// the status and leaves x at the last iterate.
bool SZ1N(const Polynomial& p, float x0, float& x, SimStatus& status);

struct QuadraticRoots {
  float Re1 = 0, Im1 = 0;
  float Re2 = 0, Im2 = 0;
  bool Complex = false;
};
// The roots of a x^2 + b x + c = 0 (a not 0).
QuadraticRoots SolveQuadratic(float a, float b, float c);

float EvalBiquadratic(const Biquadratic& q, float x, float y);
// Solves z(x, y) = z for y, taking the larger real root. Complex roots fail and
// leave y unchanged; a negative root fails but is still returned in y. Where
// the surface is linear in y (a = 0) the single root is taken; where it does
// not depend on y at all there is no real solution.
bool SYZ29(const Biquadratic& q, float x, float& y, float z, SimStatus& status);

}  // namespace kelca
