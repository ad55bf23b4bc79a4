#pragma once
// The main window's status panel: 23 lines, of which lines 0 to 4 are a fixed
// header and lines 5 to 22 scroll, the newest message at the bottom.
#include <array>
#include <string>
#include <string_view>

namespace kelca {

constexpr int kStatusLines = 23;
constexpr int kStatusHeaderLines = 5;

// The product's name as the window caption and the panel's title line show it.
inline constexpr std::string_view kProductTitle = "Kelca - Life Cycle Assessment and Costing of Buildings";

struct StatusPanel {
  std::array<std::string, kStatusLines> Lines;
};

// Moves lines 6..22 up to 5..21 (line 5 is lost) and writes text into line 22.
void ShowStatus(StatusPanel& panel, std::string_view text);

// The content at start-up: title between two rules, then the about text.
void FillStartupPanel(StatusPanel& panel);

// " " followed by 72 dashes and " ".
std::string StatusRule();

}  // namespace kelca
