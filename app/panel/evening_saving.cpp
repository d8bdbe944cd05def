#include "app/panel/evening_saving.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPixmap>
#include <QWidget>

#include "export/file_replace.h"

namespace vellaro::app {

namespace {

QString Written(const QString& path, std::string_view bytes, const vellaro::FilesInUse& in_use) {
  try {
    vellaro::ReplaceFileAtomically(QFile::encodeName(path).toStdString(), bytes, in_use);
    return {};
  } catch (const vellaro::FileWriteError& e) {
    return QCoreApplication::translate("EveningSaving", "Could not save %1: %2")
        .arg(path, QString::fromStdString(e.what()));
  }
}

}  // namespace

QString SaveEveningPage(const QString& path, const vellaro::EveningPageText& text,
                        const vellaro::SessionTrack& track, const vellaro::FilesInUse& in_use) {
  return Written(path, vellaro::EveningPageHtml(text, track), in_use);
}

QString SaveEveningChart(const QString& path, const std::vector<vellaro::TrackPoint>& points,
                         QWidget& view, const vellaro::FilesInUse& in_use) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    if (points.empty())
      return QCoreApplication::translate("EveningSaving",
                                         "No spin yet: there is no chart to save.");
    return Written(path, vellaro::EveningPageChart(points).svg, in_use);
  }
  // Made in memory and written as the page is: a picture saved straight to the file would
  // cut it short first, the journal included, and replace a pipe.
  const QPixmap picture = view.grab();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.save(&buffer, "PNG")) {
    return QCoreApplication::translate("EveningSaving", "Could not save %1 as a PNG picture.")
        .arg(path);
  }
  return Written(path, std::string_view(png.constData(), static_cast<size_t>(png.size())), in_use);
}

}  // namespace vellaro::app
