#pragma once

// The window's settings kept across runs: written back whenever one changes, the window's
// place once the window has come to rest after a move.

#include <QObject>
#include <functional>
#include <optional>

#include "app/settings_store.h"

class QTimer;

namespace vellaro::app {

class SettingsKeeper {
 public:
  // `now`: the settings as the window holds them at the moment, its place included.
  explicit SettingsKeeper(std::function<StoredSettings()> now) : now_(std::move(now)) {}

  // Reads the settings of the last run from `store`, and writes there from now on.
  StoredSettings Keep(const SettingsStore& store);
  // Writes the settings if one changed since they were last written; the window's place
  // only with `with_position`.
  void SaveIfChanged(bool with_position = false);
  // The window moved: once it has come to rest, `rested` runs (and writes its place).
  // `window` owns the timer that waits for it.
  void Moved(QObject& window, const std::function<void()>& rested);

 private:
  std::function<StoredSettings()> now_;
  std::optional<SettingsStore> store_;
  StoredSettings saved_;
  QTimer* rest_ = nullptr;
};

}  // namespace vellaro::app
