// The betting systems written as files, in the window: the box that lists them after the six
// built-in systems, the "Systems…" editor with its live errors and preview, and what the
// game then plays.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>

#include "app/options_area.h"
#include "app/system_box.h"
#include "app/system_editor.h"
#include "support/not_regular_files.h"
#include "temporary_home.h"
#include "window_driver.h"

using namespace vellaro::app::testing;
using vellaro::app::SystemEditor;

namespace {

const QByteArray kMine =
    "# stakes that triple\nname = Triple up\nkind = multiply\non_loss = times 3\non_win = reset\n";
// Line 3 names a kind that does not exist.
const QByteArray kBroken = "name = Broken\n# a comment\nkind = zigzag\n";

}  // namespace

class SystemsTest : public QObject, WindowFixture {
  Q_OBJECT

 private:
  vellaro::app::SystemFolders folders_;

  QComboBox* Box() { return Named<QComboBox>(w(), "BettingSystem"); }
  QStringList BoxTexts() {
    QStringList texts;
    for (int i = 0; i < Box()->count(); ++i) texts << Box()->itemText(i);
    return texts;
  }
  bool RowEnabled(int row) {
    return static_cast<QStandardItemModel*>(Box()->model())->item(row)->isEnabled();
  }
  SystemEditor& Editor() {
    PointAndClick(w(), "Systems");
    SystemEditor* editor = w().options_area()->system_editor();
    if (editor == nullptr) qFatal("\"Systems…\" opened no editor");
    editor->SetAskName([](const QString&) { return QStringLiteral("Saved copy"); });
    return *editor;
  }
  int FileRow(SystemEditor& editor, const QString& label) {
    for (int i = 0; i < editor.files()->count(); ++i) {
      if (editor.files()->item(i)->text() == label) return i;
    }
    qFatal("no file listed as %s", qPrintable(label));
  }
  QString Preview(SystemEditor& editor, int column) {
    return editor.preview()->item(0, column)->text();
  }
  // The system in `editor` used, and its first stake and three losses played: DEEP SCAN
  // recommends Black after these five spins, and 0 loses every even-money bet.
  void PlayThePreview(SystemEditor& editor, int first_stake) {
    Named<QPushButton>(editor, "SystemUse")->click();
    for (int n : {17, 25, 0, 0, 0}) EnterInTime(n);
    QCOMPARE(State().Stake, first_stake);
    for (int loss = 0; loss < 3; ++loss) {
      EnterInTime(0);
      QCOMPARE(QString::number(State().Stake), Preview(editor, loss));
    }
  }

 private slots:
  void initTestCase() {
    SetUp();
    // Two of the presets, copied: never opened where they lie.
    folders_.presets = home_.path() + QStringLiteral("/presets");
    for (const char* name : {"fibonacci.system", "paroli.system"}) {
      WriteFile(folders_.presets + QLatin1Char('/') + QLatin1String(name),
                ReadFile(QStringLiteral(VELLARO_PRESET_SYSTEMS "/") + QLatin1String(name)));
    }
    folders_.player = vellaro::app::SystemFolders::Default().player;
    QCOMPARE(folders_.player, home_.path() + QStringLiteral("/config/vellaro/systems"));
  }

  void init() {
    QDir(folders_.player).removeRecursively();
    WriteFile(folders_.player + QStringLiteral("/mine.system"), kMine);
    WriteFile(folders_.player + QStringLiteral("/zz-broken.system"), kBroken);
    shown_.Open();
    w().SetSystemFolders(folders_);
    RunInVirtualTime();
    PointAndClick(w(), "Options");
  }
  void cleanup() { shown_.Close(); }

  // ---- The box ------------------------------------------------------------------------------

