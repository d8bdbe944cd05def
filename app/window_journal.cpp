// The main window's journal (kept by its WindowGame): what the readout says of it, the
// "New session" control that ends a session, and a stored evening taken up again.

#include <QCoreApplication>
#include <stdexcept>

#include "app/end_evening.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "app/session_panel_window.h"

namespace vellaro::app {

void MainWindow::Adopt(std::unique_ptr<host::WindowGame> play) {
  // The panel and the limits dialog, made for the game on show, would go on reading it.
  if (panel_ != nullptr || limits_dialog() != nullptr) {
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
  RenewPanel();
}

bool MainWindow::AgreeToEndEvening(const QString& then) {
  const vellaro::RealResult::Counts& counts = play_->track().result().counts();
  // With no spin in the history nothing of the evening would be lost.
  if (counts.spins == 0) return true;
  return AskToEndEvening(this, EndEveningQuestion(counts, then));
}

void MainWindow::AskNewSession() {
  if (game().AnalysisRunning()) return;
  if (!AgreeToEndEvening(QCoreApplication::translate("WindowJournal", "start a new one"))) return;
  Handle([this] { NewSession(); });
}

QString MainWindow::ContinueSession(int64_t id) {
  if (play_->journal() != nullptr && play_->journal()->session() == id) {
    return QCoreApplication::translate("WindowJournal", "Session %1 is the evening on show.")
        .arg(id);
  }
  const auto refused = [id](const std::string& why) {
    return QCoreApplication::translate("WindowJournal", "Session %1 cannot be continued: %2.")
        .arg(id)
        .arg(QString::fromStdString(why));
  };
  // Whether it can be continued is said before anything is asked.
  vellaro::journal::StoredSession stored;
  std::string why = play_->ReadToContinue(id, stored);
  if (!why.empty()) return refused(why);
  if (!AgreeToEndEvening(
          QCoreApplication::translate("WindowJournal", "continue session %1").arg(id)))
    return {};
  // Not through Handle: a session waiting for its first event is not started for this.
  guard_.Run([&] { why = play_->ContinueSession(stored); });
  keyboard_.Clear();
  Sync();
  if (!why.empty()) return refused(why);
  RenewPanel();
  return {};
}

void MainWindow::RenewPanel() {
  // The panel follows the evening it was made for; a new one is made for the new evening.
  // The old one may be the sender of what ended its evening: it goes once that is done.
  if (panel_ == nullptr) return;
  const bool shown = panel_->isVisible();
  panel_->hide();
  panel_->deleteLater();
  panel_ = nullptr;
  if (shown) ToggleSessionPanel();
}

QString MainWindow::JournalNotice() const {
  return QString::fromStdString(play_->JournalNotice());
}

void MainWindow::SyncJournalNotice() {
  if (!play_->JournalKept()) return;
  message_line_.SetJournal(JournalNotice());
}

}  // namespace vellaro::app
