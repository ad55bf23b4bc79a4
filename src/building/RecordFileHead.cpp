#include "building/RecordFileHead.h"

namespace kelca {

Status ReadRecordFileHead(const std::string& path, TextReader& in, int& typeCode) {
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  std::string ownName;
  in.ReadString(ownName) && in.ReadInt(typeCode);
  return in.Result();
}

}  // namespace kelca
