#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "game/settings.h"

namespace vellaro::app {

// What the window keeps across runs: the options as the engine takes them, plus the
// window's own state.
struct StoredSettings {
  vellaro::Settings game;
  bool options_open = false;
  // "Quick analysis": each click's analysis runs to its end at once, without its animation.
  bool quick_analysis = false;
  std::optional<QPoint> position;  // none until the window has been placed once

  friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// The settings file: an INI file, by default $XDG_CONFIG_HOME/vellaro/vellaro.conf.
//
// Reading never fails: a missing or unreadable file, or any value out of its range, gives
// that value's default and leaves the others as read. The values are the player's own
// choices, so they are applied through the game's Configure like clicks. A session limit
// is written as its number or "off"; one that cannot be read is off. A system the player
// wrote is kept as its whole text, not as the name of its file: a restart plays what was
// chosen even if the file has changed or gone since; a text that no longer reads is dropped.
//
// The number matrix is not restored: it is built from the spins of the evening it was
// created in, and recreating it at start would play a matrix nobody asked for. A game left
// in the matrix mode is kept as the entry of the mode box it was made from.
class SettingsStore {
 public:
  explicit SettingsStore(QString path);

  // $XDG_CONFIG_HOME/vellaro/vellaro.conf (~/.config when unset).
  static QString DefaultPath();

  const QString& path() const { return path_; }

  StoredSettings Load() const;
  // Writes `settings` and flushes it to disk at once: the window may be killed at any time.
  void Save(const StoredSettings& settings) const;

 private:
  QString path_;
};

}  // namespace vellaro::app
