#include "common/Prompts.h"

#include "common/Paths.h"

namespace kelca {

std::string FilterExtension(const std::string& filter, int filterIndex) {
  // Pairs alternate description and patterns: the patterns of pair i follow the (2i+1)-th "|".
  size_t start = 0;
  for (int bars = 0; bars < 2 * filterIndex + 1; ++bars) {
    start = filter.find('|', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  const std::string patterns = filter.substr(start, filter.find('|', start) - start);
  const std::string first = patterns.substr(0, patterns.find(';'));
  const size_t dot = first.rfind('.');
  if (dot == std::string::npos) return "";
  const std::string extension = first.substr(dot);
  return extension.size() < 2 || extension.find_first_of("*?") != std::string::npos ? "" : extension;
}

std::string WithFilterExtension(const std::string& path, const std::string& filter, int filterIndex) {
  const std::string extension = FilterExtension(filter, filterIndex);
  const std::string name = FileNameOf(path);
  if (extension.empty() || name.empty()) return path;
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return path + extension;
  return dot + 1 == name.size() ? path.substr(0, path.size() - 1) + extension : path;
}

std::string Prompts::OpenFileName(FileDialogRequest request) {
  request.proposedName = WithFilterExtension(request.proposedName, request.filter);
  return AskOpenFileName(request);
}

std::string Prompts::SaveFileName(FileDialogRequest request) {
  if (!request.keepTypedName) request.proposedName = WithFilterExtension(request.proposedName, request.filter);
  int filterIndex = 0;
  const std::string chosen = AskSaveFileName(request, filterIndex);
  if (chosen.empty() || request.keepTypedName) return chosen;
  return WithFilterExtension(chosen, request.filter, filterIndex);
}

}  // namespace kelca
