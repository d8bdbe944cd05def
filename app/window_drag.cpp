#include "app/window_drag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vellaro::app {

void WindowDrag::Press(const QMouseEvent& press) {
  // The move starts when the pointer first moves with the button down. A window manager
  // asked to move the window on a press whose release has already gone by waits for a
  // release that never comes, and the window then follows the pointer and holds the
  // keyboard until the next click.
  pressed_ = press.globalPosition().toPoint() - window_.pos();
  grip_.reset();
}

void WindowDrag::Move(const QMouseEvent& move) {
  if (move.buttons() == Qt::NoButton) {
    // The release went elsewhere (or was lost): the button is up, so the drag is over.
    End();
    return;
  }
  if (pressed_) {
    const QPoint grip = *pressed_;
    // A hand that trembles while clicking does not move the window.
    const QPoint moved = move.globalPosition().toPoint() - (window_.pos() + grip);
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    pressed_.reset();
    // The window system moves the window where it can; elsewhere (an X server without a
    // window manager) the window follows the pointer by hand until the button is released.
    QWindow* handle = window_.windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return;
    grip_ = grip;
  }
  if (grip_) window_.move(move.globalPosition().toPoint() - *grip_);
}

void WindowDrag::End() {
  pressed_.reset();
  grip_.reset();
}

}  // namespace vellaro::app
