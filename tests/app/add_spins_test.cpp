// "Add spins…": the dialog reads the list at every change and says what it will enter or
// why not; its spins reach the game as clicks would, from the head's button or from the
// clipboard with Ctrl+Shift+V.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/add_spins_dialog.h"
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/readout.h"
#include "front/game_view.h"
#include "support/special_inputs.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::AddSpinsDialog;
using vellaro::app::MainWindow;

class AddSpinsTest : public QObject {
  Q_OBJECT

 private:
  TestWindow shown_;

  MainWindow& w() { return shown_.window(); }
  vellaro::Game& game() { return w().game(); }
  AddSpinsDialog& dialog() {
    AddSpinsDialog* dialog = w().add_spins_dialog();
    if (dialog == nullptr) qFatal("no dialog");
    return *dialog;
  }
  void Type(const QString& text) { dialog().text()->setPlainText(text); }
  QString ReadoutText() {
    return static_cast<vellaro::app::Readout*>(Named(w(), "Readout"))->progress();
  }
  void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

 private slots:
  void initTestCase() { vellaro::app::InstallFontSubstitutions(); }
  void init() { shown_.Open(); }
  void cleanup() { shown_.Close(); }

  void theHeadsButtonOpensAListThatIsCheckedBeforeItIsEntered() {
    QVERIFY(!Named(w(), "AddSpins")->toolTip().isEmpty());
    const QRect place = Named(w(), "AddSpins")->geometry();
    QVERIFY(place.bottom() < 55);
    for (const char* other : {"SessionReadout", "Button_Guide", "NewSession", "Version", "UndoGreyed"}) {
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
    QCOMPARE(dialog().Summary(), QStringLiteral("The list holds no numbers"));
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
    QCOMPARE(game().controls().NumbersList.back(), std::string("11"));
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
    // The undo takes back the last spin, as after a click.
    QVERIFY(game().UndoOffered());
    QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().SpinsInHistory(), int64_t{6});
    // The undo crossed 7 out: a list that starts with it is refused, and says why.
    w().EnterSpins({7, 8});
    QCOMPARE(game().SpinsInHistory(), int64_t{6});
    QCOMPARE(ReadoutText(), QStringLiteral("Refused: 7: crossed out, the undo took it back"));
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
    QCOMPARE(dialog().Summary(), QStringLiteral("Enter 3 spins: 5 \u2026 0"));
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
};

QTEST_MAIN(AddSpinsTest)
#include "add_spins_test.moc"
