// The window and its journal: a session resumed exactly after the window was closed or
// killed, a new session, and what the window says when the journal is damaged or off.

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>

#include "app/end_evening.h"
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/session_readout.h"
#include "app/settings_store.h"
#include "env/virtual_scheduler.h"
#include "journal/journal_file.h"
#include "journal/schema.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "support/game_peer.h"
#include "support/temp_folder.h"
#include "window_driver.h"

namespace act = vellaro::act;
using vellaro::app::Guard;
using vellaro::app::MainWindow;
using vellaro::app::testing::BoxAnswer;
using vellaro::app::testing::Named;
using vellaro::app::testing::PointAndClick;
using vellaro::app::testing::ReadoutOf;
namespace journal = vellaro::journal;
namespace replay = vellaro::replay;

namespace {

// What the player sees of a game, and what decides what comes next.
struct Look {
  std::vector<std::string> strip;
  std::vector<std::string> stakes;
  std::vector<bool> chips;
  std::vector<std::string> log;
  // What the display timers write: the status line, the ledger's figures, the lamps.
  std::string status, balance_caption;
  bool lamp_waiting, lamp_armed;
  int32_t spin_count, bet_chance, stake, balance, win_streak, loss_streak, mode, matrix_step;
  bool undo_offered, analysing;
  int64_t spins, track_points;
  vellaro::Settings settings;
  friend bool operator==(const Look&, const Look&) = default;
};

Look LookAt(MainWindow& window) {
  const vellaro::Game& g = window.game();
  Look look{};
  const vellaro::Window& c = vellaro::GamePeer::Controls(g);
  for (const vellaro::Label& slot : c.HisNum) look.strip.push_back(slot.caption);
  for (const vellaro::Label& stake : c.BetSizeShow) look.stakes.push_back(stake.caption);
  for (const auto& chip : c.Chip) look.chips.push_back(chip.visible);
  look.log = c.NumbersList;
  look.status = c.ProcessText.caption;
  look.balance_caption = c.Label30.caption;
  look.lamp_waiting = c.SL_Indicator1.visible;
  look.lamp_armed = c.SL_Indicator2.visible;
  const vellaro::GameState& s = vellaro::GamePeer::State(g);
  look.spin_count = s.SpinCount;
  look.bet_chance = s.BetChance;
  look.stake = s.Stake;
  look.balance = s.Balance;
  look.win_streak = s.WinStreak;
  look.loss_streak = s.LossStreak;
  look.mode = s.ModeId;
  look.matrix_step = s.MatrixStep;
  look.undo_offered = g.UndoOffered();
  look.analysing = g.AnalysisRunning();
  look.spins = g.SpinsInHistory();
  look.track_points = static_cast<int64_t>(window.session_track().points().size());
  look.settings = g.CurrentSettings();
  return look;
}

using Play = std::unique_ptr<vellaro::host::WindowGame>;

// A window's game that has kept the journal, and resumed its last session if it was open.
Play Kept(journal::JournalAtStart start) {
  auto play = std::make_unique<vellaro::host::WindowGame>();
  play->KeepJournal(std::move(start));
  return play;
}

// Shows the journal's game in `window`, kept on the test's thread.
void KeepJournal(MainWindow& window, journal::JournalAtStart start) {
  window.Adopt(Kept(std::move(start)));
}

enum class Resume { kOnThisThread, kAhead };

// A window on a journal, its timers in virtual time. Ahead, the journal is kept (and its
// last session resumed) on another thread while the window is built, as the program does.
struct Evening {
  Evening(Guard& guard, const std::string& path, Resume resume = Resume::kOnThisThread)
      : ahead(resume == Resume::kAhead ? ResumeAhead(path) : std::future<Play>()), window(guard) {
    window.Adopt(ahead.valid() ? ahead.get()
                               : Kept(journal::PrepareJournal(path, replay::ReplaysExactly)));
    window.timers().SwitchTo(time);
    window.Sync();
  }

