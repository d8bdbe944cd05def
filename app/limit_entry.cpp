#include "app/limit_entry.h"

#include <QCoreApplication>

#include "app/counted_text.h"
#include "game/settings.h"

namespace vellaro::app {

namespace {

QString Name(vellaro::LimitKind limit) {
  const std::string_view name = vellaro::LimitName(limit);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString Smallest(vellaro::LimitKind limit) {
  const int32_t min = vellaro::SessionLimits::Min(limit);
  if (limit == vellaro::LimitKind::kMaxLosses) return QString::number(min);
  return CountText(min, "unit", "units");
}

LimitEntry Refused(vellaro::LimitKind limit, const QString& typed, const QString& why) {
  LimitEntry entry;
  entry.refusal = QCoreApplication::translate(
                      "LimitEntry", "\u201c%1\u201d refused for the %2: %3. Empty turns it off.")
                      .arg(typed, Name(limit), why);
  return entry;
}

}  // namespace

LimitEntry ReadLimitEntry(vellaro::LimitKind limit, const QString& typed) {
  const QString text = typed.trimmed();
  if (text.isEmpty()) return {true, std::nullopt, {}};
  // Digits only: toLongLong alone would take a sign, and a player typing "-50" for a
  // stop-loss means 50 lost, which is not for this edit to guess.
  for (const QChar c : text) {
    if (c < u'0' || c > u'9')
      return Refused(limit, text, QCoreApplication::translate("LimitEntry", "whole numbers only"));
  }
  bool number = false;
  const qlonglong value = text.toLongLong(&number);
  const QString range = QCoreApplication::translate("LimitEntry", "from %1 to %2")
                            .arg(Smallest(limit))
                            .arg(vellaro::SessionLimits::kMax);
  // A figure of more than 18 digits does not even fit toLongLong.
  if (!number || value > vellaro::SessionLimits::kMax) return Refused(limit, text, range);
  if (value < vellaro::SessionLimits::Min(limit)) return Refused(limit, text, range);
  return {true, static_cast<int32_t>(value), {}};
}

QString LimitText(const std::optional<int32_t>& value) {
  return value ? QString::number(*value) : QString();
}

}  // namespace vellaro::app
