#pragma once

// The artwork's pictures as the window last rendered them, kept on disk between runs in
// $XDG_CACHE_HOME/vellaro/pictures: a start then reads pixels instead of laying out SVG,
// its text included, which took a good part of the CPU of every start. A file is named
// after everything its pixels depend on (the SVG's bytes, the size, the device pixel
// ratio, the versions of Vellaro and of Qt), so a changed picture or an upgrade never
// finds a stale one; a file that cannot be read as one is rendered again. The folder is a
// cache: deleting it costs one slower start.

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace vellaro::app {

class PictureStore {
 public:
  // Keeps nothing: every picture is rendered (the window under test, say).
  PictureStore() = default;
  explicit PictureStore(QString folder) : folder_(std::move(folder)) {}

  // $XDG_CACHE_HOME/vellaro/pictures, or ~/.cache/vellaro/pictures; empty without either.
  static QString DefaultFolder();

  // The stored rendering of the SVG at `path`, if there is a sound one.
  std::optional<QImage> Load(const QString& path, QSize size, qreal device_pixel_ratio) const;
  // Stores `image`, the rendering of the SVG at `path`. Safe from any thread; a failure to
  // write only means the next start renders it again.
  void Save(const QString& path, QSize size, qreal device_pixel_ratio, const QImage& image) const;

  // The file that holds that rendering (empty when nothing is kept).
  QString FileFor(const QString& path, QSize size, qreal device_pixel_ratio) const;

 private:
  QString folder_;
};

}  // namespace vellaro::app
