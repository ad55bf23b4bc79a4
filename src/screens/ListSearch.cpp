#include "screens/ListSearch.h"

#include <algorithm>

namespace kelca {

std::string ToLowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

int ListSearch::Find(const std::string& text) { return SearchFrom(first_, text); }

int ListSearch::Next(const std::string& text) { return SearchFrom(std::max(first_, lastMatch_ + 1), text); }

int ListSearch::SearchFrom(int start, const std::string& text) {
  const std::string wanted = ToLowerAscii(text);
  if (wanted.empty()) return -1;
  for (int row = start; row <= last_; ++row) {
    if (ToLowerAscii(nameOf_(row)).find(wanted) != std::string::npos) {
      lastMatch_ = row;
      return row;
    }
  }
  return -1;
}

}  // namespace kelca
