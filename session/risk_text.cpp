#include "session/risk_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "game/types.h"
#include "session/figure_text.h"
#include "session/limit_cover.h"
#include "session/ruin.h"
#include "text/translate.h"

namespace vellaro {

namespace {

// A line left empty after a paragraph.
constexpr char kParagraphEnd[] = "\n\n";

// Exact hundredths of a unit, not a double rounded: the sign, the whole units, two decimals.
std::string HundredthsText(const Units37& units) {
  const int64_t h = units.Hundredths();
  const int64_t magnitude = std::llabs(h);
  char text[48];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", h < 0 ? "-" : "",
                static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
  return LocalNumber(text);
}

// A probability as a percentage with four significant digits: 0.012345 is "1.234 %".
std::string ChancePercent(double probability) {
  char text[48];
  std::snprintf(text, sizeof text, "%.4g", 100.0 * probability);
  return LocalNumber(text) + " %";
}

std::string Units(int64_t count) {
  return CountedText(count, N_("{1} unit"), N_("{1} units"));
}

std::string CoverLine(const RiskInputs& risk, const Horizon& horizon, const LimitCover& cover) {
  const bool bankroll = cover.limit == LimitKind::kBankroll;
  const SessionLimits& limits = risk.limits;
  const char* room = bankroll ? N_("Bankroll left: {1} (bankroll {2}, net {3}). ")
                              : N_("Room to the stop-loss: {1} (stop-loss {2}, net {3}). ");
  std::string text = TrFormat(
      room, {Units(cover.room), LocalCount(bankroll ? *limits.bankroll : *limits.stop_loss),
             LocalCount(risk.net)});
  if (cover.room <= 0) {
    return text + (bankroll ? Tr("It is used up: no further bet is shown.")
                            : Tr("The stop-loss is reached: no further bet is shown."));
  }
  const Coverage& c = cover.coverage;
  if (c.losses == 0) {
    return text + TrFormat("It does not cover the next shown stake under {1}.", {risk.system_name});
  }
  const std::string losses = CountedText(c.losses, N_("{1} shown loss"), N_("{1} shown losses"));
  return text + TrFormat(
                    "It covers {1} in a row under {2} ({3}); a run of {1} in a row somewhere in "
                    "the next {4} spins: {5}.",
                    {losses, risk.system_name, Units(c.total), LocalCount(horizon.spins),
                     ChancePercent(c.probability)});
}

// What the bankroll left and the room to the stop-loss pay for, one sentence each. These
// are runs of losses in a row; the chance of being stopped is the exact figure above them.
std::string CoverText(const RiskInputs& risk, const Horizon& horizon) {
  std::string text;
  for (const LimitCover& cover :
       CoverOfLimits(risk.rules, risk.state, risk.limits, risk.net, horizon.settled)) {
    text += '\n' + CoverLine(risk, horizon, cover);
  }
  return text;
}

// Why the exact chance of a stop is not worked out, in a sentence.
std::string NotWorkedOutText(RuinNotModelled why) {
  const char* reason = nullptr;
  switch (why) {
    case RuinNotModelled::kAutomaticReset:
      reason = Tr("BET AUTOMATIC RESET sets the stake from the engine's internal balance");
      break;
    case RuinNotModelled::kTrendBehindSafety:
      reason = Tr("a trend can put on show a bet that the SAFE LEVEL only tracks");
      break;
    case RuinNotModelled::kMatrix:
      reason = Tr("the matrix settles a spin it chose no chance for as a loss");
      break;
    case RuinNotModelled::kSystemState:
      reason = Tr("your system keeps a place, line or cycle that the stake alone does not tell");
      break;
    case RuinNotModelled::kTooSpread:
      return Tr(
          "The chance that a limit stops the evening is not worked out: these stakes spread "
          "the evening's result over too many different sums to follow them all.");
  }
  return TrFormat(
      "The chance that a limit stops the evening is not worked out: {1}, which that "
      "computation does not follow.",
      {reason});
}

// The exact chance that each limit set stops the evening: what "going broke" means. A bet
// held back now has stopped it already, which the next bet's line says.
std::string RuinText(const RiskInputs& risk, const Horizon& horizon) {
  if (!risk.limits.Any() || risk.withheld) return {};
  const RuinOrWhyNot figure = RuinOf(risk, horizon);
  const Ruin* ruin = std::get_if<Ruin>(&figure);
  if (ruin == nullptr) return NotWorkedOutText(std::get<RuinNotModelled>(figure));
  std::string parts;
  int set = 0;
  for (int k = 0; k < kLimits; ++k) {
    const auto limit = static_cast<LimitKind>(k);
    if (!risk.limits[limit]) continue;
    parts += std::string(set++ > 0 ? ", " : "") + std::string(LimitName(limit)) + " " +
             ChancePercent(ruin->stopped_by[static_cast<size_t>(k)]);
  }
  if (set > 1) parts += ", " + TrFormat("any of them {1}", {ChancePercent(ruin->stopped)});
  return TrFormat(
      "Chance that a limit holds a bet back, and so stops the evening, within the next {1} "
      "spins, wins and losses in any order (exact): {2}.",
      {LocalCount(horizon.spins), parts});
}

// How likely the losing runs ahead are, after the losses tracked before the first bet.
std::string RunChanceText(const LosingRun& run, double run_probability, const Horizon& horizon) {
  std::string text;
  if (run.tracked_losses == 1) {
    text += Tr("The next loss is tracked without a bet; then:\n");
  } else if (run.tracked_losses > 1) {
    text += TrFormat("The next {1} losses in a row are tracked without a bet; then:\n",
                     {LocalCount(run.tracked_losses)});
  }
  // Two different questions, both asked of the list below: a run of that length anywhere
  // in the horizon, and the next bets losing one after another from now.
  const int64_t next_all_lost = run.tracked_losses + kRiskLosses;
  const std::string next_bets =
      run.tracked_losses > 0 ? TrFormat("{1} recommendations ({2} tracked, then {3} shown)",
                                        {LocalCount(next_all_lost), LocalCount(run.tracked_losses),
                                         LocalCount(kRiskLosses)})
                             : TrFormat("{1} bets", {LocalCount(kRiskLosses)});
  return text +
         TrFormat(
             "Chance of a run of {1} shown losses in a row somewhere in the next {2} "
             "spins: {3}. Chance that the next {4} all lose, one after another from "
             "now: {5}.\n",
             {LocalCount(kRiskLosses), LocalCount(horizon.spins), ChancePercent(run_probability),
              next_bets, ChancePercent(std::pow(19.0 / 37.0, static_cast<double>(next_all_lost)))});
}

// The horizon every chance of the tab is for, said once above them.
std::string HorizonText(const Horizon& horizon) {
  if (horizon.settled == horizon.spins) {
    return TrFormat("Every chance below is for the next {1} spins.\n", {LocalCount(horizon.spins)});
  }
  return TrFormat(
      "Every chance below is for the next {1} spins, which settle {2} bets: the first is "
      "recommended after the fifth spin.\n",
      {LocalCount(horizon.spins), LocalCount(horizon.settled)});
}

// What the next spin and the evening so far are expected to cost.
std::string ExpectedLossText(const RiskInputs& risk, const RiskMeter& meter,
                             const RealResult::Counts& counts) {
  std::string text =
      risk.standing == Standing::kShown
          ? TrFormat("Expected loss of the next spin: {1} units (1/37 of the {2} on show). ",
                     {HundredthsText(ExpectedLoss(risk.state.stake)), Units(risk.state.stake)})
          : std::string(Tr("No bet is on show: the next spin costs nothing. "));
  return text + TrFormat(
                    "Expected loss of the session so far: {1} units (1/37 of {2} staked); "
                    "actual result: {3}.",
                    {HundredthsText(meter.expected_loss_evening), Units(counts.units_staked),
                     Units(counts.net)});
}

// The head: where the evening stands, the system and its next bet, its base and SAFE LEVEL.
std::string HeadText(const RiskInputs& risk, std::optional<int64_t> past_session) {
  std::string text;
  if (past_session) {
    text += TrFormat("At the end of session {1}:", {std::to_string(*past_session)}) + '\n';
  }
  for (const std::string& line : NextBetLines(risk.next)) text += line + '\n';
  return text +
         TrFormat("The base stake is {1} and the SAFE LEVEL {2}.",
                  {LocalCount(risk.rules.base_unit), LocalCount(risk.rules.safe_level)}) +
         '\n';
}

// The list of the next shown losses, up to the first stake a limit holds back.
void FillList(const LosingRun& run, const std::optional<RunCut>& cut, RiskText& made) {
  for (size_t at = 0; at < made.stakes.size(); ++at) {
    const bool placed = at < run.stakes.size() && (!cut || at < cut->at);
    if (placed) made.stakes[at] = LocalCount(run.stakes[at]);
    if (placed) made.totals[at] = LocalCount(run.totals[at]);
    if (cut && at == cut->at) {
      made.stakes[at] =
          TrFormat("{1}: held back ({2})", {LocalCount(run.stakes[at]), LimitName(cut->limit)});
    }
  }
}

}  // namespace

std::vector<std::string> NextBetLines(const NextBet& next) {
  return {SystemLine(next), NextBetLine(next)};
}

RiskText RiskTextOf(const RiskInputs& risk, const RealResult::Counts& counts,
                    std::optional<int64_t> past_session) {
  const Horizon horizon = HorizonOf(risk);
  const RiskMeter meter =
      MeasureRisk(risk.rules, risk.state, counts.units_staked, std::nullopt, horizon);
  const LosingRun& run = meter.next_losses;
  const std::optional<RunCut> cut = WhereLimitsCut(run, risk.limits, risk.net, risk.standing);
  RiskText made;
  std::string& text = made.text;
  text = HeadText(risk, past_session);
  text += HorizonText(horizon);
  // The chance of a stop first, a paragraph of its own: the runs of losses below are
  // another question, and a figure of theirs read just before it was taken for it.
  if (const std::string stop = RuinText(risk, horizon); !stop.empty()) {
    text += stop + kParagraphEnd;
  }
  text += RunChanceText(run, meter.run_probability, horizon);
  if (cut) {
    text += TrFormat(
        "The {1} holds back the stake of {2} (row {3} of the list): a run of losses stops the "
        "evening there.\n",
        {LimitName(cut->limit), LocalCount(run.stakes[cut->at]),
         LocalCount(static_cast<int64_t>(cut->at) + 1)});
  }
  text += ExpectedLossText(risk, meter, counts);
  text += CoverText(risk, horizon);
  FillList(run, cut, made);
  return made;
}

}  // namespace vellaro
