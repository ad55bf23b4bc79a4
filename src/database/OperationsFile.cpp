// Format: the material count M, then M blocks of: description, default
// material number, line count K, K lines of (value, code, two texts that are
// not used), wastage in percent, life in years.
#include "database/OperationsFile.h"

#include "common/TextReader.h"

namespace kelca {
namespace {

bool ReadBlock(TextReader& in, MaterialBlock& block) {
  int lines = 0;
  if (!in.ReadString(block.Description) || !in.ReadInt(block.DefaultMatNo) ||
      !in.ReadCount(lines, 0, kMaxOperationLines, "the operation line count")) {
    return false;
  }
  std::string unused;
  for (int i = 0; i < lines; ++i) {
    OperationLine line;
    if (!in.ReadSingle(line.Value) || !in.ReadInt(line.Code) || !in.ReadString(unused) || !in.ReadString(unused)) {
      return false;
    }
    block.Lines.push_back(line);
  }
  return in.ReadSingle(block.Wastage) && in.ReadSingle(block.Life);
}

OperationsStatus Unreadable(std::string detail) { return {OperationsOutcome::Unreadable, std::move(detail)}; }

}  // namespace

OperationsStatus ReadOperationsFile(const std::string& path, OperationsFile& ops) {
  ops.Blocks.clear();
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return Unreadable(opened.message);
  int count = 0;
  if (!in.ReadInt(count)) return Unreadable(in.Error());
  if (count < 1) return {OperationsOutcome::NoMaterials, path + ": the element has no materials (count " +
                                                             std::to_string(count) + ")"};
  if (count > kMaxElementMaterials) {
    in.Fail("the material count " + std::to_string(count) + " is above " + std::to_string(kMaxElementMaterials));
    return Unreadable(in.Error());
  }
  for (int m = 0; m < count; ++m) {
    MaterialBlock block;
    if (!ReadBlock(in, block)) return Unreadable(in.Error());
    ops.Blocks.push_back(std::move(block));
  }
  return {};
}

}  // namespace kelca
