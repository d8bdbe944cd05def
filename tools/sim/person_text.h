#pragma once

// Text for people: a count and its noun in their language, and how wide a text is.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vellaro::sim {

// `one` for 1 and -1, `many` for every other count (0 included), each a marked English
// template with {1} for the count, which is written as the language writes numbers:
// CountedText(10000, N_("{1} evening"), N_("{1} evenings")) is "10,000 evenings" in English
// and "10.000 Abende" in German.
std::string CountedText(int64_t count, const char* one, const char* many);

// The columns `text` takes on a terminal: its characters, UTF-8 counted as such (an accented
// letter or a narrow space is one column however many bytes it takes).
size_t TextColumns(std::string_view text);

// The text `make` makes, made in English whatever the language of the texts for people: for
// a sentence that goes where programs read (the JSON's note). Not for use while another
// thread makes texts.
std::string InEnglish(const std::function<std::string()>& make);

}  // namespace vellaro::sim
