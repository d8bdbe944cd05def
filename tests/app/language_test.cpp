// The window's language: which one is chosen, that German reaches the controls' help and
// the numbers, and that a language without a translation leaves the window in English.

#include "app/language.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/accessible_names.h"
#include "app/command_line.h"
#include "app/control.h"
#include "app/counted_text.h"
#include "app/fonts.h"
#include "app/keyboard_entry.h"
#include "app/limits_dialog.h"
#include "app/player_guide.h"
#include "app/tooltips.h"
#include "window_driver.h"

using vellaro::app::ChosenLanguage;
using vellaro::app::Control;
using vellaro::app::InstallLanguage;
using vellaro::app::TooltipFor;
using vellaro::app::testing::Named;
using vellaro::app::testing::TestWindow;

namespace {

const QString kBuilt = QStringLiteral(VELLARO_BUILT_TRANSLATIONS);

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { vellaro::app::InstallFontSubstitutions(); }

  void TheCommandLineWinsOverLanguageWhichWinsOverTheLocale() {
    const QString de = QStringLiteral("de_DE");
    QCOMPARE(ChosenLanguage({"vellaro", "--lang", "fr"}, "it:es", de), QStringLiteral("fr"));
    QCOMPARE(ChosenLanguage({"vellaro", "--lang=es"}, "it", de), QStringLiteral("es"));
    // LANGUAGE is a list of preferences: its first is taken.
    QCOMPARE(ChosenLanguage({"vellaro"}, "it:es", de), QStringLiteral("it"));
    QCOMPARE(ChosenLanguage({"vellaro"}, "", de), de);
    // A --lang without its value is no choice.
    QCOMPARE(ChosenLanguage({"vellaro", "--lang"}, "", de), de);
  }

  // Runs before German is installed: nothing of it may be loaded by a language it lacks.
  void AMissingLanguageLeavesTheWindowInEnglish() {
    const QString english = TooltipFor(Control::kUndo);
    QVERIFY(english.startsWith(QStringLiteral("Take back the last number")));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("pt_BR"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("en_GB"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("C"), kBuilt));
    QVERIFY(!InstallLanguage(*qApp, QStringLiteral("de"), QStringLiteral("/nonexistent")));
    QCOMPARE(TooltipFor(Control::kUndo), english);
    QCOMPARE(vellaro::app::CountText(2, "unit", "units"), QStringLiteral("2 units"));
    QCOMPARE(vellaro::app::PersonLocale().toString(qulonglong{1000000}),
             QStringLiteral("1,000,000"));
  }

  void GermanReachesTheHelpOfTheControlsAndTheNumbers() {
    // As LANG=de_DE.UTF-8 makes QLocale::system() name it.
    QVERIFY(InstallLanguage(*qApp, QStringLiteral("de_DE"), kBuilt));
    TestWindow shown;
    shown.Open();
    QCOMPARE(Named(shown.window(), "Undo")->toolTip().left(35),
             QStringLiteral("Die zuletzt eingegebene Zahl zurück"));
    QVERIFY(Named(shown.window(), "AnalysisGauge")->toolTip().startsWith("Die Analyse arbeitet."));
    QVERIFY(TooltipFor(Control::kSafeLevel).startsWith("SAFE LEVEL, 0 bis 10"));
    // A help made of two texts is German in both.
    const QString mode = TooltipFor(Control::kGameMode);
    QVERIFY(mode.startsWith(QStringLiteral("GAME MODE: wie die nächste Chance")));
    QVERIFY(mode.contains(QStringLiteral("die Bank behält 1 Einheit von 37")));
    QVERIFY(TooltipFor(Control::kBankroll).endsWith(QStringLiteral("um sie auszuschalten.")));
    // The names a screen reader speaks, and the counts with their nouns, one and many.
    QCOMPARE(vellaro::app::AccessibleName(Control::kUndo),
             QStringLiteral("Letzte Drehung zurücknehmen"));
    QCOMPARE(vellaro::app::CountText(1, "unit", "units"), QStringLiteral("1 Einheit"));
    QCOMPARE(vellaro::app::CountText(-3, "spin", "spins"), QStringLiteral("-3 Drehungen"));
    QCOMPARE(vellaro::app::PersonLocale().toString(qulonglong{1000000}),
             QStringLiteral("1.000.000"));
    shown.Close();
  }

  // Runs after German is installed: the texts of the dialogs, the keys, the readout, the
  // screen reader's values and --help, each of which was English once.
  void GermanReachesTheDialogsTheKeysAndTheHelp() {
    TestWindow shown;
    shown.Open();
    vellaro::app::MainWindow& window = shown.window();
    QVERIFY(static_cast<QLabel*>(Named(window, "SessionReadout"))->text().startsWith("Coups 0"));
    const QString lamp =
        QAccessible::queryAccessibleInterface(Named(window, "LampKey"))->text(QAccessible::Value);
    QVERIFY2(lamp == QStringLiteral("aus") || lamp == QStringLiteral("dunkel"), qPrintable(lamp));
    window.OpenLimits();
    vellaro::app::LimitsDialog* limits = window.limits_dialog();
    QVERIFY(limits != nullptr);
    auto* unit = limits->findChild<QLabel*>(QStringLiteral("LimitUnit_Bankroll"));
    QCOMPARE(unit->text(), QStringLiteral("Einheiten mitgebracht"));
    // One and many follow what the edit holds, in German too.
    limits->Edit(vellaro::LimitKind::kBankroll)->setText(QStringLiteral("1"));
    QCOMPARE(unit->text(), QStringLiteral("Einheit mitgebracht"));
    limits->Edit(vellaro::LimitKind::kBankroll)->setText(QString());
    QCOMPARE(limits->findChild<QPushButton*>(QStringLiteral("LimitsClose"))->text(),
             QStringLiteral("Schließen"));
    limits->close();
    shown.Close();

    vellaro::app::KeyboardEntry keys;
    keys.Digit(3);
    keys.Digit(7);
    QCOMPARE(keys.Text(), std::string("Abgelehnt: 37 gibt es im Kessel nicht"));
    keys.Digit(2);
    QCOMPARE(keys.Text(), std::string("Getippt: 2 (Enter gibt ein, Esc löscht)"));

    // The guide that F1 opens is the German one, compiled in, without its hash line.
    QVERIFY(vellaro::app::PlayerGuideText().startsWith(QStringLiteral("## Das Spielerhandbuch")));

    std::ostringstream out;
    const std::vector<std::string_view> help = {"--help"};
    QCOMPARE(vellaro::app::AnswerWithoutWindow(help, out), std::optional<int>(0));
    QVERIFY2(out.str().starts_with("Aufruf: vellaro [OPTION]\n"), out.str().c_str());
    QVERIFY(out.str().find("--lang LANG") != std::string::npos);
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