  static std::future<Play> ResumeAhead(const std::string& path) {
    return std::async(std::launch::async, [path] {
      return Kept(journal::PrepareJournal(path, replay::ReplaysExactly));
    });
  }

  void Act(const std::function<void(vellaro::Game&)>& action) {
    window.Handle([&] { action(window.game()); });
  }
  void Spin(int n) {
    Act([n](vellaro::Game& g) { g.Apply(act::EnterNumber{n}); });
    QVERIFY(time.RunUntilTrue([&] { return !window.game().AnalysisRunning(); }, 60'000));
    window.Sync();
  }

  vellaro::VirtualScheduler time{1'000'000};  // outlives the window and its timers
  std::future<Play> ahead;
  MainWindow window;
};

// Copies the journal as a killed window leaves it: what was committed, nothing more.
void CopyAsKilled(const std::string& from, const std::string& to) {
  for (const char* suffix : {"", "-wal"}) {
    std::filesystem::copy_file(from + suffix, to + suffix);
  }
}

// The stored session replays, event by event, through a fresh game: nothing in it is
// missing or twice.
void ExpectReplaysExactly(const std::string& path, int64_t id, int64_t spins) {
  journal::Database reader = journal::OpenForReading(path);
  const journal::StoredSession session = journal::LoadSession(reader, id);
  vellaro::VirtualScheduler scheduler(0);
  vellaro::VirtualClock time(scheduler);
  replay::ReplayClock clock(time);
  vellaro::Game game(vellaro::Env{clock, scheduler});
  try {
    replay::ReplaySession(session, game, scheduler, clock);
  } catch (const replay::ReplayDiverged& e) {
    QFAIL(e.what());
  }
  QCOMPARE(game.SpinsInHistory(), spins);
}

// "Spins 53  Net +4" as the readout shows it: the figures the question must name.
std::pair<QString, QString> ReadoutFigures(MainWindow& window) {
  static const QRegularExpression figures(QStringLiteral("Spins (\\d+)\\s+Net ([-+]?\\d+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = figures.match(window.session_readout()->text());
  if (!match.hasMatch()) return {};
  return {match.captured(1), match.captured(2)};
}

}  // namespace

class JournalWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<vellaro::testing::TempFolder> folder_;
  std::string path_;
  Guard guard_;
  QStringList errors_;

 private slots:
  void initTestCase() {
    vellaro::app::InstallFontSubstitutions();
    guard_.SetErrorBox([this](const QString& message) { errors_ << message; });
  }
  void init() {
    folder_ = std::make_unique<vellaro::testing::TempFolder>();
    path_ = folder_->File("vellaro/journal.sqlite");
    errors_.clear();
  }
  void cleanup() { QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join(u'\n'))); }

  void aClosedWindowResumesItsSessionExactlyAndJournalsOnWithoutAGap() {
    Look before;
    int64_t id = 0;
    {
      Evening first(guard_, path_);
      first.Act([](vellaro::Game& g) { g.Apply(act::ChooseSystem{vellaro::kHavrel}); });
      for (int n : {17, 25, 0, 3, 8, 11, 1, 2}) first.Spin(n);
      first.Act([](vellaro::Game& g) { g.Apply(act::ChooseMode{1}); });  // SMART: seeded draws
      first.Act([](vellaro::Game& g) { g.Apply(act::SetSafeLevel{1}); });
      for (int n : {4, 36, 5, 19, 22, 7}) first.Spin(n);
      first.Act([](vellaro::Game& g) { g.Apply(act::Undo{}); });
      first.Spin(30);
      first.Act(
          [](vellaro::Game& g) { g.Apply(act::CreateMatrix{}); });  // learns from what follows
      for (int n : {12, 33, 26}) first.Spin(n);
      first.time.AdvanceBy(100);  // the display timers catch up with the end of the analysis
      before = LookAt(first.window);
      QVERIFY(!first.window.Resumed());
      id = *first.window.journal()->session();
    }  // closed: the session goes on
    {
      Evening second(guard_, path_);
      QVERIFY(second.window.Resumed());
      QCOMPARE(*second.window.journal()->session(), id);
      QVERIFY(LookAt(second.window) == before);
      QCOMPARE(second.window.JournalNotice(), QString());
      // The resumed game goes on, and so does its journal.
      for (int n : {9, 14}) second.Spin(n);
      second.Act([](vellaro::Game& g) { g.Apply(act::ChooseSystem{vellaro::kParlay}); });
      second.Spin(21);
      second.time.AdvanceBy(100);
      before = LookAt(second.window);
    }
    ExpectReplaysExactly(path_, id, 20);
    // Resumed before the window exists, the game is the same, and its timers run on.
    Evening third(guard_, path_, Resume::kAhead);
    QVERIFY(third.window.Resumed());
    QVERIFY(LookAt(third.window) == before);
    third.Spin(6);
    ExpectReplaysExactly(path_, id, 21);
  }

