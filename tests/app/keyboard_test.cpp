// The keyboard entry: its digit logic alone, then the keys in the window; then the whole
// window by Tab, arrows, Space and Enter, as a screen reader reads it.

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <string>

#include "app/accessible_names.h"
#include "app/announcer.h"
#include "app/board_area.h"
#include "app/board_keys.h"
#include "app/keyboard_entry.h"
#include "app/limits_dialog.h"
#include "app/main_window.h"
#include "app/player_guide.h"
#include "app/session_panel_window.h"
#include "support/game_peer.h"
#include "temporary_home.h"
#include "window_driver.h"

namespace act = vellaro::act;
using namespace vellaro::app::testing;
using vellaro::app::KeyboardEntry;
using Action = KeyboardEntry::Action;
using vellaro::app::BoardMove;

namespace {

QAccessibleInterface* Reader(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

// The role a screen reader must be told for each kind of control the toolkit draws.
QAccessible::Role ExpectedRole(QWidget* widget) {
  if (qobject_cast<QCheckBox*>(widget)) return QAccessible::CheckBox;
  if (qobject_cast<QPushButton*>(widget)) return QAccessible::Button;
  if (qobject_cast<QComboBox*>(widget)) return QAccessible::ComboBox;
  if (qobject_cast<QSpinBox*>(widget)) return QAccessible::SpinBox;
  if (qobject_cast<QSlider*>(widget)) return QAccessible::Slider;
  if (qobject_cast<QLineEdit*>(widget)) return QAccessible::EditableText;
  if (qobject_cast<QTabBar*>(widget)) return QAccessible::PageTabList;
  return Reader(widget)->role();  // the window's own stops: checked one by one below
}

// Every focus the Tab key gives in `window`, from the first after `window` itself until it
// comes round again. Each must have a name and its toolkit's role; the window itself is no
// stop (it has no ring to show).
QStringList WalkTabs(QWidget& window) {
  QStringList names;
  window.setFocus();
  for (int guard = 0; guard < 200; ++guard) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    if (focus == &window && !names.isEmpty()) names << QStringLiteral("<the window itself>");
    if (focus == nullptr || focus == &window || names.contains(focus->objectName())) break;
    names << focus->objectName();
    QAccessibleInterface* reader = Reader(focus);
    if (reader->text(QAccessible::Name).isEmpty()) qWarning() << "no name:" << focus;
    if (reader->text(QAccessible::Name).isEmpty() || reader->role() != ExpectedRole(focus)) {
      names << QStringLiteral("<unnamed or wrong role>");
      break;
    }
  }
  return names;
}

// The keys that take the board's focus to `target`, chosen by where the tiles lie in the
// window, not by the board's own rule: a move that lands on a wrong row or column, or
// nowhere, makes the walk fail.
bool ArrowTo(vellaro::app::BoardKeys& board, int target) {
  for (int step = 0; step < 20 && board.number() != target; ++step) {
    const QPoint at = vellaro::app::BoardArea::TilePlace(board.number()).center();
    const QPoint to = vellaro::app::BoardArea::TilePlace(target).center();
    Qt::Key key = to.x() < at.x() ? Qt::Key_Left : Qt::Key_Right;
    // Rows first: 0 lies beside the middle row only.
    if (to.y() < at.y() && board.number() != 0) key = Qt::Key_Up;
    if (to.y() > at.y() && board.number() != 0) key = Qt::Key_Down;
    QTest::keyClick(&board, key);
  }
  return board.number() == target;
}

// Types the decimal digits of `text` and returns the action of the last one.
Action TypeDigits(KeyboardEntry& entry, const std::string& text) {
  Action last = Action::kNone;
  for (const char c : text) last = entry.Digit(c - '0');
  return last;
}

}  // namespace

class KeyboardTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  // To the control that has the keyboard, as the toolkit would send it; else the window.
  void Key(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr && focus->window() == &w() ? focus : &w(), key, held);
  }
  // Types a number and Enter, as a player at the table would.
  void TypeAndEnter(int n) {
    QTest::keyClicks(&w(), QString::number(n));
    Key(Qt::Key_Return);
  }
  // Walks a window of its own by Tab: at least `least` stops, each named, with its role.
  static void WalkDialog(QWidget& dialog, int least) {
    Activate(dialog);
    const QStringList stops = WalkTabs(dialog);
    QVERIFY2(!stops.contains("<unnamed or wrong role>"), qPrintable(stops.join(u' ')));
    QVERIFY2(stops.size() >= least, qPrintable(stops.join(u' ')));
  }

 private slots:
  void initTestCase() { SetUp(); }

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
    QCOMPARE(Controls().NumbersList, (vellaro::TextLines{"17"}));
    // The readout tells the progress again.
    QCOMPARE(ReadoutText(), QStringLiteral("First recommendation in 4 spins"));
    // Escape forgets what was typed: Enter then plays nothing.
    QTest::keyClicks(&w(), QStringLiteral("3"));
    Key(Qt::Key_Escape);
    Key(Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{1});
    // 0 is a number too.
    TypeAndEnter(0);
    QCOMPARE(Controls().NumbersList, (vellaro::TextLines{"17", "0"}));
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
    const vellaro::TextLines history = Controls().NumbersList;
    const int32_t balance = State().Balance;
    for (const auto held :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::KeyboardModifiers(Qt::ControlModifier)}) {
      const bool ctrl_only = held == Qt::KeyboardModifiers(Qt::ControlModifier);
      const Qt::Key key = ctrl_only ? Qt::Key_Y : Qt::Key_Z;
      Key(Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(game().SpinsInHistory(), int64_t{4});
      Key(key, held);
      QCOMPARE(game().SpinsInHistory(), int64_t{5});
      QCOMPARE(Controls().NumbersList, history);
      QCOMPARE(State().Balance, balance);
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
    QCOMPARE(Controls().NumbersList.back(), std::string("9"));
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

  // ---- Every control by Tab, Space and Enter, and to a screen reader -------------------

  void tabWalksTheWindowInReadingOrderAndNamesEveryStop() {
    Activate(w());
    const QStringList window = WalkTabs(w());
    const QStringList expected = {
        "SaveKey",       "MinimizeKey",  "CloseKey",     "AddSpinsKey",       "GuideKey",
        "NewSessionKey", "LimitsKey",    "PanelKey",     "SessionReadoutKey", "ReadoutKey",
        "BoardKeys",     "HistoryKey",   "TrendKeyLess", "TrendKeyEven",      "TrendKeyRed",
        "TrendKeyBlack", "TrendKeyOdd",  "TrendKeyMore", "ChipKeyLess",       "ChipKeyEven",
        "ChipKeyRed",    "ChipKeyBlack", "ChipKeyOdd",   "ChipKeyMore",       "OptionsKey"};
    // At SAFE LEVEL 0 no lamp shows, and there is none to stop at.
    QCOMPARE(window, expected);
    w().Handle([this] { game().Apply(act::SetSafeLevel{2}); });
    QTRY_VERIFY(Shown(w(), "LampDark"));
    QVERIFY(WalkTabs(w()).contains("LampKey"));
    w().Handle([this] { game().Apply(act::SetSafeLevel{0}); });
    // The options area, opened from the keyboard, follows its button, row by row; the
    // undo joins the strip once it is offered.
    Named(w(), "OptionsKey")->setFocus();
    Key(Qt::Key_Space);
    QVERIFY(vellaro::GameView(game()).OptionsOpen());
    for (const int n : {1, 2, 3, 4, 5}) TypeAndEnter(n);
    WaitForTheAnalysis();
    const QStringList opened = WalkTabs(w());
    // The undo follows the board.
    const qsizetype board = expected.indexOf("BoardKeys") + 1;
    QCOMPARE(opened.mid(0, board + 1), expected.mid(0, board) + QStringList{"UndoKey"});
    QCOMPARE(opened.mid(board + 1, expected.size() - board), expected.mid(board));
    const QStringList options = opened.mid(expected.size() + 1);
    QVERIFY2(!options.contains("<unnamed or wrong role>"), qPrintable(options.join(u' ')));
    // Every control the keyboard can use is on the way, once.
    QStringList usable;
    for (QWidget* widget : w().findChildren<QWidget*>()) {
      if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(&w()) &&
          widget->isEnabled() && !widget->objectName().startsWith("qt_")) {
        usable << widget->objectName();
      }
    }
    QStringList walked = opened;
    walked.sort();
    usable.sort();
    QCOMPARE(walked, usable);
    for (const char* control : {"BaseStake", "GameMode", "BettingSystem", "SafeLevel"}) {
      QVERIFY2(options.contains(QLatin1String(control)), control);
    }
    QVERIFY(options.indexOf("BaseStake") < options.indexOf("SafeLevel"));
    // Those locked now are named for when they open.
    QCOMPARE(Reader(Named(w(), "UpTrenderAdd"))->text(QAccessible::Name).isEmpty(), false);
  }

  void theStopsTellTheirRolesAndValues() {
    const auto read = [this](const char* name, QAccessible::Text t = QAccessible::Value) {
      return Reader(Named(w(), name))->text(t);
    };
    QCOMPARE(Reader(Named(w(), "SaveKey"))->role(), QAccessible::Button);
    QCOMPARE(Reader(Named(w(), "TrendKeyRed"))->role(), QAccessible::CheckBox);
    QCOMPARE(Reader(Named(w(), "LampKey"))->role(), QAccessible::Indicator);
    QCOMPARE(Reader(Named(w(), "ChipKeyRed"))->role(), QAccessible::StaticText);
    QCOMPARE(read("ChipKeyRed", QAccessible::Name), QStringLiteral("Bet on Red"));
    QCOMPARE(read("ChipKeyRed"), QStringLiteral("no bet"));
    QCOMPARE(read("LampKey"), QStringLiteral("off"));
    QCOMPARE(read("HistoryKey"), QStringLiteral("none yet"));
    QCOMPARE(read("BoardKeys"), QStringLiteral("0 green"));
    // Every bet shown: its chip reads its stake, as words and as a number, and it is said.
    w().Handle([this] { game().Apply(act::SetSafeLevel{0}); });
    int chance = -1;
    for (const int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) {
      TypeAndEnter(n);
      WaitForTheAnalysis();
      for (int k = 0; k < vellaro::kChances && chance < 0; ++k) {
        if (vellaro::GameView(game()).Chip(k).stake_shown) chance = k;
      }
      if (chance >= 0) break;
    }
    QVERIFY(chance >= 0);
    const QString name =
        QStringLiteral("ChipKey%1")
            .arg(QLatin1String(vellaro::kChanceNames[static_cast<size_t>(chance)].data()));
    QAccessibleInterface* chip = Reader(Named(w(), qPrintable(name)));
    const std::string stake = vellaro::GameView(game()).Chip(chance).stake;
    QCOMPARE(chip->text(QAccessible::Value), QString::fromStdString(stake) + " units");
    QVERIFY(chip->valueInterface() != nullptr);
    QCOMPARE(chip->valueInterface()->currentValue().toInt(), std::stoi(stake));
    QVERIFY(w().announcer().Last().contains(QString::fromStdString(stake)));
    QVERIFY(w().announcer().Last().startsWith("Bet "));
    // The net result is the session readout's, as a number too.
    QAccessibleInterface* net = Reader(Named(w(), "SessionReadoutKey"));
    QCOMPARE(net->valueInterface()->currentValue().toLongLong(),
             w().session_track().result().counts().net);
    QVERIFY(net->text(QAccessible::Value).contains("Net"));
    QCOMPARE(read("HistoryKey").section(u',', 0, 0),
             QString::fromStdString(vellaro::GameView(game()).History(0).number));
    QCOMPARE(read("LampKey"), QStringLiteral("off"));  // off while the SAFE LEVEL is 0
  }

  void arrowsMoveOverTheBoardAsItIsLaidOutAndStopAtItsEdges() {
    struct Move {
      int from;
      BoardMove move;
      int to;
    };
    const Move kMoves[] = {
        {0, BoardMove::kRight, 2},   {0, BoardMove::kLeft, 0},  {0, BoardMove::kUp, 0},
        {0, BoardMove::kDown, 0},    {1, BoardMove::kLeft, 0},  {3, BoardMove::kLeft, 0},
        {1, BoardMove::kUp, 2},      {2, BoardMove::kUp, 3},    {3, BoardMove::kUp, 3},
        {1, BoardMove::kDown, 1},    {5, BoardMove::kRight, 8}, {5, BoardMove::kLeft, 2},
        {34, BoardMove::kRight, 34}, {36, BoardMove::kUp, 36},  {34, BoardMove::kDown, 34},
        {35, BoardMove::kDown, 34}};
    for (const Move& m : kMoves) {
      QCOMPARE(vellaro::app::MoveOnBoard(m.from, m.move), m.to);
    }
    // Every tile is reached, and each step lands on a tile beside the last on the window.
    vellaro::app::BoardKeys& board = *w().board_keys();
    for (int n = 0; n < vellaro::kNumbers; ++n)
      QVERIFY2(ArrowTo(board, n), qPrintable(QString::number(n)));
  }

  // A screen reader's review, or a script driving the pointer, finds each number of the
  // painted board by its name and where it lies; a click at that place enters that number.
  void everyNumberOfTheBoardIsAPartNamedWhereItsTileLies() {
    vellaro::app::BoardKeys& keys = *w().board_keys();
    QAccessibleInterface* board = Reader(&keys);
    QCOMPARE(board->childCount(), vellaro::kNumbers);
    for (int n = 0; n < vellaro::kNumbers; ++n) {
      QAccessibleInterface* part = board->child(n);
      QVERIFY(part != nullptr && part->isValid());
      QCOMPARE(part->text(QAccessible::Name), vellaro::app::NumberName(n));
      QCOMPARE(part->role(), QAccessible::ListItem);
      QCOMPARE(part->parent(), board);
      QCOMPARE(board->indexOfChild(part), n);
      QCOMPARE(board->child(n), part);  // the same part each time: a screen reader keeps it
      const QRect tile = vellaro::app::BoardArea::TilePlace(n);
      QCOMPARE(part->rect(), QRect(w().mapToGlobal(tile.topLeft()), tile.size()));
      QCOMPARE(board->childAt(part->rect().center().x(), part->rect().center().y()), part);
    }
    keys.MoveTo(17);
    keys.setFocus();
    QVERIFY(board->child(17)->state().focused);
    QVERIFY(!board->child(16)->state().focused);
    // The place a part gives is where the pointer enters its number.
    const QRect place = board->child(23)->rect();
    MoveTo(w(), w().mapFromGlobal(place.center()));
    ClickAt(w(), w().mapFromGlobal(place.center()));
    QCOMPARE(vellaro::GameView(game()).History(0).number, std::string("23"));
  }

  void tenSpinsByArrowsAndEnterGiveTheStripOfTenClicks() {
    const int spins[] = {17, 0, 36, 3, 1, 34, 22, 0, 9, 28};
    TestWindow clicked;
    clicked.Open();
    for (const int n : spins) {
      ClickTile(clicked.window(), n);
      QTRY_VERIFY_WITH_TIMEOUT(!clicked.window().game().AnalysisRunning(), 10000);
    }
    Activate(w());
    w().setFocus();
    while (QApplication::focusWidget() != w().board_keys()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (int i = 0; i < 10; ++i) {
      QVERIFY(ArrowTo(*w().board_keys(), spins[i]));
      Key(i % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
      WaitForTheAnalysis();
    }
    QCOMPARE(Controls().NumbersList,
             vellaro::GamePeer::Controls(clicked.window().game()).NumbersList);
    for (int i = 0; i < vellaro::GameView::kHistorySquares; ++i) {
      QCOMPARE(vellaro::GameView(game()).History(i),
               vellaro::GameView(clicked.window().game()).History(i));
    }
    clicked.Close();
  }

  void spaceAndEnterOperateTheControlsAndDigitsKeepTheirEnter() {
    Activate(w());
    Named(w(), "TrendKeyRed")->setFocus();
    Key(Qt::Key_Space);
    QVERIFY(vellaro::GameView(game()).TrendActive(2));
    QCOMPARE(Reader(Named(w(), "TrendKeyRed"))->state().checked, true);
    Key(Qt::Key_Return);
    QVERIFY(!vellaro::GameView(game()).TrendActive(2));
    // Digits typed over a control: Enter enters the number, the control stays as it was.
    QTest::keyClicks(Named(w(), "TrendKeyRed"), QStringLiteral("17"));
    Key(Qt::Key_Return);
    QCOMPARE(Controls().NumbersList, (vellaro::TextLines{"17"}));
    QVERIFY(!vellaro::GameView(game()).TrendActive(2));
    // The board refuses a crossed-out number as typing does.
    for (const int n : {1, 2, 3, 4}) TypeAndEnter(n);
    WaitForTheAnalysis();
    Named(w(), "UndoKey")->setFocus();
    Key(Qt::Key_Space);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    w().board_keys()->setFocus();
    QVERIFY(ArrowTo(*w().board_keys(), 4));
    Key(Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{4});
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 4: crossed out, the undo took it back"));
    // The head's buttons open what they open.
    Named(w(), "GuideKey")->setFocus();
    Key(Qt::Key_Space);
    QVERIFY(w().guide_dialog() != nullptr && w().guide_dialog()->isVisible());
    w().guide_dialog()->close();
    Activate(w());
    Named(w(), "LimitsKey")->setFocus();
    Key(Qt::Key_Space);
    QVERIFY(w().limits_dialog() != nullptr && w().limits_dialog()->isVisible());
    WalkDialog(*w().limits_dialog(), 6);
    w().limits_dialog()->close();
  }

  void thePanelIsWalkedByTabAndEveryControlNamed() {
    Activate(w());
    Named(w(), "PanelKey")->setFocus();
    Key(Qt::Key_Space);
    QWidget* panel = w().session_panel();
    QVERIFY(panel != nullptr && panel->isVisible());
    WalkDialog(*panel, 3);
    // The tabs go by the arrows once the tab bar has the focus.
    auto* bar = panel->findChild<QTabBar*>();
    bar->setFocus();
    const int first = bar->currentIndex();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->currentIndex(), first + 1);
    // Escape, and Ctrl+P that opened it, close it from its own keyboard.
    QTest::keyClick(bar, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    Activate(w());
    QTest::keyClick(&w(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(panel->isVisible());
    Activate(*panel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!panel->isVisible());
  }

  void theNamesOfTheToolkitsControlsComeFromTheirControlOrTheirObjectName() {
    QCOMPARE(vellaro::app::NameInWords(QStringLiteral("StoredSessions")),
             QStringLiteral("Stored sessions"));
    QCOMPARE(vellaro::app::NumberName(17), QStringLiteral("17 black"));
    QCOMPARE(vellaro::app::NumberName(1), QStringLiteral("1 red"));
    QCOMPARE(vellaro::app::NumberName(0), QStringLiteral("0 green"));
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
