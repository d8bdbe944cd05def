#include "consistency/evening.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "env/virtual_scheduler.h"
#include "export/save_dialog.h"
#include "host/window_game.h"
#include "journal/journal_file.h"
#include "support/game_peer.h"

namespace vellaro::consistency {

namespace {

using testing::Dice;
using testing::step::Host;
using testing::step::HostEvent;
using testing::step::Wait;

const char* const kTexts[] = {"1", "2", "3", "5", "10", "0", "", "abc", "1000", " 4"};

// A limit low enough to be met within a short evening, now and then switched off.
int LimitValue(Dice& pick, LimitKind limit) {
  if (pick(5) == 0) return -1;
  switch (limit) {
    case LimitKind::kBankroll:
      return 1 + pick(60);
    case LimitKind::kStopLoss:
    case LimitKind::kTakeProfit:
      return 1 + pick(30);
    case LimitKind::kTableMax:
      return 1 + pick(8);
    case LimitKind::kMaxLosses:
      return pick(6);
  }
  return -1;
}

// A limit set, or now and then switched off.
Step AnyLimit(Dice& pick) {
  const auto limit = static_cast<LimitKind>(pick(kLimits));
  const int value = LimitValue(pick, limit);
  return act::SetLimit{limit, value < 0 ? std::nullopt : std::optional<int32_t>(value)};
}

// Now and then a system the player wrote.
Step AnySystem(Dice& pick) {
  const int system = pick(kBettingSystems + 2);
  if (system >= kBettingSystems) return testing::step::WrittenSystem{system - kBettingSystems};
  return act::ChooseSystem{system};
}

// Mostly spins, with every other action of the window now and then; the journal's folder
// comes only to an evening that began without it, else that share restarts the window.
testing::Mix EveningMix(bool journal_late) {
  using testing::Always;
  return {
      {52, [](Dice& pick) -> Step { return act::EnterNumber{pick(kNumbers)}; }},
      Always(5, act::Undo{}),
      {2, [](Dice& pick) -> Step { return act::ChooseMode{pick(kGameModeItems)}; }},
      {3, AnySystem},
      {2,
       [](Dice& pick) -> Step { return testing::BaseStakeTyped(kTexts[pick(std::size(kTexts))]); }},
      {1, [](Dice& pick) -> Step { return act::TypeOnWins{kTexts[pick(5)]}; }},
      {1, [](Dice& pick) -> Step { return act::TypeAddToBet{kTexts[pick(5)]}; }},
      {2, [](Dice& pick) -> Step { return act::SetSafeLevel{pick(5)}; }},
      {3, [](Dice& pick) -> Step { return testing::step::ClickTrend{pick(kChances)}; }},
      Always(1, act::ToggleAutomaticReset{}),
      Always(1, act::ToggleMinimalProfit{}),
      Always(1, act::ToggleShowStake{}),
      Always(1, act::ToggleCategoryRows{}),
      Always(1, act::CreateMatrix{}),
      Always(1, act::ResetMatrix{}),
      Always(1, act::Recalculate{}),
      Always(1, act::ResetBets{}),
      {7, AnyLimit},
      Always(5, act::ContinueAnyway{}),
      Always(1, Host{HostEvent::kNewSession}),
      {1,
       [](Dice& pick) -> Step {
         return Host{pick(2) == 0 ? HostEvent::kJournalFails : HostEvent::kDiskFull};
       }},
      Always(2, Host{HostEvent::kJournalWrites}),
      Always(2, Host{journal_late ? HostEvent::kJournalFolder : HostEvent::kRestart}),
      Always(1, Host{HostEvent::kRestart}),
      {2, [](Dice& pick) -> Step { return Wait{pick(5000)}; }},
  };
}

// The settings a window may start an evening with (its settings file), limits included.
Settings StartSettings(Dice& pick) {
  Settings s;
  s.system = static_cast<BettingSystem>(pick(kBettingSystems));
  s.base = 1 + pick(3);
  s.safe_level = pick(4);
  s.auto_reset = pick(3) == 0;
  s.min_profit = s.auto_reset && pick(2) == 0;
  if (pick(2) == 0) s.trends[static_cast<size_t>(pick(kChances))] = true;
  s.mode = static_cast<Mode>(kFirstMode + pick(kLastMode - kFirstMode + 1));
  s.show_bet = pick(8) != 0;
  for (int limit = 0; limit < kLimits; ++limit) {
    if (pick(4) != 0) continue;
    const int value = LimitValue(pick, static_cast<LimitKind>(limit));
    if (value >= 0) s.limits[static_cast<LimitKind>(limit)] = value;
  }
  return s;
}

// Keeps what the window showed of the session being played.
class Recorder {
 public:
  Recorder(host::WindowGame& play, std::string folder) : play_(&play), folder_(std::move(folder)) {
    Listen();
  }

