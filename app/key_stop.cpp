#include "app/key_stop.h"

#include <QKeyEvent>

namespace vellaro::app {

KeyStop::KeyStop(QWidget* window, const QString& name, const QRect& control, Shape shape,
                 Reading reading)
    : QWidget(window), control_(control), shape_(shape), reading_(std::move(reading)) {
  setObjectName(name);
  setGeometry(control);
  // The artwork beneath keeps the pointer: a click never lands on the stop.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(reading_.name);
}

void KeyStop::Sync() {
  if (shown_) {
    const bool shown = shown_();
    if (isHidden() == shown) setVisible(shown);
  }
  const QString value = Value();
  if (value != value_told_) {
    value_told_ = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
  }
  if (reading_.checked && reading_.checked() != checked_told_) {
    checked_told_ = !checked_told_;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void KeyStop::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (plain && (key == Qt::Key_Space || (enter && EnterFree()))) {
    Press();
    return;
  }
  // Digits, Escape, Backspace and the shortcuts go on to the window.
  event->ignore();
}

void KeyStop::Press() {
  if (press_) press_();
}

void SyncKeyStops(QWidget& window) {
  // KeyStop has no meta-object of its own: findChildren() cannot pick it out.
  for (QObject* child : window.children()) {
    if (auto* stop = dynamic_cast<KeyStop*>(child)) stop->Sync();
  }
}

}  // namespace vellaro::app
