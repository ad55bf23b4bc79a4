#include "datagen/CsvTable.h"

#include "common/FileIO.h"
#include "common/Numbers.h"

namespace kelca::datagen {
namespace {

// Splits one record; a quoted field keeps commas, and "" inside it is one quote.
bool SplitRecord(const std::string& line, std::vector<std::string>& fields) {
  fields.clear();
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  return !quoted;
}

}  // namespace

Status CsvTable::Load(const std::string& path, CsvTable& table) {
  std::string text;
  if (Status s = ReadFileBytes(path, text); !s) return s;
  return Parse(path, text, table);
}

Status CsvTable::Parse(const std::string& name, const std::string& text, CsvTable& table) {
  table = CsvTable{};
  table.name_ = name;
  size_t pos = 0;
  int lineNo = 0;
  std::vector<std::string> fields;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (!SplitRecord(line, fields)) return Status::Error(name + " line " + std::to_string(lineNo) + ": open quote");
    if (table.columns_.empty()) {
      for (size_t i = 0; i < fields.size(); ++i) table.columns_[fields[i]] = i;
      continue;
    }
    table.rows_.push_back(fields);
    table.lines_.push_back(lineNo);
  }
  if (table.columns_.empty()) return Status::Error(name + ": no header line");
  return Status::Ok();
}

const std::string& CsvTable::Text(size_t row, const std::string& column) const {
  static const std::string empty;
  const auto it = columns_.find(column);
  if (it == columns_.end() || row >= rows_.size() || it->second >= rows_[row].size()) return empty;
  return rows_[row][it->second];
}

bool CsvTable::Has(size_t row, const std::string& column) const {
  return Text(row, column).find_first_not_of(" \t") != std::string::npos;
}

Status CsvTable::Number(size_t row, const std::string& column, double& value) const {
  if (!HasColumn(column)) return Status::Error(name_ + ": no column " + column);
  const auto parsed = ParseNumber(Text(row, column));
  if (!Has(row, column) || !parsed) return Status::Error(Where(row) + ": " + column + " is not a number");
  value = *parsed;
  return Status::Ok();
}

std::string CsvTable::Where(size_t row) const {
  return name_ + " line " + std::to_string(row < lines_.size() ? lines_[row] : 0);
}

}  // namespace kelca::datagen