  // The game is a fresh one after "New session" or a restart: its listeners went with the
  // old one.
  void Listen() {
    play_->game().AddListener([this](const GameEvent& event) { On(event); });
  }
  void Restarted(host::WindowGame& play) {
    play_ = &play;
    Listen();
  }

  // Before each action of the player: what the window shows then is the row of the last
  // entry if this action turns out to be the next one.
  void BeforeAction(const Step& act) {
    spin_or_undo_ =
        std::holds_alternative<act::EnterNumber>(act) || std::holds_alternative<act::Undo>(act);
    limit_ = std::holds_alternative<act::SetLimit>(act);
    replay::FillFromGame(play_->game(), before_);
    before_.withheld = play_->game().WithheldBet();
  }

  // What the window shows now, of the session being played.
  SessionTruth Now() {
    const Game& g = play_->game();
    SessionTruth t;
    t.counts = play_->track().result().counts();
    t.game_counts = g.RealCounts();
    t.spins_in_history = g.SpinsInHistory();
    t.numbers = GamePeer::Controls(g).NumbersList;
    t.points = play_->track().points();
    t.track = play_->track();
    t.settings = g.CurrentSettings();
    t.limits = g.Limits();
    t.withheld = g.WithheldBet();
    t.risk = RiskInputsOf(g);
    t.next = NextBetOf(g);
    const ComboBox& box = GamePeer::Controls(g).BetStrategy;
    if (box.index >= 0 && static_cast<size_t>(box.index) < box.items.size()) {
      t.system_box = box.items[static_cast<size_t>(box.index)];
    }
    replay::FillFromGame(g, t.last);
    t.saved_log = SaveLog();
    return t;
  }

  // The session ends, in state `t`.
  SessionTruth Close(SessionTruth t) {
    replay::Row end = t.last;
    end.withheld = t.withheld;
    CloseRow(end);
    t.rows = std::move(truth_.rows);
    t.system_changed = truth_.system_changed;
    t.lost_by_restart = std::move(truth_.lost_by_restart);
    truth_ = SessionTruth();
    line_ = 0;
    return t;
  }
  SessionTruth Take() { return Close(Now()); }

  void LostByRestart(const std::string& what) { truth_.lost_by_restart.push_back(what); }

