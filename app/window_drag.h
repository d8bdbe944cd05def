#pragma once

// The window dragged by its head: the window system moves it where it can; elsewhere (an X
// server without a window manager) it follows the pointer by hand until the button is up.

#include <QPoint>
#include <optional>

class QMouseEvent;
class QWidget;

namespace vellaro::app {

class WindowDrag {
 public:
  explicit WindowDrag(QWidget& window) : window_(window) {}

  void Press(const QMouseEvent& press);
  void Move(const QMouseEvent& move);
  // The button is up, or the window lost the pointer (minimised, closed, another window
  // took the focus).
  void End();

 private:
  QWidget& window_;
  // Where the pointer took hold of the window: set by a press on the background until the
  // pointer moves with the button still down, or the drag ends.
  std::optional<QPoint> pressed_;
  // Where the pointer holds the window while it follows the pointer by hand.
  std::optional<QPoint> grip_;
};

}  // namespace vellaro::app
