#pragma once

// The --summary of a replay: the player's result over the shown bets, the extremes, where a
// session limit stopped the evening, and what the wheel did by dozen, column and sector.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "front/next_bet.h"
#include "game/types.h"
#include "replay/replay.h"
#include "session/evening_page.h"
#include "session/wheel_statistics.h"

namespace vellaro::sim {

// What a replay came to. The money is the game's own count of the player's result
// (RealResult, carried by each row): the bets that were shown, from zero, whenever they went
// on show (a bet played with "Continue anyway" included), so that a summary, the journal's
// session list and the session panel count the same bets. The engine's balance also credits
// wins of recommendations that were tracked but never shown; it is printed as internal only.
//
// An undo takes its spin back in the counts as it does in the game; the extremes (lowest
// balance, highest stake, longest losing streak) keep what was once on screen.
class Summary final : public replay::RowSink {
 public:
  struct Counts {
    uint64_t spins = 0;  // in the history
    uint64_t bets_shown = 0;
    uint64_t bets_won = 0;
    uint64_t bets_lost = 0;
    int64_t units_staked = 0;  // on shown bets that have been settled
    int64_t result = 0;        // their wins less their losses, in units
  };

  // Where a session limit ended the replay: the last row, with the bet it held back.
  struct Stop {
    uint64_t line = 0;
    BetWithheld withheld;
  };

  // A bet a session limit held back, and what became of it by the next entry.
  struct Held {
    uint64_t line = 0;
    BetWithheld withheld;
    replay::HeldBack outcome = replay::HeldBack::kLeft;
  };

  // With `limits_set`, the summary also says when no limit was reached. `last_line`: the
  // last line of a log, or the last spin of the random wheel, where the replay would end
  // anyway. An evening of S lines is stopped by a limit when a bet is held back after line
  // k < S; a bet held back after the last line stops nothing (as the Monte Carlo counts
  // it). Without it (a stored session, which ends where the player left) the last row's
  // bet held back is where a limit stopped the evening.
  explicit Summary(bool limits_set = false, std::optional<uint64_t> last_line = std::nullopt)
      : limits_set_(limits_set), last_line_(last_line) {}

  void Add(const replay::Row& row) override;
  void Print(std::ostream& out) const;

  const Counts& counts() const { return counts_; }
  // The numbers in the history after the last row, oldest first: what the wheel figures
  // count, as the session panel's statistics count the game's.
  const std::vector<int>& history() const { return history_; }
  WheelStatistics WheelFigures() const { return CountWheel(history_); }
  // The real result after the last row, as the game counted it.
  const RealResult::Counts& real() const { return real_; }
  uint64_t spins_taken_back() const { return taken_back_; }
  int32_t lowest_balance() const { return lowest_balance_; }
  int32_t highest_stake() const { return highest_stake_; }
  int32_t longest_losing_streak() const { return longest_losing_streak_; }
  // Every bet held back, in order; a replay of a log ends at the first.
  const std::vector<Held>& held_back() const { return held_back_; }
  // Set when the last row holds a bet back that was never placed, before the last line:
  // the evening ended there.
  const std::optional<Stop>& stopped() const { return stopped_; }
  // Set when the bet held back is the one after the last line: nothing was stopped.
  const std::optional<Stop>& held_after_the_last_line() const { return held_after_last_; }
  // What the summary's last line says of a bet held back by the last row, if one was: the
  // limit that stopped the evening, or the one that held back the bet after the last line.
  std::optional<std::string> HeldAtTheEnd() const;
  // The report page's words for this evening, headed `title`: a title that also names the
  // limit that stopped the evening and the line, and HeldAtTheEnd() as its note, so that
  // the page says what the summary's last line says.
  EveningPageText PageText(std::string title, std::vector<std::string> settings) const;

 private:
  void FollowHistory(const replay::Row& row);

  Counts counts_;
  RealResult::Counts real_;
  uint64_t taken_back_ = 0;
  int32_t balance_ = vellaro::kStartBalance;
  int32_t lowest_balance_ = vellaro::kStartBalance;
  int32_t highest_stake_ = 0;
  int32_t longest_losing_streak_ = 0;
  bool limits_set_ = false;
  std::optional<uint64_t> last_line_;
  std::vector<Held> held_back_;
  std::optional<Stop> stopped_;
  std::optional<Stop> held_after_last_;
  std::vector<int> history_;
  std::optional<int> undone_;  // the number the last undo took back, for a redo
};

// The dozens, the columns and the named sectors of `wheel`, one line each, with their
// chances and Holm's verdict, between a line that says how they are judged and one that
// says what stands out, if anything. Locale-free: a p is printed with six significant
// digits, a share with four decimals. The --summary ends with these lines; a page about
// one evening prints the same figures by calling this.
void PrintWheel(std::ostream& out, const WheelStatistics& wheel);

// The betting system and the next bet where a replay ends, a line each (SystemLine and
// NextBetLine): a summary prints them before its figures.
void PrintNextBet(std::ostream& out, const NextBet& next);

}  // namespace vellaro::sim
