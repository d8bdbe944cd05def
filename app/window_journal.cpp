// The main window's journal: the session resumed at start, journaled as it is played, and
// ended by the "New session" control.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/main_window.h"
#include "app/readout.h"
#include "app/session_panel_window.h"
#include "env/virtual_scheduler.h"

namespace vellaro::app {

namespace {

// In the right part of the readout, where the player looks for where the game stands.
constexpr QColor kNoticeColour{255, 200, 64};
constexpr const char* kNotResumed = "Last session not resumed: a new one started";

}  // namespace

void MainWindow::KeepJournal(vellaro::journal::JournalAtStart start) {
  journal_ = std::move(start.opened.journal);
  journal_once_ = start.opened.notice;
  if (!start.opened.moved_aside.empty()) {
    std::fprintf(stderr, "vellaro: the damaged journal was moved aside as %s\n",
                 start.opened.moved_aside.c_str());
  }
  if (journal_ == nullptr) {
    journal_unavailable_ = start.opened.status.reason;
    Sync();
    return;
  }
  session_pending_ = true;
  if (!start.unreadable.empty()) {
    journal_once_ = kNotResumed;
    std::fprintf(stderr, "vellaro: the last session cannot be read back: %s\n",
                 start.unreadable.c_str());
  }
  if (start.to_resume) guard_.Run([this, &start] { ResumeSession(*start.to_resume); });
  Sync();
}

void MainWindow::ResumeSession(const vellaro::journal::StoredSession& stored) {
  // The whole evening again, in virtual time: its animations take no time at all. Then the
  // game goes on in real time from where it stood.
  vellaro::VirtualScheduler virtual_time(stored.started_ms);
  scheduler_.SwitchTo(virtual_time);
  journal_->ContinueSession(stored.id);
  journal_skip_ = stored.events.size();
  track_.Reserve(static_cast<size_t>(std::count_if(
      stored.events.begin(), stored.events.end(),
      [](const auto& s) { return std::holds_alternative<vellaro::SpinAccepted>(s.event); })));
  // The captions the display timers write are only read by the eye: without their ticks a
  // long evening replays many times faster.
  game_.SetDisplayTimers(false);
  try {
    vellaro::journal::ReplaySession(stored, game_, virtual_time, clock_);
    // A session cut off in the middle of an analysis ends it now; the journal gets the
    // events it had not kept.
    vellaro::journal::FinishAnalysis(game_, virtual_time);
    game_.SetDisplayTimers(true);
    session_pending_ = false;
    resumed_ = true;
  } catch (const std::exception& error) {
    // The journal keeps the session as it was; the game starts afresh, as it would have
    // without a journal.
    journal_once_ = kNotResumed;
    std::fprintf(stderr, "vellaro: the last session cannot be resumed: %s\n", error.what());
    journal_skip_ = 0;
    scheduler_.SwitchTo(qt_scheduler_);
    FreshGame();
    return;
  }
  journal_skip_ = 0;
  scheduler_.SwitchTo(qt_scheduler_);
}

void MainWindow::BeginSession(const vellaro::Settings& settings) {
  session_pending_ = false;
  // As a session is replayed: it starts, the journal listens, then the options are set.
  if (journal_ != nullptr) journal_->StartSession(settings);
  game_.Configure(settings);
}

void MainWindow::FreshGame() {
  const bool options_open = OptionsOpen();
  const vellaro::SaveDialogSettings save_dialog = game_.SaveDialogChoice();
  // A game can be neither copied nor assigned (its timers are known to the scheduler by
  // address), and every widget calls game_ by name: the fresh game is built in the old
  // one's place. Building a game throws nothing; if it ever did, the window could not go
  // on without one.
  std::destroy_at(&game_);
  [this]() noexcept { std::construct_at(&game_, vellaro::Env{clock_, scheduler_}); }();
  game_.TakeOverSaveDialog(save_dialog);
  ListenToGame();
  track_ = vellaro::SessionTrack();
  first_spin_settings_.reset();
  keyboard_.Clear();
  if (options_open) game_.OptionsClick();
  // The panel follows the evening it was made for; a new one is made for the new evening.
  if (panel_ != nullptr) {
    const bool shown = panel_->isVisible();
    delete panel_;
    panel_ = nullptr;
    if (shown) ToggleSessionPanel();
  }
}

void MainWindow::NewSession() {
  if (game_.AnalysisRunning()) return;
  const vellaro::Settings settings = game_.CurrentSettings();
  if (journal_ != nullptr) journal_->EndSession();
  resumed_ = false;
  FreshGame();
  BeginSession(settings);
}

QString MainWindow::JournalNotice() const {
  if (!journal_once_seen_ && !journal_once_.empty()) return QString::fromStdString(journal_once_);
  std::string off = "Journal off: ";
  if (journal_ == nullptr && !journal_unavailable_.empty()) {
    off += journal_unavailable_;
  } else if (journal_ != nullptr && !journal_->status().on) {
    off += journal_->status().reason;
    off += "; retrying";  // at the next spin
  } else {
    return {};
  }
  return QString::fromStdString(off);
}

void MainWindow::SyncJournalNotice() {
  if (journal_ == nullptr && journal_unavailable_.empty()) return;  // no journal kept
  readout_->SetResult(JournalNotice(), kNoticeColour);
}

}  // namespace vellaro::app
