// The player's guide in the main window: F1 and the "?" under the save button open it.

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include "app/main_window.h"
#include "app/player_guide.h"
#include "app/screen_place.h"

namespace vellaro::app {

void MainWindow::BuildGuide() {
  // Under the save button, as the limits' and the panel's buttons are under the minimise
  // and close buttons: between the history strip and the limits' button, over nothing.
  auto* button = new GuideButton(svg_, QRect(346, 30, 21, 21), this);
  // Clears the other highlights as the head's buttons do.
  button->OnMove(
      [this] { Handle([this] { game().Apply(act::PointerOver{act::FramePart::kHead}); }); });
  button->OnClick([this] { OpenGuide(); });
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(key, &QShortcut::activated, this, [this] { OpenGuide(); });
}

void MainWindow::OpenGuide() {
  // Made when first asked for: most evenings never open it.
  if (guide_ == nullptr) guide_ = new GuideDialog(this);
  if (!guide_->isVisible()) {
    // Beside the window rather than over the board, on the screen.
    const QRect frame = frameGeometry();
    guide_->move(PlaceOnScreens(QPoint(frame.right() + 8, frame.top()), guide_->size(),
                                {screen()->availableGeometry()}));
  }
  guide_->show();
  guide_->raise();
  guide_->activateWindow();
}

}  // namespace vellaro::app
