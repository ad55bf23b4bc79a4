#pragma once
// The readable source of one element library (data/src/libraries/<NAME>.txt)
// and the files made from it: "<NAME>/<NAME>.ELB" and, per element type,
// "E<N>.IMP" and "E<N>.CST".
//
// Source lines (blank lines and lines starting with # are skipped):
//   title "Library title"
//   type N "Element type name"
//   item "Item name" "unit" SAMPLE            (items 1..16 of the type, in order)
//   material "Description" MATNO waste PERCENT life YEARS = FORMULA
// FORMULA gives the material's quantity per element (see OpsExpression.h).
#include <string>
#include <vector>

#include "common/Status.h"
#include "datagen/OpsExpression.h"

namespace kelca::datagen {

constexpr int kMaxTypeCode = 300;
constexpr int kMaxBlocks = 10;
constexpr int kElbFields = 34;

struct LibraryItem {
  std::string Name, Unit, Sample;  // Sample: a typical value, as typed
};

struct LibraryMaterial {
  std::string Description;
  int DefaultMat = 0;
  float Wastage = 0, Life = 0;  // percent, years
  OpsExpression Quantity;
};

struct ElementTypeSource {
  int Code = 0;
  std::string Name;
  std::vector<LibraryItem> Items;
  std::vector<LibraryMaterial> Materials;
  int Line = 0;  // where it starts in the source, for messages
};

struct LibrarySource {
  std::string Name;   // folder and file stem, e.g. "FOUND"
  std::string Title;
  std::vector<ElementTypeSource> Types;
};

// name is the library name; sourceName is used in messages.
Status ParseLibrarySource(const std::string& name, const std::string& sourceName, const std::string& text,
                          LibrarySource& out);

// Writes dbFolder + Name + "/" with its ".ELB" file and the two operations files
// of every type (the same program serves the impact and the cost run).
Status WriteLibrary(const std::string& dbFolder, const LibrarySource& library);

// The operation lines of one material block.
Status CompileBlock(const ElementTypeSource& type, const LibraryMaterial& block, std::vector<CompiledLine>& lines);

}  // namespace kelca::datagen
