#pragma once

#include <QFuture>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <atomic>
#include <vector>

#include "app/picture_store.h"

namespace vellaro::app {

// The artwork as pixmaps, rendered from SVG once per picture, size and device pixel ratio:
// a repaint only copies pixels, and a screen with another scaling gets crisp ones of its
// own. With a PictureStore, a picture rendered once is read back from disk on later starts.
class SvgCache {
 public:
  struct Picture {
    QString path;
    QSize size;
    qreal device_pixel_ratio = 1;
  };

  explicit SvgCache(PictureStore store = {}) : store_(std::move(store)) {}
  ~SvgCache();
  SvgCache(const SvgCache&) = delete;
  SvgCache& operator=(const SvgCache&) = delete;

  const QPixmap& Pixmap(const QString& path, QSize size, qreal device_pixel_ratio);
  // Starts rendering `pictures` on the thread pool, so that the window's first frame need
  // not render them one after the other on the GUI thread. Pixmap() waits for them.
  void RenderAhead(const QList<Picture>& pictures);
  // How many times an SVG has been rendered (not read back from the store).
  int RenderCount() const { return renders_; }

 private:
  struct Job {
    QString key;
    Picture picture;
    QImage image;
  };

  static QString Key(const QString& path, QSize size, qreal device_pixel_ratio);
  static QImage Render(const Picture& picture);
  // Renders `picture` and keeps it in the store.
  QImage RenderAndKeep(const Picture& picture) const;
  // Takes the pictures rendered ahead into the cache, waiting for them if need be.
  void TakeRenderedAhead();
  // Waits for the jobs rendering ahead, if any.
  void WaitForRenderedAhead();

  PictureStore store_;
  QHash<QString, QPixmap> pixmaps_;
  // Owned here while the thread pool fills in their images.
  std::vector<Job> ahead_jobs_;
  QFuture<void> ahead_;
  std::atomic<int> ahead_rendered_{0};  // jobs done, ever
  int renders_ = 0;
};

}  // namespace vellaro::app
