#include "app/StatusPanel.h"

namespace kelca {

void ShowStatus(StatusPanel& panel, std::string_view text) {
  for (int line = kStatusHeaderLines; line < kStatusLines - 1; ++line) {
    panel.Lines[line] = std::move(panel.Lines[line + 1]);
  }
  panel.Lines[kStatusLines - 1] = std::string(text);
}

std::string StatusRule() { return " " + std::string(72, '-') + " "; }

void FillStartupPanel(StatusPanel& panel) {
  panel.Lines.fill("");
  panel.Lines[1] = StatusRule();
  panel.Lines[2] = "   " + std::string(kProductTitle);
  panel.Lines[3] = StatusRule();
  panel.Lines[8] = "   This is a computer program for life cycle assessment (LCA) and      ";
  panel.Lines[9] = "   life cycle costing (LCC) of building developments in Kelport.        ";
  panel.Lines[10] = " ";
  panel.Lines[11] = "   It follows materials, elements and operating energy of a building   ";
  panel.Lines[12] = "   through construction, 50 years of use and demolition.";
  panel.Lines[14] = "   It is intended to facilitate building designers to assess the     ";
  panel.Lines[15] = "   environmental impacts and costs of building designs. ";
  panel.Lines[16] = " ";
  panel.Lines[18] = "   Menus: File (database, projects), Edit (input), Write (reports),";
  panel.Lines[19] = "   Run (calculations), View (results) and SlideShow.";
  panel.Lines[21] = StatusRule();
}

}  // namespace kelca
