#include "ChartPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QSvgGenerator>
#include <algorithm>
#include <array>

#include "TextConversion.h"

namespace {

// Maps the chart's frame onto a rectangle of the device.
class FrameMapping {
 public:
  FrameMapping(const QRectF& plot, const kelca::ChartScale& s) : plot_(plot), s_(s) {}
  double X(float x) const { return plot_.left() + (x - s_.XMin) / (s_.XMax - s_.XMin) * plot_.width(); }
  double Y(float y) const { return plot_.bottom() - (y - s_.YMin) / (s_.YMax - s_.YMin) * plot_.height(); }
  QPointF Point(float x, float y) const { return {X(x), Y(y)}; }
  QRectF Rect(float x0, float y0, float x1, float y1) const { return QRectF(Point(x0, y1), Point(x1, y0)).normalized(); }
  double StepHeight() const { return s_.Step / (s_.YMax - s_.YMin) * plot_.height(); }

 private:
  QRectF plot_;
  kelca::ChartScale s_;
};

// Text starting at x, centred on y.
void DrawTextAt(QPainter& painter, const QPointF& at, const QString& text) {
  const QFontMetricsF metrics(painter.font());
  painter.drawText(QPointF(at.x(), at.y() + (metrics.ascent() - metrics.descent()) / 2), text);
}

QColor SegmentColour(int caseIndex, int category) {
  // Stacked categories alternate between the case's colour and a lighter shade.
  const QColor base = CaseColour(caseIndex);
  return category % 2 == 0 ? base.lighter(150) : base;
}

void DrawBars(QPainter& painter, const FrameMapping& map, const kelca::ChartLayout& layout, bool stacked) {
  const QFontMetricsF metrics(painter.font());
  for (const kelca::ChartBar& bar : layout.Bars) {
    const QRectF rect = map.Rect(bar.X0, bar.Y0, bar.X1, bar.Y1);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(stacked ? SegmentColour(bar.Case, bar.Category) : CaseColour(bar.Case));
    painter.drawRect(rect);
    // A stacked segment tall enough carries the number of its category.
    if (stacked && bar.Category > 0 && rect.height() > metrics.height()) {
      painter.drawText(rect, Qt::AlignCenter, QString::number(bar.Category));
    }
  }
}

void DrawLegend(QPainter& painter, const FrameMapping& map, const kelca::ChartLayout& layout) {
  const QFontMetricsF metrics(painter.font());
  const double box = metrics.height() * 0.8;
  for (const kelca::ChartLegendEntry& entry : layout.Legend) {
    const QPointF at = map.Point(entry.X, entry.Y);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(CaseColour(entry.Case));
    painter.drawRect(QRectF(at.x(), at.y() - box / 2, box, box));
    DrawTextAt(painter, QPointF(at.x() + box * 1.4, at.y()), ToDisplayText(entry.Text));
  }
}

}  // namespace

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
  QFont font = painter.font();
  font.setPixelSize(std::clamp(static_cast<int>(area.height() / 40), 9, 16));
  painter.setFont(font);
  const double titleBand = QFontMetricsF(font).height() * 2;
  const FrameMapping map(area.adjusted(0, titleBand, 0, 0), s);
  if (map.StepHeight() < QFontMetricsF(font).height()) {
    font.setPixelSize(std::max(6, static_cast<int>(map.StepHeight() * 0.9)));
    painter.setFont(font);
  }

  DrawBars(painter, map, layout, layout.Kind == kelca::ChartKind::StackedBars);
  painter.setPen(QPen(Qt::black, 0));
  for (const kelca::ChartLine& line : layout.Axes) painter.drawLine(map.Point(line.X0, line.Y0), map.Point(line.X1, line.Y1));
  for (const kelca::ChartText& text : layout.Texts) DrawTextAt(painter, map.Point(text.X, text.Y), ToDisplayText(text.Text));
  DrawLegend(painter, map, layout);

  QFont titleFont = font;
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.drawText(QRectF(area.left(), area.top(), area.width(), titleBand), Qt::AlignCenter,
                   ToDisplayText(layout.Title));
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
