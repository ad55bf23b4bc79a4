#include "lca/ChartPlacement.h"

#include <algorithm>
#include <sstream>

namespace kelca {

bool Overlap(const PixelBox& a, const PixelBox& b) {
  return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

namespace {

// Maps the chart's frame onto pixels.
struct FrameMap {
  PixelBox frame;
  ChartScale s;
  double X(float x) const { return frame.Left + (x - s.XMin) / (s.XMax - s.XMin) * frame.Width; }
  double Y(float y) const { return frame.Bottom() - (y - s.YMin) / (s.YMax - s.YMin) * frame.Height; }
  double PerUnitX() const { return frame.Width / (s.XMax - s.XMin); }
};

struct Fonts {
  const TextMeasure& measure;
  double px, lh;
  double Width(const std::string& text, bool bold = false) const { return measure.Width(text, px, bold); }
  double Widest(const std::vector<std::string>& lines) const {
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, Width(line));
    return widest;
  }
};

// The words of each line, joined again into lines no wider than width where the words allow it.
std::vector<std::string> Wrapped(const std::vector<std::string>& lines, double width, const Fonts& f) {
  std::vector<std::string> wrapped;
  for (const std::string& line : lines) {
    std::istringstream words(line);
    std::string current;
    for (std::string word; words >> word;) {
      const std::string longer = current.empty() ? word : current + " " + word;
      if (!current.empty() && f.Width(longer) > width) {
        wrapped.push_back(current);
        current = word;
      } else {
        current = longer;
      }
    }
    wrapped.push_back(current);
  }
  return wrapped;
}

// The labels in one of three forms (as they are, wrapped, upright), all in
// the same form; false when one of them is wider than its slot.
bool PlaceLabels(const std::vector<ChartAxisLabel>& labels, const FrameMap& map, double slotWidth, double top,
                 int form, const Fonts& f, std::vector<PlacedText>& placed) {
  placed.clear();
  bool fits = true;
  const double room = slotWidth - f.lh * 0.3;
  for (const ChartAxisLabel& label : labels) {
    const double centre = map.X(label.X);
    PlacedText text{{}, label.Lines, form == 2};
    if (form == 1) text.Lines = Wrapped(label.Lines, room, f);
    if (text.Upright) {
      if (f.lh * static_cast<double>(text.Lines.size()) > room) {
        std::string joined;
        for (const std::string& line : label.Lines) joined += (joined.empty() ? "" : " ") + line;
        text.Lines = {joined};
      }
      const double across = f.lh * static_cast<double>(text.Lines.size());
      text.Box = {centre - across / 2, top, across, f.Widest(text.Lines)};
    } else {
      const double across = f.Widest(text.Lines);
      text.Box = {centre - across / 2, top, across, f.lh * static_cast<double>(text.Lines.size())};
    }
    if (text.Box.Width > room || (form == 1 && text.Lines.size() > 3)) fits = false;
    placed.push_back(std::move(text));
  }
  return fits;
}

PlacedText LineAt(const std::string& text, double left, double middle, const Fonts& f, bool bold = false) {
  return {{left, middle - f.lh / 2, f.Width(text, bold), f.lh}, {text}, false};
}

ChartPlacement PlaceWithFont(const ChartLayout& layout, double width, double height, const Fonts& f) {
  ChartPlacement p;
  p.FontPixels = f.px;
  p.LineHeight = f.lh;
  const ChartScale& s = layout.Scale;
  double y = f.lh * 0.25;
  std::vector<std::string> header{layout.Title};
  header.insert(header.end(), layout.Subtitle.begin(), layout.Subtitle.end());
  for (size_t i = 0; i < header.size(); ++i) {
    const double w = f.Width(header[i], i == 0);
    p.Header.push_back({{(width - w) / 2, y, w, f.lh}, {header[i]}, false});
    y += f.lh;
  }
  const double margin = f.lh * 0.25;
  FrameMap map{{f.lh * 1.5, y + margin, width - f.lh * 1.5 - margin, 0}, s};

  // The labels under the value axis decide how much of the height the frame may take.
  const double gap = f.lh * 0.6;
  const double slotWidth = layout.SlotWidth * map.PerUnitX();
  for (int form = 0; form < 3; ++form) {
    if (PlaceLabels(layout.AxisLabels, map, slotWidth, 0, form, f, p.AxisLabels) || form == 2) break;
  }
  double labelHeight = 0;
  for (const PlacedText& label : p.AxisLabels) labelHeight = std::max(labelHeight, label.Box.Height);
  const double span = s.YMax - s.YMin, belowBase = s.Base - s.YMin;
  const double room = height - margin - map.frame.Top;
  map.frame.Height = std::max(room * 0.2, std::min(room, (room - gap - labelHeight) * span / (span - belowBase)));
  const double labelTop = map.Y(s.Base) + gap;
  for (PlacedText& label : p.AxisLabels) label.Box.Top = labelTop;
  p.Frame = map.frame;

  for (const ChartText& t : layout.Texts) p.FrameTexts.push_back(LineAt(t.Text, map.X(t.X), map.Y(t.Y), f));
  const double square = f.lh * 0.8;
  for (const ChartLegendEntry& e : layout.Legend) {
    PlacedText entry = LineAt(e.Text, map.X(e.X), map.Y(e.Y), f);
    entry.Box.Width += square * 1.4;
    p.Legend.push_back(entry);
  }
  const double axisTop = map.Y(s.Base + 22 * s.Step), axisBottom = map.Y(s.Base);
  p.ValueAxis = {map.X(-1), axisTop, map.X(0) - map.X(-1), axisBottom - axisTop};
  const double titleWidth = f.Width(layout.ValueAxisTitle);
  p.ValueAxisTitle = {{margin, (axisTop + axisBottom - titleWidth) / 2, f.lh, titleWidth}, {layout.ValueAxisTitle}, true};
  return p;
}

}  // namespace

std::vector<PixelBox> OccupiedBoxes(const ChartPlacement& p) {
  std::vector<PixelBox> boxes{p.ValueAxis, p.ValueAxisTitle.Box};
  for (const auto* texts : {&p.Header, &p.FrameTexts, &p.Legend, &p.AxisLabels}) {
    for (const PlacedText& t : *texts) boxes.push_back(t.Box);
  }
  return boxes;
}

bool Readable(const ChartPlacement& p, double width, double height) {
  const std::vector<PixelBox> boxes = OccupiedBoxes(p);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const PixelBox& b = boxes[i];
    if (b.Left < 0 || b.Top < 0 || b.Right() > width || b.Bottom() > height) return false;
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      if (Overlap(b, boxes[j])) return false;
    }
  }
  return true;
}

ChartPlacement PlaceChart(const ChartLayout& layout, double width, double height, const TextMeasure& measure) {
  const double largest = std::clamp(static_cast<double>(static_cast<int>(height / 40)), 9.0, 16.0);
  ChartPlacement placed;
  for (double px = largest; px >= 6; --px) {
    placed = PlaceWithFont(layout, width, height, Fonts{measure, px, measure.LineHeight(px)});
    if (Readable(placed, width, height)) break;
  }
  return placed;
}

}  // namespace kelca
