#pragma once
// A small comma-separated table with a header line, as the data source tables
// in data/src are kept: fields may be quoted ("a, b"), lines end in LF or CR LF.
#include <map>
#include <string>
#include <vector>

#include "common/Status.h"

namespace kelca::datagen {

class CsvTable {
 public:
  static Status Load(const std::string& path, CsvTable& table);
  static Status Parse(const std::string& name, const std::string& text, CsvTable& table);

  size_t RowCount() const { return rows_.size(); }
  bool HasColumn(const std::string& column) const { return columns_.count(column) > 0; }
  // The text of a field; empty when the row is short.
  const std::string& Text(size_t row, const std::string& column) const;
  // A field read as a number: fails (naming file, line and column) when it is not one.
  Status Number(size_t row, const std::string& column, double& value) const;
  // True when the field holds something other than blanks.
  bool Has(size_t row, const std::string& column) const;
  // "file line N" for messages about a row.
  std::string Where(size_t row) const;

 private:
  std::string name_;
  std::map<std::string, size_t> columns_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<int> lines_;
};

}  // namespace kelca::datagen
