#include "host/window_game.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <variant>
#include <vector>

#include "front/game_view.h"
#include "replay/virtual_game.h"
#include "text/translate.h"

namespace vellaro::host {

namespace {

constexpr const char* kNotResumed = N_("Last session not resumed: a new one started");

// Why the journal stays off when the data folder's lock is not this window's.
std::string WithoutLockReason(FolderLock::Outcome lock) {
  return lock == FolderLock::Outcome::kHeld ? Tr("another Vellaro window keeps it")
                                            : Tr("its lock cannot be taken");
}

}  // namespace

WindowGame::WindowGame() : time_of_day_(system_clock_) {
  MakeGame();
}

WindowGame::WindowGame(Clock& time) : time_of_day_(time) {
  MakeGame();
}

void WindowGame::MakeGame() noexcept {
  game_.emplace(Env{clock_, scheduler_});
  game_->AddListener([this](const GameEvent& event) { OnGameEvent(event); });
}

void WindowGame::OnGameEvent(const GameEvent& event) {
  // The events a resume makes the game send again are in the journal already.
  const bool resent = journal_skip_ > 0;
  const bool spin = !resent && std::holds_alternative<SpinAccepted>(event);
  // A notice about the journal is said once: the player has seen it by the next spin.
  if (spin) journal_once_seen_ = true;
  if (resent) {
    --journal_skip_;
  } else if (journal_ != nullptr) {
    if (spin && !journal_->HasFile()) RetryJournalFile();
    journal_->Record(event);
  }
  track_.On(event);
  // The settings of the first spin are those the what-if replays the evening with. Only
  // read here: a listener never acts on the game.
  if (const auto* spin = std::get_if<SpinAccepted>(&event); spin && spin->index == 1) {
    first_spin_settings_ = game_->CurrentSettings();
  } else if (const auto* undo = std::get_if<SpinUndone>(&event); undo && undo->index == 1) {
    first_spin_settings_.reset();
  }
}

void WindowGame::KeepJournal(journal::JournalAtStart start) {
  journal_ = std::move(start.opened.journal);
  journal_path_ = std::move(start.path);
  journal_once_ = start.opened.notice;
  TellMovedAside(start.opened);
  if (journal_ == nullptr && journal_path_.empty()) {
    journal_unavailable_ = start.opened.status.reason;
    return;
  }
  session_pending_ = true;
  if (journal_ == nullptr) {
    journal_ = journal::Journal::WithoutFile(start.opened.status.reason);
    return;
  }
  if (!start.unreadable.empty()) {
    journal_once_ = Tr(kNotResumed);
    std::fprintf(stderr, "vellaro: the last session cannot be read back: %s\n",
                 start.unreadable.c_str());
  }
  if (start.to_resume) ResumeSession(*start.to_resume);
}

void WindowGame::KeepJournalWithoutLock(std::string path) {
  journal::JournalAtStart start;
  start.path = std::move(path);
  start.opened.status = {false, WithoutLockReason(FolderLock::Outcome::kCannotBe)};
  KeepJournal(std::move(start));
}

void WindowGame::ShareJournalOf(WindowGame& first) {
  journal_path_ = first.journal_path_;
  may_open_journal_ = first.may_open_journal_;
  journal_unavailable_ = first.journal_unavailable_;
  if (first.journal_ == nullptr) return;
  journal_ = first.journal_->ForAnotherTable();
  session_pending_ = true;
}

void WindowGame::SetTable(journal::SessionTable table) {
  table_ = std::move(table);
  if (journal_ != nullptr) journal_->SetTable(table_);
}

void WindowGame::RetryJournalFile() {
  const FolderLock::Outcome lock =
      may_open_journal_ ? may_open_journal_() : FolderLock::Outcome::kTaken;
  if (lock != FolderLock::Outcome::kTaken) {
    journal_->StillWithoutFile(WithoutLockReason(lock));
    return;
  }
  const journal::OpenedJournal opened =
      journal::OpenFileFor(*journal_, journal_path_, replay::ReplaysExactly);
  TellMovedAside(opened);
  if (!opened.notice.empty()) {
    journal_once_ = opened.notice;
    journal_once_seen_ = false;
  }
}

void WindowGame::TellMovedAside(const journal::OpenedJournal& opened) {
  if (opened.moved_aside.empty()) return;
  std::fprintf(stderr, "vellaro: the damaged journal was moved aside as %s\n",
               opened.moved_aside.c_str());
}

void WindowGame::ReplayStored(const journal::StoredSession& stored) {
  // The whole evening again, in virtual time: its animations take no time at all. Then the
  // game goes on in the time it ran in before.
  Scheduler& before = scheduler_.target();
  replay::VirtualTime replay_time(stored.started_ms);
  VirtualScheduler& virtual_time = replay_time.scheduler;
  scheduler_.SwitchTo(virtual_time);
  // The animations seed themselves from the time of day (SeedFromClock): read from outside
  // during a replay that takes no time, it would be one second throughout, whose seed could
  // hold an animation still, and whether the window resumed would depend on the second it
  // started. The replay's own time is what vellaro-sim's replay of the session reads.
  Clock& outside = time_of_day_.target();
  time_of_day_.SwitchTo(replay_time.clock);
  journal_skip_ = stored.events.size();
  track_.Reserve(static_cast<size_t>(
      std::count_if(stored.events.begin(), stored.events.end(),
                    [](const auto& s) { return std::holds_alternative<SpinAccepted>(s.event); })));
  // The captions the display timers write are only read by the eye: without their ticks a
  // long evening replays many times faster.
  game_->SetDisplayTimers(false);
  const auto back = [&] {
    journal_skip_ = 0;
    scheduler_.SwitchTo(before);
    time_of_day_.SwitchTo(outside);
  };
  try {
    replay::ReplaySession(stored, *game_, virtual_time, clock_);
    // A session cut off in the middle of an analysis ends it now; the journal gets the
    // events it had not kept.
    replay::FinishAnalysis(*game_, virtual_time);
    game_->SetDisplayTimers(true);
  } catch (...) {
    back();
    throw;
  }
  back();
}

void WindowGame::ResumeSession(const journal::StoredSession& stored) {
  try {
    journal_->ContinueSession(stored.id);
    table_ = stored.table;
    ReplayStored(stored);
    session_pending_ = false;
    resumed_ = true;
  } catch (const std::exception& error) {
    // The journal keeps the session as it was; the game starts afresh, as it would have
    // without a journal.
    journal_once_ = Tr(kNotResumed);
    std::fprintf(stderr, "vellaro: the last session cannot be resumed: %s\n", error.what());
    FreshGame();
  }
}

void WindowGame::ResumeAtTable(const journal::StoredSession& stored) {
  if (journal_ == nullptr || !journal_->HasFile()) return;
  ResumeSession(stored);
}

std::string WindowGame::ReadToContinue(int64_t id, journal::StoredSession& stored) {
  if (journal_ == nullptr || !journal_->HasFile()) return Tr("the journal is off");
  if (game_->AnalysisRunning()) return Tr("an analysis is running; try again when it has ended");
  if (journal_->session() == id) return Tr("it is the evening on show");
  try {
    // Each table writes its own evening: two writing one would interleave their events.
    const std::vector<int64_t> open = journal::SessionsAtTables(journal_->database());
    if (std::find(open.begin(), open.end(), id) != open.end()) {
      return Tr("it is open at another table");
    }
    stored = journal::LoadSession(journal_->database(), id);
    // Played through once on the side, so that an evening that does not replay leaves the
    // one on show as it is.
    replay::VirtualGame trial(stored.started_ms);
    replay::ReplaySession(stored, trial.game(), trial.scheduler(), trial.draws());
    replay::FinishAnalysis(trial.game(), trial.scheduler());
  } catch (const std::exception& error) {  // BadRecord, SqliteError, ReplayDiverged, ...
    return error.what();
  }
  return {};
}

std::string WindowGame::ContinueSession(const journal::StoredSession& stored) {
  if (journal_ == nullptr || !journal_->HasFile()) return Tr("the journal is off");
  if (game_->AnalysisRunning()) return Tr("an analysis is running; try again when it has ended");
  if (!journal_->ReopenSession(stored.id)) {
    return TrFormat("the journal cannot be written: {1}", {journal_->status().reason});
  }
  resumed_ = false;
  session_pending_ = false;
  // The evening goes on at this table, whichever it was played at before.
  if (stored.table != table_) journal_->SetTable(table_);
  FreshGame();
  try {
    ReplayStored(stored);
  } catch (const std::exception& error) {
    // It replayed on the side: only a fault of this program comes here. The session stays
    // in the journal as it was; the window goes on with a new one.
    std::fprintf(stderr, "vellaro: session %lld cannot be continued: %s\n",
                 static_cast<long long>(stored.id), error.what());
    const Settings settings = game_->CurrentSettings();
    journal_->EndSession();
    FreshGame();
    BeginSession(settings);
    return error.what();
  }
  return {};
}

void WindowGame::BeginSession(const Settings& settings) {
  session_pending_ = false;
  // As a session is replayed: it starts, the journal listens, then the options are set.
  if (journal_ != nullptr) journal_->StartSession(settings, table_);
  game_->Configure(settings);
}

void WindowGame::FreshGame() {
  const bool options_open = GameView(*game_).OptionsOpen();
  const SaveDialogSettings save_dialog = game_->SaveDialogChoice();
  MakeGame();
  game_->TakeOverSaveDialog(save_dialog);
  track_ = SessionTrack();
  first_spin_settings_.reset();
  if (options_open) game_->Apply(act::ToggleOptions{});
}

void WindowGame::NewSession() {
  const Settings settings = game_->CurrentSettings();
  if (journal_ != nullptr) journal_->EndSession();
  resumed_ = false;
  FreshGame();
  BeginSession(settings);
}

std::string WindowGame::JournalNotice() const {
  if (!journal_once_seen_ && !journal_once_.empty()) return journal_once_;
  if (journal_ == nullptr && !journal_unavailable_.empty()) {
    return TrFormat("Journal off: {1}", {journal_unavailable_});
  }
  if (journal_ != nullptr && !journal_->status().on) {
    // It tries again at the next spin.
    return TrFormat("Journal off: {1}; retrying", {journal_->status().reason});
  }
  return {};
}

replay::SessionSpins WindowGame::SessionSpins() const {
  replay::SessionSpins session;
  session.settings = first_spin_settings_.value_or(game_->CurrentSettings());
  const std::vector<TrackPoint>& points = track_.points();
  session.entries.reserve(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    session.entries.push_back({i + 1, points[i].number});
  }
  return session;
}

}  // namespace vellaro::host
