// The main window's journal (kept by its WindowGame): what the readout says of it, and the
// "New session" control that ends a session.

#include <stdexcept>

#include "app/main_window.h"
#include "app/readout.h"
#include "app/session_panel_window.h"

namespace vellaro::app {

void MainWindow::Adopt(std::unique_ptr<WindowGame> play) {
  // The panel and the limits dialog, made for the game on show, would go on reading it.
  if (panel_ != nullptr || limits_dialog_ != nullptr) {
    throw std::logic_error("A game is adopted only by a window the player has not used");
  }
  // The game on show goes, and its timers with it; nothing of it was journaled.
  play_ = std::move(play);
  play_->timers().SwitchTo(qt_scheduler_);
  Sync();
}

void MainWindow::NewSession() {
  if (game().AnalysisRunning()) return;
  play_->NewSession();
  keyboard_.Clear();
  // The panel follows the evening it was made for; a new one is made for the new evening.
  if (panel_ != nullptr) {
    const bool shown = panel_->isVisible();
    delete panel_;
    panel_ = nullptr;
    if (shown) ToggleSessionPanel();
  }
}

QString MainWindow::JournalNotice() const {
  return QString::fromStdString(play_->JournalNotice());
}

void MainWindow::SyncJournalNotice() {
  if (!play_->JournalKept()) return;
  message_line_.SetJournal(JournalNotice());
}

}  // namespace vellaro::app
