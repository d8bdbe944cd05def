// The line between the head and the board: the readout, and the banner over it while a
// limit holds a bet back, drawn as the message line decides.

#include "app/head_area.h"
#include "app/limits_area.h"
#include "app/main_window.h"
#include "app/readout.h"

namespace vellaro::app {

namespace {

// In the right part of the readout, where the player looks for where the game stands.
constexpr QColor kNoticeColour{255, 200, 64};

}  // namespace

void MainWindow::ShowMessageLine() {
  // The keyboard's refusals reach the line as they happen (window_keys.cpp); only the
  // digits typed are read from it here.
  message_line_.SetTyped(keyboard_.Digits().empty() ? QString()
                                                    : QString::fromStdString(keyboard_.Text()));
  message_line_.SetProgress(head_->progress_text());
  message_line_.SetSpins(vellaro::GameView(game()).EnteredSpins());
  head_->readout()->SetProgress(message_line_.Left());
  head_->readout()->SetResult(message_line_.Right(), kNoticeColour);
  limits_->WriteBanner(message_line_);
}

}  // namespace vellaro::app
