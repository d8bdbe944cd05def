#include "app/panel/evening_saving.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

#include "export/file_replace.h"

namespace vellaro::app {

namespace {

QString Written(const QString& path, const std::string& bytes) {
  try {
    vellaro::ReplaceFileAtomically(path.toStdString(), bytes);
    return {};
  } catch (const vellaro::FileWriteError& e) {
    return QCoreApplication::translate("EveningSaving", "Could not save %1: %2")
        .arg(path, QString::fromStdString(e.what()));
  }
}

}  // namespace

QString SaveEveningPage(const QString& path, const vellaro::EveningPageText& text,
                        const vellaro::SessionTrack& track) {
  return Written(path, vellaro::EveningPageHtml(text, track));
}

QString SaveEveningChart(const QString& path, const std::vector<vellaro::TrackPoint>& points,
                         QWidget& view) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    if (points.empty())
      return QCoreApplication::translate("EveningSaving",
                                         "No spin yet: there is no chart to save.");
    return Written(path, vellaro::EveningPageChart(points).svg);
  }
  const QPixmap picture = view.grab();
  if (picture.isNull() || !picture.save(path, "PNG")) {
    return QCoreApplication::translate("EveningSaving", "Could not save %1 as a PNG picture.")
        .arg(path);
  }
  return {};
}

}  // namespace vellaro::app
