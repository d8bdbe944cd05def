#pragma once

// Random evenings played through the window's own front (host/window_game.h), as the window
// passes the player's actions to it, with what the window showed kept for each session.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "front/next_bet.h"
#include "game/events.h"
#include "game/real_result.h"
#include "game/settings.h"
#include "replay/replay.h"
#include "session/game_risk.h"
#include "session/session_track.h"
#include "support/actions.h"

namespace vellaro::consistency {

// When every evening begins, in virtual time (ms since the epoch).
inline constexpr int64_t kEveningStartMs = 1'765'000'000'000;

using testing::Step;

struct Evening {
  uint64_t seed = 0;
  // The journal cannot be opened when the window starts (its folder cannot be made): the
  // window keeps the events in memory and opens the file at a spin once it can.
  bool journal_late = false;
  std::vector<Step> actions;
};

// 10 to 120 actions, weighted towards spins, with every other action of the window now and
// then.
Evening RandomEvening(uint64_t seed);

// What the window showed of one session when it ended ("New session", or the end of the
// evening).
struct SessionTruth {
  RealResult::Counts counts;       // what the readout shows
  RealResult::Counts game_counts;  // what the game counts for its limits
  int64_t spins_in_history = 0;
  std::vector<std::string> numbers;  // the game log (NumbersList)
  std::string saved_log;             // the file the game's "Save" wrote
  std::vector<TrackPoint> points;    // the panel's track
  SessionTrack track;
  Settings settings;
  SessionLimits limits;
  std::optional<BetWithheld> withheld;  // the banner, if a bet is held back at the end
  RiskInputs risk;                      // what the panel's Risk tab reads of the game
  std::string system_box;               // the entry the betting-system box shows
  NextBet next;                         // the system and the next bet, as the panel reads them
  // For each spin or undo, what the window showed when the next one came, or at the end
  // of the session: the game whose bet the next entry settles, with what the player did in
  // between (a stored replay's row). `withheld` is the bet held back then, else the last
  // one held back since the entry; `held_back` how that one went on show, if it did.
  std::vector<replay::Row> rows;
  replay::Row last;             // what it shows at the end
  bool system_changed = false;  // the player picked another system during it
  // What a restart changed of what the window showed (nothing, when it resumes exactly).
  std::vector<std::string> lost_by_restart;
  // A restart did not resume the session: the window started a new one.
  bool not_resumed = false;
};

struct Played {
  std::vector<SessionTruth> sessions;
  std::string journal_path;
  bool journal_has_file = false;
  int failed_writes = 0;  // actions after which the journal was off for a failed write
  int restarts = 0;       // the window started again
};

// Plays `evening` with its journal in `folder`. Ends with the journal written and idle.
Played Play(const Evening& evening, const std::string& folder);

}  // namespace vellaro::consistency
