#include "app/dialog_above.h"

#include <QWidget>

namespace vellaro::app {

void StandAbove(QWidget& dialog) {
  const QWidget* owner = dialog.parentWidget();
  if (owner == nullptr) return;
  if (owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  }
}

}  // namespace vellaro::app
