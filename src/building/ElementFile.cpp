// Element file: own name, type code (120/220/320), name, element type code,
// then one line per value (value, remark) up to and including the first
// empty value, at most 17 lines.
#include "building/ElementRecord.h"
#include "building/RecordFileHead.h"
#include "common/Paths.h"
#include "common/TextWriter.h"

namespace kelca {

int ElementValueCount(const ElementRecord& elm) {
  int k = 0;
  while (k < kElementValueSlots && !elm.ElmValue[k].empty()) ++k;
  return k;
}

Status ReadElmFile(const std::string& folder, int fileTypeCode, const std::string& grpTypeName, ElementRecord& elm) {
  TextReader in("", "");
  int code = 0;
  if (Status head = ReadRecordFileHead(ResolvePath(folder, elm.ElmFile), in, code); !head) return head;
  if (code != fileTypeCode) return Status::Error(elm.ElmFile + " is not for a " + grpTypeName + " element!");
  return ReadElmRest(in, elm);
}

Status ReadElmRest(TextReader& in, ElementRecord& elm) {
  if (!in.ReadString(elm.ElmName) || !in.ReadInt(elm.ElmType)) return in.Result();
  elm.ElmValue.fill("");
  elm.ElmRemark.fill("");
  int k = 0;
  do {
    if (!in.ReadString(elm.ElmValue[k]) || !in.ReadString(elm.ElmRemark[k])) return in.Result();
    ++k;
  } while (!elm.ElmValue[k - 1].empty() && k < kElementValueSlots);
  if (k == kElementValueSlots && !elm.ElmValue[k - 1].empty() && !in.AtEnd()) {
    in.Fail("more than " + std::to_string(kElementValueSlots) + " element values");
  }
  return in.Result();
}

Status WriteElmFile(const std::string& folder, int fileTypeCode, const ElementRecord& elm) {
  TextWriter out;
  out.Line(elm.ElmFile);
  out.Line(fileTypeCode);
  out.Line(elm.ElmName);
  out.Line(elm.ElmType);
  for (int k = 0; k < kElementValueSlots; ++k) {
    out.Line(elm.ElmValue[k], elm.ElmRemark[k]);
    if (elm.ElmValue[k].empty()) break;
  }
  return out.Save(ResolvePath(folder, elm.ElmFile));
}

}  // namespace kelca
