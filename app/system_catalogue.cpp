#include "app/system_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "text/translate.h"

namespace vellaro::app {

SystemFolders SystemFolders::Default() {
  SystemFolders folders;
  // As the panel's plugin: found from the program's own place, never a folder compiled in.
  folders.presets = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/" VELLARO_SYSTEMS_FROM_PROGRAM));
  folders.player = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/vellaro/systems");
  return folders;
}

QString SystemEntry::Name() const {
  if (system && !system->rules.name.empty()) return QString::fromStdString(system->rules.name);
  return QFileInfo(path).completeBaseName();
}

namespace {

SystemEntry MakeEntry(const std::string& path, vellaro::SystemFileResult read, bool preset) {
  SystemEntry entry;
  entry.path = QFile::decodeName(path.c_str());
  entry.preset = preset;
  if (read.system) {
    entry.system = std::move(read.system);
  } else {
    entry.error = read.error.value_or(vellaro::SystemFileError{0, vellaro::Tr("cannot be read")});
    entry.described_error =
        QString::fromStdString(vellaro::DescribeSystemFileError(path, *entry.error));
  }
  return entry;
}

}  // namespace

std::vector<SystemEntry> ReadSystems(const SystemFolders& folders) {
  std::vector<SystemEntry> entries;
  for (const auto& [folder, preset] :
       {std::pair{folders.presets, true}, std::pair{folders.player, false}}) {
    if (folder.isEmpty()) continue;
    for (vellaro::SystemFolderEntry& file :
         vellaro::ListSystemFolder(QFile::encodeName(folder).toStdString())) {
      entries.push_back(MakeEntry(file.path, std::move(file.result), preset));
    }
  }
  return entries;
}

SystemFolderWatch::SystemFolderWatch(std::function<SystemFolders()> folders,
                                     std::function<void()> changed)
    : folders_(std::move(folders)), changed_(std::move(changed)) {
  QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_, [this] {
    Arm();  // the folder itself may have been made, or taken away
    changed_();
  });
  Arm();
}

void SystemFolderWatch::Arm() {
  QStringList wanted;
  const SystemFolders folders = folders_();
  for (const QString& folder : {folders.presets, folders.player}) {
    if (folder.isEmpty()) continue;
    QString nearest = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(nearest).isDir() && nearest != QDir::rootPath()) {
      nearest = QFileInfo(nearest).absolutePath();
    }
    wanted << nearest;
  }
  const QStringList watched = watcher_.directories();
  for (const QString& old : watched) {
    if (!wanted.contains(old)) watcher_.removePath(old);
  }
  for (const QString& folder : wanted) {
    if (!watched.contains(folder)) watcher_.addPath(folder);
  }
}

}  // namespace vellaro::app
