#include "consistency/evening.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/window_game.h"
#include "env/virtual_scheduler.h"
#include "journal/journal_file.h"

namespace vellaro::consistency {

namespace {

constexpr int64_t kEveningStartMs = 1'765'000'000'000;

const char* const kActNames[] = {
    "kNumber",    "kUndo",        "kMode",        "kSystem",      "kBase",
    "kOnWins",    "kAddToBet",    "kSafeLevel",   "kTrend",       "kAutoReset",
    "kMinProfit", "kShowBet",     "kCatRows",     "kCreateMatrix", "kResetMatrix",
    "kReCalculate", "kResetBets", "kLimit",       "kContinue",    "kNewSession",
    "kJournalFails", "kJournalWrites", "kJournalFolder", "kWait"};

const char* const kTexts[] = {"1", "2", "3", "5", "10", "0", "", "abc", "1000", " 4"};

class Dice {
 public:
  explicit Dice(uint64_t seed) : rng_(seed) {}
  int operator()(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  std::mt19937_64 rng_;
};

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

Action RandomAction(Dice& pick, bool journal_late) {
  const int roll = pick(100);
  if (roll < 52) return {Act::kNumber, pick(kNumbers)};
  if (roll < 57) return {Act::kUndo};
  if (roll < 59) return {Act::kMode, pick(kGameModeItems)};
  if (roll < 62) return {Act::kSystem, pick(kBettingSystems)};
  if (roll < 64) return {Act::kBase, 0, 0, kTexts[pick(std::size(kTexts))]};
  if (roll < 65) return {Act::kOnWins, 0, 0, kTexts[pick(5)]};
  if (roll < 66) return {Act::kAddToBet, 0, 0, kTexts[pick(5)]};
  if (roll < 68) return {Act::kSafeLevel, pick(5)};
  if (roll < 71) return {Act::kTrend, pick(kChances)};
  if (roll < 72) return {Act::kAutoReset};
  if (roll < 73) return {Act::kMinProfit};
  if (roll < 74) return {Act::kShowBet};
  if (roll < 75) return {Act::kCatRows};
  if (roll < 76) return {Act::kCreateMatrix};
  if (roll < 77) return {Act::kResetMatrix};
  if (roll < 78) return {Act::kReCalculate};
  if (roll < 79) return {Act::kResetBets};
  if (roll < 86) {
    const int limit = pick(kLimits);
    return {Act::kLimit, limit, LimitValue(pick, static_cast<LimitKind>(limit))};
  }
  if (roll < 91) return {Act::kContinue};
  if (roll < 92) return {Act::kNewSession};
  if (roll < 93) return {Act::kJournalFails};
  if (roll < 95) return {Act::kJournalWrites};
  if (roll < 97 && journal_late) return {Act::kJournalFolder};
  return {Act::kWait, pick(5000)};
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
  explicit Recorder(app::WindowGame& play) : play_(play) { Listen(); }

  // The game is a fresh one after "New session": its listeners went with the old one.
  void Listen() {
    play_.game().AddListener([this](const GameEvent& event) { On(event); });
  }

  // Once the player's action has run to its end.
  void AfterAction() {
    if (!entry_) return;
    sim::Row row;
    row.entry.line = ++line_;
    row.entry.number = *entry_;
    row.result = settled_;
    sim::FillFromGame(play_.game(), row);
    truth_.rows.push_back(row);
    entry_.reset();
    settled_ = sim::Result::kNone;
  }

  SessionTruth Take() {
    const Game& g = play_.game();
    SessionTruth t = std::move(truth_);
    t.counts = play_.track().result().counts();
    t.game_counts = g.RealCounts();
    t.spins_in_history = g.SpinsInHistory();
    t.numbers = g.controls().NumbersList;
    t.points = play_.track().points();
    t.track = play_.track();
    t.settings = g.CurrentSettings();
    t.limits = g.Limits();
    t.withheld = g.WithheldBet();
    sim::FillFromGame(g, t.last);
    truth_ = SessionTruth();
    line_ = 0;
    return t;
  }

 private:
  void On(const GameEvent& event) {
    if (const auto* spin = std::get_if<SpinAccepted>(&event)) {
      entry_ = spin->number;
    } else if (std::holds_alternative<SpinUndone>(event)) {
      entry_ = sim::Entry::kUndo;
    } else if (const auto* settled = std::get_if<BetSettled>(&event)) {
      settled_ = settled->won ? sim::Result::kWin : sim::Result::kLoss;
    } else if (std::holds_alternative<BetShown>(event)) {
      // Read only: a listener never acts on the game.
      if (!play_.game().AnalysisRunning()) truth_.shown_after_its_spin = true;
    } else if (std::holds_alternative<SystemChanged>(event)) {
      truth_.system_changed = true;
    }
  }

  app::WindowGame& play_;
  SessionTruth truth_;
  std::optional<int> entry_;
  sim::Result settled_ = sim::Result::kNone;
  uint64_t line_ = 0;
};

void SetWrites(app::WindowGame& play, bool on) {
  journal::Journal* journal = play.journal();
  if (journal == nullptr || !journal->HasFile()) return;
  // As journal_faults_test does: every write now fails as on a read-only folder.
  journal->database().Exec(on ? "PRAGMA query_only = 0" : "PRAGMA query_only = 1");
}

void Perform(app::WindowGame& play, const Action& a, const std::string& blocker) {
  Game& g = play.game();
  switch (a.act) {
    case Act::kNumber:
      g.NumberClick(a.a);
      break;
    case Act::kUndo:
      g.UndoClick();
      break;
    case Act::kMode:
      g.SelectGameMode(a.a);
      break;
    case Act::kSystem:
      g.SelectBetStrategy(a.a);
      break;
    case Act::kBase:
      g.TypeInitBet(a.text);
      g.LeaveInitBet();
      break;
    case Act::kOnWins:
      g.TypeOnWins(a.text);
      break;
    case Act::kAddToBet:
      g.TypeAddToBet(a.text);
      break;
    case Act::kSafeLevel:
      g.MoveSafeLevel(a.a);
      break;
    case Act::kTrend:
      if (g.CurrentSettings().trends[static_cast<size_t>(a.a)]) {
        g.TrendActiveClick(a.a);
      } else {
        g.TrendIdleMouseMove(a.a);
        g.TrendSwitchOnClick(a.a);
      }
      break;
    case Act::kAutoReset:
      g.Bet_Automatic_ResetClick();
      break;
    case Act::kMinProfit:
      g.Get_Minimal_ProfitClick();
      break;
    case Act::kShowBet:
      g.ShowBetSizeClick();
      break;
    case Act::kCatRows:
      g.CatRowsClick();
      break;
    case Act::kCreateMatrix:
      g.CreateMatrixClick();
      break;
    case Act::kResetMatrix:
      g.ResetMatrixClick();
      break;
    case Act::kReCalculate:
      g.ReCalculate();
      break;
    case Act::kResetBets:
      g.ResetBetsClick();
      break;
    case Act::kLimit:
      g.SetLimit(static_cast<LimitKind>(a.a),
                 a.b < 0 ? std::nullopt : std::optional<int32_t>(a.b));
      break;
    case Act::kContinue:
      g.ContinueAnyway();
      break;
    case Act::kNewSession:
    case Act::kWait:
      break;
    case Act::kJournalFails:
      SetWrites(play, false);
      break;
    case Act::kJournalWrites:
      SetWrites(play, true);
      break;
    case Act::kJournalFolder: {
      std::error_code ignored;
      if (std::filesystem::is_regular_file(blocker, ignored)) std::filesystem::remove(blocker);
      break;
    }
  }
}

}  // namespace

std::string Describe(const Action& action) {
  std::ostringstream out;
  out << "{Act::" << (kActNames[static_cast<int>(action.act)] + 1) << ", " << action.a << ", "
      << action.b << ", \"" << action.text << "\"}";
  return out.str();
}

std::string Describe(const std::vector<Action>& actions) {
  std::string text;
  for (const Action& a : actions) text += "    " + Describe(a) + ",\n";
  return text;
}

Evening RandomEvening(uint64_t seed) {
  Dice pick(seed);
  Evening evening;
  evening.seed = seed;
  evening.journal_late = pick(10) == 0;
  const int count = 10 + pick(111);
  for (int i = 0; i < count; ++i) evening.actions.push_back(RandomAction(pick, evening.journal_late));
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
  app::WindowGame play(clock);
  play.timers().SwitchTo(time);
  play.KeepJournal(journal::PrepareJournal(played.journal_path, [&time] { return time.NowMs(); }));
  // Some windows start with the options of their settings file, limits among them.
  Dice pick(evening.seed ^ 0x5eed);
  if (pick(2) == 0 && play.SessionPending()) play.BeginSession(StartSettings(pick));
  Recorder recorder(play);

  auto idle = [&] {
    time.RunUntilTrue(
        [&] { return !play.game().AnalysisRunning() && !play.game().AnimationRunning(); },
        3'600'000);
  };
  for (const Action& a : evening.actions) {
    // As MainWindow::Handle passes an action on: a session waiting for its first event
    // starts with the options as they stand, and the action is journaled as a whole.
    if (play.SessionPending()) play.BeginSession(play.game().CurrentSettings());
    if (a.act == Act::kNewSession) {
      if (!play.game().AnalysisRunning()) {  // MainWindow::NewSession
        played.sessions.push_back(recorder.Take());
        {
          journal::Journal::Batch batch(*play.journal());
          play.NewSession();
        }
        recorder.Listen();
      }
    } else {
      std::optional<journal::Journal::Batch> batch;
      if (play.journal() != nullptr) batch.emplace(*play.journal());
      Perform(play, a, data);
      batch.reset();
      if (a.act == Act::kWait) time.AdvanceBy(a.a);
    }
    idle();
    recorder.AfterAction();
    time.AdvanceBy(300);  // the player's hand
  }
  idle();
  played.sessions.push_back(recorder.Take());
  SetWrites(play, true);
  if (play.journal() != nullptr && play.journal()->HasFile()) {
    play.journal()->Flush();
    played.journal_has_file = play.journal()->status().on;
  }
  return played;
}

}  // namespace vellaro::consistency
