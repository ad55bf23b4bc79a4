#include "common/TextWriter.h"

namespace kelca {

void TextWriter::PrintLine(std::string_view text) {
  text_ += text;
  text_ += "\r\n";
}

std::string TextWriter::QuoteField(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) quoted += (c == '"') ? '\'' : c;
  quoted += '"';
  return quoted;
}

Status TextWriter::Save(const std::string& path, const WriteFault* fault) const {
  return ReplaceFile(path, text_, fault);
}

}  // namespace kelca
