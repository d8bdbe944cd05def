#include "tools/sim/stored_replay.h"

namespace vellaro::sim {

namespace {

RunOptions WithoutDisplayTimers() {
  RunOptions run;
  run.display_timers = false;  // they cannot change a row
  return run;
}

}  // namespace

StoredReplay::StoredReplay(const journal::StoredSession& session)
    : session_(session),
      scheduler_(session.started_ms),
      time_(scheduler_),
      clock_(time_),
      game_(Env{clock_, scheduler_}, WithoutDisplayTimers()) {}

void StoredReplay::Run(const StoredReplayOptions& options, RowSink& sink) {
  Result settled = Result::kNone;
  const Game::ListenerId settlements = game_.AddListener(
      [&settled](const GameEvent& event) {
        settled = std::get<BetSettled>(event).won ? Result::kWin : Result::kLoss;
      },
      EventBit<BetSettled>());
  std::optional<Game::ListenerId> everything;
  if (options.listener) everything = game_.AddListener(options.listener);
  struct Unlisten {
    Game& game;
    Game::ListenerId settlements;
    std::optional<Game::ListenerId> everything;
    ~Unlisten() {
      game.RemoveListener(settlements);
      if (everything) game.RemoveListener(*everything);
    }
  } unlisten{game_, settlements, everything};

  uint64_t line = 0;
  journal::SessionReplayOptions replay;
  replay.exact = !options.system;
  replay.system = options.system;
  replay.after_entry = [&](const GameEvent& entry) {
    Row row;
    row.entry.line = ++line;
    if (const auto* spin = std::get_if<SpinAccepted>(&entry)) row.entry.number = spin->number;
    row.at_ms = scheduler_.NowMs();
    row.result = settled;
    settled = Result::kNone;
    FillFromGame(game_, row);
    sink.Add(row);
  };
  journal::ReplaySession(session_, game_, scheduler_, clock_, replay);
}

}  // namespace vellaro::sim
