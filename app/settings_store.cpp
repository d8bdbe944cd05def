#include "app/settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <array>

#include "betting/system_file.h"

namespace vellaro::app {

namespace {

// Version 1 of the file's layout; a later layout can read it and move on.
constexpr int kLayout = 1;

// An integer within [low, high], or `fallback` for a missing, non-numeric or out-of-range
// value.
int32_t ReadInt(const QSettings& file, const QString& key, int32_t low, int32_t high,
                int32_t fallback) {
  bool number = false;
  const qlonglong value = file.value(key).toString().trimmed().toLongLong(&number);
  if (!number || value < low || value > high) return fallback;
  return static_cast<int32_t>(value);
}

// A switch written as true/false (or 1/0); anything else gives `fallback`.
bool ReadBool(const QSettings& file, const QString& key, bool fallback) {
  const QString text = file.value(key).toString().trimmed().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  return fallback;
}

QString TrendKey(int k) {
  const std::string_view name = kChanceNames[static_cast<size_t>(k)];
  return QStringLiteral("trends/") +
         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower();
}

// The entry of the mode box that `mode` stands for: a mode the box does not offer (the
// matrix, the random mode) is kept as the box's default entry.
int ModeBoxEntry(Mode mode) {
  for (int i = 0; i < kGameModeItems; ++i) {
    if (kGameModeIds[static_cast<size_t>(i)] == mode) return i;
  }
  return -1;
}

// The keys of the session limits, in the order of LimitKind.
constexpr std::array<const char*, kLimits> kLimitKeys = {"limits/bankroll", "limits/stop_loss",
                                                         "limits/take_profit", "limits/table_max",
                                                         "limits/max_losses"};

// A limit as written: "off", or a whole number within the limit's range. Anything else is
// read as off, the limit's default.
std::optional<int32_t> ReadLimit(const QSettings& file, LimitKind limit) {
  const QString key = QLatin1String(kLimitKeys[static_cast<size_t>(limit)]);
  const int32_t min = SessionLimits::Min(limit);
  const int32_t value = ReadInt(file, key, min, SessionLimits::kMax, min - 1);
  if (value < min) return std::nullopt;
  return value;
}

// The text of a system the player wrote, kept whole so that it plays as chosen even after
// its file changes or goes. A text that no longer reads as a system is dropped: the
// built-in system stored beside it is played.
std::string ReadCustomSystem(const QSettings& file) {
  std::string text = file.value(QStringLiteral("betting/custom_system")).toString().toStdString();
  if (text.empty() || text.size() > kMaxSystemFileBytes || !ParseSystemFile(text).system) return {};
  return text;
}

// A stored position far off any screen is still a position: the window manager (or the
// player) brings the window back. Only absurd figures are refused.
constexpr int kFarthest = 1 << 20;

}  // namespace

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}

QString SettingsStore::DefaultPath() {
  // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when it is unset.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/vellaro/vellaro.conf");
}

