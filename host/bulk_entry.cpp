// Many spins entered at once, as clicks that come one after another without a pause.

#include <algorithm>
#include <string>

#include "env/clock.h"
#include "env/virtual_scheduler.h"
#include "front/game_view.h"
#include "host/window_game.h"
#include "replay/finish_analysis.h"
#include "text/translate.h"

namespace vellaro::host {

namespace {

// Why `spins` cannot be entered into `game` now; empty when they can.
std::string Refusal(const Game& game, std::span<const int> spins) {
  if (spins.empty()) return Tr("no spins to enter");
  if (game.AnalysisRunning()) return Tr("the board is locked while the analysis runs");
  for (const int n : spins) {
    if (n < 0 || n > 36) return TrFormat("{1} is not a number of the wheel", {std::to_string(n)});
  }
  // A number the undo took back is crossed out until the next spin: no click reaches it.
  if (!GameView(game).TileShown(spins.front())) {
    return TrFormat("{1}: crossed out, the undo took it back", {std::to_string(spins.front())});
  }
  return {};
}

}  // namespace

std::string WindowGame::EnterSpins(std::span<const int> spins) {
  if (std::string why = Refusal(*game_, spins); !why.empty()) return why;
  ClickAtOnce(spins);
  return {};
}

void WindowGame::ClickNumber(int n, bool quick) {
  // A click the board would not take goes to the game as it is, which passes it over.
  if (!quick || !Refusal(*game_, std::span<const int>(&n, 1)).empty()) {
    game_->Apply(act::EnterNumber{n});
    return;
  }
  ClickAtOnce(std::span<const int>(&n, 1));
}

void WindowGame::ClickAtOnce(std::span<const int> spins) {
  // The analyses run in a virtual time of their own, which starts at the time of day's
  // second, or where the last spin entered so ended if that is later: the clicks come where
  // each analysis ends, as a player who never pauses would click, and the modes that draw
  // are seeded with the seconds those clicks would see. The window's own time goes on
  // undisturbed: it gets its timers and its clock back after.
  Scheduler& before = scheduler_.target();
  Clock& outside = time_of_day_.target();
  VirtualScheduler virtual_time(std::max(int64_t{outside.NowSeconds()} * 1000, at_once_until_ms_));
  VirtualClock seconds(virtual_time);
  scheduler_.SwitchTo(virtual_time);
  time_of_day_.SwitchTo(seconds);
  // The display timers write captions the game never reads back: off, the analyses run
  // many times faster; turned on again, they bring the captions up to date at once.
  game_->SetDisplayTimers(false);
  game_->ExpectSpins(spins.size());
  const auto back = [&] {
    at_once_until_ms_ = virtual_time.NowMs();
    game_->SetDisplayTimers(true);
    scheduler_.SwitchTo(before);
    time_of_day_.SwitchTo(outside);
  };
  try {
    for (const int n : spins) {
      game_->Apply(act::EnterNumber{n});
      replay::FinishAnalysis(*game_, virtual_time);
    }
  } catch (...) {
    back();
    throw;
  }
  back();
}

}  // namespace vellaro::host
