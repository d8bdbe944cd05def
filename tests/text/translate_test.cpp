#include "text/translate.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "text/process_state.h"

namespace vellaro {
namespace {

// Every test leaves the process in English, as the other tests expect it.
class Language : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage("en"); }
};

TEST_F(Language, IsChosenByOptionThenLanguageListThenTheLocaleVariables) {
  struct Case {
    std::vector<std::string_view> args;
    LanguageEnvironment env;
    std::string chosen;
  };
  const Case cases[] = {
      {{"--lang", "it"}, {"de:fr", "fr_FR.UTF-8", "es_ES", "de_DE"}, "it"},
      {{"--seed", "4", "--lang=es"}, {"de", "", "", ""}, "es"},
      {{"--language=fr"}, {"", "", "", "de_DE.UTF-8"}, "de_DE.UTF-8"},
      {{"--lang"},
       {"", "", "", "it_IT"},
       "it_IT"},  // no value follows: not an option of a language
      {{}, {"de:fr", "fr_FR.UTF-8", "", ""}, "de"},
      {{}, {":fr", "es_ES.UTF-8", "", ""}, "es_ES.UTF-8"},
      {{}, {"", "fr_FR.UTF-8", "es_ES", "de_DE"}, "fr_FR.UTF-8"},
      {{}, {"", "", "es_ES", "de_DE"}, "es_ES"},
      {{}, {"", "", "", "de_DE"}, "de_DE"},
      {{}, {"", "", "", ""}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChosenLanguage(c.args, c.env), c.chosen) << c.chosen;
  }
}

TEST_F(Language, TakesTheCodeOfALocaleNameAndFallsBackToEnglish) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"fr_FR.UTF-8", "fr"}, {"de-AT", "de"}, {"IT", "it"},    {"es@euro", "es"}, {"C", "en"},
      {"POSIX", "en"},       {"", "en"},      {"pt_BR", "en"}, {"en_GB", "en"},   {"deu", "en"},
  };
  for (const auto& [name, code] : cases) {
    EXPECT_EQ(SetLanguage(name), code) << name;
    EXPECT_EQ(CurrentLanguage(), code) << name;
  }
}

// A copy of the engine given another's state (a plugin given the program's) reads and sets
// that state from then on, and leaves its own as it was.
TEST_F(Language, IsReadAndSetInTheStateTheCopyWasGiven) {
  ProcessState program;
  // Its own state again at the end, whatever fails: `program` ends with the test.
  const struct OwnAgain {
    ProcessState& own;
    ~OwnAgain() { ShareProcessState(own); }
  } again{CurrentProcessState()};
  ProcessState& own = again.own;
  SetLanguage("de");
  ShareProcessState(program);
  EXPECT_EQ(CurrentLanguage(), "en");
  SetLanguage("fr");
  EXPECT_STREQ(Tr("Red"), "Rouge");
  ShareProcessState(own);
  EXPECT_EQ(CurrentLanguage(), "de");
  ShareProcessState(program);
  EXPECT_EQ(CurrentLanguage(), "fr");
}

TEST_F(Language, FillsPlaceholdersInTheOrderTheTextNamesThem) {
  EXPECT_EQ(TrFormat("{2} of {1} spins", {"40", "3"}), "3 of 40 spins");
  EXPECT_EQ(TrFormat("{1}{1} and {3}", {"a", "b"}), "aa and {3}");
  EXPECT_STREQ(Tr("a text no catalogue holds"), "a text no catalogue holds");
  SetLanguage("de");
  EXPECT_STREQ(Tr("a text no catalogue holds"), "a text no catalogue holds");
}

TEST_F(Language, WritesNumbersAsTheLanguageDoes) {
  struct Case {
    std::string_view language, c_number, local;
  };
  const Case cases[] = {
      {"en", "-1234.5", "-1234.5"},
      {"de", "-1234.5", "-1.234,5"},
      {"de", "1234567", "1.234.567"},
      {"de", "0.027", "0,027"},
      {"de", "123", "123"},
      {"de", "+12.50 units", "+12,50 units"},
      {"it", "3.1%", "3,1%"},
      {"es", "1234.5", "1234,5"},
      {"es", "12345", "12.345"},
      {"fr", "-98765.25", "-98\u202f765,25"},
      {"de", "n/a", "n/a"},
      {"de", "7. spin", "7. spin"},
      {"de", "-", "-"},
      {"fr", "1000", "1\u202f000"},
  };
  for (const Case& c : cases) {
    SetLanguage(c.language);
    EXPECT_EQ(LocalNumber(c.c_number), c.local) << c.language << " " << c.c_number;
  }
}

// A translation must keep what the code relies on: the same placeholders (a lost "{2}" drops a
// figure), and the same line breaks at its ends (texts are joined into lines and paragraphs).
TEST_F(Language, EveryCatalogueEntryKeepsThePlaceholdersAndEndsOfItsEnglish) {
  // "{1}" to "{9}", each as often as it stands. (Scanned by hand: GCC 12 under the
  // sanitizers takes std::regex's insides for uninitialised.)
  const auto placeholders = [](std::string_view text) {
    std::multiset<std::string> found;
    for (size_t at = 0; at + 2 < text.size(); ++at) {
      if (text[at] == '{' && text[at + 1] >= '1' && text[at + 1] <= '9' && text[at + 2] == '}') {
        found.insert(std::string(text.substr(at, 3)));
      }
    }
    return found;
  };
  const auto ends = [](std::string_view text) {
    return std::pair(text.starts_with('\n') || text.starts_with(' '), text.ends_with('\n'));
  };
  for (std::string_view language : TranslatedLanguages()) {
    SetLanguage(language);
    for (const auto& [english, translated] : CatalogueEntries(language)) {
      EXPECT_EQ(placeholders(english), placeholders(translated)) << language << ": " << english;
      EXPECT_EQ(ends(english), ends(translated)) << language << ": " << english;
      EXPECT_EQ(std::string_view(Tr(std::string(english).c_str())), translated) << language;
    }
  }
}

}  // namespace
}  // namespace vellaro
