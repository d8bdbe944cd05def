#include "text/translate.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "text/process_state.h"

namespace vellaro {

namespace {

struct Entry {
  std::string_view english;
  std::string_view translated;
};

// Each catalogue is made at build time from translations/core/<lang>.po (make_catalogue.cmake):
// a line per finished entry, both texts as the catalogue writes them, so C's escapes hold.
// The first entry is empty: an array may not be, and Tr("") is "" in every language.
constexpr Entry kGerman[] = {
#include "text/catalogue_de.inc"
};
constexpr Entry kSpanish[] = {
#include "text/catalogue_es.inc"
};
constexpr Entry kFrench[] = {
#include "text/catalogue_fr.inc"
};
constexpr Entry kItalian[] = {
#include "text/catalogue_it.inc"
};

struct Catalogue {
  std::string_view code;
  std::span<const Entry> entries;
};
constexpr Catalogue kCatalogues[] = {
    {"de", kGerman}, {"es", kSpanish}, {"fr", kFrench}, {"it", kItalian}};
constexpr std::string_view kCodes[] = {"de", "es", "fr", "it"};

// This copy's own state, until it is given another (a plugin's copy is given the program's).
constinit ProcessState own_state;
constinit std::atomic<ProcessState*> shared_state{&own_state};

std::atomic<int>& CurrentIndex() {
  return CurrentProcessState().language;
}

using Lookup = std::unordered_map<std::string_view, const char*>;

const std::vector<Lookup>& Lookups() {
  static const std::vector<Lookup> lookups = [] {
    std::vector<Lookup> made;
    for (const Catalogue& catalogue : kCatalogues) {
      Lookup& lookup = made.emplace_back();
      // The translation is a literal of the table: its data() ends in a NUL.
      for (const Entry& entry : catalogue.entries)
        lookup.emplace(entry.english, entry.translated.data());
    }
    return made;
  }();
  return lookups;
}

// "fr_FR.UTF-8", "fr-CA", "fr@euro", "FR" -> "fr".
std::string LanguageCode(std::string_view name) {
  const size_t end = name.find_first_of("_-.@");
  std::string code(name.substr(0, end));
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return code;
}

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

ProcessState& CurrentProcessState() {
  return *shared_state.load(std::memory_order_acquire);
}

void ShareProcessState(ProcessState& shared) {
  shared_state.store(&shared, std::memory_order_release);
}

std::span<const std::string_view> TranslatedLanguages() {
  return kCodes;
}

std::string_view SetLanguage(std::string_view language) {
  const std::string code = LanguageCode(language);
  for (size_t i = 0; i < std::size(kCatalogues); ++i) {
    if (kCatalogues[i].code == code) {
      CurrentIndex() = static_cast<int>(i);
      return kCatalogues[i].code;
    }
  }
  CurrentIndex() = -1;
  return "en";
}

std::string_view CurrentLanguage() {
  const int index = CurrentIndex();
  return index < 0 ? std::string_view("en") : kCatalogues[static_cast<size_t>(index)].code;
}

std::string ChosenLanguage(std::span<const std::string_view> args, const LanguageEnvironment& env) {
  constexpr std::string_view kOption = "--lang";
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == kOption && i + 1 < args.size()) return std::string(args[i + 1]);
    if (args[i].starts_with(kOption) && args[i].substr(kOption.size()).starts_with('=')) {
      return std::string(args[i].substr(kOption.size() + 1));
    }
  }
  // LANGUAGE is a list in order of preference, as gettext reads it: "de:fr".
  const std::string_view first = env.language.substr(0, env.language.find(':'));
  if (!first.empty()) return std::string(first);
  for (std::string_view value : {env.lc_all, env.lc_messages, env.lang}) {
    if (!value.empty()) return std::string(value);
  }
  return {};
}

LanguageEnvironment ProcessLanguageEnvironment() {
  return {Environment("LANGUAGE"), Environment("LC_ALL"), Environment("LC_MESSAGES"),
          Environment("LANG")};
}

std::vector<std::pair<std::string_view, std::string_view>> CatalogueEntries(
    std::string_view language) {
  std::vector<std::pair<std::string_view, std::string_view>> entries;
  for (const Catalogue& catalogue : kCatalogues) {
    if (catalogue.code != language) continue;
    for (const Entry& entry : catalogue.entries.subspan(1))
      entries.emplace_back(entry.english, entry.translated);
  }
  return entries;
}

const char* Tr(const char* english) {
  const int index = CurrentIndex();
  if (index < 0) return english;
  const Lookup& lookup = Lookups()[static_cast<size_t>(index)];
  const auto found = lookup.find(english);
  return found == lookup.end() ? english : found->second;
}

std::string TrFormat(const char* english, std::initializer_list<std::string_view> arguments) {
  const std::string_view text = Tr(english);
  std::string made;
  made.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
        text[i + 2] == '}') {
      const auto n = static_cast<size_t>(text[i + 1] - '1');
      if (n < arguments.size()) {
        made.append(arguments.begin()[n]);
        i += 2;
        continue;
      }
    }
    made.push_back(text[i]);
  }
  return made;
}

}  // namespace vellaro
