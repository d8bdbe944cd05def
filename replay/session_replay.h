#pragma once

// Replays a stored session through a game: the player's actions that the journal recorded,
// at the points where they were made, with the recorded seconds of every seeded choice
// answered by a ReplayClock, so that the modes that draw make the same choices again.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "env/clock.h"
#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/stored_session.h"
#include "replay/finish_analysis.h"

namespace vellaro::replay {

// Answers SecondsForChoice with recorded seconds, in their order, and with the time of
// `time` once they are used up (when a replay goes on past its record, or takes another
// road in a what-if).
class ReplayClock final : public Clock {
 public:
  explicit ReplayClock(Clock& time) : time_(time) {}
  void Record(uint32_t seconds) { recorded_.push_back(seconds); }
  void Reserve(size_t count) { recorded_.reserve(recorded_.size() + count); }
  uint32_t NowSeconds() const override { return time_.NowSeconds(); }
  uint32_t SecondsForChoice() override {
    return next_ < recorded_.size() ? recorded_[next_++] : time_.SecondsForChoice();
  }

 private:
  Clock& time_;
  std::vector<uint32_t> recorded_;
  size_t next_ = 0;
};

// Whether `event` is a change of a session limit (the settings from kBankroll on).
bool IsLimitChange(const GameEvent& event);

// Whether `limits` let through the bet `held` held back (at the stake it waits at now, after
// any reset of the ledger): a bet that went on show right after
// a change of limit went on show by that change only then; otherwise the player pressed
// "Continue anyway" after a change that did not let it through.
bool LetThrough(const BetWithheld& held, const SessionLimits& limits);

// The replay did not do what the journal says the game did.
class ReplayDiverged : public std::runtime_error {
 public:
  ReplayDiverged(int64_t seq, const std::string& what) : std::runtime_error(what), seq_(seq) {}
  int64_t seq() const { return seq_; }  // of the first stored event not reproduced

 private:
  int64_t seq_;
};

struct SessionReplayOptions {
  // Every event the game sends must equal the stored one (ReplayDiverged otherwise). A
  // what-if, which changes what the game does, turns this off.
  bool exact = true;
  // What-if: play this betting system throughout; the session's changes of system are
  // left out.
  std::optional<BettingSystem> system;
  // What-if: play this system the player wrote (its file's full text) throughout, in place
  // of `system`; likewise the session's changes of system are left out.
  std::string custom_system;
  // Called for each spin, undo or redo once it has been handled, its analysis finished, and
  // the player has done whatever came before the next such entry (a "Continue anyway", a
  // change of option, limit or system): the game as the next entry found it, whose bet
  // that entry settles. The last entry's call comes at the end of the session, in exact
  // mode even where the journal ends in the middle of its analysis.
  std::function<void(const GameEvent& entry)> after_entry;
  // Hears each event the game sends that the journal holds: in exact mode not the rest of
  // an analysis the journal ends in the middle of (what a window killed then, or read while
  // it analyses, has not stored yet); in a what-if every event.
  std::function<void(const GameEvent& event)> journaled;
};

// Whether `session` replays exactly through a fresh game of its own (a salvaged journal
// keeps only such sessions: journal::SessionCheck).
bool ReplaysExactly(const journal::StoredSession& session);

// Feeds the session's recorded seconds to `clock` and replays its actions through `game`,
// which must be fresh, run on `scheduler` with `clock`, and nobody else's to act on: first
// Configure(session.settings), then the player's actions. (A session is recorded the same
// way: Journal::StartSession(settings), the journal's listener, then Configure(settings).)
// In exact mode the replay stops as soon as the game has sent every stored event, so that a
// session that was cut off in the middle of an analysis is left at that point; the rest of
// that analysis is the caller's to run (and to journal). Otherwise it runs until the game
// is idle. Throws ReplayDiverged.
void ReplaySession(const journal::StoredSession& session, Game& game, VirtualScheduler& scheduler,
                   ReplayClock& clock, const SessionReplayOptions& options = {});

}  // namespace vellaro::replay
