#pragma once
// Where the texts and the frame of a laid-out chart go on a picture of a given
// size in pixels (x to the right, y downwards): the title and subtitle lines
// above, the value axis title turned upright on the left, the frame (bars,
// ticks, legend) in between, and the labels under the value axis, written
// across, wrapped, or turned upright so that no two of them overlap. The font
// is made smaller, step by step, until no text overlaps another.
#include <functional>
#include <string>
#include <vector>

#include "lca/ChartData.h"

namespace kelca {

// The chart as the screen shows it first, and as a PNG or SVG file.
constexpr double kChartViewWidth = 760, kChartViewHeight = 480;
constexpr double kChartFileWidth = 1200, kChartFileHeight = 760;

// How wide a text is, and how far apart its lines are, in a font of the given pixel size.
struct TextMeasure {
  std::function<double(const std::string& text, double fontPixels, bool bold)> Width;
  std::function<double(double fontPixels)> LineHeight;
};

struct PixelBox {
  double Left = 0, Top = 0, Width = 0, Height = 0;
  double Right() const { return Left + Width; }
  double Bottom() const { return Top + Height; }
};
bool Overlap(const PixelBox& a, const PixelBox& b);

// A text of one or more lines in its box. Upright texts read from bottom to
// top, their lines side by side, each ending at the top of the box.
struct PlacedText {
  PixelBox Box;
  std::vector<std::string> Lines;
  bool Upright = false;
};

struct ChartPlacement {
  double FontPixels = 0, LineHeight = 0;
  PixelBox Frame;                    // the frame, XMin..XMax by YMin..YMax
  std::vector<PlacedText> Header;    // the title (bold), then one subtitle line per case
  PlacedText ValueAxisTitle;
  std::vector<PlacedText> FrameTexts;  // the layout's Texts (tick values, maximum)
  std::vector<PlacedText> Legend;      // the colour square at the left of each box
  std::vector<PlacedText> AxisLabels;
  PixelBox ValueAxis;                  // the value axis with its tick marks
};

ChartPlacement PlaceChart(const ChartLayout& layout, double width, double height, const TextMeasure& measure);
// Every text's box and the value axis.
std::vector<PixelBox> OccupiedBoxes(const ChartPlacement& placement);
// True when no two occupied boxes overlap and all lie within the picture.
bool Readable(const ChartPlacement& placement, double width, double height);

}  // namespace kelca
