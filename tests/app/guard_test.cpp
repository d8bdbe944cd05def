#include "app/guard.h"

#include <QTest>
#include <memory>
#include <stdexcept>

#include "app/fonts.h"
#include "app/main_window.h"
#include "app/qt_scheduler.h"
#include "env/timer.h"
#include "game/text_number.h"
#include "support/game_peer.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::Guard;
using vellaro::app::MainWindow;

class GuardTest : public QObject {
  Q_OBJECT

 private:
  Guard guard_;
  QStringList errors_;

 private slots:
  void initTestCase() { vellaro::app::InstallFontSubstitutions(); }

  void init() {
    errors_.clear();
    guard_.SetErrorBox([this](const QString& message) { errors_ << message; });
  }

  void anErrorEscapingAnEventIsShownAndTheGameGoesOn() {
    MainWindow window(guard_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickTile(window, 7);
    ClickTile(window, 8);
    // The third spin reads the previous number back from the strip.
    vellaro::GamePeer::Controls(window.game()).HisNum[0].caption = std::string(1, 'x');
    ClickTile(window, 9);
    QCOMPARE(errors_, QStringList{QStringLiteral("'x' is not a valid integer value")});
    // The rest of that spin is skipped: the strip was not shifted.
    QCOMPARE(vellaro::GamePeer::Controls(window.game()).NumbersList.size(), size_t{3});
    QCOMPARE(vellaro::GamePeer::Controls(window.game()).HisNum[1].caption, std::string("7"));

    // The window still answers the pointer and the timers keep ticking.
    MoveTo(window, CentreOf(window, "Tile12"));
    QVERIFY(Shown(window, "TileLit12"));
    vellaro::GamePeer::Controls(window.game()).Label30.caption.clear();
    QTRY_COMPARE(vellaro::GamePeer::Controls(window.game()).Label30.caption,
                 std::string("1000000"));
    QCOMPARE(errors_.size(), 1);
  }

  void aForeignErrorIsShownWithAnEmptyMessage() {
    guard_.Run([] { throw 42; });
    QCOMPARE(errors_, QStringList{QString()});
  }

  void anErrorRepeatingWhileTheBoxIsOpenDoesNotOpenAnother() {
    guard_.SetErrorBox([this](const QString& message) {
      errors_ << message;
      guard_.Run([] { throw std::runtime_error("again"); });
    });
    guard_.Run([] { throw std::runtime_error("first"); });
    QCOMPARE(errors_, QStringList{QStringLiteral("first")});
  }

  void startUpThatFailsIsReportedAndStillExitsWithZero() {
    QCOMPARE(vellaro::app::RunGuarded(guard_, [] { throw vellaro::ConversionError("y"); }), 0);
    QCOMPARE(vellaro::app::RunGuarded(guard_, [] { throw 3.5; }), 0);
    QCOMPARE(errors_, (QStringList{QStringLiteral("'y' is not a valid integer value"), QString()}));
    QCOMPARE(vellaro::app::RunGuarded(guard_, [] {}), 0);
    QCOMPARE(errors_.size(), 2);
  }

  void engineTimersTickThroughQtUntilStopped() {
    int ticks = 0;
    vellaro::Timer* ticking = nullptr;
    vellaro::app::QtScheduler scheduler([&](vellaro::Timer& timer) {
      QCOMPARE(&timer, ticking);
      timer.Tick();
    });
    {
      vellaro::Timer timer(scheduler, 5, false, [&] { ++ticks; });
      ticking = &timer;
      QCOMPARE(scheduler.RunningCount(), 0);
      timer.Start();
      QCOMPARE(scheduler.RunningCount(), 1);
      QTRY_VERIFY(ticks >= 3);
      timer.Stop();
      const int stopped_at = ticks;
      QTest::qWait(30);
      QCOMPARE(ticks, stopped_at);
      timer.SetInterval(0);
      timer.Start();
      QCOMPARE(scheduler.RunningCount(), 0);  // an interval of 0 never ticks
      timer.SetInterval(5);
      QCOMPARE(scheduler.RunningCount(), 1);
    }
    QCOMPARE(scheduler.RunningCount(), 0);  // a destroyed timer leaves nothing behind
  }
};

QTEST_MAIN(GuardTest)
#include "guard_test.moc"
