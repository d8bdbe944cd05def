#pragma once

// Drives the window as the pointer would: every event goes to whatever widget lies on top
// at that point of the window, so the stacking of the pictures is part of what is tested.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "app/main_window.h"

namespace vellaro::app::testing {

inline QWidget* Named(QWidget& window, const char* name) {
  auto* widget = window.findChild<QWidget*>(QLatin1String(name));
  if (widget == nullptr) qFatal("no widget named %s", name);
  return widget;
}

inline bool Shown(QWidget& window, const char* name) {
  return !Named(window, name)->isHidden();
}

inline QPoint CentreOf(QWidget& window, const char* name) {
  return Named(window, name)->geometry().center();
}

inline void MoveTo(QWidget& window, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
  QWidget* target = window.childAt(at);
  QVERIFY(target != nullptr);
  const QPoint local = target->mapFrom(&window, at);
  QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, held,
                   Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

inline void ClickAt(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = window.childAt(at);
  QVERIFY(target != nullptr);
  QTest::mouseClick(target, button, {}, target->mapFrom(&window, at));
}

// Points at a picture and clicks it, as a player would: the hover comes first.
inline void PointAndClick(QWidget& window, const char* name) {
  MoveTo(window, CentreOf(window, name));
  ClickAt(window, CentreOf(window, name));
}

inline void ClickTile(QWidget& window, int n) {
  const QByteArray name = "Image" + QByteArray::number(n);
  PointAndClick(window, name.constData());
}

// A point of the background: below the history strip, above the board.
inline constexpr QPoint kBackground{100, 66};

}  // namespace vellaro::app::testing