  void theBoxListsTheSixThenThePresetsThenThePlayersOwn() {
    const QStringList texts = BoxTexts();
    QCOMPARE(texts.size(), 6 + 1 + 2 + 1 + 2);
    for (int s = 0; s < vellaro::kBettingSystems; ++s) {
      QCOMPARE(texts[s], QLatin1String(vellaro::kBettingSystemNames[static_cast<size_t>(s)]));
    }
    QCOMPARE(texts.mid(7, 2),
             (QStringList{QStringLiteral("Fibonacci"), QStringLiteral("Paroli (three wins)")}));
    QCOMPARE(texts[10], QStringLiteral("Triple up"));
    // The broken file is listed by its file's name, greyed, its error at its line as help.
    QVERIFY(texts[11].startsWith(QStringLiteral("zz-broken")));
    QVERIFY(!RowEnabled(11));
    QVERIFY(RowEnabled(10));
    const QString why = Box()->itemData(11, Qt::ToolTipRole).toString();
    QVERIFY2(why.contains(QStringLiteral("zz-broken.system:3:")), qPrintable(why));
    // Every entry shows whole in the box, or cut with an ellipsis and whole in its help.
    for (int row = 7; row < Box()->count(); ++row) {
      QVERIFY(Box()->fontMetrics().horizontalAdvance(texts[row]) <= Box()->width());
    }
  }

  void choosingAnEntryPlaysItsTextAndABuiltInLeavesIt() {
    Box()->activated(10);
    QVERIFY(game().SelectedCustomSystem() != nullptr);
    QCOMPARE(QByteArray::fromStdString(game().SelectedCustomSystem()->text), kMine);
    QCOMPARE(Box()->currentIndex(), 10);
    Box()->activated(7);
    QCOMPARE(game().SelectedCustomSystem()->rules.name, std::string("Fibonacci"));
    Box()->activated(vellaro::kParlay);
    QVERIFY(game().SelectedCustomSystem() == nullptr);
    QCOMPARE(game().CurrentSettings().system, vellaro::kParlay);
    QCOMPARE(Box()->currentIndex(), static_cast<int>(vellaro::kParlay));
  }

  // The chosen text is what plays: a file changed since is not read again until chosen.
  void aChosenSystemWhoseFileChangesKeepsItsText() {
    Box()->activated(10);
    WriteFile(folders_.player + QStringLiteral("/mine.system"),
              "name = Triple up\nkind = multiply\non_loss = times 4\non_win = reset\n");
    w().options_area()->system_box().Reload();
    QCOMPARE(QByteArray::fromStdString(game().SelectedCustomSystem()->text), kMine);
    // Listed once more, after the files, as the kept text.
    QCOMPARE(Box()->currentIndex(), Box()->count() - 1);
    QCOMPARE(Box()->currentText(), QStringLiteral("Triple up"));
    QVERIFY(Box()
                ->itemData(Box()->currentIndex(), Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("changed or gone")));
    Box()->activated(10);
    QVERIFY(game().SelectedCustomSystem()->text.find("times 4") != std::string::npos);
    QCOMPARE(Box()->currentIndex(), 10);
  }

  // ---- The editor ---------------------------------------------------------------------------

