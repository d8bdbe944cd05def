#pragma once

// The betting-system box's entries: the six built-in systems, then the presets, then the
// player's own systems, each group after a separator. A file that does not parse is listed,
// greyed, with its error as its tooltip, and cannot be chosen. A chosen system whose file
// has since changed or gone is shown as one more entry, the text kept when it was chosen.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/system_catalogue.h"
#include "app/window_parts.h"

class QComboBox;

namespace vellaro::app {

class AreaHost;

class SystemBox {
 public:
  // Lists in `box`, after its built-in systems, the systems written in `folders`.
  SystemBox(AreaHost& host, SystemFolders folders, QComboBox* box);
  SystemBox(const SystemBox&) = delete;
  SystemBox& operator=(const SystemBox&) = delete;

  // Reads the folders again and lists what they hold now.
  void Reload();
  // Selects the entry of the system the game plays.
  void Sync(const vellaro::GameView& view);

  const std::vector<SystemEntry>& entries() const { return entries_; }
  // The row of the entry read from `path`; -1 when none.
  int RowOf(const QString& path) const;

 private:
  void Activated(int row);
  void AddGroup(bool presets);
  int KeptRow(const vellaro::CustomSystem& system);
  int RowOfText(const std::string& text) const;

  AreaHost& host_;
  SystemFolders folders_;
  QComboBox* box_;
  int built_in_ = 0;  // the rows of the built-in systems come first
  std::vector<SystemEntry> entries_;
  std::optional<vellaro::CustomSystem> kept_;  // the kept entry's system, while listed
};

}  // namespace vellaro::app
