#include "app/system_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

SystemEntry ReadSystem(const QString& path, bool preset) {
  SystemEntry entry;
  entry.path = path;
  entry.preset = preset;
  const std::string native = QFile::encodeName(path).toStdString();
  vellaro::SystemFileResult read = vellaro::LoadSystemFile(native);
  if (read.system) {
    entry.system = std::move(read.system);
  } else {
    entry.error = read.error.value_or(vellaro::SystemFileError{0, "cannot be read"});
    entry.described_error =
        QString::fromStdString(vellaro::DescribeSystemFileError(native, *entry.error));
  }
  return entry;
}

std::vector<SystemEntry> ReadSystems(const SystemFolders& folders) {
  std::vector<SystemEntry> entries;
  for (const auto& [folder, preset] : {std::pair{folders.presets, true},
                                       std::pair{folders.player, false}}) {
    if (folder.isEmpty()) continue;
    const QDir dir(folder);
    // A folder named "x.system" is listed, and refused, as a file that cannot be read.
    for (const QString& name : dir.entryList({QStringLiteral("*.system")},
                                             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                             QDir::Name)) {
      entries.push_back(ReadSystem(dir.filePath(name), preset));
    }
  }
  return entries;
}

}  // namespace vellaro::app
