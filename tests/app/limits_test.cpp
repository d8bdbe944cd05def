// The session limits in the window: what an edit takes, the dialog that sets them, the
// banner while a limit holds a bet back, and "Continue anyway".

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/fitted_number.h"
#include "app/limit_banner.h"
#include "app/limit_entry.h"
#include "app/limits_dialog.h"
#include "app/main_window.h"
#include "app/message_line.h"
#include "app/session_readout.h"
#include "betting/withheld_text.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::LimitKind;
using vellaro::app::LimitEntry;
using vellaro::app::MessageLine;

Q_DECLARE_METATYPE(LimitKind)

namespace {

// DEEP SCAN, the mode at start, recommends Black at 1 unit after these five spins, and 0
// loses every even-money bet: after it, Martingale asks for 2 units.
constexpr int kFirstFive[] = {17, 25, 0, 0, 0};
constexpr int kLosing = 0;
const QString kHeldBackAtOne =
    QStringLiteral("Bet held back \u2014 table maximum of 1 unit: the next stake is 2");

}  // namespace

class LimitsTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  void Enter(int n) {
    ClickTile(w(), n);
    WaitForTheAnalysis();
  }
  vellaro::app::LimitsDialog& OpenLimits() {
    PointAndClick(w(), "LimitsButton");
    vellaro::app::LimitsDialog* dialog = w().limits_dialog();
    if (dialog == nullptr) qFatal("the limits button opened no dialog");
    return *dialog;
  }
  // Types `text` into the edit of `limit` and confirms it with Enter.
  void TypeLimit(LimitKind limit, const QString& text) {
    QLineEdit* edit = OpenLimits().Edit(limit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // The five spins, then a losing one: a bet of 2 units is next.
  void PlayALosingRun() {
    for (int n : kFirstFive) Enter(n);
    QVERIFY(Shown(w(), "ChipBlack"));
    Enter(kLosing);
  }
  // The banner is made when a limit first holds a bet back.
  bool BannerShown() {
    const auto* banner = w().findChild<QWidget*>(QStringLiteral("LimitBanner"));
    return banner != nullptr && !banner->isHidden();
  }
  QString BannerText() { return Named<vellaro::app::LimitBanner>(w(), "LimitBanner")->text(); }
  QString SessionText() { return Named<QLabel>(w(), "SessionReadout")->text(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QTest::keyClick(&w(), key, held);
  }
  bool AnyChipShown() {
    for (const char* chip :
         {"ChipLess", "ChipEven", "ChipRed", "ChipBlack", "ChipOdd", "ChipMore"}) {
      if (Shown(w(), chip)) return true;
    }
    return false;
  }

 private slots:
  void initTestCase() { SetUp(); }

  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  // ---- What an edit takes ------------------------------------------------------------------

  void anEntryIsTakenOnlyAsAWholeNumberInRange_data() {
    QTest::addColumn<LimitKind>("limit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("value");  // -1: off
    QTest::newRow("empty is off") << LimitKind::kTableMax << "" << true << -1;
    QTest::newRow("spaces around") << LimitKind::kBankroll << " 250 " << true << 250;
    QTest::newRow("one unit") << LimitKind::kTableMax << "1" << true << 1;
    QTest::newRow("zero units") << LimitKind::kTableMax << "0" << false << 0;
    QTest::newRow("zero losses") << LimitKind::kMaxLosses << "0" << true << 0;
    QTest::newRow("leading zero") << LimitKind::kBankroll << "0100" << true << 100;
    QTest::newRow("largest") << LimitKind::kBankroll << "2147483647" << true << 2147483647;
    QTest::newRow("one more") << LimitKind::kBankroll << "2147483648" << false << 0;
    QTest::newRow("far too large") << LimitKind::kStopLoss << "99999999999999999999" << false << 0;
    QTest::newRow("negative") << LimitKind::kStopLoss << "-50" << false << 0;
    QTest::newRow("plus sign") << LimitKind::kTakeProfit << "+5" << false << 0;
    QTest::newRow("fraction") << LimitKind::kTableMax << "12.5" << false << 0;
    QTest::newRow("exponent") << LimitKind::kTableMax << "1e3" << false << 0;
    QTest::newRow("word") << LimitKind::kMaxLosses << "five" << false << 0;
  }
  void anEntryIsTakenOnlyAsAWholeNumberInRange() {
    QFETCH(LimitKind, limit);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(int, value);
    const LimitEntry entry = vellaro::app::ReadLimitEntry(limit, typed);
    QCOMPARE(entry.accepted, accepted);
    if (accepted) {
      QCOMPARE(entry.value, value < 0 ? std::nullopt : std::optional<int32_t>(value));
      QVERIFY(entry.refusal.isEmpty());
    } else {
      // The refusal names the limit and what was typed.
      const std::string_view name = vellaro::LimitName(limit);
      QVERIFY2(
          entry.refusal.contains(QLatin1String(name.data(), static_cast<qsizetype>(name.size()))),
          qPrintable(entry.refusal));
      QVERIFY2(entry.refusal.contains(typed.trimmed()), qPrintable(entry.refusal));
    }
  }

  // ---- The dialog --------------------------------------------------------------------------

  void eachLimitTypedIsApplied_data() {
    QTest::addColumn<LimitKind>("limit");
    QTest::addColumn<QString>("name");
    QTest::newRow("bankroll") << LimitKind::kBankroll << "Limit_Bankroll";
    QTest::newRow("stop-loss") << LimitKind::kStopLoss << "Limit_StopLoss";
    QTest::newRow("take-profit") << LimitKind::kTakeProfit << "Limit_TakeProfit";
    QTest::newRow("table maximum") << LimitKind::kTableMax << "Limit_TableMax";
    QTest::newRow("losses in a row") << LimitKind::kMaxLosses << "Limit_MaxLosses";
  }
  void eachLimitTypedIsApplied() {
    QFETCH(LimitKind, limit);
    QFETCH(QString, name);
    vellaro::app::LimitsDialog& dialog = OpenLimits();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Edit(limit)->objectName(), name);
    // Every edit starts empty: all limits off.
    QCOMPARE(dialog.Edit(limit)->text(), QString());

    TypeLimit(limit, QStringLiteral("37"));
    vellaro::SessionLimits expected;
    expected[limit] = 37;
    QCOMPARE(game().Limits(), expected);  // this one, and no other
    QCOMPARE(dialog.Edit(limit)->text(), QStringLiteral("37"));

    // Below the limit's smallest: refused in sight, and the edit shows the value in force.
    const QString below = QString::number(vellaro::SessionLimits::Min(limit) - 1);
    TypeLimit(limit, below);
    QCOMPARE(game().Limits(), expected);
    QCOMPARE(dialog.Edit(limit)->text(), QStringLiteral("37"));
    QVERIFY2(dialog.Refusal().contains(below), qPrintable(dialog.Refusal()));
    TypeLimit(limit, QStringLiteral("lots"));
    QCOMPARE(game().Limits(), expected);
    QCOMPARE(dialog.Edit(limit)->text(), QStringLiteral("37"));
    QVERIFY(dialog.Refusal().contains(QStringLiteral("lots")));

    // The smallest is taken and the refusal goes; empty turns the limit off again.
    TypeLimit(limit, QString::number(vellaro::SessionLimits::Min(limit)));
    QCOMPARE(game().Limits()[limit], vellaro::SessionLimits::Min(limit));
    QVERIFY(dialog.Refusal().isEmpty());
    TypeLimit(limit, QString());
    QCOMPARE(game().Limits(), vellaro::SessionLimits{});
    QCOMPARE(dialog.Edit(limit)->text(), QString());
  }

  // The word beside a limit's edit follows its value: "1 unit a stake", "11 units a stake".
  void aLimitOfOneUnitIsSingular() {
    auto* unit = OpenLimits().findChild<QLabel*>(QStringLiteral("LimitUnit_TableMax"));
    QVERIFY(unit != nullptr);
    QCOMPARE(unit->text(), QStringLiteral("units a stake"));
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    QCOMPARE(unit->text(), QStringLiteral("unit a stake"));
    TypeLimit(LimitKind::kTableMax, QStringLiteral("11"));
    QCOMPARE(unit->text(), QStringLiteral("units a stake"));
  }

  void aLimitIsCommittedWhenTheKeyboardLeavesItsEditOrTheDialogCloses() {
    vellaro::app::LimitsDialog& dialog = OpenLimits();
    // The keyboard moves between the edits of the active dialog only.
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* table = dialog.Edit(LimitKind::kTableMax);
    table->setFocus();
    QTest::keyClicks(table, QStringLiteral("50"));
    QVERIFY(!game().Limits().table_max);  // not yet confirmed
    dialog.Edit(LimitKind::kStopLoss)->setFocus();
    QCOMPARE(game().Limits().table_max, 50);

    QLineEdit* losses = dialog.Edit(LimitKind::kMaxLosses);
    QTest::keyClicks(dialog.Edit(LimitKind::kStopLoss), QStringLiteral("200"));
    losses->setFocus();
    QTest::keyClicks(losses, QStringLiteral("6"));
    PointAndClick(w(), "LimitsButton");  // opens it again: nothing lost meanwhile
    dialog.findChild<QPushButton*>(QStringLiteral("LimitsClose"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(game().Limits().stop_loss, 200);
    QCOMPARE(game().Limits().max_losses, 6);
    // Enter in an edit confirms the edit; it does not close the dialog.
    OpenLimits();
    TypeLimit(LimitKind::kBankroll, QStringLiteral("500"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(game().Limits().bankroll, 500);
  }

  // ---- The banner --------------------------------------------------------------------------

  void aTableMaximumHoldsTheNextStakeBackWithItsNumbers() {
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    QVERIFY(!BannerShown());
    PlayALosingRun();
    QVERIFY(game().WithheldBet().has_value());
    QVERIFY(BannerShown());
    QVERIFY(Shown(w(), "ContinueAnyway"));
    QCOMPARE(BannerText(),
             QStringLiteral("Bet held back \u2014 table maximum of 1 unit: the next stake is 2"));
    QVERIFY(!AnyChipShown());
    QCOMPARE(SessionText(), QStringLiteral("Spins 6  Net -1"));

    // A higher maximum lets it through at once: no banner, the chip at 2 units.
    TypeLimit(LimitKind::kTableMax, QStringLiteral("2"));
    QVERIFY(!BannerShown());
    QVERIFY(!Shown(w(), "ContinueAnyway"));
    QVERIFY(AnyChipShown());
    QCOMPARE(State().Stake, 2);
  }

  void aStopLossReachedSaysSoWithTheNetResult() {
    TypeLimit(LimitKind::kStopLoss, QStringLiteral("1"));
    PlayALosingRun();
    QVERIFY(BannerShown());
    QCOMPARE(BannerText(),
             QStringLiteral("Bet held back \u2014 stop-loss of 1 unit reached: net result -1"));
    // A stop-loss one unit further is not reached yet.
    TypeLimit(LimitKind::kStopLoss, QStringLiteral("2"));
    QVERIFY(!BannerShown());
    QVERIFY(AnyChipShown());
  }

  void continueAnywayShowsTheBetAndCountsIt() {
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    PlayALosingRun();
    const vellaro::BetWithheld held = *game().WithheldBet();
    QCOMPARE(held.stake, 2);
    const QByteArray chip = "Chip" + QByteArray(vellaro::kChanceNames[held.chance].data());
    ClickAt(w(), CentreOf(w(), "ContinueAnyway"));
    QVERIFY(!game().WithheldBet());
    QVERIFY(!BannerShown());
    QVERIFY(!Shown(w(), "ContinueAnyway"));
    QVERIFY(Shown(w(), chip.constData()));
    // The stake counts at the next spin: 0 loses it, the net goes from -1 to -3.
    QCOMPARE(SessionText(), QStringLiteral("Spins 6  Net -1"));
    Enter(kLosing);
    QCOMPARE(SessionText(), QStringLiteral("Spins 7  Net -3"));
    // The limit stays: the next stake, 4, is held back again.
    QVERIFY(BannerShown());
    QVERIFY(BannerText().endsWith(QStringLiteral("the next stake is 4")));
  }

  void theKeysKeepWorkingUnderTheBanner() {
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    PlayALosingRun();
    w().activateWindow();
    w().setFocus();
    QTest::keyClicks(&w(), QStringLiteral("3"));
    // The reason stays beside "Continue anyway"; the digits wait in the line beneath.
    QCOMPARE(BannerText(), kHeldBackAtOne);
    QVERIFY2(ReadoutText().startsWith(QStringLiteral("Typed: 3")), qPrintable(ReadoutText()));
    QTest::keyClick(&w(), Qt::Key_Escape);
    QCOMPARE(BannerText(), kHeldBackAtOne);
    // Enter enters the number; it never presses "Continue anyway".
    QTest::keyClicks(&w(), QStringLiteral("3"));
    QTest::keyClick(&w(), Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{7});
    // The next spin's analysis has dropped the bet not taken up: it cost nothing.
    QVERIFY(!BannerShown());
    QVERIFY(!Shown(w(), "ContinueAnyway"));
    // Tab reaches it; a click leaves the keyboard with the board.
    QVERIFY(Named(w(), "ContinueAnyway")->focusPolicy() == Qt::TabFocus);
    WaitForTheAnalysis();
    QCOMPARE(SessionText(), QStringLiteral("Spins 7  Net -1"));
  }

  void withoutLimitsTheWindowPlaysAsBefore_data() {
    QTest::addColumn<QString>("table_max");
    QTest::newRow("no limit") << QString();
    QTest::newRow("a maximum never reached") << QStringLiteral("1000");
  }
  void withoutLimitsTheWindowPlaysAsBefore() {
    QFETCH(QString, table_max);
    if (!table_max.isEmpty()) TypeLimit(LimitKind::kTableMax, table_max);
    PlayALosingRun();
    QVERIFY(!game().WithheldBet());
    QVERIFY(!BannerShown());
    QVERIFY(AnyChipShown());
    QCOMPARE(State().Stake, 2);
    Enter(kLosing);
    QVERIFY(!BannerShown());
    QCOMPARE(SessionText(), QStringLiteral("Spins 7  Net -3"));
    // Nothing of the limits was even made.
    QVERIFY(w().findChild<QWidget*>(QStringLiteral("LimitBanner")) == nullptr);
    QVERIFY(w().findChild<QWidget*>(QStringLiteral("ContinueAnyway")) == nullptr);
  }

  // ---- What the line says, most pressing first ------------------------------------------------

  void theLineTellsTheHeldBackBetFirstThenTheJournalThenTheRest() {
    MessageLine line(time_);
    line.SetProgress(QStringLiteral("Spin 12"));
    QCOMPARE(line.Left(), QStringLiteral("Spin 12"));
    line.Refuse(QStringLiteral("10: crossed out, the undo took it back"));
    const QString refusal = QStringLiteral("Refused: 10: crossed out, the undo took it back");
    QCOMPARE(line.Left(), refusal);
    // The journal's state keeps its own part of the line, whole, beside the refusal.
    line.SetJournal(QStringLiteral("Journal off: disk full; retrying"));
    QCOMPARE(line.Right(), QStringLiteral("Journal off: disk full; retrying"));
    QCOMPARE(line.Left(), refusal);
    QVERIFY(!line.BannerShown());
    // A limit takes the banner with its own reason, whatever waits beneath.
    line.SetHeldBack(QStringLiteral("table maximum of 2 units: the next stake is 4"));
    QVERIFY(line.BannerShown());
    QCOMPARE(line.BannerText(), QStringLiteral("Bet held back \u2014 table maximum of 2 units: "
                                               "the next stake is 4"));
    QCOMPARE(line.ShorterBannerText(),
             QStringLiteral("Table maximum of 2 units: the next stake is 4"));
    // A digit typed takes the left part and ends the refusal: it does not come back after.
    line.SetTyped(QStringLiteral("Typed: 1 (Enter to play, Esc to clear)"));
    QCOMPARE(line.Left(), QStringLiteral("Typed: 1 (Enter to play, Esc to clear)"));
    line.SetTyped(QString());
    QCOMPARE(line.Left(), QStringLiteral("Spin 12"));
    line.SetHeldBack(QString());
    QVERIFY(!line.BannerShown());
  }

  void aRefusalOrAHintPassesAtTheNextSpinOrAfterItsTime() {
    MessageLine line(time_);
    line.SetProgress(QStringLiteral("Spin 4"));
    line.SetSpins(4);
    line.Refuse(QStringLiteral("37 is not on the wheel"));
    time_.AdvanceBy(MessageLine::kPassingMs - 1);
    QCOMPARE(line.Left(), QStringLiteral("Refused: 37 is not on the wheel"));
    time_.AdvanceBy(1);
    QCOMPARE(line.Left(), QStringLiteral("Spin 4"));
    QVERIFY(!time_.NextDueMs());  // nothing left running

    // Said again, it stays its whole time again.
    const QString hint = QStringLiteral("Ctrl+Z undoes the last spin");
    line.Hint(hint);
    time_.AdvanceBy(3000);
    line.Hint(hint);
    time_.AdvanceBy(MessageLine::kPassingMs - 1);
    QCOMPARE(line.Left(), hint);
    time_.AdvanceBy(1);
    QVERIFY(line.Passing().isEmpty());

    // An undo takes a spin away and the message stays; the next spin entered ends it.
    line.Refuse(QStringLiteral("4: crossed out, the undo took it back"));
    line.SetSpins(3);
    line.SetSpins(3);
    QVERIFY(!line.Passing().isEmpty());
    line.SetSpins(4);
    QVERIFY(line.Passing().isEmpty());
    QVERIFY(!time_.NextDueMs());
    // Escape ends it as well.
    line.Hint(hint);
    line.Dismiss();
    QCOMPARE(line.Left(), QStringLiteral("Spin 4"));
    QVERIFY(!time_.NextDueMs());
  }

  void anOldRefusalNeverStandsBesideContinueAnyway() {
    RunInVirtualTime();
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    w().activateWindow();
    w().setFocus();
    // A fifth spin taken back, then typed again: refused, its tile is crossed out.
    for (int n : {17, 25, 0, 0, 5}) EnterInTime(n);
    QVERIFY(game().UndoOffered());
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    QTest::keyClicks(&w(), QStringLiteral("5"));
    Key(Qt::Key_Return);
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 5: crossed out, the undo took it back"));
    // The spin entered instead ends the refusal. It settles the bet of the fifth spin's
    // analysis, Black at 1 unit, and 0 loses it: the table maximum holds the next one back.
    EnterInTime(kLosing);
    QVERIFY(BannerShown());
    QCOMPARE(BannerText(), kHeldBackAtOne);
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 5"));

    // Refused under the banner: the reason stays; the refusal waits beneath for its time.
    QTest::keyClicks(&w(), QStringLiteral("99"));
    QCOMPARE(BannerText(), kHeldBackAtOne);
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 99 is not on the wheel"));
    time_.AdvanceBy(MessageLine::kPassingMs - 1);
    w().Sync();
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 99 is not on the wheel"));
    time_.AdvanceBy(1);
    w().Sync();
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 5"));
    QCOMPARE(BannerText(), kHeldBackAtOne);
    QVERIFY(Shown(w(), "ContinueAnyway"));

    // A slip, then a click on a tile: the spin taken ends the refusal at once.
    QTest::keyClicks(&w(), QStringLiteral("37"));
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 37 is not on the wheel"));
    EnterInTime(kLosing);
    QCOMPARE(ReadoutText(), QStringLiteral("Spin 6"));
  }

  // ---- Where it all lies ---------------------------------------------------------------------

  void theBannerLeavesTheBoardAndTheHeadAloneAndShowsEveryReasonWhole() {
    // Made when a limit first holds a bet back.
    QVERIFY(w().findChild<QWidget*>(QStringLiteral("LimitBanner")) == nullptr);
    TypeLimit(LimitKind::kTableMax, QStringLiteral("1"));
    PlayALosingRun();
    const QRect banner = Named(w(), "LimitBanner")->geometry();
    const QRect button = Named(w(), "ContinueAnyway")->geometry();
    QVERIFY(banner.contains(button));
    for (int n : {0, 1, 3, 34, 36}) {
      const QByteArray tile = "Tile" + QByteArray::number(n);
      QVERIFY2(!banner.intersects(Named(w(), tile.constData())->geometry()), tile.constData());
    }
    QVERIFY(banner.bottom() < 76);  // the gold frame of the board
    QVERIFY(!banner.intersects(Named(w(), "SessionReadout")->geometry()));
    QVERIFY(!banner.intersects(Named(w(), "History1")->geometry()));
    auto* pushed = Named<QPushButton>(w(), "ContinueAnyway");
    QVERIFY(pushed->fontMetrics().horizontalAdvance(pushed->text()) <= button.width() - 8);
    QVERIFY(!pushed->toolTip().isEmpty());
    QVERIFY(!Named(w(), "LimitBanner")->toolTip().isEmpty());

    // Every reason is drawn whole and readable, even with the largest figures it can hold.
    auto* drawn = Named<vellaro::app::LimitBanner>(w(), "LimitBanner");
    for (int i = 0; i < vellaro::kLimits; ++i) {
      vellaro::BetWithheld held;
      held.limit = static_cast<LimitKind>(i);
      held.stake = vellaro::SessionLimits::kMax;
      held.limit_value = vellaro::SessionLimits::kMax;
      held.net = -int64_t{vellaro::SessionLimits::kMax} * 4;
      held.losses_in_row = vellaro::SessionLimits::kMax;
      held.bankroll_left = held.net + held.limit_value;
      const QString reason = QString::fromStdString(vellaro::WithheldReason(held));
      drawn->SetText(QStringLiteral("Bet held back \u2014 ") + reason, reason);
      const QString text = drawn->text();
      QVERIFY2(text.endsWith(reason), qPrintable(text));  // every figure, whichever form
      QVERIFY(drawn->textFont().pixelSize() >= vellaro::app::kSmallestReadablePixels);
      const QRect room = drawn->TextRect();
      const int flags = drawn->wrapped() ? Qt::TextWordWrap : 0;
      const QRect needed = QFontMetrics(drawn->textFont()).boundingRect(room, flags, text);
      QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height() + 1,
               qPrintable(text));
    }
    // The limits button sits in the head beside the panel's, over neither.
    const QRect limits = Named(w(), "LimitsButton")->geometry();
    for (const char* other : {"PanelButton", "Minimize", "Close", "SessionReadout"}) {
      QVERIFY2(!limits.intersects(Named(w(), other)->geometry()), other);
    }
  }
};

QTEST_MAIN(LimitsTest)
#include "limits_test.moc"
