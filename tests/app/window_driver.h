#pragma once

// Drives the window as the pointer would: every event goes to whatever widget lies on top
// at that point of the window, so the stacking of the pictures is part of what is tested.

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "app/fonts.h"
#include "app/guard.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "env/virtual_scheduler.h"
#include "export/save_dialog.h"
#include "support/game_peer.h"
#include "temporary_home.h"

namespace vellaro::app::testing {

// The widget of that name, as the type the test knows it by.
template <typename Widget = QWidget>
Widget* Named(QWidget& window, const char* name) {
  auto* widget = window.findChild<QWidget*>(QLatin1String(name));
  if (widget == nullptr) qFatal("no widget named %s", name);
  return static_cast<Widget*>(widget);
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

// The line under the head.
inline Readout& ReadoutOf(QWidget& window) {
  return *Named<Readout>(window, "Readout");
}

// Gives `window` the keyboard, as the player's click on it would.
inline void Activate(QWidget& window) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
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

// Answers the question box named `box`, if `owner` opens it while this lives, as the player
// would: by its button `box`Yes or `box`No. Keeps what the box asked and how it stood.
class BoxAnswer {
 public:
  BoxAnswer(QWidget& owner, const char* box, bool yes) {
    timer_.setSingleShot(true);
    QObject::connect(
        &timer_, &QTimer::timeout, [this, &owner, name = QString::fromLatin1(box), yes] {
          auto* shown = owner.findChild<QMessageBox*>(name);
          if (shown == nullptr) return;
          asked = shown->text();
          auto* keep = shown->findChild<QPushButton*>(name + QStringLiteral("No"));
          keep_is_default = keep != nullptr && shown->defaultButton() == keep;
          above_owner =
              shown->parentWidget() == &owner && shown->windowModality() == Qt::WindowModal;
          shown
              ->findChild<QPushButton*>(name + (yes ? QStringLiteral("Yes") : QStringLiteral("No")))
              ->click();
        });
    timer_.start(0);
  }

  QString asked;
  bool keep_is_default = false;
  bool above_owner = false;

 private:
  QTimer timer_;
};

// The save dialog as the player answers it: the file `name`, or Cancel while that is empty.
struct ChosenFile : vellaro::SaveDialog {
  int shown = 0;
  std::string name;
  bool Execute(vellaro::SaveDialogSettings& settings) override {
    ++shown;
    if (name.empty()) return false;
    settings.FileName = name;
    return true;
  }
};

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

// What the tests of the whole window share. A test class derives from it beside QObject, calls
// SetUp() from initTestCase, and opens and closes `shown_` from init() and cleanup().
class WindowFixture {
 protected:
  void SetUp() {
    home_.Use();
    InstallFontSubstitutions();
  }
  MainWindow& w() { return shown_.window(); }
  vellaro::Game& game() { return w().game(); }
  // The engine's own fields, which the tests read behind the window's back.
  vellaro::GameState& State() { return vellaro::GamePeer::State(game()); }
  vellaro::Window& Controls() { return vellaro::GamePeer::Controls(game()); }
  // The left part of the line under the head: progress, digits typed, a refusal or a hint.
  QString ReadoutText() { return ReadoutOf(w()).progress(); }
  void WaitForTheAnalysis() { QTRY_VERIFY_WITH_TIMEOUT(!game().AnalysisRunning(), 10000); }
  // The window's timers, the game's and its own, in virtual time from now on.
  void RunInVirtualTime() {
    w().timers().SwitchTo(time_);
    w().shell_timers().SwitchTo(time_);
  }
  // A click on the tile, and the analysis run to its end in virtual time: 0.1 s of it at
  // most passes after, for the bet display's ticks to show the chip.
  void EnterInTime(int n) {
    ClickTile(w(), n);
    QVERIFY(time_.RunUntilTrue([&] { return !game().AnalysisRunning(); }, 60'000));
    time_.AdvanceBy(100);
    w().Sync();
  }

  // The home and the time outlive every window that uses them.
  TemporaryHome home_;
  vellaro::VirtualScheduler time_;
  TestWindow shown_;
};

// A point of the background: below the history strip, above the board.
inline constexpr QPoint kBackground{100, 66};

}  // namespace vellaro::app::testing