  void anErrorIsShownAtItsLineAndTheTextCannotBeUsed() {
    SystemEditor& editor = Editor();
    editor.Open(FileRow(editor, QStringLiteral("zz-broken (error)")));
    QVERIFY(editor.error()->text().startsWith(QStringLiteral("Line 3: ")));
    const QList<QTextEdit::ExtraSelection> marks = editor.text()->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.block().blockNumber(), 2);
    QVERIFY(!Named(editor, "SystemUse")->isEnabled());
    QCOMPARE(Preview(editor, 0), QStringLiteral("\u2013"));
    // Mended, the mark and the error go and the text can be played; broken on another line,
    // the mark follows.
    editor.text()->setPlainText(QString::fromUtf8(kMine));
    QVERIFY(editor.error()->text().isEmpty());
    QVERIFY(editor.text()->extraSelections().isEmpty());
    QVERIFY(Named(editor, "SystemUse")->isEnabled());
    editor.text()->setPlainText(QStringLiteral(
        "name = X\nkind = multiply\non_loss = times 3\ncap = ten\non_win = reset\n"));
    QVERIFY2(editor.error()->text().startsWith(QStringLiteral("Line 4: ")),
             qPrintable(editor.error()->text()));
    QCOMPARE(editor.text()->extraSelections().at(0).cursor.block().blockNumber(), 3);
    // The game keeps its system.
    Named<QPushButton>(editor, "SystemUse")->click();
    QVERIFY(game().SelectedCustomSystem() == nullptr);
  }

  // The preview, in units of the base stake, is what the game shows over the losses in a
  // row that follow, and after the win.
  void thePreviewIsWhatTheGameThenAsks() {
    Named<QSpinBox>(w(), "BaseStake")->setValue(3);
    SystemEditor& editor = Editor();
    editor.Open(FileRow(editor, QStringLiteral("Fibonacci (preset)")));
    QCOMPARE(Preview(editor, 0), QStringLiteral("3"));  // 1 1 2 3 5 ... times 3
    QCOMPARE(Preview(editor, 1), QStringLiteral("6"));
    QCOMPARE(Preview(editor, 9), QStringLiteral("267"));
    PlayThePreview(editor, 3);
    QCOMPARE(Box()->currentText(), QStringLiteral("Fibonacci"));
  }

  // A FIFO would hold the window until a writer came, a link to /dev/zero fill its memory:
  // each is listed as an error, opens empty at once and says what it is.
  void whatIsNotAFileInTheFolderOpensEmptyAtOnce() {
    const auto at = [this](const char* name) {
      return QFile::encodeName(folders_.player + QLatin1Char('/') + QLatin1String(name))
          .toStdString();
    };
    vellaro::testing::MakeFifoAt(at("fifo.system"));
    vellaro::testing::LinkToZeroAt(at("zero.system"));
    SystemEditor& editor = Editor();
    for (const char* name : {"fifo", "zero"}) {
      const int row = FileRow(editor, QString::fromLatin1(name) + QStringLiteral(" (error)"));
      editor.Open(row);
      QCOMPARE(editor.text()->toPlainText(), QString());
      QVERIFY(
          editor.files()->item(row)->toolTip().endsWith(QStringLiteral(", not a regular file")));
    }
    QVERIFY(editor.files()
                ->item(FileRow(editor, QStringLiteral("fifo (error)")))
                ->toolTip()
                .endsWith(QStringLiteral(": it is a FIFO, not a regular file")));
  }

  // The game keeps a stake in 32 bits; the preview shows where that bites, as the game does.
  void thePreviewStopsWhereTheGamesStakesDo() {
    Named<QSpinBox>(w(), "BaseStake")->setValue(1);
    SystemEditor& editor = Editor();
    editor.text()->setPlainText(QStringLiteral(
        "name = Steep\nkind = multiply\nstart = 1000000\non_loss = times 100\non_win = reset\n"));
    QCOMPARE(Preview(editor, 0), QStringLiteral("100000000"));
    QCOMPARE(Preview(editor, 1), QStringLiteral("2147483647"));
    QCOMPARE(Preview(editor, 9), QStringLiteral("2147483647"));
    PlayThePreview(editor, 1000000);
  }

  void aPresetIsReadOnlyAndSavedAsACopyOfThePlayers() {
    SystemEditor& editor = Editor();
    editor.Open(FileRow(editor, QStringLiteral("Paroli (three wins) (preset)")));
    QVERIFY(editor.text()->isReadOnly());
    QVERIFY(!Named(editor, "SystemSave")->isEnabled());
    const QByteArray preset = ReadFile(folders_.presets + QStringLiteral("/paroli.system"));
    Named<QPushButton>(editor, "SystemSaveAs")->click();
    const QString copy = folders_.player + QStringLiteral("/saved-copy.system");
    QCOMPARE(editor.path(), copy);
    QCOMPARE(ReadFile(copy), preset);
    QVERIFY(!editor.text()->isReadOnly());
    // The box lists the copy among the player's systems at once.
    QVERIFY(w().options_area()->system_box().RowOf(copy) > 10);
    // An edit saved is the whole file; the preset is untouched.
    editor.text()->setPlainText(QString::fromUtf8(kMine));
    Named<QPushButton>(editor, "SystemSave")->click();
    QCOMPARE(ReadFile(copy), kMine);
    QCOMPARE(ReadFile(folders_.presets + QStringLiteral("/paroli.system")), preset);
    // A name already taken is refused, the file kept.
    Named<QPushButton>(editor, "SystemNew")->click();
    QCOMPARE(ReadFile(copy), kMine);
    QVERIFY(
        Named<QLabel>(editor, "SystemStatus")->text().contains(QStringLiteral("already exists")));
  }

  // Copied into a folder by another program, a file is listed at once, in the box and in
  // the editor; so is one in the player's folder taken away and made again.
  void aFileCopiedIntoAFolderIsListedWithoutASave() {
    SystemEditor& editor = Editor();
    const auto listed = [&editor](const char* name) {
      return !editor.files()->findItems(QLatin1String(name), Qt::MatchExactly).isEmpty();
    };
    WriteFile(folders_.player + QStringLiteral("/copied.system"),
              "name = Copied\nkind = multiply\non_loss = times 2\non_win = reset\n");
    QTRY_VERIFY(BoxTexts().contains(QStringLiteral("Copied")));
    QTRY_VERIFY(listed("Copied"));
    QDir(folders_.player).removeRecursively();
    QTRY_VERIFY(!BoxTexts().contains(QStringLiteral("Copied")));
    WriteFile(folders_.player + QStringLiteral("/again.system"),
              "name = Again\nkind = multiply\non_loss = times 2\non_win = reset\n");
    QTRY_VERIFY(BoxTexts().contains(QStringLiteral("Again")));
    QTRY_VERIFY(listed("Again"));
  }

  // The status says what the file holds: saved, changed since, or saved with its errors,
  // the first in the file first. A new system keeps the name the player typed.
  void theStatusFollowsTheTextAndAFileWithErrorsIsSavedSayingSo() {
    SystemEditor& editor = Editor();
    editor.SetAskName([](const QString&) { return QStringLiteral("Meine Fibonacci"); });
    Named<QPushButton>(editor, "SystemNew")->click();
    const QString file = folders_.player + QStringLiteral("/meine-fibonacci.system");
    QCOMPARE(editor.path(), file);
    QVERIFY2(ReadFile(file).contains("\nname = Meine Fibonacci\n"), ReadFile(file).constData());
    QTRY_VERIFY(BoxTexts().contains(QStringLiteral("Meine Fibonacci")));
    auto* status = Named<QLabel>(editor, "SystemStatus");
    QCOMPARE(status->text(), QStringLiteral("Saved to ") + file);
    const QString two = QStringLiteral(
        "name = Two\nkind = multiply\ncap = ten\non_win = reset\non_loss = times 1\n");
    editor.text()->setPlainText(two);
    QVERIFY2(!status->text().contains(QStringLiteral("Saved")), qPrintable(status->text()));
    QVERIFY2(editor.error()->text().startsWith(QStringLiteral("Line 3: ")),
             qPrintable(editor.error()->text()));
    QVERIFY(editor.error()->text().endsWith(QStringLiteral("(the first of 2 errors)")));
    QCOMPARE(editor.text()->extraSelections().size(), 2);
    Named<QPushButton>(editor, "SystemSave")->click();
    QCOMPARE(ReadFile(file), two.toUtf8());
    QVERIFY2(status->text().startsWith(QStringLiteral("Saved to ") + file +
                                       QStringLiteral(", with 2 errors; the first: line 3: ")),
             qPrintable(status->text()));
  }

  // Each figure of the preview and each heading shows whole, 59049 (3 to the tenth) too.
  void everyFigureOfThePreviewShowsWhole() {
    SystemEditor& editor = Editor();
    editor.Open(FileRow(editor, QStringLiteral("Triple up")));
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(Preview(editor, 9), QStringLiteral("59049"));
    QTableWidget* table = editor.preview();
    const QHeaderView* header = table->horizontalHeader();
    QTRY_VERIFY(header->length() <= table->viewport()->width());
    for (int c = 0; c < table->columnCount(); ++c) {
      const int needs = std::max(static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(c),
                                 header->sectionSizeHint(c));
      QVERIFY2(table->columnWidth(c) >= needs,
               qPrintable(QStringLiteral("column %1: %2 px, needs %3")
                              .arg(c)
                              .arg(table->columnWidth(c))
                              .arg(needs)));
    }
  }
};

QTEST_MAIN(SystemsTest)
#include "systems_test.moc"
