#include "tools/sim/interval_rule.h"

#include <algorithm>

#include "game/text_number.h"
#include "game/types.h"
#include "text/translate.h"
#include "tools/sim/person_text.h"
#include "tools/sim/report.h"

namespace vellaro::sim {

namespace {

// The name of a system in a sentence: its name in the betting-system box up to the
// parenthesis ("Martingale", "UP-TRENDER").
std::string NameOf(const PlayedSystem& system) {
  if (system.file) return system.file->rules.name;
  const std::string_view name = kBettingSystemNames[static_cast<size_t>(system.builtin)];
  return std::string(name.substr(0, name.find(" (")));
}

// "A", "A and B", "A, B and C", in the language's words.
std::string Listed(const std::vector<std::string>& items) {
  if (items.empty()) return "";
  std::string text = items.back();
  if (items.size() >= 2) {
    text = TrFormat("{1} and {2}", {items[items.size() - 2], text});
    for (size_t i = items.size() - 2; i-- > 0;) text = TrFormat("{1}, {2}", {items[i], text});
  }
  return text;
}

// What the house edge takes of the units these evenings staked, a figure of the sample as
// their mean is: the stakes of the rare evenings the sample lacks would change it too.
std::string AtTheHouseEdge(const Spread& spread) {
  return TrFormat(
      ": at the house edge, the units these evenings staked come to {1} units an evening, a "
      "figure of this sample as the mean is.",
      {LocalNumber(Decimal(-spread.units_staked, __int128{37} * spread.evenings, 2))});
}

// The evenings stopped by the limits that bound the stakes of `system`, or by any limit
// for a system that needs no bound.
uint64_t Stopped(const PlayedSystem& system, const SessionLimits& limits, const Spread& spread) {
  std::vector<LimitKind> counted = LimitsBoundingStakes(system);
  if (counted.empty()) {
    for (size_t limit = 0; limit < kLimits; ++limit) {
      counted.push_back(static_cast<LimitKind>(limit));
    }
  }
  uint64_t stopped = 0;
  for (const LimitKind limit : counted) {
    if (limits[limit]) stopped += spread.stopped_by[static_cast<size_t>(limit)];
  }
  return stopped;
}

uint64_t StoppedByAny(const Spread& spread) {
  uint64_t stopped = 0;
  for (const uint64_t count : spread.stopped_by) stopped += count;
  return stopped;
}

std::string_view LimitWord(LimitKind limit) {
  switch (limit) {
    case LimitKind::kBankroll:
      return Tr("bankroll");
    case LimitKind::kStopLoss:
      return Tr("stop-loss");
    case LimitKind::kTakeProfit:
      return Tr("take-profit");
    case LimitKind::kTableMax:
      return Tr("table maximum");
    case LimitKind::kMaxLosses:
      return Tr("losses in a row");
  }
  return "";
}

// A file's rules in the words of HowStakesGrow.
std::string HowFileStakesGrow(const SystemDefinition& rules) {
  using Op = StakeStep::Op;
  const std::string up_to =
      rules.cap != 0 ? TrFormat(", up to {1} base units", {LocalNumber(std::to_string(rules.cap))})
                     : "";
  switch (rules.kind) {
    case SystemKind::kMultiply: {
      const bool on_win = rules.on_win.op == Op::kTimes;
      const StakeStep& step = on_win ? rules.on_win : rules.on_loss;
      if (step.op != Op::kTimes) return Tr("grow by a few base units a loss") + up_to;
      const std::string factor = std::to_string(step.factor);
      return (on_win ? TrFormat("grow {1}-fold on every win", {factor})
                     : TrFormat("grow {1}-fold on every loss", {factor})) +
             up_to;
    }
    case SystemKind::kSequence: {
      const int64_t top = *std::max_element(rules.sequence.begin(), rules.sequence.end());
      const std::string reach =
          LocalNumber(std::to_string(rules.cap != 0 ? std::min(top, rules.cap) : top));
      return rules.on_loss.op == Op::kNext
                 ? TrFormat("climb on every loss along a list that reaches {1} base units", {reach})
                 : TrFormat("climb on every win along a list that reaches {1} base units", {reach});
    }
    case SystemKind::kLabouchere:
      return Tr("grow by the line's first number a loss") + up_to;
    case SystemKind::kOscarsGrind:
      break;
  }
  return Tr("grow by one base unit a win") + up_to;
}

// What bounds the stakes of systems that climb on wins (Parlay's way), by name: one sentence
// and its space.
std::string WinningsNote(const std::vector<std::string>& by_wins, bool bankroll_set) {
  const bool one = by_wins.size() == 1;
  if (bankroll_set) {
    return one ? TrFormat("Only a table maximum (--table-max) bounds {1}'s stakes. ",
                          {by_wins.front()})
               : std::string(Tr("Only a table maximum (--table-max) bounds the stakes. "));
  }
  return one ? TrFormat(
                   "{1}'s winnings fund its stakes, so what is left of a bankroll grows "
                   "with them: only a table maximum (--table-max) bounds them. ",
                   {by_wins.front()})
             : TrFormat(
                   "The winnings of {1} fund their stakes, so what is left of a bankroll "
                   "grows with them: only a table maximum (--table-max) bounds them. ",
                   {Listed(by_wins)});
}

}  // namespace

std::vector<LimitKind> LimitsBoundingStakes(const PlayedSystem& system) {
  switch (ClimbOf(system)) {
    case Climb::kOnLosses:
      return {LimitKind::kBankroll, LimitKind::kStopLoss, LimitKind::kTableMax,
              LimitKind::kMaxLosses};
    case Climb::kOnWins:
      return {LimitKind::kTableMax};
    case Climb::kNoFaster:
      break;
  }
  return {};
}

std::string HowStakesGrow(const PlayedSystem& system) {
  if (system.file) return HowFileStakesGrow(system.file->rules);
  switch (system.builtin) {
    case kMartingale:
      return Tr("double on every loss");
    case kParlay:
      return Tr("double on every win");
    case kQuorvel:
      return Tr("triple on every loss");
    case kHavrel:
      return Tr("grow by one base unit a loss");
    case kBlind:
      return Tr("grow by one base unit a spin");
    default:
      return Tr("grow by --add-to-bet every --on-wins wins");
  }
}

bool StakesGrowWithoutBound(const PlayedSystem& system, const SessionLimits& limits) {
  const std::vector<LimitKind> bounds = LimitsBoundingStakes(system);
  if (bounds.empty()) return false;
  return std::none_of(bounds.begin(), bounds.end(),
                      [&](LimitKind limit) { return limits[limit].has_value(); });
}

std::optional<NoInterval> WhyNoInterval(const PlayedSystem& system, const SessionLimits& limits,
                                        const Spread& spread) {
  if (!spread.standard_error) return std::nullopt;
  if (StakesGrowWithoutBound(system, limits)) return NoInterval::kStakesUnbounded;
  if (spread.evenings < kEveningsAtLeast) return NoInterval::kTooFewEvenings;
  const bool needs_bound = !LimitsBoundingStakes(system).empty();
  const uint64_t stopped = Stopped(system, limits, spread);
  if ((needs_bound || stopped > 0) && stopped < kEachKindAtLeast) return NoInterval::kFewStopped;
  if (spread.evenings - StoppedByAny(spread) < kEachKindAtLeast) return NoInterval::kFewRanOn;
  return std::nullopt;
}

std::string_view NoIntervalKey(NoInterval why) {
  switch (why) {
    case NoInterval::kStakesUnbounded:
      return "stakes_unbounded";
    case NoInterval::kFewStopped:
      return "few_stopped";
    case NoInterval::kFewRanOn:
      return "few_ran_on";
    case NoInterval::kTooFewEvenings:
      return "too_few_evenings";
  }
  return "";
}

namespace {

// Why a system the limits stopped on too few evenings gets no interval.
std::string FewStoppedWords(const std::string& name, const PlayedSystem& system,
                            const SessionLimits& limits, const Spread& spread,
                            const std::string& evenings) {
  const std::vector<LimitKind> bounds = LimitsBoundingStakes(system);
  std::vector<std::string> set;
  for (size_t limit = 0; limit < kLimits; ++limit) {
    const auto kind = static_cast<LimitKind>(limit);
    const bool counted =
        bounds.empty() || std::find(bounds.begin(), bounds.end(), kind) != bounds.end();
    if (counted && limits[kind]) set.emplace_back(LimitWord(kind));
  }
  const std::string stopped = LocalNumber(Whole(Stopped(system, limits, spread)));
  if (bounds.empty()) {
    return TrFormat(
        "{1}: no interval. The {2} stopped {3} of {4}: too few to measure what "
        "the evenings it stops cost{5}",
        {name, Listed(set), stopped, evenings, AtTheHouseEdge(spread)});
  }
  return TrFormat(
      "{1}: no interval. Its stakes {2}; the {3} stopped {4} of {5}: too few to "
      "measure what the evenings it stops cost{6}",
      {name, HowStakesGrow(system), Listed(set), stopped, evenings, AtTheHouseEdge(spread)});
}

}  // namespace

std::string NoIntervalWords(NoInterval why, const PlayedSystem& system, const SessionLimits& limits,
                            const Spread& spread) {
  const std::string name = NameOf(system);
  const bool by_wins = ClimbOf(system) == Climb::kOnWins;
  // "1 evening", "40 evenings": a run of one evening is allowed.
  const std::string evenings =
      CountedText(static_cast<int64_t>(spread.evenings), N_("{1} evening"), N_("{1} evenings"));
  switch (why) {
    case NoInterval::kStakesUnbounded: {
      const std::string grow = HowStakesGrow(system);
      if (!by_wins) {
        return TrFormat(
            "{1}: no interval. The stakes of this system can grow without bound "
            "(they {2}); its few ruinous evenings are too rare for {3} to measure{4}",
            {name, grow, evenings, AtTheHouseEdge(spread)});
      }
      return TrFormat(limits.bankroll
                          ? N_("{1}: no interval. The stakes of this system can grow without "
                               "bound (they {2}, and its winnings fund them); its few long "
                               "winning streaks, whose stakes it loses at the next loss, are "
                               "too rare for {3} to measure{4}")
                          : N_("{1}: no interval. The stakes of this system can grow without "
                               "bound (they {2}); its few long winning streaks, whose stakes it "
                               "loses at the next loss, are too rare for {3} to measure{4}"),
                      {name, grow, evenings, AtTheHouseEdge(spread)});
    }
    case NoInterval::kFewStopped:
      return FewStoppedWords(name, system, limits, spread, evenings);
    case NoInterval::kFewRanOn:
      return TrFormat(
          "{1}: no interval. The limits let only {2} of {3} play all their spins: "
          "too few to measure what the rare evenings that go on, staking more and "
          "more, bring{4}",
          {name, LocalNumber(Whole(spread.evenings - StoppedByAny(spread))), evenings,
           AtTheHouseEdge(spread)});
    case NoInterval::kTooFewEvenings:
      return TrFormat(spread.evenings == 1
                          ? N_("{1}: no interval. {2} is too few to measure the spread of the "
                               "results; it takes {3}{4}")
                          : N_("{1}: no interval. {2} are too few to measure the spread of the "
                               "results; it takes {3}{4}"),
                      {name, evenings, Whole(kEveningsAtLeast), AtTheHouseEdge(spread)});
  }
  return "";
}

std::string UnboundedStakesNote(const std::vector<PlayedSystem>& systems,
                                const SessionLimits& limits) {
  std::vector<std::string> growing;
  std::vector<std::string> by_wins;  // Parlay, and the files that climb as it does
  bool by_losses = false;
  for (const PlayedSystem& system : systems) {
    if (!StakesGrowWithoutBound(system, limits)) continue;
    growing.push_back(TrFormat("{1} ({2})", {NameOf(system), HowStakesGrow(system)}));
    if (ClimbOf(system) == Climb::kOnWins) by_wins.push_back(NameOf(system));
    by_losses = by_losses || ClimbOf(system) != Climb::kOnWins;
  }
  if (growing.empty()) return "";
  // Sentences, each ending in a space; the last space goes at the end.
  std::string note =
      limits.bankroll
          ? TrFormat(
                "A bankroll is set, yet the stakes of {1} can grow without bound, as "
                "winnings fund them. ",
                {Listed(growing)})
          : TrFormat(
                "No bankroll is set: nothing ends an evening when the money runs out, and "
                "the stakes of {1} can grow without bound. ",
                {Listed(growing)});
  if (by_losses) {
    note +=
        Tr("Those that raise them on a loss end most evenings a little ahead and, rarely, "
           "one with a loss larger than all those gains. ");
  }
  const bool one = by_wins.size() == 1;
  if (!by_wins.empty()) {
    note += TrFormat(one ? N_("{1} ends most evenings a little behind and, rarely, one far "
                              "ahead, then loses what it had won at the next loss. ")
                         : N_("{1} end most evenings a little behind and, rarely, one far "
                              "ahead, then loses what it had won at the next loss. "),
                     {Listed(by_wins)});
  }
  note +=
      Tr("Evenings that miss those rare streaks say nothing of the system: on average every "
         "system loses 1 unit in 37 of what it stakes, whatever a sample shows. ");
  if (by_losses) {
    note +=
        Tr("A bankroll (--bankroll) ends the evening once what is left cannot cover the "
           "next stake: it bounds the stakes of the systems that raise them on a loss and "
           "counts the evenings it ruins. ");
  }
  if (!by_wins.empty()) note += WinningsNote(by_wins, limits.bankroll.has_value());
  note.pop_back();
  return note;
}

std::string UnboundedStakesSummaryNote(const PlayedSystem& system, const SessionLimits& limits) {
  if (!StakesGrowWithoutBound(system, limits)) return "";
  const std::string name = NameOf(system);
  const bool by_wins = ClimbOf(system) == Climb::kOnWins;
  std::string note = TrFormat(
      "note: {1}'s stakes {2} and no limit set bounds them, so a net "
      "result above the expected one is no evidence that the system "
      "wins. ",
      {name, HowStakesGrow(system)});
  note += by_wins ? Tr("It loses a little on most spins and, on a rare long winning streak, "
                       "wins much, which it loses at the next loss. ")
                  : Tr("It wins a little on most spins and, on a rare long losing streak, "
                       "loses more than all of it. ");
  note +=
      Tr("On average every system loses 1 unit in 37 of what it stakes, the expected "
         "result below. ");
  note += by_wins ? TrFormat("Only a table maximum (--table-max) bounds {1}'s stakes.", {name})
                  : std::string(Tr("A bankroll (--bankroll) ends the evening once what is left "
                                   "cannot cover the next stake."));
  return note;
}

}  // namespace vellaro::sim
