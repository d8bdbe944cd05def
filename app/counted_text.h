#pragma once

// The engine's counts with their nouns ("1 unit", "2 units"), as the window's texts, the
// noun in the window's language. Header only: the panel's plugin uses it too.

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/text_number.h"

namespace vellaro::app {

// Every noun the window counts with, so that lupdate finds them: a noun missing here is
// shown in English.
inline constexpr const char* kCountNouns[] = {
    QT_TRANSLATE_NOOP("Counts", "unit"),       QT_TRANSLATE_NOOP("Counts", "units"),
    QT_TRANSLATE_NOOP("Counts", "spin"),       QT_TRANSLATE_NOOP("Counts", "spins"),
    QT_TRANSLATE_NOOP("Counts", "shown loss"), QT_TRANSLATE_NOOP("Counts", "shown losses"),
    QT_TRANSLATE_NOOP("Counts", "bet"),        QT_TRANSLATE_NOOP("Counts", "bets"),
    QT_TRANSLATE_NOOP("Counts", "hit"),        QT_TRANSLATE_NOOP("Counts", "hits"),
};

// The noun of `count`, `one` or `many` as the engine picks it, translated.
inline QString NounText(int64_t count, std::string_view one, std::string_view many) {
  const std::string noun(vellaro::CountNoun(count, one, many));
  return QCoreApplication::translate("Counts", noun.c_str());
}

// The count and its noun: "2 units", in German "2 Einheiten"; the number is written as the
// engine writes it everywhere.
inline QString CountText(int64_t count, std::string_view one, std::string_view many) {
  QString text = QString::fromStdString(vellaro::Counted(count, one, many));
  text.chop(static_cast<qsizetype>(vellaro::CountNoun(count, one, many).size()));
  return text + NounText(count, one, many);
}

}  // namespace vellaro::app
