#pragma once

// Drives the window as the pointer would: every event goes to whatever widget lies on top
// at that point of the window, so the stacking of the pictures is part of what is tested.

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/guard.h"
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
  const QByteArray name = "Tile" + QByteArray::number(n);
  PointAndClick(window, name.constData());
}

// The window of one test function, shown at its place; its error box writes into `errors`
// instead of opening. Open() from init(), Close() from cleanup(): Close fails the test on
// any error the window reported that the test did not take out of `errors`.
class TestWindow {
 public:
  void Open() {
    errors.clear();
    guard_ = std::make_unique<Guard>();
    guard_->SetErrorBox([this](const QString& message) { errors << message; });
    window_ = std::make_unique<MainWindow>(*guard_);
    window_->move(242, 112);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void Close() {
    window_.reset();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
  }
  MainWindow& window() { return *window_; }

  QStringList errors;

 private:
  std::unique_ptr<Guard> guard_;
  std::unique_ptr<MainWindow> window_;
};

// A point of the background: below the history strip, above the board.
inline constexpr QPoint kBackground{100, 66};

}  // namespace vellaro::app::testing
