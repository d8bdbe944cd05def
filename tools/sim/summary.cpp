#include "tools/sim/summary.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "betting/withheld_text.h"
#include "game/text_number.h"
#include "session/wheel_rows.h"

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

std::string_view Outcome(HeldBack outcome) {
  switch (outcome) {
    case HeldBack::kPlayedAnyway:
      return "placed with \"Continue anyway\"";
    case HeldBack::kLetThrough:
      return "placed once a change of the limits let it through";
    case HeldBack::kDiscarded:
      return "not placed: \"RM\" took it off with the matrix";
    case HeldBack::kLeft:
      break;
  }
  return "not placed, and the player went on";
}


}  // namespace

void PrintWheel(std::ostream& out, const WheelStatistics& wheel) {
  out << "wheel: " << Counted(wheel.spins, "spin", "spins") << "; the " << wheel.groups.size()
      << " dozens, columns and sectors below give " << wheel.checks.size()
      << " figures, judged together with Holm's correction: unusual at a corrected p of "
      << GeneralDigits(kUnusualLevel) << " or less\n";
  for (const WheelRow& row : WheelRows(wheel)) {
    out << row.name << ": hits " << row.hits << ", share " << row.share << ", fair share "
        << row.fair_share << ", spins since " << row.since << ", longest absence " << row.longest
        << ", p of hits " << row.p_hits << ", Holm " << row.holm_hits
        << ", p of longest absence " << row.p_absence << ", Holm " << row.holm_absence
        << ", unusual " << row.unusual << '\n';
  }
  out << "wheel verdict: " << wheel.verdict << '\n';
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
    return "stopped by a session limit at line " + std::to_string(stopped_->line) + ": " +
           WithheldReason(stopped_->withheld);
  }
  if (held_after_last_) {
    return "a session limit held back the bet after the last line " +
           std::to_string(held_after_last_->line) + ": " +
           WithheldReason(held_after_last_->withheld) + "; nothing was stopped";
  }
  return std::nullopt;
}

void Summary::Print(std::ostream& out) const {
  // The house keeps one unit in 37 of everything staked on an even-money chance.
  const int64_t expected_hundredths = -RoundedDiv(counts_.units_staked * 100, 37);
  out << "spins: " << counts_.spins << '\n';
  out << "spins taken back: " << taken_back_ << '\n';
  out << "bets shown: " << counts_.bets_shown << '\n';
  out << "shown bets won: " << counts_.bets_won << '\n';
  out << "shown bets lost: " << counts_.bets_lost << '\n';
  out << "bet still open at the end: ";
  if (real_.open_stake) {
    out << Counted(*real_.open_stake, "unit", "units") << '\n';
  } else {
    out << "none\n";
  }
  out << "units staked on settled bets: " << counts_.units_staked << '\n';
  out << "net result of the shown bets, from 0: " << (counts_.result > 0 ? "+" : "")
      << counts_.result << ' ' << CountNoun(counts_.result, "unit", "units") << '\n';
  out << "expected result at the house edge of 1 unit in 37 (2.70 %): ";
  PrintHundredths(out, expected_hundredths);
  out << " units\n";
  // The engine's ledger is 32 bits wide, starts at 1000000 and credits the wins of bets
  // that were tracked but never shown: it is no one's money, and is labelled so.
  out << "internal balance of the engine, not a result: final " << balance_ << ", lowest "
      << lowest_balance_ << '\n';
  out << "highest stake shown: " << highest_stake_ << '\n';
  out << "longest losing streak: " << longest_losing_streak_ << '\n';
  // Before the session limits, whose last line says whether one ended the evening.
  PrintWheel(out, WheelFigures());
  const std::optional<std::string> at_the_end = HeldAtTheEnd();
  for (const Held& held : held_back_) {
    if (at_the_end && &held == &held_back_.back()) break;  // the last line says it
    out << "held back by a session limit at line " << held.line << ": "
        << WithheldReason(held.withheld) << "; " << Outcome(held.outcome) << '\n';
  }
  if (at_the_end) {
    out << *at_the_end << '\n';
  } else if (!held_back_.empty()) {
    out << "stopped by a session limit: no, the player went on after each bet held back\n";
  } else if (limits_set_) {
    out << "stopped by a session limit: no, none was reached\n";
  }
}

}  // namespace vellaro::sim
