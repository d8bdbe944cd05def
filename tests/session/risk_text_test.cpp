// What the Risk tab says, as the engine writes it: its head is the summary's two lines, the
// chance of a stop stands apart from the runs' figures, and German says its counts right.

#include "session/risk_text.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "game/text_number.h"
#include "support/harness.h"
#include "support/in_language.h"
#include "text/translate.h"

namespace vellaro {
namespace {

TEST(RiskText, OpensWithTheSummarysLinesAndSetsTheStopApart) {
  testing::Harness h;
  Settings settings;
  settings.system = kBlind;
  settings.limits.bankroll = 50;
  h.game.Configure(settings);
  const RiskInputs risk = RiskInputsOf(h.game);
  const std::string text = RiskTextOf(risk, {}, std::nullopt).text;
  const std::string head = NextBetLines(risk.next)[0] + '\n' + NextBetLines(risk.next)[1] + '\n';
  EXPECT_EQ(text.substr(0, head.size()), head) << text;
  // A paragraph of its own: a run's figure read just before it was taken for it.
  const size_t stop = text.find("Chance that a limit holds a bet back");
  const size_t runs = text.find("Chance of a run of 10");
  ASSERT_NE(stop, std::string::npos) << text;
  ASSERT_NE(runs, std::string::npos) << text;
  EXPECT_LT(stop, runs);
  EXPECT_NE(text.substr(stop, runs - stop).find("\n\n"), std::string::npos) << text;
  EXPECT_EQ(RiskTextOf(risk, {}, 12).text.rfind("At the end of session 12:\n" + head, 0), 0U);
}

// Stakes that double after wins, with only a take-profit set, spread the evening's result
// beyond what the exact computation follows: the tab says so, in the player's language,
// and gives no figure for the stop (it once froze the window and took all memory).
TEST(RiskText, SaysWhyTheChanceOfAStopIsNotWorkedOutWhenStakesSpreadTooFar) {
  testing::Harness h;
  Settings settings;
  settings.system = kParlay;
  settings.safe_level = 2;
  settings.limits.take_profit = 28;
  h.game.Configure(settings);
  h.Spins({0, 7, 0, 7, 0});
  const RiskInputs risk = RiskInputsOf(h.game);
  ASSERT_FALSE(risk.not_modelled.has_value());
  EXPECT_EQ(std::get<RuinNotModelled>(RuinOf(risk, HorizonOf(risk))), RuinNotModelled::kTooSpread);
  const std::string said =
      Tr("The chance that a limit stops the evening is not worked out: these stakes spread the "
         "evening's result over too many different sums to follow them all.");
  EXPECT_NE(RiskTextOf(risk, {}, std::nullopt).text.find(said), std::string::npos);
  const InLanguage german("de");
  const std::string text = RiskTextOf(risk, {}, std::nullopt).text;
  EXPECT_EQ(text.find(said), std::string::npos);
  EXPECT_NE(text.find(Tr(said.c_str())), std::string::npos) << text;
}

// A German count is written in the nominative ("6 gezeigte Verluste"): the sentence that
// takes one puts it where the nominative stands, never after "von", which wants "6
// gezeigten Verlusten", nor as the object of "deckt" ("1 gezeigten Verlust").
TEST(RiskText, GermanCountsStandWhereTheNominativeDoes) {
  const InLanguage german("de");
  for (const int64_t losses : {1, 6}) {
    const std::string counted = CountedText(losses, "{1} shown loss", "{1} shown losses");
    const std::string said = TrFormat(
        "It covers {1} in a row under {2} ({3}); a run of {1} in a row somewhere in the next {4} "
        "spins: {5}.",
        {counted, "Martingale", "63 Einheiten", "100", "3,2 %"});
    EXPECT_NE(said.find(counted), std::string::npos) << said;
    const std::regex dative("\\b(von|mit|nach|aus|bei|zu|deckt) " + counted);
    EXPECT_FALSE(std::regex_search(said, dative)) << said;
  }
}

}  // namespace
}  // namespace vellaro
