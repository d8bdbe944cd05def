#pragma once

// A session from the journal replayed through a fresh game in virtual time, one row per
// spin or undo as the window showed it after that entry. vellaro-sim --journal's trace and
// the session panel's what-if of a stored session both come from here.

#include <functional>
#include <optional>

#include "front/game.h"
#include "journal/stored_session.h"
#include "replay/replay.h"
#include "replay/session_replay.h"
#include "replay/virtual_game.h"

namespace vellaro::replay {

struct StoredReplayOptions {
  // A what-if: this betting system throughout, the player's other settings and changes kept,
  // the recorded seconds still answering the draws. Without it the replay is exact: it
  // must send the events the journal holds.
  std::optional<BettingSystem> system;
  // Or this system the player wrote (its file's full text).
  std::string custom_system;
  // Hears every event of the game, from the session's starting options on.
  std::function<void(const GameEvent&)> listener;
};

class StoredReplay {
 public:
  explicit StoredReplay(const journal::StoredSession& session);
  StoredReplay(const StoredReplay&) = delete;
  StoredReplay& operator=(const StoredReplay&) = delete;

  // Runs the session once, passing a row per entry to `sink`. Throws
  // replay::ReplayDiverged when an exact replay departs from the journal.
  void Run(const StoredReplayOptions& options, RowSink& sink);

  // The game as the replay left it: its options, limits and stake for the risk meter.
  const Game& game() const { return made_.game(); }

 private:
  const journal::StoredSession& session_;
  VirtualGame made_;
};

}  // namespace vellaro::replay
