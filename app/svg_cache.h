#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vellaro::app {

// The artwork as pixmaps, rendered from SVG once per picture, size and device pixel ratio:
// a repaint only copies pixels, and a screen with another scaling gets crisp ones of its
// own.
class SvgCache {
 public:
  const QPixmap& Pixmap(const QString& path, QSize size, qreal device_pixel_ratio);
  // How many times an SVG has been rendered.
  int RenderCount() const { return renders_; }

 private:
  QHash<QString, QPixmap> pixmaps_;
  int renders_ = 0;
};

}  // namespace vellaro::app
