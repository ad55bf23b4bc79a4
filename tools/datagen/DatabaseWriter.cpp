#include "datagen/DatabaseWriter.h"

#include "common/FileIO.h"
#include "common/Numbers.h"
#include "common/TextWriter.h"

namespace kelca::datagen {
namespace {

enum class Profile { Impacts, Waste };

std::string FileText(const std::vector<MaterialRecord>& records, Profile profile) {
  TextWriter out;
  for (int section = 1; section <= kSections; ++section) {
    int count = 0;
    for (const auto& m : records) count += m.Section == section ? 1 : 0;
    out.Line(count);
    for (const auto& m : records) {
      if (m.Section != section) continue;
      const auto& f = profile == Profile::Impacts ? m.Impact : m.WasteImpact;
      out.Line(m.No, m.Name, m.Unit, m.Prop[0], m.Prop[1], m.Prop[2], f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7],
               f[8], f[9], m.Energy, m.Cost);
    }
  }
  return out.Text();
}

std::string Cell(std::string text) {
  for (size_t p = text.find('|'); p != std::string::npos; p = text.find('|', p + 2)) text.replace(p, 1, "\\|");
  return text;
}

std::string SourceCell(const MaterialRecord& m) {
  if (m.Source == "NORM") return "normalisation factors / 10^6 (Kelport electricity)";
  if (m.Source.rfind("OBD:", 0) == 0) return "ÖKOBAUDAT 2020-II \"" + Cell(m.SourceName) + "\", " + m.Source.substr(4);
  return Cell(m.SourceName);
}

std::string ConversionCell(const MaterialRecord& m) {
  if (m.Source == "NORM") return "per MJ";
  return FormatDouble(m.Factor) + " x " + m.SourceUnit + " per " + m.Unit;
}

std::string DerivedCell(const MaterialRecord& m) {
  std::string text;
  for (int c : m.DerivedCategories) text += (text.empty() ? "" : ",") + std::to_string(c);
  return text.empty() ? "-" : text;
}

}  // namespace

Status WriteMaterialDatabase(const std::string& folder, const std::vector<MaterialRecord>& records) {
  if (Status s = ReplaceFile(folder + "MATLCIA.IDB", FileText(records, Profile::Impacts)); !s) return s;
  return ReplaceFile(folder + "MATLCIA.ILF", FileText(records, Profile::Waste));
}

std::string MaterialCitationTable(const std::vector<MaterialRecord>& records) {
  std::string t =
      "| No. | Material | Unit | Source data set | Module | Conversion | Derived categories | Landfill, kg/unit | "
      "Cost ZQ$/unit |\n|---|---|---|---|---|---|---|---|---|\n";
  for (const auto& m : records) {
    t += "| " + std::to_string(m.No) + " | " + Cell(m.Name) + " | " + m.Unit + " | " + SourceCell(m) + " | " +
         (m.Modules.empty() ? "-" : m.Modules) + " | " + ConversionCell(m) + " | " + DerivedCell(m) + " | " +
         m.Landfill + (m.Landfill == "none" ? "" : ", " + FormatDouble(m.UnitMass)) + " | " + FormatSingle(m.Cost) +
         " |\n";
  }
  return t;
}

Status ReplaceMarkedSection(const std::string& path, const std::string& begin, const std::string& end,
                            const std::string& text) {
  std::string content;
  if (Status s = ReadFileBytes(path, content); !s) return s;
  const size_t a = content.find(begin);
  const size_t b = a == std::string::npos ? a : content.find(end, a);
  if (b == std::string::npos) return Status::Error(path + ": markers " + begin + " and " + end + " not found");
  const size_t from = a + begin.size();
  content.replace(from, b - from, "\n" + text);
  return ReplaceFile(path, content);
}

}  // namespace kelca::datagen