  void aWindowKilledInAnAnalysisResumesWithTheSpinEnteredAndTheAnalysisDone() {
    const std::string killed = folder_->File("killed.sqlite");
    Evening first(guard_, path_);
    for (int n : {17, 25, 0, 3, 8}) first.Spin(n);
    first.Act([](vellaro::Game& g) { g.Apply(act::EnterNumber{11}); });
    QVERIFY(first.window.game().AnalysisRunning());
    CopyAsKilled(path_, killed);
    const int64_t id = *first.window.journal()->session();

    Evening second(guard_, killed, Resume::kAhead);
    QVERIFY(second.window.Resumed());
    QCOMPARE(second.window.game().SpinsInHistory(), int64_t{6});
    QVERIFY(!second.window.game().AnalysisRunning());
    QCOMPARE(vellaro::GamePeer::Controls(second.window.game()).HisNum[0].caption,
             std::string("11"));
    // The analysis it finished is journaled: the session replays to its end.
    second.Spin(2);
    ExpectReplaysExactly(killed, id, 7);
  }

  void theSettingsFileAppliesToANewSessionButNotToAResumedOne() {
    const QString settings_path = QString::fromStdString(folder_->File("vellaro.conf"));
    vellaro::app::StoredSettings stored;
    stored.game.system = vellaro::kParlay;
    stored.game.base = 3;
    vellaro::app::SettingsStore(settings_path).Save(stored);
    int64_t id = 0;
    {
      MainWindow window(guard_);
      KeepJournal(window, journal::PrepareJournal(path_, replay::ReplaysExactly));
      window.KeepSettings(vellaro::app::SettingsStore(settings_path));
      QCOMPARE(window.game().CurrentSettings().system, vellaro::kParlay);
      id = *window.journal()->session();
      window.Handle([&] { window.game().Apply(act::ChooseSystem{vellaro::kHavrel}); });
    }
    {
      journal::Database reader = journal::OpenForReading(path_);
      const journal::StoredSession session = journal::LoadSession(reader, id);
      QCOMPARE(session.settings.system, vellaro::kParlay);
      QCOMPARE(session.settings.base, 3);
    }
    vellaro::app::SettingsStore(settings_path).Save(stored);  // the file says Parlay again
    MainWindow window(guard_);
    KeepJournal(window, journal::PrepareJournal(path_, replay::ReplaysExactly));
    window.KeepSettings(vellaro::app::SettingsStore(settings_path));
    QVERIFY(window.Resumed());
    QCOMPARE(window.game().CurrentSettings().system, vellaro::kHavrel);
    QCOMPARE(window.game().CurrentSettings().base, 3);
  }

