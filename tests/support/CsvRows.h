#pragma once
// The rows of a comma-separated file as a spreadsheet reads them: lines end in
// CR LF, fields are separated by commas outside double quotes.
#include <string>
#include <vector>

namespace kelca::testing {

struct CsvField {
  std::string Text;
  bool Quoted = false;
};
using CsvRow = std::vector<CsvField>;

inline std::vector<CsvRow> CsvRows(const std::string& text) {
  std::vector<CsvRow> rows;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    const std::string line = text.substr(at, end - at);
    at = end == std::string::npos ? text.size() : end + 2;
    CsvRow row(1);
    bool inQuotes = false;
    for (char c : line) {
      if (c == '"') {
        inQuotes = !inQuotes;
        row.back().Quoted = true;
      } else if (c == ',' && !inQuotes) {
        row.emplace_back();
      } else {
        row.back().Text += c;
      }
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kelca::testing
