#pragma once

// The engine's counts with their nouns ("1 unit", "2 units"), as the window's texts.

#include <QString>
#include <cstdint>
#include <string_view>

#include "game/text_number.h"

namespace vellaro::app {

inline QString CountText(int64_t count, std::string_view one, std::string_view many) {
  return QString::fromStdString(vellaro::Counted(count, one, many));
}

inline QString NounText(int64_t count, std::string_view one, std::string_view many) {
  const std::string_view noun = vellaro::CountNoun(count, one, many);
  return QString::fromLatin1(noun.data(), static_cast<qsizetype>(noun.size()));
}

}  // namespace vellaro::app
