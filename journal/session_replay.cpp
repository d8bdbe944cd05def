#include "journal/session_replay.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "betting/session_limits.h"
#include "game/text_number.h"

namespace vellaro::journal {
namespace {

// Far more virtual time than any animation takes; past it the engine is broken.
constexpr int64_t kAnimationLimitMs = 24 * 3600 * 1000;

bool IsEntry(const GameEvent& e) {
  return std::holds_alternative<SpinAccepted>(e) || std::holds_alternative<SpinUndone>(e) ||
         std::holds_alternative<SpinRedone>(e);
}

bool IsLimitChange(const GameEvent& e) {
  const auto* change = std::get_if<SettingChanged>(&e);
  return change != nullptr && change->setting >= Setting::kBankroll;
}

// Whether the event records something the player did (or may have: a change of option
// that followed from another click is passed over by Act). `in_analysis`: whether the
// stored event came while an analysis ran; `after_limit`: whether it came right after a
// change of a session limit that let the bet held back through.
bool IsAction(const GameEvent& e, const Game& game, const SessionReplayOptions& options,
              bool in_analysis, bool after_limit) {
  if (const auto* reset = std::get_if<LedgerReset>(&e)) {
    // "RM" resets the ledger before it reports the matrix discarded.
    return reset->reason == ResetReason::kButton || reset->reason == ResetReason::kMatrixReset;
  }
  if (std::holds_alternative<BetShown>(e)) {
    // "Continue anyway" has no event of its own: the journal holds only the bet it put on
    // show. An exact replay meets such a bet here only when no click it made has sent it
    // (a change of limit that let the bet through has). A what-if takes a bet shown outside
    // an analysis for the player's choice to play the bet held back, but for one shown right
    // after a change of limit: that change let it through, and is replayed as a change of
    // limit, which may or may not let the what-if's own bet through.
    if (options.exact) return game.WithheldBet().has_value() && !game.AnalysisRunning();
    return !in_analysis && !after_limit;
  }
  return IsEntry(e) || std::holds_alternative<SystemChanged>(e) ||
         std::holds_alternative<ModeChanged>(e) || std::holds_alternative<MatrixCreated>(e) ||
         std::holds_alternative<MatrixDiscarded>(e) || std::holds_alternative<Recalculated>(e) ||
         std::holds_alternative<SettingChanged>(e);
}

// Types into the base-stake edit what makes the game report base unit `v` once, as the
// player's typing did. The edit reports every change of its text, and the journal keeps the
// value read, not the text: a text such as "05", "0" or "1200" reports a value (5, 1, 1000)
// and reports it again at once when the edit, losing the focus, writes it as the value it
// reads. Where the stored events show that second report right after this one
// (`reported_again`), the replay types such a text too, so that the edit has something to
// write; otherwise it types the value itself, as every run of reports ends. ("" reads as
// the smallest value and is written as it at once, without a report of its own.) A what-if
// types the same: one report, and its reset of the ledger, for each the player made.
void TypeBaseUnit(Game& game, int32_t v, bool reported_again) {
  const SpinEdit& edit = game.controls().Init_Bet;
  const std::string plain = IntToStr(v);
  if (!reported_again && edit.text != plain) {
    game.TypeInitBet(plain);
    return;
  }
  if (!reported_again && v == edit.min) {
    game.TypeInitBet("");
    return;
  }
  // A leading zero, or two when the edit holds one already: a text it does not hold.
  std::string once(1, '0');
  once += plain;
  std::string padded(edit.text == once ? 2 : 1, '0');
  padded += plain;
  game.TypeInitBet(padded);
}

// Does, through the player's actions, what the stored event `e` says the player did. Events
// that follow from another (settlements, shown bets, the resets a change of system brings,
// ...) need nothing. An exact replay knows which events the game has already sent as the
// consequences of a click, and repeats every other click as it was, even one that changed
// nothing; a what-if, which cannot tell, applies a change only where the option differs,
// but for the base stake, whose every report resets the ledger.
void Act(const GameEvent& e, Game& game, VirtualScheduler& scheduler,
         const SessionReplayOptions& options, bool reported_again, bool& recalculated) {
  const Settings current = game.CurrentSettings();
  // Whether to make the click that sets an option now at `is` to `wanted`.
  auto click = [&](int64_t is, int64_t wanted) { return options.exact || is != wanted; };
  if (const auto* spin = std::get_if<SpinAccepted>(&e)) {
    game.NumberClick(spin->number);
  } else if (std::holds_alternative<SpinUndone>(e)) {
    game.UndoClick();
  } else if (std::holds_alternative<SpinRedone>(e)) {
    game.RedoClick();
  } else if (const auto* system = std::get_if<SystemChanged>(&e)) {
    if (!options.system && click(current.system, system->system))
      game.SelectBetStrategy(system->system);
  } else if (const auto* mode = std::get_if<ModeChanged>(&e)) {
    int box = -1;
    for (int i = 0; i < kGameModeItems; ++i) {
      if (kGameModeIds[static_cast<size_t>(i)] == mode->mode) box = i;
    }
    if (box >= 0 && click(static_cast<int64_t>(current.mode), static_cast<int64_t>(mode->mode))) {
      game.SelectGameMode(box);
    } else if (current.mode != mode->mode) {
      Settings next = current;  // Mode 1 (no entry of the box) or a new matrix
      next.mode = mode->mode;
      game.Configure(next);
    }
  } else if (std::holds_alternative<BetShown>(e)) {
    // In a what-if the limits may have let the bet through already, or held none back.
    if (game.WithheldBet()) game.ContinueAnyway();
  } else if (std::holds_alternative<MatrixCreated>(e)) {
    game.CreateMatrixClick();
  } else if (std::holds_alternative<MatrixDiscarded>(e)) {
    if (!options.exact) game.ResetMatrixClick();  // an exact replay clicked at the reset
  } else if (const auto* reset = std::get_if<LedgerReset>(&e)) {
    if (reset->reason == ResetReason::kButton) game.ResetBetsClick();
    if (reset->reason == ResetReason::kMatrixReset && options.exact) game.ResetMatrixClick();
  } else if (std::holds_alternative<Recalculated>(e)) {
    // The click came before the seconds its steps were seeded with; nothing else can happen
    // while its animation runs, so it can be replayed where its result was reported.
    recalculated = false;
    game.ReCalculate();
    if (!scheduler.RunUntilTrue([&] { return recalculated; }, kAnimationLimitMs)) {
      throw std::logic_error("a recalculation did not end");
    }
  } else if (const auto* setting = std::get_if<SettingChanged>(&e)) {
    const int32_t v = setting->value;
    switch (setting->setting) {
      case Setting::kBaseUnit:
        // Every report resets the ledger, the value the same or not ("abc" typed and left
        // keeps the base): a what-if types each report too, or it would keep a stake the
        // player's game reset.
        TypeBaseUnit(game, v, reported_again);
        break;
      case Setting::kOnWins:
        if (click(current.on_wins, v)) game.TypeOnWins(IntToStr(v));
        break;
      case Setting::kAddToBet:
        if (click(current.add_to_bet, v)) game.TypeAddToBet(IntToStr(v));
        break;
      case Setting::kSafeLevel:
        if (click(current.safe_level, v)) game.MoveSafeLevel(v);
        break;
      case Setting::kAutomaticReset:
        if (click(current.auto_reset, v != 0)) game.Bet_Automatic_ResetClick();
        break;
      case Setting::kMinimalProfit:
        if (click(current.min_profit, v != 0)) game.Get_Minimal_ProfitClick();
        break;
      case Setting::kShowBet:
        if (click(current.show_bet, v != 0)) game.ShowBetSizeClick();
        break;
      case Setting::kCatRows:
        if (click(current.cat_rows, v != 0)) game.CatRowsClick();
        break;
      case Setting::kTrend: {
        const bool on = current.trends[static_cast<size_t>(setting->chance)];
        if (v != 0 && click(on, true)) game.TrendSwitchOnClick(setting->chance);
        if (v == 0 && click(on, false)) game.TrendActiveClick(setting->chance);
        break;
      }
      case Setting::kBankroll:
      case Setting::kStopLoss:
      case Setting::kTakeProfit:
      case Setting::kTableMax:
      case Setting::kMaxLosses: {
        // The limits follow the settings in order; -1 is a limit switched off.
        const auto limit = static_cast<LimitKind>(static_cast<int>(setting->setting) -
                                                  static_cast<int>(Setting::kBankroll));
        game.SetLimit(limit, v < 0 ? std::nullopt : std::optional<int32_t>(v));
        break;
      }
    }
  }
}

// Seconds seeded outside an analysis are the first steps of the click whose event follows
// them: a recalculation or a new matrix. A run of them followed by anything else, or by
// nothing, is what a window killed during that click's animation left: the game resumed
// from the journal never had that click, so its replay leaves those seconds out (fed to the
// clock, they would answer the draws of whatever came after the resume). Returns the
// positions in `stored` of the runs to leave out, each [begin, end); nearly always none.
std::vector<std::pair<size_t, size_t>> ClicksCutOff(const std::vector<StoredEvent>& stored) {
  std::vector<std::pair<size_t, size_t>> cut;
  bool analysis = false;
  constexpr size_t kNoRun = SIZE_MAX;
  size_t run = kNoRun;  // where the run of seconds outside an analysis begins
  for (size_t i = 0; i < stored.size(); ++i) {
    const GameEvent& e = stored[i].event;
    if (std::holds_alternative<ChoiceSeeded>(e) && !analysis) {
      if (run == kNoRun) run = i;
    } else if (run != kNoRun) {
      if (!std::holds_alternative<Recalculated>(e) && !std::holds_alternative<MatrixCreated>(e)) {
        cut.emplace_back(run, i);
      }
      run = kNoRun;
    }
    if (std::holds_alternative<AnalysisStarted>(e)) analysis = true;
    if (std::holds_alternative<AnalysisEnded>(e)) analysis = false;
  }
  if (run != kNoRun) cut.emplace_back(run, stored.size());
  return cut;
}

// The stored events without the clicks cut off. A long session is tens of thousands of
// events, copied only when some are left out.
class EventsToReplay {
 public:
  explicit EventsToReplay(const std::vector<StoredEvent>& stored) : events_(&stored) {
    const std::vector<std::pair<size_t, size_t>> cut = ClicksCutOff(stored);
    if (cut.empty()) return;
    kept_.reserve(stored.size());
    size_t from = 0;
    for (const auto& [begin, end] : cut) {
      kept_.insert(kept_.end(), stored.begin() + static_cast<ptrdiff_t>(from),
                   stored.begin() + static_cast<ptrdiff_t>(begin));
      from = end;
    }
    kept_.insert(kept_.end(), stored.begin() + static_cast<ptrdiff_t>(from), stored.end());
    events_ = &kept_;
  }
  const std::vector<StoredEvent>& get() const { return *events_; }

