#include "app/svg_cache.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vellaro::app {

const QPixmap& SvgCache::Pixmap(const QString& path, QSize size, qreal device_pixel_ratio) {
  const QString key = QStringLiteral("%1|%2x%3|%4")
                          .arg(path)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(device_pixel_ratio);
  auto found = pixmaps_.find(key);
  if (found != pixmaps_.end()) return *found;

  QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(device_pixel_ratio);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(path);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  ++renders_;
  return *pixmaps_.insert(key, QPixmap::fromImage(std::move(image)));
}

}  // namespace vellaro::app
