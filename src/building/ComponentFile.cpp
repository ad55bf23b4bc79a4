// Component file: own name, type code (110/210/310), name, type position,
// number of identical components, element count, then one line per element
// (file, name, element type code).
#include "building/ComponentRecord.h"
#include "building/RecordFileHead.h"
#include "common/Paths.h"
#include "common/TextWriter.h"

namespace kelca {

Status ReadCompFile(const std::string& folder, int fileTypeCode, ComponentRecord& comp) {
  TextReader in("", "");
  int code = 0;
  if (Status head = ReadRecordFileHead(ResolvePath(folder, FileNameOf(comp.CompFile)), in, code); !head) return head;
  if (code != fileTypeCode) {
    return Status::Error(comp.CompFile + " is for type " + std::to_string(code) + " but not " +
                         std::to_string(fileTypeCode));
  }
  return ReadCompRest(in, comp);
}

Status ReadCompRest(TextReader& in, ComponentRecord& comp) {
  int count = 0;
  if (!in.ReadString(comp.CompName) || !in.ReadInt(comp.CompType) || !in.ReadSingle(comp.CompQty) ||
      !in.ReadCount(count, 0, kMaxComponentElements, "the element count")) {
    return in.Result();
  }
  comp.CompElmCount = 0;
  for (int e = 0; e < count; ++e) {
    if (!in.ReadString(comp.CompElmFile[e]) || !in.ReadString(comp.CompElmName[e]) ||
        !in.ReadInt(comp.CompElmType[e])) {
      break;
    }
    comp.CompElmCount = e + 1;
  }
  return in.Result();
}

Status WriteCompFile(const std::string& folder, int fileTypeCode, const ComponentRecord& comp) {
  const std::string path = ResolvePath(folder, comp.CompFile);
  if (comp.CompElmCount < 0 || comp.CompElmCount > kMaxComponentElements) {
    return Status::Error("Cannot write " + path + ": " + std::to_string(comp.CompElmCount) +
                         " elements are more than a component holds");
  }
  TextWriter out;
  out.Line(comp.CompFile);
  out.Line(fileTypeCode);
  out.Line(comp.CompName);
  out.Line(comp.CompType);
  out.Line(comp.CompQty);
  out.Line(comp.CompElmCount);
  for (int e = 0; e < comp.CompElmCount; ++e) out.Line(comp.CompElmFile[e], comp.CompElmName[e], comp.CompElmType[e]);
  return out.Save(path);
}

}  // namespace kelca
