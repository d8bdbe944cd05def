// Fuzzes the reading back of the window's settings file (app/settings_store.h): the parsing
// of the INI file is Qt's (QSettings), what is fuzzed is ours, the part that takes each
// value read back, checks it and falls back to its default. Whatever the bytes, every value
// read is one the window's controls allow (and the engine's settings check: opposite trends
// never both on, the minimal profit only with the automatic reset, a system text that
// reads); and the settings read, written and read again, come back the same.
//
// Built against Qt Core alone: the store needs no window. The input is the file's bytes.

#include <unistd.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/settings_store.h"
#include "betting/system_file.h"

namespace {

namespace fs = std::filesystem;
using vellaro::app::SettingsStore;
using vellaro::app::StoredSettings;

// Never destroyed: the handler that removes it at exit runs after the destructors.
const fs::path& Folder() {
  static const fs::path* const folder = [] {
    const fs::path shm = "/dev/shm";
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    auto* made = new fs::path(base / ("vellaro_settings_fuzzer." + std::to_string(getpid())));
    fs::create_directories(*made);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(Folder(), ignored);
    });
    return made;
  }();
  return *folder;
}

// A name of its own for each file: QSettings keeps what it read of a file by its name, and
// a file rewritten within the same moment at the same size may read as the one before.
QString FreshPath() {
  static uint64_t files = 0;
  return QString::fromStdString(
      (Folder() / ("vellaro" + std::to_string(++files) + ".conf")).string());
}

bool In(int64_t value, int64_t low, int64_t high) {
  return low <= value && value <= high;
}

bool Allowed(const StoredSettings& stored) {
  const vellaro::Settings& s = stored.game;
  if (!In(s.system, 0, vellaro::kBettingSystems - 1) ||
      !In(s.base, vellaro::kMinBase, vellaro::kMaxBase) ||
      !In(s.on_wins, vellaro::kMinUpTrenderStep, vellaro::kMaxUpTrenderStep) ||
      !In(s.add_to_bet, vellaro::kMinUpTrenderStep, vellaro::kMaxUpTrenderStep) ||
      !In(s.safe_level, vellaro::kMinSafeLevel, vellaro::kMaxSafeLevel) ||
      (s.min_profit && !s.auto_reset)) {
    return false;
  }
  for (int k = 0; k < vellaro::kChances / 2; ++k) {
    if (s.trends[static_cast<size_t>(k)] &&
        s.trends[static_cast<size_t>(vellaro::kChances - 1 - k)]) {
      return false;
    }
  }
  if (std::find(vellaro::kGameModeIds.begin(), vellaro::kGameModeIds.end(), s.mode) ==
      vellaro::kGameModeIds.end()) {
    return false;
  }
  for (int i = 0; i < vellaro::kLimits; ++i) {
    const auto limit = static_cast<vellaro::LimitKind>(i);
    const std::optional<int32_t>& value = s.limits[limit];
    if (value && *value < vellaro::SessionLimits::Min(limit)) return false;
  }
  if (!s.custom_system.empty() && (s.custom_system.size() > vellaro::kMaxSystemFileBytes ||
                                   !vellaro::ParseSystemFile(s.custom_system).system)) {
    return false;
  }
  constexpr int kFarthest = 1 << 20;
  return !stored.position || (In(stored.position->x(), -kFarthest, kFarthest) &&
                              In(stored.position->y(), -kFarthest, kFarthest));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = FreshPath();
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
      std::abort();
    }
  }
  const StoredSettings read = SettingsStore(path).Load();
  if (!Allowed(read)) std::abort();
  // Read twice, the same; written and read again, the same.
  if (!(SettingsStore(path).Load() == read)) std::abort();
  const QString again = FreshPath();
  SettingsStore(again).Save(read);
  if (!(SettingsStore(again).Load() == read)) std::abort();
  QFile::remove(path);
  QFile::remove(again);
  return 0;
}
