#pragma once

// Text for people: how wide a text is on a terminal, and a sentence kept in English for
// programs. A count and its noun in the person's language is CountedText (game/text_number.h).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vellaro::sim {

// The columns `text` takes on a terminal: its characters, UTF-8 counted as such (an accented
// letter or a narrow space is one column however many bytes it takes).
size_t TextColumns(std::string_view text);

// The text `make` makes, made in English whatever the language of the texts for people: for
// a sentence that goes where programs read (the JSON's note). Not for use while another
// thread makes texts.
std::string InEnglish(const std::function<std::string()>& make);

}  // namespace vellaro::sim
