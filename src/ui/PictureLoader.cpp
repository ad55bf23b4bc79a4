#include "PictureLoader.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap LoadPicture(const QString& path, const QSize& size) {
  if (path.endsWith(".svg", Qt::CaseInsensitive)) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QPixmap pixmap(renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
  }
  QPixmap pixmap(path);
  if (pixmap.isNull()) return {};
  return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