  void newSessionEndsTheSessionAndStartsAFreshGameWithTheSameSettings() {
    Evening evening(guard_, path_);
    evening.Act([](vellaro::Game& g) {
      g.Apply(act::ToggleOptions{});
      g.Apply(act::ChooseSystem{vellaro::kQuorvel});
      g.Apply(act::TypeBaseStake{"5"});
      g.Apply(act::LeaveBaseStake{});
      g.Apply(act::SetSafeLevel{2});
      g.Apply(act::SwitchTrendOn{vellaro::kRed});
    });
    evening.window.Sync();
    for (int n : {17, 25, 0, 3, 8, 11, 1}) evening.Spin(n);
    // The player saved the log: the next save offers the same file, in the new session too.
    QTemporaryDir logs;
    vellaro::app::testing::ChosenFile choose;
    choose.name = logs.filePath(QStringLiteral("evening.txt")).toStdString();
    evening.Act([&choose](vellaro::Game& g) { g.SaveLog(choose); });
    const vellaro::Settings settings = evening.window.game().CurrentSettings();
    const int64_t old_id = *evening.window.journal()->session();
    QVERIFY(!Named(evening.window, "NewSession")->toolTip().isEmpty());
    evening.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&evening.window));

    // Not in the middle of an analysis, which belongs to the last spin.
    evening.Act([](vellaro::Game& g) { g.Apply(act::EnterNumber{2}); });
    {
      BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, true);
      PointAndClick(evening.window, "NewSession");
      QCOMPARE(answer.asked, QString());
    }
    QCOMPARE(*evening.window.journal()->session(), old_id);
    QVERIFY(evening.time.RunUntilTrue([&] { return !evening.window.game().AnalysisRunning(); },
                                      60'000));
    evening.window.Sync();
    {
      BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, true);
      PointAndClick(evening.window, "NewSession");
      QVERIFY(!answer.asked.isEmpty());
    }

    // As a window just opened shows a game given these settings.
    MainWindow blank(guard_);
    blank.Handle([&] { blank.game().Configure(settings); });
    const Look fresh = LookAt(evening.window);
    QVERIFY(fresh == LookAt(blank));
    QVERIFY(fresh.settings == settings);
    QCOMPARE(fresh.stake, 5);
    QCOMPARE(fresh.spins, int64_t{0});
    QCOMPARE(evening.window.height(), 448);  // the options area stays open
    QCOMPARE(evening.window.game().SaveDialogChoice().FileName, choose.name);

    const int64_t new_id = *evening.window.journal()->session();
    QVERIFY(new_id != old_id);
    evening.Spin(4);
    journal::Database reader = journal::OpenForReading(path_);
    QVERIFY(journal::LoadSession(reader, old_id).ended_ms.has_value());
    const journal::StoredSession fresh_session = journal::LoadSession(reader, new_id);
    QVERIFY(!fresh_session.ended_ms);
    QVERIFY(fresh_session.settings == settings);
    ExpectReplaysExactly(path_, old_id, 8);
    ExpectReplaysExactly(path_, new_id, 1);
  }

  void aDamagedJournalIsMovedAsideAndSaidSoOnce() {
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
    std::ofstream(path_, std::ios::binary) << std::string(4096, 'x');
    {
      Evening evening(guard_, path_);
      QCOMPARE(evening.window.JournalNotice(),
               QStringLiteral("Journal damaged: moved aside, a new one started; no session "
                              "was found in it"));
      QCOMPARE(ReadoutOf(evening.window).result(), evening.window.JournalNotice());
      int aside = 0;
      for (const auto& file :
           std::filesystem::directory_iterator(std::filesystem::path(path_).parent_path())) {
        if (file.path().filename().string().starts_with("journal.sqlite.corrupt-")) {
          ++aside;
          QCOMPARE(std::filesystem::file_size(file.path()), std::uintmax_t{4096});
        }
      }
      QCOMPARE(aside, 1);
      evening.Spin(7);
      QCOMPARE(ReadoutOf(evening.window).result(), QString());  // seen
      QVERIFY(!evening.window.Resumed());
    }
    Evening again(guard_, path_);
    QVERIFY(again.window.Resumed());
    QCOMPARE(again.window.JournalNotice(), QString());
  }

  void aJournalThatStopsWritingIsOffUntilAWriteSucceedsAndLosesNothing() {
    Evening evening(guard_, path_);
    evening.Spin(17);
    journal::Database& db = evening.window.journal()->database();
    db.Exec("PRAGMA query_only = 1");  // every write fails now, as on a read-only folder
    for (int n : {25, 0, 3}) evening.Spin(n);
    QCOMPARE(evening.window.JournalNotice(),
             QStringLiteral("Journal off: its folder cannot be written; retrying"));
    QCOMPARE(evening.window.game().SpinsInHistory(), int64_t{4});  // the window plays on
    db.Exec("PRAGMA query_only = 0");
    evening.Spin(8);
    QCOMPARE(evening.window.JournalNotice(), QString());
    ExpectReplaysExactly(path_, *evening.window.journal()->session(), 5);
  }

  // Another program's database, or a later Vellaro's journal, at the journal's path: the
  // window says which, rather than that the file cannot be opened, and plays on without it.
  void aFileThatIsNotOursIsNamedForWhatItIs() {
    const std::vector<std::pair<std::string, QString>> files = {
        {"CREATE TABLE contacts(n);",
         QStringLiteral("Journal off: the file is not a Vellaro journal (it holds another "
                        "program's data); retrying")},
        {"CREATE TABLE future(x); PRAGMA user_version = 9; PRAGMA application_id = " +
             std::to_string(journal::kApplicationId),
         QStringLiteral("Journal off: the journal was written by a later version of Vellaro "
                        "(schema 9); retrying")},
    };
    for (const auto& [sql, notice] : files) {
      std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
      journal::Database(path_, journal::Database::Access::kReadWriteCreate).Exec(sql);
      Evening evening(guard_, path_);
      QCOMPARE(evening.window.JournalNotice(), notice);
      evening.Spin(7);
      QCOMPARE(evening.window.JournalNotice(), notice);
      QCOMPARE(evening.window.game().SpinsInHistory(), int64_t{1});
      std::filesystem::remove(path_);
    }
  }

  void aSessionThatCannotBeContinuedLeavesAFreshGameAndSaysSo() {
    {
      Evening first(guard_, path_);
      for (int n : {17, 25, 0}) first.Spin(n);
    }
    journal::JournalAtStart start = journal::PrepareJournal(path_, replay::ReplaysExactly);
    QVERIFY(start.to_resume.has_value());
    // The session was read back, but its events are gone before it is continued.
    start.opened.journal->database().Exec("DROP TABLE event_blocks");
    vellaro::VirtualScheduler time(1'000'000);  // outlives the window and its timers
    MainWindow window(guard_);
    KeepJournal(window, std::move(start));
    window.timers().SwitchTo(time);
    QVERIFY(!window.Resumed());
    QCOMPARE(window.game().SpinsInHistory(), int64_t{0});
    QCOMPARE(window.JournalNotice(), QStringLiteral("Last session not resumed: a new one started"));
    // The window plays on, in real time again (here the test's).
    window.Handle([&] { window.game().Apply(act::EnterNumber{5}); });
    QVERIFY(time.RunUntilTrue([&] { return !window.game().AnalysisRunning(); }, 60'000));
    QCOMPARE(window.game().SpinsInHistory(), int64_t{1});
  }

  void aJournalOpenedOnlyAtALaterSpinHoldsTheWholeEvening() {
    // A file where the journal's folder should be: the folder cannot be made.
    const std::string blocker = folder_->File("vellaro");
    std::ofstream(blocker).flush();
    Look before;
    int64_t id = 0;
    {
      Evening evening(guard_, path_);
      QCOMPARE(evening.window.JournalNotice(),
               QStringLiteral("Journal off: its folder cannot be made; retrying"));
      evening.Act([](vellaro::Game& g) { g.Apply(act::ChooseSystem{vellaro::kHavrel}); });
      for (int n : {17, 25, 0}) evening.Spin(n);
      evening.Act([](vellaro::Game& g) { g.Apply(act::ChooseMode{1}); });  // SMART: seeded draws
      evening.Spin(3);
      QVERIFY(!evening.window.journal()->HasFile());
      QVERIFY(!std::filesystem::exists(path_));

      std::filesystem::remove(blocker);
      for (int n : {8, 11}) evening.Spin(n);
      QVERIFY(evening.window.journal()->HasFile());
      QCOMPARE(evening.window.JournalNotice(), QString());
      evening.time.AdvanceBy(100);
      before = LookAt(evening.window);
      id = *evening.window.journal()->session();
    }
    ExpectReplaysExactly(path_, id, 6);
    Evening resumed(guard_, path_);
    QVERIFY(resumed.window.Resumed());
    QVERIFY(LookAt(resumed.window) == before);
  }

  // Only the window that holds the data folder's lock writes the journal. One whose lock
  // is another window's, or cannot be taken at all (an unreadable file, a link, a socket in
  // its place), keeps its journal off and says why, from the start, until the lock is its.
  void aJournalIsOpenedLaterOnlyByTheWindowThatMay() {
    using Outcome = vellaro::FolderLock::Outcome;
    for (const bool at_start_without_lock : {false, true}) {
      const std::string blocker = folder_->File("vellaro");
      std::ofstream(blocker).flush();
      vellaro::VirtualScheduler time(1'000'000);  // outlives the window and its timers
      MainWindow window(guard_);
      Play play = std::make_unique<vellaro::host::WindowGame>();
      if (at_start_without_lock) {
        play->KeepJournalWithoutLock(path_);
      } else {
        play->KeepJournal(journal::PrepareJournal(path_, replay::ReplaysExactly));
      }
      Outcome lock = Outcome::kHeld;
      play->SetMayOpenJournal([&lock] { return lock; });
      window.Adopt(std::move(play));
      window.timers().SwitchTo(time);
      std::filesystem::remove(blocker);
      if (at_start_without_lock) {
        QCOMPARE(window.JournalNotice(),
                 QStringLiteral("Journal off: its lock cannot be taken; retrying"));
      }
      auto spin = [&](int n) {
        window.Handle([&] { window.game().Apply(act::EnterNumber{n}); });
        QVERIFY(time.RunUntilTrue([&] { return !window.game().AnalysisRunning(); }, 60'000));
      };
      spin(5);
      QVERIFY2(!std::filesystem::exists(path_), "another window holds the folder");
      QCOMPARE(window.JournalNotice(),
               QStringLiteral("Journal off: another Vellaro window keeps it; retrying"));
      lock = Outcome::kCannotBe;
      spin(7);
      QVERIFY2(!std::filesystem::exists(path_), "written without the lock");
      QCOMPARE(window.JournalNotice(),
               QStringLiteral("Journal off: its lock cannot be taken; retrying"));
      lock = Outcome::kTaken;
      spin(6);
      QVERIFY(window.journal()->HasFile());
      ExpectReplaysExactly(path_, *window.journal()->session(), 3);
      std::filesystem::remove_all(blocker);  // the journal's folder, for the next round
    }
  }

  void newSessionAsksFirstNamingTheEveningThatEnds() {
    vellaro::RealResult::Counts counts;
    counts.spins = 1;
    counts.net = -4;
    const QString then = QStringLiteral("start a new one");
    QCOMPARE(vellaro::app::EndEveningQuestion(counts, then),
             QStringLiteral("End this evening — 1 spin, net -4 — and start a new one?"));
    counts.spins = 53;
    counts.net = 0;
    QCOMPARE(vellaro::app::EndEveningQuestion(counts, then),
             QStringLiteral("End this evening — 53 spins, net 0 — and start a new one?"));
    counts.net = 4;
    QVERIFY(vellaro::app::EndEveningQuestion(counts, then).contains(QStringLiteral("net +4 —")));

    Evening evening(guard_, path_);
    evening.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&evening.window));
    // Away from the matrix's buttons, in the head with the evening's other controls.
    const QRect place = Named(evening.window, "NewSession")->geometry();
    QVERIFY(place.bottom() < 60);
    QVERIFY(!place.intersects(Named(evening.window, "LimitsButton")->geometry()));
    QVERIFY(!place.intersects(Named(evening.window, "SessionReadout")->geometry()));
    evening.Act([](vellaro::Game& g) { g.Apply(act::SetSafeLevel{0}); });
    const int64_t empty = *evening.window.journal()->session();
    {
      // No spin yet: nothing would end, nothing is asked.
      BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, false);
      PointAndClick(evening.window, "NewSession");
      QCOMPARE(answer.asked, QString());
    }
    QVERIFY(*evening.window.journal()->session() != empty);
    for (int n : {17, 25, 0, 3, 8, 11, 1, 2, 4, 36, 5, 19, 22, 7, 30}) evening.Spin(n);
    const Look before = LookAt(evening.window);
    const int64_t id = *evening.window.journal()->session();
    const auto [spins, net] = ReadoutFigures(evening.window);
    QCOMPARE(spins, QStringLiteral("15"));
    QCOMPARE(net, vellaro::app::SessionReadout::Net(evening.window.game().RealCounts().net));
    QVERIFY2(evening.window.game().RealCounts().bets_shown > 0, "an evening with bets");
    {
      BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, false);
      PointAndClick(evening.window, "NewSession");
      QCOMPARE(answer.asked, QStringLiteral("End this evening — %1 spins, net %2 — and start a "
                                            "new one?")
                                 .arg(spins, net));
      QVERIFY(answer.keep_is_default);
      QVERIFY(answer.above_owner);
    }
    // Kept: the same game, the same session, open.
    QVERIFY(LookAt(evening.window) == before);
    QCOMPARE(*evening.window.journal()->session(), id);
    {
      journal::Database reader = journal::OpenForReading(path_);
      QVERIFY(!journal::LoadSession(reader, id).ended_ms);
    }
    {
      BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, true);
      PointAndClick(evening.window, "NewSession");
      QVERIFY(!answer.asked.isEmpty());
    }
    QCOMPARE(evening.window.game().SpinsInHistory(), int64_t{0});
    QVERIFY(*evening.window.journal()->session() != id);
    journal::Database reader = journal::OpenForReading(path_);
    QVERIFY(journal::LoadSession(reader, id).ended_ms.has_value());
  }

  void aStoredEveningIsContinuedExactlyAsOneSession() {
    int64_t first = 0;
    Look at_start;
    {
      Evening evening(guard_, path_);
      evening.Act([](vellaro::Game& g) { g.Apply(act::ChooseSystem{vellaro::kHavrel}); });
      for (int n : {17, 25, 0, 3, 8, 11, 1, 2}) evening.Spin(n);
      evening.Act([](vellaro::Game& g) { g.Apply(act::ChooseMode{1}); });  // SMART: seeded draws
      for (int n : {4, 36, 5, 19, 22, 7}) evening.Spin(n);
      first = *evening.window.journal()->session();
    }
    // What a resume at start makes of it.
    auto evening = std::make_unique<Evening>(guard_, path_);
    QVERIFY(evening->window.Resumed());
    evening->time.AdvanceBy(100);
    at_start = LookAt(evening->window);
    // Another evening follows it.
    evening->window.Handle([&] { evening->window.NewSession(); });
    for (int n : {9, 14, 21}) evening->Spin(n);
    const int64_t second = *evening->window.journal()->session();
    const Look second_look = LookAt(evening->window);
    MainWindow& window = evening->window;

    QCOMPARE(window.ContinueSession(second),
             QStringLiteral("Session %1 is the evening on show.").arg(second));
    {
      BoxAnswer answer(window, vellaro::app::kEndEveningBox, false);
      QCOMPARE(window.ContinueSession(first), QString());
      const auto [spins, net] = ReadoutFigures(window);
      QCOMPARE(answer.asked, QStringLiteral("End this evening — %1 spins, net %2 — and continue "
                                            "session %3?")
                                 .arg(spins, net)
                                 .arg(first));
    }
    QVERIFY(LookAt(window) == second_look);
    QCOMPARE(*window.journal()->session(), second);
    {
      BoxAnswer answer(window, vellaro::app::kEndEveningBox, true);
      QCOMPARE(window.ContinueSession(first), QString());
      QVERIFY(!answer.asked.isEmpty());
    }
    evening->time.AdvanceBy(100);
    QVERIFY(LookAt(window) == at_start);
    QCOMPARE(*window.journal()->session(), first);
    {
      journal::Database reader = journal::OpenForReading(path_);
      QCOMPARE(journal::SessionIds(reader), (std::vector<int64_t>{first, second}));
      QVERIFY(!journal::LoadSession(reader, first).ended_ms);
      QVERIFY(journal::LoadSession(reader, second).ended_ms.has_value());
    }
    // It goes on in the same session, and the list says what the window says.
    evening->Spin(31);
    ExpectReplaysExactly(path_, first, 15);
    {
      journal::Database reader = journal::OpenForReading(path_);
      const std::vector<journal::SessionSummary> list = journal::ListSessions(reader);
      QCOMPARE(list.size(), size_t{2});
      QCOMPARE(list[0].id, first);
      QCOMPARE(list[0].spins, window.game().RealCounts().spins);
      QCOMPARE(list[0].net_units, window.game().RealCounts().net);
      QCOMPARE(list[0].bets_shown, window.game().RealCounts().bets_shown);
      const auto [spins, net] = ReadoutFigures(window);
      QCOMPARE(QString::number(list[0].spins), spins);
    }
    evening->time.AdvanceBy(100);
    const Look before_close = LookAt(window);
    evening.reset();
    // The evening continued is the one resumed at the next start.
    Evening next(guard_, path_);
    QVERIFY(next.window.Resumed());
    QCOMPARE(*next.window.journal()->session(), first);
    next.time.AdvanceBy(100);
    QVERIFY(LookAt(next.window) == before_close);
  }

  void aDamagedEveningCannotBeContinuedAndSaysWhy() {
    Evening evening(guard_, path_);
    for (int n : {17, 25, 0, 3, 8, 11}) evening.Spin(n);
    const int64_t first = *evening.window.journal()->session();
    evening.window.Handle([&] { evening.window.NewSession(); });
    for (int n : {9, 14}) evening.Spin(n);
    const int64_t second = *evening.window.journal()->session();
    {
      journal::Database db(path_, journal::Database::Access::kReadWrite);
      db.Exec("UPDATE event_blocks SET count = count + 1 WHERE session_id = " +
              std::to_string(first));
    }
    const Look before = LookAt(evening.window);
    BoxAnswer answer(evening.window, vellaro::app::kEndEveningBox, true);
    const QString why = evening.window.ContinueSession(first);
    QVERIFY2(why.startsWith(QStringLiteral("Session %1 cannot be continued: ").arg(first)),
             qPrintable(why));
    QVERIFY(why.size() > 40);
    QCOMPARE(answer.asked, QString());  // said before anything is asked
    // The evening on show goes on, in its own session.
    QVERIFY(LookAt(evening.window) == before);
    QCOMPARE(*evening.window.journal()->session(), second);
    journal::Database reader = journal::OpenForReading(path_);
    QVERIFY(!journal::LoadSession(reader, second).ended_ms);
  }

  void aJournalThatCannotBeOpenedLeavesTheWindowWorking() {
    journal::JournalAtStart off;
    off.opened.status = {false, "its folder cannot be made"};
    MainWindow window(guard_);
    KeepJournal(window, std::move(off));
    QCOMPARE(window.JournalNotice(), QStringLiteral("Journal off: its folder cannot be made"));
    window.Handle([&] { window.game().Apply(act::EnterNumber{5}); });
    QCOMPARE(window.game().SpinsInHistory(), int64_t{1});
    window.Handle([&] { window.NewSession(); });
    QCOMPARE(window.game().SpinsInHistory(), int64_t{0});
  }
};

QTEST_MAIN(JournalWindowTest)
#include "journal_window_test.moc"
