#include "database/StackProgram.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"

namespace kelca {
namespace {

constexpr int kPlaces = 5;
using Stack = std::array<float, kPlaces>;  // [0] is X, [1] is Y

void Push(Stack& s) {
  for (int i = kPlaces - 1; i > 0; --i) s[i] = s[i - 1];
  s[0] = 0;
}

// X := result, then the places below Y move up one and the lowest becomes 0.
void SetAndDrop(Stack& s, double result) {
  s[0] = static_cast<float>(result);
  for (int i = 1; i < kPlaces - 1; ++i) s[i] = s[i + 1];
  s[kPlaces - 1] = 0;
}

float ElementValueNumber(const ElementValues& elmValue, double value) {
  const long long index = RoundHalfEven(value) - 1;
  if (index < 0 || index >= kElementValueSlots) return 0;
  return static_cast<float>(Val(elmValue[index]));
}

double Pi() { return 4 * std::atan(1.0); }

}  // namespace

int MaterialSubstitution::Apply(int matNo) const {
  for (int j = 0; j < Count; ++j) {
    if (DefaultMatNo[j] == matNo) return UserMatNo[j];
  }
  return matNo;
}

MaterialSubstitution SubstitutionFor(const OperationsFile& ops, const UserValues& values) {
  MaterialSubstitution sub;
  if (!values.UseUserValues) return sub;
  sub.Count = std::min({values.Count, static_cast<int>(ops.Blocks.size()), kMaxElementMaterials});
  for (int j = 0; j < sub.Count; ++j) {
    sub.DefaultMatNo[j] = ops.Blocks[j].DefaultMatNo;
    sub.UserMatNo[j] = values.MatNo[j];
  }
  return sub;
}

StackResult EvaluateOperations(const std::vector<OperationLine>& lines,
                               const ElementValues& elmValue,
                               const MaterialTable& materials, const MaterialSubstitution& substitution) {
  Stack s{};
  for (size_t n = 0; n < lines.size(); ++n) {
    const OperationLine& line = lines[n];
    const auto fault = [&](const std::string& what) {
      return StackResult{0, "operation line " + std::to_string(n + 1) + " (code " + std::to_string(line.Code) +
                                ", value " + FormatSingle(line.Value) + "): " + what};
    };
    if (line.Code != 100 && line.Code != 101 && line.Value > 0) s[0] = ElementValueNumber(elmValue, line.Value);
    const double x = s[0], y = s[1];
    switch (line.Code) {
      case 0: Push(s); break;
      case 1: SetAndDrop(s, y + x); break;
      case 2: SetAndDrop(s, y - x); break;
      case 3: SetAndDrop(s, y * x); break;
      case 4: SetAndDrop(s, y / x); break;
      case 5: SetAndDrop(s, std::pow(y, x)); break;
      case 6: s[0] = s[1]; break;
      case 7: s[0] = static_cast<float>(Pi()); break;
      case 8: s[0] = static_cast<float>(std::sqrt(x)); break;
      case 9: s[0] = static_cast<float>(std::pow(x, 1.0 / 3.0)); break;
      case 10: s[0] = static_cast<float>(x / 100); break;
      case 11: s[0] = static_cast<float>(x / 2); break;
      case 12: s[0] = static_cast<float>(Pi() / 4 * x * x); break;
      case 100: {
        const long long c = RoundHalfEven(line.Value);
        const long long m = RoundHalfEven(static_cast<double>(c) / 10);
        const long long p = c - 10 * m;
        if (p < 0 || p > 2) return fault("property " + std::to_string(p) + " is not 0, 1 or 2");
        const int matNo = m < 0 || m > kMaxMaterialNo ? -1 : substitution.Apply(static_cast<int>(m));
        s[0] = materials.MatProp[RowOfMaterial(materials, matNo)][p];
        break;
      }
      case 101: s[0] = line.Value; break;
      default: break;
    }
    if (!std::isfinite(s[0])) return fault("the result is not a finite number");
  }
  return {s[0], ""};
}

}  // namespace kelca
