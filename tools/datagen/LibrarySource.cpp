#include "datagen/LibrarySource.h"

#include <set>

#include "common/FileIO.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/TextWriter.h"

namespace kelca::datagen {
namespace {

// Splits a source line into words and quoted texts, up to an "=" that starts a formula.
struct SourceLine {
  std::vector<std::string> words;
  std::string formula;
  bool hasFormula = false;
};

bool SplitSourceLine(const std::string& line, SourceLine& out) {
  out = SourceLine{};
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return false;
      out.words.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else if (c == '=') {
      out.formula = line.substr(i + 1);
      out.hasFormula = true;
      return true;
    } else {
      const size_t end = line.find_first_of(" \t\"=", i);
      out.words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return true;
}

bool ToNumber(const std::string& text, double& value) {
  const auto v = ParseNumber(text);
  if (!v || text.empty()) return false;
  value = *v;
  return true;
}

Status ParseMaterial(const SourceLine& l, ElementTypeSource& type, const std::string& where) {
  double mat = 0, waste = 0, life = 0;
  if (l.words.size() != 7 || !l.hasFormula || l.words[3] != "waste" || l.words[5] != "life" ||
      !ToNumber(l.words[2], mat) || !ToNumber(l.words[4], waste) || !ToNumber(l.words[6], life)) {
    return Status::Error(where + ": expected material \"Description\" MATNO waste PERCENT life YEARS = FORMULA");
  }
  LibraryMaterial block;
  block.Description = l.words[1];
  block.DefaultMat = static_cast<int>(mat);
  block.Wastage = static_cast<float>(waste);
  block.Life = static_cast<float>(life);
  if (Status s = OpsExpression::Parse(l.formula, block.DefaultMat, block.Quantity); !s) {
    return Status::Error(where + ": " + s.message);
  }
  if (type.Materials.size() == kMaxBlocks) return Status::Error(where + ": more than 10 materials");
  type.Materials.push_back(std::move(block));
  return Status::Ok();
}

Status ParseLine(const SourceLine& l, LibrarySource& lib, std::set<int>& codes, const std::string& where, int lineNo) {
  const std::string& key = l.words[0];
  if (key == "title" && l.words.size() == 2) {
    lib.Title = l.words[1];
    return Status::Ok();
  }
  if (key == "type" && l.words.size() == 3) {
    double code = 0;
    if (!ToNumber(l.words[1], code) || code < 1 || code > kMaxTypeCode || !codes.insert(static_cast<int>(code)).second) {
      return Status::Error(where + ": type code must be a new number in 1..300");
    }
    lib.Types.push_back({static_cast<int>(code), l.words[2], {}, {}, lineNo});
    return Status::Ok();
  }
  if (lib.Types.empty()) return Status::Error(where + ": " + key + " before the first type");
  ElementTypeSource& type = lib.Types.back();
  if (key == "item" && l.words.size() == 4) {
    double sample = 0;
    if (!ToNumber(l.words[3], sample)) return Status::Error(where + ": the item's sample value must be a number");
    if (type.Items.size() == kMaxItems) return Status::Error(where + ": more than 16 items");
    type.Items.push_back({l.words[1], l.words[2], l.words[3]});
    return Status::Ok();
  }
  if (key == "material") return ParseMaterial(l, type, where);
  return Status::Error(where + ": unknown line");
}

// Every formula reads only items the type has, and every type has materials.
Status CheckTypes(const LibrarySource& lib, const std::string& sourceName) {
  if (lib.Title.empty()) return Status::Error(sourceName + ": no title line");
  for (const auto& t : lib.Types) {
    const std::string where = sourceName + " line " + std::to_string(t.Line) + " (type " + std::to_string(t.Code) + ")";
    if (t.Materials.empty()) return Status::Error(where + ": no materials");
    for (const auto& m : t.Materials) {
      if (m.Quantity.HighestItem() > static_cast<int>(t.Items.size())) {
        return Status::Error(where + ": \"" + m.Description + "\" reads an item the type does not have");
      }
      std::vector<CompiledLine> lines;
      if (Status s = CompileBlock(t, m, lines); !s) return Status::Error(where + ": " + s.message);
    }
  }
  return Status::Ok();
}

std::string ElbText(const LibrarySource& lib) {
  TextWriter out;
  auto record = [&out](std::vector<std::string> fields) {
    fields.resize(kElbFields);
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + TextWriter::QuoteField(fields[i]);
    out.PrintLine(line);
  };
  record({lib.Name, lib.Title});
  for (const auto& t : lib.Types) {
    std::vector<std::string> fields = {std::to_string(t.Code), t.Name};
    for (const auto& item : t.Items) {
      fields.push_back(item.Name);
      fields.push_back(item.Unit);
    }
    record(fields);
  }
  return out.Text();
}

Status OperationsText(const ElementTypeSource& t, std::string& text) {
  TextWriter out;
  out.Line(static_cast<int>(t.Materials.size()));
  for (const auto& m : t.Materials) {
    std::vector<CompiledLine> lines;
    if (Status s = CompileBlock(t, m, lines); !s) return s;
    out.Line(m.Description, m.DefaultMat);
    out.Line(static_cast<int>(lines.size()));
    for (const auto& l : lines) out.Line(l.Value, l.Code, l.Note, l.Detail);
    out.Line(m.Wastage, m.Life);
  }
  text = out.Text();
  return Status::Ok();
}

}  // namespace

Status CompileBlock(const ElementTypeSource& type, const LibraryMaterial& block, std::vector<CompiledLine>& lines) {
  std::vector<std::string> names;
  for (const auto& item : type.Items) names.push_back(item.Name);
  return block.Quantity.Compile(names, lines);
}

Status ParseLibrarySource(const std::string& name, const std::string& sourceName, const std::string& text,
                          LibrarySource& out) {
  out = LibrarySource{};
  out.Name = name;
  std::set<int> codes;
  size_t pos = 0;
  int lineNo = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    const std::string where = sourceName + " line " + std::to_string(lineNo);
    SourceLine l;
    if (!SplitSourceLine(line, l) || l.words.empty()) return Status::Error(where + ": unreadable line");
    if (Status s = ParseLine(l, out, codes, where, lineNo); !s) return s;
  }
  return CheckTypes(out, sourceName);
}

Status WriteLibrary(const std::string& dbFolder, const LibrarySource& library) {
  const std::string folder = dbFolder + library.Name + "/";
  if (!FolderExists(folder)) {
    if (Status s = MakeFolder(folder); !s) return s;
  }
  if (Status s = ReplaceFile(folder + library.Name + ".ELB", ElbText(library)); !s) return s;
  for (const auto& t : library.Types) {
    std::string text;
    if (Status s = OperationsText(t, text); !s) return s;
    const std::string stem = folder + "E" + std::to_string(t.Code);
    if (Status s = ReplaceFile(stem + ".IMP", text); !s) return s;
    if (Status s = ReplaceFile(stem + ".CST", text); !s) return s;
  }
  return Status::Ok();
}

}  // namespace kelca::datagen
