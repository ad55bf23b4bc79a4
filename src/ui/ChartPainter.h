#pragma once
// Paints a chart laid out by the core onto any paint device (the screen, a
// picture for the clipboard or a PNG file, an SVG drawing). The chart's frame
// (x from XMin to XMax, y from YMin to YMax, y upwards) fills the area below
// a band that holds the title.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "lca/ChartData.h"

void PaintChart(QPainter& painter, const QRectF& area, const kelca::ChartLayout& layout);

// The colour of a case's bars (Reference, Alternative, Current).
QColor CaseColour(int caseIndex);

// The chart as a picture of the given size, and as the bytes of a PNG or SVG file.
QImage ChartImage(const kelca::ChartLayout& layout, const QSize& size);
QByteArray ChartPngBytes(const kelca::ChartLayout& layout, const QSize& size);
QByteArray ChartSvgBytes(const kelca::ChartLayout& layout, const QSize& size, const QString& title);
