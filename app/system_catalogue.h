#pragma once

// Where the betting systems written as files come from: the presets the package installs
// and the player's own, each read whole. A file that does not parse is listed with its
// error and is never played.

#include <QString>
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

// Reads one file as ReadSystems lists it.
SystemEntry ReadSystem(const QString& path, bool preset);

}  // namespace vellaro::app
