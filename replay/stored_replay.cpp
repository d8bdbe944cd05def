#include "replay/stored_replay.h"

#include <string>
#include <utility>

#include "game/text_number.h"
#include "text/translate.h"

namespace vellaro::replay {

namespace {

RunOptions WithoutDisplayTimers() {
  RunOptions run;
  run.display_timers = false;  // they cannot change a row
  return run;
}

std::string Signed(int64_t units) {
  std::string text = LocalNumber(std::to_string(units));
  // Inserted, not prefixed with +: GCC 12 at -O3 takes "+" + text for an overlapping copy.
  if (units > 0) text.insert(text.begin(), '+');
  return text;
}

std::string SignedUnits(int64_t units) {
  return TrFormat(units == 1 || units == -1 ? N_("{1} unit") : N_("{1} units"), {Signed(units)});
}

// An exact replay's rows must come to what the journal's session list says of the session
// (journal::Summarize, from the stored events): a row closed before a bet went on show would
// leave that bet out of every count read from the rows.
void CheckAgainstTheList(const journal::StoredSession& session, const Row& last) {
  const journal::SessionSummary listed = journal::Summarize(session);
  const RealResult::Counts& replayed = last.real;
  if (replayed.spins == listed.spins && replayed.bets_shown == listed.bets_shown &&
      replayed.net == listed.net_units) {
    return;
  }
  const int64_t seq = session.events.empty() ? 0 : session.events.back().seq;
  throw ReplayDiverged(
      seq, TrFormat("the replay of session {1} ends at {2}, {3} shown and a net result of {4} "
                    "where the journal holds {5}, {6} and {7}",
                    {std::to_string(session.id),
                     CountedText(replayed.spins, N_("{1} spin"), N_("{1} spins")),
                     CountedText(replayed.bets_shown, N_("{1} bet"), N_("{1} bets")),
                     SignedUnits(replayed.net), LocalNumber(std::to_string(listed.spins)),
                     LocalNumber(std::to_string(listed.bets_shown)), Signed(listed.net_units)}));
}

// What became of the bet a limit held back, followed through the game's events from one
// entry to the next.
class HeldBackWatch {
 public:
  explicit HeldBackWatch(const Game& game) : game_(game) {}
  void On(const GameEvent& event);
  // The row's `withheld` and `held_back`, as the game stands after its entry.
  void Fill(Row& row) const;

 private:
  const Game& game_;
  std::optional<BetWithheld> held_;      // the bet a limit held back since the entry began
  std::optional<BetWithheld> held_now_;  // the same at its stake now
  HeldBack outcome_ = HeldBack::kLeft;
  bool after_limit_change_ = false;  // the game's last event changed a limit
};

void HeldBackWatch::On(const GameEvent& event) {
  if (std::holds_alternative<SpinAccepted>(event) || std::holds_alternative<SpinUndone>(event) ||
      std::holds_alternative<SpinRedone>(event)) {
    held_.reset();
    held_now_.reset();
    outcome_ = HeldBack::kLeft;
  } else if (const auto* withheld = std::get_if<BetWithheld>(&event)) {
    held_ = *withheld;
    held_now_ = *withheld;
    outcome_ = HeldBack::kLeft;
  } else if (const auto* reset = std::get_if<LedgerReset>(&event); reset && held_now_) {
    held_now_->stake = reset->stake;  // the bet waits at the stake the reset put on it
  } else if (std::holds_alternative<BetShown>(event) && held_ && outcome_ == HeldBack::kLeft &&
             !game_.AnalysisRunning()) {
    // Outside an analysis a bet goes on show only from the one held back: by a change of
    // the limits that lets it through, or else by "Continue anyway" (also right after a
    // change that did not: the limits as they stand still hold it back).
    outcome_ = after_limit_change_ && LetThrough(*held_now_, game_.Limits())
                   ? HeldBack::kLetThrough
                   : HeldBack::kPlayedAnyway;
  }
  after_limit_change_ = IsLimitChange(event);
}

void HeldBackWatch::Fill(Row& row) const {
  if (game_.WithheldBet()) {
    // Still held back: left, or waiting again after an undo took a later spin back.
    row.withheld = game_.WithheldBet();
  } else if (held_) {
    // Neither on show nor held back any more, it was taken off with the matrix.
    row.withheld = held_;
    row.held_back = outcome_ == HeldBack::kLeft ? HeldBack::kDiscarded : outcome_;
  }
}

// Takes the replay's listeners off the game when it ends, by a throw too.
struct Unlisten {
  Game& game;
  Game::ListenerId watch;
  std::optional<Game::ListenerId> everything;
  ~Unlisten() {
    game.RemoveListener(watch);
    if (everything) game.RemoveListener(*everything);
  }
};

}  // namespace

StoredReplay::StoredReplay(const journal::StoredSession& session)
    : session_(session), made_(session.started_ms, WithoutDisplayTimers()) {}

void StoredReplay::Run(const StoredReplayOptions& options, RowSink& sink) {
  HeldBackWatch held_back(made_.game());
  const Game::ListenerId watch =
      made_.game().AddListener([&held_back](const GameEvent& event) { held_back.On(event); });
  std::optional<Game::ListenerId> everything;
  if (options.listener) everything = made_.game().AddListener(options.listener);
  const Unlisten unlisten{made_.game(), watch, everything};

  Result settled = Result::kNone;
  uint64_t line = 0;
  std::optional<Row> last;
  // The real result and the settlements of the events the journal holds: a session read
  // while its last spin is analysed, or whose window was killed then, counts as the list
  // counts it.
  RealResult journaled;
  SessionReplayOptions replay;
  replay.exact = !options.system && options.custom_system.empty();
  replay.system = options.system;
  replay.custom_system = options.custom_system;
  replay.journaled = [&](const GameEvent& event) {
    journaled.On(event);
    if (const auto* settlement = std::get_if<BetSettled>(&event)) {
      settled = settlement->won ? Result::kWin : Result::kLoss;
    }
  };
  replay.after_entry = [&](const GameEvent& entry) {
    Row row;
    row.entry.line = ++line;
    if (const auto* spin = std::get_if<SpinAccepted>(&entry)) row.entry.number = spin->number;
    if (std::holds_alternative<SpinRedone>(entry)) row.entry.number = Entry::kRedo;
    row.at_ms = made_.scheduler().NowMs();
    row.result = std::exchange(settled, Result::kNone);
    FillFromGame(made_.game(), row);
    row.real = journaled.counts();
    held_back.Fill(row);
    sink.Add(row);
    last = row;
  };
  ReplaySession(session_, made_.game(), made_.scheduler(), made_.draws(), replay);
  if (replay.exact && last) CheckAgainstTheList(session_, *last);
}

}  // namespace vellaro::replay
