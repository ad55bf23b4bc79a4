// Loading of "MATLCIA.ILF" and "MATLCIA.IDB". Both files hold three sections,
// each a count followed by that many 18-field material records; rows are
// counted by position in the file, so the two files line up row by row.
#include "database/MaterialTable.h"

#include "common/Paths.h"
#include "common/TextReader.h"

namespace kelca {
namespace {

enum class FactorKind { Waste, Impact };  // where the ten factors of a record go

bool ReadRecord(TextReader& in, int row, FactorKind kind, MaterialTable& t) {
  int matNo = 0;
  if (!in.ReadCount(matNo, 0, kMaxMaterialNo, "the material number") || !in.ReadString(t.MatName[row]) ||
      !in.ReadString(t.MatUnit[row])) {
    return false;
  }
  t.MatNo[row] = matNo;
  for (float& p : t.MatProp[row]) {
    if (!in.ReadSingle(p)) return false;
  }
  auto& factors = kind == FactorKind::Waste ? t.MatWasteImpact[row] : t.MatImpact[row];
  for (float& f : factors) {
    if (!in.ReadSingle(f)) return false;
  }
  if (!in.ReadSingle(t.MatEnergy[row]) || !in.ReadSingle(t.MatCost[row])) return false;
  t.MatRowOf[matNo] = row;
  return true;
}

Status ReadMaterialFile(const std::string& path, FactorKind kind, MaterialTable& t) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  int row = 0;
  for (int section = 0; section < kMaterialSections; ++section) {
    // The head row and its records must fit in the table.
    int count = 0;
    const int room = kMaterialRows - 1 - row;
    if (!in.ReadInt(count)) break;
    if (count < 0 || count > room) {
      in.Fail("section " + std::to_string(section + 1) + " lists " + std::to_string(count) +
              " materials; the table holds 511 rows in all, so at most " + std::to_string(room) + " fit here");
      break;
    }
    t.MatNo[row] = count;
    t.MatName[row].clear();
    for (int i = 0; i < count; ++i) {
      if (!ReadRecord(in, ++row, kind, t)) break;
    }
    if (in.Failed()) break;
    ++row;
  }
  return in.Result();
}

}  // namespace

Status LoadMaterialDatabase(const std::string& ilfPath, const std::string& idbPath, MaterialTable& table) {
  for (int row = 0; row < kMaterialRows; ++row) {
    table.MatNo[row] = 0;
    table.MatName[row].clear();
  }
  // Numbers that the new files do not carry must not point at rows of the old ones.
  table.MatRowOf.fill(0);
  if (Status ilf = ReadMaterialFile(ilfPath, FactorKind::Waste, table); !ilf) return ilf;
  return ReadMaterialFile(idbPath, FactorKind::Impact, table);
}

int RowOfMaterial(const MaterialTable& table, int matNo) {
  return matNo < 0 || matNo > kMaxMaterialNo ? 0 : table.MatRowOf[matNo];
}

std::array<int, kMaterialSections> SectionCounts(const MaterialTable& table) {
  std::array<int, kMaterialSections> counts{};
  int head = 0;
  for (int& count : counts) {
    if (head >= kMaterialRows) break;
    count = table.MatNo[head];
    head += count + 1;
  }
  return counts;
}

void SetDatabaseFiles(DbLocations& db, const std::string& idbPath) {
  db.LcaIdbFile = idbPath;
  db.LcaIlfFile = ReplaceLastThree(idbPath, "ILF");
  db.LcaDbFolder = FolderOf(idbPath);
}

Status OpenDatabase(const std::string& idbPath, DbLocations& db, MaterialTable& table) {
  SetDatabaseFiles(db, idbPath);
  Status status = LoadMaterialDatabase(db.LcaIlfFile, db.LcaIdbFile, table);
  SetLibraryLocations(db);
  return status;
}

}  // namespace kelca
