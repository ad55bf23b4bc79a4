#pragma once
// Paints a chart laid out by the core onto any paint device (the screen, a
// picture for the clipboard or a PNG file, an SVG drawing), where the core's
// placement puts each part for the device's size and the real font.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "lca/ChartPlacement.h"

// Text widths and line heights of the painter's font family.
kelca::TextMeasure FontMeasure(const QFont& family);
// The placement of a chart on an area of the given size, in the font family.
kelca::ChartPlacement ChartPlacementFor(const kelca::ChartLayout& layout, const QSizeF& size, const QFont& family);

void PaintChart(QPainter& painter, const QRectF& area, const kelca::ChartLayout& layout);

// The colour of a case's bars (Reference, Alternative, Current).
QColor CaseColour(int caseIndex);

// The chart as a picture of the given size, and as the bytes of a PNG or SVG file.
QImage ChartImage(const kelca::ChartLayout& layout, const QSize& size);
QByteArray ChartPngBytes(const kelca::ChartLayout& layout, const QSize& size);
QByteArray ChartSvgBytes(const kelca::ChartLayout& layout, const QSize& size, const QString& title);
