#include "app/svg_cache.h"

#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QtConcurrent/QtConcurrentMap>

namespace vellaro::app {

SvgCache::~SvgCache() {
  // The thread pool may still be writing into the jobs held here.
  WaitForRenderedAhead();
}

QString SvgCache::Key(const QString& path, QSize size, qreal device_pixel_ratio) {
  return QStringLiteral("%1|%2x%3|%4")
      .arg(path)
      .arg(size.width())
      .arg(size.height())
      .arg(device_pixel_ratio);
}

QImage SvgCache::Render(const Picture& picture) {
  // A QImage, unlike a QPixmap, may be painted away from the GUI thread.
  QImage image(picture.size * picture.device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(picture.device_pixel_ratio);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(picture.path);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(picture.size)));
  painter.end();
  return image;
}

QImage SvgCache::RenderAndKeep(const Picture& picture) const {
  QImage image = Render(picture);
  store_.Save(picture.path, picture.size, picture.device_pixel_ratio, image);
  return image;
}

const QPixmap& SvgCache::Pixmap(const QString& path, QSize size, qreal device_pixel_ratio) {
  const QString key = Key(path, size, device_pixel_ratio);
  auto found = pixmaps_.find(key);
  if (found == pixmaps_.end() && !ahead_jobs_.empty()) {
    TakeRenderedAhead();
    found = pixmaps_.find(key);
  }
  if (found != pixmaps_.end()) return *found;

  std::optional<QImage> image = store_.Load(path, size, device_pixel_ratio);
  if (!image) {
    image = RenderAndKeep({path, size, device_pixel_ratio});
    ++renders_;
  }
  return *pixmaps_.insert(key, QPixmap::fromImage(*std::move(image)));
}

void SvgCache::RenderAhead(const QList<Picture>& pictures) {
  TakeRenderedAhead();
  QSet<QString> seen;
  for (const Picture& picture : pictures) {
    QString key = Key(picture.path, picture.size, picture.device_pixel_ratio);
    if (pixmaps_.contains(key) || seen.contains(key)) continue;
    seen.insert(key);
    // Reading stored pixels takes less than handing them to another thread: only the
    // pictures to render go to the pool, which on most starts is then never started.
    if (std::optional<QImage> stored =
            store_.Load(picture.path, picture.size, picture.device_pixel_ratio)) {
      pixmaps_.insert(key, QPixmap::fromImage(*std::move(stored)));
      continue;
    }
    ahead_jobs_.push_back({std::move(key), picture, {}});
  }
  if (ahead_jobs_.empty()) return;
  // Those the store had are in already: the rest are rendered.
  ahead_ = QtConcurrent::map(ahead_jobs_, [this](Job& job) {
    job.image = RenderAndKeep(job.picture);
    ahead_rendered_.fetch_add(1, std::memory_order_release);
  });
}

void SvgCache::WaitForRenderedAhead() {
  ahead_.waitForFinished();
  // The future orders every job before this, but inside Qt, which is not built with
  // ThreadSanitizer: the count orders them where it can see it, ahead of the images read
  // here and of the store the jobs read, which a destroyed cache no longer holds.
  ahead_rendered_.load(std::memory_order_acquire);
}

void SvgCache::TakeRenderedAhead() {
  if (ahead_jobs_.empty()) return;
  WaitForRenderedAhead();
  for (Job& job : ahead_jobs_) {
    pixmaps_.insert(job.key, QPixmap::fromImage(std::move(job.image)));
  }
  renders_ += static_cast<int>(ahead_jobs_.size());
  ahead_jobs_.clear();
}

}  // namespace vellaro::app
