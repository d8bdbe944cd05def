// The settings kept across runs: the file, its bad values, and a window restored from it.

#include "app/settings_store.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <memory>

#include "app/fonts.h"
#include "app/limits_dialog.h"
#include "app/main_window.h"
#include "app/screen_place.h"
#include "window_driver.h"

namespace act = vellaro::act;
using namespace vellaro::app::testing;
using vellaro::app::Guard;
using vellaro::app::MainWindow;
using vellaro::app::SettingsStore;
using vellaro::app::StoredSettings;

namespace {

// Every value away from its default, and every field different from the others, so that
// two settings read from each other's key cannot pass.
StoredSettings AllChanged() {
  StoredSettings s;
  s.game.system = vellaro::kQuorvel;
  s.game.base = 37;
  s.game.on_wins = 7;
  s.game.add_to_bet = 9;
  s.game.safe_level = 4;
  s.game.auto_reset = true;
  s.game.min_profit = true;
  s.game.trends[vellaro::kLess] = true;
  s.game.trends[vellaro::kBlack] = true;
  s.game.trends[vellaro::kOdd] = true;
  s.game.mode = vellaro::Mode::kAdaptive;
  s.game.cat_rows = true;
  s.game.show_bet = false;
  s.game.limits.bankroll = 500;
  s.game.limits.stop_loss = 120;
  s.game.limits.take_profit = 80;
  s.game.limits.table_max = 64;
  s.game.limits.max_losses = 0;  // the smallest count, not off
  s.options_open = true;
  s.quick_analysis = true;
  s.position = QPoint(-5, 300);
  return s;
}

// A system of the player's whose text a line-based store could garble: comments, '=' and
// '#' in values, letters beyond ASCII, line ends.
const std::string kOwnSystem =
    "# mine; kept whole = # and all\nname = Tri\u00e9 \u2014 mine\nkind = multiply\n"
    "on_loss = times 2 plus 1   # Grand Martingale\non_win = reset\n";

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private:
  TemporaryHome home_;
  QString path_;

 private slots:
  void initTestCase() {
    home_.Use();
    vellaro::app::InstallFontSubstitutions();
  }

  void init() {
    path_ = SettingsStore::DefaultPath();
    QFile::remove(path_);
  }

  void theFileLivesInTheConfigFolder() {
    QCOMPARE(path_, home_.path() + QStringLiteral("/config/vellaro/vellaro.conf"));
    SettingsStore(path_).Save(StoredSettings{});
    QVERIFY(QFile::exists(path_));
  }

  void aMissingFileGivesTheDefaults() { QCOMPARE(SettingsStore(path_).Load(), StoredSettings{}); }

  void everySettingMakesTheRoundTrip() {
    const StoredSettings all = AllChanged();
    SettingsStore(path_).Save(all);
    QCOMPARE(SettingsStore(path_).Load(), all);
    // And back to the defaults: a switch turned off is written as off, not left out.
    StoredSettings defaults;
    defaults.position = QPoint(0, 0);
    SettingsStore(path_).Save(defaults);
    QCOMPARE(SettingsStore(path_).Load(), defaults);
  }

  void theMatrixModeKeepsTheEntryOfTheModeBox() {
    StoredSettings s;
    s.game.mode = vellaro::Mode::kSmart;
    SettingsStore(path_).Save(s);
    s.game.mode = vellaro::Mode::kMatrix;
    SettingsStore(path_).Save(s);
    QCOMPARE(SettingsStore(path_).Load().game.mode, vellaro::Mode::kSmart);
    QFile::remove(path_);
    SettingsStore(path_).Save(s);
    QCOMPARE(SettingsStore(path_).Load().game.mode, vellaro::Settings{}.mode);
  }

  void aCorruptFileGivesTheDefaultsAndIsReplacedOnSave() {
    WriteFile(path_, QByteArray("\x00\xff\xfe[[[=\n\x01garbage=\"unterminated\n", 36));
    QCOMPARE(SettingsStore(path_).Load().game, vellaro::Settings{});
    SettingsStore(path_).Save(AllChanged());
    QCOMPARE(SettingsStore(path_).Load(), AllChanged());
  }

