#pragma once

// Where the betting systems written as files come from: the presets the package installs
// and the player's own, each read whole. A file that does not parse is listed with its
// error and is never played.

#include <QFileSystemWatcher>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "betting/system_definition.h"
#include "betting/system_file.h"
#include "betting/system_folder.h"

namespace vellaro::app {

struct SystemFolders {
  QString presets;  // read only: the package's
  QString player;   // the player's own, where the editor saves

  // <data folder>/vellaro/systems found from the program's place (the build leaves a copy
  // of the presets at the same place relative to the program), and
  // $XDG_CONFIG_HOME/vellaro/systems (~/.config when unset).
  static SystemFolders Default();
};

struct SystemEntry {
  QString path;
  bool preset = false;
  std::optional<vellaro::CustomSystem> system;  // none: the file was refused
  std::optional<vellaro::SystemFileError> error;
  QString described_error;  // "<path>:<line>: <message>", empty when it parses

  // The system's own name, or the file's name while it does not parse.
  QString Name() const;
};

// The presets, then the player's systems, each folder as ListSystemFolder reads it (its
// "*.system" files in name order). A missing folder lists nothing.
std::vector<SystemEntry> ReadSystems(const SystemFolders& folders);

// Tells when a file comes into, leaves or is renamed in one of the folders, so that the
// lists follow a file the player copied there without a restart. A folder not made yet is
// watched through the nearest folder above it that is, and watched itself once it exists.
class SystemFolderWatch {
 public:
  SystemFolderWatch(std::function<SystemFolders()> folders, std::function<void()> changed);

  QStringList Watched() const { return watcher_.directories(); }

 private:
  void Arm();

  std::function<SystemFolders()> folders_;
  std::function<void()> changed_;
  QFileSystemWatcher watcher_;
};

}  // namespace vellaro::app
