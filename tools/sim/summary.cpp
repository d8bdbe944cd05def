#include "tools/sim/summary.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "betting/withheld_text.h"
#include "game/text_number.h"
#include "session/risk_text.h"
#include "session/wheel_rows.h"
#include "text/translate.h"
#include "tools/sim/person_text.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// Units with two decimals, rounded half away from zero: exact for any count of units.
void PrintHundredths(std::ostream& out, int64_t hundredths) {
  if (hundredths < 0) out << '-';
  const int64_t magnitude = std::abs(hundredths);
  const int64_t cents = magnitude % 100;
  out << magnitude / 100 << '.' << (cents < 10 ? "0" : "") << cents;
}

int64_t RoundedDiv(int64_t numerator, int64_t denominator) {
  const int64_t half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

const char* Outcome(HeldBack outcome) {
  switch (outcome) {
    case HeldBack::kPlayedAnyway:
      return Tr("placed with \"Continue anyway\"");
    case HeldBack::kLetThrough:
      return Tr("placed once a change of the limits let it through");
    case HeldBack::kDiscarded:
      return Tr("not placed: \"RM\" took it off with the matrix");
    case HeldBack::kLeft:
      break;
  }
  return Tr("not placed, and the player went on");
}

// A count as a person reads it in the current language.
std::string Local(int64_t count) {
  return LocalNumber(IntToStr(count));
}

}  // namespace

void PrintWheel(std::ostream& out, const WheelStatistics& wheel) {
  out << TrFormat(
             "wheel: {1}; the {2} dozens, columns and sectors below give {3} figures, "
             "judged together with Holm's correction: unusual at a corrected p of {4} or "
             "less",
             {CountedText(wheel.spins, N_("{1} spin"), N_("{1} spins")),
              Local(static_cast<int64_t>(wheel.groups.size())),
              Local(static_cast<int64_t>(wheel.checks.size())),
              LocalNumber(GeneralDigits(kUnusualLevel))})
      << '\n';
  for (const WheelRow& row : WheelRows(wheel)) {
    // Two templates, what was counted and how unusual it is: a template takes nine values.
    out << TrFormat(
               "{1}: hits {2}, share {3}, fair share {4}, spins since {5}, longest absence "
               "{6}",
               {row.name, LocalNumber(row.hits), LocalNumber(row.share),
                LocalNumber(row.fair_share), LocalNumber(row.since), LocalNumber(row.longest)})
        << ", "
        << TrFormat("p of hits {1}, Holm {2}, p of longest absence {3}, Holm {4}, unusual {5}",
                    {LocalNumber(row.p_hits), LocalNumber(row.holm_hits),
                     LocalNumber(row.p_absence), LocalNumber(row.holm_absence), row.unusual})
        << '\n';
  }
  out << TrFormat("wheel verdict: {1}", {wheel.verdict}) << '\n';
}

void PrintNextBet(std::ostream& out, const NextBet& next) {
  for (const std::string& line : NextBetLines(next)) out << line << '\n';
}

void Summary::Add(const Row& row) {
  // A redo brings the spin back: it is no longer taken back.
  if (row.entry.undo()) ++taken_back_;
  if (row.entry.redo() && taken_back_ > 0) --taken_back_;
  real_ = row.real;
  FollowHistory(row);
  counts_.spins = static_cast<uint64_t>(real_.spins);
  counts_.bets_shown = static_cast<uint64_t>(real_.bets_shown);
  counts_.bets_won = static_cast<uint64_t>(real_.bets_won);
  counts_.bets_lost = static_cast<uint64_t>(real_.bets_lost);
  counts_.units_staked = real_.units_staked;
  counts_.result = real_.net;
  balance_ = row.balance;
  lowest_balance_ = std::min(lowest_balance_, row.balance);
  if (row.shown) highest_stake_ = std::max(highest_stake_, row.stake);
  longest_losing_streak_ = std::max(longest_losing_streak_, row.loss_streak);
  stopped_.reset();
  held_after_last_.reset();
  if (row.withheld) {
    held_back_.push_back({row.entry.line, *row.withheld, row.held_back});
    if (row.held_back == HeldBack::kLeft) {
      const bool after_the_last = last_line_ && row.entry.line >= *last_line_;
      (after_the_last ? held_after_last_ : stopped_) = Stop{row.entry.line, *row.withheld};
    }
  }
}

