#include "replay/session_replay.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "betting/session_limits.h"
#include "betting/system_file.h"
#include "front/game_view.h"
#include "game/text_number.h"
#include "journal/event_record.h"
#include "replay/virtual_game.h"
#include "text/translate.h"

namespace vellaro::replay {
namespace {

// The system a stored text describes. A text the journal kept was read when it was
// played: one that no longer reads is no session this program can replay.
CustomSystem SystemFromText(const std::string& text) {
  SystemFileResult read = ParseSystemFile(text);
  if (!read.system) {
    throw journal::BadRecord(TrFormat("a stored betting system no longer reads: {1}",
                                      {DescribeSystemFileError("system", *read.error)}));
  }
  return std::move(*read.system);
}

bool IsEntry(const GameEvent& e) {
  return std::holds_alternative<SpinAccepted>(e) || std::holds_alternative<SpinUndone>(e) ||
         std::holds_alternative<SpinRedone>(e);
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
  const SpinEdit edit = GameView(game).BaseStake();
  const std::string plain = IntToStr(v);
  if (!reported_again && edit.text != plain) {
    game.Apply(act::TypeBaseStake{plain});
    return;
  }
  if (!reported_again && v == edit.min) {
    game.Apply(act::TypeBaseStake{""});
    return;
  }
  // A leading zero, or two when the edit holds one already: a text it does not hold.
  std::string once(1, '0');
  once += plain;
  std::string padded(edit.text == once ? 2 : 1, '0');
  padded += plain;
  game.Apply(act::TypeBaseStake{padded});
}

// Makes the change of option `setting` records, as Act does (`click` as there).
template <typename Click>
void ChangeSetting(const SettingChanged& setting, Game& game, const Settings& current,
                   const Click& click, bool reported_again, bool as_before) {
  const int32_t v = setting.value;
  switch (setting.setting) {
    case Setting::kBaseUnit:
      // Every report resets the ledger, the value the same or not ("abc" typed and left
      // keeps the base): a what-if types each report too, or it would keep a stake the
      // player's game reset.
      TypeBaseUnit(game, v, reported_again);
      break;
    case Setting::kOnWins:
      if (click(current.on_wins, v)) game.Apply(act::TypeOnWins{IntToStr(v)});
      break;
    case Setting::kAddToBet:
      if (click(current.add_to_bet, v)) game.Apply(act::TypeAddToBet{IntToStr(v)});
      break;
    case Setting::kSafeLevel:
      if (click(current.safe_level, v)) game.Apply(act::SetSafeLevel{v});
      break;
    case Setting::kAutomaticReset:
      if (click(current.auto_reset, v != 0)) {
        game.Apply(act::ToggleAutomaticReset{.limits_asked_again = !as_before});
      }
      break;
    case Setting::kMinimalProfit:
      if (click(current.min_profit, v != 0)) game.Apply(act::ToggleMinimalProfit{});
      break;
    case Setting::kShowBet:
      if (click(current.show_bet, v != 0)) game.Apply(act::ToggleShowStake{});
      break;
    case Setting::kCatRows:
      if (click(current.cat_rows, v != 0)) game.Apply(act::ToggleCategoryRows{});
      break;
    case Setting::kTrend: {
      const bool on = current.trends[static_cast<size_t>(setting.chance)];
      if (v != 0 && click(on, true)) game.Apply(act::SwitchTrendOn{setting.chance});
      if (v == 0 && click(on, false)) game.Apply(act::ClickActiveTrend{setting.chance});
      break;
    }
    case Setting::kBankroll:
    case Setting::kStopLoss:
    case Setting::kTakeProfit:
    case Setting::kTableMax:
    case Setting::kMaxLosses: {
      // The limits follow the settings in order; -1 is a limit switched off.
      const auto limit = static_cast<LimitKind>(static_cast<int>(setting.setting) -
                                                static_cast<int>(Setting::kBankroll));
      game.Apply(act::SetLimit{limit, v < 0 ? std::nullopt : std::optional<int32_t>(v)});
      break;
    }
  }
}

// Does, through the player's actions, what the stored event `e` says the player did. Events
// that follow from another (settlements, shown bets, the resets a change of system brings,
// ...) need nothing. An exact replay knows which events the game has already sent as the
// consequences of a click, and repeats every other click as it was, even one that changed
// nothing; a what-if, which cannot tell, applies a change only where the option differs,
// but for the base stake, whose every report resets the ledger.
void Act(const GameEvent& e, Game& game, VirtualScheduler& scheduler,
         const SessionReplayOptions& options, bool reported_again, bool as_before,
         bool& recalculated) {
  const Settings current = game.CurrentSettings();
  // Whether to make the click that sets an option now at `is` to `wanted`.
  auto click = [&](int64_t is, int64_t wanted) { return options.exact || is != wanted; };
  if (const auto* spin = std::get_if<SpinAccepted>(&e)) {
    game.Apply(act::EnterNumber{spin->number});
  } else if (std::holds_alternative<SpinUndone>(e)) {
    game.Apply(act::Undo{.bet_said_again = !as_before});
  } else if (std::holds_alternative<SpinRedone>(e)) {
    game.Apply(act::Redo{});
  } else if (const auto* system = std::get_if<SystemChanged>(&e)) {
    if (options.system || !options.custom_system.empty()) return;
    const CustomSystem* selected = game.SelectedCustomSystem();
    if (!system->custom.empty()) {
      if (options.exact || !selected || selected->text != system->custom) {
        game.Apply(act::ChooseWrittenSystem{SystemFromText(system->custom)});
      }
    } else if (click(GameView(game).SystemIndex(), system->system)) {
      game.Apply(act::ChooseSystem{system->system});
    }
  } else if (const auto* mode = std::get_if<ModeChanged>(&e)) {
    int box = -1;
    for (int i = 0; i < kGameModeItems; ++i) {
      if (kGameModeIds[static_cast<size_t>(i)] == mode->mode) box = i;
    }
    if (box >= 0 && click(static_cast<int64_t>(current.mode), static_cast<int64_t>(mode->mode))) {
      game.Apply(act::ChooseMode{box});
    } else if (current.mode != mode->mode) {
      Settings next = current;  // Mode 1 (no entry of the box) or a new matrix
      next.mode = mode->mode;
      game.Configure(next);
    }
  } else if (std::holds_alternative<BetShown>(e)) {
    // In a what-if the limits may have let the bet through already, or held none back.
    if (game.WithheldBet()) game.Apply(act::ContinueAnyway{});
  } else if (std::holds_alternative<MatrixCreated>(e)) {
    game.Apply(act::CreateMatrix{});
  } else if (std::holds_alternative<MatrixDiscarded>(e)) {
    if (!options.exact) game.Apply(act::ResetMatrix{});  // an exact replay clicked at the reset
  } else if (const auto* reset = std::get_if<LedgerReset>(&e)) {
    if (reset->reason == ResetReason::kButton) game.Apply(act::ResetBets{});
    if (reset->reason == ResetReason::kMatrixReset && options.exact) game.Apply(act::ResetMatrix{});
  } else if (std::holds_alternative<Recalculated>(e)) {
    // The click came before the seconds its steps were seeded with; nothing else can happen
    // while its animation runs, so it can be replayed where its result was reported.
    recalculated = false;
    game.Apply(act::Recalculate{});
    if (!scheduler.RunUntilTrue([&] { return recalculated; }, kAnalysisLimitMs)) {
      throw std::logic_error("a recalculation did not end");
    }
  } else if (const auto* setting = std::get_if<SettingChanged>(&e)) {
    ChangeSetting(*setting, game, current, click, reported_again, as_before);
  }
}

// Seconds seeded outside an analysis are the first steps of the click whose event follows
// them: a recalculation or a new matrix. A run of them followed by anything else, or by
// nothing, is what a window killed during that click's animation left: the game resumed
// from the journal never had that click, so its replay leaves those seconds out (fed to the
// clock, they would answer the draws of whatever came after the resume). Returns the
// positions in `stored` of the runs to leave out, each [begin, end); nearly always none.
std::vector<std::pair<size_t, size_t>> ClicksCutOff(
    const std::vector<journal::StoredEvent>& stored) {
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
  explicit EventsToReplay(const std::vector<journal::StoredEvent>& stored) : events_(&stored) {
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
  const std::vector<journal::StoredEvent>& get() const { return *events_; }

 private:
  std::vector<journal::StoredEvent> kept_;
  const std::vector<journal::StoredEvent>* events_;
};

// Gives `clock` the recorded seconds of `events`, and `game` room for their spins: grown
// step by step, each would be copied at every doubling.
void FeedTheClock(const std::vector<journal::StoredEvent>& events, Game& game, ReplayClock& clock) {
  size_t seeds = 0;
  size_t spins = 0;
  for (const journal::StoredEvent& stored : events) {
    seeds += std::holds_alternative<ChoiceSeeded>(stored.event) ? 1 : 0;
    spins += std::holds_alternative<SpinAccepted>(stored.event) ? 1 : 0;
  }
  clock.Reserve(seeds);
  game.ExpectSpins(spins);
  for (const journal::StoredEvent& stored : events) {
    if (const auto* seeded = std::get_if<ChoiceSeeded>(&stored.event)) {
      clock.Record(seeded->seconds);
    }
  }
}

// One replay of the stored `events` through `game`: what the game has sent so far, and in
// exact mode where it first departed from them.
class SessionReplayer {
 public:
  SessionReplayer(const journal::StoredSession& session,
                  const std::vector<journal::StoredEvent>& events, Game& game,
                  VirtualScheduler& scheduler, const SessionReplayOptions& options)
      : session_(session),
        events_(events),
        game_(game),
        scheduler_(scheduler),
        options_(options),
        listener_(game.AddListener([this](const GameEvent& e) { Hear(e); })) {}
  SessionReplayer(const SessionReplayer&) = delete;
  SessionReplayer& operator=(const SessionReplayer&) = delete;
  ~SessionReplayer() { game_.RemoveListener(listener_); }

  void Run();

 private:
  // The listener only notes a departure: it must not act on the game (a throw would leave
  // an operation half done); Check reports it.
  void Hear(const GameEvent& e);
  void Check() const;
  // Lets ticks pass until the game has sent `count` events.
  void WaitFor(size_t count);
  // Whether stored event i, a report of the base unit, is reported again right after its
  // ledger reset.
  bool ReportedAgain(size_t i) const;
  // Whether the journal's event i is an undo or a switch of BET AUTOMATIC RESET made
  // before either said the bet held back again: no BetWithheld follows it where the game
  // now says one. Such a click is replayed as it was made (Game::UndoClickAsBefore).
  bool MadeBefore(size_t i) const;
  // The stored event to play for event i: i itself, or past seconds seeded outside an
  // analysis, the click they are the first steps of (events_.size() when none follows).
  size_t ActionAt(size_t i) const;
  // Plays stored event `action` if it records something the player did.
  void Play(size_t action, bool in_analysis, const std::optional<BetWithheld>& held);
  // Calls after_entry for the entry whose events are all sent.
  void CloseEntry();

  const journal::StoredSession& session_;
  const std::vector<journal::StoredEvent>& events_;
  Game& game_;
  VirtualScheduler& scheduler_;
  const SessionReplayOptions& options_;
  size_t sent_ = 0;  // events the game has sent during the replay
  bool recalculated_ = false;
  std::optional<int64_t> departed_;
  std::optional<GameEvent> open_entry_;
  const Game::ListenerId listener_;
};

void SessionReplayer::Hear(const GameEvent& e) {
  if (std::holds_alternative<Recalculated>(e)) recalculated_ = true;
  // Events past the journal's end are the rest of an analysis it was cut off in.
  if (options_.exact && !departed_ && sent_ < events_.size() && e != events_[sent_].event) {
    departed_ = events_[sent_].seq;
  }
  if (options_.journaled && (!options_.exact || sent_ < events_.size())) options_.journaled(e);
  ++sent_;
}

void SessionReplayer::Check() const {
  if (departed_) {
    throw ReplayDiverged(*departed_,
                         TrFormat("the replay of session {1} departs from the journal at event {2}",
                                  {std::to_string(session_.id), std::to_string(*departed_)}));
  }
}

void SessionReplayer::WaitFor(size_t count) {
  // A wait for the game to send an event: an hour of virtual time is far more than any
  // animation takes, and a stalled replay says so sooner than a day of ticks would.
  constexpr int64_t kWaitLimitMs = int64_t{3600} * 1000;
  const int64_t until = scheduler_.NowMs() + kWaitLimitMs;
  while (sent_ < count) {
    Check();
    if (!scheduler_.RunNextTicks(until)) {
      throw ReplayDiverged(
          events_[sent_].seq,
          TrFormat("the replay of session {1} stalls before event {2}",
                   {std::to_string(session_.id), std::to_string(events_[sent_].seq)}));
    }
  }
  Check();
}

bool SessionReplayer::ReportedAgain(size_t i) const {
  // The reset may put a bet held back to the limits again: what that says stands between
  // the reset and the second report.
  size_t next = i + 2;
  while (next < events_.size() && (std::holds_alternative<BetWithheld>(events_[next].event) ||
                                   std::holds_alternative<BetShown>(events_[next].event))) {
    ++next;
  }
  if (next >= events_.size()) return false;
  const auto* reset = std::get_if<LedgerReset>(&events_[i + 1].event);
  const auto* first = std::get_if<SettingChanged>(&events_[i].event);
  const auto* again = std::get_if<SettingChanged>(&events_[next].event);
  return reset != nullptr && reset->reason == ResetReason::kBaseUnitChange && first != nullptr &&
         again != nullptr && again->setting == Setting::kBaseUnit && again->value == first->value;
}

bool SessionReplayer::MadeBefore(size_t i) const {
  if (!options_.exact) return false;  // a what-if plays the game as it is now
  const GameEvent& e = events_[i].event;
  const auto* setting = std::get_if<SettingChanged>(&e);
  // The undo says it first thing after its own event; the switch last, after its reset and
  // the switch of GET MINIMAL PROFIT that may go with it.
  size_t said = events_.size();
  if (std::holds_alternative<SpinUndone>(e)) {
    said = i + 1;
  } else if (setting != nullptr && setting->setting == Setting::kAutomaticReset) {
    said = i + 2;
    const auto* next =
        said < events_.size() ? std::get_if<SettingChanged>(&events_[said].event) : nullptr;
    if (next != nullptr && next->setting == Setting::kMinimalProfit) ++said;
  }
  return said >= events_.size() || !std::holds_alternative<BetWithheld>(events_[said].event);
}

size_t SessionReplayer::ActionAt(size_t i) const {
  size_t action = i;
  if (options_.exact && std::holds_alternative<ChoiceSeeded>(events_[i].event) &&
      !game_.AnalysisRunning()) {
    while (action < events_.size() && std::holds_alternative<ChoiceSeeded>(events_[action].event)) {
      ++action;
    }
  }
  return action;
}

void SessionReplayer::CloseEntry() {
  if (open_entry_ && options_.after_entry) options_.after_entry(*open_entry_);
  open_entry_.reset();
}

void SessionReplayer::Play(size_t action, bool in_analysis,
                           const std::optional<BetWithheld>& held) {
  const GameEvent& e = events_[action].event;
  const bool after_limit = action > 0 && IsLimitChange(events_[action - 1].event) && held &&
                           LetThrough(*held, game_.Limits());
  if (!IsAction(e, game_, options_, in_analysis, after_limit)) return;
  if (!options_.exact) FinishAnalysis(game_, scheduler_);
  // An entry's row is what the next entry finds: what the player did in between is in it.
  if (IsEntry(e)) {
    FinishAnalysis(game_, scheduler_);
    CloseEntry();
    open_entry_ = e;
  }
  const size_t before = sent_;
  Act(e, game_, scheduler_, options_, ReportedAgain(action), MadeBefore(action), recalculated_);
  Check();
  if (options_.exact && sent_ == before) {
    throw ReplayDiverged(
        events_[action].seq,
        TrFormat("the replay of session {1} cannot do what event {2} records",
                 {std::to_string(session_.id), std::to_string(events_[action].seq)}));
  }
}

void SessionReplayer::Run() {
  // The session's game was configured while the journal listened: its first events are
  // those of this call (a matrix's seconds among them).
  Settings start = session_.settings;
  if (options_.system) {
    start.system = *options_.system;
    start.custom_system.clear();
  }
  if (!options_.custom_system.empty()) {
    start.custom_system = options_.custom_system;
  } else if (!start.custom_system.empty()) {
    SystemFromText(start.custom_system);  // the journal's copy, which may be damaged
  }
  game_.Configure(start);
  Check();
  bool in_analysis = false;         // whether the stored event i came while an analysis ran
  std::optional<BetWithheld> held;  // the stored bet held back last, until the next entry
  for (size_t i = 0; i < events_.size(); ++i) {
    const GameEvent& stored = events_[i].event;
    if (std::holds_alternative<AnalysisStarted>(stored)) in_analysis = true;
    if (std::holds_alternative<AnalysisEnded>(stored)) in_analysis = false;
    if (const auto* withheld = std::get_if<BetWithheld>(&stored)) held = *withheld;
    // A reset of the ledger puts its stake on the bet waiting.
    if (const auto* reset = std::get_if<LedgerReset>(&stored); reset && held) {
      held->stake = reset->stake;
    }
    if (IsEntry(stored)) held.reset();
    if (options_.exact) {
      if (sent_ > i) continue;  // the game already sent it, a consequence of an action
      // Let the analysis run until the game has sent everything before this event: a
      // change the player made during an analysis comes at the same point.
      WaitFor(i);
      if (sent_ > i) continue;
    }
    const size_t action = ActionAt(i);
    if (action == events_.size()) break;
    Play(action, in_analysis, held);
  }
  if (options_.exact) {
    // What the last action brought that is still to come (the end of its analysis); an
    // analysis whose end the journal never saw is left running.
    WaitFor(events_.size());
  } else {
    FinishAnalysis(game_, scheduler_);
  }
  CloseEntry();
}

}  // namespace

bool ReplaysExactly(const journal::StoredSession& session) {
  try {
    RunOptions run;
    run.display_timers = false;
    VirtualGame made(session.started_ms, run);
    ReplaySession(session, made.game(), made.scheduler(), made.draws());
    return true;
  } catch (const std::exception&) {  // ReplayDiverged, or a session the game refuses
    return false;
  }
}

bool IsLimitChange(const GameEvent& event) {
  const auto* change = std::get_if<SettingChanged>(&event);
  return change != nullptr && change->setting >= Setting::kBankroll;
}

bool LetThrough(const BetWithheld& held, const SessionLimits& limits) {
  return !BrokenLimit(limits, held.net, held.stake, held.losses_in_row);
}

void ReplaySession(const journal::StoredSession& session, Game& game, VirtualScheduler& scheduler,
                   ReplayClock& clock, const SessionReplayOptions& options) {
  const EventsToReplay to_replay(session.events);
  FeedTheClock(to_replay.get(), game, clock);
  SessionReplayer(session, to_replay.get(), game, scheduler, options).Run();
}

}  // namespace vellaro::replay
