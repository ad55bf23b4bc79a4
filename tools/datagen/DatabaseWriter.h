#pragma once
// Writes the material database ("MATLCIA.IDB" and "MATLCIA.ILF") in the write
// form, and the citation table of data/db/README.md.
#include <string>
#include <vector>

#include "common/Status.h"
#include "datagen/MaterialRules.h"

namespace kelca::datagen {

constexpr int kSections = 3;

// The two files, record for record in the same order; folder ends in "/".
Status WriteMaterialDatabase(const std::string& folder, const std::vector<MaterialRecord>& records);

// One Markdown table row per material: source, module, conversion, rules, waste, cost.
std::string MaterialCitationTable(const std::vector<MaterialRecord>& records);

// Replaces the text between the two marker lines of a file with the given text.
Status ReplaceMarkedSection(const std::string& path, const std::string& begin, const std::string& end,
                            const std::string& text);

}  // namespace kelca::datagen
