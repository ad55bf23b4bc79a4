#pragma once
// Operations files ("E<N>.IMP" for impacts, "E<N>.CST" for costs): for each
// material of an element type, the stack program that turns the element's
// values into the material's quantity per element.
#include <string>
#include <vector>

namespace kelca {

constexpr int kMaxElementMaterials = 10;
constexpr int kMaxOperationLines = 32767;

struct OperationLine {
  float Value = 0;
  int Code = 0;  // 0..12, 100, 101; any other code only loads the value
};

struct MaterialBlock {
  std::string Description;
  int DefaultMatNo = 0;
  std::vector<OperationLine> Lines;
  float Wastage = 0;  // percent
  float Life = 0;     // years
};

struct OperationsFile {
  std::vector<MaterialBlock> Blocks;  // one per material, at most 10
};

enum class OperationsOutcome {
  Read,         // every block read
  Unreadable,   // missing, malformed, ending early, or more than 10 materials
  NoMaterials,  // the material count is below 1
};

struct OperationsStatus {
  OperationsOutcome outcome = OperationsOutcome::Read;
  std::string detail;  // names the file and what was wrong; empty when read
  explicit operator bool() const { return outcome == OperationsOutcome::Read; }
};

// Reads the whole file into ops (the blocks read before a failure stay).
OperationsStatus ReadOperationsFile(const std::string& path, OperationsFile& ops);

}  // namespace kelca