// The history follows the game's own count of its spins, so that an entry the game did not
// take changes nothing here either.
void Summary::FollowHistory(const Row& row) {
  const auto spins = static_cast<size_t>(std::max<int64_t>(row.real.spins, 0));
  if (row.entry.spin() && spins > history_.size()) {
    history_.push_back(row.entry.number);
    undone_.reset();
  } else if (row.entry.undo() && spins < history_.size()) {
    undone_ = history_.back();
    history_.pop_back();
  } else if (row.entry.redo() && spins > history_.size() && undone_) {
    history_.push_back(*undone_);
    undone_.reset();
  }
}

std::optional<std::string> Summary::HeldAtTheEnd() const {
  if (stopped_) {
    return TrFormat("stopped by a session limit at line {1}: {2}",
                    {std::to_string(stopped_->line), WithheldReason(stopped_->withheld)});
  }
  if (held_after_last_) {
    return TrFormat(
        "a session limit held back the bet after the last line {1}: {2}; nothing was stopped",
        {std::to_string(held_after_last_->line), WithheldReason(held_after_last_->withheld)});
  }
  return std::nullopt;
}

EveningPageText Summary::PageText(std::string title, std::vector<std::string> settings) const {
  if (stopped_) {
    title = TrFormat("{1}, stopped by the {2} at line {3}",
                     {title, LimitName(stopped_->withheld.limit), std::to_string(stopped_->line)});
  }
  return {std::move(title), std::move(settings), HeldAtTheEnd().value_or("")};
}

void Summary::Print(std::ostream& out) const {
  // The house keeps one unit in 37 of everything staked on an even-money chance.
  const int64_t expected_hundredths = -RoundedDiv(counts_.units_staked * 100, 37);
  std::ostringstream expected;
  PrintHundredths(expected, expected_hundredths);
  const auto line = [&out](const char* english, const std::string& value) {
    out << TrFormat(english, {value}) << '\n';
  };
  line(N_("spins: {1}"), Local(static_cast<int64_t>(counts_.spins)));
  line(N_("spins taken back: {1}"), Local(static_cast<int64_t>(taken_back_)));
  line(N_("bets shown: {1}"), Local(static_cast<int64_t>(counts_.bets_shown)));
  line(N_("shown bets won: {1}"), Local(static_cast<int64_t>(counts_.bets_won)));
  line(N_("shown bets lost: {1}"), Local(static_cast<int64_t>(counts_.bets_lost)));
  line(N_("bet still open at the end: {1}"),
       real_.open_stake ? CountedText(*real_.open_stake, N_("{1} unit"), N_("{1} units"))
                        : std::string(Tr("none")));
  line(N_("units staked on settled bets: {1}"), Local(counts_.units_staked));
  std::string net = CountedText(counts_.result, N_("{1} unit"), N_("{1} units"));
  // Inserted, not prefixed with +: GCC 12 at -O3 takes "+" + text for an overlapping copy.
  if (counts_.result > 0) net.insert(net.begin(), '+');
  line(N_("net result of the shown bets, from 0: {1}"), net);
  line(N_("expected result at the house edge of 1 unit in 37 (2.70 %): {1}"),
       TrFormat("{1} units", {LocalNumber(expected.str())}));
  // The engine's ledger is 32 bits wide, starts at 1000000 and credits the wins of bets
  // that were tracked but never shown: it is no one's money, and is labelled so.
  out << TrFormat("internal balance of the engine, not a result: final {1}, lowest {2}",
                  {Local(balance_), Local(lowest_balance_)})
      << '\n';
  line(N_("highest stake shown: {1}"), Local(highest_stake_));
  line(N_("longest losing streak: {1}"), Local(longest_losing_streak_));
  // Before the session limits, whose last line says whether one ended the evening.
  PrintWheel(out, WheelFigures());
  const std::optional<std::string> at_the_end = HeldAtTheEnd();
  for (const Held& held : held_back_) {
    if (at_the_end && &held == &held_back_.back()) break;  // the last line says it
    out << TrFormat(
               "held back by a session limit at line {1}: {2}; {3}",
               {std::to_string(held.line), WithheldReason(held.withheld), Outcome(held.outcome)})
        << '\n';
  }
  if (at_the_end) {
    out << *at_the_end << '\n';
  } else if (!held_back_.empty()) {
    out << Tr("stopped by a session limit: no, the player went on after each bet held back")
        << '\n';
  } else if (limits_set_) {
    out << Tr("stopped by a session limit: no, none was reached") << '\n';
  }
}

}  // namespace vellaro::sim
