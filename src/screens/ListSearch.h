#pragma once
// The text search of the pickers: "Find" looks for the first name holding the
// search text, "Next" for the next one after the last match, both ignoring
// the case of the letters A to Z.
#include <functional>
#include <string>

namespace kelca {

// s with "A" to "Z" in lower case; every other character unchanged.
std::string ToLowerAscii(std::string s);

class ListSearch {
 public:
  // The name of a row; rows are searched from first to last.
  using NameOf = std::function<std::string(int row)>;
  ListSearch(int first, int last, NameOf nameOf) : first_(first), last_(last), nameOf_(std::move(nameOf)) {}

  // The matching row, or -1 when the text is empty or no row matches (the
  // last match then stays as it was).
  int Find(const std::string& text);
  int Next(const std::string& text);
  // Forgets the last match.
  void Clear() { lastMatch_ = -1; }

 private:
  int SearchFrom(int start, const std::string& text);

  int first_, last_;
  NameOf nameOf_;
  int lastMatch_ = -1;
};

}  // namespace kelca
