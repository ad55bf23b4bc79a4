#include "database/UserValues.h"

#include "common/Paths.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

std::string UserValuesPathOf(const std::string& elmPath) {
  const size_t cut = elmPath.size() >= 4 ? elmPath.size() - 4 : 0;
  return elmPath.substr(0, cut) + "_" + elmPath.substr(cut);
}

Status ReadUserValues(const std::string& path, UserValues& values) {
  values = UserValues{};
  if (!FileExists(FindExistingFile(path))) return Status::Ok();
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  int count = 0;
  if (!in.ReadCount(count, 0, kMaxElementMaterials, "the user value count")) return in.Result();
  UserValues read;
  read.Count = count;
  for (int i = 0; i < count; ++i) {
    if (!in.ReadInt(read.MatNo[i]) || !in.ReadSingle(read.Wastage[i]) || !in.ReadSingle(read.Life[i]) ||
        !in.ReadSingle(read.Cost[i])) {
      return in.Result();
    }
  }
  read.UseUserValues = count > 0;
  values = read;
  return Status::Ok();
}

Status ReadKeptUserValues(const std::string& path, int positions, UserValues& values) {
  values = UserValues{};
  if (!FileExists(FindExistingFile(path))) return Status::Ok();
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  int stored = 0;
  if (!in.ReadCount(stored, 0, kMaxElementMaterials, "the user value count")) return in.Result();
  UserValues read;
  for (int i = 0; i < positions && i < kMaxElementMaterials && !in.AtEnd(); ++i) {
    if (!in.ReadInt(read.MatNo[i]) || !in.ReadSingle(read.Wastage[i]) || !in.ReadSingle(read.Life[i]) ||
        !in.ReadSingle(read.Cost[i])) {
      return in.Result();
    }
    read.Count = i + 1;
  }
  read.UseUserValues = stored > 0;
  values = read;
  return Status::Ok();
}

Status WriteUserValues(const std::string& path, const UserValues& values, bool inForce) {
  if (values.Count < 0 || values.Count > kMaxElementMaterials) {
    return Status::Error("Cannot write " + path + ": " + std::to_string(values.Count) + " material positions");
  }
  TextWriter out;
  out.Line(inForce ? values.Count : 0);
  for (int i = 0; i < values.Count; ++i) out.Line(values.MatNo[i], values.Wastage[i], values.Life[i], values.Cost[i]);
  return out.Save(path);
}

}  // namespace kelca
