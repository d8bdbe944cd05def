#pragma once

// Random evenings played through the window's own front (host/window_game.h), as the window
// passes the player's actions to it, with what the window showed kept for each session.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "front/next_bet.h"
#include "game/events.h"
#include "game/real_result.h"
#include "game/settings.h"
#include "replay/replay.h"
#include "session/game_risk.h"
#include "session/session_track.h"

namespace vellaro::host {
class WindowGame;
}

namespace vellaro::consistency {

// When every evening begins, in virtual time (ms since the epoch).
inline constexpr int64_t kEveningStartMs = 1'765'000'000'000;

enum class Act {
  kNumber,         // a number entered; a: the number
  kUndo,           // the undo button (or Backspace)
  kMode,           // an entry of the mode box; a: its index
  kSystem,         // an entry of the betting-system box; a: its index
  kBase,           // text typed into the base stake, then the focus leaves it
  kOnWins,         // text typed into UP-TRENDER's wins per step
  kAddToBet,       // text typed into UP-TRENDER's units per step
  kSafeLevel,      // the SAFE LEVEL track bar; a: its position
  kTrend,          // a trend tab clicked on or off; a: the chance
  kAutoReset,      // "BET AUTOMATIC RESET"
  kMinProfit,      // "GET MINIMAL PROFIT"
  kShowBet,        // "Show Bet"
  kCatRows,        // "Cat.Rows"
  kCreateMatrix,   // "Create Matrix"
  kResetMatrix,    // "RM"
  kReCalculate,    // "ReCalculate"
  kResetBets,      // "Reset Bets"
  kLimit,          // a session limit set in the limits dialog; a: the limit, b: its value or -1
  kContinue,       // "Continue anyway" on the banner
  kNewSession,     // "New session"
  kJournalFails,   // the journal's writes fail from now on (a folder made read-only)
  kDiskFull,       // the journal's file may not grow from now on (a full disk)
  kJournalWrites,  // ... and both succeed again
  kJournalFolder,  // the journal's folder, which could not be made at start, can be made
  kRestart,        // the window is closed and started again: it resumes the session
  kWait,           // the player pauses; a: milliseconds
  kRedo,           // Ctrl+Shift+Z: the spin just undone brought back
  kWrittenSystem,  // a system the player wrote picked from its file; a: which (WrittenSystem)
};

// The text of a system file the player wrote: 0 a D'Alembert, 1 a Fibonacci (which keeps its
// place in the sequence).
const char* WrittenSystem(int which);

struct Action {
  Action(Act k = Act::kWait, int x = 0, int y = 0, std::string t = {})
      : act(k), a(x), b(y), text(std::move(t)) {}
  Act act;
  int a;
  int b;
  std::string text;
};

std::string Describe(const Action& action);
// One action a line, as C++ that rebuilds the list: a regression test pastes it.
std::string Describe(const std::vector<Action>& actions);

struct Evening {
  uint64_t seed = 0;
  // The journal cannot be opened when the window starts (its folder cannot be made): the
  // window keeps the events in memory and opens the file at a spin once it can.
  bool journal_late = false;
  std::vector<Action> actions;
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

// One action passed on to the game of `play`, as the window passes it (the journal's
// troubles aside: they need the evening's folder).
void PerformAtTable(host::WindowGame& play, const Action& a);

// Plays `evening` with its journal in `folder`. Ends with the journal written and idle.
Played Play(const Evening& evening, const std::string& folder);

}  // namespace vellaro::consistency
