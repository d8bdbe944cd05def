// "Add spins…": the dialog reads the list at every change and says what it will enter or
// why not; its spins reach the game as clicks would, from the head's button or from the
// clipboard with Ctrl+Shift+V.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/add_spins_dialog.h"
#include "app/main_window.h"
#include "app/settings_store.h"
#include "front/game_view.h"
#include "support/not_regular_files.h"
#include "temporary_home.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::AddSpinsDialog;

class AddSpinsTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  AddSpinsDialog& dialog() {
    AddSpinsDialog* dialog = w().add_spins_dialog();
    if (dialog == nullptr) qFatal("no dialog");
    return *dialog;
  }
  void Type(const QString& text) { dialog().text()->setPlainText(text); }

 private slots:
  void initTestCase() { SetUp(); }
  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  void theHeadsButtonOpensAListThatIsCheckedBeforeItIsEntered() {
    QVERIFY(!Named(w(), "AddSpins")->toolTip().isEmpty());
    const QRect place = Named(w(), "AddSpins")->geometry();
    QVERIFY(place.bottom() < 55);
    for (const char* other :
         {"SessionReadout", "Button_Guide", "NewSession", "Version", "UndoGreyed"}) {
      QVERIFY2(!place.intersects(Named(w(), other)->geometry()), other);
    }
    PointAndClick(w(), "AddSpins");
    QVERIFY(dialog().isVisible());
    for (QWidget* widget : dialog().findChildren<QWidget*>()) {
      const QString name = widget->objectName();
      if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) continue;
      QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(name));
    }
    QVERIFY(!dialog().enter_button()->isEnabled());
    // Nothing typed yet is no mistake to point out; a box of blanks is not either.
    QCOMPARE(dialog().Summary(), QString());
    Type(QStringLiteral(" \n "));
    QCOMPARE(dialog().Summary(), QString());
    QVERIFY(!dialog().enter_button()->isEnabled());
    Type(QStringLiteral("5,,17"));
    QCOMPARE(dialog().Summary(),
             QStringLiteral("Number 2 (line 1, column 3): an empty field between two separators"));
    Type(QStringLiteral("5, 17;0\n36"));
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 4 spins: 5 \u2026 36"));
    dialog().newest_first()->setChecked(true);
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 4 spins: 36 \u2026 5"));
    QCOMPARE(dialog().Spins(), (std::vector<int>{36, 0, 17, 5}));
    dialog().newest_first()->setChecked(false);
    // One bad token: its place is said, and nothing can be entered.
    Type(QStringLiteral("5 17\n0 x 2"));
    QCOMPARE(dialog().Summary(),
             QStringLiteral("Number 4 (line 2, column 3): 'x' is not a spin number (0 to 36)"));
    QVERIFY(!dialog().enter_button()->isEnabled());
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
    Type(QStringLiteral("5, 17;0\n36 8 11"));
    QTest::mouseClick(dialog().enter_button(), Qt::LeftButton);
    QVERIFY(!dialog().isVisible());
    QCOMPARE(game().SpinsInHistory(), int64_t{6});
    QVERIFY(!game().AnalysisRunning());  // each analysis ran to its end
    QCOMPARE(Controls().NumbersList.back(), std::string("11"));
    QCOMPARE(w().session_track().points().size(), size_t{6});  // the panel follows
    QVERIFY(game().BetOnShow());
  }

  void ctrlShiftVPastesTheClipboardAndEnterEntersIt() {
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5 6 7"));
    QTest::keyClick(&w(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(dialog().isVisible());
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 7 spins: 1 \u2026 7"));
    // Its enter button holds the dialog's focus: Return enters the list.
    QCOMPARE(dialog().focusWidget(), static_cast<QWidget*>(dialog().enter_button()));
    QTest::keyClick(dialog().enter_button(), Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{7});
    // Entered, the list has left the box: the list button opens it empty, and Enter there
    // enters nothing.
    PointAndClick(w(), "AddSpins");
    QCOMPARE(dialog().text()->toPlainText(), QString());
    QVERIFY(!dialog().enter_button()->isEnabled());
    QTest::keyClick(dialog().newest_first(), Qt::Key_Return);
    QCOMPARE(game().SpinsInHistory(), int64_t{7});
    dialog().reject();
    // The same list pasted again is most likely the same paste twice: it is asked, naming
    // the count, with keeping it out the default.
    QTest::keyClick(&w(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    {
      BoxAnswer keep(dialog(), vellaro::app::kEnterAgainBox, false);
      QTest::keyClick(dialog().enter_button(), Qt::Key_Return);
      QCOMPARE(keep.asked, QStringLiteral("The list you entered last, 7 spins, is in the box "
                                          "again. Enter it a second time?"));
      QVERIFY(keep.keep_is_default);
    }
    QCOMPARE(game().SpinsInHistory(), int64_t{7});
    QVERIFY(dialog().isVisible());  // kept out, the list stays to be changed
    {
      BoxAnswer again(dialog(), vellaro::app::kEnterAgainBox, true);
      QTest::mouseClick(dialog().enter_button(), Qt::LeftButton);
      QVERIFY(!again.asked.isEmpty());
    }
    QCOMPARE(game().SpinsInHistory(), int64_t{14});
    // The undo takes back the last spin, as after a click.
    QVERIFY(game().UndoOffered());
    QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{13});
    // The undo crossed 7 out: a list that starts with it is refused, and says why.
    QVERIFY(!w().EnterSpins({7, 8}));
    QCOMPARE(game().SpinsInHistory(), int64_t{13});
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 7: crossed out, the undo took it back"));
  }

  void inTheBoxEnterStartsALineAndCtrlEnterEntersTheList() {
    w().OpenAddSpins(QString());
    Activate(dialog());
    dialog().text()->setFocus();
    QTest::keyClicks(dialog().text(), QStringLiteral("5 17"));
    QTest::keyClick(dialog().text(), Qt::Key_Return);
    QTest::keyClicks(dialog().text(), QStringLiteral("0"));
    QCOMPARE(dialog().text()->toPlainText(), QStringLiteral("5 17\n0"));
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
    QTest::keyClick(dialog().text(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{3});
    QVERIFY(!dialog().isVisible());
  }

  // The bound of a file holds for the clipboard: a copied text larger than it is refused
  // before the box lays it out, and one within it is read.
  void aCopiedTextLargerThanAFileMayBeIsRefusedUnread() {
    const QString large(qsizetype{vellaro::replay::kLargestSpinFile} + 1, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(large);
    QTest::keyClick(&w(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialog().Summary(),
             QStringLiteral("The copied text is larger than 4 MB: too large for a list of spins."));
    QVERIFY(dialog().text()->toPlainText().isEmpty());
    QVERIFY(!dialog().enter_button()->isEnabled());
    // Two bytes a character in UTF-8: within the bound in characters, over it in bytes.
    const QString wide(qsizetype{vellaro::replay::kLargestSpinFile} / 2 + 1, QChar(0xe9));
    dialog().SetText(wide);
    QVERIFY(dialog().text()->toPlainText().isEmpty());
    dialog().SetText(QStringLiteral("4 5"));
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 2 spins: 4 \u2026 5"));
  }

  void aFileIsReadAsAListOrACsvWithTheColumnPicked() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    w().OpenAddSpins(QString());
    WriteFile(folder.filePath(QStringLiteral("history.csv")),
              "when;table;n\n20:00;40;5\n20:01;4;17\n20:02;4;0\n");
    dialog().LoadFile(folder.filePath(QStringLiteral("history.csv")));
    QVERIFY(!dialog().column()->isHidden());
    QCOMPARE(dialog().column()->count(), 4);  // the first of spins, then each column
    // The column found is said before the spins: a wrong one reads as good numbers too.
    QCOMPARE(dialog().Summary(),
             QStringLiteral("From column 'n' (3 of 3):\nEnter 3 spins: 5 \u2026 0"));
    // A round's counter holds numbers from 0 to 36 as well; the column named so is taken.
    QByteArray rounds = "Runde,Zahl\n";
    for (int i = 1; i <= 20; ++i)
      rounds += QByteArray::number(i) + ',' + QByteArray::number(i % 3) + '\n';
    WriteFile(folder.filePath(QStringLiteral("rounds.csv")), rounds);
    dialog().LoadFile(folder.filePath(QStringLiteral("rounds.csv")));
    QCOMPARE(dialog().Summary(),
             QStringLiteral("From column 'Zahl' (2 of 2):\nEnter 20 spins: 1 \u2026 2"));
    dialog().LoadFile(folder.filePath(QStringLiteral("history.csv")));
    dialog().column()->setCurrentIndex(2);  // "table"
    QCOMPARE(dialog().Summary(),
             QStringLiteral("Number 1 (line 2, column 7): '40' is not a spin number (0 to 36)"));
    QVERIFY(!dialog().enter_button()->isEnabled());
    WriteFile(folder.filePath(QStringLiteral("amounts.csv")), "date,amount\n1 Dec,3.5\n");
    dialog().LoadFile(folder.filePath(QStringLiteral("amounts.csv")));
    QCOMPARE(dialog().Summary(),
             QStringLiteral("No column of the file holds only numbers from 0 to 36"));
    WriteFile(folder.filePath(QStringLiteral("picture.png")), QByteArray("\x89PNG\r\n\0\0", 8));
    dialog().LoadFile(folder.filePath(QStringLiteral("picture.png")));
    QCOMPARE(dialog().Summary(), QStringLiteral("This is not text: byte 7 is \\x00"));
    QVERIFY(!dialog().enter_button()->isEnabled());
    // A FIFO without a writer is refused at once: "File…" does not wait for one.
    const QString fifo = folder.filePath(QStringLiteral("fifo.txt"));
    vellaro::testing::MakeFifoAt(QFile::encodeName(fifo).toStdString());
    dialog().LoadFile(fifo);
    QCOMPARE(dialog().Summary(),
             QStringLiteral("Cannot read %1: it is a FIFO, not a regular file").arg(fifo));
    QVERIFY(!dialog().enter_button()->isEnabled());
    WriteFile(folder.filePath(QStringLiteral("spins.txt")), "3\n4\n5\n");
    dialog().LoadFile(folder.filePath(QStringLiteral("spins.txt")));
    QVERIFY(dialog().column()->isHidden());
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 3 spins: 3 \u2026 5"));
    QCOMPARE(game().SpinsInHistory(), int64_t{0});
  }

  // "Quick analysis": each click's analysis runs to its end at once, and the board opens
  // again straight away. Offered in the window's context menu and by its key, kept in the
  // settings.
  void quickAnalysisOpensTheBoardAtOnceAndIsKept() {
    const vellaro::app::SettingsStore store(vellaro::app::SettingsStore::DefaultPath());
    w().KeepSettings(store);
    for (const int n : {1, 2, 3, 4, 5}) ClickTile(w(), n);
    QVERIFY(game().AnalysisRunning());  // the animation, by default
    QTRY_VERIFY_WITH_TIMEOUT(!game().AnalysisRunning(), 5000);
    // A right click on the board's background opens the window's menu, which holds it.
    QWidget* background = w().childAt(kBackground);
    QVERIFY(background != nullptr);
    QContextMenuEvent right(QContextMenuEvent::Mouse, background->mapFrom(&w(), kBackground),
                            w().mapToGlobal(kBackground));
    QApplication::sendEvent(background, &right);
    auto* menu = w().findChild<QMenu*>(QStringLiteral("WindowMenu"));
    QVERIFY(menu != nullptr && menu->isVisible());
    QAction* item = w().findChild<QAction*>(QStringLiteral("QuickAnalysis"));
    QVERIFY(item != nullptr && item->isCheckable() && menu->actions().contains(item));
    QCOMPARE(item->text(), QStringLiteral("Quick analysis"));
    QVERIFY(item->toolTip().contains(QStringLiteral("exactly")));
    menu->hide();
    QTest::keyClick(&w(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(w().QuickAnalysis() && item->isChecked());
    QVERIFY(store.Load().quick_analysis);
    for (const int n : {6, 7, 8}) {
      ClickTile(w(), n);
      QVERIFY(!game().AnalysisRunning());
    }
    w().EnterNumber(9);  // typed and entered: the same
    QVERIFY(!game().AnalysisRunning());
    QCOMPARE(game().SpinsInHistory(), int64_t{9});
    QCOMPARE(w().session_track().points().size(), size_t{9});
    QVERIFY(game().BetOnShow());
    // The next window starts with it on.
    shown_.Close();
    shown_.Open();
    w().KeepSettings(store);
    QVERIFY(w().QuickAnalysis());
    QVERIFY(w().findChild<QAction*>(QStringLiteral("QuickAnalysis"))->isChecked());
    QTest::keyClick(&w(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!store.Load().quick_analysis);
  }
};

QTEST_MAIN(AddSpinsTest)
#include "add_spins_test.moc"
