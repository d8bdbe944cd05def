// The keyboard entry: its digit logic alone, then the keys in the window.

#include <QTest>
#include <memory>
#include <string>

#include "app/fonts.h"
#include "app/keyboard_entry.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::KeyboardEntry;
using vellaro::app::MainWindow;
using Action = KeyboardEntry::Action;

namespace {

// Types the decimal digits of `text` and returns the action of the last one.
Action TypeDigits(KeyboardEntry& entry, const std::string& text) {
  Action last = Action::kNone;
  for (const char c : text) last = entry.Digit(c - '0');
  return last;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  TestWindow shown_;

  MainWindow& w() { return shown_.window(); }
  vellaro::Game& game() { return w().game(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QTest::keyClick(&w(), key, held);
  }
  // Types a number and Enter, as a player at the table would.
  void TypeAndEnter(int n) {
    QTest::keyClicks(&w(), QString::number(n));
    Key(Qt::Key_Return);
  }
  QString ReadoutText() {
    return static_cast<vellaro::app::Readout*>(Named(w(), "Readout"))->progress();
  }
  void WaitForTheAnalysis() { QTRY_VERIFY_WITH_TIMEOUT(!game().AnalysisRunning(), 10000); }

 private slots:
  void initTestCase() { vellaro::app::InstallFontSubstitutions(); }

  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  // ---- The digits alone ----------------------------------------------------------------

  void everyNumberOfTheWheelIsEnteredAsTyped() {
    for (int n = 0; n <= 36; ++n) {
      KeyboardEntry entry;
      QCOMPARE(TypeDigits(entry, std::to_string(n)), Action::kNone);
      QCOMPARE(entry.Digits(), std::to_string(n));
      QCOMPARE(entry.Enter(), Action::kEnter);
      QCOMPARE(entry.Number(), n);
      QVERIFY(entry.Digits().empty());
      QVERIFY(entry.Text().empty());
    }
  }

  void anImpossibleNumberIsRefusedAtItsLastDigitAndForgotten() {
    // 37..99, and a 0 followed by anything: no such pocket.
    for (const std::string typed : {"37", "40", "99", "00", "05", "09"}) {
      KeyboardEntry entry;
      QCOMPARE(entry.Digit(typed[0] - '0'), Action::kNone);
      QCOMPARE(entry.Digit(typed[1] - '0'), Action::kRefused);
      QVERIFY(entry.Digits().empty());
      QCOMPARE(entry.Text(), "Refused: " + typed + " is not on the wheel");
      // An Enter after the slip plays nothing, not even its first digit.
      QCOMPARE(entry.Enter(), Action::kNone);
    }
    // The highest number is still taken.
    KeyboardEntry entry;
    QCOMPARE(TypeDigits(entry, "36"), Action::kNone);
    // A third digit never makes a number.
    QCOMPARE(entry.Digit(0), Action::kRefused);
  }

  void backspaceTakesBackDigitsOnlyThenOnlyHints() {
    KeyboardEntry entry;
    QCOMPARE(entry.Backspace(), Action::kHint);
    TypeDigits(entry, "21");
    QCOMPARE(entry.Text(), std::string("Typed: 21 (Enter to play, Esc to clear)"));
    QCOMPARE(entry.Backspace(), Action::kNone);
    QCOMPARE(entry.Digits(), std::string("2"));
    QCOMPARE(entry.Backspace(), Action::kNone);
    QCOMPARE(entry.Backspace(), Action::kHint);
    // A digit after a refusal starts afresh.
    entry.Refuse("locked");
    QCOMPARE(entry.Digit(3), Action::kNone);
    QCOMPARE(entry.Text().rfind("Typed: 3", 0), size_t{0});
    entry.Refuse("locked");
    QCOMPARE(entry.Text(), std::string("Refused: locked"));
  }

  void escapeAndRefusalsForgetTheDigits() {
    KeyboardEntry entry;
    TypeDigits(entry, "1");
    entry.Clear();
    QVERIFY(entry.Text().empty());
    QCOMPARE(entry.Enter(), Action::kNone);
    TypeDigits(entry, "12");
    entry.Refuse("locked");
    QCOMPARE(entry.Text(), std::string("Refused: locked"));
    QCOMPARE(entry.Enter(), Action::kNone);
    // The next digit starts afresh and hides the refusal.
    entry.Digit(4);
    QCOMPARE(entry.Digits(), std::string("4"));
    QCOMPARE(entry.Text().rfind("Typed: 4", 0), size_t{0});
  }

  // ---- The keys in the window ----------------------------------------------------------

  void aTypedNumberIsEnteredLikeAClickOnItsTile() {
    QTest::keyClicks(&w(), QStringLiteral("17"));
    QCOMPARE(ReadoutText(), QStringLiteral("Typed: 17 (Enter to play, Esc to clear)"));
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{1});
    QCOMPARE(game().controls().NumbersList, (vellaro::TextLines{"17"}));
    // The readout tells the progress again.
    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation in 4 spins"));
    // Escape forgets what was typed: Enter then plays nothing.
    QTest::keyClicks(&w(), QStringLiteral("3"));
    Key(Qt::Key_Escape);
    Key(Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{1});
    // 0 is a number too.
    TypeAndEnter(0);
    QCOMPARE(game().controls().NumbersList, (vellaro::TextLines{"17", "0"}));
  }

  void anImpossibleNumberIsRefusedInTheWindowAtOnce() {
    QTest::keyClicks(&w(), QStringLiteral("37"));
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 37 is not on the wheel"));
    Key(Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
  }

  void keysWhileTheAnalysisRunsAreRefusedAndNotQueued() {
    for (const int n : {1, 2, 3, 4, 5}) TypeAndEnter(n);
    QVERIFY(game().AnalysisRunning());
    TypeAndEnter(9);
    QCOMPARE(ReadoutText(),
             QStringLiteral("Refused: 9: the board is locked while the analysis runs"));
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
    WaitForTheAnalysis();
    // Nothing typed during the analysis arrives after it.
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
    TypeAndEnter(9);
    QCOMPARE(game().SpinsInHistory(), int64_t{6});
  }

  void ctrlZPressesTheUndoOnlyWhileItIsOffered() {
    for (const int n : {1, 2, 3, 4, 5}) TypeAndEnter(n);
    WaitForTheAnalysis();
    QVERIFY(game().UndoOffered());
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    QVERIFY(!game().UndoOffered());
    // Not offered: neither key takes a spin back.
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Backspace);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    // The number taken back is crossed out: typed, it is refused as its tile would be.
    TypeAndEnter(5);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 5: crossed out, the undo took it back"));
    TypeAndEnter(6);
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
    WaitForTheAnalysis();
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
  }

  void backspaceNeverTakesASpinBackButSaysWhereTheUndoIs() {
    for (const int n : {1, 2, 3, 4, 5}) TypeAndEnter(n);
    WaitForTheAnalysis();
    QVERIFY(game().UndoOffered());
    // Type 2, then Backspace twice: the digit goes, the spin stays.
    const QString progress = ReadoutText();
    QTest::keyClicks(&w(), QStringLiteral("2"));
    Key(Qt::Key_Backspace);
    QCOMPARE(ReadoutText(), progress);
    Key(Qt::Key_Backspace);
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
    QVERIFY(game().UndoOffered());
    QCOMPARE(ReadoutText(), QStringLiteral("Nothing typed: Ctrl+Z undoes the last spin"));
    // The next digit replaces the hint.
    QTest::keyClicks(&w(), QStringLiteral("7"));
    QCOMPARE(ReadoutText(), QStringLiteral("Typed: 7 (Enter to play, Esc to clear)"));
  }

  void ctrlShiftZAndCtrlYBringBackTheSpinJustUndone() {
    for (const int n : {1, 2, 3, 4, 5}) TypeAndEnter(n);
    WaitForTheAnalysis();
    const vellaro::TextLines history = game().controls().NumbersList;
    const int32_t balance = game().state().Balance;
    for (const auto held : {Qt::ControlModifier | Qt::ShiftModifier,
                            Qt::KeyboardModifiers(Qt::ControlModifier)}) {
      const bool ctrl_only = held == Qt::KeyboardModifiers(Qt::ControlModifier);
      const Qt::Key key = ctrl_only ? Qt::Key_Y : Qt::Key_Z;
      Key(Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(game().SpinsInHistory(), int64_t{4});
      Key(key, held);
      QCOMPARE(game().SpinsInHistory(), int64_t{5});
      QCOMPARE(game().controls().NumbersList, history);
      QCOMPARE(game().state().Balance, balance);
      QVERIFY(game().UndoOffered());  // as before the undo
      // A second press has nothing to bring back.
      Key(key, held);
      QCOMPARE(game().SpinsInHistory(), int64_t{5});
    }
    // After a spin entered since the undo, there is nothing to redo.
    Key(Qt::Key_Z, Qt::ControlModifier);
    TypeAndEnter(9);
    WaitForTheAnalysis();
    Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{5});
    QCOMPARE(game().controls().NumbersList.back(), std::string("9"));
  }

  void keysTypedIntoAnEditStayThere() {
    // The base-stake edit takes its own digits; the board does not see them.
    PointAndClick(w(), "Options");
    QTRY_VERIFY(w().findChild<QWidget*>(QStringLiteral("BaseStake")) != nullptr);
    QWidget* base = Named(w(), "BaseStake");
    base->setFocus();
    QTest::keyClicks(base, QStringLiteral("5"));
    QTest::keyClick(base, Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
    QVERIFY(w().keyboard().Digits().empty());
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
