#include "tools/sim/person_text.h"

#include <algorithm>

#include "game/text_number.h"
#include "text/translate.h"

namespace vellaro::sim {

size_t TextColumns(std::string_view text) {
  // Every byte but those that continue a character.
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string InEnglish(const std::function<std::string()>& make) {
  // Put back however `make` ends.
  struct Back {
    std::string language;
    ~Back() { SetLanguage(language); }
  } back{std::string(CurrentLanguage())};
  SetLanguage("en");
  return make();
}

}  // namespace vellaro::sim
