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

SystemEntry ReadSystem(const QString& path, bool preset) {
  const std::string native = QFile::encodeName(path).toStdString();
  return MakeEntry(native, vellaro::LoadSystemFile(native), preset);
}

std::vector<SystemEntry> ReadSystems(const SystemFolders& folders) {
  std::vector<SystemEntry> entries;
  for (const auto& [folder, preset] : {std::pair{folders.presets, true},
                                       std::pair{folders.player, false}}) {
    if (folder.isEmpty()) continue;
    for (vellaro::SystemFolderEntry& file :
         vellaro::ListSystemFolder(QFile::encodeName(folder).toStdString())) {
      entries.push_back(MakeEntry(file.path, std::move(file.result), preset));
    }
  }
  return entries;
}

}  // namespace vellaro::app
