#pragma once
// Small database files for tests, written in the files' write form.
#include <string>
#include <vector>

#include "common/TextWriter.h"

namespace kelca::testing {

struct TestMaterial {
  int no = 0;
  std::string name, unit;
  float density = 0, conductivity = 0, specificHeat = 0;
  float factorBase = 0;  // the ten factors are factorBase + 1 .. factorBase + 10
  float energy = 0, cost = 0;
};

// Three sections of materials in the shape of "MATLCIA.IDB" / "MATLCIA.ILF".
inline std::string MaterialFileText(const std::vector<std::vector<TestMaterial>>& sections) {
  TextWriter w;
  for (const auto& section : sections) {
    w.Line(static_cast<int>(section.size()));
    for (const auto& m : section) {
      const float b = m.factorBase;
      w.Line(m.no, m.name, m.unit, m.density, m.conductivity, m.specificHeat, b + 1, b + 2, b + 3, b + 4, b + 5,
             b + 6, b + 7, b + 8, b + 9, b + 10, m.energy, m.cost);
    }
  }
  return w.Text();
}

// A library line of 34 texts: code (or head text), name, then 16 item name/unit pairs.
inline std::string LibraryLine(const std::string& first, const std::string& second,
                               const std::vector<std::pair<std::string, std::string>>& items = {}) {
  std::string line = TextWriter::QuoteField(first) + "," + TextWriter::QuoteField(second);
  for (size_t k = 0; k < 16; ++k) {
    const bool has = k < items.size();
    line += "," + TextWriter::QuoteField(has ? items[k].first : "") + "," +
            TextWriter::QuoteField(has ? items[k].second : "");
  }
  return line + "\r\n";
}

}  // namespace kelca::testing
