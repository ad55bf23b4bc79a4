// Group file: own name, type code (100/200/300), name, number in the
// building, component count, then one line per component (file, name, type
// position, number in the group).
#include "building/GroupRecord.h"
#include "building/RecordFileHead.h"
#include "common/Paths.h"
#include "common/TextWriter.h"

namespace kelca {

Status ReadGroupFile(const std::string& folder, int grpType, const std::string& grpTypeName, GroupRecord& group) {
  TextReader in("", "");
  int code = 0;
  if (Status head = ReadRecordFileHead(ResolvePath(folder, FileNameOf(group.GrpFile)), in, code); !head) return head;
  if (code != grpType) return Status::Error(group.GrpFile + " is not a " + grpTypeName + " file!");
  return ReadGroupRest(in, group);
}

Status ReadGroupRest(TextReader& in, GroupRecord& group) {
  int count = 0;
  if (!in.ReadString(group.GrpName) || !in.ReadSingle(group.GrpQty) ||
      !in.ReadCount(count, 0, kMaxGroupComponents, "the component count")) {
    return in.Result();
  }
  group.GrpCompCount = 0;
  for (int c = 0; c < count; ++c) {
    if (!in.ReadString(group.GrpCompFile[c]) || !in.ReadString(group.GrpCompName[c]) ||
        !in.ReadInt(group.GrpCompType[c]) || !in.ReadSingle(group.GrpCompQty[c])) {
      break;
    }
    group.GrpCompCount = c + 1;
  }
  return in.Result();
}

Status WriteGroupFile(const std::string& folder, int grpType, const GroupRecord& group) {
  const std::string path = ResolvePath(folder, group.GrpFile);
  if (group.GrpCompCount < 0 || group.GrpCompCount > kMaxGroupComponents) {
    return Status::Error("Cannot write " + path + ": " + std::to_string(group.GrpCompCount) +
                         " components are more than a group holds");
  }
  TextWriter out;
  out.Line(group.GrpFile);
  out.Line(grpType);
  out.Line(group.GrpName);
  out.Line(group.GrpQty);
  out.Line(group.GrpCompCount);
  for (int c = 0; c < group.GrpCompCount; ++c) {
    out.Line(group.GrpCompFile[c], group.GrpCompName[c], group.GrpCompType[c], group.GrpCompQty[c]);
  }
  return out.Save(path);
}

}  // namespace kelca
