#include "app/dialog_above.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vellaro::app {

namespace {

// Moves the dialog it watches onto the screen as it is shown, after the toolkit has put it
// over the middle of its owner: the toolkit's own check leaves it sticking out by the frame
// it guesses.
class KeepOnScreen final : public QObject {
 public:
  explicit KeepOnScreen(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {
    dialog.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &dialog_ && event->type() == QEvent::Show) {
      const QRect screen = dialog_.screen()->availableGeometry();
      const QRect frame = dialog_.frameGeometry();
      QPoint at = frame.topLeft();
      at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
      at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
      if (at != frame.topLeft()) dialog_.move(at);
    }
    return false;
  }

 private:
  QWidget& dialog_;
};

}  // namespace

void StandAbove(QWidget& dialog) {
  const QWidget* owner = dialog.parentWidget();
  if (owner == nullptr) return;
  if (owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  }
  new KeepOnScreen(dialog);
}

}  // namespace vellaro::app
