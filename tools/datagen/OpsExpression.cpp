#include "datagen/OpsExpression.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "common/Numbers.h"

namespace kelca::datagen {
namespace {

enum Code : int {
  kPush = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kPower = 5,
  kPi = 7, kSqrt = 8, kCbrt = 9, kPercent = 10, kHalf = 11, kCircle = 12,
  kProperty = 100, kConstant = 101,
};

const char* CodeNote(int code) {
  switch (code) {
    case kPush: return "Push";
    case kAdd: return "Add";
    case kSubtract: return "Subtract";
    case kMultiply: return "Multiply";
    case kDivide: return "Divide";
    case kPower: return "Power";
    case kSqrt: return "Square root";
    case kCbrt: return "Cube root";
    case kPercent: return "Percent";
    case kHalf: return "Half";
    case kCircle: return "Circle area";
    default: return "";
  }
}

const char* PropertyName(int p) { return p == 0 ? "Density" : p == 1 ? "Conductivity" : "Specific heat"; }

}  // namespace

// Recursive descent over: sum := term (("+"|"-") term)*; term := power (("*"|"/") power)*;
// power := atom ("^" power)?; atom := number | name | name "(" sum ")" | "(" sum ")".
class ExpressionParser {
 public:
  ExpressionParser(const std::string& text, int ownMaterial, OpsExpression& out)
      : s_(text), own_(ownMaterial), out_(out) {}

  Status Run() {
    out_.root_ = Sum();
    Blanks();
    if (error_.empty() && pos_ != s_.size()) Fail("unexpected text");
    if (!error_.empty()) return Status::Error("formula \"" + s_ + "\": " + error_);
    return Status::Ok();
  }

 private:
  using Kind = OpsExpression::Kind;

