#pragma once

// The evening's spins replayed through the same engine under each of the six betting
// systems, the player's other settings kept: what every system would have made of the
// same luck. Shown bets only, from zero, as the player's own result is counted.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/real_result.h"
#include "game/settings.h"
#include "game/types.h"
#include "journal/stored_session.h"
#include "replay/replay.h"
#include "replay/spin_log.h"
#include "session/game_risk.h"
#include "session/session_track.h"

namespace vellaro::replay {

// What the panel replays: a list of spins (and undos) and the settings they were played
// with. A live evening and a past one from a journal are both this.
struct SessionSpins {
  std::vector<Entry> entries;
  vellaro::Settings settings;
  Timing timing;
};

struct WhatIfLine {
  BettingSystem system = kMartingale;  // read while `custom` is empty
  std::string custom;                  // the full text of a system the player wrote
  RealResult::Counts counts;
  std::vector<int64_t> net_per_spin;  // the net result after each spin in the history
};

// How the spins of `session` replay under `system`: its settings whole (limits and "Show
// Bet" included) but for the system, and its timing.
ReplayOptions WhatIfOptions(const SessionSpins& session, BettingSystem system);

// The spins of `session` under `system` (UP-TRENDER keeps the player's step settings).
WhatIfLine ReplayUnder(const SessionSpins& session, BettingSystem system);

// The track the panel draws, for an evening given as spins and settings (a past one from
// a journal, say): the same events as the live game gave, so the same track.
vellaro::SessionTrack TrackOf(const SessionSpins& session);

// All six, in the order of the betting-system box.
std::array<WhatIfLine, kBettingSystems> WhatIf(const SessionSpins& session);

// The same spins under a system the player wrote (its file's full text), throughout.
WhatIfLine ReplayUnder(const SessionSpins& session, const std::string& custom);
// The seventh line beside the six: the evening under the player's own system that it
// plays (Settings::custom_system), if any.
std::optional<WhatIfLine> OwnSystemWhatIf(const SessionSpins& session);

// A session from the journal under `system` throughout, the player's other settings and
// every change of them kept where it was made, and the recorded seconds answering the
// draws of the modes that draw: what vellaro-sim --journal F --session ID --system NAME
// replays (the same code).
WhatIfLine ReplayUnder(const journal::StoredSession& session, BettingSystem system);
std::array<WhatIfLine, kBettingSystems> WhatIf(const journal::StoredSession& session);
WhatIfLine ReplayUnder(const journal::StoredSession& session, const std::string& custom);
// The player's own system the stored session played, the last one selected (or the one it
// started with): its full text as the journal keeps it; empty if it played none.
std::string OwnSystemOf(const journal::StoredSession& session);
std::optional<WhatIfLine> OwnSystemWhatIf(const journal::StoredSession& session);

// A stored session as it was played (an exact replay): the track the panel draws and what
// its risk meter reads of the game at the end. Throws replay::ReplayDiverged.
struct StoredEvening {
  vellaro::SessionTrack track;
  vellaro::RiskInputs risk;
};
StoredEvening EveningOf(const journal::StoredSession& session);

}  // namespace vellaro::replay
