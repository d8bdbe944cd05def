#pragma once

// Points HOME and the XDG folders at a test's own temporary folder: what a window or panel
// under test remembers (its place, the settings, the journal, the pictures' cache) must
// never reach the player's own folders.

#include <QByteArray>
#include <QString>

namespace vellaro::app::testing {

inline void UseTemporaryHome(const QString& home) {
  qputenv("HOME", home.toUtf8());
  qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
  qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toUtf8());
  qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/cache")).toUtf8());
}

}  // namespace vellaro::app::testing
