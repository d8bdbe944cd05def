#include "tools/sim/interval_rule.h"

#include <algorithm>

#include "game/text_number.h"
#include "game/types.h"
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

// A file's rules in the words of HowStakesGrow.
std::string HowFileStakesGrow(const SystemDefinition& rules) {
  using Op = StakeStep::Op;
  const std::string up_to = rules.cap != 0 ? ", up to " + std::to_string(rules.cap) + " base units"
                                           : "";
  switch (rules.kind) {
    case SystemKind::kMultiply: {
      const bool on_win = rules.on_win.op == Op::kTimes;
      const StakeStep& step = on_win ? rules.on_win : rules.on_loss;
      if (step.op != Op::kTimes) return "grow by a few base units a loss" + up_to;
      return "grow " + std::to_string(step.factor) + "-fold on every " +
             (on_win ? "win" : "loss") + up_to;
    }
    case SystemKind::kSequence: {
      const int64_t top = *std::max_element(rules.sequence.begin(), rules.sequence.end());
      const bool on_loss = rules.on_loss.op == Op::kNext;
      return std::string("climb on every ") + (on_loss ? "loss" : "win") +
             " along a list that reaches " +
             std::to_string(rules.cap != 0 ? std::min(top, rules.cap) : top) + " base units";
    }
    case SystemKind::kLabouchere:
      return "grow by the line's first number a loss" + up_to;
    case SystemKind::kOscarsGrind:
      break;
  }
  return "grow by one base unit a win" + up_to;
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

std::string NoIntervalWords(NoInterval why, const PlayedSystem& system, const SessionLimits& limits,
                            const Spread& spread) {
  const std::string name = NameOf(system);
  const bool by_wins = ClimbOf(system) == Climb::kOnWins;
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
             (by_wins && limits.bankroll ? ", and its winnings fund them" : "") + "); " +
             (by_wins ? "its few long winning streaks, whose stakes it loses at the next loss,"
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

std::string UnboundedStakesNote(const std::vector<PlayedSystem>& systems, const SessionLimits& limits) {
  std::vector<std::string> growing;
  std::vector<std::string> by_wins;  // Parlay, and the files that climb as it does
  bool by_losses = false;
  for (const PlayedSystem& system : systems) {
    if (!StakesGrowWithoutBound(system, limits)) continue;
    growing.push_back(NameOf(system) + " (" + std::string(HowStakesGrow(system)) + ")");
    if (ClimbOf(system) == Climb::kOnWins) by_wins.push_back(NameOf(system));
    by_losses = by_losses || ClimbOf(system) != Climb::kOnWins;
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
  const bool one = by_wins.size() == 1;
  if (!by_wins.empty()) {
    note += Listed(by_wins) + (one ? " ends" : " end") +
            " most evenings a little behind and, rarely, one far ahead, then loses what it "
            "had won at the next loss. ";
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
  if (!by_wins.empty()) {
    const std::string whose = one ? by_wins.front() + "'s" : "the";
    note += limits.bankroll
                ? "Only a table maximum (--table-max) bounds " + whose + " stakes. "
                : (one ? whose + " winnings fund its" : "The winnings of " + Listed(by_wins) +
                                                            " fund their") +
                      " stakes, so what is left of a bankroll grows with them: only a table "
                      "maximum (--table-max) bounds them. ";
  }
  note.pop_back();
  return note;
}

std::string UnboundedStakesSummaryNote(const PlayedSystem& system, const SessionLimits& limits) {
  if (!StakesGrowWithoutBound(system, limits)) return "";
  const std::string name = NameOf(system);
  std::string note = "note: " + name + "'s stakes " + std::string(HowStakesGrow(system)) +
                     " and no limit set bounds them, so a net result above the expected one "
                     "is no evidence that the system wins. ";
  note += ClimbOf(system) == Climb::kOnWins
              ? "It loses a little on most spins and, on a rare long winning streak, wins "
                "much, which it loses at the next loss. "
              : "It wins a little on most spins and, on a rare long losing streak, loses "
                "more than all of it. ";
  note +=
      "On average every system loses 1 unit in 37 of what it stakes, the expected "
      "result below. ";
  note += ClimbOf(system) == Climb::kOnWins
              ? "Only a table maximum (--table-max) bounds " + name + "'s stakes."
              : std::string("A bankroll (--bankroll) ends the evening once what is left "
                            "cannot cover the next stake.");
  return note;
}

}  // namespace vellaro::sim
