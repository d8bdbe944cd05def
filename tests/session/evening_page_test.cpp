// The evening page in the player's language: its words are that language's, its numbers are
// written as that language writes them, and read back they are the English page's figures,
// cell for cell; the markup stays whole around apostrophes and quotes.

#include "session/evening_page.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "betting/chance.h"
#include "text/translate.h"

namespace vellaro {
namespace {

class EveningPageInLanguages : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage("en"); }
};

// 400 spins of a seeded wheel, a shown bet of 50 units on red at each, a reset and a change
// of a setting on the way: staked units in the ten thousands, so that every language groups
// its digits, and enough spins for the test of the 37 numbers.
SessionTrack Evening() {
  SessionTrack track;
  std::mt19937 wheel(20261210);
  for (int64_t spin = 1; spin <= 400; ++spin) {
    track.On(BetShown{kRed, 50});
    const int number = static_cast<int>(wheel() % 37);
    track.On(SpinAccepted{spin, number});
    BetSettled settled;
    settled.spin_index = spin;
    settled.chance = kRed;
    settled.won = WinsChanceIndex(number, kRed);
    settled.stake = 50;
    settled.shown = true;
    track.On(settled);
    if (spin == 100) track.On(LedgerReset{ResetReason::kButton, 1});
    if (spin == 200) track.On(SettingChanged{Setting::kSafeLevel, 2, kLess});
  }
  return track;
}

std::string Page(std::string_view language) {
  SetLanguage(language);
  return EveningPageHtml(StoredEveningText("Vellaro", "/tmp/it's \"mine\".sqlite", 7), Evening());
}

std::vector<std::string> Cells(const std::string& page) {
  static const std::regex cell("<td>([^<]*)</td>");
  std::vector<std::string> cells;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), cell); it != std::sregex_iterator();
       ++it) {
    cells.push_back((*it)[1]);
  }
  return cells;
}

void Replace(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// A number as `language` writes it, read back into C's digits: its group separators out,
// its decimal comma a point, a no-break space before "%" an ordinary one.
std::string AsC(std::string text, std::string_view language) {
  Replace(text, "\u00a0", " ");
  Replace(text, language == "fr" ? "\u202f" : ".", "");
  Replace(text, ",", ".");
  return text;
}

bool IsNumber(const std::string& cell) {
  static const std::regex number(R"([+-]?[0-9]+(\.[0-9]+)?(e[+-]?[0-9]+)?( %)?)");
  return std::regex_match(cell, number);
}

TEST_F(EveningPageInLanguages, EveryFigureIsTheEnglishPagesWrittenTheLanguagesWay) {
  const std::string english = Page("en");
  const std::vector<std::string> english_cells = Cells(english);
  ASSERT_GT(english_cells.size(), 150u);
  for (const std::string_view language : TranslatedLanguages()) {
    const std::string page = Page(language);
    const std::vector<std::string> cells = Cells(page);
    ASSERT_EQ(cells.size(), english_cells.size()) << language;
    int numbers = 0, grouped = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
      if (!IsNumber(english_cells[i])) continue;
      ++numbers;
      EXPECT_EQ(AsC(cells[i], language), english_cells[i]) << language << " cell " << i;
      grouped += AsC(cells[i], language) != cells[i] && cells[i].find(',') == std::string::npos;
    }
    EXPECT_GT(numbers, 150) << language;
    EXPECT_GT(grouped, 0) << language << ": no number of the thousands was grouped";
    EXPECT_NE(page.find("<html lang=\"" + std::string(language) + "\">"), std::string::npos);
    // The headings and the table's words are the language's, not English.
    for (const char* english_text :
         {"<h2>The evening</h2>", "<h2>Chances and numbers</h2>", "<h2>The wheel</h2>",
          "<td>1st dozen (1-12)</td>", "<th>longest absence</th>", ">net result</text>"}) {
      EXPECT_EQ(page.find(english_text), std::string::npos) << language << ": " << english_text;
      EXPECT_NE(english.find(english_text), std::string::npos) << english_text;
    }
  }
}

TEST_F(EveningPageInLanguages, GermanSaysItsOwnWordsAroundTheSameFigures) {
  const std::string english = Page("en");
  const std::string german = Page("de");
  // 400 bets of 50 units: 20,000 staked, in German 20.000.
  EXPECT_NE(german.find("<td>auf abgerechnete Einsätze gesetzte Einheiten</td><td>20.000</td>"),
            std::string::npos);
  EXPECT_NE(german.find("Einstellungen: vellaro-sim --journal"), std::string::npos);
  // The sentence of the chi-square test carries the same two figures in both languages.
  const std::regex english_fit(R"(Chi-square ([0-9.]+) on 36 degrees of freedom, p = ([0-9.]+)\.)");
  const std::regex german_fit(R"(Chi-Quadrat ([0-9,]+) bei 36 Freiheitsgraden, p = ([0-9,]+)\.)");
  std::smatch e, d;
  ASSERT_TRUE(std::regex_search(english, e, english_fit));
  ASSERT_TRUE(std::regex_search(german, d, german_fit));
  EXPECT_EQ(AsC(d[1], "de"), e[1]);
  EXPECT_EQ(AsC(d[2], "de"), e[2]);
  EXPECT_NE(german.find("Nach 400 Drehungen sind die 37 Zahlen"), std::string::npos);
}

// Italian and French put apostrophes and quotes in the texts, and the journal's name may
// hold them too: each is escaped, in the page and in its chart, and the chart still fits.
TEST_F(EveningPageInLanguages, ApostrophesAndQuotesOfTheTranslationsAreEscaped) {
  const std::string italian = Page("it");
  EXPECT_NE(italian.find("<th>p dell&#39;assenza più lunga</th>"), std::string::npos);
  EXPECT_EQ(italian.find("dell'assenza"), std::string::npos);
  EXPECT_NE(italian.find("it&#39;s &quot;mine&quot;.sqlite"), std::string::npos);
  EXPECT_EQ(italian.find("it's"), std::string::npos);

  for (const std::string_view language : TranslatedLanguages()) {
    SetLanguage(language);
    const Chart chart = EveningPageChart(Evening().points());
    for (const Box& text : chart.text_boxes) {
      EXPECT_FALSE(text.Overlaps(chart.frame.area)) << language;
      EXPECT_LE(text.left + text.width, 640.5) << language;
    }
  }
  // A chart named by a translated text with an apostrophe holds none unescaped.
  SetLanguage("it");
  const std::string svg = EveningChart({Tr("p of longest absence"), "d", "x", "y"}, {}).svg;
  EXPECT_NE(svg.find("<title>p dell&#39;assenza più lunga</title>"), std::string::npos);
  EXPECT_EQ(svg.find('\''), std::string::npos);
}

}  // namespace
}  // namespace vellaro
