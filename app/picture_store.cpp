#include "app/picture_store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QSaveFile>
#include <cstdint>
#include <cstring>

#include "env/fault_in.h"

namespace vellaro::app {
namespace {

// The file: a tag, the width and height in pixels (32 bits each, in the machine's order:
// the cache never leaves it), then the rows of premultiplied ARGB, top first. The tag of an
// opaque picture says so: its pixels come back as RGB32, the same bytes, which the toolkit
// then need not scan for transparency before drawing.
constexpr char kTag[8] = {'V', 'L', 'R', 'P', 'I', 'C', '1', '\0'};
constexpr char kOpaqueTag[8] = {'V', 'L', 'R', 'P', 'I', 'C', '1', 'O'};
constexpr qsizetype kHeader = sizeof kTag + 2 * sizeof(uint32_t);
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

bool Opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) != 255) return false;
    }
  }
  return true;
}

qsizetype PixelBytes(QSize pixels) {
  return qsizetype{pixels.width()} * pixels.height() * 4;
}

}  // namespace

QString PictureStore::DefaultFolder() {
  // The XDG rules ignore a relative XDG_CACHE_HOME.
  QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (!QDir::isAbsolutePath(cache)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    cache = home + QStringLiteral("/.cache");
  }
  return cache + QStringLiteral("/vellaro/pictures");
}

QString PictureStore::FileFor(const QString& path, QSize size, qreal device_pixel_ratio) const {
  if (folder_.isEmpty()) return {};
  // BLAKE2b: a quarter of the time SHA-256 takes in Qt, for names no less unique.
  QCryptographicHash hash(QCryptographicHash::Blake2b_256);
  // A picture built into the program is hashed as stored there, compressed: reading it
  // whole would decompress every picture on every start only to name its file.
  const QResource resource(path);
  if (resource.isValid() && resource.data() != nullptr) {
    hash.addData(QByteArrayView(resource.data(), resource.size()));
    hash.addData(QByteArray::number(static_cast<int>(resource.compressionAlgorithm())));
  } else {
    QFile svg(path);
    if (!svg.open(QIODevice::ReadOnly)) return {};
    hash.addData(svg.readAll());
  }
  hash.addData(QStringLiteral("|%1x%2|%3|" VELLARO_VERSION "|%4")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(device_pixel_ratio)
                   .arg(QString::fromLatin1(qVersion()))
                   .toUtf8());
  return folder_ + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex().left(32)) +
         QStringLiteral(".argb");
}

std::optional<QImage> PictureStore::Load(const QString& path, QSize size,
                                         qreal device_pixel_ratio) const {
  const QString name = FileFor(path, size, device_pixel_ratio);
  if (name.isEmpty()) return std::nullopt;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QSize pixels = size * device_pixel_ratio;
  if (pixels.isEmpty() || file.size() != kHeader + PixelBytes(pixels)) return std::nullopt;
  char tag[sizeof kTag];
  uint32_t width = 0;
  uint32_t height = 0;
  if (file.read(tag, sizeof tag) != sizeof tag ||
      (std::memcmp(tag, kTag, sizeof tag) != 0 && std::memcmp(tag, kOpaqueTag, sizeof tag) != 0) ||
      file.read(reinterpret_cast<char*>(&width), sizeof width) != sizeof width ||
      file.read(reinterpret_cast<char*>(&height), sizeof height) != sizeof height ||
      width != static_cast<uint32_t>(pixels.width()) ||
      height != static_cast<uint32_t>(pixels.height())) {
    return std::nullopt;
  }
  const bool opaque = std::memcmp(tag, kOpaqueTag, sizeof tag) == 0;
  QImage image(pixels, opaque ? QImage::Format_RGB32 : kFormat);
  if (!image.isNull()) FaultInAtOnce(image.bits(), static_cast<size_t>(image.sizeInBytes()));
  // Rows of 4-byte pixels have no padding: the image's bytes are the file's, in one read.
  if (image.isNull() || image.sizeInBytes() != PixelBytes(pixels) ||
      file.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) !=
          image.sizeInBytes()) {
    return std::nullopt;
  }
  image.setDevicePixelRatio(device_pixel_ratio);
  return image;
}

void PictureStore::Save(const QString& path, QSize size, qreal device_pixel_ratio,
                        const QImage& image) const {
  const QString name = FileFor(path, size, device_pixel_ratio);
  if (name.isEmpty() || image.format() != kFormat || image.size() != size * device_pixel_ratio ||
      image.sizeInBytes() != PixelBytes(image.size())) {
    return;
  }
  QDir().mkpath(folder_);
  // Written aside and renamed into place: a start that reads it meanwhile, or a crash,
  // never sees half a picture.
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return;
  const auto width = static_cast<uint32_t>(image.width());
  const auto height = static_cast<uint32_t>(image.height());
  file.write(Opaque(image) ? kOpaqueTag : kTag, sizeof kTag);
  file.write(reinterpret_cast<const char*>(&width), sizeof width);
  file.write(reinterpret_cast<const char*>(&height), sizeof height);
  file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  file.commit();
}

}  // namespace vellaro::app