 private:
  // The game log as "Save" writes it.
  std::string SaveLog() {
    class Answer final : public SaveDialog {
     public:
      explicit Answer(std::string name) : name_(std::move(name)) {}
      bool Execute(SaveDialogSettings& settings) override {
        settings.FileName = name_;
        return true;
      }

     private:
      std::string name_;
    } answer(folder_ + "/saved.txt");
    play_->game().SaveLog(answer);
    std::ifstream in(folder_ + "/saved.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 public:
 private:
  // The row of the entry before, as the window shows the game `now`.
  void CloseRow(const replay::Row& now) {
    if (!open_) return;
    replay::Row row = now;
    row.entry = open_->entry;
    row.result = open_->result;
    if (!row.withheld && held_) {
      // Neither on show nor held back any more: "RM" took it off with the matrix.
      row.withheld = held_;
      row.held_back = outcome_ == replay::HeldBack::kLeft ? replay::HeldBack::kDiscarded : outcome_;
    }
    truth_.rows.push_back(row);
    open_.reset();
  }

  void On(const GameEvent& event) {
    const auto* spin = std::get_if<SpinAccepted>(&event);
    const bool redo = std::holds_alternative<SpinRedone>(event);
    if (spin != nullptr || redo || std::holds_alternative<SpinUndone>(event)) {
      CloseRow(before_);
      open_.emplace();
      open_->entry.line = ++line_;
      open_->entry.number = spin != nullptr ? spin->number
                            : redo          ? replay::Entry::kRedo
                                            : replay::Entry::kUndo;
      held_.reset();
      outcome_ = replay::HeldBack::kLeft;
    } else if (const auto* settled = std::get_if<BetSettled>(&event)) {
      if (open_) open_->result = settled->won ? replay::Result::kWin : replay::Result::kLoss;
    } else if (const auto* withheld = std::get_if<BetWithheld>(&event)) {
      held_ = *withheld;
      outcome_ = replay::HeldBack::kLeft;
    } else if (std::holds_alternative<BetShown>(event)) {
      // Outside a spin, a bet goes on show only from the one held back: by "Continue
      // anyway", or by a change of limit that lets it through.
      if (!spin_or_undo_ && held_ && outcome_ == replay::HeldBack::kLeft) {
        outcome_ = limit_ ? replay::HeldBack::kLetThrough : replay::HeldBack::kPlayedAnyway;
      }
    } else if (std::holds_alternative<SystemChanged>(event)) {
      truth_.system_changed = true;
    }
  }

  host::WindowGame* play_;
  std::string folder_;
  SessionTruth truth_;
  bool spin_or_undo_ = false;        // the action now played enters a spin or takes one back
  bool limit_ = false;               // it sets a limit
  replay::Row before_;               // the game before the action now played
  std::optional<replay::Row> open_;  // the entry whose row waits for the next one
  std::optional<BetWithheld> held_;  // the last bet held back since that entry
  replay::HeldBack outcome_ = replay::HeldBack::kLeft;
  uint64_t line_ = 0;
};

void SetWrites(host::WindowGame& play, bool on) {
  journal::Journal* journal = play.journal();
  if (journal == nullptr || !journal->HasFile()) return;
  // As journal_faults_test does: every write now fails as on a read-only folder.
  journal->database().Exec(on ? "PRAGMA query_only = 0" : "PRAGMA query_only = 1");
  if (on) journal->database().Exec("PRAGMA max_page_count = 1000000");
}

// As journal_faults_test does: the file may not grow past its present size, so a write
// fails part way, when it needs a new page.
void FillTheDisk(host::WindowGame& play) {
  journal::Journal* journal = play.journal();
  if (journal == nullptr || !journal->HasFile()) return;
  journal::Database& db = journal->database();
  db.Exec("PRAGMA wal_checkpoint(TRUNCATE)");
  db.Exec("PRAGMA max_page_count = " + std::to_string(db.QueryInt("PRAGMA page_count")));
}

// What a restart must keep of what the window shows.
void CompareResumed(const SessionTruth& before, const SessionTruth& after, Recorder& recorder) {
  auto expect = [&](bool same, const char* what) {
    if (!same) recorder.LostByRestart(what);
  };
  expect(before.counts == after.counts, "the readout");
  expect(before.game_counts == after.game_counts, "the game's count for its limits");
  expect(before.numbers == after.numbers, "the game log");
  expect(before.settings == after.settings, "the options");
  expect(before.withheld == after.withheld, "the bet held back");
  expect(before.last.spin_count == after.last.spin_count && before.last.shown == after.last.shown &&
             before.last.stake == after.last.stake && before.last.balance == after.last.balance &&
             before.last.target == after.last.target &&
             before.last.bet_chance == after.last.bet_chance &&
             before.last.loss_streak == after.last.loss_streak,
         "the ledger");
  bool same_track = before.points.size() == after.points.size();
  for (size_t i = 0; same_track && i < before.points.size(); ++i) {
    same_track = before.points[i].net == after.points[i].net &&
                 before.points[i].number == after.points[i].number &&
                 before.points[i].bet_stake == after.points[i].bet_stake;
  }
  expect(same_track, "the panel's track");
}

// The journal's file made to fail, to fill the disk, or mended.
void TroubleTheJournal(host::WindowGame& play, HostEvent event, const std::string& blocker) {
  switch (event) {
    case HostEvent::kJournalFails:
      SetWrites(play, false);
      break;
    case HostEvent::kDiskFull:
      FillTheDisk(play);
      break;
    case HostEvent::kJournalWrites:
      SetWrites(play, true);
      break;
    case HostEvent::kJournalFolder: {
      std::error_code ignored;
      if (std::filesystem::is_regular_file(blocker, ignored)) std::filesystem::remove(blocker);
      break;
    }
    default:
      break;
  }
}

// An action passed on to the game, journaled as a whole.
void PerformAsOneAction(host::WindowGame& play, VirtualScheduler& time, const Step& a,
                        Recorder& recorder, const std::string& blocker) {
  auto act = [&] {
    recorder.BeforeAction(a);
    if (const auto* host = std::get_if<Host>(&a)) {
      TroubleTheJournal(play, host->event, blocker);
    } else {
      testing::Apply(a, play.game(), time);
    }
  };
  if (play.journal() == nullptr) return act();
  const journal::Journal::Batch batch(*play.journal());
  act();
}

// MainWindow::NewSession: the session so far taken, and the next begun as one action.
void NewSession(host::WindowGame& play, Recorder& recorder, Played& played) {
  played.sessions.push_back(recorder.Take());
  std::optional<journal::Journal::Batch> batch;
  if (play.journal() != nullptr) batch.emplace(*play.journal());
  play.NewSession();
  batch.reset();
  recorder.Listen();
}

// Only what the journal holds comes back from a restart: one while it cannot write loses
// the rest, as the window says.
bool JournalHoldsAll(host::WindowGame& play) {
  const journal::Journal* journal = play.journal();
  return journal != nullptr && journal->HasFile() && journal->status().on &&
         journal->waiting() == 0;
}

// The window started again: its resumed session compared with the one `before` the
// restart, or that one closed when it did not resume.
void TakeRestarted(host::WindowGame& window, SessionTruth before, Recorder& recorder,
                   Played& played) {
  if (window.Resumed()) {
    recorder.Restarted(window);
    CompareResumed(before, recorder.Now(), recorder);
  } else {
    // The session stays in the journal as it was; the next action begins another.
    before.not_resumed = true;
    played.sessions.push_back(recorder.Close(std::move(before)));
    recorder.Restarted(window);
  }
}

// The window closed and started again, once its journal holds all.
template <typename Start>
void Restart(std::unique_ptr<host::WindowGame>& window, const Start& start, Recorder& recorder,
             Played& played) {
  SessionTruth before = recorder.Now();
  ++played.restarts;
  window.reset();
  window = start();
  TakeRestarted(*window, std::move(before), recorder, played);
}

// A window started again that did not resume its session begins the next at the player's
// first action: without one, there is none. The journal then writes what it still holds.
void EndEvening(host::WindowGame& play, Recorder& recorder, Played& played) {
  if (!play.SessionPending()) played.sessions.push_back(recorder.Take());
  SetWrites(play, true);
  if (play.journal() != nullptr && play.journal()->HasFile()) {
    play.journal()->Flush();
    played.journal_has_file = play.journal()->status().on;
  }
}

}  // namespace

Evening RandomEvening(uint64_t seed) {
  Dice pick(seed);
  Evening evening;
  evening.seed = seed;
  evening.journal_late = pick(10) == 0;
  const int count = 10 + pick(111);
  const testing::Mix mix = EveningMix(evening.journal_late);
  for (int i = 0; i < count; ++i) {
    evening.actions.push_back(testing::RandomStep(pick, mix));
    // A player who undoes often thinks better of it at once.
    if (std::holds_alternative<act::Undo>(evening.actions.back()) && pick(3) == 0) {
      evening.actions.emplace_back(act::Redo{});
    }
  }
  return evening;
}

Played Play(const Evening& evening, const std::string& folder) {
  Played played;
  const std::string data = folder + "/data";
  played.journal_path = data + "/journal.sqlite";
  std::filesystem::remove_all(data);
  // A file where the journal's folder should be: the folder cannot be made.
  if (evening.journal_late) std::ofstream(data) << "not a folder";

  VirtualScheduler time(kEveningStartMs);
  VirtualClock clock(time);
  auto start = [&] {
    // As main() does: the journal is kept (and its session resumed) before the window
    // takes the game over and runs its timers.
    auto window = std::make_unique<host::WindowGame>(clock);
    window->KeepJournal(journal::PrepareJournal(played.journal_path, replay::ReplaysExactly,
                                                [&time] { return time.NowMs(); }));
    window->timers().SwitchTo(time);
    return window;
  };
  std::unique_ptr<host::WindowGame> window = start();
  // Some windows start with the options of their settings file, limits among them.
  Dice pick(evening.seed ^ 0x5eed);
  if (pick(2) == 0 && window->SessionPending()) window->BeginSession(StartSettings(pick));
  Recorder recorder(*window, folder);

  auto idle = [&] {
    time.RunUntilTrue(
        [&] { return !window->game().AnalysisRunning() && !window->game().AnimationRunning(); },
        3'600'000);
  };
  for (const Step& a : evening.actions) {
    host::WindowGame& play = *window;
    // As MainWindow::Handle passes an action on: a session waiting for its first event
    // starts with the options as they stand, and the action is journaled as a whole.
    if (play.SessionPending()) play.BeginSession(play.game().CurrentSettings());
    const auto* host = std::get_if<Host>(&a);
    if (host != nullptr && host->event == HostEvent::kNewSession) {
      if (!play.game().AnalysisRunning()) NewSession(play, recorder, played);
    } else if (host != nullptr && host->event == HostEvent::kRestart) {
      if (JournalHoldsAll(play)) Restart(window, start, recorder, played);
    } else if (const auto* wait = std::get_if<Wait>(&a)) {
      // A pause is none of the window's actions: the timers tick outside any batch.
      recorder.BeforeAction(a);
      time.AdvanceBy(wait->ms);
    } else {
      PerformAsOneAction(play, time, a, recorder, data);
    }
    idle();
    if (const journal::Journal* journal = window->journal();
        journal != nullptr && journal->HasFile() && !journal->status().on) {
      ++played.failed_writes;
    }
    time.AdvanceBy(300);  // the player's hand
  }
  idle();
  EndEvening(*window, recorder, played);
  return played;
}

}  // namespace vellaro::consistency