  void valuesOutOfRange_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("kept");
    // The edges of each range are taken, one step beyond falls back.
    QTest::newRow("base 1") << QByteArray("betting/base=1") << true;
    QTest::newRow("base 1000") << QByteArray("betting/base=1000") << true;
    QTest::newRow("base 0") << QByteArray("betting/base=0") << false;
    QTest::newRow("base 1001") << QByteArray("betting/base=1001") << false;
    QTest::newRow("base text") << QByteArray("betting/base=lots") << false;
    QTest::newRow("base huge") << QByteArray("betting/base=99999999999999999999") << false;
    QTest::newRow("system 5") << QByteArray("betting/system=5") << true;
    QTest::newRow("system 6") << QByteArray("betting/system=6") << false;
    QTest::newRow("system -1") << QByteArray("betting/system=-1") << false;
    QTest::newRow("safe level 10") << QByteArray("betting/safe_level=10") << true;
    QTest::newRow("safe level 11") << QByteArray("betting/safe_level=11") << false;
    QTest::newRow("wins 100") << QByteArray("betting/up_trender_wins=100") << true;
    QTest::newRow("wins 101") << QByteArray("betting/up_trender_wins=101") << false;
    QTest::newRow("add 0") << QByteArray("betting/up_trender_add=0") << false;
    QTest::newRow("mode box 2") << QByteArray("analysis/mode_box=2") << true;
    QTest::newRow("mode box 3") << QByteArray("analysis/mode_box=3") << false;
    QTest::newRow("show bet maybe") << QByteArray("betting/show_bet=maybe") << false;
    QTest::newRow("x absurd") << QByteArray("window/x=4000000") << false;
    // A limit out of range or unreadable is off, its default.
    QTest::newRow("bankroll 1") << QByteArray("limits/bankroll=1") << true;
    QTest::newRow("bankroll 0") << QByteArray("limits/bankroll=0") << false;
    QTest::newRow("bankroll largest") << QByteArray("limits/bankroll=2147483647") << true;
    QTest::newRow("bankroll one more") << QByteArray("limits/bankroll=2147483648") << false;
    QTest::newRow("stop-loss negative") << QByteArray("limits/stop_loss=-120") << false;
    QTest::newRow("take-profit text") << QByteArray("limits/take_profit=plenty") << false;
    QTest::newRow("table max off") << QByteArray("limits/table_max=off") << false;
    QTest::newRow("table max 1") << QByteArray("limits/table_max=1") << true;
    QTest::newRow("table max fraction") << QByteArray("limits/table_max=12.5") << false;
    QTest::newRow("losses 7") << QByteArray("limits/max_losses=7") << true;
    QTest::newRow("losses -1") << QByteArray("limits/max_losses=-1") << false;
  }

  void valuesOutOfRange() {
    QFETCH(QByteArray, line);
    QFETCH(bool, kept);
    // The bad value among good ones: it alone falls back.
    const StoredSettings all = AllChanged();
    SettingsStore(path_).Save(all);
    QByteArray text = ReadFile(path_);
    const QByteArray key = line.left(line.indexOf('=')).mid(line.indexOf('/') + 1);
    const QByteArray group = "[" + line.left(line.indexOf('/')) + "]\n";
    const qsizetype at = text.indexOf("\n" + key + "=", text.indexOf(group));
    QVERIFY2(at >= 0, key.constData());
    const qsizetype end = text.indexOf('\n', at + 1);
    text.replace(at + 1, end - at - 1, line.mid(line.indexOf('/') + 1));
    WriteFile(path_, text);
    {
      // Qt caches a settings file by its size and the second of its last change: a value
      // edited to one of the same length within that second would read stale.
      QFile edited(path_);
      QVERIFY(edited.open(QIODevice::ReadWrite));
      QVERIFY(edited.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
    }

    const StoredSettings read = SettingsStore(path_).Load();
    const StoredSettings defaults;
    StoredSettings expected = all;
    const QByteArray value = line.mid(line.indexOf('=') + 1);
    if (key == "base") expected.game.base = kept ? value.toInt() : defaults.game.base;
    if (key == "system") {
      expected.game.system =
          kept ? static_cast<vellaro::BettingSystem>(value.toInt()) : defaults.game.system;
    }
    if (key == "safe_level") {
      expected.game.safe_level = kept ? value.toInt() : defaults.game.safe_level;
    }
    if (key == "up_trender_wins") {
      expected.game.on_wins = kept ? value.toInt() : defaults.game.on_wins;
    }
    if (key == "up_trender_add") {
      expected.game.add_to_bet = kept ? value.toInt() : defaults.game.add_to_bet;
    }
    if (key == "mode_box") {
      expected.game.mode =
          kept ? vellaro::kGameModeIds[static_cast<size_t>(value.toInt())] : defaults.game.mode;
    }
    if (key == "show_bet") expected.game.show_bet = defaults.game.show_bet;
    if (key == "x") expected.position.reset();
    const QStringList limit_keys = {QStringLiteral("bankroll"), QStringLiteral("stop_loss"),
                                    QStringLiteral("take_profit"), QStringLiteral("table_max"),
                                    QStringLiteral("max_losses")};
    if (const qsizetype i = limit_keys.indexOf(QString::fromLatin1(key)); i >= 0) {
      expected.game.limits[static_cast<vellaro::LimitKind>(i)] =
          kept ? std::optional<int32_t>(value.toInt()) : std::nullopt;
    }
    QCOMPARE(read, expected);
  }

  void aLimitOffIsWrittenAsOffAndReadBackOff() {
    StoredSettings s = AllChanged();
    s.game.limits.table_max.reset();
    s.game.limits.max_losses.reset();
    SettingsStore(path_).Save(s);
    QCOMPARE(SettingsStore(path_).Load(), s);
    const QSettings file(path_, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("limits/table_max")).toString(), QStringLiteral("off"));
  }

  void switchesThatCannotGoTogetherAreDropped() {
    StoredSettings s = AllChanged();
    s.game.trends[vellaro::kMore] = true;  // against Less
    s.game.auto_reset = false;             // the minimal profit needs it
    SettingsStore(path_).Save(s);
    const StoredSettings read = SettingsStore(path_).Load();
    QVERIFY(!read.game.trends[vellaro::kLess]);
    QVERIFY(!read.game.trends[vellaro::kMore]);
    QVERIFY(read.game.trends[vellaro::kBlack]);
    QVERIFY(read.game.trends[vellaro::kOdd]);
    QVERIFY(!read.game.min_profit);
  }

  // A system the player wrote is kept as its whole text, comments and all, so that a
  // restart plays it even once its file has changed; a text that no longer reads is dropped
  // and the built-in system stored beside it plays.
  void aPlayersSystemIsKeptAsItsWholeText() {
    StoredSettings s = AllChanged();
    s.game.custom_system = kOwnSystem;
    SettingsStore(path_).Save(s);
    QCOMPARE(SettingsStore(path_).Load(), s);
    {
      QSettings file(path_, QSettings::IniFormat);
      file.setValue(QStringLiteral("betting/custom_system"), QStringLiteral("kind = zigzag\n"));
    }
    const StoredSettings read = SettingsStore(path_).Load();
    QCOMPARE(read.game.custom_system, std::string());
    QCOMPARE(read.game.system, s.game.system);
  }

  void aWindowPlaysThePlayersSystemOfTheLastRunWithoutItsFile() {
    StoredSettings last;
    last.game.custom_system = kOwnSystem;
    last.options_open = true;
    SettingsStore(path_).Save(last);
    Guard guard;
    MainWindow window(guard);
    window.SetSystemFolders({});  // the file is gone
    window.KeepSettings(SettingsStore(path_));
    QVERIFY(window.game().SelectedCustomSystem() != nullptr);
    QCOMPARE(window.game().SelectedCustomSystem()->text, kOwnSystem);
    auto* box = Named<QComboBox>(window, "BettingSystem");
    QCOMPARE(box->currentText(), QStringLiteral("Tri\u00e9 \u2014 mine"));
    // Back to a built-in system: the text is no longer kept.
    window.Handle([&window] { window.game().Apply(act::ChooseSystem{vellaro::kParlay}); });
    QCOMPARE(SettingsStore(path_).Load().game.custom_system, std::string());
  }

  // ---- The window --------------------------------------------------------------------------

  void aWindowStartsWithTheSettingsOfTheLastRunAndKeepsEachChange() {
    StoredSettings last = AllChanged();
    // What the engine lets a player change in this window: Cat.Rows and the UP-TRENDER
    // edits are locked, so they come back as the engine holds them.
    SettingsStore(path_).Save(last);
    Guard guard;
    QStringList errors;
    guard.SetErrorBox([&errors](const QString& message) { errors << message; });
    {
      MainWindow window(guard);
      window.KeepSettings(SettingsStore(path_));
      const vellaro::Settings now = window.game().CurrentSettings();
      QCOMPARE(now.system, last.game.system);
      QCOMPARE(now.base, last.game.base);
      QCOMPARE(now.safe_level, last.game.safe_level);
      QCOMPARE(now.auto_reset, last.game.auto_reset);
      QCOMPARE(now.min_profit, last.game.min_profit);
      QCOMPARE(now.trends, last.game.trends);
      QCOMPARE(now.mode, last.game.mode);
      QCOMPARE(now.show_bet, last.game.show_bet);
      QCOMPARE(now.limits, last.game.limits);
      QCOMPARE(window.height(), 448);  // the options area open
      QCOMPARE(window.pos(), *last.position);

      // A change by the player is in the file at once, without closing the window.
      window.Handle([&window] { window.game().Apply(act::ChooseSystem{vellaro::kParlay}); });
      QCOMPARE(SettingsStore(path_).Load().game.system, vellaro::kParlay);
      window.Handle([&window] { window.game().Apply(act::SetSafeLevel{2}); });
      QCOMPARE(SettingsStore(path_).Load().game.safe_level, 2);
      window.Handle([&window] { window.game().Apply(act::ToggleOptions{}); });
      QVERIFY(!SettingsStore(path_).Load().options_open);
      // A limit typed in its dialog, and one turned off.
      window.OpenLimits();
      QLineEdit* table = window.limits_dialog()->Edit(vellaro::LimitKind::kTableMax);
      table->setText(QStringLiteral("16"));
      emit table->editingFinished();
      QCOMPARE(SettingsStore(path_).Load().game.limits.table_max, 16);
      QLineEdit* bankroll = window.limits_dialog()->Edit(vellaro::LimitKind::kBankroll);
      bankroll->clear();
      emit bankroll->editingFinished();
      QVERIFY(!SettingsStore(path_).Load().game.limits.bankroll);
      // The place is written once the window has come to rest.
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.move(123, 45);
      QTRY_COMPARE(SettingsStore(path_).Load().position, std::optional<QPoint>(QPoint(123, 45)));
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
  }

  // A place saved on a screen that is gone (an unplugged monitor) opens on one that is
  // there; a place partly off the edge, where a player may keep it, stays.
  void aSavedPlaceOffEveryScreenComesBackOnOne() {
    using vellaro::app::PlaceOnScreens;
    const QSize window(449, 292);
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 1024)};
    QCOMPARE(PlaceOnScreens(QPoint(242, 112), window, one), QPoint(242, 112));
    QCOMPARE(PlaceOnScreens(QPoint(-5, 300), window, one), QPoint(-5, 300));
    QCOMPARE(PlaceOnScreens(QPoint(1920 - 225, 300), window, one), QPoint(1920 - 225, 300));
    // Less than half its width on the screen, or its top strip not all on it: brought in.
    QCOMPARE(PlaceOnScreens(QPoint(1920 - 224, 300), window, one), QPoint(1920 - 449, 300));
    QCOMPARE(PlaceOnScreens(QPoint(100, -1), window, one), QPoint(100, 0));
    QCOMPARE(PlaceOnScreens(QPoint(100, 1080 - 39), window, one), QPoint(100, 1080 - 292));
    QCOMPARE(PlaceOnScreens(QPoint(1000000, 1000000), window, one), QPoint(1920 - 449, 1080 - 292));
    QCOMPARE(PlaceOnScreens(QPoint(-5000, -5000), window, one), QPoint(0, 0));
    // On the second screen, or nearest to it once it is gone.
    QCOMPARE(PlaceOnScreens(QPoint(2500, 600), window, two), QPoint(2500, 600));
    QCOMPARE(PlaceOnScreens(QPoint(2500, 100), window, two), QPoint(2500, 200));
    QCOMPARE(PlaceOnScreens(QPoint(2500, 600), window, one), QPoint(1920 - 449, 600));
    QCOMPARE(PlaceOnScreens(QPoint(-5000, 3), window, {}), QPoint(-5000, 3));
    // A screen smaller than the window: its top left corner.
    QCOMPARE(PlaceOnScreens(QPoint(900, 900), window, {QRect(0, 0, 400, 200)}), QPoint(0, 0));
  }

  void aWindowWithoutAFileStartsAsAlways() {
    Guard guard;
    MainWindow window(guard);
    window.move(242, 112);
    window.KeepSettings(SettingsStore(path_));
    QCOMPARE(window.game().CurrentSettings(), vellaro::Settings{});
    QCOMPARE(window.height(), 292);
    QCOMPARE(window.pos(), QPoint(242, 112));
  }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