 private:
  std::vector<StoredEvent> kept_;
  const std::vector<StoredEvent>* events_;
};

}  // namespace

bool LetThrough(const BetWithheld& held, const SessionLimits& limits) {
  return !BrokenLimit(limits, held.net, held.stake, held.losses_in_row);
}

void FinishAnalysis(Game& game, VirtualScheduler& scheduler) {
  const int64_t deadline = scheduler.NowMs() + kAnimationLimitMs;
  while (game.AnalysisRunning()) {
    if (!scheduler.RunNextTicks(deadline)) throw std::logic_error("an analysis did not end");
  }
}

void ReplaySession(const StoredSession& session, Game& game, VirtualScheduler& scheduler,
                   ReplayClock& clock, const SessionReplayOptions& options) {
  const EventsToReplay to_replay(session.events);
  const std::vector<StoredEvent>& events = to_replay.get();
  // Room for the whole evening first: grown step by step, it is copied at each doubling.
  size_t seeds = 0;
  size_t spins = 0;
  for (const StoredEvent& stored : events) {
    seeds += std::holds_alternative<ChoiceSeeded>(stored.event) ? 1 : 0;
    spins += std::holds_alternative<SpinAccepted>(stored.event) ? 1 : 0;
  }
  clock.Reserve(seeds);
  game.ExpectSpins(spins);
  for (const StoredEvent& stored : events) {
    if (const auto* seeded = std::get_if<ChoiceSeeded>(&stored.event))
      clock.Record(seeded->seconds);
  }

  size_t sent = 0;  // events the game has sent during the replay
  bool recalculated = false;
  // The listener only notes a departure: it must not act on the game (a throw would leave
  // an operation half done); the loop below reports it.
  std::optional<int64_t> departed;
  const Game::ListenerId listener = game.AddListener([&](const GameEvent& e) {
    if (std::holds_alternative<Recalculated>(e)) recalculated = true;
    // Events past the journal's end are the rest of an analysis it was cut off in.
    if (options.exact && !departed && sent < events.size() && e != events[sent].event) {
      departed = events[sent].seq;
    }
    if (options.journaled && (!options.exact || sent < events.size())) options.journaled(e);
    ++sent;
  });
  auto check = [&] {
    if (departed) {
      throw ReplayDiverged(*departed, "the replay of session " + std::to_string(session.id) +
                                          " departs from the journal at event " +
                                          std::to_string(*departed));
    }
  };
  struct Unlisten {
    Game& game;
    Game::ListenerId id;
    ~Unlisten() { game.RemoveListener(id); }
  } unlisten{game, listener};

  // The session's game was configured while the journal listened: its first events are
  // those of this call (a matrix's seconds among them).
  Settings start = session.settings;
  if (options.system) start.system = *options.system;
  game.Configure(start);
  check();

  // The entry whose after_entry call is due once its events are all sent.
  std::optional<GameEvent> open_entry;
  auto close_entry = [&] {
    if (open_entry && options.after_entry) options.after_entry(*open_entry);
    open_entry.reset();
  };
  // A wait for the game to send an event: an hour of virtual time is far more than any
  // animation takes.
  constexpr int64_t kWaitLimitMs = 3600 * 1000;
  // Lets ticks pass until the game has sent `count` events.
  auto wait_for = [&](size_t count) {
    const int64_t until = scheduler.NowMs() + kWaitLimitMs;
    while (sent < count) {
      check();
      if (!scheduler.RunNextTicks(until)) {
        throw ReplayDiverged(events[sent].seq,
                             "the replay of session " + std::to_string(session.id) +
                                 " stalls before event " + std::to_string(events[sent].seq));
      }
    }
    check();
  };
  // Whether stored event i, a report of the base unit, is reported again right after its
  // ledger reset.
  auto reported_again = [&](size_t i) {
    if (i + 2 >= events.size()) return false;
    const auto* reset = std::get_if<LedgerReset>(&events[i + 1].event);
    const auto* first = std::get_if<SettingChanged>(&events[i].event);
    const auto* again = std::get_if<SettingChanged>(&events[i + 2].event);
    return reset != nullptr && reset->reason == ResetReason::kBaseUnitChange && first != nullptr &&
           again != nullptr && again->setting == Setting::kBaseUnit && again->value == first->value;
  };
  bool in_analysis = false;  // whether the stored event i came while an analysis ran
  std::optional<BetWithheld> held;  // the stored bet held back last, until the next entry
  for (size_t i = 0; i < events.size(); ++i) {
    if (std::holds_alternative<AnalysisStarted>(events[i].event)) in_analysis = true;
    if (std::holds_alternative<AnalysisEnded>(events[i].event)) in_analysis = false;
    if (const auto* withheld = std::get_if<BetWithheld>(&events[i].event)) held = *withheld;
    // A reset of the ledger puts its stake on the bet waiting.
    if (const auto* reset = std::get_if<LedgerReset>(&events[i].event); reset && held) {
      held->stake = reset->stake;
    }
    if (IsEntry(events[i].event)) held.reset();
    if (options.exact) {
      if (sent > i) continue;  // the game already sent it, a consequence of an action
      // Let the analysis run until the game has sent everything before this event: a
      // change the player made during an analysis comes at the same point.
      wait_for(i);
      if (sent > i) continue;
    }
    size_t action = i;
    if (options.exact && std::holds_alternative<ChoiceSeeded>(events[i].event) &&
        !game.AnalysisRunning()) {
      // Seconds seeded outside an analysis are the first steps of a click whose event
      // comes after them: a recalculation or a new matrix.
      while (action < events.size() && std::holds_alternative<ChoiceSeeded>(events[action].event)) {
        ++action;
      }
      if (action == events.size()) break;
    }
    const GameEvent& e = events[action].event;
    const bool after_limit = action > 0 && IsLimitChange(events[action - 1].event) &&
                             held && LetThrough(*held, game.Limits());
    if (!IsAction(e, game, options, in_analysis, after_limit)) continue;
    if (!options.exact) FinishAnalysis(game, scheduler);
    // An entry's row is what the next entry finds: what the player did in between is in it.
    if (IsEntry(e)) {
      FinishAnalysis(game, scheduler);
      close_entry();
      open_entry = e;
    }
    const size_t before = sent;
    Act(e, game, scheduler, options, reported_again(action), recalculated);
    check();
    if (options.exact && sent == before) {
      throw ReplayDiverged(events[action].seq, "the replay of session " +
                                                   std::to_string(session.id) +
                                                   " cannot do what event " +
                                                   std::to_string(events[action].seq) + " records");
    }
  }
  if (options.exact) {
    // What the last action brought that is still to come (the end of its analysis); an
    // analysis whose end the journal never saw is left running.
    wait_for(events.size());
  } else {
    FinishAnalysis(game, scheduler);
  }
  close_entry();
}

}  // namespace vellaro::journal
