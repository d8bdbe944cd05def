#include "app/locked_look.h"

#include <QEvent>
#include <QWidget>

namespace vellaro::app {

namespace {

void FollowEnabled(QWidget* widget) {
  widget->setCursor(widget->isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

// Watches one control's enabled state; owned by the control.
class CursorFollowsLock final : public QObject {
 public:
  explicit CursorFollowsLock(QWidget* widget) : QObject(widget) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) FollowEnabled(static_cast<QWidget*>(watched));
    return false;
  }
};

}  // namespace

void PaintUsable(QWidget* widget, QPalette::ColorRole role, const QColor& usable,
                 const QColor& locked) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Active, role, usable);
  colours.setColor(QPalette::Inactive, role, usable);
  colours.setColor(QPalette::Disabled, role, locked);
  widget->setPalette(colours);
}

void PointWhileUsable(QWidget* widget) {
  widget->installEventFilter(new CursorFollowsLock(widget));
  FollowEnabled(widget);
}

}  // namespace vellaro::app
