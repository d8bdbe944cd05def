#include "app/guard.h"

#include <QApplication>
#include <cstdio>

#include "app/error_box.h"

namespace vellaro::app {

void Guard::Show(const QString& message) {
  // The box is modal but the timers keep ticking under it; an error that repeats on
  // every tick must not pile up one box on top of another.
  if (showing_) return;
  showing_ = true;
  try {
    if (box_) {
      box_(message);
    } else {
      ShowStandardErrorBox(message, owner_);
    }
  } catch (...) {
    // Nothing is left to report the failure of the report itself.
  }
  showing_ = false;
}

void ShowStandardErrorBox(const QString& message, QWidget* owner) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    // Start-up failed before there was anything to show a box on.
    std::fprintf(stderr, "Vellaro: %s\n", qPrintable(message));
    return;
  }
  ShowErrorBox(message, owner);
}

int RunGuarded(Guard& guard, const std::function<void()>& start_up_and_loop) {
  guard.Run(start_up_and_loop);
  return 0;
}

}  // namespace vellaro::app
