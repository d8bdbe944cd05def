// The "New session" control: in the head, beside the limits and the panel's buttons, drawn
// as their twin and well away from the matrix's buttons, since it ends the evening.

#include "app/main_window.h"
#include "app/picture_widget.h"

namespace vellaro::app {

namespace {

// Left of the limits' button, the same gap between them as between the limits' and the
// panel's.
constexpr QRect kNewSessionPlace{372, 30, 21, 21};

}  // namespace

void MainWindow::BuildNewSessionButton() {
  PictureWidget* button =
      AddPicture(QStringLiteral("NewSession"), QStringLiteral(":/new_session.svg"),
                 kNewSessionPlace, Control::kNewSession);
  button->setCursor(Qt::PointingHandCursor);
  // Clears the other highlights as the frame buttons do; this one is the shell's own.
  button->OnMove([this](QMouseEvent&) {
    new_session_hovered_ = true;
    Handle([this] { game().HeadImageMouseMove(); });
  });
  new_session_hover_ =
      AddPicture(QStringLiteral("NewSessionLit"), QStringLiteral(":/new_session_hover.svg"),
                 kNewSessionPlace, Control::kNewSession);
  new_session_hover_->setCursor(Qt::PointingHandCursor);
  new_session_hover_->OnMove([](QMouseEvent&) {});
  new_session_hover_->OnClick([this] { AskNewSession(); });
  new_session_hover_->hide();
}

void MainWindow::SyncNewSessionButton() {
  // The engine knows nothing of this button: its highlight follows the pointer here.
  SetShown(new_session_hover_, new_session_hovered_ || new_session_hover_->underMouse());
  new_session_hovered_ = false;
}

}  // namespace vellaro::app
