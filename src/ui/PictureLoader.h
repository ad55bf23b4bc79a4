#pragma once
// Pictures for the picture area: bitmaps and SVG drawings, fitted into a size
// with their proportions kept.
#include <QPixmap>
#include <QSize>
#include <QString>

// A null pixmap when the file cannot be loaded.
QPixmap LoadPicture(const QString& path, const QSize& size);
