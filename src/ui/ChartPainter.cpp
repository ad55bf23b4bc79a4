#include "ChartPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QSvgGenerator>
#include <algorithm>
#include <array>

#include "TextConversion.h"

namespace {

// Maps the chart's frame onto its box of the device.
class FrameMapping {
 public:
  FrameMapping(const QRectF& frame, const kelca::ChartScale& s) : frame_(frame), s_(s) {}
  double X(float x) const { return frame_.left() + (x - s_.XMin) / (s_.XMax - s_.XMin) * frame_.width(); }
  double Y(float y) const { return frame_.bottom() - (y - s_.YMin) / (s_.YMax - s_.YMin) * frame_.height(); }
  QPointF Point(float x, float y) const { return {X(x), Y(y)}; }
  QRectF Rect(float x0, float y0, float x1, float y1) const { return QRectF(Point(x0, y1), Point(x1, y0)).normalized(); }

 private:
  QRectF frame_;
  kelca::ChartScale s_;
};

QFont FontOfSize(const QFont& family, double pixels, bool bold = false) {
  QFont font = family;
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setBold(bold);
  return font;
}

QRectF RectOf(const kelca::PixelBox& box, const QPointF& origin) {
  return QRectF(origin.x() + box.Left, origin.y() + box.Top, box.Width, box.Height);
}

// A placed text: lines across, centred in its box, or upright, side by side, each ending at the top.
void DrawPlaced(QPainter& painter, const kelca::PlacedText& text, double lineHeight, const QPointF& origin) {
  const QRectF box = RectOf(text.Box, origin);
  const QFontMetricsF metrics(painter.font());
  for (size_t i = 0; i < text.Lines.size(); ++i) {
    const QString line = ToDisplayText(text.Lines[i]);
    const double offset = lineHeight * static_cast<double>(i);
    if (!text.Upright) {
      painter.drawText(QRectF(box.left(), box.top() + offset, box.width(), lineHeight), Qt::AlignCenter, line);
      continue;
    }
    painter.save();
    painter.translate(box.left() + offset, box.top() + metrics.horizontalAdvance(line));
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, metrics.horizontalAdvance(line), lineHeight), Qt::AlignCenter, line);
    painter.restore();
  }
}

QColor SegmentColour(int caseIndex, int category) {
  // Stacked categories alternate between the case's colour and a lighter shade.
  const QColor base = CaseColour(caseIndex);
  return category % 2 == 0 ? base.lighter(150) : base;
}

// A stacked segment carries its category's short name, or its number, when it fits.
void LabelSegment(QPainter& painter, const QRectF& rect, int category) {
  const QFontMetricsF metrics(painter.font());
  if (category <= 0 || rect.height() <= metrics.height()) return;
  for (const QString& text : {ToDisplayText(kelca::CategoryName(category)), QString::number(category)}) {
    if (metrics.horizontalAdvance(text) < rect.width() - 4) {
      painter.drawText(rect, Qt::AlignCenter, text);
      return;
    }
  }
}

void DrawBars(QPainter& painter, const FrameMapping& map, const kelca::ChartLayout& layout) {
  const bool stacked = layout.Kind == kelca::ChartKind::StackedBars;
  for (const kelca::ChartBar& bar : layout.Bars) {
    const QRectF rect = map.Rect(bar.X0, bar.Y0, bar.X1, bar.Y1);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(stacked ? SegmentColour(bar.Case, bar.Category) : CaseColour(bar.Case));
    painter.drawRect(rect);
    if (stacked) LabelSegment(painter, rect, bar.Category);
  }
}

void DrawLegend(QPainter& painter, const kelca::ChartPlacement& placed, const kelca::ChartLayout& layout,
                const QPointF& origin) {
  const double square = placed.LineHeight * 0.8;
  for (size_t i = 0; i < placed.Legend.size() && i < layout.Legend.size(); ++i) {
    const QRectF box = RectOf(placed.Legend[i].Box, origin);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(CaseColour(layout.Legend[i].Case));
    painter.drawRect(QRectF(box.left(), box.center().y() - square / 2, square, square));
    painter.drawText(box.adjusted(square * 1.4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     ToDisplayText(placed.Legend[i].Lines.front()));
  }
}

}  // namespace

kelca::TextMeasure FontMeasure(const QFont& family) {
  return {[family](const std::string& text, double pixels, bool bold) {
            return QFontMetricsF(FontOfSize(family, pixels, bold)).horizontalAdvance(ToDisplayText(text));
          },
          [family](double pixels) { return QFontMetricsF(FontOfSize(family, pixels)).height(); }};
}

kelca::ChartPlacement ChartPlacementFor(const kelca::ChartLayout& layout, const QSizeF& size, const QFont& family) {
  return kelca::PlaceChart(layout, size.width(), size.height(), FontMeasure(family));
}

QColor CaseColour(int caseIndex) {
  static const std::array<QColor, 3> colours{QColor(0x2f, 0x5f, 0xa8), QColor(0xd9, 0x7a, 0x1e),
                                             QColor(0x3a, 0x8d, 0x3f)};
  return colours[static_cast<size_t>(std::clamp(caseIndex, 0, 2))];
}

void PaintChart(QPainter& painter, const QRectF& area, const kelca::ChartLayout& layout) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);
  const kelca::ChartScale& s = layout.Scale;
  if (!(s.XMax > s.XMin) || !(s.YMax > s.YMin)) {
    painter.restore();
    return;
  }
  const QFont family = painter.font();
  const kelca::ChartPlacement placed = ChartPlacementFor(layout, area.size(), family);
  const QPointF origin = area.topLeft();
  const FrameMapping map(RectOf(placed.Frame, origin), s);
  painter.setFont(FontOfSize(family, placed.FontPixels));

  DrawBars(painter, map, layout);
  painter.setPen(QPen(Qt::black, 0));
  for (const kelca::ChartLine& line : layout.Axes) painter.drawLine(map.Point(line.X0, line.Y0), map.Point(line.X1, line.Y1));
  for (const kelca::PlacedText& text : placed.FrameTexts) {
    painter.drawText(RectOf(text.Box, origin), Qt::AlignLeft | Qt::AlignVCenter, ToDisplayText(text.Lines.front()));
  }
  for (const kelca::PlacedText& label : placed.AxisLabels) DrawPlaced(painter, label, placed.LineHeight, origin);
  DrawPlaced(painter, placed.ValueAxisTitle, placed.LineHeight, origin);
  DrawLegend(painter, placed, layout, origin);
  for (size_t i = 0; i < placed.Header.size(); ++i) {
    painter.setFont(FontOfSize(family, placed.FontPixels, i == 0));
    DrawPlaced(painter, placed.Header[i], placed.LineHeight, origin);
  }
  painter.restore();
}

QImage ChartImage(const kelca::ChartLayout& layout, const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), layout);
  return image;
}

QByteArray ChartPngBytes(const kelca::ChartLayout& layout, const QSize& size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ChartImage(layout, size).save(&buffer, "PNG");
  return bytes;
}

QByteArray ChartSvgBytes(const kelca::ChartLayout& layout, const QSize& size, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    // The drawing reaches the buffer when the generator is done with it.
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter(&generator);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), layout);
  }
  return buffer.data();
}
