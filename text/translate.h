#pragma once

// The texts a person reads, in the language the person chose. English is the source: the
// code writes English, marked with Tr() or TrFormat() (or N_() where a table holds texts to
// be translated later), and the catalogue of each language (translations/core/<lang>.po,
// compiled in at build time) gives the same text in that language. A text the catalogue does
// not hold stays English. The window and vellaro-sim set the language once, at start-up,
// before any text is made.
//
// What is written for programs (CSV, JSON, the trace, the journal, the game log) is never
// translated: it does not go through here.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellaro {

// The language codes with a catalogue ("de", "es", "fr", "it"); English is not among them.
std::span<const std::string_view> TranslatedLanguages();

// Makes `language` the language of every text from now on: a code ("fr"), a locale name
// ("fr_FR.UTF-8", "fr-CA") or anything else. Returns the code it took, or "en" (the English
// source) for English, "C", "POSIX", an empty name or a language without a catalogue.
std::string_view SetLanguage(std::string_view language);

// The language texts are made in now: "en" or one of TranslatedLanguages().
std::string_view CurrentLanguage();

// The language a person asked for: `--lang xx` (or `--lang=xx`) among `args`, else the first
// entry of LANGUAGE (a list such as "de:fr"), else LC_ALL, LC_MESSAGES and LANG, the first
// that is set and not empty, as the C library reads them. Empty when none is.
struct LanguageEnvironment {
  std::string_view language;     // LANGUAGE
  std::string_view lc_all;       // LC_ALL
  std::string_view lc_messages;  // LC_MESSAGES
  std::string_view lang;         // LANG
};
std::string ChosenLanguage(std::span<const std::string_view> args, const LanguageEnvironment& env);
// The same from this process's own environment.
LanguageEnvironment ProcessLanguageEnvironment();

// `english` in the current language. The pointer stays valid for the life of the program.
const char* Tr(const char* english);

// `english` in the current language, with "{1}", "{2}", ... replaced by the arguments in
// order (a translation may place them in another order). A placeholder without an argument
// is left as written.
std::string TrFormat(const char* english, std::initializer_list<std::string_view> arguments);

// Marks a text for the catalogue where it cannot be translated yet (a table of texts
// translated when shown). It returns the text unchanged.
constexpr const char* N_(const char* english) {
  return english;
}

// A number written in C's way ("-1234.5", "0.027", "12", "3.1%") as the current language
// writes it for a person: its decimal point and its thousands separator (4 or more digits
// before the point). In English it is returned as it came. Anything after the number is kept.
std::string LocalNumber(std::string_view c_number);

// Every finished entry of a language's catalogue, English first: what the checks of the
// catalogues read. Empty for a language without one.
std::vector<std::pair<std::string_view, std::string_view>> CatalogueEntries(
    std::string_view language);

}  // namespace vellaro