StoredSettings SettingsStore::Load() const {
  const QSettings file(path_, QSettings::IniFormat);
  const vellaro::Settings defaults;
  StoredSettings stored;
  vellaro::Settings& s = stored.game;
  s.system = static_cast<BettingSystem>(
      ReadInt(file, QStringLiteral("betting/system"), 0, kBettingSystems - 1, defaults.system));
  s.custom_system = ReadCustomSystem(file);
  s.base = ReadInt(file, QStringLiteral("betting/base"), 1, 1000, defaults.base);
  s.on_wins = ReadInt(file, QStringLiteral("betting/up_trender_wins"), 1, 100, defaults.on_wins);
  s.add_to_bet =
      ReadInt(file, QStringLiteral("betting/up_trender_add"), 1, 100, defaults.add_to_bet);
  s.safe_level = ReadInt(file, QStringLiteral("betting/safe_level"), 0, 10, defaults.safe_level);
  s.auto_reset = ReadBool(file, QStringLiteral("betting/automatic_reset"), defaults.auto_reset);
  // The minimal profit works only with the automatic reset: alone it is not a valid value.
  s.min_profit =
      s.auto_reset && ReadBool(file, QStringLiteral("betting/minimal_profit"), defaults.min_profit);
  s.show_bet = ReadBool(file, QStringLiteral("betting/show_bet"), defaults.show_bet);
  for (int k = 0; k < kChances; ++k) {
    s.trends[static_cast<size_t>(k)] = ReadBool(file, TrendKey(k), false);
  }
  // Opposite chances (Less/More, Even/Odd, Red/Black) cannot both carry a trend: a file
  // that says so has neither.
  for (int k = 0; k < kChances / 2; ++k) {
    auto& one = s.trends[static_cast<size_t>(k)];
    auto& other = s.trends[static_cast<size_t>(kChances - 1 - k)];
    if (one && other) one = other = false;
  }
  const int entry = ReadInt(file, QStringLiteral("analysis/mode_box"), 0, kGameModeItems - 1,
                            ModeBoxEntry(defaults.mode));
  s.mode = kGameModeIds[static_cast<size_t>(entry)];
  s.cat_rows = ReadBool(file, QStringLiteral("analysis/cat_rows"), defaults.cat_rows);
  for (int i = 0; i < kLimits; ++i) {
    const auto limit = static_cast<LimitKind>(i);
    s.limits[limit] = ReadLimit(file, limit);
  }

  stored.options_open = ReadBool(file, QStringLiteral("window/options_open"), false);
  stored.quick_analysis = ReadBool(file, QStringLiteral("window/quick_analysis"), false);
  const int32_t x = ReadInt(file, QStringLiteral("window/x"), -kFarthest, kFarthest, kFarthest + 1);
  const int32_t y = ReadInt(file, QStringLiteral("window/y"), -kFarthest, kFarthest, kFarthest + 1);
  if (x <= kFarthest && y <= kFarthest) stored.position = QPoint(x, y);
  return stored;
}

void SettingsStore::Save(const StoredSettings& stored) const {
  // A file that cannot be read would never be written over: it goes, and a good one
  // takes its place.
  if (QSettings(path_, QSettings::IniFormat).status() == QSettings::FormatError) {
    QFile::remove(path_);
  }
  QSettings file(path_, QSettings::IniFormat);
  const vellaro::Settings& s = stored.game;
  file.setValue(QStringLiteral("layout"), kLayout);
  file.setValue(QStringLiteral("betting/system"), static_cast<int>(s.system));
  file.setValue(QStringLiteral("betting/custom_system"), QString::fromStdString(s.custom_system));
  file.setValue(QStringLiteral("betting/base"), s.base);
  file.setValue(QStringLiteral("betting/up_trender_wins"), s.on_wins);
  file.setValue(QStringLiteral("betting/up_trender_add"), s.add_to_bet);
  file.setValue(QStringLiteral("betting/safe_level"), s.safe_level);
  file.setValue(QStringLiteral("betting/automatic_reset"), s.auto_reset);
  file.setValue(QStringLiteral("betting/minimal_profit"), s.min_profit);
  file.setValue(QStringLiteral("betting/show_bet"), s.show_bet);
  for (int k = 0; k < kChances; ++k) {
    file.setValue(TrendKey(k), s.trends[static_cast<size_t>(k)]);
  }
  const int entry = ModeBoxEntry(s.mode);
  // A mode the box does not offer leaves the stored entry as it was.
  if (entry >= 0) file.setValue(QStringLiteral("analysis/mode_box"), entry);
  file.setValue(QStringLiteral("analysis/cat_rows"), s.cat_rows);
  for (int i = 0; i < kLimits; ++i) {
    const std::optional<int32_t>& value = s.limits[static_cast<LimitKind>(i)];
    file.setValue(QLatin1String(kLimitKeys[static_cast<size_t>(i)]),
                  value ? QString::number(*value) : QStringLiteral("off"));
  }
  file.setValue(QStringLiteral("window/options_open"), stored.options_open);
  file.setValue(QStringLiteral("window/quick_analysis"), stored.quick_analysis);
  if (stored.position) {
    file.setValue(QStringLiteral("window/x"), stored.position->x());
    file.setValue(QStringLiteral("window/y"), stored.position->y());
  }
  file.sync();
}

}  // namespace vellaro::app
