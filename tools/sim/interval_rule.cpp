#include "tools/sim/interval_rule.h"

#include <algorithm>

#include "game/text_number.h"
#include "game/types.h"
#include "tools/sim/report.h"

namespace vellaro::sim {

namespace {

// The name of a system in a sentence: its name in the betting-system box up to the
// parenthesis ("Martingale", "UP-TRENDER").
std::string NameOf(int system) {
  const std::string_view name = kBettingSystemNames[static_cast<size_t>(system)];
  return std::string(name.substr(0, name.find(" (")));
}

// "A", "A and B", "A, B and C".
std::string Listed(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

// The evenings stopped by the limits that bound the stakes of `system`, or by any limit
// for a system that needs no bound.
uint64_t Stopped(int system, const SessionLimits& limits, const Spread& spread) {
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
      return "bankroll";
    case LimitKind::kStopLoss:
      return "stop-loss";
    case LimitKind::kTakeProfit:
      return "take-profit";
    case LimitKind::kTableMax:
      return "table maximum";
    case LimitKind::kMaxLosses:
      return "losses in a row";
  }
  return "";
}

}  // namespace

std::vector<LimitKind> LimitsBoundingStakes(int system) {
  switch (system) {
    case kMartingale:
    case kQuorvel:
      return {LimitKind::kBankroll, LimitKind::kStopLoss, LimitKind::kTableMax,
              LimitKind::kMaxLosses};
    case kParlay:
      return {LimitKind::kTableMax};
    default:
      return {};
  }
}

std::string_view HowStakesGrow(int system) {
  switch (system) {
    case kMartingale:
      return "double on every loss";
    case kParlay:
      return "double on every win";
    case kQuorvel:
      return "triple on every loss";
    case kHavrel:
      return "grow by one base unit a loss";
    case kBlind:
      return "grow by one base unit a spin";
    default:
      return "grow by --add-to-bet every --on-wins wins";
  }
}

bool StakesGrowWithoutBound(int system, const SessionLimits& limits) {
  const std::vector<LimitKind> bounds = LimitsBoundingStakes(system);
  if (bounds.empty()) return false;
  return std::none_of(bounds.begin(), bounds.end(),
                      [&](LimitKind limit) { return limits[limit].has_value(); });
}

std::optional<NoInterval> WhyNoInterval(int system, const SessionLimits& limits,
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

std::string NoIntervalWords(NoInterval why, int system, const SessionLimits& limits,
                            const Spread& spread) {
  const std::string name = NameOf(system);
  // "1 evening", "40 evenings": a run of one evening is allowed.
  const std::string evenings =
      Whole(spread.evenings) + " " +
      std::string(CountNoun(static_cast<int64_t>(spread.evenings), "evening", "evenings"));
  const std::string exact = ": the exact expectation is -1/37 of the units staked, " +
                            Decimal(-spread.units_staked, __int128{37} * spread.evenings, 2) +
                            " units an evening here.";
  switch (why) {
    case NoInterval::kStakesUnbounded:
      return name + ": no interval. The stakes of this system can grow without bound (they " +
             std::string(HowStakesGrow(system)) +
             (system == kParlay && limits.bankroll ? ", and its winnings fund them" : "") + "); " +
             (system == kParlay ? "its few long winning streaks, whose stakes it loses "
                                  "at the next loss,"
                                : "its few ruinous evenings") +
             " are too rare for " + evenings + " to measure" + exact;
    case NoInterval::kFewStopped: {
      const std::vector<LimitKind> bounds = LimitsBoundingStakes(system);
      std::vector<std::string> set;
      for (size_t limit = 0; limit < kLimits; ++limit) {
        const auto kind = static_cast<LimitKind>(limit);
        const bool counted =
            bounds.empty() || std::find(bounds.begin(), bounds.end(), kind) != bounds.end();
        if (counted && limits[kind]) set.emplace_back(LimitWord(kind));
      }
      return name + ": no interval. " +
             (bounds.empty() ? std::string()
                             : "Its stakes " + std::string(HowStakesGrow(system)) + "; ") +
             "the " + Listed(set) + " stopped " + Whole(Stopped(system, limits, spread)) + " of " +
             evenings + ": too few to measure what the evenings it stops cost" + exact;
    }
    case NoInterval::kFewRanOn:
      return name + ": no interval. The limits let only " +
             Whole(spread.evenings - StoppedByAny(spread)) + " of " + evenings +
             " play all their spins: too few to measure what the rare evenings that go "
             "on, staking more and more, bring" +
             exact;
    case NoInterval::kTooFewEvenings:
      return name + ": no interval. " + evenings + (spread.evenings == 1 ? " is" : " are") +
             " too few to measure the spread of the results; it takes " +
             Whole(kEveningsAtLeast) + exact;
  }
  return "";
}

std::string UnboundedStakesNote(const std::vector<int>& systems, const SessionLimits& limits) {
  std::vector<std::string> growing;
  bool parlay = false;
  bool by_losses = false;
  for (const int system : systems) {
    if (!StakesGrowWithoutBound(system, limits)) continue;
    growing.push_back(NameOf(system) + " (" + std::string(HowStakesGrow(system)) + ")");
    parlay = parlay || system == kParlay;
    by_losses = by_losses || system != kParlay;
  }
  if (growing.empty()) return "";
  std::string note = limits.bankroll
                         ? "A bankroll is set, yet the stakes of "
                         : "No bankroll is set: nothing ends an evening when the money runs "
                           "out, and the stakes of ";
  note += Listed(growing) + " can grow without bound";
  if (limits.bankroll) note += ", as winnings fund them";
  note += ". ";
  if (by_losses) {
    note +=
        "Those that raise them on a loss end most evenings a little ahead and, rarely, "
        "one with a loss larger than all those gains. ";
  }
  if (parlay) {
    note +=
        "Parlay ends most evenings a little behind and, rarely, one far ahead, then "
        "loses what it had won at the next loss. ";
  }
  note +=
      "Evenings that miss those rare streaks say nothing of the system: on average every "
      "system loses 1 unit in 37 of what it stakes, whatever a sample shows. ";
  if (by_losses) {
    note +=
        "A bankroll (--bankroll) ends the evening once what is left cannot cover the next "
        "stake: it bounds the stakes of the systems that raise them on a loss and counts "
        "the evenings it ruins. ";
  }
  if (parlay) {
    note += limits.bankroll ? "Only a table maximum (--table-max) bounds Parlay's stakes. "
                            : "Parlay's winnings fund its stakes, so what is left of a bankroll "
                              "grows with them: only a table maximum (--table-max) bounds them. ";
  }
  note.pop_back();
  return note;
}

std::string UnboundedStakesSummaryNote(int system, const SessionLimits& limits) {
  if (!StakesGrowWithoutBound(system, limits)) return "";
  const std::string name = NameOf(system);
  std::string note = "note: " + name + "'s stakes " + std::string(HowStakesGrow(system)) +
                     " and no limit set bounds them, so a net result above the expected one "
                     "is no evidence that the system wins. ";
  note += system == kParlay
              ? "It loses a little on most spins and, on a rare long winning streak, wins "
                "much, which it loses at the next loss. "
              : "It wins a little on most spins and, on a rare long losing streak, loses "
                "more than all of it. ";
  note +=
      "On average every system loses 1 unit in 37 of what it stakes, the expected "
      "result below. ";
  note += system == kParlay ? "Only a table maximum (--table-max) bounds Parlay's stakes."
                            : "A bankroll (--bankroll) ends the evening once what is left "
                              "cannot cover the next stake.";
  return note;
}

}  // namespace vellaro::sim
