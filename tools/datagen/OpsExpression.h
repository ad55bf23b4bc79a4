#pragma once
// The quantity formula of one material of an element type, written as an
// expression in the library source tables and compiled into the operation
// lines (value, code) of the "E<N>.IMP"/"E<N>.CST" stack program.
//
//   v1..v16          the element's values (item 1..16)
//   rho, k, cp       density, conductivity, specific heat of the block's own material
//   rho(m) ...       the same of material number m
//   pi, numbers, + - * / ^ and parentheses
//   sqrt(x) cbrt(x)  square and cube root
//   circ(d)          area of a circle of diameter d (pi/4 d^2)
//   pct(x) half(x)   x / 100 and x / 2
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/Status.h"

namespace kelca::datagen {

struct CompiledLine {
  float Value = 0;
  int Code = 0;
  std::string Note, Detail;  // the two texts the calculation ignores
};

constexpr int kStackPlaces = 5;
constexpr int kMaxItems = 16;

class OpsExpression {
 public:
  // ownMaterial is the block's default material number (for bare rho, k, cp).
  static Status Parse(const std::string& text, int ownMaterial, OpsExpression& out);

  // Operation lines that leave the value in X; itemNames caption the item loads.
  // Fails when the program would need more than the five stack places.
  Status Compile(const std::vector<std::string>& itemNames, std::vector<CompiledLine>& lines) const;

  // The value computed directly from the formula, for checking compiled programs.
  double Evaluate(const std::function<double(int item)>& item,
                  const std::function<double(int material, int property)>& property) const;

  // The highest item number the formula reads (0 when none).
  int HighestItem() const;
  // Material numbers whose properties the formula reads.
  std::vector<int> PropertyMaterials() const;
  const std::string& Text() const { return text_; }

  enum class Kind { Number, Item, Property, Pi, Unary, Binary };
  struct Node {
    Kind kind = Kind::Number;
    double value = 0;  // number, item number, or material * 10 + property
    int code = 0;      // stack code of a unary or binary operation
    int left = -1, right = -1;
  };

 private:
  friend class ExpressionParser;
  void Emit(int node, std::vector<CompiledLine>& lines, const std::vector<std::string>& names) const;
  void EmitWithCode(int node, int code, std::vector<CompiledLine>& lines, const std::vector<std::string>& names) const;
  int Need(int node) const;
  int NeedFused(int node) const;
  std::pair<int, int> Operands(int node) const;
  double Eval(int node, const std::function<double(int)>& item, const std::function<double(int, int)>& prop) const;

  std::string text_;
  std::vector<Node> nodes_;
  int root_ = -1;
};

}  // namespace kelca::datagen