  void Blanks() {
    while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
  }
  bool Take(char c) {
    Blanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  int Fail(const std::string& what) {
    if (error_.empty()) error_ = what + " at column " + std::to_string(pos_ + 1);
    return Add({Kind::Number, 0, 0, -1, -1});
  }
  int Add(OpsExpression::Node n) {
    out_.nodes_.push_back(n);
    return static_cast<int>(out_.nodes_.size()) - 1;
  }
  int Binary(int code, int left, int right) { return Add({Kind::Binary, 0, code, left, right}); }

  int Sum() {
    int left = Term();
    for (;;) {
      if (Take('+')) left = Binary(kAdd, left, Term());
      else if (Take('-')) left = Binary(kSubtract, left, Term());
      else return left;
    }
  }
  int Term() {
    int left = Power();
    for (;;) {
      if (Take('*')) left = Binary(kMultiply, left, Power());
      else if (Take('/')) left = Binary(kDivide, left, Power());
      else return left;
    }
  }
  int Power() {
    const int base = Atom();
    return Take('^') ? Binary(kPower, base, Power()) : base;
  }
  int Atom() {
    Blanks();
    if (pos_ >= s_.size()) return Fail("missing operand");
    if (Take('(')) {
      const int inner = Sum();
      return Take(')') ? inner : Fail("missing )");
    }
    const char c = s_[pos_];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return NumberAtom();
    if (std::isalpha(static_cast<unsigned char>(c))) return NamedAtom();
    return Fail("unexpected character");
  }
  int NumberAtom() {
    const size_t start = pos_;
    while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.' ||
                                s_[pos_] == 'e' || s_[pos_] == 'E' ||
                                ((s_[pos_] == '-' || s_[pos_] == '+') && (s_[pos_ - 1] == 'e' || s_[pos_ - 1] == 'E')))) {
      ++pos_;
    }
    const auto value = ParseNumber(s_.substr(start, pos_ - start));
    if (!value) return Fail("bad number");
    return Add({Kind::Number, *value, 0, -1, -1});
  }
  int NamedAtom() {
    const size_t start = pos_;
    while (pos_ < s_.size() && std::isalnum(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    const std::string name = s_.substr(start, pos_ - start);
    if (name.size() > 1 && name[0] == 'v' && std::all_of(name.begin() + 1, name.end(), ::isdigit)) {
      const int item = std::stoi(name.substr(1));
      if (item < 1 || item > kMaxItems) return Fail("item number outside 1..16");
      return Add({Kind::Item, static_cast<double>(item), 0, -1, -1});
    }
    if (name == "pi") return Add({Kind::Pi, 0, kPi, -1, -1});
    const int property = name == "rho" ? 0 : name == "k" ? 1 : name == "cp" ? 2 : -1;
    if (property >= 0) return PropertyAtom(property);
    const int code = name == "sqrt" ? kSqrt : name == "cbrt" ? kCbrt : name == "circ" ? kCircle
                   : name == "pct" ? kPercent : name == "half" ? kHalf : -1;
    if (code < 0) return Fail("unknown name " + name);
    if (!Take('(')) return Fail("missing ( after " + name);
    const int inner = Sum();
    if (!Take(')')) return Fail("missing )");
    return Add({Kind::Unary, 0, code, inner, -1});
  }
  int PropertyAtom(int property) {
    int material = own_;
    if (Take('(')) {
      Blanks();
      const size_t start = pos_;
      while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (start == pos_) return Fail("material number expected");
      material = std::stoi(s_.substr(start, pos_ - start));
      if (!Take(')')) return Fail("missing )");
    }
    if (material < 1 || material > 510) return Fail("material number outside 1..510");
    return Add({Kind::Property, static_cast<double>(material * 10 + property), 0, -1, -1});
  }

  const std::string& s_;
  int own_;
  OpsExpression& out_;
  size_t pos_ = 0;
  std::string error_;
};

Status OpsExpression::Parse(const std::string& text, int ownMaterial, OpsExpression& out) {
  out = OpsExpression{};
  out.text_ = text;
  return ExpressionParser(text, ownMaterial, out).Run();
}

// Places of the stack in use while a node is computed into X; a node whose
// value feeds an operation directly (an item read by the same line) needs one.
int OpsExpression::NeedFused(int n) const { return nodes_[n].kind == Kind::Item ? 1 : Need(n); }

int OpsExpression::Need(int n) const {
  const Node& node = nodes_[n];
  switch (node.kind) {
    case Kind::Item: return 2;  // push, then add to the zero left in X
    case Kind::Unary: return NeedFused(node.left);
    case Kind::Binary: {
      const auto [first, second] = Operands(n);
      return std::max(NeedFused(first), 1 + NeedFused(second));
    }
    default: return 1;
  }
}

// The operands in the order they are computed: a sum or product computes its
// deeper operand first when that saves stack places.
std::pair<int, int> OpsExpression::Operands(int n) const {
  const Node& node = nodes_[n];
  const bool commutative = node.code == kAdd || node.code == kMultiply;
  const int l = NeedFused(node.left), r = NeedFused(node.right);
  if (commutative && std::max(r, 1 + l) < std::max(l, 1 + r)) return {node.right, node.left};
  return {node.left, node.right};
}

void OpsExpression::EmitWithCode(int n, int code, std::vector<CompiledLine>& lines,
                                 const std::vector<std::string>& names) const {
  const Node& node = nodes_[n];
  if (node.kind == Kind::Item) {
    // One line: the value of the item is loaded into X, then the code acts on it.
    const int item = static_cast<int>(node.value);
    const std::string name = item <= static_cast<int>(names.size()) ? names[item - 1] : "";
    lines.push_back({static_cast<float>(item), code, std::string(CodeNote(code)) + " item " + std::to_string(item), name});
    return;
  }
  Emit(n, lines, names);
  lines.push_back({0.0f, code, CodeNote(code), ""});
}

void OpsExpression::Emit(int n, std::vector<CompiledLine>& lines, const std::vector<std::string>& names) const {
  const Node& node = nodes_[n];
  switch (node.kind) {
    case Kind::Number:
      lines.push_back({static_cast<float>(node.value), kConstant, "Constant", ""});
      return;
    case Kind::Pi:
      lines.push_back({0.0f, kPi, "Pi", ""});
      return;
    case Kind::Property: {
      const int c = static_cast<int>(node.value);
      lines.push_back({static_cast<float>(c), kProperty, PropertyName(c % 10), "of material " + std::to_string(c / 10)});
      return;
    }
    case Kind::Item:
      EmitWithCode(n, kPush, lines, names);
      lines.push_back({0.0f, kAdd, "Add", ""});
      return;
    case Kind::Unary:
      EmitWithCode(node.left, node.code, lines, names);
      return;
    case Kind::Binary: {
      const auto [first, second] = Operands(n);
      if (nodes_[first].kind == Kind::Item) {
        EmitWithCode(first, kPush, lines, names);
      } else {
        Emit(first, lines, names);
        lines.push_back({0.0f, kPush, "Push", ""});
      }
      EmitWithCode(second, node.code, lines, names);
      return;
    }
  }
}

Status OpsExpression::Compile(const std::vector<std::string>& itemNames, std::vector<CompiledLine>& lines) const {
  lines.clear();
  if (root_ < 0) return Status::Error("formula \"" + text_ + "\": empty");
  if (Need(root_) > kStackPlaces) {
    return Status::Error("formula \"" + text_ + "\": needs more than five stack places");
  }
  Emit(root_, lines, itemNames);
  return Status::Ok();
}

double OpsExpression::Eval(int n, const std::function<double(int)>& item,
                           const std::function<double(int, int)>& prop) const {
  const Node& node = nodes_[n];
  switch (node.kind) {
    case Kind::Number: return node.value;
    case Kind::Item: return item(static_cast<int>(node.value));
    case Kind::Pi: return std::numbers::pi;
    case Kind::Property: {
      const int c = static_cast<int>(node.value);
      return prop(c / 10, c % 10);
    }
    case Kind::Unary: {
      const double x = Eval(node.left, item, prop);
      switch (node.code) {
        case kSqrt: return std::sqrt(x);
        case kCbrt: return std::pow(x, 1.0 / 3.0);
        case kPercent: return x / 100;
        case kHalf: return x / 2;
        default: return std::numbers::pi / 4 * x * x;
      }
    }
    case Kind::Binary: {
      const double a = Eval(node.left, item, prop), b = Eval(node.right, item, prop);
      switch (node.code) {
        case kAdd: return a + b;
        case kSubtract: return a - b;
        case kMultiply: return a * b;
        case kDivide: return a / b;
        default: return std::pow(a, b);
      }
    }
  }
  return 0;
}

double OpsExpression::Evaluate(const std::function<double(int)>& item,
                               const std::function<double(int, int)>& property) const {
  return root_ < 0 ? 0 : Eval(root_, item, property);
}

int OpsExpression::HighestItem() const {
  int highest = 0;
  for (const Node& n : nodes_) {
    if (n.kind == Kind::Item) highest = std::max(highest, static_cast<int>(n.value));
  }
  return highest;
}

std::vector<int> OpsExpression::PropertyMaterials() const {
  std::vector<int> materials;
  for (const Node& n : nodes_) {
    if (n.kind == Kind::Property) materials.push_back(static_cast<int>(n.value) / 10);
  }
  return materials;
}

}  // namespace kelca::datagen
